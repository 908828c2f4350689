#pragma once

#include <filesystem>
#include <string>

#include "game/app/GameData.h"

// The sample content of the curtain between screens: the animation "effects.shtora" over the
// art's curtain cloth, the wave paths "curtain_open" and "curtain_close" (with their "_2"
// shape curves), the sounds "curtain" and "mouse_over" that the game data's sound table
// names, and a plain screen layout "main_menu.curtain_stage" (the menu's background, shown
// from the first frame).

// The script's part; `before` (the script so far) holds the art's sprites.
std::string MakeCurtainScript(const std::string& before);

// The wave paths, into the game data's path table.
void AddCurtainPaths(GameData& data);

// "Sound/curtain.ogg" and "Sound/mouse_over.ogg".
bool WriteCurtainSounds(const std::filesystem::path& outDir);
