#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "tools/content/SampleResources.h"

// The sample content of the trophy room, drawn from the sample art:
// - the layout "Ginger_room.room": the room's backdrop, the wardrobe's places
//   "_dres_place_1" to "_6", the changing corner's curtain "_shtora" ("Ginger_room.shtora",
//   whose "all" closes it by the middle of its run and opens it again), the layout's own
//   balloon "_baloon", a place "_" + name per sample souvenir, the cups' places
//   "cubok_place_1" to "_7" on the cabinet's shelves, and the buttons "_item_exit" and
//   "_item_cookbook";
// - the wardrobe place "Ginger_room.dres_button" ("-place" for the outfit, "_up", "_over",
//   "_leave", "_disabled") and the souvenirs "Ginger_room.<name>" ("_part_1" won, "_part_2"
//   not yet), in the catalogue with the cups "main_menu.cup_<place>_<stage>";
// - the level "other_1", whose floor the cook stands on, and the souvenirs' upgrades;
// - the texts, the sounds 22 and 23, the new outfit's sparkles
//   "Particle\new_dress_room.fgp".

// The resource script's part; `before` (the script so far) holds the art's sprites.
std::string MakeTrophyRoomScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& TrophyRoomTexts();

// The sounds' names in the game data's sound table.
void AddTrophyRoomSounds(GameData& data);

// The room's layout, as the flow rules open it.
inline constexpr const char* kRoomLayout = "Ginger_room.room";
// The souvenirs and the cups in the catalogue.
void AddTrophyRoomObjects(LibraryData& library);
// The level "other_1" and the souvenirs' upgrades 24 (first stage) and 25 (second).
void AddTrophyRoomLevels(LevelsData& levels);

// The sounds and the particle file.
bool WriteTrophyRoomFiles(const std::filesystem::path& outDir);

// The sample souvenirs' names, as their upgrades name them.
inline constexpr const char* kSampleSouvenirs[] = {"golden_whisk", "star_plate"};
