// Drawing through the engine interface on the real backend: textures read through the
// engine's files, render targets, and a frame drawn outside the loop.
#include <SDL2/SDL_image.h>

#include "tests/platform/EngineFixture.h"
#include "tests/support/KeepDriversLoaded.h"
#include "tests/support/TestSupport.h"

namespace {

class EngineDrawingRenderTest : public pm::test::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    Initiate();
    pm::test::KeepDriversLoaded();
  }
};

EngineQuad Quad(float x0, float y0, float x1, float y1, EngineTexture tex, std::uint32_t color) {
  EngineQuad q{};
  q.v[0] = {x0, y0, 0.5f, color, 0, 0};
  q.v[1] = {x1, y0, 0.5f, color, 1, 0};
  q.v[2] = {x1, y1, 0.5f, color, 1, 1};
  q.v[3] = {x0, y1, 0.5f, color, 0, 1};
  q.tex = tex;
  q.blend = BLEND_DEFAULT;
  return q;
}

TEST_F(EngineDrawingRenderTest, ATextureFromTheEnginesFilesDrawsIntoATarget) {
  const auto dir = pm::test::MakeTempDir("drawing");
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 6, 2, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(s, nullptr);
  for (int y = 0; y < 2; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<char*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < 6; ++x) row[x] = y == 0 ? 0xFFFF0000 : 0xFF0000FF;
  }
  const std::string png = (dir / "6.png").string();
  ASSERT_EQ(IMG_SavePNG(s, png.c_str()), 0);
  SDL_FreeSurface(s);

  const EngineTexture tex = engine->TextureLoad(png.c_str());
  ASSERT_NE(tex, 0u);
  EXPECT_EQ(engine->TextureGetWidth(tex, true), 6);
  EXPECT_EQ(engine->TextureGetHeight(tex), 2);
  EXPECT_EQ(engine->TextureLoad((dir / "none.png").c_str()), 0u);

  const EngineTarget target = engine->TargetCreate(12, 8);
  ASSERT_NE(target, 0u);
  ASSERT_TRUE(engine->BeginScene(target));
  engine->Clear(0xFF000000);
  const EngineQuad q = Quad(0, 0, 12, 4, tex, 0xFFFFFFFF);  // doubled in size
  engine->RenderQuad(&q);
  engine->EndScene();
  std::vector<std::uint32_t> pixels(12 * 8);
  ASSERT_TRUE(engine->TargetReadPixels(target, pixels.data()));
  EXPECT_EQ(pixels[0 * 12 + 1], 0xFFFF0000u);
  EXPECT_EQ(pixels[3 * 12 + 10], 0xFF0000FFu);
  EXPECT_EQ(pixels[5 * 12 + 5], 0xFF000000u);
  EXPECT_NE(engine->TargetGetTexture(target), 0u);
  engine->TargetFree(target);
  engine->TextureFree(tex);
}

TEST_F(EngineDrawingRenderTest, AFrameDrawsOutsideTheLoopAndInsideIt) {
  // As the focus-lost callback does: one frame between frames of the loop.
  ASSERT_TRUE(engine->BeginScene());
  engine->Clear(0xFF102030);
  engine->EndScene();
  int drawn = 0;
  Run([&](int frame) {
    if (engine->BeginScene()) {
      const EngineQuad q = Quad(10, 10, 20, 20, 0, 0xFFFFFFFF);
      engine->RenderQuad(&q);
      engine->EndScene();
      ++drawn;
    }
    return frame == 3;
  });
  EXPECT_EQ(drawn, 3);
}

}  // namespace
