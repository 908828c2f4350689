#pragma once

#include "framework/core/IObjectData.h"
#include "framework/engine/resources/CParamModifierData.h"

namespace GF {

// The description of an animated clipping rectangle. Getters hand out the shared containers.
class IClippingObjectData : public IObjectData {
 public:
  virtual THolder<TKeyContainer<kKindOffset>> GetOffsetTrack() const = 0;
  virtual THolder<TKeyContainer<kKindLayer>> GetLayerTrack() const = 0;
  virtual THolder<TKeyContainer<kKindHotSpot>> GetHotspotTrack() const = 0;
  virtual THolder<TKeyContainer<kKindZoom>> GetZoomTrack() const = 0;
  virtual THolder<HGENS::CParamModifierList> GetParamModifiers() const = 0;
};

}  // namespace GF
