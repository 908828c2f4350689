#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/engine/app/IScreen.h"
#include "framework/engine/screens/CBaseState.h"

namespace GF::HGENS {

// The base of every menu control: a name, a rectangle in screen pixels, visible and enabled
// flags, its events and one state object. The state polls the mouse every frame (GF::CMouse
// and Engine::GetKeyState) and moves the control between init, out, over, down and disabled,
// firing the events on the way. Input is polled, never pushed.
class CBaseControl : public CRefCount {
 public:
  using State = CBaseState<CBaseControl>;
  using ControlEvent = TEventList<THolder<CBaseControl>>;
  using ResetEvent = TEventList<THolder<CBaseControl>, THolder<IScreen>>;
  // The control, the cursor (whole logical pixels) and the button mask of GetMouseButtons.
  using PointerEvent = TEventList<THolder<CBaseControl>, const TPoint<int>&, int>;

  // State ids.
  enum : int { kOut = 1, kOver = 2, kDown = 3, kDisabled = 4, kInit = 5 };
  // Bits of GetMouseButtons; only the left button drives the states.
  enum : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

  CBaseControl() = default;
  CBaseControl(const CBaseControl&) = delete;
  CBaseControl& operator=(const CBaseControl&) = delete;

  // The state's update (none before Reset); dt in milliseconds. Always true.
  virtual bool Update(const float& dt);
  virtual void OnDestroy(THolder<CBaseControl> control);
  // Takes the name and clears the hover flag; derived controls build themselves from the
  // screen's layout here.
  virtual void Create(const std::string& name, THolder<IScreen> screen);
  // Called by the screen when it is destroyed.
  virtual void Destroy();
  // Update while visible; an invisible control keeps its state for when it shows again.
  virtual bool UpdateIfVisible(const float& dt);
  // Puts the control in its starting state (out, firing leave once), then fires the reset
  // event. The screen calls it right after Create.
  virtual void Reset(THolder<CBaseControl> control, THolder<IScreen> screen);
  virtual void OnOver(THolder<CBaseControl> control);
  virtual void OnLeave(THolder<CBaseControl> control);
  virtual void OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons);
  virtual void OnUp(THolder<CBaseControl> control, const TPoint<int>& point, int buttons);
  virtual void OnClick(THolder<CBaseControl> control, const TPoint<int>& point, int buttons);
  virtual void OnVisibleChanged(THolder<CBaseControl> control);
  virtual void OnEnabledChanged(THolder<CBaseControl> control);
  // Recomputes the rectangle from the control's graphics; nothing to do here.
  virtual void UpdateRect() {}

  // Enters the state and keeps it when its OnEnter agrees; the old state is dropped.
  bool SetState(THolder<State> state);
  // The control's own instance of state S (a state class with its kId), made at its first
  // entry and entered again after that: the cursor moving over and off a control, every
  // few frames, allocates nothing. Each state sets all it keeps in OnEnter.
  template <class S>
  THolder<State> StateOf() {
    THolder<State>& slot = m_states[S::kId];
    if (!slot) slot = MakeHolder<S>();
    return slot;
  }
  void SetVisible(bool visible);
  // Enabling restarts from the init state; disabling parks the control in the disabled one.
  void SetEnabled(bool enabled);
  // Both edges of the rectangle belong to it.
  bool IsMouseOver() const;
  static int GetMouseButtons();
  static TPoint<int> GetMousePoint();

  const std::string& GetName() const { return m_name; }
  bool IsHover() const { return m_hover; }
  bool IsVisible() const { return m_visible; }
  bool IsEnabled() const { return m_enabled; }
  int GetTag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }
  // The current state's id; 0 before Reset.
  int GetStateId() const { return m_state ? m_state->GetId() : 0; }
  int GetLeft() const { return m_left; }
  int GetTop() const { return m_top; }
  int GetRight() const { return m_right; }
  int GetBottom() const { return m_bottom; }
  void SetRect(int left, int top, int right, int bottom);

  // Subscribers add and remove their delegates directly.
  ResetEvent resetEvent;
  ControlEvent destroyEvent;
  ControlEvent overEvent;
  ControlEvent leaveEvent;
  PointerEvent downEvent;
  PointerEvent upEvent;
  PointerEvent clickEvent;
  ControlEvent visibleChangedEvent;
  ControlEvent enabledChangedEvent;

 protected:
  bool m_hover = false;
  std::string m_name;
  int m_left = 0;
  int m_top = 0;
  int m_right = 0;
  int m_bottom = 0;

 private:
  int m_tag = 0;
  THolder<State> m_state;
  THolder<State> m_states[kInit + 1];  // by state id
  bool m_visible = true;
  bool m_enabled = true;
};

}  // namespace GF::HGENS
