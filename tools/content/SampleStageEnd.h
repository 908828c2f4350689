#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelDescription.h"
#include "tools/content/SampleResources.h"

// The sample content of a stage's end, drawn from the sample art:
// - the standings' layouts "main_menu.stage_statistics_screen" and, for the final stage,
//   "_2": the podium's places "_place_1" to "_place_3" and their points "_points_1" to
//   "_3", the row's place "_place_4", the cups "cup_1" to "cup_3" (each a holder
//   "main_menu.cup_holder" with "_cup_place" and "_light_place", hidden by "_hide", rising
//   by "_show"), "place_country" and the button "_item_continue", which shows by "_show";
// - the competitors 0 to 7: cheering "interfaces.pers_big_<id>", dropping out
//   "interfaces.pers_bad_<id>", and their name plates "interfaces.pers_name_<id>";
// - the row's pennant "main_menu.ribbon_5" ("_place", "_pers_place", "_points"), the cups
//   "main_menu.cup_<place>_<stage>" (places 1 to 3, stages 1 to 6) and the player's light
//   "main_menu.cup_light_1";
// - the drop-out layouts "main_menu.loser_screen" (object "loser_screen": "_pers_place",
//   "_name_place") and "main_menu.dropout_screen", each with "_item_ok";
// - the sparkles "Particle\show_cup_1.fgp", the sounds 28 ("Stage_complete") and 30 and the
//   chime "level_place", the texts, and the rivals whose points rank all eight competitors at the
//   first stage's end.

// The resource script's part; `before` (the script so far) holds the art's sprites and the
// result screens' script functions.
std::string MakeStageEndScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& StageEndTexts();

// The sound table's numbers 28 and 30.
void AddStageEndSounds(GameData& data);

// Every rival with its target points in the sample stage's last level, so that the stage's
// end ranks all eight competitors.
std::vector<LevelRival> SampleStageRivals();

// The particle file and the sounds.
bool WriteStageEndFiles(const std::filesystem::path& outDir);
