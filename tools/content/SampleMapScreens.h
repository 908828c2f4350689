#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/GridAnimation.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleResources.h"

// The sample content of the progress map: the background picture "map_fon" (a landscape
// whose left and right edges join), its deform key table "map", the level ribbons
// "ProgressMap.ribbon_1" to "_3" (gold, silver, bronze), the level tooltip
// "hints.hint_level", the stages' plates "ProgressMap.stage_1" to "_7", the map's layout
// "ProgressMap.layout" (a shelf with its three buttons), the sparkle burst
// "Particle\map_level.fgp" drawn with the texture "particles_2", and the texts of the
// tooltip and the buttons.
//
// The part of the resource script goes last: its textures, sprite infos and text infos are
// numbered after those that `before` (the script so far) declares.
std::string MakeMapScreensScript(const std::string& before);

// Its pictures, drawn from tools/content/art.
const std::vector<ArtSheet>& MapScreenSheets();

// Its texts, to be appended to the text table.
const std::vector<SampleText>& MapScreenTexts();

// The deform key table "map": 10 x 6 nodes over 900 x 467, flat at 0.0 and bent by up to
// 12 px at 1.0; node (column i, row j) is Rows[i][j].
GridAnimation MakeMapGridAnimation();

// The map's layout, for the rules that open the map.
inline constexpr const char* kMapScreenLayout = "ProgressMap.layout";

// Its textures ("Texture/<n>.png" under the numbers the whole script gives them) and the
// particle file.
bool WriteMapScreenFiles(const std::filesystem::path& outDir);
