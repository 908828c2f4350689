#include "framework/engine/screens/CBaseControlDownState.h"

#include "framework/engine/screens/CBaseControlOutState.h"
#include "framework/engine/screens/CBaseControlOverState.h"

namespace GF::HGENS {

bool CBaseControlDownState::Update(const float&) {
  CBaseControl* control = GetOwner();
  if (!control->IsMouseOver()) {
    control->SetState(control->StateOf<CBaseControlOutState>());
    return false;
  }
  const int buttons = CBaseControl::GetMouseButtons();
  if (buttons & CBaseControl::kLeftButton) return true;
  const THolder<CBaseControl> self(control);
  const TPoint<int> point = CBaseControl::GetMousePoint();
  control->OnUp(self, point, buttons);
  control->OnClick(self, point, buttons);
  // A click handler that disabled the control has already parked it.
  if (control->IsEnabled()) control->SetState(control->StateOf<CBaseControlOverState>());
  return false;
}

}  // namespace GF::HGENS
