#include "framework/engine/screens/CBaseControl.h"

#include "framework/engine/app/Services.h"
#include "framework/engine/screens/CBaseControlDisabledState.h"
#include "framework/engine/screens/CBaseControlInitState.h"
#include "framework/engine/screens/CBaseControlOutState.h"
#include "platform/Engine.h"

namespace GF::HGENS {

bool CBaseControl::Update(const float& dt) {
  if (!m_state) return true;
  // A state replaces itself in its own update; both it and the control live through it.
  const THolder<CBaseControl> self(this);
  const THolder<State> state = m_state;
  state->Update(dt);
  return true;
}

void CBaseControl::OnDestroy(THolder<CBaseControl> control) {
  destroyEvent.Fire(control);
}

void CBaseControl::Create(const std::string& name, THolder<IScreen>) {
  m_name = name;
  m_hover = false;
}

void CBaseControl::Destroy() {
  OnDestroy(THolder<CBaseControl>(this));
}

bool CBaseControl::UpdateIfVisible(const float& dt) {
  if (m_visible) Update(dt);
  return true;
}

void CBaseControl::Reset(THolder<CBaseControl> control, THolder<IScreen> screen) {
  SetState(StateOf<CBaseControlOutState>());
  resetEvent.Fire(control, screen);
}

void CBaseControl::OnOver(THolder<CBaseControl> control) {
  m_hover = true;
  overEvent.Fire(control);
}

void CBaseControl::OnLeave(THolder<CBaseControl> control) {
  m_hover = false;
  leaveEvent.Fire(control);
}

void CBaseControl::OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  downEvent.Fire(control, point, buttons);
}

void CBaseControl::OnUp(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  upEvent.Fire(control, point, buttons);
}

void CBaseControl::OnClick(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  clickEvent.Fire(control, point, buttons);
}

void CBaseControl::OnVisibleChanged(THolder<CBaseControl> control) {
  visibleChangedEvent.Fire(control);
}

void CBaseControl::OnEnabledChanged(THolder<CBaseControl> control) {
  enabledChangedEvent.Fire(control);
}

bool CBaseControl::SetState(THolder<State> state) {
  if (!state->OnEnter(this)) return false;
  m_state = std::move(state);
  return true;
}

void CBaseControl::SetVisible(bool visible) {
  if (visible == m_visible) return;
  m_visible = visible;
  OnVisibleChanged(THolder<CBaseControl>(this));
}

void CBaseControl::SetEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  OnEnabledChanged(THolder<CBaseControl>(this));
  if (enabled) {
    SetState(StateOf<CBaseControlInitState>());
  } else {
    SetState(StateOf<CBaseControlDisabledState>());
  }
}

bool CBaseControl::IsMouseOver() const {
  const CMouse& mouse = *GetMouse();
  return mouse.x >= m_left && mouse.x <= m_right && mouse.y >= m_top && mouse.y <= m_bottom;
}

int CBaseControl::GetMouseButtons() {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  int buttons = 0;
  if (engine->GetKeyState(KEY_LBUTTON)) buttons |= kLeftButton;
  if (engine->GetKeyState(KEY_RBUTTON)) buttons |= kRightButton;
  if (engine->GetKeyState(KEY_MBUTTON)) buttons |= kMiddleButton;
  engine->Release();
  return buttons;
}

TPoint<int> CBaseControl::GetMousePoint() {
  const CMouse& mouse = *GetMouse();
  return {mouse.x, mouse.y};
}

void CBaseControl::SetRect(int left, int top, int right, int bottom) {
  m_left = left;
  m_top = top;
  m_right = right;
  m_bottom = bottom;
}

}  // namespace GF::HGENS
