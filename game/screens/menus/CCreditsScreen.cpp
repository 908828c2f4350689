#include "game/screens/menus/CCreditsScreen.h"

#include "game/app/GameData.h"
#include "game/screens/MenuRows.h"

namespace {

constexpr ShortcutRow kKeys[] = {{ScreenKey::kEnter, "back"}, {ScreenKey::kEscape, "back"}};
constexpr MenuItemRow kItems[] = {{"ok", "back"}, {"back", "back"}};

}  // namespace

GF::THolder<GF::IScreen> CCreditsScreen::Create() {
  return GF::MakeHolder<CCreditsScreen>();
}

void CCreditsScreen::OnInit() {
  AddShortcuts(*this, kKeys);
  AddMenuItems(*this, kItems);
  CCurtainScreen::OnInit();
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
}
