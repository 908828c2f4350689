#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "tests/framework/engine/particles/ParticleTestSupport.h"
#include "tests/support/RenderSession.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleParticles.h"

namespace {

using GF::HGENS::CFGParticle;
using GF::HGENS::ParticleRegistry;

bool Lit(std::uint32_t argb) {
  return (argb & 0x00FFFFFFu) != 0;
}

class CFGParticleRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session.IsInitiated());
    texture = session.MakeTexture(4, 4, std::vector<std::uint32_t>(16, 0xFFFFFFFF));
    const auto path = pm::test::MakeTempDir("burst") / "spark_burst.fgp";
    burst = CFGParticle::Create(pm::test::WriteParticleFile(path, MakeSampleSparkBurst().Write()),
                                "particles", 0.2f, false);
    burst->SetTexture(texture);
    burst->SetPosition(100.0f, 80.0f);
    session.engine().RandomSeed(7);
    for (int frame = 0; frame < 6; ++frame) ParticleRegistry::Instance().Update(16.0f);
  }
  void TearDown() override {
    ParticleRegistry::Instance().Clear();
    burst.Reset();
    session.engine().TextureFree(texture);
  }

  int LitAround(const std::vector<std::uint32_t>& pixels, int radius) const {
    int lit = 0;
    for (int y = 80 - radius; y <= 80 + radius; ++y)
      for (int x = 100 - radius; x <= 100 + radius; ++x) lit += Lit(pixels[y * 200 + x]);
    return lit;
  }

  pm::test::RenderSession session;
  EngineTexture texture = 0;
  GF::THolder<CFGParticle> burst;
};

// The sample burst in one point-sprite batch: pixels lit around the emitter, each sprite
// at its own size, and nothing far from it.
TEST_F(CFGParticleRenderTest, SampleBurstDrawsAroundItsPosition) {
  ASSERT_GT(burst->GetLiveCount(), 10);
  const auto pixels = session.Draw(200, 160, [&] { burst->Render(); });
  ASSERT_EQ(pixels.size(), 200u * 160u);
  EXPECT_GT(LitAround(pixels, 30), 100);
  EXPECT_TRUE(Lit(pixels[80 * 200 + 100]));
  int farLit = 0;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 200; ++x)
      if ((x < 40 || x > 160 || y < 20 || y > 140) && Lit(pixels[y * 200 + x])) ++farLit;
  EXPECT_EQ(farLit, 0);
}

// Two still particles of 8 and 16 pixels, each drawn at its own size.
TEST_F(CFGParticleRenderTest, EachSpriteHasItsOwnSize) {
  GF::HGENS::ParticleFile file = pm::test::QuietParticleFile();
  file.params.emissionRate = 10.0f;
  file.params.lifeMin = file.params.lifeMax = 10.0f;
  const auto path = pm::test::MakeTempDir("sizes") / "sizes.fgp";
  const auto two =
      CFGParticle::Create(pm::test::WriteParticleFile(path, file.Write()), "none", -1.0f, false);
  two->SetTexture(texture);
  two->SetPosition(40.0f, 40.0f);
  two->Update(100.0f);
  two->GetParams().startSizeMin = two->GetParams().startSizeMax = 16.0f;
  two->SetPosition(120.0f, 40.0f);
  two->Update(100.0f);
  ASSERT_EQ(two->GetLiveCount(), 2);
  const auto pixels = session.Draw(200, 160, [&] { two->Render(); });
  const auto width = [&](int cx) {
    int lit = 0;
    for (int x = cx - 12; x < cx + 12; ++x) lit += Lit(pixels[40 * 200 + x]);
    return lit;
  };
  EXPECT_EQ(width(40), 8);
  EXPECT_EQ(width(120), 16);
}

// While the application is suspended, or without a texture, nothing is drawn.
TEST_F(CFGParticleRenderTest, NothingDrawsWhileSuspendedOrWithoutTexture) {
  const auto manager = GF::MakeHolder<GF::HGENS::CGameManager>();
  manager->FireSuspend();
  auto pixels = session.Draw(200, 160, [&] { burst->Render(); });
  EXPECT_EQ(LitAround(pixels, 60), 0);
  manager->FireResume();

  burst->SetTexture(0);
  pixels = session.Draw(200, 160, [&] { burst->Render(); });
  EXPECT_EQ(LitAround(pixels, 60), 0);
}

}  // namespace
