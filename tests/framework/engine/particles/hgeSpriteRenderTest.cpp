#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "framework/core/THolder.h"
#include "framework/engine/particles/CHGESprite.h"
#include "framework/engine/particles/hgeSprite.h"
#include "tests/support/RenderSession.h"

namespace {

using Corners = std::array<float, 8>;  // x0, y0 .. x3, y3
using TexCoords = std::array<float, 8>;

Corners Positions(const hgeSprite& s) {
  Corners c{};
  for (int i = 0; i < 4; ++i) c[2 * i] = s.quad.v[i].x, c[2 * i + 1] = s.quad.v[i].y;
  return c;
}

TexCoords Coords(const hgeSprite& s) {
  TexCoords c{};
  for (int i = 0; i < 4; ++i) c[2 * i] = s.quad.v[i].tx, c[2 * i + 1] = s.quad.v[i].ty;
  return c;
}

void ExpectNear(const Corners& actual, const Corners& expected, const char* what) {
  for (int i = 0; i < 8; ++i)
    EXPECT_NEAR(actual[i], expected[i], 1e-4f) << what << " [" << i << "]";
}

class hgeSpriteRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.IsInitiated()); }
  pm::test::RenderSession session;
};

TEST_F(hgeSpriteRenderTest, ConstructionDefaults) {
  hgeSprite s(0, 10, 20, 30, 40);  // no texture: coordinates are the pixel rectangle
  EXPECT_EQ(s.texWidth, 1.0f);
  EXPECT_EQ(Coords(s), (TexCoords{10, 20, 40, 20, 40, 60, 10, 60}));
  EXPECT_EQ(s.GetBlendMode(), BLEND_DEFAULT);
  for (const EngineVertex& v : s.quad.v) {
    EXPECT_EQ(v.z, 0.5f);
    EXPECT_EQ(v.col, 0xFFFFFFFFu);
  }
  const hgeSprite copy(s);
  EXPECT_EQ(Coords(copy), Coords(s));
  EXPECT_EQ(copy.width, 30.0f);
}

TEST_F(hgeSpriteRenderTest, FlipsExchangeTextureCoordinates) {
  struct Case {
    bool h, v;
    TexCoords expected;
  } cases[] = {
      {false, false, {10, 20, 40, 20, 40, 60, 10, 60}},
      {true, false, {40, 20, 10, 20, 10, 60, 40, 60}},
      {false, true, {10, 60, 40, 60, 40, 20, 10, 20}},
      {true, true, {40, 60, 10, 60, 10, 20, 40, 20}},
  };
  for (const Case& c : cases) {
    hgeSprite s(0, 10, 20, 30, 40);
    s.SetFlip(c.h, c.v);
    EXPECT_EQ(Coords(s), c.expected) << c.h << c.v;
    s.SetFlip(c.h, c.v);  // asking again changes nothing
    EXPECT_EQ(Coords(s), c.expected);
    s.SetFlip(false, false);
    EXPECT_EQ(Coords(s), cases[0].expected);
  }

  hgeSprite s(0, 10, 20, 30, 40);
  s.SetFlip(true, false);
  s.SetTextureRect(0, 0, 5, 6);  // keeps the flip
  EXPECT_EQ(Coords(s), (TexCoords{5, 0, 0, 0, 0, 6, 5, 6}));
  bool h = false, v = true;
  s.GetFlip(&h, &v);
  EXPECT_TRUE(h);
  EXPECT_FALSE(v);
}

TEST_F(hgeSpriteRenderTest, TextureRectanglesAreNormalised) {
  const EngineTexture big = session.engine().TextureCreate(64, 32);
  const EngineTexture small = session.engine().TextureCreate(16, 16);
  ASSERT_NE(big, 0u);
  hgeSprite s(big, 16, 8, 32, 16);
  EXPECT_EQ(Coords(s), (TexCoords{0.25f, 0.25f, 0.75f, 0.25f, 0.75f, 0.75f, 0.25f, 0.75f}));

  // A new texture of another size keeps the pixel rectangle, flips included.
  s.SetFlip(false, true);
  s.SetTexture(small);
  EXPECT_EQ(s.GetTexture(), small);
  EXPECT_EQ(Coords(s), (TexCoords{1, 1.5f, 3, 1.5f, 3, 0.5f, 1, 0.5f}));
  s.SetTexture(0);
  EXPECT_EQ(Coords(s), (TexCoords{16, 24, 48, 24, 48, 8, 16, 8}));
  session.engine().TextureFree(big);
  session.engine().TextureFree(small);
}

TEST_F(hgeSpriteRenderTest, RenderCorners) {
  constexpr float kHalfPi = std::numbers::pi_v<float> / 2;
  hgeSprite s(0, 0, 0, 20, 10);
  s.SetHotSpot(5, 2);
  struct Case {
    const char* what;
    float x, y, rot, hs, vs;
    Corners expected;
  } cases[] = {
      {"plain", 100, 50, 0, 1, 1, {95, 48, 115, 48, 115, 58, 95, 58}},
      {"vscale 0 takes hscale", 100, 50, 0, 2, 0, {90, 46, 130, 46, 130, 66, 90, 66}},
      {"scaled apart", 0, 0, 0, 2, 3, {-10, -6, 30, -6, 30, 24, -10, 24}},
      {"quarter turn", 100, 50, kHalfPi, 1, 1, {102, 45, 102, 65, 92, 65, 92, 45}},
  };
  for (const Case& c : cases) {
    s.RenderEx(c.x, c.y, c.rot, c.hs, c.vs);
    ExpectNear(Positions(s), c.expected, c.what);
  }
  s.Render(100, 50);
  ExpectNear(Positions(s), cases[0].expected, "Render");
  s.RenderStretch(1, 2, 3, 4);
  ExpectNear(Positions(s), {1, 2, 3, 2, 3, 4, 1, 4}, "RenderStretch");
  s.Render4V(1, 2, 3, 4, 5, 6, 7, 8);
  ExpectNear(Positions(s), {1, 2, 3, 4, 5, 6, 7, 8}, "Render4V");

  hgeBounds b;
  s.GetBoundingBoxEx(100, 50, kHalfPi, 1, 1, &b);
  EXPECT_NEAR(b.x1, 92, 1e-4f);
  EXPECT_NEAR(b.y1, 45, 1e-4f);
  EXPECT_NEAR(b.x2, 102, 1e-4f);
  EXPECT_NEAR(b.y2, 65, 1e-4f);
  s.GetBoundingBoxEx(0, 0, 0, 2, 0, &b);  // here a vertical scale of 0 stays 0
  EXPECT_EQ(b.y1, 0);
  EXPECT_EQ(b.y2, 0);
}

TEST_F(hgeSpriteRenderTest, ColourAndZByCorner) {
  hgeSprite s(0, 0, 0, 1, 1);
  s.SetColor(0x11223344);
  s.SetColor(0xFF0000FF, 2);
  s.SetZ(0.25f, -1);
  s.SetZ(0.75f, 3);
  s.SetColor(0xDEADBEEF, 4);  // no such corner
  const std::uint32_t colours[4] = {0x11223344, 0x11223344, 0xFF0000FF, 0x11223344};
  const float zs[4] = {0.25f, 0.25f, 0.25f, 0.75f};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.GetColor(i), colours[i]);
    EXPECT_EQ(s.GetZ(i), zs[i]);
  }
}

TEST_F(hgeSpriteRenderTest, DrawsItsTextureRectangleFlipped) {
  // Quadrants of a 4 x 4 texture: red, green / blue, white.
  std::vector<std::uint32_t> texels(16);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      texels[y * 4 + x] =
          y < 2 ? (x < 2 ? 0xFFFF0000 : 0xFF00FF00) : (x < 2 ? 0xFF0000FF : 0xFFFFFFFF);
  const EngineTexture tex = session.MakeTexture(4, 4, texels);
  GF::THolder<GF::HGENS::CHGESprite> sprite(
      new GF::HGENS::CHGESprite(tex, 0, 0, 4, 2));  // top half
  sprite->SetFlip(true, false);
  const auto px = session.Draw(8, 8, [&] { sprite->RenderStretch(0, 0, 8, 8); });
  ASSERT_EQ(px.size(), 64u);
  // Sampled away from the texel edges the filter blends across.
  EXPECT_EQ(px[2 * 8 + 1], 0xFF00FF00u);  // flipped: green on the left
  EXPECT_EQ(px[2 * 8 + 6], 0xFFFF0000u);
  session.engine().TextureFree(tex);
}

}  // namespace
