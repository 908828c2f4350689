#pragma once

// Small stand-ins for the scene, the animation and object data, the registry and concrete
// drawables, so the animation node and the drawable base are tested alone. Every double
// counts its live instances, which proves that dropped trees free everything.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "framework/core/CAnimationObject.h"
#include "framework/core/CBaseObject.h"
#include "framework/core/CDrawableAbstract.h"
#include "framework/core/IAnimationRegistry.h"
#include "framework/core/ISound.h"
#include "framework/core/ITextSprite.h"

namespace GF::test {

inline int& LiveObjects() {
  static int live = 0;
  return live;
}

struct Counted {
  Counted() { ++LiveObjects(); }
  Counted(const Counted&) { ++LiveObjects(); }
  ~Counted() { --LiveObjects(); }
};

using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;
using ObjectPtr = TSmartIPtr<IObjectAnimation, kIdObjectAnimation>;
using DrawablePtr = TSmartIPtr<IDrawable, kIdDrawable>;

class FakeNamedPart : public INamedPart, Counted {
 public:
  FakeNamedPart(std::string name, float start, float end, int loops)
      : name_(std::move(name)), start_(start), end_(end), loops_(loops) {}
  float GetX() const override { return start_; }
  float GetY() const override { return end_; }
  int GetValue() const override { return loops_; }
  const std::string& GetName() const override { return name_; }

 private:
  std::string name_;
  float start_;
  float end_;
  int loops_;
};

class FakeSubstDescription : public ISubstAnimationDescription, Counted {
 public:
  FakeSubstDescription(std::string module, std::string name)
      : module_(std::move(module)), name_(std::move(name)) {}
  const std::string& GetFirstName() const override { return module_; }
  const std::string& GetSecondName() const override { return name_; }

 private:
  std::string module_;
  std::string name_;
};

// A drawable description with every key list public, to be filled by the test.
class FakeDrawableData : public IDrawableObjectData, Counted {
 public:
  explicit FakeDrawableData(std::string name, bool text = false)
      : name_(std::move(name)), text_(text) {}

  ObjectPtr CreateObject() override;
  const std::string& GetName() const override { return name_; }
  THolder<TKeyContainer<kKindResourceId>> GetIdTrack() const override { return id; }
  THolder<ISubstAnimationDescription> GetSubstAnimation(int index) const override {
    return subst[index];
  }
  int GetSubstAnimationCount() const override { return static_cast<int>(subst.size()); }
  THolder<TKeyContainer<kKindColor>> GetColorTrack() const override { return color; }
  THolder<TKeyContainer<kKindBlendMode>> GetBlendTrack() const override { return blend; }
  THolder<TKeyContainer<kKindFlip>> GetFlipTrack() const override { return flip; }
  THolder<TKeyContainer<kKindHotSpot>> GetHotspotTrack() const override { return hotSpot; }
  THolder<TKeyContainer<kKindOffset>> GetOffsetTrack() const override { return offset; }
  THolder<TKeyContainer<kKindLayer>> GetLayerTrack() const override { return layer; }
  THolder<TKeyContainer<kKindOpacity>> GetOpacityTrack() const override { return opacity; }
  THolder<TKeyContainer<kKindRotation>> GetRotationTrack() const override { return rotation; }
  THolder<TKeyContainer<kKindZoom>> GetZoomTrack() const override { return zoom; }
  THolder<CommandSubstList> GetCommandSubstTrack() const override { return commands; }

  void AddSubst(const std::string& module, const std::string& name) {
    subst.emplace_back(new FakeSubstDescription(module, name));
  }

  THolder<TKeyContainer<kKindResourceId>> id = CreateKeyContainer<kKindResourceId>();
  THolder<TKeyContainer<kKindColor>> color = CreateKeyContainer<kKindColor>();
  THolder<TKeyContainer<kKindBlendMode>> blend = CreateKeyContainer<kKindBlendMode>();
  THolder<TKeyContainer<kKindFlip>> flip = CreateKeyContainer<kKindFlip>();
  THolder<TKeyContainer<kKindHotSpot>> hotSpot = CreateKeyContainer<kKindHotSpot>();
  THolder<TKeyContainer<kKindOffset>> offset = CreateKeyContainer<kKindOffset>();
  THolder<TKeyContainer<kKindLayer>> layer = CreateKeyContainer<kKindLayer>();
  THolder<TKeyContainer<kKindOpacity>> opacity = CreateKeyContainer<kKindOpacity>();
  THolder<TKeyContainer<kKindRotation>> rotation = CreateKeyContainer<kKindRotation>();
  THolder<TKeyContainer<kKindZoom>> zoom = CreateKeyContainer<kKindZoom>();
  THolder<CommandSubstList> commands{new CommandSubstList()};
  std::vector<THolder<ISubstAnimationDescription>> subst;

 private:
  std::string name_;
  bool text_;
};

// A concrete drawable: a fixed rectangle, optionally a text sprite (id 6).
class FakeDrawable : public CBaseObject, public CDrawableAbstract, public ITextSprite, Counted {
 public:
  explicit FakeDrawable(bool text) : text_(text) {}

  bool QueryInterface(const int& id, void** out) override {
    switch (id) {
      case kIdBase:
        return Grant(static_cast<IBase*>(this), out);
      case kIdObjectAnimation:
        return Grant(static_cast<IObjectAnimation*>(this), out);
      case kIdDrawable:
        return Grant(static_cast<IDrawable*>(this), out);
      case kIdSubstitutedContainer:
        return Grant(static_cast<ISubstitutedContainer*>(this), out);
      case kIdTextSprite:
        return text_ ? Grant(static_cast<ITextSprite*>(this), out) : Refuse(out);
      default:
        return Refuse(out);
    }
  }
  void Render() override {}
  const TRect<int>& GetBoundingRect() override { return rect; }

  const std::wstring& GetText() const override { return textValue; }
  void SetText(const std::wstring& value) override { textValue = value; }
  void SetNumber(int number) override { textValue = std::to_wstring(number); }

  TRect<int> rect;
  std::wstring textValue;

 private:
  bool text_;
};

inline ObjectPtr FakeDrawableData::CreateObject() {
  const ObjectPtr object(static_cast<IObjectAnimation*>(new FakeDrawable(text_)));
  object->SetObjectData(THolder<IObjectData>(this));
  return object;
}

// A sound object that counts what its node asks of it (or, without id 2, a plain object).
class FakeSound : public CBaseObject, public IObjectAnimation, public ISound, Counted {
 public:
  bool QueryInterface(const int& id, void** out) override {
    if (id == kIdBase) return Grant(static_cast<IBase*>(this), out);
    if (id == kIdObjectAnimation) return Grant(static_cast<IObjectAnimation*>(this), out);
    if (id == kIdSound && answersSound) return Grant(static_cast<ISound*>(this), out);
    return Refuse(out);
  }
  bool IsPlaying() const override { return true; }
  const std::string& GetName() const override { return name; }
  THolder<IObjectData> GetObjectData() const override { return {}; }
  AnimationPtr GetAnimation() const override { return node; }
  void SetObjectData(const THolder<IObjectData>&) override {}
  void SetAnimation(const AnimationPtr& animation) override {
    const ObjectPtr self(static_cast<IObjectAnimation*>(this));
    if (const AnimationPtr old = node) old->RemoveObject(self);
    node = animation;
    if (node) node->AddObject(self);
  }
  void Detach() override { node.Reset(); }
  void SetPlaying(bool) override {}
  bool Update(const float& dt) override {
    ++updates;
    lastDt = dt;
    return true;
  }
  void Pause() override { ++pauses; }
  void Resume() override { ++resumes; }
  void Stop() override { ++stops; }

  std::string name = "sound";
  bool answersSound = true;
  AnimationPtr node;
  int updates = 0;
  float lastDt = -1.0f;
  int pauses = 0;
  int resumes = 0;
  int stops = 0;
};

class FakeAnimationData : public IAnimationData, Counted {
 public:
  explicit FakeAnimationData(std::string name) : name_(std::move(name)) {}

  AnimationPtr CreateObject() override {
    const AnimationPtr node(static_cast<IAnimation*>(new CAnimationObject()));
    node->SetAnimationData(THolder<IAnimationData>(this));
    return node;
  }
  const std::string& GetName() const override { return name_; }
  THolder<INamedPart> GetNamedPart(const std::string& name) const override {
    for (const auto& part : parts) {
      if (part->GetName() == name) return part;
    }
    return {};
  }
  THolder<IObjectData> GetObjectData(int index) const override { return objects[index]; }
  int GetObjectDataCount() const override { return static_cast<int>(objects.size()); }

  void AddPart(const std::string& name, float start, float end, int loops) {
    parts.emplace_back(new FakeNamedPart(name, start, end, loops));
  }
  FakeDrawableData* AddDrawable(const std::string& name, bool text = false) {
    auto* data = new FakeDrawableData(name, text);
    objects.emplace_back(data);
    return data;
  }

  std::vector<THolder<INamedPart>> parts;
  std::vector<THolder<IObjectData>> objects;

 private:
  std::string name_;
};

// Records what the node and drawables ask of their scene.
class FakeScene : public IScene, Counted {
 public:
  void AddAnimation(const AnimationPtr& animation) override { animations.push_back(animation); }
  void AddDrawable(const DrawablePtr& drawable) override { drawables.push_back(drawable); }
  AnimationPtr CreateAnimation(const std::string&) override { return {}; }
  AnimationPtr PlayAnimation(const std::string&, float, float, const std::string&, int,
                             float) override {
    return {};
  }
  AnimationPtr PlayAnimation(const std::string&, const TPoint<float>&, const std::string&, int,
                             float) override {
    return {};
  }
  void Render() override {}
  void SortDrawables() override {}
  void RemoveAnimation(const AnimationPtr& animation) override {
    std::erase(animations, animation);
  }
  void RemoveDrawable(const DrawablePtr& drawable) override { std::erase(drawables, drawable); }
  bool Update(const float& dt) override {
    for (size_t i = 0; i < animations.size(); ++i) AnimationPtr(animations[i])->Update(dt);
    return true;
  }
  void Clear() override {
    for (const auto& animation : std::vector<AnimationPtr>(animations)) animation->Clear();
    animations.clear();
    for (const auto& drawable : std::vector<DrawablePtr>(drawables)) drawable->Detach();
  }
  void PauseSounds() override {}
  void ResumeSounds() override {}
  void StopSounds() override {}
  void SetActive(bool) override {}
  void RequestSort() override { ++sortRequests; }
  void SetVisible(bool) override {}
  UpdateEvent& GetUpdateEvent() override { return updateEvent; }
  const THolder<CRefCount>& GetUserObject() const override { return user; }
  THolder<CRefCount>& GetUserObject() override { return user; }
  void SetUserObject(const THolder<CRefCount>& object) override { user = object; }

  std::vector<AnimationPtr> animations;
  std::vector<DrawablePtr> drawables;
  int sortRequests = 0;
  UpdateEvent updateEvent;
  THolder<CRefCount> user;
};

// A registry of animation data by "module.name", installed while it lives.
class FakeRegistry : public IAnimationRegistry {
 public:
  FakeRegistry() { SetAnimationRegistry(this); }
  ~FakeRegistry() { SetAnimationRegistry(nullptr); }
  THolder<IAnimationData> FindAnimationData(const std::string& module,
                                            const std::string& name) override {
    return FindAnimationData(module + "." + name);
  }
  THolder<IAnimationData> FindAnimationData(const std::string& fullName) override {
    const auto it = data.find(fullName);
    return it == data.end() ? THolder<IAnimationData>() : it->second;
  }
  FakeAnimationData* Add(const std::string& module, const std::string& name) {
    auto* animation = new FakeAnimationData(name);
    data[module + "." + name] = animation;
    return animation;
  }

  std::map<std::string, THolder<IAnimationData>> data;
};

inline AnimationPtr MakeNode(const THolder<IAnimationData>& data = {}) {
  const AnimationPtr node(static_cast<IAnimation*>(new CAnimationObject()));
  if (data) node->SetAnimationData(data);
  return node;
}

}  // namespace GF::test
