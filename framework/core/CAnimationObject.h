#pragma once

#include <vector>

#include "framework/core/CBaseObject.h"
#include "framework/core/IAnimation.h"

namespace GF {

// The animation node: plays named parts of its animation data on its own clock, owns the
// scene objects made from that data and composes its placement with its parent's.
//
// The node and its objects hold each other, and so do a node and its scene: Detach or
// Clear breaks those cycles, and every owner calls one of them when it lets a node go.
class CAnimationObject : public CBaseObject, public IAnimation {
 public:
  CAnimationObject() = default;
  CAnimationObject(const CAnimationObject&) = delete;
  CAnimationObject& operator=(const CAnimationObject&) = delete;

  bool QueryInterface(const int& id, void** out) override;

  bool AddObject(const ObjectPtr& object) override;
  void RefreshProperties() override;
  void Detach() override;
  void Clear() override;
  bool IsShown() const override { return shown_; }
  bool IsActive() const override { return active_; }
  THolder<IAnimationData> GetAnimationData() const override { return data_; }
  FinishedEvent& GetFinishedEvent() override { return finishedEvent_; }
  const float& GetTime() const override { return time_; }
  int GetObjectCount() const override { return static_cast<int>(drawables_.size()); }
  DrawablePtr GetDrawable(int index) const override;
  DrawablePtr FindDrawable(const std::string& name) const override;
  const float& GetEndTime() const override { return end_; }
  int GetLayer() const override { return world_.layer; }
  const char* GetName() const override;
  ObjectPtr FindObject(const std::string& name) const override;
  const std::wstring* GetText(const std::string& name) const override;
  TPoint<float> GetPosition() const override { return {world_.x, world_.y}; }
  const float& GetOpacity() const override { return world_.opacity; }
  void GetBoundingRect(TRect<int>& out) const override;
  float GetAngle() const override { return world_.angle; }
  TPoint<float> GetScale() const override { return {world_.scaleX, world_.scaleY}; }
  THolder<IScene> GetScene() const override { return scene_; }
  const float& GetStartTime() const override { return start_; }
  CObjectProperties& GetProperties() override { return world_; }
  CObjectProperties& GetLocalProperties() override { return local_; }
  ParentPtr GetParent() const override { return parent_; }
  bool IsFinished() const override { return finished_; }
  bool IsStopped() const override { return stopped_; }
  bool Play(const char* name, int loops, bool removeWhenFinished) override;
  bool PlayAndRefresh(const char* name, int loops, bool removeWhenFinished) override;
  bool RemoveObject(const ObjectPtr& object) override;
  void ShowFrame(const float& t) override;
  void ResumeSounds() override;
  void SetActive(bool active) override;
  void SetAnimationData(const THolder<IAnimationData>& data) override;
  void SetDelay(const float& d, bool hide) override;
  void SetEndTime(const float& t) override;
  void HideWhenFinished() override;
  void SetLayer(int layer) override;
  void SetEmitting(bool emitting) override;
  void ShowObject(const char* name, bool shown) override;
  void SetPosition(const float& x, const float& y) override;
  void SetPosition(const TPoint<float>& position) override { SetPosition(position.x, position.y); }
  void SetX(const float& x) override;
  void SetY(const float& y) override;
  bool SetNumber(const std::string& name, int value) override;
  bool SetText(const std::string& name, const std::wstring& text) override;
  void SetOpacity(const float& opacity) override;
  void Stop() override;
  void StopLooping() override { loops_ = 1; }
  void SetAngle(const float& angle) override;
  void SetScale(const float& x, const float& y) override;
  void SetScaleX(const float& x) override;
  void SetScaleY(const float& y) override;
  void SetObjectsScene(const THolder<IScene>& scene) override;
  void PlayFrom(const float& t) override;
  void StopSounds() override;
  void SetSpeed(const float& speed) override { speed_ = speed; }
  void SetParent(const ParentPtr& parent, bool asLocal) override;
  void SetScene(const THolder<IScene>& scene) override;
  void SetShown(bool shown) override;
  void PauseSounds() override;
  bool Update(const float& dt) override;
  void SetTime(const float& t) override;
  void Pause() override { stopped_ = true; }
  ObjectPtr GetChildAt(int index) const override;
  void RemoveFromParent() override;
  void SkipToEnd() override;
  void Rewind() override;
  void SetVisible(bool visible) override;
  ObjectPtr CreateChild(const std::string& name) override;

 private:
  AnimationPtr Self() { return AnimationPtr(static_cast<IAnimation*>(this)); }
  // Every object leaves this node (and its scene); both lists end empty.
  void RemoveAllObjects();
  void AdvanceClock(float t);
  // The placement the parent gives the local record now (world when there is no parent).
  void ComposeWorld();
  // Writes world fields through `set`; under a parent the local record follows as the exact
  // inverse of the composition.
  template <class Set>
  void SetWorld(uint8_t bit, Set set);
  void OnFinishedHide(AnimationPtr animation);

  std::vector<ObjectPtr> drawables_;
  std::vector<ObjectPtr> sounds_;
  THolder<IAnimationData> data_;
  CObjectProperties world_;
  CObjectProperties local_;
  THolder<IScene> scene_;
  bool stopped_ = true;
  bool finished_ = false;
  bool removeWhenFinished_ = false;
  bool active_ = true;
  bool shown_ = true;
  float start_ = 0.0f;
  float end_ = 0.0f;
  float time_ = 0.0f;
  float speed_ = 1.0f;
  int loops_ = 0;
  ParentPtr parent_;
  float delay_ = 0.0f;
  FinishedEvent finishedEvent_;
};

}  // namespace GF
