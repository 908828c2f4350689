#include "tools/content/SampleMapScreens.h"

#include <cmath>

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

constexpr const char* kRibbonSheet = "map_ribbons";

const std::vector<SampleText> kTexts = {
    {"replay_level", u"Replay level _num"},
    {"item_ginger_room", u"Trophies"},
    {"item_mein_menu", u"Menu"},
};

// Sprites are given as {s:name}, the text info as {t:map_hint_text}.
const char* const kScript = R"(
// The progress map: its background texture, level ribbons and level tooltip.
void MapResources(CResourceReader@ r) {
{resources}
  r.AddTextInfo('map_hint_text', 1, 0, 0, 0x41, {text:replay_level});  // dark ink
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
  r.AddOpaque(0, 1, 200);
  r.AddOpaque(255, 1, 200);
  r.AddOpaque(0, 0, 0);
  r.AddOffset(0, -16, 0, 400);
  r.AddLayer(1, 400);
}

// A stage's zoom over the parts of its plate: a swell while zooming, a pop while showing,
// growing under the cursor while entered and back while left.
void MapStageZoom(CResourceReader@ r) {
  r.AddZoom(100, 100, 1, 200);
  r.AddZoom(108, 108, 1, 200);
  r.AddZoom(100, 100, 0, 200);
  r.AddZoom(100, 100, 1, 150);
  r.AddZoom(112, 112, 1, 150);
  r.AddZoom(100, 100, 0, 100);
  r.AddZoom(100, 100, 1, 150);
  r.AddZoom(112, 112, 1, 150);
  r.AddZoom(100, 100, 0, 0);
}

// A stage on the carousel: its numbered plate (the first drawable: its hit circle), the
// shade of a locked stage over it (held while hidden, fading away while showing) and the
// place of its level ribbons, in the plate's middle. Parts lie apart so that each ends on
// its own look.
void MapStage(CResourceReader@ r, int n, int plate, int shade) {
  r.CreateAnimationData('stage_' + n);
  r.AddNamedPart('all', 0, 1300, 1);
  r.AddNamedPart('_zoom', 0, 400, 1);
  r.AddNamedPart('_hide', 500, 600, 1);
  r.AddNamedPart('_show', 600, 900, 1);
  r.AddNamedPart('_enter', 1000, 1150, 1);
  r.AddNamedPart('_live', 1150, 1300, 1);
  r.CreateSpriteObjectData('plate');
  r.AddSpriteIDResource(plate, 1300);
  r.AddHotspot(5000, 5000, 0, 1300);
  MapStageZoom(r);
  r.AddLayer(10, 1300);
  r.CreateSpriteObjectData('shade');
  r.AddSpriteIDResource(shade, 1300);
  r.AddHotspot(5000, 5000, 0, 1300);
  MapStageZoom(r);
  r.AddOpaque(0, 0, 450);
  r.AddOpaque(255, 0, 150);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 400);
  r.AddLayer(11, 1300);
  r.CreateSpriteObjectData('_level_place');
  r.AddLayer(20, 1300);
}

// A button slides up from below the shelf while showing and back down while hiding; y is
// measured from the screen's middle.
void MapSlide(CResourceReader@ r, int x, int y) {
  r.AddOffset(x, y + 136, 1, 400);
  r.AddOffset(x, y, 0, 1000);
  r.AddOffset(x, y, 1, 400);
  r.AddOffset(x, y + 136, 0, 0);
}

void MapButton(CResourceReader@ r, const string &in name, int x) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', 'fw_button');
  MapSlide(r, x, 242);
  r.AddLayer(30, 1800);
}

// The map's layout: only the shelf with its three buttons under y = 467, so the
// background grid shows above it. The shelf stays put and reaches the screen's last row:
// the frame is never cleared, and nothing else covers the screen below the grid.
void MapLayout(CResourceReader@ r) {
  r.CreateAnimationData('layout');
  ShowIdleHide(r, 400, 1000, 400);
  r.CreateSpriteObjectData('panel');
  r.AddSpriteIDResource({s:map_panel}, 1800);
  r.AddHotspot(5000, 0, 0, 1800);
  r.AddOffset(0, 164, 0, 1800);
  r.AddLayer(0, 1800);
  MapButton(r, 'ginger_room', -230);
  MapButton(r, 'play', 0);
  MapButton(r, 'mein_menu', 230);
}

void MapScreens(CResourceReader@ r) {
  MapResources(r);
  r.CreateModule('ProgressMap');
  for (int n = 1; n <= 7; ++n)
    MapStage(r, n, {s:map_stages_stage_1} + n - 1, {s:map_stages_shade});
  MapLayout(r);
  MapRibbon(r, 1, {s:map_ribbons_gold});
  MapRibbon(r, 2, {s:map_ribbons_silver});
  MapRibbon(r, 3, {s:map_ribbons_bronze});
  r.CreateModule('hints');
  MapHint(r);
}
)";

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

std::string TextureCall(const ArtSheet& sheet) {
  return "r.AddTexture('" + sheet.name + "')";
}

std::string SpriteInfo(const std::string& name, int texture, int x, int y, int w, int h) {
  return "  r.AddHGESpriteInfo('" + name + "', " + std::to_string(texture) + ", " +
         std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(w) + ", " +
         std::to_string(h) + ");\n";
}

}  // namespace

const std::vector<ArtSheet>& MapScreenSheets() {
  // The ribbons stand on the medal's middle, a third down the cell (the script's hot spot).
  static const std::vector<ArtSheet> sheets = {
      {"map_fon", "map_fon.svg", 1024, 512},
      {kRibbonSheet, "map_ribbons.svg", 192, 96, 64, 96, {"gold", "silver", "bronze"}, 5000, 3333},
      {"map_hint", "map_hint.svg", 240, 48},
      {"particles_2", "particles_2.svg", 32, 32},
      {"map_stages",
       "map_stages.svg",
       640,
       320,
       160,
       160,
       {"stage_1", "stage_2", "stage_3", "stage_4", "stage_5", "stage_6", "stage_7", "shade"}},
      {"map_panel", "map_panel.svg", 800, 136},
  };
  return sheets;
}

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
  int texture = CountScriptCalls(before, "r.AddTexture(");
  int sprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  std::string resources;
  for (const ArtSheet& sheet : MapScreenSheets()) {
    resources += "  " + TextureCall(sheet) + ";\n";
    for (const ArtSprite& s : ArtSprites(sheet)) {
      resources += SpriteInfo(s.name, texture, s.x, s.y, s.width, s.height);
      FillScriptNumber(script, "s:" + s.name, sprite++);
    }
    // The medal of the first ribbon, as the ribbons' hit rectangle.
    if (sheet.name == kRibbonSheet) {
      resources += SpriteInfo("map_ribbon_hit", texture, 8, 8, 48, 48);
      FillScriptNumber(script, "s:map_ribbon_hit", sprite++);
    }
    ++texture;
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
  for (const ArtSheet& sheet : MapScreenSheets()) {
    const auto at = script.find(TextureCall(sheet));
    if (at == std::string::npos) return false;
    const int number = CountScriptCalls(script.substr(0, at), "r.AddTexture(");
    ok = WriteArtTexture(outDir, number, sheet) && ok;
  }
  return ok;
}
