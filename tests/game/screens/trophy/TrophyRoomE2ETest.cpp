// The trophy room end to end on the game's application, headless, in frames of 20 ms, opened
// by the start rule of the served game data for a player in the second stage who won the
// first stage, wears the pink jacket and has won the sky-blue one and the golden whisk: the
// mouse rests on the whisk (its balloon and highlight), then a click on the sky-blue jacket
// draws the changing curtain, behind which the cook changes. Shots checked at a few pixels;
// the run's log names no missing resource.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/ScreenShotTest.h"
#include "tests/game/screens/results/StageEndProfile.h"

namespace {

using pm::test::Shot;

int Channel(std::uint32_t rgb, int shift) {
  return static_cast<int>((rgb >> shift) & 0xFF);
}

bool IsPink(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return r > 220 && r > g + 30 && b > g + 10;
}

bool IsSkyBlue(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return b > 180 && b > r + 30 && g > r + 10;
}

bool IsViolet(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return b > g + 30 && r > g + 10;
}

int CountIn(const Shot& shot, int left, int top, int right, int bottom,
            bool (*test)(std::uint32_t)) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += test(shot.At(x, y));
  return count;
}

int Brightness(const Shot& shot, int left, int top, int right, int bottom) {
  int sum = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const std::uint32_t p = shot.At(x, y);
      sum += Channel(p, 16) + Channel(p, 8) + Channel(p, 0);
    }
  return sum;
}

// The cook's jacket, on the rug of the changing corner.
constexpr int kJacketLeft = 400, kJacketTop = 495, kJacketRight = 450, kJacketBottom = 540;

class TrophyRoomE2ETest : public pm::test::ScreenShotTest {};

TEST_F(TrophyRoomE2ETest, AResterSeesTheWhisksBalloonAndAClickChangesTheCooksOutfit) {
  onCreated = [](GF::IScreen&) {
    pm::test::SetCompletedStage(pm::test::kPlayerFirst, 2.0f, "stage1");
    PlayerProfile& p = CurrentProfile();
    p.StageRecords["stage1"].UpgradeIds = {1, 2};
    p.Floats[ProfileFloat::StageUpgrade] = 1.0f;
    p.UpgradeNames = {"golden_whisk"};
  };
  // The whisk at (600, 364) from frame 50; the sky-blue jacket (second place) clicked at
  // frame 115: the curtain is shut 450 to 550 ms later and open again at 1 s.
  RunWithShots("GingerRoomScreen", "Ginger_room.room", "trophy_room", 200,
               {{40, "room.png"}, {80, "whisk.png"}, {141, "curtain.png"}, {190, "changed.png"}},
               "@50 move 600 364\n@110 move 177 150\n@115 buttondown 1\n@116 buttonup 1\n");
  ASSERT_TRUE(CanRender());
  const auto room = Load("room.png");
  const auto whisk = Load("whisk.png");
  const auto curtain = Load("curtain.png");
  const auto changed = Load("changed.png");
  // The whisk's name in dark ink on its balloon over the window, where the wall was bare.
  EXPECT_LT(room->Count(360, 28, 470, 52, 90, true), 10);
  EXPECT_GT(whisk->Count(360, 28, 470, 52, 90, true), 150);
  // The whisk lit by the highlight.
  EXPECT_GT(Brightness(*whisk, 585, 325, 615, 385), Brightness(*room, 585, 325, 615, 385) + 20000);
  // The curtain shut over the cook, then open on her in the sky-blue jacket, not the pink.
  EXPECT_GT(CountIn(*room, kJacketLeft, kJacketTop, kJacketRight, kJacketBottom, IsPink), 200);
  EXPECT_GT(CountIn(*curtain, 380, 430, 470, 520, IsViolet), 6000);
  EXPECT_GT(CountIn(*changed, kJacketLeft, kJacketTop, kJacketRight, kJacketBottom, IsSkyBlue),
            200);
  EXPECT_LT(CountIn(*changed, kJacketLeft, kJacketTop, kJacketRight, kJacketBottom, IsPink), 20);
  // The pink jacket hangs where the sky-blue one did.
  EXPECT_GT(CountIn(*changed, 150, 110, 200, 170, IsPink), 200);
  EXPECT_LT(CountIn(*room, 150, 110, 200, 170, IsPink), 20);
}

}  // namespace
