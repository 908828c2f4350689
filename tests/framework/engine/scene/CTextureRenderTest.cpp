#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "framework/engine/scene/CTexture.h"
#include "tests/support/RenderSession.h"
#include "tests/support/TestSupport.h"
#include "tools/codecs/ImageEncoders.h"

namespace {

using GF::HGENS::CTexture;

void WriteFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A 4 x 3 colour image: a distinct colour per pixel, opaque.
std::vector<std::uint32_t> Colours() {
  std::vector<std::uint32_t> c;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      c.push_back(0xFF000000u | (x * 60) << 16 | (y * 100) << 8 | (x + y * 4));
  return c;
}

// A grey mask whose rows differ, so a flip would show.
std::vector<unsigned char> Mask(int w, int h) {
  pm::codecs::GifImage g;
  g.screenW = g.w = w;
  g.screenH = g.h = h;
  g.palette = pm::codecs::GreyPalette();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) g.indices.push_back(static_cast<std::uint8_t>(10 + y * 50 + x));
  return pm::codecs::EncodeGif(g);
}

class CTextureRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.IsInitiated()); }

  // The texture's first w x h pixels as ARGB words.
  std::vector<std::uint32_t> Pixels(EngineTexture tex, int w, int h) {
    Engine& e = session.engine();
    std::vector<std::uint32_t> out;
    const std::uint32_t* px = e.TextureLock(tex, true);
    if (!px) return out;
    const int stride = e.TextureGetWidth(tex);
    for (int y = 0; y < h; ++y) out.insert(out.end(), px + y * stride, px + y * stride + w);
    e.TextureUnlock(tex);
    return out;
  }

  pm::test::RenderSession session;
  const std::filesystem::path dir = pm::test::MakeTempDir("texture");
  // Windows-style, as the script names textures; the engine maps the backslash.
  const std::string path = dir.string() + "\\7";
};

TEST_F(CTextureRenderTest, MaskNameGoesBeforeTheFilePart) {
  EXPECT_EQ(CTexture::MaskName("Texture\\12"), "Texture\\m_12.gif");
  EXPECT_EQ(CTexture::MaskName("Font\\3\\3_000"), "Font\\3\\m_3_000.gif");
  EXPECT_EQ(CTexture::MaskName("plain"), "m_plain.gif");
}

TEST_F(CTextureRenderTest, Jp2WithGifMaskGivesColoursAndAlphaTheRightWayUp) {
  WriteFile(dir / "7.jp2", pm::codecs::EncodeJp2Argb(4, 3, Colours(), 3));
  WriteFile(dir / "m_7.gif", Mask(4, 3));
  CTexture texture("seven", path);
  ASSERT_TRUE(texture.Load());
  EXPECT_EQ(session.engine().TextureGetWidth(texture.GetTexture()), 4);
  EXPECT_EQ(session.engine().TextureGetHeight(texture.GetTexture()), 3);
  const auto px = Pixels(texture.GetTexture(), 4, 3);
  const auto colours = Colours();
  ASSERT_EQ(px.size(), 12u);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t alpha = 10 + y * 50 + x;
      EXPECT_EQ(px[y * 4 + x], (colours[y * 4 + x] & 0xFFFFFF) | alpha << 24) << x << "," << y;
    }
  EXPECT_TRUE(session.LogLines().empty());

  texture.Free();
  EXPECT_EQ(texture.GetTexture(), 0u);
  EXPECT_TRUE(texture.Load());  // loads again
}

TEST_F(CTextureRenderTest, MaskOfAnotherSizeCoversOnlyTheOverlap) {
  WriteFile(dir / "7.jp2", pm::codecs::EncodeJp2Argb(4, 3, Colours(), 3));
  WriteFile(dir / "m_7.gif", Mask(2, 5));
  CTexture texture("seven", path);
  ASSERT_TRUE(texture.Load());
  const auto px = Pixels(texture.GetTexture(), 4, 3);
  ASSERT_EQ(px.size(), 12u);
  EXPECT_EQ(px[1 * 4 + 1] >> 24, 61u);   // inside the mask
  EXPECT_EQ(px[1 * 4 + 2] >> 24, 255u);  // past its width: the codec's alpha
}

TEST_F(CTextureRenderTest, MissingOrBadMaskKeepsTheCodecAlpha) {
  std::vector<std::uint32_t> argb = Colours();
  argb[0] = 0x40112233;
  WriteFile(dir / "7.jp2", pm::codecs::EncodeJp2Argb(4, 3, argb, 4));
  CTexture texture("seven", path);
  ASSERT_TRUE(texture.Load());
  EXPECT_EQ(Pixels(texture.GetTexture(), 1, 1)[0], 0x40112233u);

  WriteFile(dir / "m_7.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 2});
  CTexture again("seven", path);
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(Pixels(again.GetTexture(), 1, 1)[0], 0x40112233u);
}

TEST_F(CTextureRenderTest, PngWinsOverJp2) {
  WriteFile(dir / "7.jp2", pm::codecs::EncodeJp2Argb(4, 3, Colours(), 3));
  SDL_Surface* png = SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(png, nullptr);
  SDL_FillRect(png, nullptr, 0xFF00FF00);
  ASSERT_EQ(IMG_SavePNG(png, (dir / "7.png").c_str()), 0);
  SDL_FreeSurface(png);

  CTexture texture("seven", path);
  ASSERT_TRUE(texture.Load());
  EXPECT_EQ(session.engine().TextureGetWidth(texture.GetTexture(), true), 2);
  EXPECT_EQ(Pixels(texture.GetTexture(), 1, 1)[0], 0xFF00FF00u);
}

TEST_F(CTextureRenderTest, CorruptJp2LogsAndFailsMissingFailsQuietly) {
  CTexture missing("none", path);
  EXPECT_FALSE(missing.Load());
  EXPECT_TRUE(session.LogLines().empty());

  std::vector<unsigned char> bytes = pm::codecs::EncodeJp2Argb(4, 3, Colours(), 3);
  for (std::size_t i = 12; i < bytes.size(); ++i) bytes[i] ^= 0x5A;
  WriteFile(dir / "7.jp2", bytes);
  CTexture corrupt("seven", path);
  EXPECT_FALSE(corrupt.Load());
  EXPECT_EQ(corrupt.GetTexture(), 0u);
  EXPECT_TRUE(session.HasLogLine("Can't load " + path + ".jp2"))
      << ::testing::PrintToString(session.LogLines());
}

}  // namespace
