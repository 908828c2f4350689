#pragma once

#include <cstdint>

#include "framework/core/IBase.h"

namespace GF {

// A drawable that shows one sprite (interface id 5); screens change its colour.
class ISprite : public virtual IBase {
 public:
  // The colour of the sprite's first corner; 0xFFFFFFFF without a sprite.
  virtual std::uint32_t GetColor() const = 0;
  // ARGB on all four corners and the engine blend code. 0xFFFFFFFF counts as no colour
  // given: the colour track then applies again.
  virtual void SetColor(std::uint32_t color, int blend) = 0;

 protected:
  ~ISprite() = default;
};

}  // namespace GF
