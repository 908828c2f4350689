#include "framework/engine/screens/CRadioGroupControl.h"

#include <algorithm>

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TRect.h"
#include "framework/engine/screens/ControlParts.h"

namespace GF::HGENS {

CRadioGroupControl::~CRadioGroupControl() {
  selectionChangedEvent.Clear();
  m_items.clear();
}

void CRadioGroupControl::Create(const std::string& name, THolder<IScreen> screen) {
  CBaseControl::Create(name, screen);
  if (screen && screen->GetLayout()) {
    SetRect(0, 0, 0, 0);
    for (int n = 1;; ++n) {
      const std::string itemName = name + "_radio_" + std::to_string(n);
      if (!LayoutHasPart(screen->GetLayout(), "_item_" + itemName)) break;
      THolder<CCheckBoxControl> item = screen->CreateCheckBox(itemName, false);
      if (!item) break;
      item->SetTag(n - 1);
      item->clickEvent.Subscribe(MakeDelegate(this, &CRadioGroupControl::OnItemClicked));
      AddToRect(*item);
      m_items.push_back(std::move(item));
    }
  }
  m_selected = -1;
}

void CRadioGroupControl::AddToRect(const CBaseControl& item) {
  TRect<int> rect{m_left, m_top, m_right, m_bottom};
  const TRect<int> other{item.GetLeft(), item.GetTop(), item.GetRight(), item.GetBottom()};
  if (other.IsEmpty()) return;
  rect = rect.IsEmpty()
             ? other
             : TRect<int>{std::min(rect.left, other.left), std::min(rect.top, other.top),
                          std::max(rect.right, other.right), std::max(rect.bottom, other.bottom)};
  SetRect(rect.left, rect.top, rect.right, rect.bottom);
}

void CRadioGroupControl::SetChecked(CCheckBoxControl& item, bool checked) {
  item.SetChecked(checked);  // shows the look
  item.OnCheckChanged(THolder<CBaseControl>(&item));
}

void CRadioGroupControl::OnItemClicked(THolder<CBaseControl> control, const TPoint<int>&, int) {
  const int index = control->GetTag();
  if (index < 0 || index >= GetItemCount()) return;
  if (index == m_selected) {
    // The chosen item has just unchecked itself: a radio choice stays made.
    CCheckBoxControl& item = *m_items[static_cast<std::size_t>(index)];
    if (!item.IsChecked()) SetChecked(item, true);
    return;
  }
  if (m_selected != -1 && m_items[static_cast<std::size_t>(m_selected)]->IsChecked())
    SetChecked(*m_items[static_cast<std::size_t>(m_selected)], false);
  m_selected = index;
  OnSelectionChanged(THolder<CBaseControl>(this));
}

void CRadioGroupControl::Select(int index) {
  if (index == m_selected || index < -1 || index >= GetItemCount()) return;
  if (m_selected != -1 && m_items[static_cast<std::size_t>(m_selected)]->IsChecked())
    SetChecked(*m_items[static_cast<std::size_t>(m_selected)], false);
  if (index != -1 && !m_items[static_cast<std::size_t>(index)]->IsChecked())
    SetChecked(*m_items[static_cast<std::size_t>(index)], true);
  m_selected = index;
  OnSelectionChanged(THolder<CBaseControl>(this));
}

void CRadioGroupControl::OnVisibleChanged(THolder<CBaseControl> control) {
  for (const THolder<CCheckBoxControl>& item : m_items) item->SetVisible(IsVisible());
  CBaseControl::OnVisibleChanged(std::move(control));
}

void CRadioGroupControl::OnEnabledChanged(THolder<CBaseControl> control) {
  for (const THolder<CCheckBoxControl>& item : m_items) item->SetEnabled(IsEnabled());
  CBaseControl::OnEnabledChanged(std::move(control));
}

void CRadioGroupControl::UpdateRect() {
  SetRect(0, 0, 0, 0);
  for (const THolder<CCheckBoxControl>& item : m_items) {
    item->UpdateRect();
    AddToRect(*item);
  }
}

void CRadioGroupControl::OnSelectionChanged(THolder<CBaseControl> control) {
  selectionChangedEvent.Fire(std::move(control));
}

}  // namespace GF::HGENS
