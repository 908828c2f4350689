#include "framework/engine/screens/CBaseControlOutState.h"

#include "framework/engine/screens/CBaseControlOverState.h"

namespace GF::HGENS {

bool CBaseControlOutState::OnEnter(CBaseControl* control) {
  CBaseState::OnEnter(control);
  control->OnLeave(THolder<CBaseControl>(control));
  return true;
}

bool CBaseControlOutState::Update(const float&) {
  CBaseControl* control = GetOwner();
  if (!control->IsMouseOver()) return true;
  control->SetState(control->StateOf<CBaseControlOverState>());
  return false;
}

}  // namespace GF::HGENS
