// The progress map on the real program, opened by the start rule of the served sample game
// data on a profile set as each case needs; its commands are given through GoTo as its
// buttons and keys give them. The dialogue check is a table over the game data alone.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "framework/engine/app/CGameManager.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/map/CMapScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr const char* kLayout = "ProgressMap.layout";
constexpr int kShown = 30;  // frames: the layout has come in

CMapScreen* Map() {
  return dynamic_cast<CMapScreen*>(GF::HGENS::GetGameManager()->TopScreen().Get());
}

PlayerProfile& Profile() {
  return CurrentProfile();
}

class CMapScreenTest : public pm::test::GameScreenTest {
 protected:
  // Opens the map on the profile that `setUp` makes; `look` sees the map in each frame.
  void RunMap(const std::function<void(PlayerProfile&)>& setUp, int frames,
              const std::function<void(CMapScreen&, int)>& look) {
    onCreated = [setUp](GF::IScreen& screen) {
      if (screen.GetName() == "ProgressMapScreen") setUp(CurrentProfile());
    };
    Run("ProgressMapScreen", kLayout, "frames " + std::to_string(frames) + "\n",
        [&look](int frame) {
          if (CMapScreen* map = Map()) look(*map, frame);
        });
  }

  // The command as the map gives it, at the frame the map is shown; what it announced and
  // level key, replay flag after it.
  void Command(const std::function<void(PlayerProfile&)>& setUp, const std::string& command) {
    RunMap(setUp, kShown + 1, [&](CMapScreen& map, int frame) {
      if (frame != kShown) return;
      map.GoTo(command, GF::IScreen::kUsualFlags);
      levelKey = Profile().Strings[ProfileString::LevelKeyOverride];
      replay = Profile().Floats[ProfileFloat::Value35];
      story = Profile().Floats[ProfileFloat::StoryProgress];
    });
  }

  std::string Announced() const { return commands.empty() ? "" : commands.back(); }

  std::string levelKey;
  float replay = 0.0f;
  float story = 0.0f;
};

TEST_F(CMapScreenTest, TheChosenStageComesFirstAndTheRestFollowRoundTheRing) {
  std::vector<std::string> keys;
  std::vector<float> angles;
  RunMap(
      [](PlayerProfile& p) {
        p.StageKey = "stage5";
        p.Floats[ProfileFloat::StageNumber] = 7.0f;
      },
      3,
      [&](CMapScreen& map, int frame) {
        if (frame != 2) return;
        for (const StagePlace& place : map.GetStageStrategy().GetPlaces()) {
          keys.push_back(place.key);
          angles.push_back(place.angle);
        }
      });
  EXPECT_EQ(keys, (std::vector<std::string>{"stage5", "stage6", "stage7", "stage1", "stage2",
                                            "stage3", "stage4"}));
  ASSERT_EQ(angles.size(), 7u);
  for (std::size_t i = 1; i < angles.size(); ++i)
    EXPECT_NEAR(angles[i], 1.5f * kPi + static_cast<float>(i) * 2.0f * kPi / 7.0f, 1e-5f) << i;
}

TEST_F(CMapScreenTest, AStageKeyOffTheMapBecomesTheReachedStage) {
  std::string chosen;
  RunMap(
      [](PlayerProfile& p) {
        p.StageKey = "bonus_ispy";  // stage number 0
        p.Floats[ProfileFloat::StageNumber] = 2.0f;
      },
      3, [&](CMapScreen& map, int) { chosen = map.GetStageStrategy().GetChosenPlace()->key; });
  EXPECT_EQ(chosen, "stage2");
  EXPECT_EQ(Profile().StageKey, "stage2");
}

TEST_F(CMapScreenTest, PlayOnAnEarlierStageReplaysItsLastLevel) {
  Command(
      [](PlayerProfile& p) {
        p.StageKey = "stage2";
        p.Floats[ProfileFloat::StageNumber] = 3.0f;
      },
      "play");
  EXPECT_EQ(levelKey, "stage2_2");
  EXPECT_EQ(replay, 1.0f);
  EXPECT_EQ(Announced(), "ProgressMapScreen:play");
}

TEST_F(CMapScreenTest, PlayBeforeALevelWithItsDialogueBecomesDialog) {
  // The sample's one dialogue plays before stage 1's first level.
  for (float level : {1.0f, 2.0f}) {
    commands.clear();
    Command(
        [level](PlayerProfile& p) {
          p.StageKey = "stage1";
          p.Floats[ProfileFloat::LevelInStage] = level;
        },
        "play");
    EXPECT_EQ(Announced(), level == 1.0f ? "ProgressMapScreen:dialog" : "ProgressMapScreen:play")
        << level;
    EXPECT_EQ(levelKey, "") << level;
    EXPECT_EQ(story, 0.0f) << level;
  }
}

TEST_F(CMapScreenTest, TheSecondBonusKeyPlaysTheStagesBonusLevelUpToStageSix) {
  Command([](PlayerProfile& p) { p.StageKey = "stage3"; }, "play_bonus_2");
  EXPECT_EQ(levelKey, "bonus_diference_3");
  EXPECT_EQ(replay, 1.0f);
  EXPECT_EQ(Announced(), "ProgressMapScreen:play");
  commands.clear();
  Command([](PlayerProfile& p) { p.StageKey = "stage7"; }, "play_bonus_2");
  EXPECT_EQ(levelKey, "");
  EXPECT_EQ(Announced(), "ProgressMapScreen:play_bonus_2");
}

TEST_F(CMapScreenTest, OnlyPlacesOneToThreeGiveRibbonsAndTheNewOneIsHandedOverAsNew) {
  std::vector<std::pair<std::string, bool>> ribbons;
  RunMap(
      [](PlayerProfile& p) {
        LevelDescription& third = LevelTable["stage1_3"];
        third.StageKey = "stage1";
        third.Value1 = 3;
        p.LevelRecords["stage1_1"].BestPlace = 4;
        p.LevelRecords["stage1_2"].BestPlace = 0;
        p.LevelRecords["stage1_3"].BestPlace = 2;
        p.Strings[ProfileString::Value33] = "stage1_3";
      },
      3,
      [&](CMapScreen& map, int frame) {
        if (frame != 1) return;
        for (const auto& [key, ribbon] :
             map.GetStageStrategy().GetLevelStrategy("stage1")->GetRibbons())
          ribbons.emplace_back(key, ribbon.isNew);
      });
  EXPECT_EQ(ribbons, (std::vector<std::pair<std::string, bool>>{{"stage1_3", true}}));
  EXPECT_EQ(Profile().Strings[ProfileString::Value33], "");
}

TEST_F(CMapScreenTest, TheBackgroundScrollsTwentyPixelsASecondAndWrapsOnItsTexture) {
  std::vector<float> x;
  RunMap([](PlayerProfile&) {}, 64,
         [&](CMapScreen& map, int frame) {
           hgeMeshGrid* mesh = map.GetBackground()->GetMesh();
           ASSERT_NE(mesh, nullptr);
           if (frame >= 62) map.Update(30000.0f);  // 600 pixels at a time
           float left = 0.0f, top = 0.0f, width = 0.0f, height = 0.0f;
           mesh->GetTextureRect(&left, &top, &width, &height);
           x.push_back(left);
           EXPECT_EQ(width, 900.0f);
           EXPECT_EQ(height, 467.0f);
         });
  ASSERT_EQ(x.size(), 64u);
  EXPECT_NEAR(x[59] - x[9], -20.0f, 0.01f);
  // Twice 600 pixels more in frames 62 and 63: once past the texture's 1024, back by as much.
  EXPECT_NEAR(x[63], x[61] - 0.8f - 1200.0f + 1024.0f, 0.01f);
  EXPECT_GT(x[63], -1024.0f);
}

TEST(CMapScreenDialogTest, ADialogueIsDueForTheRecordAtOrAfterFloat20OfThisStageAndLevel) {
  GameProgress = ProgressBlock{};
  LevelsDatabase = LevelsData{};
  for (int n = 1; n <= 3; ++n) {
    const std::string key = "stage" + std::to_string(n);
    StageTable[key] = {0, 2, n, key};
  }
  GameDatabase = GameData{};
  DialogRecords = {{"a", {}, 0, 1}, {"b", {}, 1, 1}, {"c", {}, 0, 2}, {"d", {}, 1, 3}};
  struct Case {
    float story, level, stage;
    bool due;
    float storyAfter;
  } cases[] = {
      {0, 1, 1, true, 0},  {0, 2, 1, false, 0},   {1, 2, 1, true, 1},
      {0, 1, 2, true, 2},  {0, 1, 3, false, 3},   {0, 3, 1, false, 0},
      {4, 1, 1, false, 4}, {-1, 1, 1, false, -1}, {0, 1, 4, false, 0},
  };
  for (const Case& c : cases) {
    PlayerProfile& p = CurrentProfile();
    p.Floats[ProfileFloat::StoryProgress] = c.story;
    p.Floats[ProfileFloat::LevelInStage] = c.level;
    p.Floats[ProfileFloat::StageNumber] = c.stage;
    EXPECT_EQ(CMapScreen::IsDialogDue(), c.due) << c.story << " " << c.level << " " << c.stage;
    EXPECT_EQ(p.Floats[ProfileFloat::StoryProgress], c.storyAfter)
        << c.story << " " << c.level << " " << c.stage;
  }
  GameDatabase = GameData{};
  LevelsDatabase = LevelsData{};
  GameProgress = ProgressBlock{};
}

}  // namespace
