#include "framework/engine/scene/CDrawableObject.h"

#include "framework/core/AnimatedDrawableQuery.h"
#include "framework/engine/resources/CDrawableObjectData.h"
#include "framework/engine/scene/CParamModifier.h"
#include "platform/Engine.h"

namespace GF::HGENS {

bool CDrawableObject::QueryInterface(const int& id, void** out) {
  if (id == GF::kIdSubstitutedContainer) {
    return Grant(static_cast<GF::ISubstitutedContainer*>(this), out);
  }
  return GF::QueryAnimatedDrawable(*this, id, out);
}

void CDrawableObject::SetObjectData(const GF::THolder<GF::IObjectData>& data) {
  CDrawableAbstract::SetObjectData(data);
  const auto* drawable = dynamic_cast<const CDrawableObjectData*>(data_.Get());
  modifier_ = drawable ? CParamModifier::Create(drawable->GetParamModifiers()) : nullptr;
}

void CDrawableObject::AdjustProperties() {
  if (!modifier_) return;
  Engine* engine = hgeCreate(ENGINE_VERSION);
  modifier_->Update(engine->GetDelta());
  engine->Release();
  const float dx = modifier_->GetValue(GF::IParamModifier::kOffsetX);
  const float dy = modifier_->GetValue(GF::IParamModifier::kOffsetY);
  if (dx == 0.0f && dy == 0.0f) return;
  properties_.x += dx;
  properties_.y += dy;
  properties_.changed |= GF::CObjectProperties::kChangedPosition;
}

}  // namespace GF::HGENS
