#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "tools/content/SampleResources.h"

// The sample content of the menu screens:
// - the title layout "main_menu.title": the kitchen backdrop, the logo dropping in, the six
//   buttons "_item_options", "_item_help", "_item_hight_score", "_item_play",
//   "_item_new_player" and "_item_quit" (each with its icon and "_text"), the hint plate with
//   "_hint", and as its drawable 10 the place of the ribbon "main_menu.lenta", which slides
//   in with the game's name on "_show";
// - the second game cursor "cursor.custom_2";
// - the exit question's texts ("confirm_exit"), shown in the framework's question layout;
// - the music "music_main_menu" and the dialog buttons' sound "click_menu";
// - the flow rules that ask the exit question: the title's "back" and any screen's "quit".
//
// Its pictures are sheets of the sample art (tools/content/art). The part of the resource
// script goes after the art's, which it names; its text infos are numbered after those that
// `before` (the script so far) declares.
std::string MakeMenusScreensScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& MenusScreenTexts();

// The rules of the exit question, into the game data's rule table.
void AddMenusScreenRules(GameData& data);

// "Sound/music_main_menu.ogg" and "Sound/click_menu.ogg".
bool WriteMenusScreenSounds(const std::filesystem::path& outDir);

// Where the title's buttons stand on the 800 x 600 screen: the middle of each.
struct TitleButtonPlace {
  const char* name;
  int x, y;
};
const std::vector<TitleButtonPlace>& TitleButtonPlaces();
