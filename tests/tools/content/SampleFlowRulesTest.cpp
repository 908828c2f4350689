// The sample game's flow, as the generator writes it into "gamedata.bin": each case is a
// screen's command on a player whose values are given, and what the rules make of it, the
// target armed (" over" when it opens over the screen, " closing" when an overlay goes
// first) and the values afterwards. The results' cases pin the order of their rules: each
// sees what the rules before it did.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/app/CFlowRuleRunner.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/app/CTestDataFileSource.h"
#include "tests/game/app/GameAppSession.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleContent.h"

namespace {

using pm::test::CCommandScreen;
using Floats = std::map<std::int32_t, float>;
using Strings = std::map<std::int32_t, std::string>;

constexpr std::int32_t kLevel = ProfileFloat::LevelInStage;
constexpr std::int32_t kStage = ProfileFloat::StageNumber;
constexpr std::int32_t kPlace = ProfileFloat::CurrentPlace;
constexpr std::int32_t kOutcome = ProfileFloat::LastLevelOutcome;
constexpr std::int32_t kOutfit = ProfileFloat::Value17;
constexpr std::int32_t kRecipes = ProfileFloat::NewRecipeCount;
constexpr std::int32_t kReplay = ProfileFloat::Value35;
constexpr std::int32_t kOpening = ProfileFloat::Value36;
constexpr std::int32_t kPage = ProfileFloat::HelpState;
constexpr std::int32_t kPlayed = ProfileString::CurrentLevelKey;
constexpr std::int32_t kOpen = ProfileString::ShadesShowRequest;
constexpr std::int32_t kClose = ProfileString::ShadesHideRequest;
constexpr std::int32_t kCommand = ProfileString::RuleScreenCommand;
constexpr std::int32_t kAnswer = ProfileString::Value28;
constexpr std::int32_t kMark = ProfileString::Value30;
constexpr std::int32_t kToPlay = ProfileString::LevelKeyOverride;
constexpr std::int32_t kNewRibbon = ProfileString::Value33;

const Strings kCurtain = {{kOpen, "curtain_open"}, {kClose, "curtain_close"}};

class CRecordingRunner : public CFlowRuleRunner {
 public:
  std::vector<std::string> sent;  // "screen:command"

 protected:
  void SendScreenCommand(const GF::THolder<GF::IScreen>& screen,
                         const std::string& command) override {
    sent.push_back(screen->GetName() + ":" + command);
  }
};

struct Case {
  const char* what;
  const char* screen;
  const char* event;
  Floats floats = {};
  Strings strings = {};
  std::string target = "";  // "" when none is armed
  Floats floatsAfter = {};
  Strings stringsAfter = {};
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.screen << ":" << c.event << " (" << c.what << ")";
}

class SampleFlowRulesTest : public testing::TestWithParam<Case> {
 protected:
  static void SetUpTestSuite() {
    folder = pm::test::MakeTempDir("flow");
    ASSERT_TRUE(WriteSampleGameData(folder));
  }
  void SetUp() override {
    source.folder = folder;
    ASSERT_TRUE(LoadGameDataFile());
    ResetProgressToDefault();
  }
  void TearDown() override {
    GameDatabase = {};
    GameProgress = {};
  }

  static std::string Armed(const CFlowRuleRunner& runner) {
    const std::optional<FlowRule>& rule = runner.PendingRule();
    if (!rule) return "";
    return rule->target + (rule->modal ? " over" : "") + (rule->closeFirst ? " closing" : "");
  }

  static inline std::filesystem::path folder;
  CTestDataFileSource source;
};

TEST_P(SampleFlowRulesTest, TheCommandLeadsToItsScreenAndValues) {
  const Case& c = GetParam();
  PlayerProfile& player = CurrentProfile();
  for (const auto& [id, value] : c.floats) player.Floats[id] = value;
  for (const auto& [id, text] : c.strings) player.Strings[id] = text;
  GF::THolder<CCommandScreen> screen = GF::MakeHolder<CCommandScreen>();
  screen->SetName(c.screen);
  screen->SetResult(c.event);
  CRecordingRunner runner;
  runner.RunFlowRule("", screen);

  EXPECT_EQ(Armed(runner), c.target);
  for (const auto& [id, value] : c.floatsAfter)
    EXPECT_EQ(player.Floats[id], value) << "float " << id;
  for (const auto& [id, text] : c.stringsAfter)
    EXPECT_EQ(player.Strings[id], text) << "string " << id;
  if (c.stringsAfter.contains(kCommand)) {
    EXPECT_EQ(runner.sent, std::vector<std::string>{std::string(c.screen) + ":back"});
  }
}

const Case kWalk[] = {
    {"the logo",
     "PublisherScreen",
     "starting",
     {},
     {},
     "SplashScreen",
     {},
     {{kOpen, "curtain_open"}}},
    {"no player yet", "SplashScreen", "new_player", {}, {}, "new_player_screen over"},
    {"a name given", "new_player_screen", "back", {}, {}, ""},
    {"a name taken", "new_player_screen", "error", {}, {}, "message_screen over closing"},
    {"the first comic", "SplashScreen", "comics", {}, {}, "ComicsScreen", {}, kCurtain},
    {"the comic read", "ComicsScreen", "ok", {}, {}, "ProgressMapScreen", {}, kCurtain},
    {"the title's play", "SplashScreen", "play", {}, {}, "ProgressMapScreen", {}, kCurtain},
    {"the map's play", "ProgressMapScreen", "play", {}, {}, "new_ingridient_screen", {}, kCurtain},
    {"a dialogue first", "ProgressMapScreen", "dialog", {}, {}, "DialogScreen", {}, kCurtain},
    {"the next dialogue", "DialogScreen", "next", {}, {}, "DialogScreen"},
    {"the dialogue over", "DialogScreen", "exit", {}, {}, "new_ingridient_screen", {}, kCurtain},
    {"the final won", "DialogScreen", "comics", {}, {}, "ComicsScreen"},
    {"the question answered", "DialogScreen", "no", {}, {}, "ProgressMapScreen"},
    {"the ingredients seen",
     "new_ingridient_screen",
     "play",
     {},
     {},
     "GameScreen",
     {},
     {{kClose, "curtain_close"}, {kOpen, ""}}},
    {"a tip's window closed", "HintScreen", "back", {}, {}, ""},
    {"the pause menu", "GameScreen", "menu", {}, {}, "InGameMenuScreen over"},
    {"the manual from a level", "GameScreen", "help", {}, {}, "HelpScreen over", {{kPage, 1.0f}}},
    {"the window closed", "ProgressMapScreen", "quit", {}, {}, "confirm_exit_screen over closing"},
    {"the title's quit", "SplashScreen", "back", {}, {}, "confirm_exit_screen over"},
    {"the exit agreed", "confirm_exit_screen", "yes", {}, {}, ""},
    {"the extras", "ProgressMapScreen", "main_menu", {}, {}, "MainMenuScreen over"},
    {"the trophy room", "MainMenuScreen", "gingerroom", {}, {}, "GingerRoomScreen", {}, kCurtain},
};
INSTANTIATE_TEST_SUITE_P(Walk, SampleFlowRulesTest, testing::ValuesIn(kWalk));

const Case kLevelEnds[] = {
    {"won: the new ribbon marked",
     "GameScreen",
     "exit",
     {{kOutcome, 1.0f}, {kPlace, 1.0f}},
     {{kPlayed, "stage1_1"}},
     "StatisticsScreen",
     {},
     {{kNewRibbon, "stage1_1"}, {kOpen, "curtain_open"}, {kClose, "curtain_close"}}},
    {"failed",
     "GameScreen",
     "exit",
     {{kOutcome, -1.0f}, {kPlace, 4.0f}},
     {},
     "LoseScreen",
     {},
     {{kNewRibbon, ""}}},
    {"a bonus level", "GameScreen", "exit", {{kPlace, 101.0f}}, {}, "BonusStatisticsScreen"},
    {"a duel won",
     "GameScreen",
     "exit",
     {{kOutcome, 1.0f}, {kPlace, 201.0f}},
     {},
     "DuelStatisticsScreen"},
    {"a duel lost",
     "GameScreen",
     "exit",
     {{kOutcome, 1.0f}, {kPlace, 202.0f}},
     {},
     "DuelLoseScreen"},
    {"no result", "GameScreen", "exit", {{kPlace, 0.0f}}, {}, ""},
};
INSTANTIATE_TEST_SUITE_P(LevelEnds, SampleFlowRulesTest, testing::ValuesIn(kLevelEnds));

const Case kUnlockChain[] = {
    {"new recipes; the level to play forgotten",
     "StatisticsScreen",
     "next",
     {{kLevel, 1.0f}, {kRecipes, 2.0f}},
     {{kToPlay, "stage1_1"}},
     "new_recept_screen",
     {{kLevel, 2.0f}, {kStage, 1.0f}},
     {{kToPlay, ""}}},
    {"nothing new",
     "StatisticsScreen",
     "next",
     {{kLevel, 1.0f}},
     {},
     "ProgressMapScreen",
     {{kLevel, 2.0f}},
     {{kOpen, "curtain_open"}}},
    {"an outfit granted",
     "StatisticsScreen",
     "next",
     {{kLevel, 1.0f}, {kOutfit, 1.0f}},
     {},
     "new_dress_screen",
     {{kLevel, 2.0f}}},
    {"a replay keeps float 0",
     "StatisticsScreen",
     "next",
     {{kLevel, 2.0f}, {kReplay, 1.0f}},
     {},
     "ProgressMapScreen",
     {{kLevel, 2.0f}, {kStage, 1.0f}}},
    {"a stage's end: its print first",
     "StatisticsScreen",
     "next",
     {{kLevel, 2.0f}},
     {},
     "new_dress_screen",
     {{kLevel, 1.0f}, {kStage, 2.0f}, {kOpening, 2.0f}}},
    {"a stage's end with recipes",
     "StatisticsScreen",
     "next",
     {{kLevel, 2.0f}, {kRecipes, 1.0f}},
     {},
     "new_recept_screen",
     {{kLevel, 1.0f}, {kStage, 2.0f}}},
    {"a duel's end counts too",
     "DuelStatisticsScreen",
     "next",
     {{kLevel, 1.0f}},
     {},
     "ProgressMapScreen",
     {{kLevel, 2.0f}}},
    {"won, played again", "StatisticsScreen", "replay", {}, {}, "GameScreen", {{kReplay, 1.0f}}},
    {"recipes, nothing more",
     "new_recept_screen",
     "ok",
     {{kLevel, 2.0f}},
     {},
     "ProgressMapScreen",
     {},
     {{kOpen, "curtain_open"}}},
    {"recipes, then the outfit",
     "new_recept_screen",
     "ok",
     {{kLevel, 2.0f}, {kOutfit, 1.0f}},
     {},
     "new_dress_screen"},
    {"recipes, then the print",
     "new_recept_screen",
     "ok",
     {{kLevel, 1.0f}},
     {},
     "new_dress_screen"},
    {"recipes of a replayed first level",
     "new_recept_screen",
     "ok",
     {{kLevel, 1.0f}, {kReplay, 1.0f}},
     {},
     "ProgressMapScreen"},
    {"the print, then the stage's end",
     "new_dress_screen",
     "ok",
     {{kLevel, 1.0f}},
     {},
     "StageStatisticsScreen",
     {{kLevel, 1.0f}, {kStage, 1.0f}}},
    {"the outfit, then the map",
     "new_dress_screen",
     "ok",
     {{kLevel, 2.0f}},
     {},
     "ProgressMapScreen"},
    {"the standings", "StageStatisticsScreen", "next", {}, {}, "LoserScreen"},
    {"the recipes in the book",
     "new_recept_screen",
     "cookbook",
     {},
     {},
     "CookingBookScreen",
     {},
     {{kMark, "new_recept"}}},
    {"the print in the book",
     "new_dress_screen",
     "cookbook",
     {},
     {},
     "CookingBookScreen",
     {},
     {{kMark, "new_print"}}},
    {"the book, on to the outfit",
     "CookingBookScreen",
     "exit",
     {{kLevel, 2.0f}, {kOutfit, 1.0f}},
     {{kMark, "new_recept"}},
     "new_dress_screen",
     {},
     {{kMark, ""}}},
    {"the book, on to the map",
     "CookingBookScreen",
     "exit",
     {{kLevel, 2.0f}},
     {{kMark, "new_recept"}},
     "ProgressMapScreen",
     {},
     {{kMark, ""}}},
    {"the book, on to the stage's end",
     "CookingBookScreen",
     "exit",
     {{kLevel, 1.0f}},
     {{kMark, "new_print"}},
     "StageStatisticsScreen",
     {},
     {{kMark, ""}}},
    {"the book, back to the room",
     "CookingBookScreen",
     "exit",
     {},
     {{kMark, ""}},
     "GingerRoomScreen"},
    {"the room's book",
     "GingerRoomScreen",
     "cookbook",
     {},
     {{kMark, "new_print"}},
     "CookingBookScreen",
     {},
     {{kMark, ""}}},
};
INSTANTIATE_TEST_SUITE_P(UnlockChain, SampleFlowRulesTest, testing::ValuesIn(kUnlockChain));

const Case kLeavingALevel[] = {
    {"failed, to the map",
     "LoseScreen",
     "map",
     {},
     {{kToPlay, "stage1_2"}},
     "ProgressMapScreen",
     {},
     {{kToPlay, ""}}},
    {"failed, again",
     "LoseScreen",
     "replay",
     {},
     {{kToPlay, "stage1_2"}},
     "GameScreen",
     {},
     {{kToPlay, "stage1_2"}}},
    {"a bonus level's result",
     "BonusStatisticsScreen",
     "next",
     {},
     {{kToPlay, "bonus_diference_1"}},
     "ProgressMapScreen",
     {},
     {{kToPlay, ""}}},
    {"a duel lost, to the map",
     "DuelLoseScreen",
     "map",
     {},
     {{kToPlay, "duel_1"}},
     "ProgressMapScreen",
     {},
     {{kToPlay, ""}}},
    {"paused, to the map",
     "InGameMenuScreen",
     "map",
     {},
     {{kToPlay, "stage1_2"}},
     "ProgressMapScreen",
     {},
     {{kToPlay, ""}}},
    {"paused, played again",
     "InGameMenuScreen",
     "replay",
     {},
     {{kToPlay, "stage1_2"}},
     "GameScreen",
     {},
     {{kToPlay, "stage1_2"}}},
};
INSTANTIATE_TEST_SUITE_P(LeavingALevel, SampleFlowRulesTest, testing::ValuesIn(kLeavingALevel));

const Case kMenus[] = {
    {"the manual's next page",
     "HelpScreen",
     "next",
     {{kPage, 2.0f}},
     {},
     "HelpScreen over closing",
     {{kPage, 3.0f}}},
    {"the manual's page before",
     "HelpScreen",
     "prev",
     {{kPage, 2.0f}},
     {},
     "HelpScreen over closing",
     {{kPage, 1.0f}}},
    {"the manual left", "HelpScreen", "exit", {}, {}, "", {}, {{kCommand, "back"}}},
    {"a removal asked",
     "ChangePlayerScreen",
     "remove",
     {},
     {},
     "confirm_screen over",
     {},
     {{kMark, "remove"}}},
    {"a removal agreed",
     "confirm_screen",
     "yes",
     {},
     {{kMark, "remove"}},
     "",
     {},
     {{kAnswer, "yes"}, {kMark, ""}}},
    {"a removal refused",
     "confirm_screen",
     "no",
     {},
     {{kMark, "remove"}},
     "",
     {},
     {{kAnswer, ""}, {kMark, ""}}},
    {"another question agreed", "confirm_screen", "yes", {}, {}, "", {}, {{kAnswer, ""}}},
};
INSTANTIATE_TEST_SUITE_P(Menus, SampleFlowRulesTest, testing::ValuesIn(kMenus));

}  // namespace
