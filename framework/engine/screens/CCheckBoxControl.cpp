#include "framework/engine/screens/CCheckBoxControl.h"

#include <string>

namespace GF::HGENS {

CCheckBoxControl::~CCheckBoxControl() {
  checkedChangedEvent.Clear();
}

void CCheckBoxControl::OnOver(THolder<CBaseControl> control) {
  CBaseControl::OnOver(control);
  UpdateLook();
}

void CCheckBoxControl::OnLeave(THolder<CBaseControl> control) {
  CBaseControl::OnLeave(control);
  UpdateLook();
}

void CCheckBoxControl::OnDown(THolder<CBaseControl> control, const TPoint<int>& point,
                              int buttons) {
  CBaseControl::OnDown(control, point, buttons);
}

void CCheckBoxControl::OnClick(THolder<CBaseControl> control, const TPoint<int>& point,
                               int buttons) {
  m_checked = !m_checked;
  UpdateLook();
  OnCheckChanged(THolder<CBaseControl>(this));
  CBaseControl::OnClick(control, point, buttons);
}

void CCheckBoxControl::UpdateLook() {
  std::string look = !IsEnabled() ? "_disabled_" : (IsHover() ? "_over_" : "_");
  look += m_checked ? "checked" : "unchecked";
  PlayLook(look.c_str());
}

void CCheckBoxControl::OnCheckChanged(THolder<CBaseControl> control) {
  checkedChangedEvent.Fire(control);
}

void CCheckBoxControl::SetChecked(bool checked) {
  if (checked == m_checked) return;
  m_checked = checked;
  UpdateLook();
}

}  // namespace GF::HGENS
