#include <gtest/gtest.h>

#include "framework/core/CAnimationObject.h"
#include "framework/engine/particles/CFGFParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/particles/ParticleServices.h"
#include "framework/engine/resources/CParticleObjectData.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/CResourceCache.h"
#include "tests/framework/engine/particles/ParticleTestSupport.h"
#include "tests/support/PackFixtures.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::CFGFParticle;
using GF::HGENS::CParticleObjectData;
using GF::HGENS::ParticleRegistry;
using AnimationPtr = GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation>;
using ParticlePtr = GF::TSmartIPtr<GF::HGENS::IParticle, GF::kIdParticle>;

std::string Bytes(float emission) {
  GF::HGENS::ParticleFile file = pm::test::QuietParticleFile();
  file.params.emissionRate = emission;
  const auto bytes = file.Write();
  return std::string(bytes.begin(), bytes.end());
}

// A script particle on a node of 1000 ms: particle id 7 then 8 at 500 ms, sprite 0 then 1
// at 300 ms, blend value 1, and the commands 1, 2, 3 (100 ms each), 1 until 600 ms, 3 until
// 700 ms, then 1.
class CFGFParticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto pack = pm::test::MakeTempDir("psi") / "particles.dat";
    ASSERT_TRUE(pm::test::WritePack(
        pack.string(), {{"Particle/7.PSI", Bytes(33.0f)}, {"Particle/8.PSI", Bytes(44.0f)}}));
    ASSERT_TRUE(engine->AttachPack(pack.string().c_str()));
    GF::HGENS::InstallParticleServices();
    const int texture = GF::HGENS::CResourceCache::Instance()->AddTexture("particles");
    GF::HGENS::GetResources()->AddSpriteInfo("spark", texture, 0, 0, 16, 8);
    GF::HGENS::GetResources()->AddSpriteInfo("smoke", texture, 16, 0, 32, 32);

    data = GF::MakeHolder<CParticleObjectData>();
    *data->GetIdTrack() = {{7, 0, 500.0f}, {8, 0, 500.0f}};
    *data->GetSpriteIdTrack() = {{0, 0, 300.0f}, {1, 0, 700.0f}};
    *data->GetBlendTrack() = {{1, 0, 1000.0f}};
    *data->GetParticleCommandTrack() = {{1, 0, 100.0f}, {2, 0, 100.0f}, {3, 0, 100.0f},
                                        {1, 0, 300.0f}, {3, 0, 100.0f}, {1, 0, 300.0f}};
    node = AnimationPtr(static_cast<GF::IAnimation*>(new GF::CAnimationObject()));
    node->SetEndTime(1000.0f);
    object = data->CreateObject();
    ASSERT_TRUE(object);
    object->SetAnimation(node);
    particle = dynamic_cast<CFGFParticle*>(object.Get());
  }
  void TearDown() override {
    if (object) object->SetAnimation({});
    ParticleRegistry::Instance().Clear();
    GF::HGENS::GetResources()->Unload();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }

  void At(float t) {
    node->SetTime(t);
    object->Update(0.0f);
  }

  pm::test::EngineRef engine;
  GF::THolder<CParticleObjectData> data;
  AnimationPtr node;
  CFGFParticle::ObjectPtr object;
  CFGFParticle* particle = nullptr;
};

TEST_F(CFGFParticleTest, CommandsStartStopAndFreeze) {
  ASSERT_NE(particle, nullptr);
  EXPECT_TRUE(ParticleRegistry::Instance().Contains(particle));
  EXPECT_FALSE(particle->IsFreeStanding());
  auto& emitter = particle->GetEmitter();

  At(50.0f);  // file 7, sprite 0, command 1
  EXPECT_EQ(emitter.GetEmission(), 33.0f);
  EXPECT_TRUE(emitter.IsEmitting());
  EXPECT_TRUE(emitter.IsEnabled());
  ASSERT_TRUE(particle->GetSprite());
  EXPECT_EQ(particle->GetSprite()->GetBlendMode(), 0);  // blend value 1
  float hx = 0, hy = 0;
  particle->GetSprite()->GetHotSpot(&hx, &hy);
  EXPECT_EQ(hx, 8.0f);
  EXPECT_EQ(hy, 4.0f);

  At(150.0f);
  EXPECT_FALSE(emitter.IsEmitting());
  EXPECT_TRUE(emitter.IsEnabled());
  At(250.0f);
  EXPECT_FALSE(emitter.IsEmitting());
  EXPECT_FALSE(emitter.IsEnabled());  // frozen

  // A new sprite thaws the emitter and applies the command; the file stays.
  emitter.SetEmission(99.0f);
  const auto first = particle->GetSprite();
  At(350.0f);
  EXPECT_NE(particle->GetSprite(), first);
  EXPECT_TRUE(emitter.IsEnabled());
  EXPECT_TRUE(emitter.IsEmitting());
  EXPECT_EQ(emitter.GetEmission(), 99.0f);

  // A new particle id reloads the file and keeps the sprite.
  const auto second = particle->GetSprite();
  At(550.0f);
  EXPECT_EQ(emitter.GetEmission(), 44.0f);
  EXPECT_EQ(particle->GetSprite(), second);

  // Frozen again; a later command 1 emits, but nothing runs until a load or a sprite thaws it.
  At(650.0f);
  EXPECT_FALSE(emitter.IsEnabled());
  At(750.0f);
  EXPECT_TRUE(emitter.IsEmitting());
  EXPECT_FALSE(emitter.IsEnabled());
}

TEST_F(CFGFParticleTest, FollowsItsNodesPlayingAndLeavesWithIt) {
  At(50.0f);
  node->Pause();
  object->Update(0.0f);
  EXPECT_FALSE(object->IsPlaying());
  EXPECT_FALSE(particle->GetEmitter().IsEmitting());
  node->SetEndTime(1000.0f);  // running again
  At(60.0f);
  EXPECT_TRUE(object->IsPlaying());
  EXPECT_TRUE(particle->GetEmitter().IsEmitting());

  particle->SetEmitting(false);  // only commands switch it
  EXPECT_TRUE(particle->GetEmitter().IsEmitting());

  object->Detach();
  EXPECT_TRUE(particle->IsFreeStanding());
  EXPECT_FALSE(particle->GetEmitter().IsEmitting());
  EXPECT_FALSE(particle->IsActive());  // no particles: the registry lets go
  const ParticlePtr keep(static_cast<GF::HGENS::IParticle*>(particle));
  ParticleRegistry::Instance().Update(16.0f);
  EXPECT_FALSE(ParticleRegistry::Instance().Contains(particle));
}

}  // namespace
