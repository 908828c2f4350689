#pragma once

#include "framework/core/CBaseObject.h"
#include "framework/core/CDrawableAbstract.h"
#include "framework/engine/scene/IParamModifier.h"

namespace GF::HGENS {

// The part sprite and text sprite objects share: made from drawable object data, they
// answer the drawable interfaces, host substituted animations, and the data's
// parameter-modifier records let them wander around their animated position.
class CDrawableObject : public GF::CBaseObject, public GF::CDrawableAbstract {
 public:
  CDrawableObject(const CDrawableObject&) = delete;
  CDrawableObject& operator=(const CDrawableObject&) = delete;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation: the base's, then a new modifier over the data's records (none
  // without records).
  void SetObjectData(const GF::THolder<GF::IObjectData>& data) override;

  // Steps the modifier by the engine's frame time and adds its offsets to the position
  // before it is composed.
  void AdjustProperties() override;

 protected:
  CDrawableObject() = default;

  GF::THolder<GF::IParamModifier> modifier_;
};

}  // namespace GF::HGENS
