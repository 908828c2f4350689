#include "framework/engine/screens/CBaseControlInitState.h"

#include "framework/engine/screens/CBaseControlOverState.h"

namespace GF::HGENS {

bool CBaseControlInitState::Update(const float&) {
  CBaseControl* control = GetOwner();
  if (!control->IsMouseOver()) return true;
  control->SetState(control->StateOf<CBaseControlOverState>());
  return false;
}

}  // namespace GF::HGENS
