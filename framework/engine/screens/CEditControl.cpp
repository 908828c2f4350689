#include "framework/engine/screens/CEditControl.h"

#include <cwctype>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"
#include "platform/Engine.h"

namespace GF::HGENS {

CEditControl::~CEditControl() {
  // A control dropped without Destroy must not leave its delegate behind in the manager.
  Unsubscribe();
}

void CEditControl::OnDestroy(THolder<CBaseControl> control) {
  if (m_cursor) m_cursor->Detach();
  Unsubscribe();
  CButtonControl::OnDestroy(std::move(control));
}

void CEditControl::Unsubscribe() {
  if (!m_subscribed) return;
  m_subscribed = false;
  if (HasGameManager())
    GetGameManager()->CharInputEvent().RemoveDelegate(MakeDelegate(this, &CEditControl::OnChar));
}

void CEditControl::Create(const std::string& name, THolder<IScreen> screen) {
  CButtonControl::Create(name, std::move(screen));
  if (const IAnimation::AnimationPtr animation = GetAnimation()) {
    m_cursor = FindSubstitutedPart(*animation, "_item_cursor");
    FindTextFont(*animation, "_text", m_font, m_alignment);
  }
  if (m_cursor) {
    m_cursorPosition = 0;
    // The cursor is placed in its host's frame, which moves with the layout: the layout
    // is not yet where it will stand while its controls are made.
    const CObjectProperties& home = m_cursor->GetLocalProperties();
    m_cursorHomeX = m_cursorX = static_cast<int>(home.x);
    m_cursorHomeY = m_cursorY = static_cast<int>(home.y);
    m_focused = false;
    m_cursor->Play("all", 0, false);
  }
  if (!m_font || !m_cursor) m_cursorEnabled = false;
  Focus();
  ShowText();
  GetGameManager()->CharInputEvent().Subscribe(MakeDelegate(this, &CEditControl::OnChar));
  m_subscribed = true;
}

void CEditControl::Focus() {
  m_focused = true;
  m_cursorPosition = 0;
  if (!m_cursorEnabled) return;
  PlaceCursor();
  m_cursor->SetShown(true);
  m_cursor->RefreshProperties();
}

void CEditControl::HideCursor() {
  if (m_cursorEnabled && m_cursor) m_cursor->SetShown(false);
}

bool CEditControl::UpdateIfVisible(const float& dt) {
  if (!IsVisible()) return true;
  if (!m_keepFocus && !m_hover && m_focused && (GetMouseButtons() & kLeftButton)) {
    m_focused = false;
    HideCursor();
  }
  if (m_focused) {
    Engine* engine = hgeCreate(ENGINE_VERSION);
    const int key = engine->GetKey();
    engine->Release();
    if (key) OnKey(key);
  }
  return CButtonControl::Update(dt);
}

void CEditControl::OnKey(int key) {
  const int length = static_cast<int>(m_text.size());
  switch (key) {
    case KEY_LEFT:
    case KEY_RIGHT:
    case KEY_HOME:
    case KEY_END:
      if (key == KEY_LEFT && m_cursorPosition >= 1) --m_cursorPosition;
      if (key == KEY_RIGHT && m_cursorPosition < length) ++m_cursorPosition;
      if (key == KEY_HOME) m_cursorPosition = 0;
      if (key == KEY_END) m_cursorPosition = length;
      if (m_cursorEnabled) PlaceCursor();
      return;
    case KEY_DELETE:
    case KEY_BACKSPACE: {
      const int index = key == KEY_DELETE ? m_cursorPosition : m_cursorPosition - 1;
      if (index < 0 || index >= length) return;
      m_text.erase(static_cast<std::size_t>(index), 1);
      ShowText();
      if (key == KEY_BACKSPACE) {
        --m_cursorPosition;
        if (m_cursorEnabled) PlaceCursor();
      }
      return;
    }
    default:
      return;
  }
}

void CEditControl::OnChar(wchar_t ch) {
  if (!m_focused) return;
  // A capitals-only font still takes lower-case typing.
  if (CharWidth(ch) <= 0) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
  if (!IsAllowed(ch) || !Fits(ch) || !HasRoom()) return;
  m_text.insert(static_cast<std::size_t>(m_cursorPosition), 1, ch);
  ShowText();
  if (m_cursorPosition < static_cast<int>(m_text.size())) ++m_cursorPosition;
  if (m_cursorEnabled) PlaceCursor();
}

void CEditControl::SetText(const std::wstring& text) {
  m_text.clear();
  for (const wchar_t ch : text) {
    if (!HasRoom()) break;
    if (IsAllowed(ch) && Fits(ch)) m_text.push_back(ch);
  }
  ShowText();
  if (!m_focused) return;
  m_cursorPosition = 0;
  if (m_cursorEnabled) PlaceCursor();
}

int CEditControl::CharWidth(wchar_t ch) const {
  if (!m_font) return 0;
  const wchar_t single[2] = {ch, L'\0'};
  return static_cast<int>(m_font->GetLineWidth(single));
}

bool CEditControl::IsAllowed(wchar_t ch) const {
  if (m_allowed.empty() || m_allowed.find(L'*') != std::wstring::npos) return true;
  if (m_allowed.find(L'$') != std::wstring::npos)
    return ch < 256 && std::iswalpha(static_cast<wint_t>(ch));
  if (m_allowed.find(L'#') != std::wstring::npos) return ch >= L'0' && ch <= L'9';
  return m_allowed.find(ch) != std::wstring::npos;
}

bool CEditControl::Fits(wchar_t ch) const {
  if (!m_font) return false;
  const int width = CharWidth(ch);
  if (width <= 0) return false;
  return static_cast<int>(m_font->GetLineWidth(m_text.c_str())) + width < m_right - m_left;
}

void CEditControl::ShowText() {
  const IAnimation::AnimationPtr animation = GetAnimation();
  if (!animation) return;
  animation->SetText("_text", m_text.empty() ? std::wstring(L" ") : m_text);
  OnTextChanged(THolder<CBaseControl>(this));
}

void CEditControl::PlaceCursor() {
  if (!m_cursor) return;
  int prefix = 0;
  int total = 0;
  for (int i = 0; i < static_cast<int>(m_text.size()); ++i) {
    const int width = CharWidth(m_text[static_cast<std::size_t>(i)]);
    if (i < m_cursorPosition) prefix += width;
    total += width;
  }
  m_cursorX = m_cursorHomeX;
  if (m_alignment == IFont::kAlignLeft) m_cursorX += prefix;
  if (m_alignment == IFont::kAlignCenter) m_cursorX += prefix - total / 2;
  if (m_alignment == IFont::kAlignRight) m_cursorX += prefix - total;
  CObjectProperties& local = m_cursor->GetLocalProperties();
  local.x = static_cast<float>(m_cursorX);
  local.y = static_cast<float>(m_cursorY);
  local.changed |= CObjectProperties::kChangedPosition;
  m_cursor->RefreshProperties();
}

void CEditControl::OnOver(THolder<CBaseControl> control) {
  CBaseControl::OnOver(std::move(control));
}

void CEditControl::OnLeave(THolder<CBaseControl> control) {
  CBaseControl::OnLeave(std::move(control));
}

void CEditControl::OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  CBaseControl::OnDown(std::move(control), point, buttons);
}

void CEditControl::OnClick(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  if (!m_focused) Focus();
  CButtonControl::OnClick(std::move(control), point, buttons);
}

void CEditControl::OnVisibleChanged(THolder<CBaseControl> control) {
  if (m_cursor) m_cursor->SetShown(IsVisible());
  CButtonControl::OnVisibleChanged(std::move(control));
}

void CEditControl::OnEnabledChanged(THolder<CBaseControl> control) {
  if (m_focused) {
    m_focused = false;
    HideCursor();
  }
  CButtonControl::OnEnabledChanged(std::move(control));
}

void CEditControl::UpdateLook() {
  PlayLook(IsEnabled() ? "_enabled" : "_disabled");
}

void CEditControl::OnTextChanged(THolder<CBaseControl> control) {
  textChangedEvent.Fire(std::move(control));
}

void CEditControl::FireEditEvent(THolder<CBaseControl> control) {
  editEvent.Fire(std::move(control));
}

}  // namespace GF::HGENS
