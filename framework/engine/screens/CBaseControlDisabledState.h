#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// A disabled control: nothing happens until SetEnabled(true).
class CBaseControlDisabledState : public CBaseControl::State {
 public:
  CBaseControlDisabledState() : CBaseState(CBaseControl::kDisabled) {}

  bool Update(const float&) override { return true; }
};

}  // namespace GF::HGENS
