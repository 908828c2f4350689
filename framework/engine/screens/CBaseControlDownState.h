#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// The left button was pressed on the control; releasing it inside clicks.
class CBaseControlDownState : public CBaseControl::State {
 public:
  CBaseControlDownState() : CBaseState(CBaseControl::kDown) {}

  bool Update(const float& dt) override;
};

}  // namespace GF::HGENS
