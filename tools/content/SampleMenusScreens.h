#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of the menu screens:
// - the title layout "main_menu.title": the kitchen backdrop, the logo dropping in, the six
//   buttons "_item_options", "_item_help", "_item_hight_score", "_item_play",
//   "_item_new_player" and "_item_quit" (each with its icon and "_text"), the hint plate with
//   "_hint", and as its drawable 10 the place of the ribbon "main_menu.lenta", which slides
//   in with the game's name on "_show";
// - the second game cursor "cursor.custom_2";
// - the options layout "main_menu.options" (also the pause menu's), with the buttons of both
//   variants, the check boxes "interfaces.menu_check_box", the volume sliders and their
//   captions; the player list layout "main_menu.change_player" with its list
//   "interfaces.menu_list", scroll bar and buttons; the questions "confirm_remove" and
//   "name_taken";
// - the exit question's texts ("confirm_exit"), shown in the framework's question layout;
// - the extras menu "main_menu.extras" (five buttons in a column, the highlight "_select"
//   behind them), the credits "main_menu.credits", the manual "main_menu.help" with its pages
//   "help_1" to "help_4", and the high-score table "main_menu.high_score" whose "_text" hosts
//   the eight rows "interfaces.score_table";
// - their buttons "interfaces.menu_item" (a captioned pill), "interfaces.round_back" and
//   "interfaces.round_next" (arrows), the highlight "interfaces.menu_select", and the
//   competitors' portraits "interfaces.pers_0" to "_7" with their names "pers_name_1" to "_8";
// - the music "music_main_menu" and "music_game_menu", the dialog buttons' sound
//   "click_menu" and the portraits' sounds "face_fadein" and "face_fadeout".
//
// Its pictures are sheets of the sample art (tools/content/art). The part of the resource
// script goes after the art's, which it names; its text infos are numbered after those that
// `before` (the script so far) declares.
std::string MakeMenusScreensScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& MenusScreenTexts();

// The sounds and the music, as "Sound/<name>.ogg".
bool WriteMenusScreenSounds(const std::filesystem::path& outDir);

// Where the title's buttons stand on the 800 x 600 screen: the middle of each.
struct TitleButtonPlace {
  const char* name;
  int x, y;
};
const std::vector<TitleButtonPlace>& TitleButtonPlaces();

// The layouts' names, as the flow rules open them.
inline constexpr const char* kExtrasLayout = "main_menu.extras";
inline constexpr const char* kCreditsLayout = "main_menu.credits";
inline constexpr const char* kHelpLayout = "main_menu.help";
inline constexpr const char* kHighScoreLayout = "main_menu.high_score";

// Where the extras menu's buttons stand on the 800 x 600 screen (their middles), top down:
// "settings", "help", "cookbook", "credits"; "back" below them.
inline constexpr int kExtrasButtonX = 400;
inline constexpr int kExtrasButtonY[] = {190, 255, 320, 385};
inline constexpr int kExtrasBackY = 470;
