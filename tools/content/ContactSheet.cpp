#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>

#include "tools/content/ArtCanvas.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleFrameworkScreens.h"
#include "tools/content/SampleParticles.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kPad = 12;
constexpr int kLabel = 16;
constexpr double kLargest = 320.0;  // big pictures are shown at most this wide or high

// A picture to show: one cell of a sheet (or the whole sheet), its name and its scale.
struct Entry {
  const ArtCanvas* canvas;
  std::string name;
  int x, y, w, h;
  double scale;
};

double Scale(int w, int h) {
  const int longest = std::max(w, h);
  return longest <= 32 ? 2.0 : std::min(1.0, kLargest / longest);
}

// Every frame of every sheet, icon cells included, named "sheet_frame".
std::vector<Entry> Entries(const std::vector<const ArtSheet*>& sheets,
                           const std::vector<std::unique_ptr<ArtCanvas>>& canvases) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    ArtSheet cells = *sheets[i];
    cells.wholeSheetSprite = false;
    for (const ArtSprite& s : ArtSprites(cells))
      entries.push_back(
          {canvases[i].get(), s.name, s.x, s.y, s.width, s.height, Scale(s.width, s.height)});
  }
  return entries;
}

// The labels' font, straight from its file (no font configuration to look it up): cairo
// frees it with its last use.
struct LabelFont {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

void FreeLabelFont(void* data) {
  auto* font = static_cast<LabelFont*>(data);
  FT_Done_Face(font->face);
  FT_Done_FreeType(font->library);
  delete font;
}

cairo_font_face_t* MakeLabelFace() {
  auto* font = new LabelFont;
  if (FT_Init_FreeType(&font->library) != 0 ||
      FT_New_Face(font->library, SampleFontFile(), 0, &font->face) != 0) {
    if (font->library) FT_Done_FreeType(font->library);
    delete font;
    return nullptr;
  }
  cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(font->face, 0);
  static cairo_user_data_key_t key;
  cairo_font_face_set_user_data(face, &key, font, FreeLabelFont);
  return face;
}

void UseLabelFont(cairo_t* cr, cairo_font_face_t* face) {
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, 11);
}

void DrawEntry(cairo_t* cr, const Entry& e, double x, double y) {
  const double w = e.w * e.scale, h = e.h * e.scale;
  // A light checker shows what is transparent.
  for (int cy = 0; cy * 8 < h; ++cy)
    for (int cx = 0; cx * 8 < w; ++cx) {
      const double shade = (cx + cy) % 2 ? 0.86 : 0.94;
      cairo_set_source_rgb(cr, shade, shade, shade);
      cairo_rectangle(cr, x + cx * 8, y + cy * 8, std::min(8.0, w - cx * 8),
                      std::min(8.0, h - cy * 8));
      cairo_fill(cr);
    }
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, e.scale, e.scale);
  cairo_set_source_surface(cr, e.canvas->Surface(), -e.x, -e.y);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 0.15, 0.1, 0.1);
  cairo_move_to(cr, x, y + h + kLabel - 4);
  cairo_show_text(cr, e.name.c_str());
}

}  // namespace

bool WriteContactSheet(const std::filesystem::path& png) {
  std::vector<const ArtSheet*> sheets;
  for (const ArtSheet& s : SampleTextures()) sheets.push_back(&s);
  for (const ArtSheet& s : FrameworkScreenSheets()) sheets.push_back(&s);
  sheets.push_back(&ParticleDotSheet());
  for (const SplashImage& s : SampleSplashImages()) sheets.push_back(&s.art);
  sheets.push_back(&SampleIconArt());
  for (const ArtSheet& s : SampleArtSheets()) sheets.push_back(&s);

  std::vector<std::unique_ptr<ArtCanvas>> canvases;
  bool ok = true;
  for (const ArtSheet* sheet : sheets) {
    canvases.push_back(std::make_unique<ArtCanvas>(sheet->width, sheet->height));
    ok = DrawArtSheet(*sheet, *canvases.back()) && ok;
  }
  const std::vector<Entry> entries = Entries(sheets, canvases);

  // Rows left to right; an entry is as wide as its picture or its name.
  cairo_font_face_t* face = MakeLabelFace();
  if (!face) return false;
  ArtCanvas measure(1, 1);
  cairo_t* m = measure.Context();
  UseLabelFont(m, face);
  std::vector<std::pair<double, double>> places;
  double x = kPad, y = kPad, rowHeight = 0;
  for (const Entry& e : entries) {
    cairo_text_extents_t text;
    cairo_text_extents(m, e.name.c_str(), &text);
    const double w = std::max(e.w * e.scale, text.x_advance), h = e.h * e.scale + kLabel;
    if (x + w > kSheetWidth - kPad) {
      x = kPad;
      y += rowHeight + kPad;
      rowHeight = 0;
    }
    places.emplace_back(x, y);
    x += w + kPad;
    rowHeight = std::max(rowHeight, h);
  }
  ArtCanvas sheet(kSheetWidth, static_cast<int>(y + rowHeight + kPad));
  cairo_t* cr = sheet.Context();
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_paint(cr);
  UseLabelFont(cr, face);
  cairo_font_face_destroy(face);
  for (std::size_t i = 0; i < entries.size(); ++i)
    DrawEntry(cr, entries[i], places[i].first, places[i].second);
  const auto bytes = sheet.Png();
  // Written also when a picture failed, so that the others can be reviewed.
  const bool written = !bytes.empty() && WriteContentFile(png.parent_path(), png.filename(), bytes);
  return ok && written;
}
