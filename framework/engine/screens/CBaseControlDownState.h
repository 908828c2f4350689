#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// The left button was pressed on the control; releasing it inside clicks.
class CBaseControlDownState : public CBaseControl::State {
 public:
  static constexpr int kId = CBaseControl::kDown;

  CBaseControlDownState() : CBaseState(kId) {}

  bool Update(const float& dt) override;
};

}  // namespace GF::HGENS
