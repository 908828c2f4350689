#include "game/kitchen/CExecuteAction.h"

CExecuteAction::CExecuteAction(const Delegate& delegate) {
  if (delegate) m_event.Subscribe(delegate);
}

void CExecuteAction::Start() {
  m_event.Fire();
  m_done = true;
}

CActionBase::Holder MakeExecuteAction(const CExecuteAction::Delegate& delegate) {
  return CActionBase::Holder(new CExecuteAction(delegate));
}
