#include "game/screens/menus/CIngameMenuScreen.h"

namespace {

constexpr const char* kInGameHidden[] = {"_item_ok"};
constexpr MenuItemRow kInGameItems[] = {
    {"continue", "back"}, {"main_menu", "main_menu"}, {"map", "map"}, {"replay", "replay"}};
constexpr ShortcutRow kInGameKeys[] = {{ScreenKey::kEscape, "back"}};

}  // namespace

CIngameMenuScreen::CIngameMenuScreen()
    : CCookOptionsMenuScreen({kInGameHidden, kInGameItems, kInGameKeys}) {}

GF::THolder<GF::IScreen> CreateInGameMenuScreen() {
  return GF::MakeHolder<CIngameMenuScreen>();
}
