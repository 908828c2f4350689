#include "game/screens/CHintScreen.h"

#include <utility>

#include "framework/engine/app/Services.h"
#include "game/app/GameData.h"
#include "game/kitchen/HintWindow.h"
#include "game/screens/MenuRows.h"

namespace {

constexpr ShortcutRow kKeys[] = {{ScreenKey::kEnter, "back"}, {ScreenKey::kEscape, "back"}};
constexpr MenuItemRow kItems[] = {{"ok", "back"}, {"back", "back"}};

}  // namespace

GF::THolder<GF::IScreen> CHintScreen::Create() {
  return GF::MakeHolder<CHintScreen>();
}

void CHintScreen::SetCurrentHint(GF::THolder<CGameFieldBase> hint) {
  CurrentHint() = std::move(hint);
}

void CHintScreen::OnInit() {
  AddShortcuts(*this, kKeys);
  AddMenuItems(*this, kItems);
  CCurtainScreen::OnInit();
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
  HintTargetClicked = 0;
}

bool CHintScreen::IdleUpdate(const float& dt) {
  if (!CCurtainScreen::IdleUpdate(dt)) return false;
  if (const GF::THolder<CGameFieldBase> hint = CurrentHint()) hint->UpdateEffectsOnly(dt);
  const bool clicked = GF::HGENS::GetKeyset()->Consume(ScreenKey::kLeftButton);
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  if (clicked && IsOnHintTarget({mouse->fx, mouse->fy})) {
    HintTargetClicked = 1;
    GoTo("back", kUsualFlags);
  }
  return true;
}

void CHintScreen::StartHide() {
  CurrentHint().Reset();
  CCurtainScreen::StartHide();
}

void CHintScreen::OnDestroy() {
  CurrentHint().Reset();
  CCurtainScreen::OnDestroy();
}
