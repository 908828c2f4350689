#include "framework/core/CAnimationObject.h"

#include <algorithm>
#include <cmath>

#include "framework/core/IParticle.h"
#include "framework/core/ISound.h"
#include "framework/core/ITextSprite.h"
#include "framework/core/TMethodDelegate.h"

namespace GF {

namespace {

using SoundPtr = TSmartIPtr<ISound, kIdSound>;
using TextPtr = TSmartIPtr<ITextSprite, kIdTextSprite>;
using ContainerPtr = TSmartIPtr<ISubstitutedContainer, kIdSubstitutedContainer>;

template <class Ptr, class Source>
Ptr Cast(const Source& source) {
  Ptr out;
  out.AssignCast(source);
  return out;
}

bool SameFields(const CObjectProperties& a, const CObjectProperties& b, uint8_t bit) {
  switch (bit) {
    case CObjectProperties::kChangedPosition:
      return a.x == b.x && a.y == b.y;
    case CObjectProperties::kChangedLayer:
      return a.layer == b.layer;
    case CObjectProperties::kChangedOpacity:
      return a.opacity == b.opacity;
    case CObjectProperties::kChangedAngle:
      return a.angle == b.angle;
    default:
      return a.scaleX == b.scaleX && a.scaleY == b.scaleY;
  }
}

void CopyFields(CObjectProperties& to, const CObjectProperties& from, uint8_t bit) {
  switch (bit) {
    case CObjectProperties::kChangedPosition:
      to.x = from.x;
      to.y = from.y;
      break;
    case CObjectProperties::kChangedLayer:
      to.layer = from.layer;
      break;
    case CObjectProperties::kChangedOpacity:
      to.opacity = from.opacity;
      break;
    case CObjectProperties::kChangedAngle:
      to.angle = from.angle;
      to.sin = from.sin;
      to.cos = from.cos;
      break;
    default:
      to.scaleX = from.scaleX;
      to.scaleY = from.scaleY;
      break;
  }
}

}  // namespace

bool CAnimationObject::QueryInterface(const int& id, void** out) {
  if (id == kIdBase) return Grant(static_cast<IBase*>(this), out);
  if (id == kIdAnimation) return Grant(static_cast<IAnimation*>(this), out);
  return Refuse(out);
}

bool CAnimationObject::AddObject(const ObjectPtr& object) {
  if (Cast<DrawablePtr>(object)) {
    drawables_.push_back(object);
    return true;
  }
  if (Cast<SoundPtr>(object)) {
    sounds_.push_back(object);
    return true;
  }
  return false;
}

bool CAnimationObject::RemoveObject(const ObjectPtr& object) {
  for (auto* list : {&drawables_, &sounds_}) {
    auto it = std::find(list->begin(), list->end(), object);
    if (it != list->end()) {
      list->erase(it);
      return true;
    }
  }
  return false;
}

void CAnimationObject::RemoveAllObjects() {
  std::vector<ObjectPtr> objects;
  objects.swap(drawables_);
  objects.insert(objects.end(), sounds_.begin(), sounds_.end());
  sounds_.clear();
  // An object that only forgot its node would stay in its scene's drawable list and keep
  // its substituted animations (and their cycles) alive: it detaches as well.
  for (const ObjectPtr& object : objects) {
    object->SetAnimation(AnimationPtr());
    object->Detach();
  }
}

void CAnimationObject::ComposeWorld() {
  if (!parent_) return;
  world_ = local_;
  ComposeProperties(world_, parent_->GetProperties());
}

void CAnimationObject::RefreshProperties() {
  ComposeWorld();
  const float zero = 0.0f;
  for (size_t i = 0; i < drawables_.size(); ++i) ObjectPtr(drawables_[i])->Update(zero);
  for (size_t i = 0; i < sounds_.size(); ++i) ObjectPtr(sounds_[i])->Update(zero);
}

void CAnimationObject::Detach() {
  const AnimationPtr keep = Self();
  RemoveAllObjects();
  SetScene(THolder<IScene>());
  parent_.Reset();
}

void CAnimationObject::Clear() {
  const AnimationPtr keep = Self();
  RemoveAllObjects();
  scene_.Reset();
  parent_.Reset();
}

void CAnimationObject::RemoveFromParent() {
  const AnimationPtr keep = Self();
  SetScene(THolder<IScene>());
  if (const ParentPtr parent = parent_) parent->RemoveSubstitutedAnimation(keep);
  Detach();
}

IAnimation::DrawablePtr CAnimationObject::GetDrawable(int index) const {
  if (index < 0 || index >= GetObjectCount()) return {};
  return Cast<DrawablePtr>(drawables_[index]);
}

IAnimation::ObjectPtr CAnimationObject::GetChildAt(int index) const {
  if (index < 0 || index >= GetObjectCount()) return {};
  return drawables_[index];
}

IAnimation::DrawablePtr CAnimationObject::FindDrawable(const std::string& name) const {
  for (const ObjectPtr& object : drawables_) {
    if (object->GetName() == name) return Cast<DrawablePtr>(object);
  }
  return {};
}

IAnimation::ObjectPtr CAnimationObject::FindObject(const std::string& name) const {
  for (const auto* list : {&drawables_, &sounds_}) {
    for (const ObjectPtr& object : *list) {
      if (object->GetName() == name) return object;
    }
  }
  return {};
}

const char* CAnimationObject::GetName() const {
  return data_ ? data_->GetName().c_str() : nullptr;
}

const std::wstring* CAnimationObject::GetText(const std::string& name) const {
  const TextPtr text = Cast<TextPtr>(FindDrawable(name));
  return text ? &text->GetText() : nullptr;
}

bool CAnimationObject::SetNumber(const std::string& name, int value) {
  const TextPtr text = Cast<TextPtr>(FindDrawable(name));
  if (text) text->SetNumber(value);
  return static_cast<bool>(text);
}

bool CAnimationObject::SetText(const std::string& name, const std::wstring& value) {
  const TextPtr text = Cast<TextPtr>(FindDrawable(name));
  if (text) text->SetText(value);
  return static_cast<bool>(text);
}

void CAnimationObject::GetBoundingRect(TRect<int>& out) const {
  out = TRect<int>();
  for (const ObjectPtr& object : drawables_) {
    out.Unite(Cast<DrawablePtr>(object)->GetBoundingRect());
    const ContainerPtr container = Cast<ContainerPtr>(object);
    if (!container) continue;
    for (int k = 0;; ++k) {
      const AnimationPtr child = container->GetSubstitutedAnimation(k);
      if (!child) break;
      TRect<int> rect;
      child->GetBoundingRect(rect);
      out.Unite(rect);
    }
  }
}

bool CAnimationObject::Play(const char* name, int loops, bool removeWhenFinished) {
  if (!active_) SetActive(true);
  const THolder<INamedPart> part = data_ && name ? data_->GetNamedPart(name) : nullptr;
  if (!part) {
    Stop();
    return false;
  }
  removeWhenFinished_ = removeWhenFinished;
  loops_ = loops != 0 ? loops : part->GetValue();
  start_ = part->GetX();
  end_ = part->GetY() - 1.0f;
  stopped_ = false;
  finished_ = false;
  time_ = start_;
  return true;
}

bool CAnimationObject::PlayAndRefresh(const char* name, int loops, bool removeWhenFinished) {
  if (!Play(name, loops, removeWhenFinished)) return false;
  RefreshProperties();
  return true;
}

void CAnimationObject::ShowFrame(const float& t) {
  StopSounds();
  start_ = end_ = time_ = t;
  SetActive(true);
  // The objects evaluate their tracks only while the node runs.
  stopped_ = false;
  RefreshProperties();
  stopped_ = true;
}

void CAnimationObject::Stop() {
  ShowFrame(end_);
  if (removeWhenFinished_) finished_ = true;
}

void CAnimationObject::PlayFrom(const float& t) {
  loops_ = 1;
  stopped_ = false;
  finished_ = false;
  start_ = time_ = t;
}

void CAnimationObject::SetTime(const float& t) {
  time_ = t;
  finished_ = false;
}

void CAnimationObject::SkipToEnd() {
  time_ = end_;
  world_.changed = local_.changed = CObjectProperties::kChangedAll;
}

void CAnimationObject::Rewind() {
  time_ = start_;
  stopped_ = false;
  finished_ = false;
  world_.changed = local_.changed = CObjectProperties::kChangedAll;
}

void CAnimationObject::SetEndTime(const float& t) {
  stopped_ = false;
  end_ = t;
  loops_ = 1;
}

void CAnimationObject::SetActive(bool active) {
  active_ = active;
  world_.changed = local_.changed = CObjectProperties::kChangedAll;
}

void CAnimationObject::SetDelay(const float& d, bool hide) {
  if (d > 0.0f) {
    RefreshProperties();
    delay_ = d;
    SetActive(!hide);
  } else {
    delay_ = 0.0f;
    SetActive(true);
  }
}

void CAnimationObject::HideWhenFinished() {
  finishedEvent_.Subscribe(MakeDelegate<CAnimationObject>(this, &CAnimationObject::OnFinishedHide));
}

void CAnimationObject::OnFinishedHide(AnimationPtr) {
  SetActive(false);
}

void CAnimationObject::SetAnimationData(const THolder<IAnimationData>& data) {
  const AnimationPtr keep = Self();
  RemoveAllObjects();
  data_ = data;
  if (!data_) return;
  const int count = data_->GetObjectDataCount();
  for (int i = 0; i < count; ++i) {
    const ObjectPtr object = data_->GetObjectData(i)->CreateObject();
    if (object) object->SetAnimation(keep);
  }
}

IAnimation::ObjectPtr CAnimationObject::CreateChild(const std::string& name) {
  if (!data_) return {};
  const int count = data_->GetObjectDataCount();
  for (int i = 0; i < count; ++i) {
    const THolder<IObjectData> description = data_->GetObjectData(i);
    if (description->GetName() != name) continue;
    const ObjectPtr object = description->CreateObject();
    if (object) object->SetAnimation(Self());
    return object;
  }
  return {};
}

template <class Set>
void CAnimationObject::SetWorld(uint8_t bit, Set set) {
  ComposeWorld();
  const CObjectProperties before = world_;
  set(world_);
  if (!SameFields(before, world_, bit)) world_.changed |= bit;
  if (!parent_) return;
  CObjectProperties local = world_;
  DecomposeProperties(local, parent_->GetProperties());
  if (!SameFields(local_, local, bit)) {
    CopyFields(local_, local, bit);
    local_.changed |= bit;
  }
}

void CAnimationObject::SetLayer(int layer) {
  SetWorld(CObjectProperties::kChangedLayer, [&](CObjectProperties& w) { w.layer = layer; });
}

void CAnimationObject::SetPosition(const float& x, const float& y) {
  SetWorld(CObjectProperties::kChangedPosition, [&](CObjectProperties& w) {
    w.x = x;
    w.y = y;
  });
}

void CAnimationObject::SetX(const float& x) {
  SetWorld(CObjectProperties::kChangedPosition, [&](CObjectProperties& w) { w.x = x; });
}

void CAnimationObject::SetY(const float& y) {
  SetWorld(CObjectProperties::kChangedPosition, [&](CObjectProperties& w) { w.y = y; });
}

void CAnimationObject::SetOpacity(const float& opacity) {
  SetWorld(CObjectProperties::kChangedOpacity, [&](CObjectProperties& w) { w.opacity = opacity; });
}

void CAnimationObject::SetAngle(const float& angle) {
  SetWorld(CObjectProperties::kChangedAngle, [&](CObjectProperties& w) { w.SetAngle(angle); });
}

void CAnimationObject::SetScale(const float& x, const float& y) {
  SetScaleX(x);
  SetScaleY(y);
}

void CAnimationObject::SetScaleX(const float& x) {
  SetWorld(CObjectProperties::kChangedScale, [&](CObjectProperties& w) { w.scaleX = x; });
}

void CAnimationObject::SetScaleY(const float& y) {
  SetWorld(CObjectProperties::kChangedScale, [&](CObjectProperties& w) { w.scaleY = y; });
}

void CAnimationObject::SetParent(const ParentPtr& parent, bool asLocal) {
  if (asLocal) {
    parent_ = parent;
    local_ = world_;
    return;
  }
  ComposeWorld();
  local_ = world_;
  parent_ = parent;
  if (parent_) DecomposeProperties(local_, parent_->GetProperties());
}

void CAnimationObject::SetScene(const THolder<IScene>& scene) {
  if (scene == scene_) return;
  const AnimationPtr keep = Self();
  if (const THolder<IScene> old = scene_) old->RemoveAnimation(keep);
  scene_ = scene;
  if (scene_) scene_->AddAnimation(keep);
}

void CAnimationObject::SetObjectsScene(const THolder<IScene>& scene) {
  for (size_t i = 0; i < drawables_.size(); ++i) {
    Cast<DrawablePtr>(drawables_[i])->SetScene(scene);
  }
}

void CAnimationObject::SetShown(bool shown) {
  if (shown == shown_) return;
  SetVisible(shown);
}

void CAnimationObject::SetVisible(bool visible) {
  shown_ = visible;
  for (size_t i = 0; i < drawables_.size(); ++i) {
    Cast<DrawablePtr>(drawables_[i])->SetShown(visible);
  }
}

void CAnimationObject::ShowObject(const char* name, bool shown) {
  if (!name) return;
  if (const DrawablePtr drawable = FindDrawable(name)) drawable->SetShown(shown);
}

void CAnimationObject::SetEmitting(bool emitting) {
  for (const ObjectPtr& object : drawables_) {
    using ParticlePtr = TSmartIPtr<HGENS::IParticle, kIdParticle>;
    if (const ParticlePtr particle = Cast<ParticlePtr>(object)) particle->SetEmitting(emitting);
  }
}

void CAnimationObject::PauseSounds() {
  for (const ObjectPtr& object : sounds_) Cast<SoundPtr>(object)->Pause();
}

void CAnimationObject::ResumeSounds() {
  for (const ObjectPtr& object : sounds_) Cast<SoundPtr>(object)->Resume();
}

void CAnimationObject::StopSounds() {
  for (const ObjectPtr& object : sounds_) Cast<SoundPtr>(object)->Stop();
}

void CAnimationObject::AdvanceClock(float t) {
  if (time_ != end_) {
    time_ = std::min(time_ + t, end_);
    return;
  }
  if (loops_ != -1) --loops_;
  if (loops_ > 0 || loops_ == -1) {
    time_ = start_;  // the next pass begins; this step is not added
    return;
  }
  stopped_ = true;
  if (removeWhenFinished_) finished_ = true;
  finishedEvent_.Fire(Self());
}

bool CAnimationObject::Update(const float& dt) {
  const AnimationPtr keep = Self();  // a finished handler may drop the last outside holder
  bool run = true;
  if (delay_ > 0.0f) {
    delay_ -= dt;
    if (delay_ <= 0.0f) {
      delay_ = 0.0f;
      SetActive(true);
      run = false;
    }
  }
  if (run && active_) {
    ComposeWorld();
    // The objects get the unscaled step; a stopped node's sounds stand with its clock.
    const bool running = !stopped_;
    if (running) AdvanceClock(speed_ * dt);
    for (size_t i = 0; i < drawables_.size(); ++i) ObjectPtr(drawables_[i])->Update(dt);
    if (running) {
      for (size_t i = 0; i < sounds_.size(); ++i) ObjectPtr(sounds_[i])->Update(dt);
    }
  }
  world_.changed = local_.changed = 0;
  return !finished_;
}

}  // namespace GF
