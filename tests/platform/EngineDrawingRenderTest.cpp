// Drawing through the engine interface on the real backend (headless: Mesa's llvmpipe under
// SDL's offscreen driver): blend codes, clipping, transform, targets, addressing, culling,
// locks, point sprites and batches, checked pixel by pixel in a target read back; textures
// read through the engine's files; a frame drawn outside the loop.
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "tests/platform/DrawFixtures.h"
#include "tests/platform/EngineFixture.h"
#include "tests/support/KeepDriversLoaded.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr int kW = 64;
constexpr int kH = 48;

int Channel(std::uint32_t argb, int shift) {
  return static_cast<int>((argb >> shift) & 0xFF);
}

// Colours equal within the rounding of one 8-bit step per operation.
::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 2) {
  for (int shift : {0, 8, 16, 24}) {
    if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
      return ::testing::AssertionFailure()
             << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

using pm::test::GlError;
using pm::test::Quad;

// Each test draws into a 64 x 48 target (the canvas) and reads it back.
class EngineDrawingRenderTest : public pm::test::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    Initiate();
    pm::test::KeepDriversLoaded();
    canvas = engine->TargetCreate(kW, kH);
    ASSERT_NE(canvas, 0u);
  }
  void TearDown() override {
    Pixels();  // makes the engine's GL context current
    EXPECT_EQ(GlError(), 0u) << "the renderer misused OpenGL";
    engine->TargetFree(canvas);
    EngineFixture::TearDown();
  }

  std::vector<std::uint32_t> Pixels() {
    std::vector<std::uint32_t> pixels(kW * kH);
    EXPECT_TRUE(engine->TargetReadPixels(canvas, pixels.data()));
    return pixels;
  }
  static std::uint32_t At(const std::vector<std::uint32_t>& p, int x, int y) {
    return p[y * kW + x];
  }

  // A texture of one colour, or of columns of the given colours.
  EngineTexture Solid(int w, int h, std::vector<std::uint32_t> columns) {
    EngineTexture t = engine->TextureCreate(w, h);
    std::uint32_t* p = engine->TextureLock(t, false);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) p[y * w + x] = columns[x * columns.size() / w];
    }
    engine->TextureUnlock(t);
    return t;
  }

  EngineTarget canvas = 0;
};

TEST_F(EngineDrawingRenderTest, EachBlendCodeCombinesTextureVertexAndBackground) {
  const std::uint32_t background = 0xFF204060;
  const std::uint32_t texel = 0x80C08040;  // half transparent
  const EngineTexture tex = Solid(4, 4, {texel});
  struct Case {
    int blend;
    std::uint32_t vertex;
  };
  const Case cases[] = {{0, 0xFF808080}, {1, 0xFF202020}, {2, 0xFF808080},
                        {3, 0xFF202020}, {3, 0xFF000000}, {6, 0xFFFFFFFF}};
  for (const Case& c : cases) {
    ASSERT_TRUE(engine->BeginScene(canvas));
    engine->Clear(background);
    const EngineQuad q = Quad(0, 0, kW, kH, tex, c.vertex, c.blend);
    engine->RenderQuad(&q);
    engine->EndScene();
    const double a = Channel(texel, 24) / 255.0 * Channel(c.vertex, 24) / 255.0;
    std::uint32_t expected = 0;
    for (int shift : {0, 8, 16}) {
      const double t = Channel(texel, shift) / 255.0, v = Channel(c.vertex, shift) / 255.0;
      const double src = (c.blend & BLEND_COLORADD) ? std::min(t + v, 1.0) : t * v;
      const double bg = Channel(background, shift) / 255.0;
      const double out = (c.blend & BLEND_ALPHABLEND) ? src * a + bg * (1 - a) : src * a + bg;
      expected |= static_cast<std::uint32_t>(std::lround(std::min(out, 1.0) * 255)) << shift;
    }
    const auto pixels = Pixels();
    // The alpha channel blends like the colours; only the colours are compared.
    EXPECT_TRUE(Near(At(pixels, 10, 10) & 0xFFFFFF, expected)) << "blend " << c.blend;
  }
  engine->TextureFree(tex);
}

TEST_F(EngineDrawingRenderTest, ModeThreeWithOpaqueBlackLeavesTheSpriteUnchanged) {
  const EngineTexture tex = Solid(4, 4, {0xFF3366CC});
  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF000000);
  const EngineQuad q = Quad(0, 0, kW, kH, tex, 0xFF000000, 3);
  engine->RenderQuad(&q);
  engine->EndScene();
  EXPECT_TRUE(Near(At(Pixels(), 5, 5), 0xFF3366CC, 0));
  engine->TextureFree(tex);
}

TEST_F(EngineDrawingRenderTest, ClippingCutsAndSwitchesOff) {
  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF000000);
  engine->SetClipping(10, 5, 20, 10);
  const EngineQuad red = Quad(0, 0, kW, kH, 0, 0xFFFF0000);
  engine->RenderQuad(&red);
  engine->SetClipping();
  const EngineQuad green = Quad(40, 30, 50, 40, 0, 0xFF00FF00);
  engine->RenderQuad(&green);
  engine->EndScene();
  const auto p = Pixels();
  EXPECT_EQ(At(p, 10, 5), 0xFFFF0000u);
  EXPECT_EQ(At(p, 29, 14), 0xFFFF0000u);
  EXPECT_EQ(At(p, 9, 5), 0xFF000000u);
  EXPECT_EQ(At(p, 30, 14), 0xFF000000u);
  EXPECT_EQ(At(p, 10, 15), 0xFF000000u);
  EXPECT_EQ(At(p, 10, 4), 0xFF000000u);
  EXPECT_EQ(At(p, 45, 35), 0xFF00FF00u);
}

TEST_F(EngineDrawingRenderTest, TransformMovesScalesAndRotatesClockwise) {
  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF000000);
  engine->SetTransform(0, 0, 10, 5, 0, 1, 1);  // moved by (10, 5)
  const EngineQuad moved = Quad(0, 0, 4, 4, 0, 0xFFFF0000);
  engine->RenderQuad(&moved);
  // About (32, 24), a quarter turn takes a quad right of the centre to below it.
  engine->SetTransform(32, 24, 0, 0, static_cast<float>(M_PI / 2), 1, 1);
  const EngineQuad turned = Quad(40, 22, 50, 26, 0, 0xFF00FF00);
  engine->RenderQuad(&turned);
  engine->SetTransform();  // identity again
  const EngineQuad plain = Quad(0, 40, 4, 44, 0, 0xFF0000FF);
  engine->RenderQuad(&plain);
  engine->EndScene();
  const auto p = Pixels();
  EXPECT_EQ(At(p, 11, 6), 0xFFFF0000u);
  EXPECT_EQ(At(p, 2, 2), 0xFF000000u);
  EXPECT_EQ(At(p, 32, 36), 0xFF00FF00u);  // (32, 24) + (0, 8..18)
  EXPECT_EQ(At(p, 45, 24), 0xFF000000u);
  EXPECT_EQ(At(p, 2, 42), 0xFF0000FFu);
}

TEST_F(EngineDrawingRenderTest, TargetReadsBackTheRightWayUpAndDrawsAsATexture) {
  const EngineTarget target = engine->TargetCreate(16, 8);
  ASSERT_NE(target, 0u);
  const EngineTexture tex = engine->TargetGetTexture(target);
  ASSERT_NE(tex, 0u);
  EXPECT_EQ(engine->TextureGetWidth(tex), 16);
  EXPECT_EQ(engine->TextureGetHeight(tex), 8);

  ASSERT_TRUE(engine->BeginScene(target));
  engine->Clear(0);
  const EngineQuad top = Quad(0, 0, 16, 2, 0, 0xFFFF0000);
  engine->RenderQuad(&top);
  engine->EndScene();
  std::vector<std::uint32_t> pixels(16 * 8);
  ASSERT_TRUE(engine->TargetReadPixels(target, pixels.data()));
  EXPECT_EQ(pixels[0], 0xFFFF0000u);
  EXPECT_EQ(pixels[1 * 16 + 15], 0xFFFF0000u);
  EXPECT_EQ(pixels[2 * 16], 0u);
  EXPECT_EQ(pixels[7 * 16 + 3], 0u);

  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF000000);
  const EngineQuad shown = Quad(0, 0, 16, 8, tex);
  engine->RenderQuad(&shown);
  engine->EndScene();
  const auto p = Pixels();
  EXPECT_EQ(At(p, 4, 0), 0xFFFF0000u);
  EXPECT_EQ(At(p, 4, 6), 0xFF000000u);

  engine->TargetFree(target);
  EXPECT_EQ(engine->TargetGetTexture(target), 0u);
  EXPECT_FALSE(engine->BeginScene(target));
}

// Handles are never addresses and never given twice: a freed or unknown one, however used,
// draws nothing and is logged once, and a texture made later gets a handle of its own.
TEST_F(EngineDrawingRenderTest, FreedAndUnknownTexturesDrawNothingAndLogOnce) {
  const EngineTexture freed = Solid(4, 4, {0xFFFF0000});
  engine->TextureFree(freed);
  const EngineTexture live = Solid(4, 4, {0xFF00FF00});
  EXPECT_NE(live, freed);
  const EngineTexture unknown = live + 1000;
  log.clear();
  for (int frame = 0; frame < 2; ++frame) {
    ASSERT_TRUE(engine->BeginScene(canvas));
    engine->Clear(0xFF000000);
    for (EngineTexture tex : {freed, unknown}) {
      const EngineQuad quad = Quad(0, 0, 16, 16, tex);
      engine->RenderQuad(&quad);
      EngineTriple triple{{{0, 20, 0.5f, 0xFFFFFFFF, 0, 0},
                           {16, 20, 0.5f, 0xFFFFFFFF, 1, 0},
                           {0, 36, 0.5f, 0xFFFFFFFF, 0, 1}},
                          tex,
                          BLEND_DEFAULT};
      engine->RenderTriple(&triple);
      int capacity = -1;
      EXPECT_EQ(engine->StartBatch(EngineBatch::PointSprites, tex, BLEND_DEFAULT, &capacity),
                nullptr);
      EXPECT_EQ(capacity, 0);
      engine->FinishBatch(1);
      EXPECT_EQ(engine->TextureGetWidth(tex), 0);
      EXPECT_EQ(engine->TextureLock(tex), nullptr);
      engine->TextureFree(tex);
    }
    const EngineQuad shown = Quad(32, 0, 48, 16, live);
    engine->RenderQuad(&shown);
    engine->EndScene();
    const auto p = Pixels();
    EXPECT_EQ(std::count(p.begin(), p.end(), 0xFF000000u), kW * kH - 16 * 16);
    EXPECT_EQ(At(p, 40, 8), 0xFF00FF00u);
  }
  EXPECT_EQ(log,
            (std::vector<std::string>{
                "Texture handle " + std::to_string(freed) + " is freed or unknown; not drawn",
                "Texture handle " + std::to_string(unknown) + " is freed or unknown; not drawn"}));
  engine->TextureFree(live);
}

TEST_F(EngineDrawingRenderTest, WrapRepeatsTheTextureAndClampDoesNot) {
  const EngineTexture tex = Solid(4, 4, {0xFFFF0000, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF});
  for (bool wrap : {true, false}) {
    ASSERT_TRUE(engine->BeginScene(canvas));
    engine->Clear(0xFF000000);
    engine->SetTextureWrap(wrap);
    const EngineQuad q = Quad(0, 0, 16, 4, tex, 0xFFFFFFFF, BLEND_DEFAULT, 0, 0, 2, 1);
    engine->RenderQuad(&q);
    engine->SetTextureWrap(false);
    engine->EndScene();
    const auto p = Pixels();
    EXPECT_EQ(At(p, 2, 1), 0xFFFF0000u);
    EXPECT_EQ(At(p, 10, 1), wrap ? 0xFFFF0000u : 0xFF0000FFu) << "wrap " << wrap;
    EXPECT_EQ(At(p, 14, 1), 0xFF0000FFu);
  }
  engine->TextureFree(tex);
}

TEST_F(EngineDrawingRenderTest, CullingDropsOneWindingAndKeepsTheOther) {
  // A sprite is clockwise on the screen; the same quad mirrored (negative width) is not.
  const EngineQuad clockwise = Quad(0, 0, 10, 10, 0, 0xFFFF0000);
  const EngineQuad mirrored = Quad(30, 0, 20, 10, 0, 0xFF00FF00);
  struct Case {
    EngineCull mode;
    bool clockwiseShown, mirroredShown;
  };
  for (const Case& c :
       {Case{EngineCull::None, true, true}, Case{EngineCull::Clockwise, false, true},
        Case{EngineCull::CounterClockwise, true, false}}) {
    ASSERT_TRUE(engine->BeginScene(canvas));
    engine->Clear(0xFF000000);
    engine->SetCullMode(c.mode);
    engine->RenderQuad(&clockwise);
    engine->RenderQuad(&mirrored);
    engine->SetCullMode(EngineCull::None);
    engine->EndScene();
    const auto p = Pixels();
    EXPECT_EQ(At(p, 5, 5), c.clockwiseShown ? 0xFFFF0000u : 0xFF000000u);
    EXPECT_EQ(At(p, 25, 5), c.mirroredShown ? 0xFF00FF00u : 0xFF000000u);
  }
}

TEST_F(EngineDrawingRenderTest, LockedEditsShowAfterUnlock) {
  const EngineTexture tex = Solid(8, 8, {0xFF000000});
  // A writable lock of a part: rows keep the texture's stride.
  std::uint32_t* p = engine->TextureLock(tex, false, 4, 2, 4, 2);
  ASSERT_NE(p, nullptr);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) p[y * 8 + x] = 0xFFFFFF00;
  }
  engine->TextureUnlock(tex);

  const std::uint32_t* read = engine->TextureLock(tex, true);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read[2 * 8 + 4], 0xFFFFFF00u);
  EXPECT_EQ(read[3 * 8 + 7], 0xFFFFFF00u);
  EXPECT_EQ(read[1 * 8 + 4], 0xFF000000u);
  EXPECT_EQ(read[2 * 8 + 3], 0xFF000000u);
  EXPECT_EQ(engine->TextureLock(tex, true), nullptr);  // one lock at a time
  engine->TextureUnlock(tex);

  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF0000FF);
  const EngineQuad q = Quad(0, 0, 8, 8, tex);
  engine->RenderQuad(&q);
  engine->EndScene();
  const auto s = Pixels();
  EXPECT_EQ(At(s, 5, 2), 0xFFFFFF00u);
  EXPECT_EQ(At(s, 5, 5), 0xFF000000u);
  engine->TextureFree(tex);
}

TEST_F(EngineDrawingRenderTest, PointSpritesDrawCentredAtTheirSize) {
  const EngineTexture tex = Solid(4, 4, {0xFFFFFFFF});
  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF000000);
  engine->SetPointSize(8);
  int capacity = 0;
  EngineVertex* v = engine->StartBatch(EngineBatch::PointSprites, tex, BLEND_DEFAULT, &capacity);
  ASSERT_NE(v, nullptr);
  ASSERT_GE(capacity, 2);
  v[0] = {20, 20, 0.5f, 0xFFFF0000, 0, 0};
  v[1] = {40, 30, 0.5f, 0xFF00FF00, 0, 0};
  engine->FinishBatch(2);
  engine->EndScene();
  const auto p = Pixels();
  EXPECT_EQ(At(p, 16, 16), 0xFFFF0000u);
  EXPECT_EQ(At(p, 23, 23), 0xFFFF0000u);
  EXPECT_EQ(At(p, 15, 20), 0xFF000000u);
  EXPECT_EQ(At(p, 24, 20), 0xFF000000u);
  EXPECT_EQ(At(p, 36, 26), 0xFF00FF00u);
  EXPECT_EQ(At(p, 40, 34), 0xFF000000u);
  engine->TextureFree(tex);
}

TEST_F(EngineDrawingRenderTest, BatchesOfEveryKindDraw) {
  ASSERT_TRUE(engine->BeginScene(canvas));
  engine->Clear(0xFF000000);
  int capacity = 0;
  EngineVertex* quads = engine->StartBatch(EngineBatch::Quads, 0, BLEND_DEFAULT, &capacity);
  ASSERT_NE(quads, nullptr);
  ASSERT_GE(capacity, 1);
  const EngineQuad q = Quad(40, 0, 50, 10, 0, 0xFF0000FF);
  std::copy(q.v, q.v + 4, quads);
  engine->FinishBatch(1);
  EngineVertex* v = engine->StartBatch(EngineBatch::Triples, 0, BLEND_DEFAULT, &capacity);
  ASSERT_NE(v, nullptr);
  v[0] = {0, 0, 0.5f, 0xFFFF0000, 0, 0};
  v[1] = {20, 0, 0.5f, 0xFFFF0000, 0, 0};
  v[2] = {0, 20, 0.5f, 0xFFFF0000, 0, 0};
  engine->FinishBatch(1);
  engine->RenderLine(0, 30.5f, 64, 30.5f, 0xFF00FF00);
  engine->EndScene();
  const auto p = Pixels();
  EXPECT_EQ(At(p, 3, 3), 0xFFFF0000u);
  EXPECT_EQ(At(p, 18, 18), 0xFF000000u);
  EXPECT_EQ(At(p, 32, 30), 0xFF00FF00u);
  EXPECT_EQ(At(p, 45, 5), 0xFF0000FFu);
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
