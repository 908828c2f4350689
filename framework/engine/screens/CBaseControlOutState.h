#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// The cursor is outside the control; entering it fires the leave event.
class CBaseControlOutState : public CBaseControl::State {
 public:
  static constexpr int kId = CBaseControl::kOut;

  CBaseControlOutState() : CBaseState(kId) {}

  bool OnEnter(CBaseControl* control) override;
  bool Update(const float& dt) override;
};

}  // namespace GF::HGENS
