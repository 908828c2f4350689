#include "tools/content/SampleKitchenHud.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>

#include "tools/content/SampleContent.h"

namespace {

// ---- Pictures ----

using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kOutline = 0xFF4A3222;  // the warm dark brown of every outline

std::uint32_t Blend(std::uint32_t over, std::uint32_t under) {
  const std::uint32_t a = over >> 24;
  if (a == 255 || (under >> 24) == 0) return over;
  auto channel = [a](std::uint32_t o, std::uint32_t u, int shift) {
    return ((((o >> shift) & 0xFF) * a + ((u >> shift) & 0xFF) * (255 - a)) / 255) << shift;
  };
  return 0xFF000000u | channel(over, under, 16) | channel(over, under, 8) | channel(over, under, 0);
}

// A picture drawn with a few filled shapes, each given as a test of the pixel's centre.
class Canvas {
 public:
  Canvas(int w, int h, std::uint32_t fill = 0) : m_w(w), m_h(h), m_px(std::size_t(w) * h, fill) {}

  int Width() const { return m_w; }
  int Height() const { return m_h; }
  const Pixels& Data() const { return m_px; }

  // Paints every pixel of the box (x0, y0)-(x1, y1) whose centre passes the test.
  void Fill(int x0, int y0, int x1, int y1, const std::function<bool(float, float)>& inside,
            const std::function<std::uint32_t(float, float)>& colour) {
    for (int y = std::max(0, y0); y < std::min(m_h, y1); ++y)
      for (int x = std::max(0, x0); x < std::min(m_w, x1); ++x) {
        const float cx = static_cast<float>(x) + 0.5f, cy = static_cast<float>(y) + 0.5f;
        if (inside(cx, cy)) {
          std::uint32_t& px = m_px[std::size_t(y) * m_w + x];
          px = Blend(colour(cx, cy), px);
        }
      }
  }
  void Rect(int x0, int y0, int x1, int y1, std::uint32_t c) {
    Fill(
        x0, y0, x1, y1, [](float, float) { return true; }, [c](float, float) { return c; });
  }
  // A rounded box of corner radius r.
  void Round(int x0, int y0, int x1, int y1, float r, std::uint32_t c) {
    Fill(
        x0, y0, x1, y1,
        [=](float x, float y) {
          const float dx = std::max({0.0f, x0 + r - x, x - (x1 - r)});
          const float dy = std::max({0.0f, y0 + r - y, y - (y1 - r)});
          return dx * dx + dy * dy <= r * r;
        },
        [c](float, float) { return c; });
  }
  // A rounded box with an outline of width w.
  void Panel(int x0, int y0, int x1, int y1, float r, std::uint32_t c, int w = 2) {
    Round(x0, y0, x1, y1, r, kOutline);
    Round(x0 + w, y0 + w, x1 - w, y1 - w, std::max(1.0f, r - static_cast<float>(w)), c);
  }
  void Ellipse(float cx, float cy, float rx, float ry, std::uint32_t c) {
    Fill(
        static_cast<int>(cx - rx), static_cast<int>(cy - ry), static_cast<int>(cx + rx) + 1,
        static_cast<int>(cy + ry) + 1,
        [=](float x, float y) {
          const float u = (x - cx) / rx, v = (y - cy) / ry;
          return u * u + v * v <= 1.0f;
        },
        [c](float, float) { return c; });
  }
  // A triangle, for balloon tails.
  void Triangle(float ax, float ay, float bx, float by, float qx, float qy, std::uint32_t c) {
    auto side = [](float x0, float y0, float x1, float y1, float x, float y) {
      return (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0);
    };
    Fill(
        static_cast<int>(std::min({ax, bx, qx})), static_cast<int>(std::min({ay, by, qy})),
        static_cast<int>(std::max({ax, bx, qx})) + 1, static_cast<int>(std::max({ay, by, qy})) + 1,
        [=](float x, float y) {
          const float d1 = side(ax, ay, bx, by, x, y), d2 = side(bx, by, qx, qy, x, y),
                      d3 = side(qx, qy, ax, ay, x, y);
          return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
        },
        [c](float, float) { return c; });
  }
  // Copies another canvas in at (x, y).
  void Put(const Canvas& other, int x, int y) {
    for (int j = 0; j < other.m_h; ++j)
      for (int i = 0; i < other.m_w; ++i)
        m_px[std::size_t(y + j) * m_w + x + i] = other.m_px[std::size_t(j) * other.m_w + i];
  }

 private:
  int m_w, m_h;
  Pixels m_px;
};

// The levels' floor: a trapezoid from (180, 260)-(620, 260) back to (80, 560)-(720, 560),
// tiled in perspective, under a cream wall with a window and a long counter.
Canvas KitchenBack() {
  Canvas c(800, 600, 0xFFE9D2A6);
  c.Rect(0, 0, 800, 200, 0xFFF3E3C3);            // wall
  c.Rect(0, 186, 800, 200, 0xFFD9B98A);          // wainscot rail
  c.Panel(556, 34, 708, 158, 6, 0xFFF8F4EA, 3);  // window frame
  c.Fill(
      566, 44, 698, 148, [](float, float) { return true; },
      [](float, float y) {
        const int t = static_cast<int>((y - 44.0f) * 0.6f);
        return 0xFF000000u | std::uint32_t(150 + t) << 16 | std::uint32_t(200 + t / 2) << 8 | 240u;
      });
  c.Rect(630, 44, 634, 148, 0xFFF8F4EA);  // window bars
  c.Rect(566, 94, 698, 98, 0xFFF8F4EA);
  c.Fill(
      0, 200, 800, 600,
      [](float x, float y) {
        if (y < 260.0f || y > 560.0f) return false;
        const float v = (y - 260.0f) / 300.0f;
        return x >= 180.0f - 100.0f * v && x <= 620.0f + 100.0f * v;
      },
      [](float x, float y) {
        const float v = (y - 260.0f) / 300.0f;
        const float left = 180.0f - 100.0f * v, right = 620.0f + 100.0f * v;
        const int u = static_cast<int>((x - left) / (right - left) * 8.0f);
        const int w = static_cast<int>(v * 6.0f);
        return (u + w) % 2 == 0 ? 0xFFF2E6CCu : 0xFFCFAE82u;
      });
  c.Rect(0, 560, 800, 600, 0xFF8A6446);        // skirting below the floor
  c.Round(130, 196, 670, 262, 6, kOutline);    // counter along the back row
  c.Round(133, 199, 667, 230, 4, 0xFFD8A56A);  // its top
  c.Rect(133, 230, 667, 259, 0xFFA8703E);      // its front
  for (int x = 200; x < 667; x += 90) c.Rect(x, 234, x + 2, 256, 0xFF7E5230);
  return c;
}

// A round wall clock with twelve ticks.
Canvas ClockFace() {
  Canvas c(80, 80);
  c.Ellipse(40, 40, 39, 39, kOutline);
  c.Ellipse(40, 40, 35, 35, 0xFFFFF8E8);
  for (int i = 0; i < 12; ++i) {
    const float a = static_cast<float>(i) * std::numbers::pi_v<float> / 6.0f;
    c.Ellipse(40.0f + 29.0f * std::sin(a), 40.0f - 29.0f * std::cos(a), i % 3 ? 1.5f : 2.5f,
              i % 3 ? 1.5f : 2.5f, kOutline);
  }
  return c;
}

// The atlas of every HUD piece: each entry is a sprite info.
struct Piece {
  const char* sprite;
  int x, y, w, h;
};

const Piece kPieces[] = {
    {"kh_clock_face", 0, 0, 80, 80},       {"kh_hand_hour", 80, 0, 8, 28},
    {"kh_hand_min", 88, 0, 6, 36},         {"kh_hand_second", 94, 0, 2, 38},
    {"kh_plate", 100, 0, 72, 28},          {"kh_plate_work", 100, 28, 72, 28},
    {"kh_bell", 172, 0, 36, 28},           {"kh_sun", 208, 0, 40, 40},
    {"kh_dark", 248, 0, 16, 16},           {"kh_text_back", 264, 0, 32, 16},
    {"kh_dial", 296, 0, 40, 40},           {"kh_dial_hand", 336, 0, 2, 18},
    {"kh_segment", 340, 0, 12, 12},        {"kh_hider", 352, 0, 48, 48},
    {"kh_hider_2", 400, 0, 48, 48},        {"kh_deliver_up", 0, 80, 112, 36},
    {"kh_deliver_over", 112, 80, 112, 36}, {"kh_deliver_down", 224, 80, 112, 36},
    {"kh_deliver_off", 336, 80, 112, 36},  {"kh_bar_frame", 0, 116, 164, 18},
    {"kh_bar_fill", 0, 134, 160, 12},      {"kh_flip", 164, 116, 128, 52},
    {"kh_flip_closed", 292, 116, 128, 52}, {"kh_balloon", 0, 168, 170, 80},
    {"kh_balloon_up", 170, 168, 170, 80},  {"kh_balloon_left", 340, 168, 170, 80},
    {"kh_banner", 0, 248, 380, 90},        {"kh_hint_box", 0, 338, 260, 120},
};

// A speech balloon of 170 x 80: a rounded box and a tail towards the speaker.
void Balloon(Canvas& c, int x, int y, float tipX, float tipY, float baseX, float baseY) {
  c.Triangle(x + baseX - 14, y + baseY, x + baseX + 14, y + baseY, x + tipX, y + tipY, kOutline);
  const bool up = tipY < baseY;
  const int top = up ? 16 : 0, bottom = up ? 80 : 64;
  c.Panel(x, y + top, x + 170, y + bottom, 14, 0xFFFFFFFF);
  c.Triangle(x + baseX - 10, y + baseY + (up ? 3 : -3), x + baseX + 10, y + baseY + (up ? 3 : -3),
             x + tipX, y + tipY + (up ? 4 : -4), 0xFFFFFFFF);
}

Canvas HudAtlas() {
  Canvas c(512, 512);
  c.Put(ClockFace(), 0, 0);
  c.Round(80, 0, 88, 28, 3, kOutline);     // hour hand
  c.Round(88, 0, 94, 36, 3, kOutline);     // minute hand
  c.Rect(94, 0, 96, 38, 0xFFD03020);       // second hand
  c.Ellipse(136, 14, 35, 13, 0xFF9A9A9A);  // plate
  c.Ellipse(136, 13, 31, 10, 0xFFFFFFFF);
  c.Ellipse(136, 42, 35, 13, 0xFFE0A030);  // working plate: a warm glow
  c.Ellipse(136, 41, 31, 10, 0xFFFFF2B0);
  c.Ellipse(190, 20, 17, 14, kOutline);  // service bell
  c.Ellipse(190, 20, 14, 11, 0xFFF0C040);
  c.Rect(172, 24, 208, 28, kOutline);
  c.Ellipse(228, 20, 19, 19, 0xFFFFB030);  // sun
  c.Ellipse(228, 20, 14, 14, 0xFFFFE060);
  c.Rect(248, 0, 264, 16, 0xFF101828);  // night
  c.Rect(264, 0, 296, 16, kOutline);    // text backing
  c.Rect(265, 1, 295, 15, 0xFFFFF8E8);
  c.Ellipse(316, 20, 19, 19, kOutline);  // level clock dial
  c.Ellipse(316, 20, 16, 16, 0xFFFFFFFF);
  c.Rect(336, 0, 338, 18, 0xFF203040);        // its hand
  c.Ellipse(346, 6, 5.5f, 5.5f, 0xFFE04030);  // its blinking segment
  c.Ellipse(372, 20, 15, 15, kOutline);       // magnifier
  c.Ellipse(372, 20, 11, 11, 0x90C8E8FF);
  c.Triangle(381, 31, 386, 27, 399, 46, kOutline);
  c.Ellipse(424, 24, 20, 20, 0xFFD03020);  // cross hair
  c.Ellipse(424, 24, 17, 17, 0x00000000);
  c.Fill(
      400, 0, 448, 48,
      [](float x, float y) { return std::abs(x - 424) < 1.5f || std::abs(y - 24) < 1.5f; },
      [](float, float) { return 0xFFD03020u; });
  const std::uint32_t looks[] = {0xFF4CAF50, 0xFF66C96A, 0xFF38883C, 0xFFA0A0A0};
  for (int i = 0; i < 4; ++i) c.Panel(i * 112, 80, i * 112 + 112, 116, 12, looks[i]);
  c.Round(0, 116, 164, 134, 6, kOutline);  // delivery bar frame
  c.Round(2, 118, 162, 132, 5, 0xFFF3E3C3);
  c.Round(0, 134, 160, 146, 5, 0xFF5CBF4A);      // its fill
  c.Panel(164, 116, 292, 168, 10, 0xFFF3E3C3);   // level clock panel
  c.Panel(292, 116, 420, 168, 10, 0xFFB89A70);   // the same, closed
  Balloon(c, 0, 168, 24, 80, 40, 64);            // tail down and left
  Balloon(c, 170, 168, 40, 0, 40, 16);           // tail up
  Balloon(c, 340, 168, 146, 80, 130, 64);        // tail down and right
  c.Panel(0, 248, 380, 338, 20, 0xFFFFFFFF, 4);  // banner, tinted per use
  c.Panel(0, 338, 260, 458, 16, 0xFFFFF4D8, 3);  // hint box
  return c;
}

// ---- Resource script ----

const std::vector<SampleText> kTexts = {
    {"kh_empty", u" "},
    {"item_item_delivery", u"Serve"},
    {"kh_complete_1", u"First place!"},
    {"kh_complete_2", u"Second place"},
    {"kh_complete_3", u"Third place"},
    {"kh_complete_4", u"Oops! Try again"},
    {"kh_bonus_level", u"Bonus level!"},
    {"item_back", u"OK"},
};

// Text infos: name and text key; every one centred (0x41) in the font "main".
const std::pair<const char*, const char*> kTextInfos[] = {
    {"kh_caption", "kh_empty"},           {"kh_line", "kh_empty"},
    {"kh_complete_1", "kh_complete_1"},   {"kh_complete_2", "kh_complete_2"},
    {"kh_complete_3", "kh_complete_3"},   {"kh_complete_4", "kh_complete_4"},
    {"kh_bonus_level", "kh_bonus_level"},
};

// Sprites are named {s:name}, text infos {t:name}; offsets of the scene and the layout are
// from the middle of the screen. The font draws a centred line about 16 pixels below its
// anchor, so texts stand 16 pixels above the middle of their boxes.
const char* const kScript = R"(
// The kitchen of the sample levels and the pieces of its HUD.
void KitchenHudResources(CResourceReader@ r) {
  r.AddTexture('kitchen_back');
  r.AddTexture('kitchen_hud');
{resources}
}

// A sprite object of `name` showing one sprite for `total` ms.
void KhSprite(CResourceReader@ r, const string &in name, int sprite, int x, int y, int layer,
              int total) {
  r.CreateSpriteObjectData(name);
  r.AddSpriteIDResource(sprite, total);
  r.AddHotspot(5000, 5000, 0, total);
  r.AddOffset(x, y, 0, total);
  r.AddLayer(layer, total);
}

// A place hosting another animation.
void KhPlace(CResourceReader@ r, const string &in name, const string &in module,
             const string &in animation, int x, int y, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddSubstAnimation(module, animation);
  r.AddOffset(x, y, 0, total);
  r.AddLayer(layer, total);
}

void KhText(CResourceReader@ r, const string &in name, int info, int x, int y, int layer,
            int total) {
  r.CreateTextSpriteObjectData(name);
  r.AddTextSpriteIDResource(info, total);
  r.AddColor(255, 74, 50, 34, 0, total);
  r.AddBlendMode(2, total);
  r.AddOffset(x, y - 16, 0, total);
  r.AddLayer(layer, total);
}

// A hand of a clock: it turns about its foot, pointing at 12 at angle 0.
void KhHand(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('hand');
  r.AddSpriteIDResource(sprite, 1000);
  r.AddHotspot(5000, 9000, 0, 1000);
  r.AddLayer(2, 1000);
}

// The kitchen: the levels' floor, the wall clock, the plate and the bell on the counter, the
// sun passing the window every while, and the night over it all.
void KitchenScene(CResourceReader@ r) {
  r.CreateModule('levels');
  KhHand(r, 'clock_hour', {s:kh_hand_hour});
  KhHand(r, 'clock_min', {s:kh_hand_min});
  KhHand(r, 'clock_second', {s:kh_hand_second});

  r.CreateAnimationData('wall_clock');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'face', {s:kh_clock_face}, 0, 0, 20, 1000);
  KhPlace(r, '_hour', 'levels', 'clock_hour', 0, 0, 21, 1000);
  KhPlace(r, '_min', 'levels', 'clock_min', 0, 0, 22, 1000);
  KhPlace(r, '_second', 'levels', 'clock_second', 0, 0, 23, 1000);

  // Empty, shown, working (a glow) and switching back.
  r.CreateAnimationData('plate');
  r.AddNamedPart('_hide', 0, 100, 1);
  r.AddNamedPart('_show', 100, 400, 1);
  r.AddNamedPart('_work', 400, 1000, 1);
  r.AddNamedPart('_swich', 1000, 1300, 1);
  r.AddNamedPart('all', 0, 1300, 1);
  r.CreateSpriteObjectData('plate');
  r.AddSpriteIDResource({s:kh_plate}, 400);
  r.AddSpriteIDResource({s:kh_plate_work}, 600);
  r.AddSpriteIDResource({s:kh_plate}, 300);
  r.AddHotspot(5000, 5000, 0, 1300);
  r.AddOpaque(160, 0, 100);
  r.AddOpaque(160, 1, 300);
  r.AddOpaque(255, 0, 900);
  r.AddLayer(30, 1300);

  r.CreateAnimationData('ring');
  r.AddNamedPart('all', 0, 600, 1);
  r.CreateSpriteObjectData('bell');
  r.AddSpriteIDResource({s:kh_bell}, 600);
  r.AddHotspot(5000, 10000, 0, 600);
  r.AddRotate(0.0f, 1, 150);
  r.AddRotate(12.0f, 1, 150);
  r.AddRotate(-12.0f, 1, 150);
  r.AddRotate(12.0f, 1, 150);
  r.AddRotate(0.0f, 0, 0);
  r.AddLayer(30, 600);

  // Rises across the window over 4 s, then stays set.
  r.CreateAnimationData('sun');
  r.AddNamedPart('all', 0, 4000, 1);
  r.CreateSpriteObjectData('sun');
  r.AddSpriteIDResource({s:kh_sun}, 4000);
  r.AddHotspot(5000, 5000, 0, 4000);
  r.AddOffset(-50, 40, 1, 4000);
  r.AddOffset(50, -30, 0, 0);
  r.AddOpaque(0, 1, 600);
  r.AddOpaque(255, 0, 2800);
  r.AddOpaque(255, 1, 600);
  r.AddOpaque(0, 0, 0);
  r.AddLayer(2, 4000);

  r.CreateAnimationData('dark');
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_night', 1000, 2000, 0);
  r.AddNamedPart('all', 0, 2000, 0);
  r.CreateSpriteObjectData('night');
  r.AddSpriteIDResource({s:kh_dark}, 2000);
  r.AddHotspot(5000, 5000, 0, 2000);
  r.AddZoom(5000, 3750, 0, 2000);
  r.AddOpaque(0, 0, 1000);
  r.AddOpaque(150, 0, 1000);
  r.AddLayer(850, 2000);

  r.CreateAnimationData('kitchen_1');
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_night', 1000, 2000, 0);
  r.AddNamedPart('all', 0, 2000, 1);
  KhSprite(r, 'back', {s:kh_kitchen_back}, 0, 0, 0, 2000);
  KhPlace(r, '_sun', 'levels', 'sun', 232, -204, 1, 2000);
  KhPlace(r, '_clock', 'levels', 'wall_clock', {clockX}, {clockY}, 20, 2000);
  KhPlace(r, '_plate', 'levels', 'plate', {plateX}, {plateY}, 30, 2000);
  KhPlace(r, '_ring', 'levels', 'ring', 80, -70, 30, 2000);
  KhPlace(r, '_dark', 'levels', 'dark', 0, 0, 850, 2000);
}

// The delivery item on the plate: a button with its caption.
void KitchenItems(CResourceReader@ r) {
  r.CreateModule('interfaces');
  r.CreateAnimationData('item_delivery');
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.AddNamedPart('all', 0, 400, 1);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource({s:kh_deliver_up}, 100);
  r.AddSpriteIDResource({s:kh_deliver_over}, 100);
  r.AddSpriteIDResource({s:kh_deliver_down}, 100);
  r.AddSpriteIDResource({s:kh_deliver_off}, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOffset(0, -34, 0, 400);
  r.AddLayer(0, 400);
  KhText(r, '_text', {t:kh_caption}, 0, -34, 1, 400);

  // Balloons: above and right of the speaker, below it (near the top), and left of it.
  for (int n = 1; n <= 3; ++n) {
    r.CreateAnimationData(n == 1 ? 'balon' : 'balon_' + n);
    r.AddNamedPart('_show', 0, 200, 1);
    r.AddNamedPart('_idle', 200, 1200, 0);
    r.AddNamedPart('_hide', 1200, 1400, 1);
    r.AddNamedPart('all', 0, 1400, 1);
    int sprite = n == 1 ? {s:kh_balloon} : n == 2 ? {s:kh_balloon_up} : {s:kh_balloon_left};
    int x = n == 3 ? -61 : 61;
    int y = n == 2 ? 40 : -40;
    KhSprite(r, 'balloon', sprite, x, y, 0, 1400);
    r.AddOpaque(0, 1, 200);
    r.AddOpaque(255, 0, 1000);
    r.AddOpaque(255, 1, 200);
    r.AddOpaque(0, 0, 0);
    KhText(r, '_text', {t:kh_line}, x, y + (n == 2 ? 8 : -8), 1, 1400);
  }

  // A stretchable backing whose first object is the place of its text, and the text line.
  r.CreateAnimationData('text_back');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('_place');
  r.AddOffset(0, 0, 0, 1000);
  r.AddLayer(1, 1000);
  KhSprite(r, 'back', {s:kh_text_back}, 0, 0, 0, 1000);
  r.CreateAnimationData('text_line');
  r.AddNamedPart('all', 0, 1000, 0);
  KhText(r, '_text', {t:kh_line}, 0, 0, 0, 1000);

  // The level-complete banners: a tinted board that drops in, holds and fades.
  r.CreateAnimationData('level_complete_1');
  KhBanner(r, 232, 184, 48, {t:kh_complete_1});
  r.CreateAnimationData('level_complete_2');
  KhBanner(r, 200, 204, 212, {t:kh_complete_2});
  r.CreateAnimationData('level_complete_3');
  KhBanner(r, 208, 138, 80, {t:kh_complete_3});
  r.CreateAnimationData('level_complete_4');
  KhBanner(r, 176, 176, 176, {t:kh_complete_4});
}

// A banner of 1.6 s tinted (red, green, blue): it drops in, holds and fades out.
void KhBanner(CResourceReader@ r, int red, int green, int blue, int text) {
  r.AddNamedPart('all', 0, 1600, 1);
  KhSprite(r, 'board', {s:kh_banner}, 0, 0, 0, 1600);
  r.AddColor(255, red, green, blue, 0, 1600);
  r.AddBlendMode(2, 1600);
  r.AddZoom(40, 40, 1, 250);
  r.AddZoom(100, 100, 0, 1350);
  r.AddOpaque(0, 1, 250);
  r.AddOpaque(255, 0, 1050);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  KhText(r, 'caption', text, 0, 0, 1, 1600);
  r.AddZoom(150, 150, 0, 1600);
}

// The game screen's HUD places, the hint box, the bonus-level banner and cursors.
void KitchenHud(CResourceReader@ r) {
  r.CreateModule('interfaces');
  r.CreateAnimationData('delivery_progres');
  r.AddNamedPart('_idle', 0, 10000, 1);
  r.AddNamedPart('all', 0, 10000, 1);
  KhSprite(r, 'frame', {s:kh_bar_frame}, 0, 0, 0, 10000);
  r.CreateSpriteObjectData('fill');
  r.AddSpriteIDResource({s:kh_bar_fill}, 10000);
  r.AddHotspot(0, 5000, 0, 10000);
  r.AddOffset(-80, 0, 0, 10000);
  r.AddZoom(0, 100, 1, 10000);
  r.AddZoom(100, 100, 0, 0);
  r.AddLayer(1, 10000);

  r.CreateAnimationData('level_clock_hand');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('hand');
  r.AddSpriteIDResource({s:kh_dial_hand}, 1000);
  r.AddHotspot(5000, 9000, 0, 1000);
  r.AddLayer(3, 1000);

  r.CreateAnimationData('level_clock_segment');
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_blink', 1000, 1400, 0);
  r.AddNamedPart('all', 0, 1400, 0);
  KhSprite(r, 'dot', {s:kh_segment}, 0, -10, 2, 1400);
  r.AddOpaque(255, 0, 1200);
  r.AddOpaque(0, 0, 200);

  r.CreateAnimationData('level_clock');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'dial', {s:kh_dial}, 0, 0, 1, 1000);
  KhPlace(r, '_second', 'interfaces', 'level_clock_hand', 0, 0, 3, 1000);
  KhPlace(r, '_segment', 'interfaces', 'level_clock_segment', 0, 0, 2, 1000);

  // The panel that carries the level clock: open while the level runs, closed after.
  r.CreateAnimationData('level_clock_panel');
  r.AddNamedPart('_work', 0, 100, 0);
  r.AddNamedPart('_closed', 100, 200, 0);
  r.AddNamedPart('all', 0, 200, 0);
  r.CreateSpriteObjectData('panel');
  r.AddSpriteIDResource({s:kh_flip}, 100);
  r.AddSpriteIDResource({s:kh_flip_closed}, 100);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddLayer(0, 200);
  KhPlace(r, '_clock', 'interfaces', 'level_clock', 0, 0, 1, 200);

  r.CreateModule('hints');
  r.CreateAnimationData('hint_text');
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('_idle', 300, 1300, 0);
  r.AddNamedPart('_hide', 1300, 1600, 1);
  r.AddNamedPart('all', 0, 1600, 1);
  KhSprite(r, 'box', {s:kh_hint_box}, 0, 0, 0, 1600);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  KhText(r, '_text', {t:kh_line}, 0, -18, 1, 1600);
  KhPlace(r, '_item_back', 'interfaces', 'fw_button', 0, 34, 2, 1600);

  r.CreateModule('main_menu');
  r.CreateAnimationData('bonus_text');
  KhBanner(r, 155, 208, 240, {t:kh_bonus_level});

  // The game screen's layout: its HUD along the top and the bottom.
  r.CreateAnimationData('game_screen');
  ShowIdleHide(r, 300, 1000, 300);
  KhPlace(r, '_flip', 'interfaces', 'level_clock_panel', 320, -262, 1100, 1600);
  KhPlace(r, '_delivery_progres', 'interfaces', 'delivery_progres', 0, 278, 1100, 1600);

  r.CreateModule('bonus');
  r.CreateAnimationData('hider');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'glass', {s:kh_hider}, 8, 8, 0, 1000);
  r.CreateAnimationData('hider_2');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'cross', {s:kh_hider_2}, 0, 0, 0, 1000);
}

void KitchenHudContent(CResourceReader@ r) {
  KitchenHudResources(r);
  KitchenScene(r);
  KitchenItems(r);
  KitchenHud(r);
}
)";

}  // namespace

const std::vector<SampleText>& KitchenHudTexts() {
  return kTexts;
}

std::string MakeKitchenHudScript(const std::string& before) {
  std::string script = kScript;
  const int firstTexture = CountScriptCalls(before, "r.AddTexture(");
  int sprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  int info = CountScriptCalls(before, "r.AddTextInfo(");
  std::string lines = SpriteInfoLine("kh_kitchen_back", firstTexture, 0, 0, 800, 600);
  FillScriptNumber(script, "s:kh_kitchen_back", sprite++);
  for (const Piece& p : kPieces) {
    lines += SpriteInfoLine(p.sprite, firstTexture + 1, p.x, p.y, p.w, p.h);
    FillScriptNumber(script, "s:" + std::string(p.sprite), sprite++);
  }
  for (const auto& [name, key] : kTextInfos) {
    lines += "  r.AddTextInfo('" + std::string(name) + "', 0, 0, 0, 0x41, " +
             std::to_string(SampleTextIndex(key)) + ");\n";
    FillScriptNumber(script, "t:" + std::string(name), info++);
  }
  const std::string mark = "{resources}\n";
  script.replace(script.find(mark), mark.size(), lines);
  // The scene is centred on the screen, so its places stand relative to (400, 300).
  FillScriptNumber(script, "clockX", static_cast<int>(KitchenPlaces::clockX) - 400);
  FillScriptNumber(script, "clockY", static_cast<int>(KitchenPlaces::clockY) - 300);
  FillScriptNumber(script, "plateX", static_cast<int>(KitchenPlaces::plateX) - 400);
  FillScriptNumber(script, "plateY", static_cast<int>(KitchenPlaces::plateY) - 300);
  return script;
}

bool WriteKitchenHudImages(const std::filesystem::path& outDir) {
  const std::string script = MakeResourceScript();
  const auto at = script.find("r.AddTexture('kitchen_back')");
  if (at == std::string::npos) return false;
  const int texture = CountScriptCalls(script.substr(0, at), "r.AddTexture(");
  const Canvas back = KitchenBack();
  const Canvas atlas = HudAtlas();
  bool ok = WriteContentFile(outDir, "Texture/" + std::to_string(texture) + ".png",
                             EncodePng(back.Width(), back.Height(), back.Data()));
  return WriteContentFile(outDir, "Texture/" + std::to_string(texture + 1) + ".png",
                          EncodePng(atlas.Width(), atlas.Height(), atlas.Data())) &&
         ok;
}
