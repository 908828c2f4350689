#pragma once

#include "framework/engine/resources/CDrawableObjectData.h"

namespace GF::HGENS {

// Describes a text sprite object (its resource ids are text-info indices).
class CTextSpriteObjectData : public CDrawableObjectData {
 public:
  explicit CTextSpriteObjectData(std::string name) : CDrawableObjectData(std::move(name)) {}

  ObjectPtr CreateObject() override { return MakeObject(Kind::TextSprite, this); }
};

}  // namespace GF::HGENS
