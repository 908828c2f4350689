#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// The starting state after Reset or SetEnabled(true): waits for the cursor to come in.
class CBaseControlInitState : public CBaseControl::State {
 public:
  static constexpr int kId = CBaseControl::kInit;

  CBaseControlInitState() : CBaseState(kId) {}

  bool Update(const float& dt) override;
};

}  // namespace GF::HGENS
