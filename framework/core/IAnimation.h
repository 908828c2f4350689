#pragma once

#include <string>

#include "framework/core/CObjectProperties.h"
#include "framework/core/IAnimationData.h"
#include "framework/core/IBase.h"
#include "framework/core/IDrawable.h"
#include "framework/core/IObjectAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

// A live animation (interface id 7): a clock that plays named parts of its animation data,
// the scene objects made from that data, and a placement that composes with its parent's.
class IAnimation : public virtual IBase {
 public:
  using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;
  using ObjectPtr = TSmartIPtr<IObjectAnimation, kIdObjectAnimation>;
  using DrawablePtr = TSmartIPtr<IDrawable, kIdDrawable>;
  using ParentPtr = TSmartIPtr<ISubstitutedContainer, kIdSubstitutedContainer>;
  using FinishedEvent = TEventList<AnimationPtr>;

  // Keeps a drawable (id 3) or a sound (id 2); false for anything else.
  virtual bool AddObject(const ObjectPtr& object) = 0;
  // Recomposes the world placement from the parent and brings the objects up to date.
  virtual void RefreshProperties() = 0;
  // Drops the objects, leaves the scene and the parent.
  virtual void Detach() = 0;
  // Drops the objects, the scene (without telling it) and the parent.
  virtual void Clear() = 0;
  virtual bool IsShown() const = 0;
  virtual bool IsActive() const = 0;
  virtual THolder<IAnimationData> GetAnimationData() const = 0;
  virtual FinishedEvent& GetFinishedEvent() = 0;
  virtual const float& GetTime() const = 0;
  virtual int GetObjectCount() const = 0;
  virtual DrawablePtr GetDrawable(int index) const = 0;
  virtual DrawablePtr FindDrawable(const std::string& name) const = 0;
  virtual const float& GetEndTime() const = 0;
  virtual int GetLayer() const = 0;
  // The animation data's name; null without data.
  virtual const char* GetName() const = 0;
  virtual ObjectPtr FindObject(const std::string& name) const = 0;
  // The text of the named text sprite; null when there is none.
  virtual const std::wstring* GetText(const std::string& name) const = 0;
  virtual TPoint<float> GetPosition() const = 0;
  virtual const float& GetOpacity() const = 0;
  // The union of the drawables' rectangles and of their substituted animations'.
  virtual void GetBoundingRect(TRect<int>& out) const = 0;
  virtual float GetAngle() const = 0;
  virtual TPoint<float> GetScale() const = 0;
  virtual THolder<IScene> GetScene() const = 0;
  virtual const float& GetStartTime() const = 0;
  // World placement.
  virtual CObjectProperties& GetProperties() = 0;
  // Placement relative to the parent.
  virtual CObjectProperties& GetLocalProperties() = 0;
  virtual ParentPtr GetParent() const = 0;
  virtual bool IsFinished() const = 0;
  virtual bool IsStopped() const = 0;
  // Plays a named part ("all", "_show", ...); loops 0 takes the part's own count, -1 is
  // endless. An unknown part stops the node at its end and returns false.
  virtual bool Play(const char* name, int loops, bool removeWhenFinished) = 0;
  virtual bool PlayAndRefresh(const char* name, int loops, bool removeWhenFinished) = 0;
  virtual bool RemoveObject(const ObjectPtr& object) = 0;
  // Freezes the clock at t and shows that frame.
  virtual void ShowFrame(const float& t) = 0;
  virtual void ResumeSounds() = 0;
  virtual void SetActive(bool active) = 0;
  virtual void SetAnimationData(const THolder<IAnimationData>& data) = 0;
  // Counts d ms down before the node runs; with hide it stays inactive until then. A delay
  // of 0 or less makes the node active at once.
  virtual void SetDelay(const float& d, bool hide) = 0;
  virtual void SetEndTime(const float& t) = 0;
  // The node turns inactive (and stays in its scene) when its part ends.
  virtual void HideWhenFinished() = 0;
  virtual void SetLayer(int layer) = 0;
  virtual void SetEmitting(bool emitting) = 0;
  virtual void ShowObject(const char* name, bool shown) = 0;
  virtual void SetPosition(const float& x, const float& y) = 0;
  virtual void SetPosition(const TPoint<float>& position) = 0;
  virtual void SetX(const float& x) = 0;
  virtual void SetY(const float& y) = 0;
  // False when there is no text sprite of that name.
  virtual bool SetNumber(const std::string& name, int value) = 0;
  virtual bool SetText(const std::string& name, const std::wstring& text) = 0;
  virtual void SetOpacity(const float& opacity) = 0;
  virtual void Stop() = 0;
  // The pass under way is the last.
  virtual void StopLooping() = 0;
  virtual void SetAngle(const float& angle) = 0;
  virtual void SetScale(const float& x, const float& y) = 0;
  virtual void SetScaleX(const float& x) = 0;
  virtual void SetScaleY(const float& y) = 0;
  virtual void SetObjectsScene(const THolder<IScene>& scene) = 0;
  // Plays the current part once more from t.
  virtual void PlayFrom(const float& t) = 0;
  virtual void StopSounds() = 0;
  virtual void SetSpeed(const float& speed) = 0;
  // Places the node under a host; asLocal keeps the world placement as the local one,
  // otherwise the world placement stays where it is.
  virtual void SetParent(const ParentPtr& parent, bool asLocal) = 0;
  virtual void SetScene(const THolder<IScene>& scene) = 0;
  // Shows or hides the node's drawables when the flag changes.
  virtual void SetShown(bool shown) = 0;
  virtual void PauseSounds() = 0;
  // Advances the node by dt ms; false once it has finished.
  virtual bool Update(const float& dt) = 0;

  // Sets the clock and clears "finished".
  virtual void SetTime(const float& t) = 0;
  // Holds the node at its current frame.
  virtual void Pause() = 0;
  // The object at index among the drawables (a place to attach into, or a part to show).
  virtual ObjectPtr GetChildAt(int index) const = 0;
  // Takes the node out of its host's list and then detaches it (objects, scene, parent).
  virtual void RemoveFromParent() = 0;
  // Puts the clock at the end of the current part.
  virtual void SkipToEnd() = 0;
  // Puts the clock back at the start of the current part and plays it.
  virtual void Rewind() = 0;
  // Sets the shown flag and passes it to every drawable, changed or not.
  virtual void SetVisible(bool visible) = 0;
  // Creates the object of that name from the animation data and adopts it; empty when the
  // data has no such object.
  virtual ObjectPtr CreateChild(const std::string& name) = 0;

 protected:
  ~IAnimation() = default;
};

}  // namespace GF
