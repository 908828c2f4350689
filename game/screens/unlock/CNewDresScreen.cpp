#include "game/screens/unlock/CNewDresScreen.h"

#include "framework/core/ISubstitutedContainer.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/FormatText.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr const char* kPrintLayout = "print_screen";
constexpr const char* kFallbackPicture = "Ginger_room.dres_0";
constexpr int kUnlockSound = 21;

// Each button's command on the print layout and on the others.
struct DressItem {
  const char* control;
  const char* printCommand;
  const char* command;
};
constexpr DressItem kItems[] = {{"ok", "cookbook", "ok"}, {"dres", "cookbook", "ok"}};

bool IsPrintLevel(PlayerProfile& profile) {
  const int level = IntegerPart(profile.Floats[ProfileFloat::LevelInStage]);
  const int stage = IntegerPart(profile.Floats[ProfileFloat::StageNumber]);
  return (level == 1 || (stage == 7 && level == 8)) &&
         profile.Floats[ProfileFloat::Value35] == 0.0f;
}

bool IsPrintLayout(const AnimationPtr& layout) {
  const char* name = layout ? layout->GetName() : nullptr;
  return name && std::string(name) == kPrintLayout;
}

}  // namespace

GF::THolder<GF::IScreen> CNewDresScreen::Create() {
  return GF::MakeHolder<CNewDresScreen>();
}

void CNewDresScreen::Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
                          const char* parameter) {
  CCurtainScreen::Init(IsPrintLevel(CurrentProfile()) ? kPrintLayout : layout, scene, parameter);
}

std::string CNewDresScreen::PictureName(int levelIndex, const UpgradeRecord& upgrade, bool print,
                                        int stage) {
  if (levelIndex >= 2 && levelIndex <= 22)
    return "Ginger_room.dres_" + std::to_string(upgrade.UpgradeId);
  if ((levelIndex >= 24 && levelIndex <= 43) || levelIndex >= 45)
    return "Ginger_room." + upgrade.Name;
  return print ? "cookingbook.recept_" + std::to_string(stage) : "";
}

void CNewDresScreen::OnInit() {
  CCurtainScreen::OnInit();
  FillItem();
  BindControls();
}

void CNewDresScreen::StartShow() {
  CCurtainScreen::StartShow();
  PlaySoundById(kUnlockSound);
}

void CNewDresScreen::FillItem() {
  const AnimationPtr layout = GetLayout();
  if (!layout) return;
  const GF::THolder<GF::HGENS::CResource> resources = GF::HGENS::GetResources();
  const int index = FindLevel(CurrentProfile().Strings[ProfileString::CurrentLevelKey]).LevelIndex;
  const UpgradeRecord& upgrade = FindUpgrade(index);
  const int stage = GetCurrentStageNumber();
  const std::string picture = PictureName(index, upgrade, IsPrintLayout(layout), stage);
  std::wstring text = resources->GetText(upgrade.Name);
  if (picture.rfind("cookingbook.", 0) == 0)
    text = FormatText(resources->GetText("text_print"),
                      resources->GetText("stage_name_" + std::to_string(stage)));
  if (const ContainerPtr item{layout->FindDrawable("_item_dres")}) {
    AnimationPtr shown = picture.empty() ? AnimationPtr() : item->AddSubstitutedAnimation(picture);
    if (!shown) shown = item->AddSubstitutedAnimation(kFallbackPicture);
    if (shown) shown->Play("_part_1", 0, false);
  }
  layout->SetText("_text", text);
}

void CNewDresScreen::BindControls() {
  const bool print = IsPrintLayout(GetLayout());
  for (const DressItem& item : kItems)
    AddMenuItem(item.control, print ? item.printCommand : item.command, false, kUsualFlags);
  if (!print && CurrentProfile().Floats[ProfileFloat::Value17] == 0.0f) {
    if (const GF::THolder<GF::HGENS::CBaseControl> dress = GetControl("dres"))
      dress->SetEnabled(false);
  }
}
