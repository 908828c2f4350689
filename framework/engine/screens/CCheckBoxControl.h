#pragma once

#include "framework/engine/screens/CButtonControl.h"

namespace GF::HGENS {

// A button that toggles its checked flag on every click. Its six looks join a prefix
// ("_disabled_", "_over_" or "_") and "checked" or "unchecked".
class CCheckBoxControl : public CButtonControl {
 public:
  ~CCheckBoxControl() override;

  void OnOver(THolder<CBaseControl> control) override;
  void OnLeave(THolder<CBaseControl> control) override;
  void OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  // Toggles, shows the new look and fires checked-changed before the click event.
  void OnClick(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void UpdateLook() override;
  virtual void OnCheckChanged(THolder<CBaseControl> control);

  bool IsChecked() const { return m_checked; }
  // Sets the flag without an event (the screen's initial state); a change shows its look.
  void SetChecked(bool checked);

  ControlEvent checkedChangedEvent;

 private:
  bool m_checked = true;
};

}  // namespace GF::HGENS
