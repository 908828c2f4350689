#pragma once

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"
#include "framework/engine/particles/CHGESprite.h"

namespace GF {

// A picture cut from a texture: the sprite that draws it and its size.
class IImage : public CRefCount {
 public:
  virtual void SetSprite(const THolder<HGENS::CHGESprite>& sprite) = 0;
  virtual THolder<HGENS::CHGESprite> GetSprite() const = 0;
  virtual float GetWidth() const = 0;
  virtual float GetHeight() const = 0;
};

}  // namespace GF
