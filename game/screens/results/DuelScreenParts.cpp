#include "game/screens/results/DuelScreenParts.h"

#include <algorithm>
#include <cwchar>
#include <sstream>

#include "framework/core/IScene.h"
#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/ITextSprite.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;
using TextPtr = GF::TSmartIPtr<GF::ITextSprite, GF::kIdTextSprite>;

constexpr std::int32_t kSpecialOrder = 101;
constexpr int kLastCountry = 7;  // first ints above it count as
constexpr int kFarCountry = 6;   // this one
constexpr std::size_t kTimeChars = 16;

const std::string& CurrentLevelKey() {
  return CurrentProfile().Strings[ProfileString::CurrentLevelKey];
}

// The plate in its place, at its end, with the first order's dish and name.
void ShowDish(const AnimationPtr& layout, const std::vector<LevelOrderRecord>& orders) {
  const AnimationPtr plate = layout->GetScene()->CreateAnimation("main_menu.recept_place_duel");
  if (!plate || !AttachToPart(plate, layout, "_recept_place")) return;
  plate->SkipToEnd();
  if (orders.empty()) return;
  const std::string& recipe = orders.front().RecipeKey;
  const ContainerPtr host(plate->GetDrawable(0));
  const AnimationPtr dish = host ? layout->GetScene()->CreateAnimation(recipe) : nullptr;
  if (dish) dish->SetParent(host, true);
  if (const TextPtr name{plate->GetDrawable(1)}) name->SetText(RecipeTable[recipe].NameText());
}

}  // namespace

int DuelLostCountry(const std::vector<LevelOrderRecord>& orders) {
  if (orders.empty()) return 0;
  const bool second = orders[0].OrderType == kSpecialOrder && orders.size() > 1;
  const int n = orders[second ? 1 : 0].CustomerFigure;
  return (n > kLastCountry ? kFarCountry : n) + 1;
}

std::wstring DuelTimeText(float milliseconds) {
  const int seconds = std::max(IntegerPart(milliseconds / 1000.0f), 0);
  wchar_t text[kTimeChars];
  std::swprintf(text, kTimeChars, L"%d:%02d", seconds / 60, seconds % 60);
  return text;
}

std::wstring DuelPointsText(float points) {
  std::wostringstream out;
  out << points;
  return out.str();
}

void FillDuelCard(const AnimationPtr& layout, int country, const std::wstring& time) {
  if (!layout) return;
  ShowDish(layout, CurrentLevelOrders());
  if (country != 0)
    SubstitutePart(layout, "_place_country", "main_menu.country_" + std::to_string(country));
  const int level = FindLevel(CurrentLevelKey()).LevelNumber();
  ReplacePartToken(*layout, "_round", L"_round", std::to_wstring(level));
  layout->SetText("_time", time);
}

const std::vector<LevelOrderRecord>& CurrentLevelOrders() {
  return FindLevel(CurrentLevelKey()).Orders;
}
