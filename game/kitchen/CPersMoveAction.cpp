#include "game/kitchen/CPersMoveAction.h"

#include <utility>

CPersMoveAction::CPersMoveAction(GF::THolder<CPers> cook, float a, float b)
    : m_targetA(static_cast<int>(a)), m_targetB(static_cast<int>(b)), m_cook(std::move(cook)) {}

void CPersMoveAction::Start() {
  if (m_cook) m_cook->MoveTo(static_cast<float>(m_targetA), static_cast<float>(m_targetB));
}

void CPersMoveAction::Update(const float&) {
  if (!m_cook || m_cook->IsIdle() || m_cook->GetState() == CPers::kHide) m_done = true;
}

CActionBase::Holder MakePersMoveAction(GF::THolder<CPers> cook, float a, float b) {
  return CActionBase::Holder(new CPersMoveAction(std::move(cook), a, b));
}
