// The splash drawable over the sample content's two splash images ("splash_1.png", 320 x 200,
// and "splash_2.png", 480 x 360), stepped by hand and drawn through the real renderer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/engine/app/Services.h"
#include "framework/engine/screens/CSpalshDrawable.h"
#include "platform/OsServices.h"
#include "tests/support/RenderSession.h"

namespace {

using GF::HGENS::CSpalshDrawable;

class CSpalshDrawableTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session.IsInitiated());
    ASSERT_TRUE(session.engine().AttachPack((Os::GetProgramDirectory() + "resource.dat").c_str()));
  }
  void TearDown() override { GF::HGENS::GetGameProperties()->SetScreenSize(800, 600); }

  // "name phase fade hold" after each of `count` updates of dt that change the phase or the
  // image.
  std::vector<std::string> Step(CSpalshDrawable& splash, float dt, int count) {
    std::vector<std::string> seen;
    std::string last;
    for (int i = 1; i <= count; ++i) {
      splash.Update(dt);
      const std::string state = splash.GetCurrentName() + " " + std::to_string(splash.GetPhase());
      if (state == last) continue;
      last = state;
      seen.push_back(std::to_string(i) + " " + state + " " +
                     std::to_string(splash.GetFade()).substr(0, 4) + " " +
                     std::to_string(static_cast<int>(splash.GetHold())));
    }
    return seen;
  }

  pm::test::RenderSession session;
};

TEST_F(CSpalshDrawableTest, FadesHoldsAndFadesEachImageWithItsOwnHoldTime) {
  CSpalshDrawable splash;
  splash.SetImageTime(1, 1000);
  splash.SetImageTime(2, -5);  // no positive time: the default
  splash.Start();
  EXPECT_EQ(splash.GetCurrentName(), "splash_1");
  EXPECT_FALSE(splash.IsFinished());
  // Steps of 250 ms: the fade reaches exactly 1 after four, and the hold begins only when
  // it passes 1; the hold ends in the update after its timer ran out, and the next image
  // comes when the fade drops below 0.
  EXPECT_EQ(Step(splash, 250.0f, 40),
            (std::vector<std::string>{"1 splash_1 0 0.25 1000", "5 splash_1 1 1.00 1000",
                                      "10 splash_1 2 1.00 1000", "15 splash_2 0 0.00 2000",
                                      "20 splash_2 1 1.00 2000", "29 splash_2 2 1.00 2000"}));
  EXPECT_FALSE(splash.HasImage());
  EXPECT_TRUE(splash.IsFinished());
}

TEST_F(CSpalshDrawableTest, TheImageIsCentredInTheLogicalScreen) {
  GF::HGENS::GetGameProperties()->SetScreenSize(640, 480);
  CSpalshDrawable splash;
  splash.Start();
  for (int i = 0; i < 60; ++i) splash.Update(20.0f);  // in the hold, at full brightness
  ASSERT_EQ(splash.GetPhase(), CSpalshDrawable::kHold);
  const std::vector<std::uint32_t> px = session.Draw(
      640, 480, [&splash] { splash.Render(); }, 0xFFFFFFFF);
  ASSERT_EQ(px.size(), 640u * 480u);
  const auto at = [&px](int x, int y) { return px[static_cast<std::size_t>(y) * 640 + x]; };
  // 320 x 200 from (160, 140) on a frame cleared to 0 (over the white it was given).
  EXPECT_EQ(at(320, 240), 0xFFE08020u);
  EXPECT_EQ(at(162, 142) & 0xFF000000u, 0xFF000000u);
  EXPECT_EQ(at(158, 240), 0u);
  EXPECT_EQ(at(320, 342), 0u);
}

}  // namespace
