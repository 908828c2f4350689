#include "tools/content/SampleMapScreens.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleContent.h"

namespace {

constexpr float kTau = 2.0f * std::numbers::pi_v<float>;

struct MapSprite {
  const char* name;
  int texture;  // place among the map's textures: map_fon, map_ribbons, map_hint, particles_2
  int x, y, w, h;
};
// In script order; the ribbons are 64 x 96, their medals 48 across around (32, 32).
const MapSprite kSprites[] = {
    {"map_ribbon_1", 1, 0, 0, 64, 96},   {"map_ribbon_2", 1, 64, 0, 64, 96},
    {"map_ribbon_3", 1, 128, 0, 64, 96}, {"map_ribbon_hit", 1, 8, 8, 48, 48},
    {"map_hint", 2, 0, 0, 240, 48},
};

const std::vector<SampleText> kTexts = {
    {"replay_level", u"Replay level _num"},
};

// Sprites are given as {s:name}, the text info as {t:map_hint_text}.
const char* const kScript = R"(
// The progress map: its background texture, level ribbons and level tooltip.
void MapResources(CResourceReader@ r) {
{resources}
  r.AddTextInfo('map_hint_text', 0, 0, 0, 0x41, {text:replay_level});
}

// A level ribbon: a medal on two tails. It grows in while showing, swells while hovered
// and shrinks away while hiding; its hit rectangle is the medal.
void MapRibbon(CResourceReader@ r, int place, int sprite) {
  r.CreateAnimationData('ribbon_' + place);
  r.AddNamedPart('all', 0, 300, 1);
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('_enter', 300, 450, 1);
  r.AddNamedPart('_leave', 450, 600, 1);
  r.AddNamedPart('_hide', 600, 800, 1);
  r.CreateSpriteObjectData('medal');
  r.AddSpriteIDResource(sprite, 800);
  r.AddHotspot(5000, 3333, 0, 800);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(255, 1, 200);
  r.AddOpaque(0, 0, 0);
  r.AddZoom(30, 30, 1, 300);
  r.AddZoom(100, 100, 1, 150);
  r.AddZoom(120, 120, 1, 150);
  r.AddZoom(100, 100, 1, 200);
  r.AddZoom(30, 30, 0, 0);
  r.AddLayer(2, 800);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource({s:map_ribbon_hit}, 800);
  r.AddHotspot(5000, 5000, 0, 800);
  r.AddOpaque(0, 0, 800);
  r.AddLayer(1, 800);
}

// The tooltip over a ribbon: a panel with one line of text, fading in and out.
void MapHint(CResourceReader@ r) {
  r.CreateAnimationData('hint_level');
  r.AddNamedPart('all', 0, 200, 1);
  r.AddNamedPart('_show', 0, 200, 1);
  r.AddNamedPart('_hide', 200, 400, 1);
  r.CreateSpriteObjectData('panel');
  r.AddSpriteIDResource({s:map_hint}, 400);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOpaque(0, 1, 200);
  r.AddOpaque(255, 1, 200);
  r.AddOpaque(0, 0, 0);
  r.AddLayer(0, 400);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:map_hint_text}, 400);
  r.AddColor(255, 90, 50, 20, 0, 400);
  r.AddBlendMode(2, 400);
  r.AddOpaque(0, 1, 200);
  r.AddOpaque(255, 1, 200);
  r.AddOpaque(0, 0, 0);
  r.AddOffset(0, -16, 0, 400);
  r.AddLayer(1, 400);
}

void MapScreens(CResourceReader@ r) {
  MapResources(r);
  r.CreateModule('ProgressMap');
  MapRibbon(r, 1, {s:map_ribbon_1});
  MapRibbon(r, 2, {s:map_ribbon_2});
  MapRibbon(r, 3, {s:map_ribbon_3});
  r.CreateModule('hints');
  MapHint(r);
}
)";

std::uint32_t Argb(float a, float r, float g, float b) {
  const auto byte = [](float v) {
    return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
  };
  return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}

struct Rgb {
  float r, g, b;
};

Rgb Mix(const Rgb& a, const Rgb& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A sum of sines over whole periods of the picture's width, so its ends meet.
float Wave(int x, float base, std::initializer_list<std::pair<int, float>> waves, float phase) {
  float y = base;
  for (const auto& [periods, amplitude] : waves)
    y += amplitude * std::sin(kTau * static_cast<float>(periods * x) / 1024.0f + phase);
  return y;
}

// Horizontal distance on a picture whose ends meet.
float WrappedDx(int x, float cx) {
  const float d = std::fabs(static_cast<float>(x) - cx);
  return std::min(d, 1024.0f - d);
}

// Sky, clouds, blue mountains, green hills with trees, fields and a river; every layer is
// periodic in x, so the picture scrolls round without a seam.
std::uint32_t Landscape(int x, int y) {
  const float fy = static_cast<float>(y);
  const float far = Wave(x, 190.0f, {{2, 40.0f}, {5, 18.0f}}, 0.3f);
  const float mid = Wave(x, 280.0f, {{3, 24.0f}, {7, 10.0f}}, 1.1f);
  const float near = Wave(x, 360.0f, {{4, 16.0f}, {9, 6.0f}}, 2.0f);
  const float river = Wave(x, 430.0f, {{2, 14.0f}, {6, 5.0f}}, 0.7f);
  if (std::fabs(fy - river) < 9.0f) return Argb(255, 80, 140, 215);
  if (fy > near) {
    const int band = ((x + 2 * y) / 64) % 4;  // 1024 / 64 bands: the stripes wrap too
    const Rgb fields[4] = {{96, 160, 64}, {150, 180, 70}, {86, 146, 58}, {196, 180, 90}};
    const Rgb c = Mix(fields[band], {60, 110, 50}, (fy - near) / 300.0f);
    return Argb(255, c.r, c.g, c.b);
  }
  for (int n = 0; n < 16; ++n) {  // a tree every 64 px along the hills' ridge
    const float cx = static_cast<float>(n * 64 + 20);
    const float cy = Wave(static_cast<int>(cx), 280.0f, {{3, 24.0f}, {7, 10.0f}}, 1.1f) - 8.0f;
    const float dx = WrappedDx(x, cx), dy = fy - cy;
    if (dx * dx + dy * dy < 100.0f) return Argb(255, 46, 104 + dy * 2, 46);
    if (dx < 2.0f && dy >= 0.0f && dy < 16.0f) return Argb(255, 110, 70, 40);
  }
  if (fy > mid) {
    const Rgb c = Mix({120, 184, 84}, {80, 140, 64}, (fy - mid) / 120.0f);
    return Argb(255, c.r, c.g, c.b);
  }
  if (fy > far) {
    const bool snow = fy < 172.0f && fy < far + 14.0f;  // a snow line on the high peaks
    return snow ? Argb(255, 240, 244, 250) : Argb(255, 126, 146, 184);
  }
  const Rgb sky = Mix({110, 165, 230}, {205, 228, 248}, fy / 260.0f);
  for (const auto& [cx, cy] : {std::pair{150.0f, 70.0f}, {520.0f, 110.0f}, {860.0f, 60.0f}}) {
    const float dx = WrappedDx(x, cx) / 70.0f, dy = (fy - cy) / 18.0f;
    if (dx * dx + dy * dy < 1.0f) return Argb(255, 250, 250, 252);
  }
  return Argb(255, sky.r, sky.g, sky.b);
}

// Coverage of a disc of radius r at the pixel's centre.
float Disc(int x, int y, float cx, float cy, float r) {
  return std::clamp(r + 0.5f - std::hypot(x + 0.5f - cx, y + 0.5f - cy), 0.0f, 1.0f);
}

// A medal of `metal` on two blue tails with a V-cut, 64 x 96, the medal around (32, 32).
std::uint32_t Ribbon(int x, int y, const Rgb& metal) {
  Rgb c{0, 0, 0};
  float alpha = 0.0f;
  for (int side : {-1, 1}) {
    const float cx = 32.0f + side * (6.0f + (y - 40) * 12.0f / 52.0f);
    const float dx = std::fabs(x + 0.5f - cx);
    if (y >= 40 && dx < 8.0f && y <= 84 + dx) {
      c = dx < 2.5f ? Rgb{230, 230, 240} : Rgb{50, 90, 180};
      alpha = 1.0f;
    }
  }
  const float cover = Disc(x, y, 32.0f, 32.0f, 24.0f);
  if (cover > 0.0f) {
    const float d = std::hypot(x + 0.5f - 32.0f, y + 0.5f - 32.0f);
    const float light = 1.0f + 0.3f * ((32.0f - x) + (32.0f - y)) / 38.0f;
    Rgb face{metal.r * light, metal.g * light, metal.b * light};
    if (d > 19.0f || std::fabs(d - 12.0f) < 0.8f) face = Mix(metal, {60, 40, 20}, 0.35f);
    c = Mix(c, face, cover);
    alpha = std::max(alpha, cover);
  }
  return Argb(alpha * 255.0f, c.r, c.g, c.b);
}

// A cream panel with a brown border and rounded corners.
std::uint32_t HintPanel(int x, int y) {
  const float r = 12.0f;
  const float cx = std::clamp(x + 0.5f, r, 240.0f - r), cy = std::clamp(y + 0.5f, r, 48.0f - r);
  const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
  const float cover = std::clamp(r - d, 0.0f, 1.0f);
  const bool border = d > r - 2.5f || x < 2 || y < 2 || x > 237 || y > 45;
  return border ? Argb(cover * 255.0f, 150, 95, 45) : Argb(240, 255, 246, 220);
}

// A white four-pointed star with a soft glow.
std::uint32_t Sparkle(int x, int y) {
  const float dx = std::fabs(x + 0.5f - 16.0f), dy = std::fabs(y + 0.5f - 16.0f);
  const float rays = std::max(std::max(0.0f, 1.0f - dx / 2.0f) * (1.0f - dy / 16.0f),
                              std::max(0.0f, 1.0f - dy / 2.0f) * (1.0f - dx / 16.0f));
  const float glow = std::max(0.0f, 1.0f - std::hypot(dx, dy) / 8.0f);
  return Argb(std::min(1.0f, rays + glow * glow) * 255.0f, 255, 255, 255);
}

// The three ribbons side by side: gold, silver, bronze.
std::uint32_t RibbonSheet(int x, int y) {
  const Rgb metals[3] = {{240, 190, 60}, {200, 206, 218}, {205, 128, 70}};
  return Ribbon(x % 64, y, metals[x / 64]);
}

struct MapTexture {
  const char* name;
  int width, height;
  std::uint32_t (*pixel)(int x, int y);
};
// In script order.
const MapTexture kTextures[] = {
    {"map_fon", 1024, 512, Landscape},
    {"map_ribbons", 192, 96, RibbonSheet},
    {"map_hint", 240, 48, HintPanel},
    {"particles_2", 32, 32, Sparkle},
};

std::vector<std::uint32_t> Pixels(const MapTexture& t) {
  std::vector<std::uint32_t> px;
  px.reserve(static_cast<std::size_t>(t.width) * t.height);
  for (int y = 0; y < t.height; ++y)
    for (int x = 0; x < t.width; ++x) px.push_back(t.pixel(x, y));
  return px;
}

// Gold-white sparks bursting out of the ribbon, slowing down and fading.
GF::HGENS::ParticleFile SparkleBurst() {
  GF::HGENS::ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = p.velocityMatrix[4] = 0.92f;
  p.blendMode = 0;  // additive: the sparks glow where they cross
  p.startVelocityY = 0.0f;
  p.spreadX = p.spreadY = 360.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.5f;
  p.lifeMax = 1.0f;
  p.spawnShape = 1;
  p.spawnHalfWidth = p.spawnHalfHeight = 12.0f;
  p.startSizeMin = 14.0f;
  p.startSizeMax = 22.0f;
  p.endSize = 2.0f;
  p.startRed = 255.0f;
  p.startGreen = 240.0f;
  p.startBlue = 180.0f;
  p.startAlpha = 255.0f;
  p.endRed = 255.0f;
  p.endGreen = 200.0f;
  p.endBlue = 80.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 120.0f;
  return file;
}

std::string TextureCall(const MapTexture& t) {
  return "r.AddTexture('" + std::string(t.name) + "')";
}

}  // namespace

const std::vector<SampleText>& MapScreenTexts() {
  return kTexts;
}

GridAnimation MakeMapGridAnimation() {
  constexpr int kColumns = 10, kRows = 6;
  GridAnimation map{"map", {}};
  for (float time : {0.0f, 1.0f}) {
    GridKeyFrame frame{kColumns, kRows, time, {}};
    for (int i = 0; i < kColumns; ++i) {
      frame.Rows.emplace_back();
      for (int j = 0; j < kRows; ++j) {
        // Border nodes keep to their edge, so the picture still fills its rectangle.
        const bool inX = time > 0.0f && i > 0 && i < kColumns - 1;
        const bool inY = time > 0.0f && j > 0 && j < kRows - 1;
        const float dx = inX ? 12.0f * std::sin(i * 1.3f + j * 0.9f) : 0.0f;
        const float dy = inY ? 12.0f * std::cos(i * 0.8f + j * 1.1f) : 0.0f;
        frame.Rows.back().push_back(
            {i * 900.0f / (kColumns - 1) + dx, j * 467.0f / (kRows - 1) + dy});
      }
    }
    map.KeyFrames.push_back(std::move(frame));
  }
  return map;
}

std::string MakeMapScreensScript(const std::string& before) {
  std::string script = kScript;
  const int firstTexture = CountScriptCalls(before, "r.AddTexture(");
  const int firstSprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  std::string resources;
  for (const MapTexture& t : kTextures) resources += "  " + TextureCall(t) + ";\n";
  int sprite = firstSprite;
  for (const MapSprite& s : kSprites) {
    resources += "  r.AddHGESpriteInfo('" + std::string(s.name) + "', " +
                 std::to_string(firstTexture + s.texture) + ", " + std::to_string(s.x) + ", " +
                 std::to_string(s.y) + ", " + std::to_string(s.w) + ", " + std::to_string(s.h) +
                 ");\n";
    FillScriptNumber(script, "s:" + std::string(s.name), sprite++);
  }
  const std::string mark = "{resources}\n";
  script.replace(script.find(mark), mark.size(), resources);
  FillScriptNumber(script, "t:map_hint_text", CountScriptCalls(before, "r.AddTextInfo("));
  FillScriptNumber(script, "text:replay_level", SampleTextIndex("replay_level"));
  return script;
}

bool WriteMapScreenFiles(const std::filesystem::path& outDir) {
  bool ok = WriteContentFile(outDir, "Particle/map_level.fgp", SparkleBurst().Write());
  // Each texture's number is its place among the whole script's textures.
  const std::string script = MakeResourceScript();
  for (const MapTexture& t : kTextures) {
    const auto at = script.find(TextureCall(t));
    if (at == std::string::npos) return false;
    const int number = CountScriptCalls(script.substr(0, at), "r.AddTexture(");
    ok = WriteContentFile(outDir, "Texture/" + std::to_string(number) + ".png",
                          EncodePng(t.width, t.height, Pixels(t))) &&
         ok;
  }
  return ok;
}
