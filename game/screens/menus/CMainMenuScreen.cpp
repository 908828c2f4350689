#include "game/screens/menus/CMainMenuScreen.h"

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/kitchen/MotionSetters.h"
#include "game/screens/MenuRows.h"

namespace {

constexpr float kGlideTime = 100.0f;  // ms

constexpr MenuItemRow kItems[] = {
    {"settings", "options"}, {"help", "help"}, {"cookbook", "gingerroom"},
    {"credits", "credits"},  {"back", "back"},
};
constexpr ShortcutRow kKeys[] = {{ScreenKey::kEscape, "back"}};
// The buttons the bar follows; "back" keeps it where it was.
constexpr const char* kFollowed[] = {"settings", "help", "cookbook", "credits"};

}  // namespace

GF::THolder<GF::IScreen> CMainMenuScreen::Create() {
  return GF::MakeHolder<CMainMenuScreen>();
}

bool CMainMenuScreen::Update(const float& dt) {
  selectMover->Update(dt);
  return CCurtainScreen::Update(dt);
}

void CMainMenuScreen::OnInit() {
  CCurtainScreen::OnInit();
  BindSelection();
  AddMenuItems(*this, kItems);
  AddShortcuts(*this, kKeys);
  for (const char* name : kFollowed) {
    if (const GF::THolder<GF::HGENS::CBaseControl> button = GetControl(name))
      button->overEvent.Subscribe(GF::MakeDelegate(this, &CMainMenuScreen::OnItemOver));
  }
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
}

void CMainMenuScreen::BindSelection() {
  selectAnim = GF::HGENS::FindRequiredPart(GetLayout(), "_select");
  if (selectAnim) selectMover->AddTarget(selectAnim);
}

void CMainMenuScreen::OnItemOver(GF::THolder<GF::HGENS::CBaseControl> control) {
  const GF::HGENS::CBaseControl& button = *control;
  MoveSelection({static_cast<float>((button.GetLeft() + button.GetRight()) / 2),
                 static_cast<float>((button.GetTop() + button.GetBottom()) / 2)});
}

void CMainMenuScreen::MoveSelection(const GF::TPoint<float>& target) {
  if (!selectAnim) return;
  const GF::TPoint<float> from = selectAnim->GetPosition();
  selectMover->ResetTime();
  selectMover->SetDuration(kGlideTime);
  SetLineMotion(*selectMover, from, {from.x, target.y});
  selectMover->SetActive(true);
}
