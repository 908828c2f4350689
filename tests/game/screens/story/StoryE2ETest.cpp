// The story screens end to end on the game's application, headless, in frames of 20 ms,
// each opened by the start rule of the served game data: the first stage's dialogue on its
// first two lines (the cook's balloon, then the customer stepping up with hers), the
// question's last line with its closing text and answers, and the opening comic part by
// part to its "ok". Shots checked at a few pixels; the runs' logs name no missing resource.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/screens/story/CDialogScreen.h"
#include "tests/game/screens/ScreenShotTest.h"
#include "tests/support/ReplayScript.h"

namespace {

// The story progress the dialogue is opened at.
float gProgress = 0.0f;

GF::THolder<GF::IScreen> CreateDialogAtProgress() {
  CurrentProfile().Floats[ProfileFloat::StoryProgress] = gProgress;
  return CDialogScreen::Create();
}

class StoryE2ETest : public pm::test::ScreenShotTest {
 protected:
  void SetUp() override {
    ScreenShotTest::SetUp();
    reopens = [](const std::string&) { return true; };
    testScreens = {{"DialogScreen", CreateDialogAtProgress}};
    gProgress = 0.0f;
  }
};

using pm::test::ClickAt;
using pm::test::NearColour;

TEST_F(StoryE2ETest, TheFirstDialoguesLinesShowTheirSpeakersBalloons) {
  RunWithShots("DialogScreen", "dialog.dialog_screen", "story_dialog", 150,
               {{35, "line_1.png"}, {145, "line_2.png"}}, ClickAt(40, 690, 568));
  ASSERT_TRUE(CanRender());
  const auto first = Load("line_1.png");
  const auto second = Load("line_2.png");
  // Line 1: the cook's cream balloon right of her head with the line in dark ink; line 2:
  // the customer's blue one left of his, the cook's gone.
  EXPECT_GT(first->Count(210, 125, 470, 160, 90, true), 100);
  EXPECT_TRUE(NearColour(first->At(240, 125), 0xFFE9B8)) << std::hex << first->At(240, 125);
  EXPECT_GT(second->Count(310, 125, 640, 160, 90, true), 100);
  EXPECT_TRUE(NearColour(second->At(620, 125), 0xCFE8FF)) << std::hex << second->At(620, 125);
  EXPECT_TRUE(NearColour(second->At(240, 125), first->At(240, 300)))
      << std::hex << second->At(240, 125);
}

TEST_F(StoryE2ETest, TheQuestionsLastLineOffersYesAndNo) {
  gProgress = 1.0f;
  RunWithShots("DialogScreen", "dialog.dialog_screen", "story_question", 150,
               {{145, "question.png"}}, ClickAt(40, 690, 568));
  ASSERT_TRUE(CanRender());
  const auto question = Load("question.png");
  // The closing text in dark ink over the top of the scene.
  EXPECT_GT(question->Count(250, 20, 550, 60, 90, true), 60);
}

TEST_F(StoryE2ETest, TheOpeningComicShowsItsPanelsOnClicksAndCloses) {
  // A part plays 800 ms and rests 1000 ms before the next click counts.
  RunWithShots("ComicsScreen", "comics.comics_1", "story_comic", 345,
               {{125, "part_1.png"}, {225, "part_2.png"}, {325, "part_3.png"}, {342, "close.png"}},
               "@1 move 400 300\n" + ClickAt(130, 400, 300) + ClickAt(230, 400, 300) +
                   ClickAt(330, 400, 300));
  EXPECT_EQ(commands, Lines{"ComicsScreen:ok"});
  ASSERT_TRUE(CanRender());
  const auto one = Load("part_1.png");
  const auto two = Load("part_2.png");
  const auto three = Load("part_3.png");
  // The panels' places: top left, top right, bottom middle; a panel shows its white border.
  EXPECT_TRUE(NearColour(one->At(222, 36), 0xFFFDF6)) << std::hex << one->At(222, 36);
  EXPECT_FALSE(NearColour(one->At(578, 36), 0xFFFDF6)) << std::hex << one->At(578, 36);
  EXPECT_TRUE(NearColour(two->At(578, 36), 0xFFFDF6)) << std::hex << two->At(578, 36);
  EXPECT_TRUE(NearColour(three->At(300, 318), 0xFFFDF6)) << std::hex << three->At(300, 318);
}

}  // namespace
