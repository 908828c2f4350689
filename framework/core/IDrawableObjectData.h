#pragma once

#include <vector>

#include "framework/core/CCommandSubstAnimation.h"
#include "framework/core/IObjectData.h"
#include "framework/core/ISubstAnimationDescription.h"

namespace GF {

// The description of a drawable (sprite, text sprite): its key lists, its substituted
// animations and its command-substitution entries. Every getter hands out the shared
// container (one more reference), never a copy.
class IDrawableObjectData : public IObjectData {
 public:
  using CommandSubstList = CContainerRef<std::vector<CCommandSubstAnimation>>;

  virtual THolder<ISubstAnimationDescription> GetSubstAnimation(int index) const = 0;
  virtual int GetSubstAnimationCount() const = 0;
  virtual THolder<TKeyContainer<kKindColor>> GetColorTrack() const = 0;
  virtual THolder<TKeyContainer<kKindBlendMode>> GetBlendTrack() const = 0;
  virtual THolder<TKeyContainer<kKindFlip>> GetFlipTrack() const = 0;
  virtual THolder<TKeyContainer<kKindHotSpot>> GetHotspotTrack() const = 0;
  virtual THolder<TKeyContainer<kKindOffset>> GetOffsetTrack() const = 0;
  virtual THolder<TKeyContainer<kKindLayer>> GetLayerTrack() const = 0;
  virtual THolder<TKeyContainer<kKindOpacity>> GetOpacityTrack() const = 0;
  virtual THolder<TKeyContainer<kKindRotation>> GetRotationTrack() const = 0;
  virtual THolder<TKeyContainer<kKindZoom>> GetZoomTrack() const = 0;
  virtual THolder<CommandSubstList> GetCommandSubstTrack() const = 0;
};

}  // namespace GF
