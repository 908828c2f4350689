#pragma once

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"
#include "framework/engine/particles/CHGESprite.h"

namespace GF::HGENS {

// One glyph of a bitmap font: the pen offsets and the sprite cut from its page.
struct tagChar : public GF::CRefCount {
  int left = 0;   // quad left = pen x - left
  int right = 0;  // advance = |right - left|
  int top = 0;    // quad top = line top - top
  GF::THolder<CHGESprite> sprite;

  int Advance() const { return right > left ? right - left : left - right; }
};

}  // namespace GF::HGENS
