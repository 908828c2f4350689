#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "tools/content/SampleResources.h"

// The sample content of the result screens after a level:
// - the layouts "main_menu.statistics_screen", "main_menu.lose_screen" and
//   "main_menu.bonus_statistics_screen": a card over the restaurant's wall with the level's
//   figures, the places "_ribbon_place", "place_country", "_part_place" and "_fly_place", and
//   the buttons the screens bind;
// - the duel screens' layouts "main_menu.duel_statistics" and "main_menu.duel_lose": the
//   round in the band, the dish's plate "_recept_place", the country "_place_country", the
//   points or time "_time" and the buttons; the plate "main_menu.recept_place_duel" (the
//   dish's place, then its name);
// - the place ribbons "main_menu.ribbon_1" to "_4" and the countries "main_menu.country_1"
//   to "_8";
// - the burst "Particle\win_place.fgp" (drawn with "particles_2"), the sounds behind the sound
//   numbers 17 (a result opens) and 18 (a level failed), the applause "Applause1" to
//   "Applause4" and the music "music_game_menu".
//
// The part of the resource script goes after the art's, whose sprites it names; its text
// infos are numbered after those that `before` (the script so far) declares.
std::string MakeResultsScreensScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& ResultsScreenTexts();

// The sound table's numbers 17 and 18.
void AddResultsScreenData(GameData& data);

// The particle file and the sounds.
bool WriteResultsScreenFiles(const std::filesystem::path& outDir);
