#include "game/kitchen/CWaitPersAction.h"

#include <utility>

CWaitPersAction::CWaitPersAction(float ms, GF::THolder<CPers> cook, int state)
    : CWaitAction(ms), m_cook(std::move(cook)), m_state(state) {}

void CWaitPersAction::Start() {
  if (m_state != -1 && m_cook && m_cook->GetState() != CPers::kWork) m_cook->Hold(m_state);
}

void CWaitPersAction::Update(const float& dt) {
  CWaitAction::Update(dt);
  if (m_done && m_cook && m_state != -1) m_cook->OnArrived();
}

CActionBase::Holder MakeWaitPersAction(float ms, GF::THolder<CPers> cook, int state) {
  return CActionBase::Holder(new CWaitPersAction(ms, std::move(cook), state));
}
