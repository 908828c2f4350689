// The OpenGL renderer itself on the real backend (headless: Mesa's llvmpipe under SDL's
// offscreen driver): how draws batch and queue, the logical screen, and image loading. The
// drawing operations are tested through the engine in EngineDrawingRenderTest.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/GlRenderer.h"
#include "tests/platform/DrawFixtures.h"
#include "tests/support/KeepDriversLoaded.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr int kW = 64;
constexpr int kH = 48;

using pm::test::GlError;
using pm::test::Quad;

class GlRendererRenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    GlRenderer::PrepareWindow();
    window_ = SDL_CreateWindow("render test", 0, 0, kW, kH,
                               SDL_WINDOW_HIDDEN | GlRenderer::WindowFlags());
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ResourceAccess files;
    files.load = [](const char* name, std::uint32_t* size) -> void* {
      std::ifstream in(name, std::ios::binary);
      if (!in) return nullptr;
      std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
      void* data = std::malloc(bytes.size());
      std::memcpy(data, bytes.data(), bytes.size());
      *size = static_cast<std::uint32_t>(bytes.size());
      return data;
    };
    files.free = std::free;
    renderer_ = new GlRenderer(files);
    ASSERT_TRUE(renderer_->Init(window_, kW, kH)) << renderer_->ErrorMessage();
    pm::test::KeepDriversLoaded();
  }

  static void TearDownTestSuite() {
    delete renderer_;
    renderer_ = nullptr;
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  void TearDown() override {
    Screen();  // makes the renderer's GL context current
    EXPECT_EQ(GlError(), 0u) << "the renderer misused OpenGL";
  }

  GlRenderer& r() { return *renderer_; }

  std::vector<std::uint32_t> Screen() {
    std::vector<std::uint32_t> pixels(kW * kH);
    EXPECT_TRUE(r().ReadScreenPixels(pixels.data()));
    return pixels;
  }
  static std::uint32_t At(const std::vector<std::uint32_t>& p, int x, int y) {
    return p[y * kW + x];
  }

  // A texture of one colour, or of columns of the given colours.
  EngineTexture Solid(int w, int h, std::vector<std::uint32_t> columns) {
    EngineTexture t = r().TextureCreate(w, h);
    std::uint32_t* p = r().TextureLock(t, false);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) p[y * w + x] = columns[x * columns.size() / w];
    }
    r().TextureUnlock(t);
    return t;
  }

  static SDL_Window* window_;
  static GlRenderer* renderer_;
};

SDL_Window* GlRendererRenderTest::window_ = nullptr;
GlRenderer* GlRendererRenderTest::renderer_ = nullptr;
TEST_F(GlRendererRenderTest, ATextureFreedAfterItsDrawStillShowsInThatDraw) {
  ASSERT_TRUE(r().BeginScene());
  r().Clear(0xFF000000);
  const EngineTexture tex = Solid(2, 2, {0xFF00FFFF});
  const EngineQuad q = Quad(0, 0, 4, 4, tex);
  r().RenderQuad(&q);
  r().TextureFree(tex);
  const EngineTexture other = Solid(2, 2, {0xFFFF00FF});  // may reuse the GL name
  const EngineQuad next = Quad(4, 0, 8, 4, other);
  r().RenderQuad(&next);
  r().EndScene();
  const auto p = Screen();
  EXPECT_EQ(At(p, 1, 1), 0xFF00FFFFu);
  EXPECT_EQ(At(p, 5, 1), 0xFFFF00FFu);
  r().TextureFree(other);
  EXPECT_EQ(r().TextureGetWidth(tex), 0);  // a freed handle is stale
}

TEST_F(GlRendererRenderTest, BatchesMergeQuadsAndFlushOnStateChanges) {
  const EngineTexture tex = Solid(2, 2, {0xFFFFFFFF});
  ASSERT_TRUE(r().BeginScene());
  r().ResetStats();
  for (int i = 0; i < 100; ++i) {
    const EngineQuad q = Quad(i % 60, 0, i % 60 + 2, 2, tex);
    r().RenderQuad(&q);
  }
  r().Flush();
  EXPECT_EQ(r().Stats().drawCalls, 1u);
  EXPECT_EQ(r().Stats().primitives, 100u);

  const EngineQuad a = Quad(0, 0, 2, 2, tex, 0xFFFFFFFF, 2);
  const EngineQuad b = Quad(0, 0, 2, 2, tex, 0xFFFFFFFF, 0);
  r().RenderQuad(&a);
  r().RenderQuad(&b);
  r().RenderLine(0, 0, 0, 0);  // a line ends the batch of quads before it
  int capacity = 0;
  r().StartBatch(EngineBatch::Quads, 0, 0, &capacity);  // so does a new batch
  r().FinishBatch(0);
  r().Flush();
  EXPECT_EQ(r().Stats().drawCalls, 4u);
  r().EndScene();
  r().TextureFree(tex);
}

// A scene clears a clipping it may never have set, and the screen sets its transform at
// every frame's start: repeating the state in force must not cut the batch.
TEST_F(GlRendererRenderTest, TheSameClippingOrTransformAgainKeepsTheBatchOpen) {
  const EngineQuad green = Quad(0, 0, 8, 8, 0, 0xFF00FF00);
  const EngineQuad red = Quad(0, 0, 8, 8, 0, 0xFFFF0000);
  ASSERT_TRUE(r().BeginScene());
  r().Clear(0xFF000000);
  r().ResetStats();
  r().SetClipping(0, 0, 0, 0);
  r().SetTransform(0, 0, 0, 0, 0, 1, 1);  // both as the scene began
  r().RenderQuad(&green);
  r().SetClipping(0, 0, 4, 4);  // a change: the green quad goes out first
  r().RenderQuad(&red);
  r().SetClipping(0, 0, 4, 4);  // the same again
  r().SetTransform(0, 0, 0, 0, 0, 1, 1);
  r().RenderQuad(&red);
  r().EndScene();
  EXPECT_EQ(r().Stats().uploads, 2u);
  EXPECT_EQ(r().Stats().drawCalls, 2u);
  const auto p = Screen();
  EXPECT_EQ(At(p, 1, 1), 0xFFFF0000u);
  EXPECT_EQ(At(p, 6, 6), 0xFF00FF00u);  // the clipping still holds after its repeat
}

TEST_F(GlRendererRenderTest, QueuedDrawsKeepTheirOrderPastAFullQueue) {
  const EngineTexture red = Solid(2, 2, {0xFFFF0000});
  const EngineTexture green = Solid(2, 2, {0xFF00FF00});
  ASSERT_TRUE(r().BeginScene());
  r().Clear(0xFF000000);
  // More quads than one upload holds, textures alternating: the last drawn covers.
  for (int i = 0; i < 20001; ++i) {
    const EngineQuad q = Quad(0, 0, 8, 8, i % 2 ? green : red);
    r().RenderQuad(&q);
  }
  const EngineQuad over = Quad(4, 4, 8, 8, green, 0xFFFFFFFF, 0);  // added on top
  r().RenderQuad(&over);
  r().EndScene();
  const auto p = Screen();
  EXPECT_EQ(At(p, 1, 1), 0xFFFF0000u);  // quad 20000 is red
  EXPECT_EQ(At(p, 5, 5) & 0xFFFFFF, 0xFFFF00u);
  r().TextureFree(red);
  r().TextureFree(green);
}

TEST_F(GlRendererRenderTest, SixteenTexturesShareABatchWhenTheDriverTakesThem) {
  // The hardware setting, forced here on the software rasteriser.
  SDL_Window* window =
      SDL_CreateWindow("slots", 0, 0, kW, kH, SDL_WINDOW_HIDDEN | GlRenderer::WindowFlags());
  ASSERT_NE(window, nullptr);
  {
    GlRenderer wide{ResourceAccess{}};
    ASSERT_TRUE(wide.Init(window, kW, kH, 16)) << wide.ErrorMessage();
    std::vector<EngineTexture> textures;
    for (int i = 0; i < 17; ++i) {
      const EngineTexture t = wide.TextureCreate(2, 2);
      std::uint32_t* p = wide.TextureLock(t, false);
      std::fill(p, p + 4, 0xFF000000u | static_cast<std::uint32_t>(i * 15) << 16 | (255 - i));
      wide.TextureUnlock(t);
      textures.push_back(t);
    }
    ASSERT_TRUE(wide.BeginScene());
    wide.Clear(0xFF000000);
    wide.ResetStats();
    for (int i = 0; i < 17; ++i) {
      const EngineQuad q = Quad(i * 3, 0, i * 3 + 3, 8, textures[i]);
      wide.RenderQuad(&q);
    }
    const EngineQuad added = Quad(0, 10, 8, 18, textures[3], 0xFF00FF00, 3);
    wide.RenderQuad(&added);
    wide.EndScene();
    EXPECT_EQ(wide.Stats().drawCalls, 3u);  // 16 textures, the 17th, the other colour mode
    std::vector<std::uint32_t> p(kW * kH);
    ASSERT_TRUE(wide.ReadScreenPixels(p.data()));
    for (int i = 0; i < 17; ++i) {
      EXPECT_EQ(p[4 * kW + i * 3 + 1],
                0xFF000000u | static_cast<std::uint32_t>(i * 15) << 16 | (255 - i))
          << "texture " << i;
    }
    EXPECT_EQ(p[12 * kW + 4], 0xFF2DFFFCu);  // texture 3 with green added
    for (EngineTexture t : textures) wide.TextureFree(t);
  }
  SDL_DestroyWindow(window);
}

TEST_F(GlRendererRenderTest, ScreenKeepsItsPictureAcrossFramesAndTextureZeroIsWhite) {
  ASSERT_TRUE(r().BeginScene());
  r().Clear(0xFF000000);
  const EngineQuad q = Quad(0, 0, 4, 4, 0, 0xFF808080);
  r().RenderQuad(&q);
  r().EndScene();
  ASSERT_TRUE(r().BeginScene());
  EXPECT_FALSE(r().BeginScene());  // one scene at a time
  r().EndScene();
  EXPECT_EQ(At(Screen(), 1, 1), 0xFF808080u);
}

TEST_F(GlRendererRenderTest, LoadsImagesAtTheirOwnSizeFromFilesAndMemory) {
  const auto dir = pm::test::MakeTempDir("textures");
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 5, 3, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(s, nullptr);
  for (int y = 0; y < 3; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<char*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < 5; ++x) row[x] = y == 0 ? 0xFFFF0000 : 0x8000FF00;
  }
  const std::string png = (dir / "five.png").string();
  const std::string bmp = (dir / "five.bmp").string();
  ASSERT_EQ(IMG_SavePNG(s, png.c_str()), 0);
  ASSERT_EQ(SDL_SaveBMP(s, bmp.c_str()), 0);
  // TGA has no signature; the same picture uncompressed, 32 bits, rows from the top.
  const std::string tga = (dir / "five.tga").string();
  {
    const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 3, 0, 32, 0x28};
    std::ofstream out(tga, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    for (int y = 0; y < 3; ++y) {
      out.write(static_cast<const char*>(s->pixels) + y * s->pitch, 5 * 4);  // B, G, R, A
    }
  }
  SDL_FreeSurface(s);

  for (const std::string& name : {png, bmp, tga}) {
    const EngineTexture t = r().TextureLoad(name.c_str());
    ASSERT_NE(t, 0u) << name;
    EXPECT_EQ(r().TextureGetWidth(t), 5);
    EXPECT_EQ(r().TextureGetWidth(t, true), 5);
    EXPECT_EQ(r().TextureGetHeight(t), 3);
    const std::uint32_t* p = r().TextureLock(t, true);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[0], 0xFFFF0000u) << name;
    EXPECT_EQ(p[2 * 5 + 4] & 0x00FFFFFF, 0x0000FF00u) << name;
    r().TextureUnlock(t);
    r().TextureFree(t);
  }

  std::ifstream in(png, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  const EngineTexture fromMemory =
      r().TextureLoad(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  EXPECT_EQ(r().TextureGetHeight(fromMemory), 3);
  r().TextureFree(fromMemory);

  const char junk[] = "not an image at all";
  EXPECT_EQ(r().TextureLoad(junk, sizeof junk), 0u);
  EXPECT_EQ(r().TextureLoad((dir / "missing.png").c_str()), 0u);
  r().TextureFree(0);
  EXPECT_EQ(r().TextureGetWidth(0), 0);
}

TEST_F(GlRendererRenderTest, ShutsDownWithRenderTargetsAndTexturesStillAlive) {
  // A renderer of its own, so its shutdown meets a live target and a live texture.
  GlRenderer other{ResourceAccess{}};
  ASSERT_TRUE(other.Init(window_, kW, kH)) << other.ErrorMessage();
  const EngineTarget target = other.TargetCreate(8, 8);
  ASSERT_NE(target, 0u);
  ASSERT_NE(other.TargetGetTexture(target), 0u);
  ASSERT_NE(other.TextureCreate(4, 4), 0u);
  other.Shutdown();  // frees both; the sanitizer catches any read of a freed target
  EXPECT_EQ(other.TargetGetTexture(target), 0u);
}

}  // namespace
