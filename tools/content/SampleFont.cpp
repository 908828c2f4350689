#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <string>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr int kPixelSize = 22;
constexpr int kPage = 256;
constexpr int kGap = 1;  // between glyphs, so filtering never bleeds a neighbour in

struct Ink {
  int font;
  std::uint32_t rgb;
};
// White for the menus, dark for text on light boxes (edit fields).
constexpr Ink kInks[] = {{0, 0xFFFFFF}, {1, 0x141414}};

struct Glyph {
  int code, page, left, right, top, x, y, w, h;
};

void Put16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

// Places glyph bitmaps on pages left to right, in rows.
class PagePacker {
 public:
  std::vector<std::vector<std::uint32_t>> pages;

  // The glyph's place; w x h must fit a page.
  void Place(int w, int h, int& page, int& x, int& y) {
    if (pages.empty() || x_ + w > kPage) {
      x_ = 0;
      y_ += rowHeight_ + kGap;
      rowHeight_ = 0;
    }
    if (pages.empty() || y_ + h > kPage) {
      pages.emplace_back(static_cast<std::size_t>(kPage) * kPage, 0u);
      x_ = y_ = rowHeight_ = 0;
    }
    page = static_cast<int>(pages.size()) - 1;
    x = x_;
    y = y_;
    x_ += w + kGap;
    rowHeight_ = std::max(rowHeight_, h);
  }

 private:
  int x_ = 0, y_ = 0, rowHeight_ = 0;
};

}  // namespace

const char* SampleFontFile() {
  return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}

bool WriteSampleFont(const std::filesystem::path& outDir) {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) return false;
  if (FT_New_Face(library, SampleFontFile(), 0, &face) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0) {
    std::fprintf(stderr, "ContentGenerator: can't open the font %s\n", SampleFontFile());
    FT_Done_FreeType(library);
    return false;
  }
  const int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
  const int descender = static_cast<int>(-(face->size->metrics.descender >> 6));

  PagePacker packer;
  std::vector<Glyph> glyphs;
  std::vector<int> codes;
  for (int c = 32; c < 127; ++c) codes.push_back(c);
  for (int c = 160; c < 256; ++c) codes.push_back(c);
  for (int code : codes) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int w = static_cast<int>(bitmap.width), h = static_cast<int>(bitmap.rows);
    Glyph g{};
    packer.Place(w, h, g.page, g.x, g.y);
    std::vector<std::uint32_t>& page = packer.pages[g.page];
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const std::uint32_t coverage = bitmap.buffer[y * bitmap.pitch + x];
        page[(g.y + y) * kPage + g.x + x] = coverage << 24;
      }
    }
    const int advance = static_cast<int>(slot->advance.x >> 6);
    // The quad's left is the pen minus `left`, its top the line's top minus `top`.
    g.code = code;
    g.left = -slot->bitmap_left;
    g.right = advance - slot->bitmap_left;
    g.top = slot->bitmap_top - ascender;
    g.w = w;
    g.h = h;
    glyphs.push_back(g);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);

  std::vector<std::uint8_t> file = {7, 'H', 'G', 'E', 'F', 'N', '1', '0'};
  Put16(file, 0);                     // line top
  Put16(file, descender);             // so that the base is the ascender
  Put16(file, ascender + descender);  // line bottom: the height
  Put16(file, 0);                     // spacing
  Put16(file, static_cast<int>(packer.pages.size()));
  Put16(file, static_cast<int>(glyphs.size()));
  for (const Glyph& g : glyphs) {
    for (int v : {g.code, g.page, g.left, g.right, g.top, g.x, g.y, g.w, g.h}) Put16(file, v);
  }
  // One set of glyphs in each ink: texts take their colour from their font's pages.
  bool ok = true;
  for (const Ink& ink : kInks) {
    char name[48];
    std::snprintf(name, sizeof name, "Font/%d.fnt", ink.font);
    ok = WriteContentFile(outDir, name, file) && ok;
    for (std::size_t p = 0; p < packer.pages.size(); ++p) {
      std::vector<std::uint32_t> page = packer.pages[p];
      for (std::uint32_t& pixel : page) pixel |= ink.rgb;
      std::snprintf(name, sizeof name, "Font/%d/%d_%03zu.png", ink.font, ink.font, p);
      ok = WriteContentFile(outDir, name, EncodePng(kPage, kPage, page)) && ok;
    }
  }
  return ok;
}
