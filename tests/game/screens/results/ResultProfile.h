#pragma once

// A level's end as the result screens find it in the current player's profile.

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "game/app/PlayerProfiles.h"

namespace pm::test {

struct LevelResult {
  float points = 0.0f;  // float 4
  float place = 0.0f;   // float 5
  float dishes = 0.0f;  // float 6
  float bonus = 0.0f;   // float 13
  std::string level = "stage1_1";
  int bestPlace = 0;  // the level record's
};

inline void SetLevelResult(const LevelResult& result) {
  PlayerProfile& profile = CurrentProfile();
  profile.Floats[ProfileFloat::LevelPoints] = result.points;
  profile.Floats[ProfileFloat::CurrentPlace] = result.place;
  profile.Floats[ProfileFloat::OrdersServed] = result.dishes;
  profile.Floats[ProfileFloat::BonusResult] = result.bonus;
  profile.Strings[ProfileString::CurrentLevelKey] = result.level;
  profile.LevelRecords[result.level].BestPlace = result.bestPlace;
}

// The screen on top, null once none is left.
inline GF::IScreen* TopScreen() {
  return GF::HGENS::GetGameManager()->TopScreen().Get();
}

// The text of a part of the top screen's layout; "-" when there is no such text.
inline std::wstring TopText(const std::string& part) {
  GF::IScreen* top = TopScreen();
  const std::wstring* text = top && top->GetLayout() ? top->GetLayout()->GetText(part) : nullptr;
  return text ? *text : L"-";
}

}  // namespace pm::test
