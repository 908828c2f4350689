#include "tools/content/SampleCookBook.h"

#include <cstdlib>
#include <iterator>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleParticles.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr int kAtlasWidth = 256;
constexpr int kAtlasHeight = 128;
constexpr const char* kFrameTexture = "cookingbook_frame";
constexpr const char* kDishTexture = "dishes";
constexpr int kClearCorner = 16;  // legs of the transparent triangle in a frame piece's corner
constexpr std::uint32_t kPlate = 0xFFE0E4EC;
constexpr std::uint32_t kBerry = 0xFF6A1B9A;
constexpr std::int32_t kPageTurnSound = 24;

// The corner of each frame piece that is left transparent: the frame's outer corners, and
// the outer side's first corner on the edges.
enum Corner { kTopLeftCorner, kTopRightCorner, kBottomRightCorner, kBottomLeftCorner };
constexpr Corner kClearCorners[] = {kTopLeftCorner,    kTopLeftCorner,    kTopRightCorner,
                                    kBottomLeftCorner, kBottomLeftCorner, kBottomRightCorner};

std::uint32_t Darker(std::uint32_t colour) {
  return (colour & 0xFF000000) | ((colour >> 1) & 0x007F7F7F);
}

void DrawFramePiece(std::vector<std::uint32_t>& px, const SampleCookBookPiece& p, Corner corner) {
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const int dx =
          corner == kTopRightCorner || corner == kBottomRightCorner ? p.width - 1 - x : x;
      const int dy =
          corner == kBottomLeftCorner || corner == kBottomRightCorner ? p.height - 1 - y : y;
      const bool rim = x < 3 || y < 3 || x >= p.width - 3 || y >= p.height - 3;
      std::uint32_t& texel = px[static_cast<std::size_t>(p.y + y) * kAtlasWidth + p.x + x];
      texel = dx + dy < kClearCorner ? 0 : (rim ? Darker(p.colour) : p.colour);
    }
  }
}

// Whether the middle of texel (x, y) lies in the ellipse.
bool InEllipse(int x, int y, int cx, int cy, int rx, int ry) {
  const double ex = (x + 0.5 - cx) / rx, ey = (y + 0.5 - cy) / ry;
  return ex * ex + ey * ey <= 1.0;
}

// A plate seen from the side with the dish on it; berries on the berry pancakes.
void DrawDish(std::vector<std::uint32_t>& px, const SampleCookBookPiece& p, bool berries) {
  const int cx = p.width / 2, cy = p.height / 2;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      std::uint32_t texel = 0;
      if (InEllipse(x, y, cx, cy, p.width / 2 - 4, p.height / 2 - 4)) texel = kPlate;
      if (InEllipse(x, y, cx, cy, p.width / 3, p.height / 4)) texel = p.colour;
      const bool berry = berries && std::abs(y - cy) < 4 && std::abs(x - cx) > 12 &&
                         std::abs(x - cx) < 36 && (std::abs(x - cx) / 8) % 2 == 0;
      if (berry) texel = kBerry;
      px[static_cast<std::size_t>(p.y + y) * kAtlasWidth + p.x + x] = texel;
    }
  }
}

std::vector<std::uint32_t> FramePixels() {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(kAtlasWidth) * kAtlasHeight, 0);
  for (std::size_t i = 0; i < SampleCookBookFrame().size(); ++i)
    DrawFramePiece(px, SampleCookBookFrame()[i], kClearCorners[i]);
  return px;
}

std::vector<std::uint32_t> DishPixels() {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(kAtlasWidth) * kAtlasHeight, 0);
  for (const SampleCookBookPiece& dish : SampleDishPictures())
    DrawDish(px, dish, std::string(dish.name) == "berry_pancakes");
  return px;
}

// An atlas's texture and sprite infos, then a module of one single-sprite animation per
// piece.
void AddAtlas(std::string& resources, std::string& modules, const char* texture, int textureNumber,
              const char* module, const std::vector<SampleCookBookPiece>& pieces, int& sprite) {
  resources += "  r.AddTexture('" + std::string(texture) + "');  // Texture\\" +
               std::to_string(textureNumber) + "\n";
  modules += "  r.CreateModule('" + std::string(module) + "');\n";
  for (const SampleCookBookPiece& p : pieces) {
    resources += "  r.AddHGESpriteInfo('" + std::string(p.name) + "', " +
                 std::to_string(textureNumber) + ", " + std::to_string(p.x) + ", " +
                 std::to_string(p.y) + ", " + std::to_string(p.width) + ", " +
                 std::to_string(p.height) + ");  // sprite " + std::to_string(sprite) + "\n";
    modules += "  r.CreateAnimationData('" + std::string(p.name) +
               "');\n"
               "  r.AddNamedPart('all', 0, 1000, 0);\n"
               "  r.CreateSpriteObjectData('picture');\n"
               "  r.AddSpriteIDResource(" +
               std::to_string(sprite++) +
               ", 1000);\n"
               "  r.AddHotspot(5000, 5000, 0, 1000);\n";
  }
}

// Sprites are given as {s:name}, text infos as {t:name}.
const char* const kPagesScript = R"(
// The cook book's pages and what is laid out on them.
void CookBookPageResources(CResourceReader@ r) {
{resources}
  r.AddTextInfo('cookbook_centred', 1, 0, 0, 0x01, {text:hint});  // dark ink
  r.AddTextInfo('cookbook_left', 1, 0, 0, 0x00, {text:hint});
}

// A page: its paper first, hot spot at the top-left corner (its elements are laid into
// it), the page number at its foot. A left-hand page is shown mirrored: its number is drawn
// mirrored (`numberZoom` -100), so that it reads the right way round.
void CookBookPage(CResourceReader@ r, const string &in name, int sprite, int numberZoom) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 1000, 0);
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('_idle', 300, 1000, 0);
  r.AddNamedPart('_hide', 1000, 1300, 1);
  r.CreateSpriteObjectData('paper');
  r.AddSpriteIDResource(sprite, 1300);
  r.AddHotspot(0, 0, 0, 1300);
  r.AddLayer(0, 1300);
  r.CreateTextSpriteObjectData('_number');
  r.AddTextSpriteIDResource({t:cookbook_centred}, 1300);
  r.AddOffset(160, 424, 0, 1300);
  r.AddZoom(numberZoom, 100, 0, 1300);
  r.AddLayer(1, 1300);
}

// An element of a page: a picture (none when sprite is -1) centred on the element's
// origin, and its text "_text" at (x, y) from there.
void CookBookElement(CResourceReader@ r, const string &in name, int sprite, int info, int x,
                     int y) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 1000, 0);
  r.AddNamedPart('_idle', 0, 1000, 0);
  if (sprite >= 0) {
    r.CreateSpriteObjectData('picture');
    r.AddSpriteIDResource(sprite, 1000);
    r.AddHotspot(5000, 5000, 0, 1000);
    r.AddLayer(0, 1000);
  }
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource(info, 1000);
  r.AddOffset(x, y, 0, 1000);
  r.AddLayer(1, 1000);
}

void CookBookPages(CResourceReader@ r) {
  CookBookPageResources(r);
  r.CreateModule('cookingbook');
  CookBookPage(r, 'page_1', {s:cookbook_pages_a}, -100);
  CookBookPage(r, 'page_2', {s:cookbook_pages_b}, 100);
  CookBookPage(r, 'page_empty_1', {s:cookbook_pages_a}, -100);
  CookBookPage(r, 'page_empty_2', {s:cookbook_pages_b}, 100);
  // The font draws a line's middle about 16 pixels below its anchor.
  CookBookElement(r, 'heading', {s:cookbook_heading}, {t:cookbook_centred}, 0, -19);
  CookBookElement(r, 'text', -1, {t:cookbook_left}, 0, 0);
  CookBookElement(r, 'frame', {s:cookbook_frame}, {t:cookbook_centred}, 0, 35);
  CookBookElement(r, 'divider', {s:cookbook_divider}, {t:cookbook_centred}, 0, -16);
  CookBookScreen(r);
}

// A section's tab: "_up" (also on leaving), "_over" larger, "_down" pressed, "_disabled"
// the open section's, largest.
void CookBookTab(CResourceReader@ r, int n, int sprite) {
  r.CreateAnimationData('zakladka_' + n);
  MnButtonParts(r);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource(sprite, 400);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddZoom(100, 100, 0, 100);
  r.AddZoom(108, 108, 0, 100);
  r.AddZoom(96, 96, 0, 100);
  r.AddZoom(118, 118, 0, 100);
  r.AddLayer(0, 400);
}

// The open book on the kitchen table, offsets from the screen's middle: the tabs tucked
// under its cover along the top, the pages' place (where the leaves lie) from (104, 37),
// the buttons below it.
void CookBookScreen(CResourceReader@ r) {
  for (int n = 1; n <= 8; ++n) CookBookTab(r, n, {s:cookbook_tabs_tab_1} + n - 1);
  MnButton(r, 'print_button', {s:cookbook_buttons_print_up}, {s:cookbook_buttons_print_over},
           {s:cookbook_buttons_print_down});
  MnButton(r, 'close_button', {s:cookbook_buttons_close_up}, {s:cookbook_buttons_close_over},
           {s:cookbook_buttons_close_down});
  r.CreateAnimationData('cookbook_screen');
  ShowIdleHide(r, 300, 1000, 300);
  KhSprite(r, 'background', {art:menu_background}, 0, 0, 0, 1600);
  for (int n = 1; n <= 8; ++n)
    KhPlace(r, '_item_zakladka_' + n, 'cookingbook', 'zakladka_' + n, -256 + 80 * (n - 1), -276,
            5, 1600);
  KhSprite(r, 'cover', {s:cookbook_cover}, 24, -22, 10, 1600);
  KhPlace(r, '_item_back', 'cookingbook', 'close_button', -356, 262, 20, 1600);
  KhPlace(r, '_item_prev', 'interfaces', 'round_back', -56, 264, 20, 1600);
  KhPlace(r, '_item_print', 'cookingbook', 'print_button', 24, 264, 20, 1600);
  KhPlace(r, '_item_next', 'interfaces', 'round_next', 104, 264, 20, 1600);
}
)";

std::string TextureCall(const ArtSheet& sheet) {
  return "r.AddTexture('" + sheet.name + "')";
}

}  // namespace

const std::vector<ArtSheet>& CookBookPageSheets() {
  static const std::vector<ArtSheet> sheets = {
      {"cookbook_pages",
       "cookbook_pages.svg",
       2 * kSamplePageWidth,
       kSamplePageHeight,
       kSamplePageWidth,
       kSamplePageHeight,
       {"a", "b"},
       0,
       0},
      {"cookbook_page_1", "cookbook_mask.svg", kSamplePageWidth, kSamplePageHeight},
      {"cookbook_heading", "cookbook_heading.svg", 288, 48},
      {"cookbook_frame", "cookbook_frame.svg", 160, 132},
      {"cookbook_divider", "cookbook_divider.svg", 224, 24},
      // The screen: the open book's cover, the sections' tabs, "print" and "close".
      {"cookbook_cover", "cookbook_cover.svg", 664, 500},
      {"cookbook_tabs",
       "cookbook_tabs.svg",
       512,
       48,
       64,
       48,
       {"tab_1", "tab_2", "tab_3", "tab_4", "tab_5", "tab_6", "tab_7", "tab_8"}},
      {"cookbook_buttons",
       "cookbook_buttons.svg",
       384,
       64,
       64,
       64,
       {"print_up", "print_over", "print_down", "close_up", "close_over", "close_down"}},
  };
  return sheets;
}

std::string MakeCookBookPagesScript(const std::string& before) {
  std::string script = kPagesScript;
  int texture = CountScriptCalls(before, "r.AddTexture(");
  int sprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  std::string resources;
  for (const ArtSheet& sheet : CookBookPageSheets()) {
    resources += "  " + TextureCall(sheet) + ";\n";
    for (const ArtSprite& s : ArtSprites(sheet)) {
      resources += "  r.AddHGESpriteInfo('" + s.name + "', " + std::to_string(texture) + ", " +
                   std::to_string(s.x) + ", " + std::to_string(s.y) + ", " +
                   std::to_string(s.width) + ", " + std::to_string(s.height) + ");\n";
      FillScriptNumber(script, "s:" + s.name, sprite++);
    }
    ++texture;
  }
  const std::string mark = "{resources}\n";
  script.replace(script.find(mark), mark.size(), resources);
  const int info = CountScriptCalls(before, "r.AddTextInfo(");
  FillScriptNumber(script, "t:cookbook_centred", info);
  FillScriptNumber(script, "t:cookbook_left", info + 1);
  FillScriptNumber(script, "text:hint", SampleTextIndex("hint"));
  FillArtSprites(script, before);
  return script;
}

const std::vector<SampleCookBookPiece>& SampleCookBookFrame() {
  static const std::vector<SampleCookBookPiece> pieces = {
      {"top_left", 0, 0, 64, 64, 0xFFC0392B},       {"top_centr", 64, 0, 64, 48, 0xFFE67E22},
      {"top_right", 128, 0, 64, 64, 0xFFF1C40F},    {"bottom_left", 0, 64, 64, 64, 0xFF27AE60},
      {"bottom_centr", 64, 64, 64, 48, 0xFF2980B9}, {"bottom_right", 128, 64, 64, 64, 0xFF8E44AD},
  };
  return pieces;
}

const std::vector<SampleCookBookPiece>& SampleDishPictures() {
  static const std::vector<SampleCookBookPiece> dishes = {
      {"batter", 0, 0, 128, 64, 0xFFF3E5AB},
      {"pancakes", 128, 0, 128, 64, 0xFFD9A441},
      {"omelette", 0, 64, 128, 64, 0xFFF7D038},
      {"berry_pancakes", 128, 64, 128, 64, 0xFFC98B3A},
  };
  return dishes;
}

std::string MakeCookBookScript(const std::string& before) {
  const int texture = CountScriptCalls(before, "r.AddTexture(");
  int sprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  std::string resources, modules;
  AddAtlas(resources, modules, kFrameTexture, texture, "cookingbook", SampleCookBookFrame(),
           sprite);
  AddAtlas(resources, modules, kDishTexture, texture + 1, "Dishes", SampleDishPictures(), sprite);
  return "\n// The cook book: the frame of a printed recipe page and the dishes' pictures.\n"
         "void CookBook(CResourceReader@ r) {\n" +
         resources + modules + "}\n";
}

bool WriteSampleCookBook(const std::filesystem::path& outDir) {
  const std::string script = MakeResourceScript();
  const auto at = script.find("r.AddTexture('" + std::string(kFrameTexture) + "')");
  if (at == std::string::npos) return false;
  const int frame = CountScriptCalls(script.substr(0, at), "r.AddTexture(");
  bool ok = WriteContentFile(outDir, "Texture/" + std::to_string(frame) + ".png",
                             EncodePng(kAtlasWidth, kAtlasHeight, FramePixels()));
  ok = WriteContentFile(outDir, "Texture/" + std::to_string(frame + 1) + ".png",
                        EncodePng(kAtlasWidth, kAtlasHeight, DishPixels())) &&
       ok;
  for (const ArtSheet& sheet : CookBookPageSheets()) {
    const auto page = script.find(TextureCall(sheet));
    if (page == std::string::npos) return false;
    const int number = CountScriptCalls(script.substr(0, page), "r.AddTexture(");
    ok = WriteArtTexture(outDir, number, sheet) && ok;
  }
  ok = WriteContentFile(outDir, "Sound/page_turn.ogg", EncodeSampleTone(340.0, 170.0, 0.3)) && ok;
  return WriteContentFile(outDir, "Particle/print.fgp", MakeSampleSparkBurst().Write()) && ok;
}

void AddCookBookSounds(GameData& data) {
  data.SoundNameTable[kPageTurnSound] = {"page_turn", kPageTurnSound};
}
