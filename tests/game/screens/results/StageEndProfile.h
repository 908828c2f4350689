#pragma once

// A first stage that has just been completed, as the stage's end finds it in the current
// player's profile: the stage key still the first stage's, float 1 already on the next one,
// and the points of the eight competitors in the stage's two levels.

#include <map>
#include <string>

#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"

namespace pm::test {

// Competitor id -> points over the two sample levels (split between them).
using StageTotalsById = std::map<int, float>;

// The player first: 700 against 600, 450, 400, 300, 260, 200 and 150 (id 5 last).
inline const StageTotalsById kPlayerFirst = {{0, 400.0f}, {1, 300.0f}, {2, 450.0f}, {3, 200.0f},
                                             {4, 600.0f}, {5, 150.0f}, {6, 700.0f}, {7, 260.0f}};
// The player fourth, between rival 0 (400) and rival 1 (300).
inline const StageTotalsById kPlayerFourth = {{0, 400.0f}, {1, 300.0f}, {2, 450.0f}, {3, 200.0f},
                                              {4, 600.0f}, {5, 150.0f}, {6, 350.0f}, {7, 260.0f}};

inline void SetCompletedStage(const StageTotalsById& totals, float stageNumber = 2.0f,
                              const std::string& stageKey = "stage1") {
  PlayerProfile& profile = CurrentProfile();
  profile.StageKey = stageKey;
  profile.Floats[ProfileFloat::StageNumber] = stageNumber;
  for (const auto& [id, points] : totals) {
    profile.LevelRecords["stage1_1"].Scores[id] = points * 0.4f;
    profile.LevelRecords["stage1_2"].Scores[id] = points * 0.6f;
  }
}

// A dialogue of the first stage after its last level (2), next in the story.
inline void SetDialogueDue() {
  DialogRecord dialogue = DialogRecords.front();
  dialogue.LevelIndex = 2;
  dialogue.StageNumber = 1;
  DialogRecords.push_back(dialogue);
  CurrentProfile().Floats[ProfileFloat::StoryProgress] =
      static_cast<float>(DialogRecords.size() - 1);
}

}  // namespace pm::test
