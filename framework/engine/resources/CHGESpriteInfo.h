#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF::HGENS {

// A named rectangle of a registered texture (by its number in the texture cache).
struct CHGESpriteInfo : public GF::CRefCount {
  CHGESpriteInfo(std::string name, int texture, float x, float y, float width, float height)
      : name(std::move(name)), texture(texture), x(x), y(y), width(width), height(height) {}

  std::string name;
  int texture = -1;
  float x = 0.0f;
  float y = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
};

}  // namespace GF::HGENS
