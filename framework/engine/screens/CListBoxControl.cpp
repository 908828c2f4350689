#include "framework/engine/screens/CListBoxControl.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CScreenAbstract.h"
#include "framework/engine/screens/ControlParts.h"

namespace GF::HGENS {

CListBoxControl::~CListBoxControl() {
  selectionChangedEvent.Clear();
  scrollEvent.Clear();
  listChangedEvent.Clear();
  m_rows.clear();
  m_items.clear();
  m_slider.Reset();
}

void CListBoxControl::Create(const std::string& name, THolder<IScreen> screen) {
  CButtonControl::Create(name, std::move(screen));
  if (const IAnimation::AnimationPtr animation = GetAnimation()) {
    for (int n = 1;; ++n) {
      IAnimation::AnimationPtr row = FindSubstitutedPart(*animation, "_text_" + std::to_string(n));
      if (!row) break;
      row->Play("_unselected", 0, false);
      row->SetShown(false);
      m_rows.push_back(std::move(row));
    }
  }
  m_firstRow = 0;
  m_selected = 0;
  if (!m_rows.empty()) m_rows.front()->Play("_selected", 0, false);
}

int CListBoxControl::SliderValueForFirstRow() const {
  return Overflow() > 0 ? m_firstRow * 100 / Overflow() : 0;
}

void CListBoxControl::SetSlider(bool on, THolder<IScreen> screen) {
  if (on == static_cast<bool>(m_slider)) return;
  if (!on) {
    m_slider->Destroy();
    m_slider.Reset();
    return;
  }
  auto* owner = dynamic_cast<CScreenAbstract*>(screen.Get());
  if (!owner) return;
  m_slider = owner->CreateSlider(m_name + "_slider", SliderValueForFirstRow(), 0, 100, false);
  if (!m_slider) return;
  m_slider->valueChangedEvent.Subscribe(MakeDelegate(this, &CListBoxControl::OnSliderChanged));
  ShowOrHideSlider();
}

void CListBoxControl::ShowOrHideSlider() {
  if (!m_slider) return;
  if (IsVisible() && Overflow() > 0) {
    m_slider->SetVisible(true);
    SyncSlider();
  } else if (m_slider->IsVisible()) {
    m_slider->SetVisible(false);
  }
}

void CListBoxControl::SyncSlider() {
  m_syncingSlider = true;
  m_slider->SetValue(SliderValueForFirstRow(), false);
  m_syncingSlider = false;
}

int CListBoxControl::GetScrollRow() const {
  if (!m_slider || !m_slider->IsVisible() || m_items.empty()) return 0;
  return std::max(0, Overflow() * m_slider->GetValue() / 100);
}

void CListBoxControl::RefreshRows() {
  for (int r = 0; r < GetRowCount(); ++r) {
    IAnimation& row = *m_rows[static_cast<std::size_t>(r)];
    const int i = m_firstRow + r;
    if (i < GetItemCount()) {
      wchar_t number[15];
      std::swprintf(number, 15, L"%2d. ", i + 1);
      row.SetText("_text", number + m_items[static_cast<std::size_t>(i)]);
      row.SetShown(true);
    } else {
      row.SetShown(false);
    }
  }
}

void CListBoxControl::Highlight(int index) {
  if (m_highlightedRow >= 0 && m_highlightedRow < GetRowCount())
    m_rows[static_cast<std::size_t>(m_highlightedRow)]->Play("_unselected", 0, false);
  m_selected = index;
  const int r = index - m_firstRow;
  if (r >= 0 && r < GetRowCount()) m_rows[static_cast<std::size_t>(r)]->Play("_selected", 0, false);
  m_highlightedRow = m_selected - m_firstRow;
}

void CListBoxControl::AddItem(const std::wstring& text) {
  m_items.push_back(text);
  if (GetItemCount() <= m_firstRow + GetRowCount()) RefreshRows();
  ShowOrHideSlider();
  OnListChanged(THolder<CBaseControl>(this));
}

void CListBoxControl::Clear() {
  m_items.clear();
  m_firstRow = 0;
  RefreshRows();
  ShowOrHideSlider();
  m_selected = 0;
  OnListChanged(THolder<CBaseControl>(this));
}

void CListBoxControl::Select(int index) {
  if (index == m_selected || index < 0 || index >= GetItemCount()) return;
  const int rows = GetRowCount();
  // Without rows there is no window to page; the selection still moves.
  int firstRow = rows > 0 ? index / rows * rows : m_firstRow;
  if (rows > 0 && Overflow() >= 0 && firstRow > Overflow()) firstRow = Overflow();
  if (firstRow != m_firstRow) {
    m_firstRow = firstRow;
    RefreshRows();
    if (m_slider) SyncSlider();
  }
  Highlight(index);
  OnSelectionChanged(THolder<CBaseControl>(this));
}

int CListBoxControl::FindItem(const std::wstring& text) const {
  const auto it = std::find(m_items.begin(), m_items.end(), text);
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void CListBoxControl::OnClick(THolder<CBaseControl> control, const TPoint<int>& point,
                              int buttons) {
  if (m_rowHeight > 0) {
    const int index = (point.y - m_top) / m_rowHeight + m_firstRow;
    if (index < GetItemCount() && index != m_selected) {
      Highlight(index);
      OnSelectionChanged(THolder<CBaseControl>(this));
    }
  }
  CButtonControl::OnClick(std::move(control), point, buttons);
}

void CListBoxControl::OnSliderChanged(THolder<CBaseControl> control) {
  if (m_syncingSlider) return;
  const int row = GetScrollRow();
  if (row == m_firstRow) return;
  m_firstRow = row;
  RefreshRows();
  Highlight(m_selected);
  scrollEvent.Fire(std::move(control));
}

void CListBoxControl::OnOver(THolder<CBaseControl> control) {
  CBaseControl::OnOver(std::move(control));
}

void CListBoxControl::OnLeave(THolder<CBaseControl> control) {
  CBaseControl::OnLeave(std::move(control));
}

void CListBoxControl::OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  CBaseControl::OnDown(std::move(control), point, buttons);
}

void CListBoxControl::OnVisibleChanged(THolder<CBaseControl> control) {
  ShowOrHideSlider();
  CButtonControl::OnVisibleChanged(std::move(control));
}

void CListBoxControl::OnEnabledChanged(THolder<CBaseControl> control) {
  if (m_slider) m_slider->SetEnabled(IsEnabled());
  CButtonControl::OnEnabledChanged(std::move(control));
}

void CListBoxControl::UpdateRect() {
  CButtonControl::UpdateRect();
  m_rowHeight = m_rows.empty() ? 0 : (m_bottom - m_top) / GetRowCount();
}

void CListBoxControl::UpdateLook() {
  PlayLook(IsEnabled() ? "_enabled" : "_disabled");
}

void CListBoxControl::OnSelectionChanged(THolder<CBaseControl> control) {
  selectionChangedEvent.Fire(std::move(control));
}

void CListBoxControl::OnListChanged(THolder<CBaseControl> control) {
  listChangedEvent.Fire(std::move(control));
  if (m_slider) m_slider->SetStep(100 / std::max(1, Overflow()));
}

}  // namespace GF::HGENS
