#include <gtest/gtest.h>

#include "framework/core/IAnimation.h"
#include "framework/core/IAnimationRegistry.h"
#include "framework/engine/resources/CSpriteObjectData.h"
#include "tests/framework/engine/resources/ResourceFixture.h"
#include "tests/support/PackFixtures.h"

namespace {

class CResourceTest : public pm::test::ResourceFixture {
 protected:
  void FillModules() {
    ASSERT_TRUE(
        Fill("void FillResource(CResourceReader@ r) {\n"
             "  r.CreateModule('a'); r.CreateAnimationData('b.c'); r.CreateAnimationData('x');\n"
             "  r.CreateModule('b'); r.CreateAnimationData('c');\n"
             "  r.CreateModule('empty');\n"
             "  r.AddSoundInfo('s0'); r.AddSoundInfo('s1'); r.AddSoundInfo('s2'); "
             "r.AddSoundInfo('s3');\n"
             "  r.AddSoundInfo('fifth');\n"
             "}\n"));
    log.clear();
  }
};

TEST_F(CResourceTest, LooksUpAnimationsByModuleAndFullName) {
  FillModules();
  // The first point splits: module a, name b.c.
  const auto bc = registry->GetAnimationData("a.b.c");
  ASSERT_TRUE(bc);
  EXPECT_EQ(bc->GetName(), "b.c");
  EXPECT_EQ(registry->GetAnimationData("b.c")->GetName(), "c");
  EXPECT_EQ(registry->GetAnimationData("a", "x"), registry->GetAnimationData("x"));  // shared
  EXPECT_TRUE(log.empty());

  struct Case {
    const char* fullName;
    const char* line;
  } misses[] = {
      {"nowhere", "AnimationData \"nowhere\" not found"},
      {"a.missing", "AnimationData \"a.missing\" not found"},
      {"zz.c", "Module \"zz\" not found"},
  };
  for (const Case& c : misses) {
    log.clear();
    EXPECT_FALSE(registry->GetAnimationData(c.fullName)) << c.fullName;
    ASSERT_EQ(log.size(), 1u) << c.fullName;
    EXPECT_EQ(log[0], c.line);
  }
}

TEST_F(CResourceTest, ListsModulesAndAnimationsInMapOrder) {
  FillModules();
  std::vector<std::string> modules;
  registry->GetModuleNames(modules);
  ASSERT_EQ(modules.size(), 3u);
  EXPECT_EQ(registry->GetModuleCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(registry->GetModuleName(i), modules[i]);
  EXPECT_EQ(registry->GetModuleName(3), "");

  std::vector<std::string> names;
  registry->GetAnimationNames(names, "a");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(registry->GetAnimationCount("a"), 2);
  EXPECT_EQ(registry->GetAnimationName("a", 1), names[1]);
  EXPECT_EQ(registry->GetAnimationName("a", 2), "");
  EXPECT_EQ(registry->GetAnimationCount("empty"), 0);
  EXPECT_TRUE(log.empty());

  EXPECT_EQ(registry->GetAnimationCount("nope"), 0);
  EXPECT_EQ(registry->GetAnimationName("nope", 0), "");
  registry->GetAnimationNames(names, "nope");
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(log, std::vector<std::string>(3, "Module \"nope\" not found"));
}

TEST_F(CResourceTest, SoundsFallBackFromNameToNumber) {
  FillModules();
  // Neither "Sound\fifth.ogg" nor "Sound\4" exists: the numbered name is reported.
  const auto sound = registry->GetSound("fifth");
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->GetHandle(), 0u);
  EXPECT_TRUE(Logged("[W] SOUND Sound\\4 NOT FOUND"));

  log.clear();
  registry->GetSound("unknown");  // absent: the number past the list
  EXPECT_TRUE(Logged("[W] SOUND Sound\\5 NOT FOUND"));

  log.clear();
  EXPECT_TRUE(registry->GetSound(-1));
  EXPECT_FALSE(Logged("NOT FOUND"));
}

TEST_F(CResourceTest, AnimationDataCreatesNodesThatShareTheKeys) {
  ASSERT_TRUE(
      Fill("void FillResource(CResourceReader@ r) {\n"
           "  r.CreateModule('m'); r.CreateAnimationData('empty');\n"
           "  r.CreateAnimationData('a'); r.AddNamedPart('all', 0, 500, 1);\n"
           "  r.CreateSpriteObjectData('s'); r.AddColor(255, 1, 2, 3, 0, 500);\n"
           "}\n"));
  EXPECT_EQ(registry->GetAnimationData("m.empty")->GetObjectDataCount(), 0);
  EXPECT_FALSE(registry->GetAnimationData("m.empty")->GetObjectData(0));

  const auto data = registry->GetAnimationData("m.a");
  const auto node = data->CreateObject();
  ASSERT_TRUE(node);
  EXPECT_EQ(node->GetAnimationData(), data);
  node->Clear();

  // The node was made from the data, which keeps its keys.
  auto* sprite = dynamic_cast<GF::HGENS::CSpriteObjectData*>(data->GetObjectData(0).Get());
  ASSERT_NE(sprite, nullptr);
  EXPECT_EQ(sprite->GetColorTrack()->size(), 1u);
}

TEST_F(CResourceTest, FontsLoadOnceByScriptOrder) {
  // A font of no pages and no glyphs: the magic, three metrics, spacing and two counts.
  const std::string font = std::string("\x07HGEFN10") + std::string(12, '\0');
  const std::string pack = (dir / "fonts.dat").string();
  ASSERT_TRUE(pm::test::WritePack(pack, {{"Font/2.fnt", font}}));
  ASSERT_TRUE(engine->AttachPack(pack.c_str()));
  ASSERT_TRUE(Fill(
      "void FillResource(CResourceReader@ r) { r.AddFont('a'); r.AddFont('b'); r.AddFont('c'); }"));

  const auto c = registry->GetFont("c");  // the third font is font 2
  ASSERT_TRUE(c);
  EXPECT_EQ(registry->GetFont("c"), c);
  EXPECT_EQ(registry->GetFont(2), c);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Font\\2.fnt"), 1);  // read once

  EXPECT_FALSE(registry->GetFont("d"));
  EXPECT_TRUE(Logged("Can't find font d"));
  EXPECT_FALSE(registry->GetFont("a"));
  EXPECT_TRUE(Logged("Can't find font 0"));
  EXPECT_FALSE(registry->GetFont(-1));
}

TEST_F(CResourceTest, EverySpriteLookupMakesANewSprite) {
  ASSERT_TRUE(
      Fill("void FillResource(CResourceReader@ r) {\n"
           "  r.AddTexture('sheet'); r.AddHGESpriteInfo('button', 0, 10, 20, 30, 40);\n"
           "}\n"));
  const auto first = registry->GetSprite("button");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->GetWidth(), 30.0f);
  EXPECT_EQ(first->GetHeight(), 40.0f);
  const auto second = registry->GetSprite(0);
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_NE(second->GetSprite(), first->GetSprite());
  for (int index : {-1, 1}) EXPECT_FALSE(registry->GetSprite(index)) << index;
  EXPECT_FALSE(registry->GetSprite("missing"));
}

TEST_F(CResourceTest, UnloadLeavesAFreshRegistryAndTheAnimationRegistryFollows) {
  auto first = GF::HGENS::GetResources();
  EXPECT_EQ(GF::GetAnimationRegistry(), first.Get());
  first->CreateModule("kept");
  EXPECT_EQ(GF::HGENS::GetResources(), first);

  first->Unload();
  EXPECT_TRUE(Logged("-------------------------------Texture--------------------------"));
  EXPECT_EQ(GF::GetAnimationRegistry(), nullptr);
  const auto second = GF::HGENS::GetResources();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->GetModuleCount(), 0);
  EXPECT_EQ(GF::GetAnimationRegistry(), second.Get());
  second->Unload();
}

}  // namespace
