// The shared curtain on the sample cloth and wave paths: which requests start a run, what
// they take from the profile, the halves' progress, and the mirrored right half.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/FunctionSpline.h"
#include "framework/engine/scene/CScene.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/CWindowShadesEffect.h"
#include "tests/game/app/GameAppSession.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/SampleContentFixture.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kCurtainSound = "sound:Play curtain 1 0.000000";

class CWindowShadesEffectTest : public pm::test::SampleContentFixture {
 protected:
  void BeforeLoad() override { pm::test::RecordGameSounds(); }
  void SetUp() override {
    SampleContentFixture::SetUp();
    ASSERT_TRUE(LoadGameDataFile());
    ResetProgressToDefault();
    pm::test::PlayerCalls().clear();
  }
  void TearDown() override {
    CWindowShadesEffect::ReleaseShared();
    GF::HGENS::ReleaseEngineServices();
    GF::HGENS::GetServiceProviders() = {};
    SampleContentFixture::TearDown();
  }

  static std::string& Request(std::int32_t id) { return CurrentProfile().Strings[id]; }
  static float& Param(std::int32_t id) { return CurrentProfile().Floats[id]; }
};

TEST_F(CWindowShadesEffectTest, TheOpeningPathEasesInAndOut) {
  GF::FunctionSpline<GF::TPoint<float>> gather;
  gather.SetKeys(MotionPathTable.at("curtain_open").Points);
  for (float t : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f})
    EXPECT_NEAR(gather.Evaluate(t), 3 * t * t - 2 * t * t * t, 1e-6f) << "t=" << t;
}

TEST_F(CWindowShadesEffectTest, ARunStartsOnlyInANewDirectionWithItsSound) {
  const GF::THolder<CWindowShadesEffect> curtain = CWindowShadesEffect::Create();
  ASSERT_TRUE(curtain->GetLeftHalf());
  EXPECT_EQ(curtain->GetProgress(), 1.0f);  // no run yet

  Request(ProfileString::ShadesShowRequest) = "curtain_open";
  curtain->Start(CWindowShadesEffect::kOpening, 1250.0f);
  EXPECT_EQ(curtain->GetLeftHalf()->GetDuration(), 1250.0f);
  EXPECT_EQ(curtain->GetRightHalf()->GetDuration(), 1125.0f);
  EXPECT_EQ(curtain->GetProgress(), 0.0f);
  EXPECT_EQ(pm::test::PlayerCalls(), Lines{kCurtainSound});

  Request(ProfileString::ShadesShowRequest) = "curtain_open";
  curtain->Start(CWindowShadesEffect::kOpening, 500.0f);
  EXPECT_EQ(curtain->GetLeftHalf()->GetDuration(), 1250.0f);
  EXPECT_EQ(Request(ProfileString::ShadesShowRequest), "");  // taken all the same
  EXPECT_EQ(pm::test::PlayerCalls().size(), 1u);

  Request(ProfileString::ShadesHideRequest) = "curtain_close";
  curtain->Start(CWindowShadesEffect::kClosing, 800.0f);
  EXPECT_EQ(curtain->GetLeftHalf()->GetDuration(), 800.0f);
  EXPECT_EQ(curtain->GetLastDirection(), CWindowShadesEffect::kClosing);
  EXPECT_EQ(pm::test::PlayerCalls(), (Lines{kCurtainSound, kCurtainSound}));
}

TEST_F(CWindowShadesEffectTest, EachModeTakesOnlyItsOwnRequest) {
  const GF::THolder<CWindowShadesEffect> curtain = CWindowShadesEffect::Create();
  Request(ProfileString::ShadesShowRequest) = "curtain_open";
  Param(ProfileFloat::ShadesShowParam) = 3.0f;
  Request(ProfileString::ShadesHideRequest) = "curtain_close";
  Param(ProfileFloat::ShadesHideParam) = 4.0f;
  curtain->Start(CWindowShadesEffect::kClosing, 1250.0f);
  EXPECT_EQ(Request(ProfileString::ShadesHideRequest), "");
  EXPECT_EQ(Param(ProfileFloat::ShadesHideParam), 0.0f);
  EXPECT_EQ(Request(ProfileString::ShadesShowRequest), "curtain_open");
  EXPECT_EQ(Param(ProfileFloat::ShadesShowParam), 3.0f);
  EXPECT_EQ(curtain->GetLastDirection(), CWindowShadesEffect::kClosing);
}

TEST_F(CWindowShadesEffectTest, ARequestWithoutADirectionIsTakenAndStartsNothing) {
  const GF::THolder<CWindowShadesEffect> curtain = CWindowShadesEffect::Create();
  for (const char* request : {"curtain_swish", ""}) {
    Request(ProfileString::ShadesShowRequest) = request;
    Param(ProfileFloat::ShadesShowParam) = 1.0f;
    curtain->Start(CWindowShadesEffect::kOpening, 1250.0f);
    EXPECT_EQ(Request(ProfileString::ShadesShowRequest), "") << request;
    EXPECT_EQ(Param(ProfileFloat::ShadesShowParam), 0.0f) << request;
  }
  EXPECT_EQ(curtain->GetLeftHalf()->GetDuration(), 0.0f);
  EXPECT_EQ(curtain->GetProgress(), 1.0f);
  EXPECT_EQ(curtain->GetLastDirection(), 0);
  EXPECT_TRUE(pm::test::PlayerCalls().empty());
}

// Spread at the start of an opening run: the right half's columns stand from 830 leftwards
// to 410, and its cloth is the left half's seen in a mirror.
TEST_F(CWindowShadesEffectTest, TheRightHalfIsTheLeftHalfMirrored) {
  const GF::THolder<CWindowShadesEffect> curtain = CWindowShadesEffect::Create();
  Request(ProfileString::ShadesShowRequest) = "curtain_open";
  curtain->Start(CWindowShadesEffect::kOpening, 1250.0f);
  const std::vector<std::uint32_t> pixels = session.Draw(800, 600, [&curtain] {
    curtain->GetLeftHalf()->Render();
    curtain->GetRightHalf()->Render();
  });
  ASSERT_EQ(pixels.size(), 800u * 600u);

  const hgeMeshGrid& mesh = curtain->GetRightHalf()->GetMesh();
  for (int column = 0; column < CWaveEffect::kMeshSize; ++column) {
    float dx = 0.0f, dy = 0.0f;
    mesh.GetDisplacement(column, 0, &dx, &dy, 1);
    EXPECT_NEAR(830.0f + dx, 830.0f - 28.0f * column, 2.0f) << "column " << column;
  }
  const auto at = [&pixels](int x, int y) { return pixels[static_cast<std::size_t>(y) * 800 + x]; };
  // The same cloth column: the left half is 440 wide, the right one 420.
  for (int d : {42, 105, 210, 315, 399}) {
    for (int y : {100, 300, 500}) {
      EXPECT_TRUE(pm::test::Near(at(-30 + d * 440 / 420, y), at(830 - d, y), 8)) << d << ", " << y;
    }
  }
  const std::uint32_t cloth = at(200, 300);
  EXPECT_GT((cloth >> 16) & 0xFF, 2 * ((cloth >> 8) & 0xFF));  // red
  EXPECT_GT((cloth >> 16) & 0xFF, 2 * (cloth & 0xFF));
}

TEST_F(CWindowShadesEffectTest, WithoutItsClothTheCurtainNeverHoldsAScreen) {
  registry->Unload();
  const GF::THolder<CWindowShadesEffect> curtain = CWindowShadesEffect::Create();
  EXPECT_TRUE(session.HasLogLine("[W] CURTAIN effects.shtora NOT FOUND"));
  EXPECT_FALSE(curtain->GetLeftHalf());
  Request(ProfileString::ShadesShowRequest) = "curtain_open";
  curtain->Start(CWindowShadesEffect::kOpening, 1250.0f);
  const GF::THolder<GF::IScene> scene = GF::MakeHolder<GF::HGENS::CScene>();
  curtain->SetScene(scene);
  curtain->SetShown(false);
  curtain->RemoveFromScene(scene);
  EXPECT_EQ(curtain->GetProgress(), 1.0f);
  EXPECT_TRUE(static_cast<GF::HGENS::CScene&>(*scene).GetDrawables().empty());
}

// Frames of 25 ms: the right half, given nine tenths of the time, has ended after 45 frames
// while the left one has 0.9 behind it, and the curtain reports the left one.
class CurtainPaceTest : public pm::test::GameScreenTest {};

GF::THolder<GF::IScreen> CreateCurtainScreen() {
  return GF::MakeHolder<CCurtainScreen>();
}

TEST_F(CurtainPaceTest, TheRightHalfEndsFirstAndTheLeftHalfDecides) {
  testScreens = {{"MainMenuScreen", CreateCurtainScreen}};
  onCreated = [](GF::IScreen&) {
    CurrentProfile().Strings[ProfileString::ShadesShowRequest] = "curtain_open";
  };
  std::vector<float> left, right, progress;
  Run("MainMenuScreen", "main_menu.menu", "step 25\nframes 46\n", [&](int frame) {
    if (frame != 44 && frame != 45) return;
    const GF::THolder<CWindowShadesEffect> curtain = CWindowShadesEffect::Create();
    left.push_back(curtain->GetLeftHalf()->GetProgress());
    right.push_back(curtain->GetRightHalf()->GetProgress());
    progress.push_back(curtain->GetProgress());
  });
  ASSERT_EQ(right.size(), 2u);
  EXPECT_LT(right[0], 1.0f);
  EXPECT_EQ(right[1], 1.0f);
  EXPECT_NEAR(left[1], 0.9f, 1e-4f);
  EXPECT_EQ(progress[1], left[1]);
}

}  // namespace
