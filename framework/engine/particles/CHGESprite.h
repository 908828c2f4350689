#pragma once

#include "framework/core/CRefCount.h"
#include "framework/engine/particles/hgeSprite.h"

namespace GF::HGENS {

// The reference-counted sprite that images, glyphs and sprite objects hold.
class CHGESprite : public hgeSprite, public GF::CRefCount {
 public:
  using hgeSprite::hgeSprite;
};

}  // namespace GF::HGENS
