#pragma once

#include <deque>
#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/engine/screens/CButtonControl.h"
#include "framework/engine/screens/CSliderControl.h"

namespace GF::HGENS {

// A list of wide texts shown in the numbered row parts "_text_1", "_text_2", ... of its
// animation, one item selected and highlighted. The visible window pages by whole screens
// on Select and is scrolled by a vertical slider that the list box creates beside itself on
// its screen and shows only while there are more items than rows. A click selects a row.
class CListBoxControl : public CButtonControl {
 public:
  CListBoxControl() = default;
  ~CListBoxControl() override;

  void Create(const std::string& name, THolder<IScreen> screen) override;
  void OnOver(THolder<CBaseControl> control) override;
  void OnLeave(THolder<CBaseControl> control) override;
  void OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnClick(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnVisibleChanged(THolder<CBaseControl> control) override;
  void OnEnabledChanged(THolder<CBaseControl> control) override;
  void UpdateRect() override;
  void UpdateLook() override;
  virtual void OnSelectionChanged(THolder<CBaseControl> control);
  virtual void OnSliderChanged(THolder<CBaseControl> control);
  virtual void OnListChanged(THolder<CBaseControl> control);

  // Creates the scroll slider "<name>_slider" on the screen, or destroys it.
  void SetSlider(bool on, THolder<IScreen> screen);
  void AddItem(const std::wstring& text);
  void Clear();
  // Selects an item and pages to it; an index out of range or the selected one is ignored.
  void Select(int index);
  // The first item equal to text, or -1.
  int FindItem(const std::wstring& text) const;
  const std::wstring& ItemAt(int index) const { return m_items[static_cast<std::size_t>(index)]; }
  // The first row that the slider's value stands for.
  int GetScrollRow() const;

  int GetSelected() const { return m_selected; }
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  int GetFirstRow() const { return m_firstRow; }
  int GetRowCount() const { return static_cast<int>(m_rows.size()); }
  int GetRowHeight() const { return m_rowHeight; }
  const THolder<CSliderControl>& GetSlider() const { return m_slider; }

  TEventList<THolder<CBaseControl>> selectionChangedEvent;
  TEventList<THolder<CBaseControl>> scrollEvent;
  TEventList<THolder<CBaseControl>> listChangedEvent;

 private:
  // Items beyond one screen of rows; 0 or less when everything fits.
  int Overflow() const { return GetItemCount() - GetRowCount(); }
  int SliderValueForFirstRow() const;
  void ShowOrHideSlider();
  void SyncSlider();
  void RefreshRows();
  void Highlight(int index);

  THolder<CSliderControl> m_slider;
  int m_firstRow = 0;
  std::deque<std::wstring> m_items;
  std::vector<IAnimation::AnimationPtr> m_rows;
  int m_rowHeight = 0;
  int m_selected = 0;
  bool m_syncingSlider = false;
  int m_highlightedRow = 0;
};

}  // namespace GF::HGENS
