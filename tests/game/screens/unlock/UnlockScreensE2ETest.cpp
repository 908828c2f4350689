// The unlock screens end to end on the game's application, headless, in frames of 20 ms, each
// opened by the start rule of the served game data on the player's profile as a level leaves
// it: the first level's new ingredients appearing one by one, the plate of two new recipes,
// and the outfit screen's print variant after a stage's first level. Shots checked at a few
// pixels; the run's log names no missing resource.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/ScreenShotTest.h"

namespace {

class UnlockScreensE2ETest : public pm::test::ScreenShotTest {};

using pm::test::NearColour;

// The green of the ingredients' tiles.
bool IsTile(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return g > 180 && g > r + 12 && g > b + 25;
}

int TilePixels(const pm::test::Shot& shot, int centreX) {
  int count = 0;
  for (int y = 260; y < 340; ++y)
    for (int x = centreX - 40; x < centreX + 40; ++x) count += IsTile(shot.At(x, y));
  return count;
}

TEST_F(UnlockScreensE2ETest, TheFirstLevelsIngredientsAppearOneByOne) {
  // The board before any element, the first one alone 1.4 s after the screen was built, and
  // all three (eggs, flour, maple syrup) at 3 s.
  RunWithShots("new_ingridient_screen", "", "unlock_ingredients", 152,
               {{20, "board.png"}, {70, "first.png"}, {150, "all.png"}});
  ASSERT_TRUE(CanRender());
  const auto board = Load("board.png");
  const auto first = Load("first.png");
  const auto all = Load("all.png");
  const int columns[] = {295, 400, 505};
  for (int x : columns) EXPECT_LT(TilePixels(*board, x), 20) << x;
  EXPECT_GT(TilePixels(*first, columns[0]), 1500);
  EXPECT_LT(TilePixels(*first, columns[1]), 20);
  EXPECT_LT(TilePixels(*first, columns[2]), 20);
  for (int x : columns) EXPECT_GT(TilePixels(*all, x), 1500) << x;
  // The names are written in dark ink on the tiles, two lines for "Maple syrup".
  EXPECT_GT(all->Count(465, 305, 545, 345, 90, true), 60);
}

TEST_F(UnlockScreensE2ETest, TwoNewRecipesStandOnTheirPlate) {
  onCreated = [](GF::IScreen&) {
    CurrentProfile().Floats[ProfileFloat::NewRecipeCount] = 2.0f;
    CurrentProfile().NewRecipes() = {"Dishes.batter", "Dishes.pancakes"};
  };
  RunWithShots("new_recept_screen", "main_menu.new_recept", "unlock_recipes", 42,
               {{40, "plate.png"}});
  ASSERT_TRUE(CanRender());
  const auto plate = Load("plate.png");
  // The dishes' middles, 65 either side of the screen's middle, 22 above it.
  EXPECT_TRUE(NearColour(plate->At(335, 278), 0xF3E5AB)) << std::hex << plate->At(335, 278);
  EXPECT_TRUE(NearColour(plate->At(465, 278), 0xD9A441)) << std::hex << plate->At(465, 278);
  // Their names under them, and the heading on the ribbon.
  EXPECT_GT(plate->Count(300, 318, 370, 345, 90, true), 40);
  EXPECT_GT(plate->Count(425, 318, 505, 345, 90, true), 40);
  EXPECT_GT(plate->Count(300, 126, 500, 150, 230, false), 100);
}

TEST_F(UnlockScreensE2ETest, AStagesFirstLevelShowsItsRecipeCardToPrint) {
  onCreated = [](GF::IScreen&) {
    PlayerProfile& p = CurrentProfile();
    p.Strings[ProfileString::CurrentLevelKey] = "stage1_1";
    p.Floats[ProfileFloat::LevelInStage] = 1.0f;
    p.Floats[ProfileFloat::StageNumber] = 1.0f;
  };
  RunWithShots("new_dress_screen", "main_menu.new_dress", "unlock_print", 42, {{40, "print.png"}});
  ASSERT_TRUE(CanRender());
  const auto print = Load("print.png");
  // The first stage's card: its red ribbon over the pancakes.
  EXPECT_TRUE(NearColour(print->At(370, 206), 0xE8503A)) << std::hex << print->At(370, 206);
  // "Print the recipe of Sunny Breakfast!" in dark ink across the board below it.
  EXPECT_GT(print->Count(180, 352, 620, 386, 90, true), 300);
  EXPECT_LT(print->Count(180, 338, 250, 370, 90, true), print->Count(250, 338, 550, 370, 90, true));
}

TEST_F(UnlockScreensE2ETest, AWonOutfitHangsOverItsName) {
  onCreated = [](GF::IScreen&) {
    PlayerProfile& p = CurrentProfile();
    p.Strings[ProfileString::CurrentLevelKey] = "stage1_2";
    p.Floats[ProfileFloat::LevelInStage] = 2.0f;
    p.Floats[ProfileFloat::StageNumber] = 1.0f;
    p.Floats[ProfileFloat::Value17] = 1.0f;
  };
  RunWithShots("new_dress_screen", "main_menu.new_dress", "unlock_outfit", 42,
               {{40, "outfit.png"}});
  ASSERT_TRUE(CanRender());
  const auto outfit = Load("outfit.png");
  // The pink jacket of dress 1 on its hanger, its name in two lines below.
  const std::uint32_t jacket = outfit->At(380, 270);
  const int r = (jacket >> 16) & 0xFF, g = (jacket >> 8) & 0xFF, b = jacket & 0xFF;
  EXPECT_TRUE(r > 230 && g < r - 20 && b < r - 10 && b > 150) << std::hex << jacket;
  EXPECT_GT(outfit->Count(200, 330, 600, 400, 90, true), 300);
}

}  // namespace
