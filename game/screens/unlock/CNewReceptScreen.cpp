#include "game/screens/unlock/CNewReceptScreen.h"

#include <string>
#include <utility>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/ITextSprite.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;
using TextPtr = GF::TSmartIPtr<GF::ITextSprite, GF::kIdTextSprite>;

constexpr std::pair<const char*, const char*> kItems[] = {{"ok", "ok"}, {"cookbook", "cookbook"}};
constexpr int kUnlockSound = 20;

std::wstring Heading(int count) {
  const GF::THolder<GF::HGENS::CResource> resources = GF::HGENS::GetResources();
  if (count > 1) return std::to_wstring(count) + L" " + resources->GetText("recipes");
  return resources->GetText("recipe");
}

const std::wstring& RecipeName(const std::string& recipe) {
  static const std::wstring none;
  const auto found = RecipeTable.find(recipe);
  return found != RecipeTable.end() ? found->second.NameText() : none;
}

}  // namespace

GF::THolder<GF::IScreen> CNewReceptScreen::Create() {
  return GF::MakeHolder<CNewReceptScreen>();
}

void CNewReceptScreen::OnInit() {
  CCurtainScreen::OnInit();
  for (const auto& [control, command] : kItems) AddMenuItem(control, command, false, kUsualFlags);
  float& count = CurrentProfile().Floats[ProfileFloat::NewRecipeCount];
  const int n = IntegerPart(count);
  count = 0.0f;
  if (const AnimationPtr layout = GetLayout()) layout->SetText("_text", Heading(n));
  ShowRecipes();
}

void CNewReceptScreen::StartShow() {
  CCurtainScreen::StartShow();
  PlaySoundById(kUnlockSound);
}

AnimationPtr CNewReceptScreen::ShowRecipes() {
  std::vector<std::string>& recipes = CurrentProfile().NewRecipes();
  const AnimationPtr layout = GetLayout();
  const AnimationPtr plate =
      GetScene()->CreateAnimation("main_menu.recept_place_" + std::to_string(recipes.size()));
  const ContainerPtr place(layout ? layout->FindDrawable("_place") : GF::IAnimation::DrawablePtr());
  if (plate) {
    // At its place's layer, under the curtain that closes over the screen.
    if (place) plate->SetParent(place, true);
    plate->Play("all", 1, false);
    for (int j = 0; j < static_cast<int>(recipes.size()); ++j) {
      // A plate without a place for the recipe gets none of it: no loose picture.
      const ContainerPtr host(plate->GetDrawable(2 * j));
      if (!host) continue;
      if (const AnimationPtr picture = GetScene()->CreateAnimation(recipes[j])) {
        picture->SetParent(host, true);
        picture->Play("all", 0, false);
      }
      if (const TextPtr name{plate->GetDrawable(2 * j + 1)}) name->SetText(RecipeName(recipes[j]));
    }
  }
  recipes.clear();
  return plate;
}
