#pragma once

// The game's screen classes, as the application registers them. The screens library builds
// on this one, so the application never names a screen class: the screens library makes a
// ScreenTable (for example GetGameScreens() in game/screens/GameScreens.h), the program's
// main() takes it and hands it to the application (CApplication's constructor).

#include <array>
#include <span>
#include <string_view>

#include "framework/engine/app/CGameManager.h"

// The names of the game's screens, in the order the application registers them. Several
// names may share a class (the confirmation screens).
inline constexpr std::array<std::string_view, 31> GameScreenNames = {
    "SplashScreen",        "GameScreen",
    "LoseScreen",          "StatisticsScreen",
    "MainMenuScreen",      "OptionsScreen",
    "InGameMenuScreen",    "StageStatisticsScreen",
    "confirm_exit_screen", "confirm_screen",
    "new_player_screen",   "ChangePlayerScreen",
    "HighScoreScreen",     "message_screen",
    "CreditsScreen",       "new_ingridient_screen",
    "new_recept_screen",   "bonus_message_screen",
    "CookingBookScreen",   "GingerRoomScreen",
    "ProgressMapScreen",   "BonusStatisticsScreen",
    "HelpScreen",          "DuelStatisticsScreen",
    "DuelLoseScreen",      "PublisherScreen",
    "new_dress_screen",    "HintScreen",
    "LoserScreen",         "ComicsScreen",
    "DialogScreen",
};

// One screen class under the name the flow rules and the game manager know it by, e.g.
// {"StatisticsScreen", CreateStatisticsScreen}.
struct ScreenTableRow {
  const char* name;
  GF::HGENS::ScreenCreator create;
};

struct ScreenTable {
  // Rows in static storage, in any order. A name that is not one of the game's screens
  // (GameScreenNames) is logged and skipped; a game screen without a row stays
  // unregistered (or keeps the framework's class, for the three the framework registers).
  std::span<const ScreenTableRow> rows;
  // Releases what the screens share (such as the curtain): called once at shutdown, after
  // every screen is destroyed and before the resources are unloaded. Null when nothing is
  // shared.
  void (*releaseShared)() = nullptr;
};
