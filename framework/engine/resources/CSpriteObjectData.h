#pragma once

#include "framework/engine/resources/CDrawableObjectData.h"

namespace GF::HGENS {

// Describes a sprite object.
class CSpriteObjectData : public CDrawableObjectData {
 public:
  explicit CSpriteObjectData(std::string name) : CDrawableObjectData(std::move(name)) {}

  ObjectPtr CreateObject() override { return MakeObject(Kind::Sprite, this); }
};

}  // namespace GF::HGENS
