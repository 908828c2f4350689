#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/engine/particles/CFGParticleImpl.h"
#include "tests/framework/engine/particles/ParticleTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::CFGParticleImpl;
using GF::HGENS::ParticleFile;
using GF::HGENS::ParticleParams;
using GF::HGENS::ParticleSegment;
using GF::HGENS::ParticleShapeRecord;
using GF::HGENS::ParticleState;
using GF::HGENS::ParticleVelocityKey;

class CFGParticleImplTest : public ::testing::Test {
 protected:
  // The emitter is large: on the heap.
  std::unique_ptr<CFGParticleImpl> Load(const ParticleFile& file) {
    auto emitter = std::make_unique<CFGParticleImpl>();
    const auto bytes = file.Write();
    EXPECT_TRUE(emitter->LoadParticleData(bytes.data(), bytes.size()));
    return emitter;
  }

  pm::test::EngineRef engine;
};

TEST_F(CFGParticleImplTest, StartsWithTheDefaultBlock) {
  const auto emitter = std::make_unique<CFGParticleImpl>();
  const ParticleParams defaults;
  EXPECT_EQ(std::memcmp(&emitter->GetParams(), &defaults, sizeof defaults), 0);
  EXPECT_EQ(defaults.startVelocityY, -200.0f);
  EXPECT_EQ(defaults.emissionRate, 10.0f);
  EXPECT_EQ(emitter->GetKeyCount(), 1);
  EXPECT_EQ(emitter->GetKey(0).duration, 0.1f);
  EXPECT_EQ(emitter->GetSegmentCount(), 0);
  EXPECT_EQ(emitter->GetShapeCount(), 0);
  EXPECT_TRUE(emitter->IsEnabled());
  EXPECT_TRUE(emitter->IsEmitting());
  EXPECT_EQ(emitter->GetLiveCount(), 0);
}

TEST_F(CFGParticleImplTest, LoadsThroughTheEngineAndRefusesMissingOrShortFiles) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.emissionRate = 42.0f;
  file.segments.push_back({0, 10, 20, 10, 0, -1});
  const auto dir = pm::test::MakeTempDir("particles");
  const std::string good = pm::test::WriteParticleFile(dir / "good.fgp", file.Write());
  auto bytes = file.Write();
  bytes.resize(159);
  const std::string shortFile = pm::test::WriteParticleFile(dir / "short.fgp", bytes);

  const auto emitter = std::make_unique<CFGParticleImpl>();
  EXPECT_FALSE(emitter->LoadParticleFile((dir / "missing.fgp").string().c_str()));
  EXPECT_FALSE(emitter->LoadParticleFile(shortFile.c_str()));
  EXPECT_FALSE(emitter->LoadParticleFile(nullptr));
  EXPECT_EQ(emitter->GetEmission(), 10.0f);  // nothing changed
  ASSERT_TRUE(emitter->LoadParticleFile(good.c_str()));
  EXPECT_EQ(emitter->GetEmission(), 42.0f);
  ASSERT_EQ(emitter->GetSegmentCount(), 1);
  EXPECT_EQ(emitter->GetSegment(0).ny, -1.0f);
}

// Counts that lie: negative ones are 0, counts above 40 keep 40 records but the next array is
// still found behind every record the file holds, and a file cut short keeps what it holds.
TEST_F(CFGParticleImplTest, RecordCountsAreClampedToTheArraysAndTheFile) {
  struct Case {
    const char* what;
    int shapes, segments, keys;        // records written
    int declaredShapes, declaredSegs;  // counts put into the block (keys: as written)
    std::size_t cut;                   // bytes cut off the end
    int expectShapes, expectSegments, expectKeys;
  } cases[] = {
      {"negative counts", 0, 2, 1, -3, 2, 0, 0, 2, 1},
      {"too many shapes", 45, 1, 2, 45, 1, 0, 40, 1, 2},
      {"short file", 3, 2, 0, 3, 2, 30, 3, 0, 0},
      {"counts beyond the file", 2, 0, 0, 2, 9, 0, 2, 0, 0},
  };
  for (const Case& c : cases) {
    ParticleFile file = pm::test::QuietParticleFile();
    for (int i = 0; i < c.shapes; ++i) file.shapes.push_back({float(i), 0, 0, 0, {}});
    for (int i = 0; i < c.segments; ++i) file.segments.push_back({0, 0, 1, 1, float(100 + i), 0});
    for (int i = 0; i < c.keys; ++i) file.keys.push_back({0, 0, float(200 + i), 0, 0});
    auto bytes = file.Write();
    ParticleParams block;
    std::memcpy(&block, bytes.data(), sizeof block);
    block.shapeCount = c.declaredShapes;
    block.segmentCount = c.declaredSegs;
    std::memcpy(bytes.data(), &block, sizeof block);
    bytes.resize(bytes.size() - c.cut);

    const auto emitter = std::make_unique<CFGParticleImpl>();
    ASSERT_TRUE(emitter->LoadParticleData(bytes.data(), bytes.size())) << c.what;
    EXPECT_EQ(emitter->GetShapeCount(), c.expectShapes) << c.what;
    EXPECT_EQ(emitter->GetSegmentCount(), c.expectSegments) << c.what;
    EXPECT_EQ(emitter->GetKeyCount(), c.expectKeys) << c.what;
    EXPECT_EQ(emitter->GetParams().shapeCount, c.expectShapes) << c.what;
    for (int i = 0; i < emitter->GetSegmentCount(); ++i)
      EXPECT_EQ(emitter->GetSegment(i).nx, float(100 + i)) << c.what;
    for (int i = 0; i < emitter->GetKeyCount(); ++i)
      EXPECT_EQ(emitter->GetKey(i).duration, float(200 + i)) << c.what;
  }
}

TEST_F(CFGParticleImplTest, EmissionAccumulatesAcrossFrames) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.emissionRate = 0.5f;
  file.params.lifeMin = file.params.lifeMax = 10.0f;
  auto emitter = Load(file);
  emitter->Update(1.0f);
  EXPECT_EQ(emitter->GetLiveCount(), 0);
  EXPECT_FLOAT_EQ(emitter->GetAccumulator(), 0.5f);
  emitter->Update(1.0f);
  EXPECT_EQ(emitter->GetLiveCount(), 1);
  EXPECT_FLOAT_EQ(emitter->GetAccumulator(), 0.0f);

  // The default block: about ten a second, each living 1 to 6 seconds.
  engine.Seed(5);
  const auto defaults = std::make_unique<CFGParticleImpl>();
  for (int frame = 0; frame < 60; ++frame) defaults->Update(1.0f / 60.0f);
  EXPECT_GE(defaults->GetLiveCount(), 9);
  EXPECT_LE(defaults->GetLiveCount(), 10);
  for (int i = 0; i < defaults->GetLiveCount(); ++i) {
    EXPECT_GE(defaults->GetParticle(i).life, 1.0f);
    EXPECT_LE(defaults->GetParticle(i).life, 6.0f);
  }

  // An absurd rate births as many as there are slots and no more.
  file.params.emissionRate = 1e12f;
  emitter = Load(file);
  emitter->Update(1.0f);
  EXPECT_EQ(emitter->GetLiveCount(), CFGParticleImpl::kMaxParticles);
  emitter->SetEmittingFlag(false);
  emitter->Update(0.5f);
  EXPECT_EQ(emitter->GetLiveCount(), CFGParticleImpl::kMaxParticles);
}

// One particle, followed frame by frame: born at the emitter, moved at 100 px/s down into a
// floor at y = 15 whose normal points up, kept in place and reflected there, then dying
// after its life of 0.35 s. Alpha pulses with the frequency 2.
TEST_F(CFGParticleImplTest, FramesOfAKnownFileBounceAndPulse) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.emissionRate = 10.0f;  // one particle in the first 0.1 s frame
  file.params.startVelocityY = 100.0f;
  file.params.lifeMin = file.params.lifeMax = 0.35f;
  file.params.pulseFrequency = 2.0f;
  file.segments.push_back({-50, 15, 50, 15, 0, -1});
  const auto emitter = Load(file);
  emitter->SetSegmentsFollow(false);
  emitter->SetEmittingFlag(true);

  const auto pulse = [](float age) {
    return (std::sin(2.0f * age + 0.35f * 10.0f) + 1.0f) * 120.0f;
  };
  struct Frame {
    int live;
    float y, vy;
    float alpha;
  } frames[] = {
      {1, 0.0f, 100.0f, 255.0f},         // born, not moved
      {1, 10.0f, 100.0f, pulse(0.1f)},   // moved; the next step would cross the floor
      {1, 10.0f, -100.0f, pulse(0.2f)},  // hit: kept at y 10, reflected
      {1, 0.0f, -100.0f, pulse(0.3f)},   // on its way up
      {0, 0.0f, 0.0f, 0.0f},             // 0.4 s >= life: gone
  };
  emitter->Update(0.1f);
  emitter->SetEmittingFlag(false);
  for (int i = 0; i < 5; ++i) {
    if (i > 0) emitter->Update(0.1f);
    const Frame& f = frames[i];
    ASSERT_EQ(emitter->GetLiveCount(), f.live) << "frame " << i;
    if (f.live == 0) break;
    const ParticleState& p = emitter->GetParticle(0);
    EXPECT_FLOAT_EQ(p.y, f.y) << "frame " << i;
    EXPECT_FLOAT_EQ(p.vy, f.vy) << "frame " << i;
    EXPECT_FLOAT_EQ(p.alpha, f.alpha) << "frame " << i;
    EXPECT_EQ(p.red, 255.0f);  // a pulse leaves the colour
    EXPECT_LE(p.alpha, 255.0f);
    const EngineVertex& v = emitter->GetVertices()[0];
    EXPECT_EQ(v.y, p.y);
    EXPECT_EQ(v.tx, 8.0f);
    EXPECT_EQ(v.col, static_cast<std::uint32_t>(p.alpha) << 24 | 0xFFFFFFu) << "frame " << i;
  }
}

// Alpha 0 and a red beyond 255 stay on a byte each, whatever the file says.
TEST_F(CFGParticleImplTest, VertexColoursAreClampedAndPackedUnsigned) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.startRed = file.params.endRed = 300.0f;
  file.params.startGreen = file.params.endGreen = -20.0f;
  file.params.startBlue = file.params.endBlue = 128.7f;
  file.params.startAlpha = file.params.endAlpha = 255.0f;
  const auto emitter = Load(file);
  emitter->Update(0.1f);
  ASSERT_EQ(emitter->GetLiveCount(), 1);
  EXPECT_EQ(emitter->GetVertices()[0].col, 0xFFFF0080u);
}

TEST_F(CFGParticleImplTest, ShortLivesDieAtTheirFirstUpdate) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.lifeMin = file.params.lifeMax = 0.05f;
  file.params.emissionRate = 20.0f;
  const auto emitter = Load(file);
  emitter->Update(0.1f);
  EXPECT_EQ(emitter->GetLiveCount(), 2);
  emitter->SetEmittingFlag(false);
  emitter->Update(0.1f);
  EXPECT_EQ(emitter->GetLiveCount(), 0);
  EXPECT_FALSE(emitter->GetParticle(0).live);

  // While disabled nothing ages.
  emitter->SetEmittingFlag(true);
  emitter->Update(0.1f);
  emitter->SetEnabled(false);
  const float age = emitter->GetParticle(0).age;
  emitter->Update(5.0f);
  EXPECT_EQ(emitter->GetLiveCount(), 2);
  EXPECT_EQ(emitter->GetParticle(0).age, age);
}

TEST_F(CFGParticleImplTest, SpawnShapesAndMirroring) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.spawnShape = 3;  // shape records, but the file has none
  file.params.spawnHalfWidth = 5.0f;
  const auto emitter = Load(file);
  emitter->SetPosition(30.0f, 40.0f);
  emitter->Update(0.1f);
  EXPECT_EQ(emitter->GetParticle(0).x, 30.0f);
  EXPECT_EQ(emitter->GetParticle(0).y, 40.0f);

  // A single shape segment from (10, 0) to (10, 0): every birth lands there, rotated by a
  // quarter turn, mirrored with the effect; the start velocity mirrors too.
  file.shapes.push_back({10, 0, 10, 0, {}});
  file.params.spawnHalfWidth = 0.0f;
  file.params.spawnRotation = 1.5707964f;
  file.params.startVelocityX = 50.0f;
  const auto shaped = Load(file);
  shaped->SetPosition(100.0f, 100.0f);
  shaped->Update(0.1f);
  EXPECT_NEAR(shaped->GetParticle(0).x, 100.0f, 1e-4f);
  EXPECT_NEAR(shaped->GetParticle(0).y, 110.0f, 1e-4f);
  file.params.spawnRotation = 0.0f;
  const auto mirrored = Load(file);
  mirrored->SetDirection(-1.0f);
  mirrored->SetPosition(100.0f, 100.0f);
  mirrored->Update(0.1f);
  EXPECT_EQ(mirrored->GetParticle(0).x, 90.0f);
  EXPECT_EQ(mirrored->GetParticle(0).vx, -50.0f);
}

TEST_F(CFGParticleImplTest, PositionCarriesSegmentsByWholePixels) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.segments.push_back({0, 0, 10, 0, 0, -1});
  const auto emitter = Load(file);
  emitter->SetPosition(10.7f, -3.2f);
  EXPECT_EQ(emitter->GetPosition().x, 10.7f);
  EXPECT_EQ(emitter->GetKey(0).x, 10.7f);
  EXPECT_EQ(emitter->GetKey(0).y, -3.2f);
  const ParticleSegment& s = emitter->GetSegment(0);
  EXPECT_EQ(s.x0, 10.0f);
  EXPECT_EQ(s.x1, 20.0f);
  EXPECT_EQ(s.y0, -3.0f);
  EXPECT_EQ(s.ny, -1.0f);  // normals stay
  emitter->SetSegmentsFollow(false);
  emitter->SetPosition(50.0f, 50.0f);
  EXPECT_EQ(emitter->GetSegment(0).x0, 10.0f);
}

TEST_F(CFGParticleImplTest, TransformShapePlacesRecordsInPlace) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.shapes.push_back({1, 0, 0, 2, {}});
  const auto emitter = Load(file);
  GF::CObjectProperties t;
  t.x = 100.0f;
  t.y = 50.0f;
  t.SetAngle(1.5707964f);
  t.scaleX = 2.0f;
  t.scaleY = 3.0f;
  emitter->TransformShape(t);
  const ParticleShapeRecord& r = emitter->GetShape(0);
  EXPECT_NEAR(r.x0, 100.0f, 1e-4f);  // (2, 0) turned a quarter: (0, 2)
  EXPECT_NEAR(r.y0, 52.0f, 1e-4f);
  EXPECT_NEAR(r.x1, 94.0f, 1e-4f);  // (0, 6) turned: (-6, 0)
  EXPECT_NEAR(r.y1, 50.0f, 1e-4f);
}

// Motion along a segment (den = 0) never hits it.
TEST_F(CFGParticleImplTest, ParallelMotionPassesASegment) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.startVelocityX = 100.0f;
  file.segments.push_back({0, 0, 100, 0, 0, -1});  // along the path of the particle
  const auto emitter = Load(file);
  emitter->SetSegmentsFollow(false);
  emitter->Update(0.1f);
  emitter->SetEmittingFlag(false);
  emitter->Update(0.1f);
  EXPECT_FLOAT_EQ(emitter->GetParticle(0).x, 10.0f);
  EXPECT_EQ(emitter->GetParticle(0).vx, 100.0f);
}

// Key 0 never steers and a key of no duration is skipped; the first key whose time the age
// has not used up pulls the velocity by sqrt(dt / duration).
TEST_F(CFGParticleImplTest, VelocityKeysSteer) {
  ParticleFile file = pm::test::QuietParticleFile();
  file.params.startVelocityX = 100.0f;
  file.keys.push_back({0, 0, 5.0f, -999, -999});
  file.keys.push_back({0, 0, 0.0f, 999, 999});
  file.keys.push_back({0, 0, 1.0f, 0, 40});
  const auto emitter = Load(file);
  emitter->Update(0.1f);
  emitter->SetEmittingFlag(false);
  emitter->Update(0.04f);
  const ParticleState& p = emitter->GetParticle(0);
  const float f = std::sqrt(0.04f / 1.0f);
  EXPECT_FLOAT_EQ(p.vx, 100.0f * (1.0f - f));
  EXPECT_FLOAT_EQ(p.vy, 40.0f * f);
  EXPECT_FLOAT_EQ(p.x, 0.04f * p.vx);
}

// Everything random comes from the seeded generators: two runs agree to the bit.
TEST_F(CFGParticleImplTest, SeededRunsRepeat) {
  ParticleFile file;  // the default block with spread, plus shapes, jitter and a floor
  file.params.spawnShape = 3;
  file.params.jitterX = 30.0f;
  file.params.sizeJitter = 2.0f;
  file.params.colorVariation = 40.0f;
  file.params.emissionRate = 120.0f;
  file.shapes.push_back({-20, 0, 20, 0, {}});
  file.shapes.push_back({0, -20, 0, 20, {}});
  file.segments.push_back({-100, -60, 100, -60, 0, 1});
  const auto run = [&] {
    engine.Seed(1234);
    const auto emitter = Load(file);
    std::vector<float> trace;
    for (int frame = 0; frame < 90; ++frame) {
      emitter->Update(1.0f / 60.0f);
      trace.push_back(static_cast<float>(emitter->GetLiveCount()));
      for (int i = 0; i < emitter->GetLiveCount(); ++i) {
        trace.push_back(emitter->GetVertices()[i].x);
        trace.push_back(emitter->GetVertices()[i].y);
        trace.push_back(emitter->GetVertices()[i].tx);
      }
    }
    return trace;
  };
  const auto first = run();
  EXPECT_EQ(first, run());
  EXPECT_GT(first.size(), 1000u);
}

}  // namespace
