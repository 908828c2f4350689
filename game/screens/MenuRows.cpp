#include "game/screens/MenuRows.h"

void AddMenuItems(GF::IScreen& screen, std::span<const MenuItemRow> rows) {
  for (const MenuItemRow& row : rows)
    screen.AddMenuItem(row.control, row.command, false, GF::IScreen::kUsualFlags);
}

void AddShortcuts(GF::IScreen& screen, std::span<const ShortcutRow> rows) {
  for (const ShortcutRow& row : rows)
    screen.AddShortcut(row.key, row.command, false, GF::IScreen::kUsualFlags);
}

GF::THolder<GF::HGENS::CButtonControl> FindButton(const GF::IScreen& screen, const char* name) {
  return GF::THolder<GF::HGENS::CButtonControl>(
      dynamic_cast<GF::HGENS::CButtonControl*>(screen.GetControl(name).Get()));
}
