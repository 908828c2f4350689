#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "framework/core/IAnimation.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/CResourceReader.h"
#include "platform/OsServices.h"
#include "tests/support/SampleContentFixture.h"

namespace {

// The generated sample content, packed beside the program, fills the registry as the
// program's start-up does.
class SampleResourcesE2ETest : public pm::test::SampleContentFixture {};

TEST_F(SampleResourcesE2ETest, FillsEveryKindOfResource) {
  EXPECT_FALSE(session.HasLogLine("Resource script: the build failed"));
  std::vector<std::string> modules;
  registry->GetModuleNames(modules);
  for (const char* module : {"interfaces", "main_menu"}) {
    EXPECT_NE(std::find(modules.begin(), modules.end(), module), modules.end()) << module;
  }
  const auto button = registry->GetAnimationData("interfaces.button");
  ASSERT_TRUE(button);
  EXPECT_EQ(button->GetNamedPart("_over")->GetX(), 100.0f);
  EXPECT_EQ(button->GetObjectDataCount(), 3);
  const auto layout = registry->GetAnimationData("main_menu", "layout");
  ASSERT_TRUE(layout);
  EXPECT_TRUE(layout->GetNamedPart("_show"));
  const auto node = layout->CreateObject();
  ASSERT_TRUE(node);
  node->Clear();

  // The JPEG-2000 logo takes its alpha from its GIF mask: opaque inside, clear at a corner.
  const auto logo = registry->GetSprite("logo");
  ASSERT_TRUE(logo);
  const EngineTexture texture = logo->GetSprite()->GetTexture();
  ASSERT_NE(texture, 0u);
  Engine& engine = session.engine();
  const std::uint32_t* px = engine.TextureLock(texture, true);
  ASSERT_NE(px, nullptr);
  const int stride = engine.TextureGetWidth(texture);
  EXPECT_EQ(px[64 * stride + 128] >> 24, 255u);
  EXPECT_EQ(px[0] >> 24, 0u);
  engine.TextureUnlock(texture);
  EXPECT_NE(registry->GetSprite("menu_background")->GetSprite()->GetTexture(), 0u);

  const auto font = registry->GetFont("main");
  ASSERT_TRUE(font);
  EXPECT_GT(font->GetLineWidth(L"Panmaster"), 50.0f);
  EXPECT_GT(font->GetHeight(), 15.0f);

  EXPECT_NE(registry->GetSound("whoosh")->GetHandle(), 0u);
  EXPECT_NE(registry->GetSound(2)->GetHandle(), 0u);
  EXPECT_EQ(registry->GetTextInfo(0)->GetText(), L"Panmaster");
  EXPECT_EQ(registry->GetText("item_quit"), L"Quit");
}

TEST_F(SampleResourcesE2ETest, LaterStartsLoadTheSavedBytecode) {
  // The first load (any earlier run) left the bytecode beside the program.
  EXPECT_TRUE(std::filesystem::exists(Os::GetProgramDirectory() + "Animation/effects.bs"));
  registry->Unload();
  session.ClearLog();
  registry = GF::HGENS::GetResources();
  ASSERT_TRUE(registry->Load());
  for (const std::string& line : session.LogLines()) {
    EXPECT_EQ(line.find("ANGELSCRIPT"), std::string::npos) << line;  // nothing compiled
  }
  EXPECT_TRUE(registry->GetAnimationData("main_menu.item_play"));
}

}  // namespace
