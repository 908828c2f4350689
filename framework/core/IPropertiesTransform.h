#pragma once

#include "framework/core/TParamTrack.h"

namespace GF {

// The placement tracks of an object, each null when the object has no such property.
// PropertiesFromObjectData reads an object through it. Skew (kind 7) has no track type
// and is left out.
class IPropertiesTransform {
 public:
  virtual TParamTrack<kKindOffset>* GetOffsetTrack() = 0;
  virtual const TParamTrack<kKindOffset>* GetOffsetTrack() const = 0;
  virtual TParamTrack<kKindHotSpot>* GetHotSpotTrack() = 0;
  virtual const TParamTrack<kKindHotSpot>* GetHotSpotTrack() const = 0;
  virtual TParamTrack<kKindLayer>* GetLayerTrack() = 0;
  virtual const TParamTrack<kKindLayer>* GetLayerTrack() const = 0;
  virtual TParamTrack<kKindOpacity>* GetOpacityTrack() = 0;
  virtual const TParamTrack<kKindOpacity>* GetOpacityTrack() const = 0;
  virtual TParamTrack<kKindRotation>* GetRotationTrack() = 0;
  virtual const TParamTrack<kKindRotation>* GetRotationTrack() const = 0;
  virtual TParamTrack<kKindZoom>* GetZoomTrack() = 0;
  virtual const TParamTrack<kKindZoom>* GetZoomTrack() const = 0;

 protected:
  ~IPropertiesTransform() = default;
};

}  // namespace GF
