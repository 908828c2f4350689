#include <gtest/gtest.h>

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/engine/particles/CFGFParticle.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/particles/ParticleServices.h"
#include "framework/engine/scene/CResourceCache.h"
#include "tests/support/SampleContentFixture.h"

namespace {

using GF::HGENS::ParticleRegistry;

// The generated sample content, packed beside the program: its particle files and the
// resource script's particle system.
class SampleParticlesE2ETest : public pm::test::SampleContentFixture {
 protected:
  void BeforeLoad() override { GF::HGENS::InstallParticleServices(); }
  void TearDown() override {
    ParticleRegistry::Instance().Clear();
    SampleContentFixture::TearDown();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }
};

TEST_F(SampleParticlesE2ETest, EffectsLoadWithTheParticlesTexture) {
  for (const char* name : {"Particle\\spark_burst.fgp", "Particle\\smoke_puff.fgp"}) {
    const auto effect = GF::HGENS::CFGParticle::Create(name, "particles", 1.0f, true);
    EXPECT_NE(effect->GetEmission(), 10.0f) << name;  // not the defaults
    EXPECT_NE(effect->GetTexture(), 0u) << name;
  }
}

TEST_F(SampleParticlesE2ETest, ScriptParticleRunsUnderItsAnimation) {
  const auto data = registry->GetAnimationData("effects", "glow");
  ASSERT_TRUE(data);
  const auto node = data->CreateObject();
  ASSERT_TRUE(node);
  ASSERT_TRUE(node->Play("all", 0, false));
  ASSERT_EQ(node->GetObjectCount(), 1);
  auto* particle = dynamic_cast<GF::HGENS::CFGFParticle*>(node->GetDrawable(0).Get());
  ASSERT_NE(particle, nullptr);
  node->Update(16.0f);
  EXPECT_EQ(particle->GetEmitter().GetEmission(), 30.0f);  // Particle\1.PSI: the puff
  EXPECT_NE(particle->GetEmitter().GetTexture(), 0u);
  EXPECT_TRUE(particle->GetEmitter().IsEmitting());
  EXPECT_EQ(particle->GetProperties().x, 400.0f);
  node->SetTime(1600.0f);  // the command to stop
  node->Update(0.0f);
  EXPECT_FALSE(particle->GetEmitter().IsEmitting());
  node->Clear();
}

}  // namespace
