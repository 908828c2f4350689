#pragma once

#include <string>
#include <vector>

#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/engine/screens/CBaseControl.h"
#include "framework/engine/screens/CCheckBoxControl.h"

namespace GF::HGENS {

// A one-of-many choice over the check boxes "<name>_radio_1", "<name>_radio_2", ... that it
// has its screen create from the layout: exactly one of them is checked (or none before a
// choice). It has no graphics of its own: its rectangle is the union of its items', and its
// visible and enabled flags pass down to them.
class CRadioGroupControl : public CBaseControl {
 public:
  CRadioGroupControl() = default;
  ~CRadioGroupControl() override;

  void Create(const std::string& name, THolder<IScreen> screen) override;
  void OnVisibleChanged(THolder<CBaseControl> control) override;
  void OnEnabledChanged(THolder<CBaseControl> control) override;
  void UpdateRect() override;
  virtual void OnSelectionChanged(THolder<CBaseControl> control);

  // -1 clears the choice; an index past the items is ignored.
  void Select(int index);
  int GetSelected() const { return m_selected; }
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  const THolder<CCheckBoxControl>& GetItem(int index) const {
    return m_items[static_cast<std::size_t>(index)];
  }

  TEventList<THolder<CBaseControl>> selectionChangedEvent;

 private:
  void OnItemClicked(THolder<CBaseControl> control, const TPoint<int>& point, int buttons);
  static void SetChecked(CCheckBoxControl& item, bool checked);
  // The union of the rectangle and the item's, where empty rectangles add nothing.
  void AddToRect(const CBaseControl& item);

  std::vector<THolder<CCheckBoxControl>> m_items;
  int m_selected = -1;
};

}  // namespace GF::HGENS
