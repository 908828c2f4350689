#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/engine/scene/IFont.h"
#include "framework/engine/screens/CButtonControl.h"

namespace GF::HGENS {

// The one-line text entry of the menus: a button whose "_text" part shows the typed text and
// whose "_item_cursor" part marks the insertion point. Characters come from the game
// manager's CharInput event; the cursor keys, Delete and Backspace are read from the engine
// once per frame while focused. A filter and a maximum length limit what may be typed, and
// the text never grows wider than the control's rectangle.
class CEditControl : public CButtonControl {
 public:
  CEditControl() = default;
  ~CEditControl() override;

  void OnDestroy(THolder<CBaseControl> control) override;
  void Create(const std::string& name, THolder<IScreen> screen) override;
  bool UpdateIfVisible(const float& dt) override;
  void OnOver(THolder<CBaseControl> control) override;
  void OnLeave(THolder<CBaseControl> control) override;
  void OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnClick(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnVisibleChanged(THolder<CBaseControl> control) override;
  void OnEnabledChanged(THolder<CBaseControl> control) override;
  void UpdateLook() override;
  // Keeps the characters that pass the filter, the width and the maximum length.
  void SetText(const std::wstring& text) override;
  const std::wstring* GetText() const override { return &m_text; }

  virtual void OnTextChanged(THolder<CBaseControl> control);
  // Fires the second event; the control itself never calls it.
  virtual void FireEditEvent(THolder<CBaseControl> control);
  // One typed UTF-16 unit.
  virtual void OnChar(wchar_t ch);

  // "*" (or empty) allows everything, "$" letters, "#" digits; else the listed characters.
  void SetAllowedCharacters(const std::wstring& allowed) { m_allowed = allowed; }
  // A negative length is unlimited.
  void SetMaxLength(int length) { m_maxLength = length; }
  int GetMaxLength() const { return m_maxLength; }
  // A focused control that keeps its focus when the player clicks elsewhere.
  void SetKeepFocus(bool keep) { m_keepFocus = keep; }
  bool IsFocused() const { return m_focused; }
  int GetCursorPosition() const { return m_cursorPosition; }
  // Where the cursor part stands now, in screen pixels; (0, 0) without one.
  TPoint<int> GetCursorPoint() const {
    if (!m_cursor) return {};
    const TPoint<float> at = m_cursor->GetPosition();
    return {static_cast<int>(at.x), static_cast<int>(at.y)};
  }
  const std::wstring& Text() const { return m_text; }

  TEventList<THolder<CBaseControl>> textChangedEvent;
  TEventList<THolder<CBaseControl>> editEvent;

 private:
  int CharWidth(wchar_t ch) const;
  bool IsAllowed(wchar_t ch) const;
  bool Fits(wchar_t ch) const;
  bool HasRoom() const { return m_maxLength < 0 || static_cast<int>(m_text.size()) < m_maxLength; }
  void ShowText();
  void PlaceCursor();
  // Takes the focus: the cursor before the first character, shown.
  void Focus();
  void HideCursor();
  void OnKey(int key);
  void Unsubscribe();

  std::wstring m_text;
  std::wstring m_allowed = L"*";
  int m_cursorPosition = 0;
  bool m_focused = false;
  bool m_cursorEnabled = true;
  int m_maxLength = -1;
  IAnimation::AnimationPtr m_cursor;
  // In the cursor's host's frame.
  int m_cursorX = 0;
  int m_cursorY = 0;
  int m_cursorHomeX = 0;
  int m_cursorHomeY = 0;
  THolder<IFont> m_font;
  bool m_keepFocus = false;
  int m_alignment = 0;
  bool m_subscribed = false;
};

}  // namespace GF::HGENS
