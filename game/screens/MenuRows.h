#pragma once

#include <span>

#include "framework/engine/app/IScreen.h"
#include "framework/engine/screens/CButtonControl.h"

// What a game screen's items and keys do, as rows: a screen lists them in constexpr tables
// and adds them in one call, every one with the usual flags and no confirmation.

// Key indices of the key set that the screens bind.
namespace ScreenKey {
inline constexpr int kLeft = 3;
inline constexpr int kRight = 4;
inline constexpr int kEscape = 17;
inline constexpr int kLeftButton = 18;
inline constexpr int kEnter = 24;
}  // namespace ScreenKey

// A button of the layout ("_item_" + control) that leaves with the command.
struct MenuItemRow {
  const char* control;
  const char* command;
};

// A key index that leaves with the command.
struct ShortcutRow {
  int key;
  const char* command;
};

void AddMenuItems(GF::IScreen& screen, std::span<const MenuItemRow> rows);
void AddShortcuts(GF::IScreen& screen, std::span<const ShortcutRow> rows);

// The button of a menu item; empty when the screen has no button of that name.
GF::THolder<GF::HGENS::CButtonControl> FindButton(const GF::IScreen& screen, const char* name);
