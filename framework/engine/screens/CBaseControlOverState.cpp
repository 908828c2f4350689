#include "framework/engine/screens/CBaseControlOverState.h"

#include "framework/engine/screens/CBaseControlDownState.h"
#include "framework/engine/screens/CBaseControlOutState.h"

namespace GF::HGENS {

bool CBaseControlOverState::OnEnter(CBaseControl* control) {
  CBaseState::OnEnter(control);
  control->OnOver(THolder<CBaseControl>(control));
  m_held = (CBaseControl::GetMouseButtons() & CBaseControl::kLeftButton) != 0;
  return true;
}

bool CBaseControlOverState::Update(const float&) {
  CBaseControl* control = GetOwner();
  const int buttons = CBaseControl::GetMouseButtons();
  const bool leftDown = (buttons & CBaseControl::kLeftButton) != 0;
  m_held = m_held && leftDown;
  if (!control->IsMouseOver()) {
    control->SetState(control->StateOf<CBaseControlOutState>());
    return false;
  }
  if (m_held || !leftDown) return true;
  m_held = true;
  control->OnDown(THolder<CBaseControl>(control), CBaseControl::GetMousePoint(), buttons);
  control->SetState(control->StateOf<CBaseControlDownState>());
  return false;
}

}  // namespace GF::HGENS
