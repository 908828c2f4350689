// The screen host on the real renderer: each frame begins on the screen with the identity
// transform and is never cleared, so what the top screen does not paint again stays.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "framework/core/IScene.h"
#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ProgramEntry.h"
#include "tests/framework/engine/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;

void FillRect(Engine& engine, float left, float top, float size, std::uint32_t colour) {
  EngineQuad quad{};
  const float xs[4] = {left, left + size, left + size, left};
  const float ys[4] = {top, top, top + size, top + size};
  for (int i = 0; i < 4; ++i) quad.v[i] = {xs[i], ys[i], 0.5f, colour, 0.0f, 0.0f};
  quad.blend = BLEND_DEFAULT;
  engine.RenderQuad(&quad);
}

// Paints a red square in its first frame, a green one in every later frame, and leaves a
// shifted transform behind each time.
class CPaintScreen : public pm::test::CTestScreen {
 public:
  void Render() override {
    Engine* engine = hgeCreate(ENGINE_VERSION);
    if (m_frames++ == 0) {
      FillRect(*engine, 100, 100, 100, 0xFFFF0000);
    } else {
      FillRect(*engine, 300, 100, 100, 0xFF00FF00);
    }
    engine->SetTransform(0, 0, 250, 250);
    engine->Release();
  }

 private:
  int m_frames = 0;
};

class CPaintApplication : public GF::HGENS::CApplication {
 public:
  using CApplication::CApplication;
  bool Init() override {
    CApplication::Init();
    m_gameManager->RegisterScreen("paint", [] { return THolder<GF::IScreen>(new CPaintScreen); });
    m_gameManager->CreateScreen("paint", "", THolder<GF::IScene>(), nullptr);
    return true;
  }
};

std::uint32_t PixelAt(Engine& engine, EngineTexture texture, int x, int y) {
  const std::uint32_t* pixels = engine.TextureLock(texture);
  const std::uint32_t pixel = pixels[y * engine.TextureGetWidth(texture) + x];
  engine.TextureUnlock(texture);
  return pixel & 0x00FFFFFF;
}

TEST(ScreenHostRenderTest, FramesBeginWithTheIdentityTransformAndAreNeverCleared) {
  const std::filesystem::path folder = pm::test::MakeTempDir("host");
  std::ofstream(folder / "run.txt") << "step 20\nframes 10\n@2 shot frame2.png\n@3 close\n";
  pm::test::ScopedEnv replay("PANMASTER_REPLAY", (folder / "run.txt").string());
  char program[] = "/bin/true";
  char* argv[] = {program};
  GF::HGENS::RunProgram(1, argv, [](Engine* engine) {
    return std::unique_ptr<GF::HGENS::CApplication>(new CPaintApplication(engine));
  });
  ASSERT_TRUE(std::filesystem::exists(folder / "frame2.png"));

  pm::test::EngineSession session;
  Engine& engine = session.engine();
  const EngineTexture shot = engine.TextureLoad((folder / "frame2.png").c_str());
  ASSERT_NE(shot, 0u);
  EXPECT_EQ(PixelAt(engine, shot, 150, 150), 0xFF0000u);  // frame 1's square is still there
  EXPECT_EQ(PixelAt(engine, shot, 350, 150), 0x00FF00u);  // not shifted by the transform
  EXPECT_EQ(PixelAt(engine, shot, 600, 350), PixelAt(engine, shot, 5, 5));  // nothing else
  engine.TextureFree(shot);
}

}  // namespace
