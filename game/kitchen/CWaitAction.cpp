#include "game/kitchen/CWaitAction.h"

void CWaitAction::Update(const float& dt) {
  m_remaining -= dt;
  if (m_remaining <= 0.0f) m_done = true;
}

CActionBase::Holder MakeWaitAction(float ms) {
  return CActionBase::Holder(new CWaitAction(ms));
}
