// The drop-out screen: which dialogue counts as due, and on the real program which competitor
// and layout it shows for its parameter, and where its "ok" leads.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/story/CLoserScreen.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"

namespace {

using pm::test::TopScreen;

// Stage "s1" (number 1, 3 levels) and "s2" (number 2); dialogues of stage 1 after level 3,
// of stage 1 after level 1, and of stage 2 after level 3.
class PendingDialogueTest : public testing::Test {
 protected:
  PendingDialogueTest() {
    Reset();
    StageTable["s1"] = StageDescription{4, 3, 1, "s1"};
    StageTable["s2"] = StageDescription{0, 3, 2, "s2"};
    DialogRecords = {{"d0", {}, 3, 1}, {"d1", {}, 1, 1}, {"d2", {}, 3, 2}};
  }
  ~PendingDialogueTest() override { Reset(); }

  static void Reset() {
    LevelsDatabase = LevelsData{};
    GameDatabase = GameData{};
    GameProgress = ProgressBlock{};
  }
};

TEST_F(PendingDialogueTest, OnlyTheNextDialogueAfterTheStagesLastLevelIsDue) {
  const struct {
    const char* stage;
    float progress;
    bool due;
  } cases[] = {
      {"s1", 0.0f, true},    {"s1", 0.9f, true},   {"s1", 1.0f, false},
      {"s1", 2.0f, false},   {"s2", 2.0f, true},   {"s2", 0.0f, false},
      {"s1", 3.0f, false},   {"s1", -1.0f, false}, {"s1", -0.5f, true},  // truncated to 0
      {"none", 0.0f, false},
  };
  for (const auto& c : cases) {
    CurrentProfile().StageKey = c.stage;
    CurrentProfile().Floats[ProfileFloat::StoryProgress] = c.progress;
    EXPECT_EQ(CLoserScreen::HasPendingDialogue(), c.due) << c.stage << " " << c.progress;
  }
}

struct Visit {
  const char* parameter;
  int rival;      // the stage's first value
  float dropped;  // float 18
  float stage;    // float 1
};

struct Seen {
  std::string layout = "-", portrait = "-", plate = "-", music = "-";
};

class CLoserScreenRunTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
  }

  // Opens the screen after the first stage on the visit; what it shows at frame 30, and its
  // result of a click on "ok" at frame 32, the dialogue of the first stage's end due or not.
  Seen Open(const Visit& visit, bool dialogueDue = false) {
    startParameter = visit.parameter;
    // Float 18 is read as the screen is made.
    startActions = {FloatAssignment(ProfileFloat::DroppedOutCompetitor, visit.dropped)};
    onCreated = [visit, dialogueDue](GF::IScreen&) {
      PlayerProfile& profile = CurrentProfile();
      profile.StageKey = "stage1";
      StageTable["stage1"].Value1 = visit.rival;
      profile.Floats[ProfileFloat::StageNumber] = visit.stage;
      DialogRecords.push_back({"end", {}, dialogueDue ? 2 : 1, 1});
      profile.Floats[ProfileFloat::StoryProgress] = static_cast<float>(DialogRecords.size() - 1);
    };
    closed.clear();
    Seen seen;
    Run("LoserScreen", "main_menu.loser_screen",
        "frames 60\n@30 move 400 520\n@31 buttondown 1\n@32 buttonup 1\n", [&](int frame) {
          if (frame != 30) return;
          const auto layout = TopScreen()->GetLayout();
          seen.layout = layout->GetName();
          seen.portrait = NameIn(*layout, "_pers_place");
          seen.plate = NameIn(*layout, "_name_place");
          seen.music = GetCurrentMusicName();
        });
    return seen;
  }

  static std::string NameIn(const GF::IAnimation& layout, const char* place) {
    const auto shown = GF::HGENS::FindSubstitutedPart(layout, place);
    return shown ? shown->GetName() : "-";
  }
};

TEST_F(CLoserScreenRunTest, TheParameterChoosesTheCompetitorAndStageFiveRivalSevenTheDropout) {
  const struct {
    Visit visit;
    const char* layout;
    const char* portrait;
    const char* plate;
  } cases[] = {
      {{"diego", 4, 2.0f, 2.0f}, "loser_screen", "pers_bad_4", "pers_name_4"},
      {{"pierre", 4, 5.0f, 2.0f}, "loser_screen", "pers_bad_5", "pers_name_5"},
      {{"", 4, 3.0f, 2.0f}, "loser_screen", "pers_bad_3", "pers_name_3"},
      {{"diego", 7, 2.0f, 5.0f}, "dropout_screen", "-", "-"},
      {{"pierre", 0, 7.0f, 5.0f}, "dropout_screen", "-", "-"},
      {{"diego", 7, 2.0f, 4.0f}, "loser_screen", "pers_bad_7", "pers_name_7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.visit.parameter) + " " + std::to_string(c.visit.rival));
    pm::test::PlayerCalls().clear();
    const Seen seen = Open(c.visit);
    EXPECT_EQ(seen.layout, c.layout);
    EXPECT_EQ(seen.portrait, c.portrait);
    EXPECT_EQ(seen.plate, c.plate);
    EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play dropped_out 1 0.000000"), 1);
    EXPECT_EQ(seen.music, "music_game_menu");
  }
}

TEST_F(CLoserScreenRunTest, OkGoesOnToTheDueDialogueElseTheComicOfAStageWithoutRival) {
  const struct {
    bool dialogueDue;
    int rival;
    const char* result;
  } cases[] = {{true, 0, "LoserScreen:dialog"},
               {true, 4, "LoserScreen:dialog"},
               {false, 0, "LoserScreen:comics"},
               {false, 4, "LoserScreen:ok"}};
  for (const auto& c : cases) {
    Open({"pierre", c.rival, 5.0f, 2.0f}, c.dialogueDue);
    EXPECT_EQ(closed, Lines{c.result}) << c.dialogueDue << " " << c.rival;
  }
}

}  // namespace
