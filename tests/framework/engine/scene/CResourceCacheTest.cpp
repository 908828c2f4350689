#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/engine/scene/CResourceCache.h"
#include "tests/support/PackFixtures.h"
#include "tests/support/RenderSession.h"
#include "tests/support/TestSupport.h"
#include "tools/codecs/ImageEncoders.h"

namespace {

using GF::HGENS::CResourceCache;

// The start-up loop: LoadNext until the progress is exactly 1.0, guarded against a loop
// that would never end.
int LoadUntilDone(CResourceCache& cache) {
  int steps = 0;
  while (cache.GetProgress() != 1.0f && steps < 100) {
    cache.LoadNext();
    ++steps;
  }
  return steps;
}

class CResourceCacheTest : public ::testing::Test {
 protected:
  // Textures 0 to 3 named t0..t3; the pack holds images for 0, 1 and 3 (2 is missing).
  void SetUp() override {
    ASSERT_TRUE(session.IsInitiated());
    const std::string image = pm::test::Bytes(pm::codecs::EncodeJp2Argb(2, 2, {1, 2, 3, 4}, 3));
    const std::string pack = (pm::test::MakeTempDir("cache") / "textures.dat").string();
    ASSERT_TRUE(pm::test::WritePack(
        pack, {{"Texture/0.jp2", image}, {"Texture/1.jp2", image}, {"Texture/3.jp2", image}}));
    ASSERT_TRUE(session.engine().AttachPack(pack.c_str()));
    for (int i = 0; i < 4; ++i) ASSERT_EQ(cache->AddTexture("t" + std::to_string(i)), i);
    for (int id : {0, 1, 2, -1}) cache->AddToGroup("interfaces", id);
    cache->AddToGroup("other", 3);
  }
  void TearDown() override { CResourceCache::ReleaseInstance(); }

  pm::test::RenderSession session;
  GF::THolder<CResourceCache> cache = CResourceCache::Instance();
};

TEST_F(CResourceCacheTest, QueuedGroupReachesExactlyOne) {
  cache->QueueGroup("interfaces");
  cache->StartLoading();
  EXPECT_EQ(cache->GetProgress(), 0.0f);
  const float expected[] = {0.25f, 0.5f, 0.75f, 1.0f};  // a failed load and id -1 count too
  for (float progress : expected) {
    EXPECT_TRUE(cache->LoadNext());
    EXPECT_EQ(cache->GetProgress(), progress);
  }
  EXPECT_FALSE(cache->LoadNext());
  EXPECT_EQ(cache->GetProgress(), 1.0f);
  EXPECT_NE(cache->GetTextureById(0), 0u);
  EXPECT_TRUE(session.LogLines().empty());
}

TEST_F(CResourceCacheTest, StartUpLoopEnds) {
  struct Case {
    const char* what;
    void (*before)(CResourceCache&);  // runs before the group is queued
    void (*during)(CResourceCache&);  // runs after the first LoadNext
  } cases[] = {
      {"empty group", [](CResourceCache& c) { c.AddToGroup("empty", 0), c.QueueGroup("nothing"); },
       nullptr},
      {"loaded by name first", [](CResourceCache& c) { c.GetTexture("t1"); }, nullptr},
      {"loaded by id during the walk", nullptr, [](CResourceCache& c) { c.GetTextureById(1); }},
      {"loaded by id first", [](CResourceCache& c) { c.GetTextureById(0); }, nullptr},
  };
  for (const Case& c : cases) {
    CResourceCache::ReleaseInstance();
    GF::THolder<CResourceCache> fresh = CResourceCache::Instance();
    for (int i = 0; i < 4; ++i) fresh->AddTexture("t" + std::to_string(i));
    for (int id : {0, 1, 2}) fresh->AddToGroup("interfaces", id);
    if (c.before) c.before(*fresh);
    if (std::string(c.what) != "empty group") fresh->QueueGroup("interfaces");
    fresh->StartLoading();
    if (c.during) {
      fresh->LoadNext();
      c.during(*fresh);
      EXPECT_EQ(fresh->GetProgress(), 2.0f / 3.0f) << c.what;
    }
    EXPECT_LT(LoadUntilDone(*fresh), 100) << c.what;
    EXPECT_EQ(fresh->GetProgress(), 1.0f) << c.what;
    EXPECT_FALSE(fresh->LoadNext()) << c.what;
  }
}

TEST_F(CResourceCacheTest, LookupsLoadOnDemandAndLog) {
  EXPECT_EQ(cache->GetTextureById(-1), 0u);
  EXPECT_EQ(cache->GetTextureById(4), 0u);
  EXPECT_EQ(cache->GetTexture("absent"), 0u);
  EXPECT_TRUE(session.LogLines().empty());

  const EngineTexture byName = cache->GetTexture("t0");
  EXPECT_NE(byName, 0u);
  EXPECT_TRUE(session.HasLogLine("Texture t0 now loading"));
  EXPECT_EQ(cache->GetTextureById(0), byName);  // shared, loaded once
  EXPECT_NE(cache->GetTextureById(3), 0u);
  EXPECT_TRUE(session.HasLogLine("Texture 3 now loading"));
  EXPECT_EQ(session.LogLines().size(), 2u);

  // A failed load is tried again at the next request.
  EXPECT_EQ(cache->GetTexture("t2"), 0u);
  EXPECT_EQ(cache->GetTexture("t2"), 0u);
  EXPECT_EQ(session.LogLines().size(), 4u);

  // A later texture of the same name takes the name over.
  EXPECT_EQ(cache->AddTexture("t0"), 4);
  EXPECT_EQ(cache->GetTexture("t0"), 0u);  // "Texture\4" has no file
}

TEST_F(CResourceCacheTest, FreeAllThenLoadAgainAndRelease) {
  EXPECT_NE(cache->GetTexture("t1"), 0u);
  cache->QueueGroup("interfaces");
  cache->StartLoading();
  LoadUntilDone(*cache);
  cache->FreeAll();
  EXPECT_EQ(cache->GetProgress(), 1.0f);  // the queue is empty
  session.ClearLog();
  EXPECT_NE(cache->GetTexture("t1"), 0u);
  EXPECT_TRUE(session.HasLogLine("Texture t1 now loading"));

  CResourceCache::ReleaseInstance();
  EXPECT_EQ(cache->GetTextureCount(), 0);  // emptied though still held here
  GF::THolder<CResourceCache> fresh = CResourceCache::Instance();
  EXPECT_NE(fresh.Get(), cache.Get());
  EXPECT_EQ(fresh->GetTextureCount(), 0);
}

}  // namespace
