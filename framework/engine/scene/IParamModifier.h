#pragma once

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"
#include "framework/engine/resources/CParamModifierData.h"

namespace GF {

// Lets a drawable wander around its animated placement: one value per parameter id, a sum
// of sine waves over time.
class IParamModifier : public CRefCount {
 public:
  // Parameter ids of the records' first field.
  enum : int { kAngle = 1, kOffsetX = 2, kOffsetY = 3 };

  // dt in seconds; the values are those of the time before the step.
  virtual bool Update(const float& dt) = 0;
  // 0 when no record has that id.
  virtual float GetValue(int id) const = 0;
  virtual void SetData(const THolder<HGENS::CParamModifierList>& data) = 0;
};

}  // namespace GF
