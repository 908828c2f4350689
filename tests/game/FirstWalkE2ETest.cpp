// A new player's first walk through the whole game, in the program itself on the sample
// content and its flow rules, headless, from a fresh save folder, on the replay script
// first_walk.txt: the logos, the title asking a name ("Abc"), the opening comic, the map, the
// first stage's dialogue and new ingredients, "stage1_1" won by three batters, its result and
// new recipe, the map with the new ribbon, then the window closed and the exit question
// answered. Two runs of the script draw the same pictures. PANMASTER_SHOTS keeps the shots
// for a look.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/app/ProfileFloat.h"
#include "tests/game/app/SavedProgress.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/game/screens/ShotReader.h"
#include "tests/support/ProgramRun.h"

namespace {

using pm::test::Near;
using pm::test::ProgramRun;

const char* const kShots[] = {"title.png",  "map.png",    "ingredients.png",
                              "result.png", "ribbon.png", "question.png"};

ProgramRun Walk(const std::filesystem::path& folder) {
  std::ifstream file(PANMASTER_FIRST_WALK);
  std::stringstream script;
  script << file.rdbuf();
  return pm::test::RunProgram(folder, script.str());
}

// The screens the log names as they are made, in order.
std::vector<std::string> CreatedScreens(const ProgramRun& run) {
  const std::string mark = "Create screen \"";
  std::vector<std::string> screens;
  for (const std::string& line : run.log)
    if (line.starts_with(mark))
      screens.push_back(line.substr(mark.size(), line.size() - mark.size() - 1));
  return screens;
}

TEST(FirstWalkE2ETest, ANewPlayerWinsTheFirstLevelAndFindsItsRibbonOnTheMap) {
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("first_walk");
  const ProgramRun run = Walk(folder);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("LEVEL stage1_1 END place 1 points 52 served 3")) << folder;
  EXPECT_EQ(CreatedScreens(run),
            (std::vector<std::string>{"PublisherScreen", "SplashScreen", "new_player_screen",
                                      "ComicsScreen", "ProgressMapScreen", "DialogScreen",
                                      "new_ingridient_screen", "GameScreen", "HintScreen",
                                      "HintScreen", "StatisticsScreen", "new_recept_screen",
                                      "ProgressMapScreen", "confirm_exit_screen"}));
  for (const std::string& line : run.log) {
    EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
    EXPECT_EQ(line.find("not found"), std::string::npos) << line;
  }
  // The answer ended the game before the script's last shot.
  EXPECT_FALSE(std::filesystem::exists(folder / "late.png"));

  const ProgressBlock saved =
      pm::test::ReadSavedBlock(pm::test::ProgramDataFolder(folder) / "Setting");
  EXPECT_EQ(saved.CurrentPlayer, L"Abc");
  const auto player = saved.Players.find(L"Abc");
  ASSERT_NE(player, saved.Players.end());
  const PlayerProfile& abc = player->second;
  ASSERT_TRUE(abc.LevelRecords.contains("stage1_1"));
  EXPECT_GE(abc.LevelRecords.at("stage1_1").BestPlace, 1);
  EXPECT_LE(abc.LevelRecords.at("stage1_1").BestPlace, 3);
  EXPECT_EQ(abc.Floats.at(ProfileFloat::LevelInStage), 2.0f);
  ASSERT_TRUE(abc.Flags.contains("comics_1"));
  EXPECT_TRUE(abc.Flags.at("comics_1"));

  pm::test::ShotReader shots(folder);
  ASSERT_TRUE(shots.CanRender());
  // The player's name written dark on the title's player button.
  EXPECT_GT(shots.Load("title.png")->Count(520, 296, 590, 324, 80, true), 20);
  // The first stage in front, red; below it grass, where the won level's gold medal hangs
  // later.
  const auto map = shots.Load("map.png");
  EXPECT_TRUE(Near(map->At(400, 280), 0xB8322A, 24));
  EXPECT_FALSE(Near(map->At(381, 385), 0xF9C062, 40));
  const auto ribbon = shots.Load("ribbon.png");
  EXPECT_TRUE(Near(ribbon->At(381, 385), 0xF9C062, 24));
  EXPECT_TRUE(Near(ribbon->At(390, 430), 0x3E7DB1, 24));
  // Its sparkles: bright specks round the medal.
  EXPECT_GT(ribbon->Count(320, 330, 480, 460, 235, false),
            map->Count(320, 330, 480, 460, 235, false));
  // The level's three ingredients, each on its green card.
  const auto ingredients = shots.Load("ingredients.png");
  for (int x : {262, 367, 472}) EXPECT_TRUE(Near(ingredients->At(x, 330), 0xC9EBBF, 16)) << x;
  // The first place's gold rosette on the result card.
  EXPECT_TRUE(Near(shots.Load("result.png")->At(250, 230), 0xF59A3B, 24));
  // The exit question's dark panel over the map.
  EXPECT_TRUE(Near(shots.Load("question.png")->At(400, 300), 0x283C50, 16));

  // A second walk draws every picture again, pixel for pixel.
  const std::filesystem::path again = pm::test::KitchenShots::Folder("first_walk_again");
  EXPECT_EQ(Walk(again).status, 0);
  for (const char* shot : kShots)
    EXPECT_EQ(shots.Load(shot)->CountDifferences(*shots.Load((again / shot).string())), 0) << shot;
}

}  // namespace
