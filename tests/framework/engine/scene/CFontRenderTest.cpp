#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/engine/scene/CFont.h"
#include "tests/support/PackFixtures.h"
#include "tests/support/RenderSession.h"
#include "tests/support/TestSupport.h"
#include "tools/codecs/ImageEncoders.h"

namespace {

using GF::HGENS::CFont;
using Quad = std::array<float, 8>;  // corners x0, y0 .. x3, y3

struct Glyph {
  int code, page, left, right, top, x, y, w, h;
};

// A font file as the font tools write it, big-endian.
class FontFile {
 public:
  FontFile& Magic(const std::string& text = "HGEFN10") {
    m_bytes.push_back(static_cast<char>(text.size()));
    m_bytes += text;
    return *this;
  }
  FontFile& U16(int v) {
    m_bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
    m_bytes.push_back(static_cast<char>(v & 0xFF));
    return *this;
  }
  FontFile& Header(int pages, int m1 = 0, int m2 = 12, int m3 = 16, int spacing = 1) {
    return Magic().U16(m1).U16(m2).U16(m3).U16(spacing).U16(pages);
  }
  FontFile& Glyphs(const std::vector<Glyph>& glyphs) {
    U16(static_cast<int>(glyphs.size()));
    for (const Glyph& g : glyphs)
      U16(g.code).U16(g.page).U16(g.left).U16(g.right).U16(g.top).U16(g.x).U16(g.y).U16(g.w).U16(
          g.h);
    return *this;
  }
  const std::string& bytes() const { return m_bytes; }

 private:
  std::string m_bytes;
};

// Height 16, base 4, spacing 1. Page 0 is 16 x 20: red where A is cut, green for B, blue
// for C. Glyph 'x' advances 3.
const std::vector<Glyph> kGlyphs = {
    {'A', 0, 1, 9, 2, 0, 0, 8, 10},     // advance 8 + 1
    {'B', 0, 0, 6, 0, 8, 0, 6, 10},     // advance 6 + 1
    {'C', 0, 0, 10, 0, 0, 10, 10, 10},  // advance 10 + 1
    {'x', 0, 0, 2, 0, 0, 0, 1, 1},
    {'Q', 1, 0, 5, 0, 0, 0, 5, 5},  // page 1 does not exist: rejected
};

std::vector<std::uint32_t> PagePixels() {
  std::vector<std::uint32_t> px(16 * 20, 0xFF000000);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 16; ++x)
      px[y * 16 + x] = y >= 10 ? 0xFF0000FF : x < 8 ? 0xFFFF0000 : 0xFF00FF00;
  return px;
}

Quad QuadOf(CFont& font, wchar_t code) {
  const auto& v = font.GetGlyph(code)->sprite->quad.v;
  return {v[0].x, v[0].y, v[1].x, v[1].y, v[2].x, v[2].y, v[3].x, v[3].y};
}

Quad Rect(float l, float t, float r, float b) {
  return {l, t, r, t, r, b, l, b};
}

void ExpectQuad(const Quad& actual, const Quad& expected, const std::string& what) {
  for (int i = 0; i < 8; ++i)
    EXPECT_NEAR(actual[i], expected[i], 1e-4f) << what << " [" << i << "]";
}

class CFontRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.IsInitiated()); }

  // Attaches a pack with the given fonts (id -> file) and the page of font 5.
  void AttachFonts(const std::vector<std::pair<int, std::string>>& fonts) {
    std::vector<pm::test::PackEntry> entries = {
        {"Font/5/5_000.jp2", pm::test::Bytes(pm::codecs::EncodeJp2Argb(16, 20, PagePixels(), 3))}};
    for (const auto& [id, bytes] : fonts)
      entries.push_back({"Font/" + std::to_string(id) + ".fnt", bytes});
    const std::string pack = (pm::test::MakeTempDir("fonts") / "fonts.dat").string();
    ASSERT_TRUE(pm::test::WritePack(pack, entries));
    ASSERT_TRUE(session.engine().AttachPack(pack.c_str()));
  }

  GF::THolder<CFont> LoadedFont() {
    AttachFonts({{5, FontFile().Header(1).Glyphs(kGlyphs).bytes()}});
    GF::THolder<CFont> font(new CFont);
    EXPECT_TRUE(font->Load(5));
    return font;
  }

  pm::test::RenderSession session;
};

TEST_F(CFontRenderTest, LoadsMetricsPagesAndGlyphs) {
  auto font = LoadedFont();
  EXPECT_TRUE(session.HasLogLine("Font\\5.fnt"));
  EXPECT_EQ(font->GetHeight(), 16.0f);
  EXPECT_EQ(font->GetBase(), 4);
  EXPECT_EQ(font->GetPageCount(), 1);
  ASSERT_NE(font->GetGlyph(L'A'), nullptr);
  EXPECT_NE(font->GetGlyph(L'A')->sprite->GetTexture(), 0u);
  EXPECT_EQ(font->GetGlyph(L'Q'), nullptr);
  EXPECT_EQ(font->GetGlyph(L'Z'), nullptr);
  EXPECT_EQ(font->GetGlyph(static_cast<wchar_t>(0x1F600)), nullptr);
}

TEST_F(CFontRenderTest, Measures) {
  auto font = LoadedFont();
  EXPECT_EQ(font->GetLineWidth(L"AB\\nC"), 16.0f);
  EXPECT_EQ(font->GetTextWidth(L"AB\\nC"), 16.0f);
  EXPECT_EQ(font->GetTextWidth(L"B\\nCC\\nA"), 22.0f);
  EXPECT_EQ(font->GetLineWidth(L"AZB"), 16.0f);  // no glyph, no advance
  EXPECT_EQ(font->GetLineWidth(L"\\nA"), 0.0f);
  EXPECT_EQ(font->GetLineWidth(L"A\nB"), 16.0f);  // the control character is no break
  font->SetTracking(2);
  EXPECT_EQ(font->GetLineWidth(L"AB"), 20.0f);
}

TEST_F(CFontRenderTest, DrawTextPlacesQuadsAlignedAndCentred) {
  auto font = LoadedFont();
  struct Case {
    const char* what;
    float x, y, angle, scale;
    Quad a, b, c;
  } cases[] = {
      // Right aligned, centred over 2 lines: vy = -(16 * 0 + 4) / 2 = -2; line 1 starts
      // at -16, line 2 at -11 and 16 lower.
      {"plain", 100, 50, 0, 1, Rect(83, 46, 91, 56), Rect(93, 48, 99, 58), Rect(89, 64, 99, 74)},
      {"scaled", 100, 50, 0, 2, Rect(66, 42, 82, 62), Rect(86, 46, 98, 66), Rect(78, 78, 98, 98)},
      {"quarter turn",
       0,
       0,
       1.5707964f,
       1,
       {4, -17, 4, -9, -6, -9, -6, -17},
       {2, -7, 2, -1, -8, -1, -8, -7},
       {-14, -11, -14, -1, -24, -1, -24, -11}},
  };
  for (const Case& c : cases) {
    GF::CObjectProperties t;
    t.x = c.x;
    t.y = c.y;
    t.angle = c.angle;
    t.sin = std::sin(c.angle);
    t.cos = std::cos(c.angle);
    t.scaleX = t.scaleY = c.scale;
    font->DrawText(t, L"AB\\nC", CFont::kAlignRight, CFont::kVAlignCenter, 2);
    ExpectQuad(QuadOf(*font, L'A'), c.a, std::string(c.what) + " A");
    ExpectQuad(QuadOf(*font, L'B'), c.b, std::string(c.what) + " B");
    ExpectQuad(QuadOf(*font, L'C'), c.c, std::string(c.what) + " C");
  }

  // Vertical offsets: 0x10 height - base, 0x20 base; a leading break moves a line down;
  // centred text starts at its own width.
  GF::CObjectProperties t;
  font->DrawText(t, L"C", CFont::kAlignLeft, CFont::kVAlign10, 1);
  ExpectQuad(QuadOf(*font, L'C'), Rect(0, 12, 10, 22), "0x10");
  font->DrawText(t, L"\\nC", CFont::kAlignCenter, CFont::kVAlign20, 1);
  ExpectQuad(QuadOf(*font, L'C'), Rect(-6, 20, 4, 30), "0x20 after a break");  // -11/2 -> -6
  font->SetLineSpacing(3);
  font->DrawText(t, L"A\\nC", CFont::kAlignLeft, CFont::kVAlignCenter, 2);
  ExpectQuad(QuadOf(*font, L'C'), Rect(0, 17, 10, 27), "line spacing");
}

TEST_F(CFontRenderTest, RenderTextAndPrintf) {
  auto font = LoadedFont();
  font->RenderText(50.7f, 20.2f, L"A\\nBC", CFont::kAlignCenter);
  // Line 1: x = 50.7 - 9 / 2; A at 46.2 - 1 cut to 45, top 18.2 cut to 18.
  ExpectQuad(QuadOf(*font, L'A'), Rect(45, 18, 53, 28), "A");
  // Line 2 is 18 wide and 16 lower.
  ExpectQuad(QuadOf(*font, L'C'), Rect(48, 36, 58, 46), "C");

  font->SetScale({2.0f, 2.0f});
  font->RenderText(10, 10, L"B", CFont::kAlignRight);  // 10 - 7 * 2
  ExpectQuad(QuadOf(*font, L'B'), Rect(-4, 10, 8, 30), "scaled");
  font->SetScale({1.0f, 1.0f});

  // 300 characters formatted; the first 255 are drawn, the last at 254 advances.
  font->Printf(0, 0, L"%ls%d", std::wstring(297, L'x').c_str(), 123);
  EXPECT_EQ(QuadOf(*font, L'x')[0], 254.0f * 3);
}

TEST_F(CFontRenderTest, BlendModesAndColour) {
  auto font = LoadedFont();
  font->SetColor(hgeColor(1.0f, 0.0f, 0.0f, 1.0f));
  struct Case {
    int mode, blend;
    bool white;
  } cases[] = {{1, 3, false}, {2, 2, false},  {3, 1, false}, {4, 0, false},
               {7, 0, false}, {-1, 0, false}, {0, 2, true}};
  for (const Case& c : cases) {
    font->SetBlendMode(c.mode);
    EXPECT_EQ(font->GetBlendCode(), c.blend) << c.mode;
    EXPECT_EQ(font->GetColor().g == 1.0f, c.white) << c.mode;
  }
  font->SetColor(hgeColor(1.0f, 0.5f, 0.0f, 1.0f));
  font->SetBlendMode(3);
  font->SetAlpha(0.5f);
  font->RenderText(0, 0, L"A", CFont::kAlignLeft);
  const auto& sprite = *font->GetGlyph(L'A')->sprite;
  EXPECT_EQ(sprite.GetColor(0), 0x7FFF7F00u);  // alpha from the font's alpha, cut
  EXPECT_EQ(sprite.GetColor(3), 0x7FFF7F00u);
  EXPECT_EQ(sprite.GetBlendMode(), 1);
}

TEST_F(CFontRenderTest, DrawsGlyphsFromThePage) {
  auto font = LoadedFont();
  GF::CObjectProperties t;
  t.x = 30;
  t.y = 20;
  const auto px = session.Draw(
      64, 64, [&] { font->DrawText(t, L"AB\\nC", CFont::kAlignRight, CFont::kVAlignCenter, 2); });
  ASSERT_EQ(px.size(), 64u * 64u);
  auto at = [&](int x, int y) { return px[y * 64 + x]; };
  EXPECT_EQ(at(17, 21), 0xFFFF0000u);  // A: (13, 16) to (21, 26)
  EXPECT_EQ(at(26, 23), 0xFF00FF00u);  // B: (23, 18) to (29, 28)
  EXPECT_EQ(at(24, 39), 0xFF0000FFu);  // C: (19, 34) to (29, 44)
  EXPECT_EQ(at(40, 40), 0xFF000000u);
  EXPECT_EQ(at(12, 21), 0xFF000000u);
}

TEST_F(CFontRenderTest, BadFilesFailAndKeepTheFont) {
  const std::string truncated = FontFile().Header(0).Glyphs(kGlyphs).bytes();
  AttachFonts({{5, FontFile().Header(1).Glyphs(kGlyphs).bytes()},
               {1, FontFile().Magic("HGEFN11").U16(0).U16(0).U16(0).U16(0).U16(0).U16(0).bytes()},
               {2, truncated.substr(0, truncated.size() - 3)},
               {3, FontFile().Header(0).bytes()},
               {4, FontFile().Header(0).U16(0).bytes()},
               {6, FontFile().Header(-3, 0, 10, 20).Glyphs(kGlyphs).bytes()}});
  GF::THolder<CFont> font(new CFont);
  EXPECT_FALSE(font->Load(9));  // missing
  EXPECT_TRUE(session.LogLines().empty());
  ASSERT_TRUE(font->Load(5));
  EXPECT_FALSE(font->Load(1));  // wrong magic
  EXPECT_FALSE(font->Load(2));
  EXPECT_TRUE(session.HasLogLine("Font file Font\\2.fnt is truncated"));
  EXPECT_FALSE(font->Load(3));          // no glyph count
  EXPECT_EQ(font->GetHeight(), 16.0f);  // still font 5
  EXPECT_NE(font->GetGlyph(L'A'), nullptr);

  // Only the header and no glyphs: every text measures 0 and draws nothing.
  ASSERT_TRUE(font->Load(4));
  EXPECT_EQ(font->GetTextWidth(L"AB\\nC"), 0.0f);
  EXPECT_EQ(font->GetGlyph(L'A'), nullptr);
  // A negative page count gives no pages, so every glyph is rejected.
  ASSERT_TRUE(font->Load(6));
  EXPECT_EQ(font->GetPageCount(), 0);
  EXPECT_EQ(font->GetHeight(), 20.0f);
  EXPECT_EQ(font->GetGlyph(L'A'), nullptr);
}

}  // namespace
