#include "framework/core/CDrawableAbstract.h"

#include <algorithm>

#include "framework/core/CAnimationObject.h"
#include "framework/core/IAnimationRegistry.h"

namespace GF {

namespace {

using ParentPtr = TSmartIPtr<ISubstitutedContainer, kIdSubstitutedContainer>;

}  // namespace

void CDrawableAbstract::ClearSubstituted() {
  AnimationList animations;
  animations.swap(substituted_);
  for (const AnimationPtr& animation : animations) animation->Clear();
}

void CDrawableAbstract::SetObjectData(const THolder<IObjectData>& data) {
  blend_.Clear();
  color_.Clear();
  offset_.Clear();
  hotSpot_.Clear();
  id_.Clear();
  layer_.Clear();
  opacity_.Clear();
  rotation_.Clear();
  zoom_.Clear();
  subst_.Clear();
  ClearSubstituted();
  data_ = dynamic_cast<IDrawableObjectData*>(data.Get());
  if (!data_) return;
  blend_.Attach(data_->GetBlendTrack());
  color_.Attach(data_->GetColorTrack());
  offset_.Attach(data_->GetOffsetTrack());
  hotSpot_.Attach(data_->GetHotspotTrack());
  id_.Attach(data_->GetIdTrack());
  layer_.Attach(data_->GetLayerTrack());
  opacity_.Attach(data_->GetOpacityTrack());
  rotation_.Attach(data_->GetRotationTrack());
  zoom_.Attach(data_->GetZoomTrack());
  const int count = data_->GetSubstAnimationCount();
  for (int i = 0; i < count; ++i) {
    const THolder<ISubstAnimationDescription> entry = data_->GetSubstAnimation(i);
    AddSubstitutedAnimation(entry->GetFirstName(), entry->GetSecondName());
  }
  // The substitution keys live in this object's own container: they point at its own
  // animations. Each animation waits, inactive, until its key plays it.
  const auto entries = data_->GetCommandSubstTrack();
  if (!entries) return;
  const auto keys = subst_.GetKeys();
  keys->reserve(entries->size());
  for (const CCommandSubstAnimation& entry : *entries) {
    const auto found = FindAnimationByName(substituted_, SubstAnimationName(entry));
    if (found == substituted_.end()) continue;
    CommandSubstKey key;
    MakeSubstKey(entry, key);
    key.value.animation = *found;
    (*found)->SetActive(false);
    keys->push_back(std::move(key));
  }
  // Its length is the last key's time, so each key fires at its own time.
  subst_.CalcLength();
}

void CDrawableAbstract::Detach() {
  animation_.Reset();
  SetScene(THolder<IScene>());
  ClearSubstituted();
}

void CDrawableAbstract::UpdateTracks(float t) {
  blend_.Update(t);
  color_.Update(t);
  offset_.Update(t);
  hotSpot_.Update(t);
  id_.Update(t);
  layer_.Update(t);
  opacity_.Update(t);
  rotation_.Update(t);
  zoom_.Update(t);
  subst_.Update(t);
}

bool CDrawableAbstract::Update(const float& dt) {
  const AnimationPtr node = animation_;
  if (!node) return false;
  if (playing_) {
    UpdateTracks(node->GetTime());
  } else {
    blend_.ResetChanged();
    color_.ResetChanged();
    offset_.ResetChanged();
    hotSpot_.ResetChanged();
    id_.ResetChanged();
    layer_.ResetChanged();
    opacity_.ResetChanged();
    rotation_.ResetChanged();
    zoom_.ResetChanged();
    subst_.ResetChanged();
  }
  PropertiesFromObjectData(properties_, *this);
  AdjustProperties();
  ComposeProperties(properties_, node->GetProperties());
  PlaySubstitution();
  for (size_t i = 0; i < substituted_.size(); ++i) AnimationPtr(substituted_[i])->Update(dt);
  // Follow the node one frame late: the update that first sees it stopped still evaluated.
  const bool stopped = node->IsStopped();
  if (playing_ && stopped) {
    playing_ = false;
  } else if (!playing_ && !stopped) {
    playing_ = true;
  }
  if ((properties_.changed & CObjectProperties::kChangedLayer) && SceneRef())
    SceneRef()->RequestSort();
  return true;
}

void CDrawableAbstract::PlaySubstitution() {
  if (!subst_.IsChanged() || subst_.GetSegment() < 0) return;
  const CommandSubstKey& key = subst_.GetCurrent();
  const float at = key.duration;
  if (at < animation_->GetStartTime() || at > animation_->GetEndTime()) return;
  // Copy: playing may change this drawable's keys.
  const AnimationPtr target = key.value.animation;
  const std::string command = key.value.command;
  if (target) target->Play(command.c_str(), 0, false);
}

void CDrawableAbstract::SetScene(const THolder<IScene>& scene) {
  CSceneDrawable::SetScene(scene);
  for (size_t i = 0; i < substituted_.size(); ++i) {
    AnimationPtr(substituted_[i])->SetObjectsScene(SceneRef());
  }
}

void CDrawableAbstract::SetShown(bool shown) {
  if (shown == IsShown()) return;
  CSceneDrawable::SetShown(shown);
  for (size_t i = 0; i < substituted_.size(); ++i) AnimationPtr(substituted_[i])->SetShown(shown);
}

IAnimation::AnimationPtr CDrawableAbstract::AddSubstitutedAnimation(const std::string& module,
                                                                    const std::string& name) {
  IAnimationRegistry* registry = GetAnimationRegistry();
  return AddSubstituted(registry ? registry->FindAnimationData(module, name) : nullptr);
}

IAnimation::AnimationPtr CDrawableAbstract::AddSubstitutedAnimation(const std::string& fullName) {
  IAnimationRegistry* registry = GetAnimationRegistry();
  return AddSubstituted(registry ? registry->FindAnimationData(fullName) : nullptr);
}

IAnimation::AnimationPtr CDrawableAbstract::AddSubstituted(const THolder<IAnimationData>& data) {
  if (!data) return {};
  const AnimationPtr node(static_cast<IAnimation*>(new CAnimationObject()));
  substituted_.push_back(node);
  node->SetAnimationData(data);
  node->SetParent(ParentPtr(static_cast<ISubstitutedContainer*>(this)), true);
  node->SetScene(THolder<IScene>());
  node->SetObjectsScene(SceneRef());
  node->Play("all", 0, false);
  return node;
}

IAnimation::AnimationPtr CDrawableAbstract::GetSubstitutedAnimation(int index) const {
  if (index < 0 || index >= static_cast<int>(substituted_.size())) return {};
  return substituted_[index];
}

IAnimation::AnimationPtr CDrawableAbstract::FindSubstitutedAnimation(
    const std::string& name) const {
  const auto found = FindAnimationByName(substituted_, name);
  return found == substituted_.end() ? AnimationPtr() : *found;
}

bool CDrawableAbstract::RemoveSubstitutedAnimation(const std::string& name) {
  return RemoveSubstitutedAnimation(FindSubstitutedAnimation(name));
}

bool CDrawableAbstract::RemoveSubstitutedAnimation(const AnimationPtr& animation) {
  const auto found = std::find(substituted_.begin(), substituted_.end(), animation);
  if (!animation || found == substituted_.end()) return false;
  const auto keys = subst_.GetKeys();
  for (auto key = FindSubstKeyByAnimation(keys->begin(), keys->end(), animation);
       key != keys->end(); key = FindSubstKeyByAnimation(key, keys->end(), animation)) {
    key = keys->erase(key);
  }
  subst_.CalcLength();
  const AnimationPtr keep = animation;  // the list may hold the caller's last reference
  substituted_.erase(found);
  keep->Clear();
  return true;
}

}  // namespace GF
