#include "framework/engine/resources/CAnimationData.h"

#include "framework/core/CAnimationObject.h"

namespace GF::HGENS {

GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation> CAnimationData::CreateObject() {
  auto* node = new GF::CAnimationObject();
  GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation> animation(node);
  node->SetAnimationData(GF::THolder<GF::IAnimationData>(this));
  return animation;
}

GF::THolder<GF::INamedPart> CAnimationData::GetNamedPart(const std::string& name) const {
  for (const auto& part : m_parts) {
    if (part->GetName() == name) return part;
  }
  return {};
}

GF::THolder<GF::IObjectData> CAnimationData::GetObjectData(int index) const {
  if (index < 0 || index >= GetObjectDataCount()) return {};
  return m_objects[index];
}

void CAnimationData::AddNamedPart(const std::string& name, float x, float y, int value) {
  m_parts.push_back(GF::MakeHolder<CNamedPart>(name, x, y, value));
}

}  // namespace GF::HGENS
