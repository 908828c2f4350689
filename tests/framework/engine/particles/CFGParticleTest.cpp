#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/core/CAnimationObject.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/scene/CScene.h"
#include "tests/framework/engine/particles/ParticleTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::CFGParticle;
using GF::HGENS::CScene;
using GF::HGENS::ParticleFile;
using GF::HGENS::ParticleRegistry;
using AnimationPtr = GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation>;
using DrawablePtr = GF::TSmartIPtr<GF::IDrawable, GF::kIdDrawable>;

class CFGParticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParticleFile file = pm::test::QuietParticleFile();
    file.params.emissionRate = 20.0f;
    file.params.lifeMin = file.params.lifeMax = 0.3f;
    path =
        pm::test::WriteParticleFile(pm::test::MakeTempDir("particle") / "puff.fgp", file.Write());
  }
  void TearDown() override {
    registry.Clear();
    registry.enabled = true;
  }

  GF::THolder<CFGParticle> Make(float lifetime, bool autoStop = false) {
    return CFGParticle::Create(path, "particles", lifetime, autoStop);
  }
  static bool Shows(const GF::THolder<CScene>& scene, const GF::THolder<CFGParticle>& p) {
    const auto& list = scene->GetDrawables();
    return std::find(list.begin(), list.end(), static_cast<GF::IDrawable*>(p.Get())) != list.end();
  }
  static AnimationPtr MakeNode() {
    return AnimationPtr(static_cast<GF::IAnimation*>(new GF::CAnimationObject()));
  }

  pm::test::EngineRef engine;
  ParticleRegistry& registry = ParticleRegistry::Instance();
  std::string path;
};

TEST_F(CFGParticleTest, CreateRegistersAndAnswersItsInterfaces) {
  const auto particle = Make(CFGParticle::kEndless);
  EXPECT_TRUE(registry.Contains(particle.Get()));
  EXPECT_EQ(particle->GetEmission(), 20.0f);
  EXPECT_TRUE(particle->IsPlaying());
  EXPECT_EQ(particle->GetLayer(), 10000);
  EXPECT_EQ(particle->GetTexture(), 0u);  // no such texture: runs but draws nothing
  EXPECT_TRUE(particle->IsFreeStanding());
  for (int id : {0, 1, 3, 13}) {
    void* out = nullptr;
    EXPECT_TRUE(particle->QueryInterface(id, &out)) << id;
    EXPECT_NE(out, nullptr);
    particle->Release();
  }
  void* out = &out;
  EXPECT_FALSE(particle->QueryInterface(GF::kIdAnimation, &out));
  EXPECT_EQ(out, nullptr);

  // A missing file leaves the defaults.
  const auto fallback = CFGParticle::Create("Particle\\missing.fgp", "particles", 1.0f, false);
  EXPECT_EQ(fallback->GetEmission(), 10.0f);
  EXPECT_TRUE(fallback->IsEmitting());
}

// A free-standing effect with a lifetime stops emitting after it and leaves its scene and the
// registry once its last particle has died; it dies with the last holder.
TEST_F(CFGParticleTest, FreeStandingEffectExpiresAfterItsLifetime) {
  const auto scene = GF::MakeHolder<CScene>();
  auto particle = Make(0.45f);
  particle->SetScene(scene);
  particle->SetPosition(100.0f, 100.0f);
  EXPECT_TRUE(Shows(scene, particle));

  for (int frame = 0; frame < 5; ++frame) scene->Update(100.0f);
  EXPECT_FALSE(particle->IsEmitting());
  EXPECT_EQ(particle->GetLifetime(), 0.0f);  // held at 0
  EXPECT_GT(particle->GetLiveCount(), 0);
  EXPECT_TRUE(registry.Contains(particle.Get()));

  for (int frame = 0; frame < 4; ++frame) scene->Update(100.0f);
  EXPECT_EQ(particle->GetLiveCount(), 0);
  EXPECT_FALSE(registry.Contains(particle.Get()));
  EXPECT_FALSE(Shows(scene, particle));
  EXPECT_FALSE(particle->GetScene());
  EXPECT_EQ(particle->GetRefCount(), 1);
}

TEST_F(CFGParticleTest, EndlessEffectRunsUntilStopped) {
  auto particle = Make(CFGParticle::kEndless);
  for (int frame = 0; frame < 50; ++frame) registry.Update(100.0f);
  EXPECT_TRUE(particle->IsEmitting());
  EXPECT_TRUE(registry.Contains(particle.Get()));
  particle->SetEmitting(false);
  EXPECT_EQ(particle->GetAccumulator(), 0.0f);
  for (int frame = 0; frame < 4; ++frame) registry.Update(100.0f);
  EXPECT_FALSE(registry.Contains(particle.Get()));
}

// Neighbours leaving in one walk don't make it skip the system behind them.
TEST_F(CFGParticleTest, RegistryWalkSurvivesRemovals) {
  auto a = Make(CFGParticle::kEndless);
  auto b = Make(CFGParticle::kEndless);
  auto c = Make(CFGParticle::kEndless);
  a->SetEmitting(false);
  b->SetEmitting(false);
  registry.Update(100.0f);
  EXPECT_EQ(registry.GetCount(), 1u);
  EXPECT_TRUE(registry.Contains(c.Get()));
  EXPECT_EQ(c->GetLiveCount(), 2);
}

TEST_F(CFGParticleTest, StartDelayHoldsEverythingBack) {
  auto particle = Make(CFGParticle::kEndless);
  particle->SetDelay(500.0f);
  for (int frame = 0; frame < 5; ++frame) {
    registry.Update(100.0f);
    EXPECT_EQ(particle->GetLiveCount(), 0) << frame;
  }
  registry.Update(100.0f);
  EXPECT_EQ(particle->GetLiveCount(), 2);
}

TEST_F(CFGParticleTest, DisabledRegistryNeitherAgesNorDrops) {
  auto particle = Make(1.0f);
  registry.Update(100.0f);
  ASSERT_EQ(particle->GetLiveCount(), 2);
  registry.enabled = false;
  for (int frame = 0; frame < 20; ++frame) registry.Update(100.0f);
  EXPECT_EQ(particle->GetLiveCount(), 2);
  EXPECT_EQ(particle->GetParticle(0).age, 0.0f);
  EXPECT_TRUE(registry.Contains(particle.Get()));
}

// Following its owner: the owner drives it and places it at its position plus the offset.
// Without the follow flag the owner places it but the registry drives it.
TEST_F(CFGParticleTest, FollowsItsOwner) {
  const AnimationPtr node = MakeNode();
  node->SetPosition(200.0f, 150.0f);
  auto particle = Make(CFGParticle::kEndless);
  particle->SetOffset(5.0f, -5.0f);
  particle->SetOwner(node);
  EXPECT_FALSE(particle->IsFreeStanding());
  EXPECT_EQ(node->GetObjectCount(), 1);
  node->SetActive(true);
  node->Update(100.0f);
  EXPECT_EQ(particle->GetPosition().x, 205.0f);
  EXPECT_EQ(particle->GetPosition().y, 145.0f);
  EXPECT_EQ(particle->GetLiveCount(), 2);
  registry.Update(100.0f);  // not the registry's to drive
  EXPECT_EQ(particle->GetParticle(0).age, 0.0f);

  auto loose = Make(CFGParticle::kEndless);
  loose->SetFollowParent(false);
  loose->SetOwner(node);
  EXPECT_EQ(node->GetObjectCount(), 1);
  EXPECT_TRUE(loose->IsFreeStanding());
  registry.Update(100.0f);
  EXPECT_EQ(loose->GetPosition().x, 200.0f);

  // A new owner takes it from the old one.
  const AnimationPtr other = MakeNode();
  particle->SetOwner(other);
  EXPECT_EQ(node->GetObjectCount(), 0);
  EXPECT_EQ(other->GetObjectCount(), 1);
  particle->SetOwner({});
  EXPECT_EQ(other->GetObjectCount(), 0);
}

// Auto-stop lets go of the owner at the end of the lifetime; the registry drives the rest.
TEST_F(CFGParticleTest, AutoStopLetsGoOfTheOwner) {
  const AnimationPtr node = MakeNode();
  auto particle = Make(0.2f, true);
  particle->SetOwner(node);
  node->SetActive(true);
  node->Update(100.0f);
  node->Update(100.0f);
  EXPECT_FALSE(particle->IsEmitting());
  EXPECT_FALSE(particle->GetAnimation());
  EXPECT_EQ(node->GetObjectCount(), 0);
  EXPECT_TRUE(particle->IsFreeStanding());
}

// A rectangle follower spreads over its owner's rectangle; an owner without one leaves the
// last placement.
TEST_F(CFGParticleTest, RectangleFollowerKeepsItsPlaceWithoutARectangle) {
  const AnimationPtr node = MakeNode();
  auto particle = Make(CFGParticle::kEndless);
  particle->SetPosition(40.0f, 30.0f);
  particle->SetFollowRect(true, 0.5f);
  particle->SetFollowParent(false);
  particle->SetOwner(node);
  registry.Update(100.0f);
  EXPECT_EQ(particle->GetPosition().x, 40.0f);
  EXPECT_EQ(particle->GetPosition().y, 30.0f);
  EXPECT_EQ(particle->GetEmission(), 20.0f);
}

// A scene's Clear takes its own systems out of the registry; another scene's stay.
TEST_F(CFGParticleTest, SceneClearDropsOnlyItsOwnParticles) {
  const auto a = GF::MakeHolder<CScene>();
  const auto b = GF::MakeHolder<CScene>();
  auto inA = Make(CFGParticle::kEndless);
  auto inB = Make(CFGParticle::kEndless);
  inA->SetScene(a);
  inB->SetScene(b);
  a->Clear();
  EXPECT_FALSE(registry.Contains(inA.Get()));
  EXPECT_FALSE(inA->GetScene());
  EXPECT_FALSE(Shows(a, inA));
  EXPECT_TRUE(registry.Contains(inB.Get()));
  EXPECT_TRUE(Shows(b, inB));
  b->Clear();
  EXPECT_EQ(registry.GetCount(), 0u);
}

}  // namespace
