#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "tools/content/SampleResources.h"

// The sample content of the unlock screens, drawn from the sample art:
// - the outfit screen's layouts "main_menu.new_dress" and "print_screen" (parts "_item_dres",
//   "_text", "_item_ok");
// - an outfit on its hanger per dress, "Ginger_room.dres_0" to "_4" (parts "_part_1" in
//   colour, "_part_2" grey, and the button looks "_up", "_over", "_down", "_disabled"),
//   which the trophy room shows too, and the stages' recipe cards "cookingbook.recept_1" to
//   "_7" with the same parts;
// - the ingredient screen's layouts "main_menu.ingredients_screen_1" to "_3" ("caption_2",
//   "_place", "_item_ok") and its element "main_menu.element_ingr" ("_text", "_place");
// - the recipe screen's layout "main_menu.new_recept" ("_text", "_place", "_item_ok",
//   "_item_cookbook") and its plates "main_menu.recept_place_0" to "_4" (a dish's place and
//   its name per recipe, in turn);
// - the ingredient "Ingredients.maple_syrup", new on "stage1_1";
// - their texts, and the sounds 11, 20 and 21.

// The resource script's part; `before` (the script so far) holds the art's sprites.
std::string MakeUnlockScreensScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& UnlockScreenTexts();

// The sounds' names in the game data's sound table.
void AddUnlockScreenSounds(GameData& data);
// The maple syrup in the catalogue, and on the first level's new ingredients.
void AddUnlockScreenObjects(LibraryData& library);
void AddUnlockScreenLevels(LevelsData& levels);

// "Sound/<name>.ogg" of the three unlock sounds.
bool WriteUnlockScreenSounds(const std::filesystem::path& outDir);

// How many recipes the largest plate holds.
inline constexpr int kSampleRecipePlates = 4;
