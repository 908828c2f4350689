#pragma once

#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// The cursor is over the control; entering it fires the over event. A left button already
// held when the cursor came in does not press the control: it must be released first.
class CBaseControlOverState : public CBaseControl::State {
 public:
  static constexpr int kId = CBaseControl::kOver;

  CBaseControlOverState() : CBaseState(kId) {}

  bool OnEnter(CBaseControl* control) override;
  bool Update(const float& dt) override;

 private:
  bool m_held = false;
};

}  // namespace GF::HGENS
