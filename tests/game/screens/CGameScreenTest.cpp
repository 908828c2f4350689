// The in-level game screen on the real program, started on a level as by its command line:
// the field each level type gets, the spot-the-difference level's folded mouse, the end of a
// level and its new recipes, "quit", the stage's music, and the clicks a screen over the
// level keeps to itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileFloat.h"
#include "game/app/ProfileString.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CGameField.h"
#include "game/kitchen/CPlaceInBonusGameField.h"
#include "tests/game/screens/LevelScreenTest.h"

namespace {

using pm::test::At;
using pm::test::ClickAt;
using pm::test::LevelScreenTest;
using Lines = std::vector<std::string>;

class CGameScreenTest : public LevelScreenTest {};

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The spot-the-difference and place-in levels get their fields and no curtain; any other
// type is a kitchen, with the curtain but on "stage7_1"; a key the levels data lack makes a
// kitchen that cannot load, and the screen leaves with "exit" at once.
TEST_F(CGameScreenTest, EachLevelTypeGetsItsField) {
  struct Case {
    const char* key;
    const char* field;
    bool noEffect;
    bool leaves;
  };
  const Case cases[] = {{kDifference, "difference", true, false},
                        {"bonus_place_in_1", "place in", true, false},
                        {"stage1_1", "kitchen", false, false},
                        {"stage7_1", "kitchen", true, false},
                        {"no_such_level", "kitchen", false, true}};
  for (const Case& c : cases) {
    commands.clear();
    std::string field;
    bool noEffect = false;
    std::string levelKey;
    const auto fixture = [] {
      LevelDescription level = LevelTable.at("stage1_1");
      level.LevelKey = "stage7_1";
      LevelTable["stage7_1"] = level;
    };
    RunLevel(
        c.key, "frames 30\n",
        [&](int frame) {
          if (frame != 1 || !Screen()) return;
          CGameFieldBase* made = Screen()->GetField().Get();
          if (DifferenceField()) field = "difference";
          if (dynamic_cast<CPlaceInBonusGameField*>(made)) field = "place in";
          if (dynamic_cast<CGameField*>(made)) field = "kitchen";
          noEffect = Screen()->HasNoEffect();
          levelKey = CurrentProfile().Strings[ProfileString::CurrentLevelKey];
        },
        fixture);
    EXPECT_EQ(levelKey, c.key);
    EXPECT_EQ(field, c.field) << c.key;
    EXPECT_EQ(noEffect, c.noEffect) << c.key;
    EXPECT_EQ(Has(commands, "GameScreen:exit"), c.leaves) << c.key;
  }
}

// On the spot-the-difference level the right picture folds onto the left one.
TEST_F(CGameScreenTest, TheRightPicturesMouseIsSeenOnTheLeftPicture) {
  const std::pair<int, int> cases[] = {{600, 200}, {400, 400}, {801, 801}, {100, 100}};
  std::string script = "frames 50\n";
  for (std::size_t i = 0; i < std::size(cases); ++i)
    script += At(10 + 10 * static_cast<int>(i), "move " + std::to_string(cases[i].first) + " 300");
  std::vector<std::pair<int, float>> seen;
  RunLevel(kDifference, script, [&](int frame) {
    const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
    if (frame % 10 == 0 && frame >= 10) seen.emplace_back(mouse->x, mouse->fx);
  });
  ASSERT_GE(seen.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(seen[i].first, cases[i].second) << cases[i].first;
    EXPECT_EQ(seen[i].second, static_cast<float>(cases[i].second)) << cases[i].first;
  }
}

// A level's end books its new recipes for a podium place or a won duel; any other place
// books none and says so in float 29.
TEST(CGameScreenResultsTest, APodiumPlaceBooksTheLevelsNewRecipes) {
  LevelDescription level;
  level.Orders = {{0.0f, 0, 0, 0, "soup", 0},
                  {0.0f, 0, 0, 101, "cake", 0},
                  {0.0f, 0, 0, 3, "tea", 0},
                  {0.0f, 0, 0, 0, "pie", 0},
                  {0.0f, 0, 0, 0, "soup", 0}};
  struct Case {
    float place;
    Lines newRecipes;
    float count;
  };
  const Case cases[] = {{3.0f, {"soup", "cake"}, 2.0f}, {201.0f, {"soup", "cake"}, 2.0f},
                        {1.0f, {"soup", "cake"}, 2.0f}, {4.0f, {"old"}, 0.0f},
                        {202.0f, {"old"}, 0.0f},        {101.0f, {"old"}, 0.0f}};
  for (const Case& c : cases) {
    PlayerProfile profile;
    profile.Floats[ProfileFloat::StageNumber] = 1.0f;
    profile.Floats[ProfileFloat::CurrentPlace] = c.place;
    profile.Unlocked["pie"] = false;  // met in an earlier level
    profile.NewRecipes() = {"old"};
    CGameScreen::BookLevelEnd(level, profile);
    EXPECT_EQ(profile.NewRecipes(), c.newRecipes) << c.place;
    EXPECT_EQ(profile.Floats[ProfileFloat::NewRecipeCount], c.count) << c.place;
    EXPECT_EQ(profile.Unlocked.contains("soup"), c.count > 0.0f) << c.place;
    if (c.count > 0.0f) {
      EXPECT_TRUE(profile.Unlocked["cake"]);
    }
    EXPECT_FALSE(profile.Unlocked["pie"]) << "a recipe met before stays as it was";
  }
}

// The list of new recipes holds the latest level's that had any; a level with none leaves
// it and counts it.
TEST(CGameScreenResultsTest, TheListHoldsTheLatestLevelsNewRecipes) {
  LevelDescription first, second;
  first.Orders = {{0.0f, 0, 0, 0, "soup", 0}};
  second.Orders = {{0.0f, 0, 0, 0, "soup", 0}, {0.0f, 0, 0, 101, "cake", 0}};
  PlayerProfile profile;
  profile.Floats[ProfileFloat::CurrentPlace] = 1.0f;
  CGameScreen::BookLevelEnd(first, profile);
  CGameScreen::BookLevelEnd(second, profile);
  EXPECT_EQ(profile.NewRecipes(), Lines{"cake"});
  CGameScreen::BookLevelEnd(first, profile);
  EXPECT_EQ(profile.NewRecipes(), Lines{"cake"});
  EXPECT_EQ(profile.Floats[ProfileFloat::NewRecipeCount], 1.0f);
  EXPECT_FALSE(profile.Unlocked["cake"]) << "stage float 1 is 0";
}

// Closing the window during the intro ends the game; once the intro is over "quit" goes to
// the rules, here the exit question.
TEST_F(CGameScreenTest, QuitEndsTheGameOnlyDuringTheIntro) {
  FlowRule question = Rule("GameScreen", "quit", "confirm_exit_screen", "main_menu.confirm_screen");
  question.modal = true;
  question.parameter = "confirm_quit";
  rules = {question};
  RunLevel(kDifference, DifferenceIntro(80) + At(40, "close"));
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.front(), "GameScreen:force_quit");
  EXPECT_FALSE(Has(commands, "GameScreen:quit"));

  commands.clear();
  std::string top;
  RunLevel(kDifference, DifferenceIntro(kPlaying + 40) + At(kPlaying, "close"), [&](int frame) {
    if (frame == kPlaying + 30) top = GF::HGENS::GetGameManager()->TopScreen()->GetName();
  });
  EXPECT_EQ(commands, (Lines{"GameScreen:show_manual", "GameScreen:quit"}));
  EXPECT_EQ(top, "confirm_exit_screen");
}

// Stage 3 plays its music; a stage key that names no stage stops the music.
TEST_F(CGameScreenTest, TheStagesMusicPlays) {
  GF::HGENS::GetServiceProviders().createMusic =
      +[] { return GF::THolder<GF::IMusic>(GF::MakeHolder<pm::test::CRecordingMusic>()); };
  struct Case {
    const char* stageKey;
    const char* call;
  };
  for (const Case& c : {Case{"stage3", "music:Play musik_3 fade"},
                        Case{"nowhere", "music:Stop music_main_menu fade"}}) {
    pm::test::PlayerCalls().clear();
    RunLevel(kDifference, "frames 2\n", {}, [&] {
      StageTable["stage3"] = {0, 2, 3, "stage3"};
      CurrentProfile().StageKey = c.stageKey;
      PlayMusic("music_main_menu");
    });
    EXPECT_EQ(pm::test::CountPlayerCalls(c.call), 1) << c.stageKey;
  }
}

// The kitchen's hint charges while the level plays: the button lights up once with its
// sound, and a click on it spends the charge on the next thing the order needs.
TEST_F(CGameScreenTest, TheKitchenHintChargesOnceAndIsSpentByItsButton) {
  pm::test::RecordGameSounds();
  // The charge opens the hint-ready window (at about frame 375): its OK comes first.
  constexpr int kWindowOk = 400, kCharged = 470, kHint = 480, kSpent = 500;
  bool charged = false, spent = true;
  int readySounds = 0;
  RunLevel(
      "stage1_1",
      "frames " + std::to_string(kSpent + 1) + "\n" + ClickAt(kWindowOk, 270, 340) +
          ClickAt(kHint, 40, 566),
      [&](int frame) {
        const auto* screen = Screen();
        if (!screen) return;
        const auto button = screen->GetControl("hint");
        if (frame == kCharged) {
          charged = button->IsEnabled();
          readySounds = pm::test::CountPlayerCalls("sound:Play hint_ready 1 0.000000");
        }
        if (frame == kSpent) spent = !button->IsEnabled();
      },
      [] { GameDatabase.Tuning.HintChargeThreshold = 2000.0f; });
  EXPECT_TRUE(charged);
  EXPECT_EQ(readySounds, 1) << "once, while the button stays lit";
  EXPECT_TRUE(spent);
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play bright_chirp 1 0.000000"), 1);
}

// On the spot-the-difference level the player who turned the game's cursor off gets it all
// the same, as the level's cross hair.
TEST_F(CGameScreenTest, TheSpotTheDifferenceLevelBringsItsCursor) {
  GF::HGENS::GetServiceProviders().createCustomCursor = +[] {
    return GF::THolder<GF::HGENS::ICustomCursor>(GF::MakeHolder<pm::test::CRecordingCursor>());
  };
  for (float gameCursor : {0.0f, 1.0f}) {
    pm::test::PlayerCalls().clear();
    RunLevel(kDifference, "frames 5\n", {},
             [&] { CurrentProfile().Floats[ProfileFloat::CustomCursor] = gameCursor; });
    EXPECT_EQ(pm::test::CountPlayerCalls("cursor:Enable cursor.custom_2"), gameCursor == 0.0f)
        << gameCursor;
  }
}

// A click on the spoon's empty place finds it; with the pause menu over the level the same
// click belongs to the menu alone.
TEST_F(CGameScreenTest, AClickUnderTheMenuNeverReachesTheField) {
  constexpr int kClick = kPlaying + 40;
  for (bool menu : {false, true}) {
    commands.clear();
    int found = -1;
    std::string script = DifferenceIntro(kClick + 10) + ClickAt(kClick, 600, 150);
    if (menu) script += At(kPlaying, "keydown 0x1B") + At(kPlaying + 1, "keyup 0x1B");
    RunLevel(kDifference, script, [&](int) {
      RevealDifferences();
      if (const CDiferenceGameField* field = DifferenceField()) found = field->GetFound();
    });
    EXPECT_EQ(found, menu ? 0 : 1) << menu;
    EXPECT_EQ(Has(commands, "GameScreen:menu"), menu);
  }
}

}  // namespace
