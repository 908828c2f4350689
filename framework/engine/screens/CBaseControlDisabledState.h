#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// A disabled control: nothing happens until SetEnabled(true).
class CBaseControlDisabledState : public CBaseControl::State {
 public:
  static constexpr int kId = CBaseControl::kDisabled;

  CBaseControlDisabledState() : CBaseState(kId) {}

  bool Update(const float&) override { return true; }
};

}  // namespace GF::HGENS
