#include "game/screens/GameScreens.h"

#include "game/screens/CGameScreen.h"
#include "game/screens/CHintScreen.h"
#include "game/screens/CWindowShadesEffect.h"
#include "game/screens/cookbook/CCookBook.h"
#include "game/screens/map/CMapScreen.h"
#include "game/screens/menus/CCookChangePlayerScreen.h"
#include "game/screens/menus/CCookConfirmMenuScreen.h"
#include "game/screens/menus/CCookNewPlayerMenuScreen.h"
#include "game/screens/menus/CCookOptionsMenuScreen.h"
#include "game/screens/menus/CCookPublisherScreen.h"
#include "game/screens/menus/CCreditsScreen.h"
#include "game/screens/menus/CHelpScreen.h"
#include "game/screens/menus/CHighScoreScreen.h"
#include "game/screens/menus/CIngameMenuScreen.h"
#include "game/screens/menus/CMainMenuScreen.h"
#include "game/screens/menus/CSplashScreen.h"
#include "game/screens/results/CBonusStatisticsScreen.h"
#include "game/screens/results/CDuelLoseScreen.h"
#include "game/screens/results/CDuelStatisticsScreen.h"
#include "game/screens/results/CLoseScreen.h"
#include "game/screens/results/CStageStatisticsScreen.h"
#include "game/screens/results/CStatisticsScreen.h"
#include "game/screens/story/CComiksScreen.h"
#include "game/screens/story/CDialogScreen.h"
#include "game/screens/story/CLoserScreen.h"
#include "game/screens/trophy/CJingerRoom.h"
#include "game/screens/unlock/CNewDresScreen.h"
#include "game/screens/unlock/CNewIngridientScreen.h"
#include "game/screens/unlock/CNewReceptScreen.h"

namespace {

// One row per game screen, in the order a game meets them.
constexpr ScreenTableRow kGameScreens[] = {
    {"PublisherScreen", CCookPublisherScreen::Create},
    {"HelpScreen", CHelpScreen::Create},
    {"HighScoreScreen", CHighScoreScreen::Create},
    {"MainMenuScreen", CMainMenuScreen::Create},
    {"CreditsScreen", CCreditsScreen::Create},
    {"new_player_screen", CreateNewPlayerScreen},
    {"ChangePlayerScreen", CreateChangePlayerScreen},
    {"OptionsScreen", CreateOptionsScreen},
    {"InGameMenuScreen", CreateInGameMenuScreen},
    {"SplashScreen", CSplashScreen::Create},
    {"confirm_exit_screen", CCookConfirmMenuScreen::Create},
    {"confirm_screen", CCookConfirmMenuScreen::Create},
    {"message_screen", CCookConfirmMenuScreen::Create},
    {"bonus_message_screen", CCookConfirmMenuScreen::Create},
    {"GameScreen", CGameScreen::Create},
    {"HintScreen", CHintScreen::Create},
    {"ProgressMapScreen", CMapScreen::Create},
    // The story.
    {"ComicsScreen", CComiksScreen::Create},
    {"DialogScreen", CDialogScreen::Create},
    // After a level.
    {"StatisticsScreen", CreateStatisticsScreen},
    {"LoseScreen", CreateLoseScreen},
    {"BonusStatisticsScreen", CreateBonusStatisticsScreen},
    {"DuelStatisticsScreen", CreateDuelStatisticsScreen},
    {"DuelLoseScreen", CreateDuelLoseScreen},
    {"new_ingridient_screen", CNewIngridientScreen::Create},
    {"new_recept_screen", CNewReceptScreen::Create},
    {"new_dress_screen", CNewDresScreen::Create},
    // At a stage's end.
    {"StageStatisticsScreen", CreateStageStatisticsScreen},
    {"LoserScreen", CLoserScreen::Create},
    // Around the levels.
    {"CookingBookScreen", CCookBook::Create},
    {"GingerRoomScreen", CJingerRoom::Create},
};

}  // namespace

ScreenTable GetGameScreens() {
  return {kGameScreens, ReleaseGameScreenParts};
}

void ReleaseGameScreenParts() {
  CWindowShadesEffect::ReleaseShared();
}
