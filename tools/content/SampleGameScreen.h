#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of the in-level game screen, drawn from the sample art:
// - the HUD's round buttons "interfaces.hud_hint", "hud_menu" and "hud_help" (a lamp, bars
//   and a question mark), which the layout "main_menu.game_screen" places along the bottom
//   edge;
// - the pause picture "pause_screen" (module of empty name): the level dimmed under a note
//   saying "Paused", whose "_show" ends fully shown;
// - the hint windows "main_menu.hint_window" and "main_menu.hint_window_orders" of the window
//   tips (the hint is ready; two orders wait), each a note with its tip's text, "_item_ok" and
//   the close button "_item_back" ("interfaces.hint_close"), left of the order column so
//   that the first order's bubble stays in view, and the sound "hint_open" (sound 13);
// - the stages' music "musik_1" to "musik_7".

// The resource script's part; `before` (the script so far) holds the art's sprites.
std::string MakeGameScreenScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& GameScreenTexts();

// "Sound/musik_<n>.ogg" for the seven stages, and the hint window's sound.
bool WriteGameScreenSounds(const std::filesystem::path& outDir);
