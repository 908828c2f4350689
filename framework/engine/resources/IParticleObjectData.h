#pragma once

#include "framework/core/IObjectData.h"
#include "framework/engine/resources/CParamModifierData.h"

namespace GF {

// The description of a particle system of an animation. Getters hand out the shared
// containers.
class IParticleObjectData : public IObjectData {
 public:
  virtual THolder<TKeyContainer<kKindBlendMode>> GetBlendTrack() const = 0;
  virtual THolder<TKeyContainer<kKindOffset>> GetOffsetTrack() const = 0;
  virtual THolder<TKeyContainer<kKindLayer>> GetLayerTrack() const = 0;
  virtual THolder<TKeyContainer<kKindOpacity>> GetOpacityTrack() const = 0;
  virtual THolder<TKeyContainer<kKindParticleCommand>> GetParticleCommandTrack() const = 0;
  // Which sprite the particles draw: resource-id keys.
  virtual THolder<TKeyContainer<kKindResourceId>> GetSpriteIdTrack() const = 0;
  virtual THolder<HGENS::CParamModifierList> GetParamModifiers() const = 0;
};

}  // namespace GF
