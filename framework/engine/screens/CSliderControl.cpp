#include "framework/engine/screens/CSliderControl.h"

#include <algorithm>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"

namespace GF::HGENS {

namespace {

constexpr float kSpeed = 4.0f;

}  // namespace

CSliderControl::~CSliderControl() {
  m_decrease.Reset();
  m_increase.Reset();
  valueChangedEvent.Clear();
}

void CSliderControl::Create(const std::string& name, THolder<IScreen> screen) {
  CButtonControl::Create(name, screen);
  if (screen) {
    m_decrease = MakeStepButton(*screen, name + "_up", &CSliderControl::OnDecreaseClicked);
    m_increase = MakeStepButton(*screen, name + "_down", &CSliderControl::OnIncreaseClicked);
  }
  UpdateStepButtons();
  const AnimationPtr animation = GetAnimation();
  if (!animation) return;
  animation->PlayAndRefresh("all", 0, false);
  m_cursor = FindSubstitutedPart(*animation, "_cursor");
  if (m_cursor) {
    m_cursor->Play("_idle", 0, false);
    MeasureEnds();
    m_trackWidth = m_cursorEnd.x - m_cursorStart.x;
    m_trackHeight = m_cursorEnd.y - m_cursorStart.y;
  }
  animation->SetSpeed(kSpeed);
  m_progress = FindSubstitutedPart(*animation, "_progress");
  if (m_progress) {
    m_progress->Stop();
    m_progress->SetSpeed(kSpeed);
  }
}

THolder<CButtonControl> CSliderControl::MakeStepButton(
    IScreen& screen, const std::string& name,
    void (CSliderControl::*handler)(THolder<CBaseControl>, const TPoint<int>&, int)) {
  if (!LayoutHasPart(screen.GetLayout(), "_item_" + name)) return {};
  THolder<CButtonControl> button = screen.CreateButton(name);
  if (button) button->clickEvent.Subscribe(MakeDelegate(this, handler));
  return button;
}

void CSliderControl::MeasureEnds() {
  const AnimationPtr animation = GetAnimation();
  m_cursorStart = m_cursor->GetPosition();
  animation->ShowFrame(animation->GetEndTime());
  m_cursorEnd = m_cursor->GetPosition();
}

void CSliderControl::SetRange(int minimum, int maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  if (minimum == maximum) ++maximum;
  m_minimum = minimum;
  m_maximum = maximum;
}

float CSliderControl::Fraction(int value) const {
  return static_cast<float>(value - m_minimum) / static_cast<float>(m_maximum - m_minimum);
}

void CSliderControl::SetValue(int value, bool force) {
  m_value = std::clamp(value, m_minimum, m_maximum);
  if (m_measured && !force) {
    if (m_cursor) {
      const float fraction = Fraction(m_value);
      if (m_horizontal)
        m_cursor->SetX(m_trackWidth * fraction + m_cursorStart.x);
      else
        m_cursor->SetY(m_trackHeight * fraction + m_cursorStart.y);
    }
    if (!m_dragging) OnValueChanged(THolder<CBaseControl>(this));
    if (m_progress) ShowValueFrame(*m_progress, m_value);
    return;
  }
  if (const AnimationPtr animation = GetAnimation()) ShowValueFrame(*animation, m_value);
  if (m_progress) ShowValueFrame(*m_progress, m_value);
  UpdateStepButtons();
}

void CSliderControl::ShowValueFrame(IAnimation& animation, int value) {
  animation.Play("all", 0, false);
  animation.ShowFrame((animation.GetEndTime() - animation.GetStartTime()) * Fraction(value));
}

int CSliderControl::ValueFromCursor() const {
  if (!m_cursor) return m_value;
  const TPoint<float> at = m_cursor->GetPosition();
  const float offset = m_horizontal ? at.x - m_cursorStart.x : at.y - m_cursorStart.y;
  const float length =
      m_horizontal ? m_cursorEnd.x - m_cursorStart.x : m_cursorEnd.y - m_cursorStart.y;
  // A track of no length stands for no value in particular.
  if (length == 0.0f) return m_value;
  const float perUnit = length / static_cast<float>(m_maximum - m_minimum);
  return m_minimum + static_cast<int>(offset / perUnit + 0.5f);
}

void CSliderControl::MoveCursorTo(float along) {
  if (!m_cursor) return;
  const float from = m_horizontal ? m_cursorStart.x : m_cursorStart.y;
  const float to = m_horizontal ? m_cursorEnd.x : m_cursorEnd.y;
  along = std::clamp(along, std::min(from, to), std::max(from, to));
  if (m_horizontal)
    m_cursor->SetX(along);
  else
    m_cursor->SetY(along);
}

void CSliderControl::UpdateStepButtons() {
  if (m_decrease) m_decrease->SetEnabled(IsEnabled() && m_value > m_minimum);
  if (m_increase) m_increase->SetEnabled(IsEnabled() && m_value < m_maximum);
}

bool CSliderControl::UpdateIfVisible(const float& dt) {
  if (!IsVisible()) return true;
  if (m_dragging) {
    if (!(GetMouseButtons() & kLeftButton)) {
      if (m_cursor) m_cursor->Play("_idle", 0, false);
      m_dragging = false;
    } else {
      const TPoint<int> mouse = GetMousePoint();
      MoveCursorTo(m_horizontal
                       ? static_cast<float>(mouse.x) - m_dragStartMouse.x + m_dragStartCursor.x
                       : static_cast<float>(mouse.y) - m_dragStartMouse.y + m_dragStartCursor.y);
      SetValue(ValueFromCursor(), false);
      OnValueChanged(THolder<CBaseControl>(this));
    }
  }
  UpdateStepButtons();
  if (!m_measured) {
    m_measured = true;
    if (const AnimationPtr animation = GetAnimation()) {
      animation->SetActive(true);
      animation->PlayAndRefresh("all", 0, false);
      animation->RefreshProperties();
      if (m_cursor) MeasureEnds();
    }
    SetValue(m_value, true);
  }
  return IsVisible() ? CBaseControl::Update(dt) : true;
}

void CSliderControl::OnOver(THolder<CBaseControl> control) {
  CBaseControl::OnOver(std::move(control));
}

void CSliderControl::OnLeave(THolder<CBaseControl> control) {
  CBaseControl::OnLeave(std::move(control));
}

void CSliderControl::OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  if (m_cursor) {
    TRect<int> box;
    m_cursor->GetBoundingRect(box);
    if (point.x >= box.left && point.x <= box.right && point.y >= box.top &&
        point.y <= box.bottom) {
      m_dragging = true;
      m_dragStartMouse = {static_cast<float>(point.x), static_cast<float>(point.y)};
      m_dragStartCursor = m_cursor->GetPosition();
      m_cursor->Play("_down", 0, false);
    } else {
      MoveCursorTo(static_cast<float>(m_horizontal ? point.x : point.y));
      SetValue(ValueFromCursor(), false);
      OnValueChanged(THolder<CBaseControl>(this));
    }
  }
  CBaseControl::OnDown(std::move(control), point, buttons);
}

void CSliderControl::EndDrag() {
  if (!m_dragging) return;
  m_dragging = false;
  OnValueChanged(THolder<CBaseControl>(this));
}

void CSliderControl::OnVisibleChanged(THolder<CBaseControl> control) {
  EndDrag();
  for (const THolder<CButtonControl>& button : {m_decrease, m_increase}) {
    if (!button || button->IsVisible() == IsVisible()) continue;
    button->SetVisible(IsVisible());
  }
  CButtonControl::OnVisibleChanged(std::move(control));
}

void CSliderControl::OnEnabledChanged(THolder<CBaseControl> control) {
  EndDrag();
  UpdateStepButtons();
  ShowEnabledLook();
  CButtonControl::OnEnabledChanged(std::move(control));
}

void CSliderControl::ShowEnabledLook() {
  const AnimationPtr animation = GetAnimation();
  if (!animation) return;
  const THolder<IAnimationData> data = animation->GetAnimationData();
  if (!data) return;
  const auto part = data->GetNamedPart(IsEnabled() ? "_enabled" : "_disabled");
  if (!part) return;
  m_enabledLookTime = part->GetX();
  animation->PlayFrom(m_enabledLookTime);
}

void CSliderControl::OnValueChanged(THolder<CBaseControl> control) {
  valueChangedEvent.Fire(std::move(control));
}

}  // namespace GF::HGENS
