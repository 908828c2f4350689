// The game's screen table on the program's application and the sample content: each of the
// 31 names makes the class the game registers under it, opened with the layout and parameter
// of the sample rule that opens it (the kitchen opens the hint window with its tip's layout;
// no sample rule opens the bonus question) after that rule's actions, on the first player
// who has just won the first level; and no layout a rule
// names is missing.

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/core/IScene.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/resources/CResource.h"
#include "game/app/CFlowRuleRunner.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ScreenTable.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

const std::map<std::string, std::string> kClasses = {
    {"SplashScreen", "CSplashScreen"},
    {"GameScreen", "CGameScreen"},
    {"LoseScreen", "CLoseScreen"},
    {"StatisticsScreen", "CStatisticsScreen"},
    {"MainMenuScreen", "CMainMenuScreen"},
    {"OptionsScreen", "CCookOptionsMenuScreen"},
    {"InGameMenuScreen", "CIngameMenuScreen"},
    {"StageStatisticsScreen", "CStageStatisticsScreen"},
    {"confirm_exit_screen", "CCookConfirmMenuScreen"},
    {"confirm_screen", "CCookConfirmMenuScreen"},
    {"new_player_screen", "CCookNewPlayerMenuScreen"},
    {"ChangePlayerScreen", "CCookChangePlayerScreen"},
    {"HighScoreScreen", "CHighScoreScreen"},
    {"message_screen", "CCookConfirmMenuScreen"},
    {"CreditsScreen", "CCreditsScreen"},
    {"new_ingridient_screen", "CNewIngridientScreen"},
    {"new_recept_screen", "CNewReceptScreen"},
    {"bonus_message_screen", "CCookConfirmMenuScreen"},
    {"CookingBookScreen", "CCookBook"},
    {"GingerRoomScreen", "CJingerRoom"},
    {"ProgressMapScreen", "CMapScreen"},
    {"BonusStatisticsScreen", "CBonusStatisticsScreen"},
    {"HelpScreen", "CHelpScreen"},
    {"DuelStatisticsScreen", "CDuelStatisticsScreen"},
    {"DuelLoseScreen", "CDuelLoseScreen"},
    {"PublisherScreen", "CCookPublisherScreen"},
    {"new_dress_screen", "CNewDresScreen"},
    {"HintScreen", "CHintScreen"},
    {"LoserScreen", "CLoserScreen"},
    {"ComicsScreen", "CComiksScreen"},
    {"DialogScreen", "CDialogScreen"},
};

// The screens no sample rule opens, with the layouts they are opened with.
const std::map<std::string, std::string> kOpenedElsewhere = {
    {"HintScreen", "main_menu.hint_window"},
    {"bonus_message_screen", "main_menu.confirm_screen"},
};

// The class's own name, without namespaces.
std::string ClassName(const GF::IScreen& screen) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(typeid(screen).name(), nullptr, nullptr, &status), &std::free);
  const std::string full = status == 0 ? name.get() : typeid(screen).name();
  const std::size_t colons = full.rfind("::");
  return colons == std::string::npos ? full : full.substr(colons + 2);
}

// Runs a rule's actions on the profile, as the flow does before it opens the rule's screen.
class CActionRunner : public CFlowRuleRunner {
 protected:
  void SendScreenCommand(const GF::THolder<GF::IScreen>&, const std::string&) override {}
};

// The first player's values, the first level just won: what the screens after a level show.
void JustWonTheFirstLevel() {
  ResetProgressToDefault();
  PlayerProfile& player = CurrentProfile();
  player.Strings[ProfileString::CurrentLevelKey] = "stage1_1";
  player.Floats[ProfileFloat::CurrentPlace] = 1.0f;
  player.LevelRecords["stage1_1"].BestPlace = 1;
}

const FlowRule* RuleOpening(const std::string& screen) {
  for (const FlowRule& rule : FlowRules)
    if (rule.target == screen) return &rule;
  return nullptr;
}

class GameScreensTest : public pm::test::GameScreenTest {};

TEST_F(GameScreensTest, EachNameMakesItsClassWithItsLayout) {
  std::map<std::string, std::string> made;
  std::vector<std::string> missingLayouts;
  Run("PublisherScreen", "main_menu.publisher", "frames 3\n", [&](int frame) {
    if (frame != 1) return;
    const GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
    manager->DestroyAllScreens();
    for (const FlowRule& rule : FlowRules)
      if (!rule.layout.empty() && !GF::HGENS::GetResources()->GetAnimationData(rule.layout))
        missingLayouts.push_back(rule.layout);
    for (std::string_view view : GameScreenNames) {
      const std::string name(view);
      const FlowRule* rule = RuleOpening(name);
      JustWonTheFirstLevel();
      if (rule) CActionRunner().RunRuleActions(nullptr, *rule);
      const std::string layout = rule ? rule->layout : kOpenedElsewhere.at(name);
      const std::string parameter = rule ? rule->parameter : "";
      manager->CreateScreen(name, layout, nullptr, parameter.c_str());
      if (const GF::THolder<GF::IScreen> top = manager->TopScreen()) made[name] = ClassName(*top);
      manager->DestroyAllScreens();
    }
  });
  EXPECT_EQ(made, kClasses);
  EXPECT_EQ(missingLayouts, std::vector<std::string>{});
  for (const std::string& line : log) {
    EXPECT_EQ(line.find("not found"), std::string::npos) << line;
    EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
    EXPECT_EQ(line.find("Can't find screen"), std::string::npos) << line;
  }
}

}  // namespace
