#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/engine/screens/CButtonControl.h"
#include "framework/engine/screens/CScreenAbstract.h"

namespace GF::HGENS {

// The base of every menu: menu items turn a button into a command that leaves the screen
// when clicked, show the item's hint ("hint_" + control) in the layout's "_hint" part while
// the cursor is over it, and may ask for confirmation first.
class CMenuScreenAbstract : public CScreenAbstract {
 public:
  // Leaves the screen with the command: it is announced now, and the next idle frame hides
  // the screen ("_hide" with kHideAnimated) or finishes it.
  void GoTo(const std::string& command, std::uint32_t flags) override;
  // A button for the control, whose click leaves with the command. With confirm the player
  // is asked first ("confirm_" + control), and the command is announced only on "yes".
  void AddMenuItem(const std::string& control, const std::string& command, bool confirm,
                   std::uint32_t flags) override;

 protected:
  void OnActivate() override;
  void OnDeactivate() override;
  bool IdleUpdate(const float& dt) override;

  void OnItemClicked(THolder<CBaseControl> control, const TPoint<int>& point, int buttons);
  void OnItemOver(THolder<CBaseControl> control);
  void OnItemLeave(THolder<CBaseControl> control);
  void OnConfirmClosed(THolder<IScreen> confirmation);
  void GoToItem(int index);

 private:
  struct MenuItemRecord {
    bool confirm;
    std::string command;
    std::string control;
    std::wstring hint;
    THolder<CButtonControl> button;
    std::uint32_t flags;
  };

  // The item that the control's tag names; null when the tag names none.
  const MenuItemRecord* ItemOf(const THolder<CBaseControl>& control) const;

  std::vector<MenuItemRecord> m_items;
  int m_pendingItem = -1;
  bool m_itemConfirmed = false;
  bool m_leaving = false;
};

}  // namespace GF::HGENS
