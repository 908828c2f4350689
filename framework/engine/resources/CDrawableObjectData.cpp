#include "framework/engine/resources/CDrawableObjectData.h"

namespace GF::HGENS {

GF::THolder<GF::ISubstAnimationDescription> CDrawableObjectData::GetSubstAnimation(
    int index) const {
  if (index < 0 || index >= GetSubstAnimationCount()) return {};
  return m_subst[index];
}

void CDrawableObjectData::AddSubstAnimation(const std::string& first, const std::string& second) {
  m_subst.push_back(GF::MakeHolder<CSubstAnimationDescription>(first, second));
}

}  // namespace GF::HGENS
