// The outfit screen: which picture a level index shows, and on the real program the layout,
// picture, text, commands and "dres" button for a stage's first level, a replay, stage 7's
// eighth level, an outfit level and a level without a picture of its own.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/ISubstitutedContainer.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/unlock/CNewDresScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kScreen = "new_dress_screen";
constexpr const char* kLayout = "main_menu.new_dress";

TEST(CNewDresScreenTest, TheLevelIndexChoosesThePicture) {
  UpgradeRecord upgrade;
  upgrade.UpgradeId = 3;
  upgrade.Name = "UPG_Bonus_Points";
  const struct {
    int index;
    bool print;
    const char* picture;
  } cases[] = {
      {2, false, "Ginger_room.dres_3"},
      {5, true, "Ginger_room.dres_3"},
      {22, false, "Ginger_room.dres_3"},
      {24, false, "Ginger_room.UPG_Bonus_Points"},
      {43, true, "Ginger_room.UPG_Bonus_Points"},
      {45, false, "Ginger_room.UPG_Bonus_Points"},
      {1, true, "cookingbook.recept_4"},
      {23, true, "cookingbook.recept_4"},
      {44, true, "cookingbook.recept_4"},
      {1, false, ""},
      {23, false, ""},
      {0, false, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CNewDresScreen::PictureName(c.index, upgrade, c.print, 4), c.picture) << c.index;
}

struct Seen {
  std::string layout;
  std::string picture;
  std::wstring text;
  bool dressEnabled = false;
};

struct Visit {
  const char* level;
  float levelInStage, stage, granted, replay;
};

class CNewDresScreenRunTest : public pm::test::GameScreenTest {
 protected:
  // Opens the screen after the visit's level; what it shows, and the command of a click on
  // "ok" (at 400, 450).
  Seen Open(const Visit& visit, std::function<void()> data = {}) {
    onCreated = [&](GF::IScreen&) {
      if (data) data();
      PlayerProfile& p = CurrentProfile();
      p.Strings[ProfileString::CurrentLevelKey] = visit.level;
      p.Floats[ProfileFloat::LevelInStage] = visit.levelInStage;
      p.Floats[ProfileFloat::StageNumber] = visit.stage;
      p.Floats[ProfileFloat::Value17] = visit.granted;
      p.Floats[ProfileFloat::Value35] = visit.replay;
    };
    commands.clear();
    Seen seen;
    Run(kScreen, kLayout, "frames 40\n@30 move 400 450\n@31 buttondown 1\n@32 buttonup 1\n",
        [&](int frame) {
          const auto screen = GF::HGENS::GetGameManager()->TopScreen();
          if (frame != 2 || !screen) return;
          const auto layout = screen->GetLayout();
          seen.layout = layout->GetName();
          const GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer> item{
              layout->FindDrawable("_item_dres")};
          if (item && item->GetSubstitutedAnimation(0))
            seen.picture = item->GetSubstitutedAnimation(0)->GetName();
          seen.text = *layout->GetText("_text");
          seen.dressEnabled = screen->GetControl("dres")->IsEnabled();
        });
    return seen;
  }
};

TEST_F(CNewDresScreenRunTest, AStagesFirstLevelInvitesToPrintItsRecipe) {
  pm::test::RecordGameSounds();
  const Seen seen = Open({"stage1_1", 1.0f, 1.0f, 0.0f, 0.0f});
  EXPECT_EQ(seen.layout, "print_screen");
  EXPECT_EQ(seen.picture, "recept_1");
  EXPECT_EQ(seen.text, L"Print the recipe of Sunny Breakfast!");
  EXPECT_TRUE(seen.dressEnabled);
  EXPECT_EQ(commands, Lines{"new_dress_screen:cookbook"});
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play unlock_outfit 1 0.000000"), 1);
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

TEST_F(CNewDresScreenRunTest, AReplayKeepsTheFlowsLayoutAndDisablesDresUnlessGranted) {
  const Seen replay = Open({"stage1_1", 1.0f, 1.0f, 0.0f, 1.0f});
  EXPECT_EQ(replay.layout, "new_dress");
  EXPECT_EQ(replay.picture, "dres_0");  // index 1 has no picture on this layout
  EXPECT_EQ(replay.text, L"");
  EXPECT_FALSE(replay.dressEnabled);
  EXPECT_EQ(commands, Lines{"new_dress_screen:ok"});

  EXPECT_TRUE(Open({"stage1_1", 1.0f, 1.0f, 1.0f, 1.0f}).dressEnabled);
  EXPECT_EQ(Open({"stage1_1", 8.0f, 7.0f, 0.0f, 0.0f}).layout, "print_screen");
  EXPECT_EQ(Open({"stage1_1", 8.0f, 6.0f, 0.0f, 0.0f}).layout, "new_dress");
}

TEST_F(CNewDresScreenRunTest, AnOutfitShowsItsHangerAndAnIndexWithoutPictureTheFirstHanger) {
  // stage1_2 has index 2, whose upgrade gives dress 1.
  const Seen outfit = Open({"stage1_2", 2.0f, 1.0f, 1.0f, 0.0f});
  EXPECT_EQ(outfit.layout, "new_dress");
  EXPECT_EQ(outfit.picture, "dres_1");
  EXPECT_EQ(outfit.text, L"A pink jacket:\\nmore points for every dish!");

  const Seen none = Open({"test_23", 2.0f, 1.0f, 1.0f, 0.0f}, [] {
    LevelTable["test_23"].LevelIndex = 23;
    UpgradeTable[23].Name = "UPG_Bonus_Points";
  });
  EXPECT_EQ(none.picture, "dres_0");
  EXPECT_EQ(none.text, L"A pink jacket:\\nmore points for every dish!");
  LevelTable.erase("test_23");
  UpgradeTable.erase(23);
}

}  // namespace
