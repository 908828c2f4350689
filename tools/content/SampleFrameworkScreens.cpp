#include "tools/content/SampleFrameworkScreens.h"

#include <cstdint>
#include <string>

#include "tools/content/SampleContent.h"

namespace {

// The texture "fw_widgets": every control's face cut from one atlas.
constexpr int kAtlasWidth = 512;
constexpr int kAtlasHeight = 256;

struct AtlasRect {
  const char* sprite;
  int x, y, w, h;
};

// Sprite infos in the atlas, in script order; "fw_widgets.svg" draws each face in its place.
const AtlasRect kAtlas[] = {
    {"fw_button_up", 0, 0, 160, 40},    {"fw_button_over", 0, 40, 160, 40},
    {"fw_button_down", 0, 80, 160, 40}, {"fw_button_disabled", 0, 120, 160, 40},
    {"fw_edit", 160, 0, 320, 40},       {"fw_cursor", 160, 40, 4, 28},
    {"fw_track", 160, 80, 256, 8},      {"fw_knob", 160, 96, 16, 24},
    {"fw_radio_off", 200, 96, 24, 24},  {"fw_radio_on", 224, 96, 24, 24},
    {"fw_row", 160, 128, 320, 28},      {"fw_list", 0, 160, 340, 124 - 28},
    {"fw_vtrack", 480, 0, 8, 120},
};

constexpr int kPanelWidth = 400;
constexpr int kPanelHeight = 240;

const std::vector<SampleText> kTexts = {
    {"fw_empty", u" "},
    {"item_yes", u"Yes"},
    {"item_no", u"No"},
    {"item_ok", u"OK"},
    {"item_cancel", u"Cancel"},
    {"hint_yes", u" "},
    {"hint_no", u" "},
    {"new_player_title", u"Enter your name"},
    {"confirm_new_player_01", u"Welcome to the kitchen!"},
    {"confirm_new_player_02", u"Create a new player?"},
};

// Sprite numbers are given as {s:name}, text infos as {t:name}; the rest is fixed. The
// font draws a vertically centred line about 16 pixels below its anchor, so texts stand
// 16 pixels above the middle of their boxes.
const char* const kScript = R"(
// The framework's own screens and the other menu controls.
void FrameworkResources(CResourceReader@ r) {
  r.AddTexture('fw_panel');
  r.AddTexture('fw_widgets');
{sprites}
  // name, font, tracking, line spacing, flags (alignment; 0x40 centred vertically), text
  r.AddTextInfo('fw_caption', 0, 0, 0, 0x41, {text:fw_empty});
  r.AddTextInfo('fw_phrase', 0, 0, 0, 0x41, {text:fw_empty});
  r.AddTextInfo('fw_entry', 1, 0, 0, 0x40, {text:fw_empty});  // dark ink
  r.AddTextInfo('fw_title', 0, 0, 0, 0x41, {text:new_player_title});
}

// A button of the framework's screens, with every look and its caption.
void FrameworkButton(CResourceReader@ r, const string &in name) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.CreateSpriteObjectData('face');
  r.AddSpriteIDResource({s:fw_button_up}, 100);
  r.AddSpriteIDResource({s:fw_button_over}, 100);
  r.AddSpriteIDResource({s:fw_button_down}, 100);
  r.AddSpriteIDResource({s:fw_button_disabled}, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddLayer(110, 400);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:fw_caption}, 400);
  r.AddOffset(0, -16, 0, 400);
  r.AddLayer(111, 400);
}

// The blinking insertion mark of an edit field.
void FrameworkCursor(CResourceReader@ r) {
  r.CreateAnimationData('fw_cursor');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('mark');
  r.AddSpriteIDResource({s:fw_cursor}, 1000);
  r.AddHotspot(0, 5000, 0, 1000);
  r.AddOpaque(255, 0, 500);
  r.AddOpaque(0, 0, 500);
  r.AddLayer(113, 1000);
}

// An edit field: the text starts at its left inner edge, where the cursor stands.
void FrameworkEdit(CResourceReader@ r) {
  r.CreateAnimationData('fw_edit');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_enabled', 0, 100, 1);
  r.AddNamedPart('_disabled', 100, 200, 1);
  r.CreateSpriteObjectData('box');
  r.AddSpriteIDResource({s:fw_edit}, 200);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddOpaque(255, 0, 100);
  r.AddOpaque(128, 0, 100);
  r.AddLayer(110, 200);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:fw_entry}, 200);
  r.AddOffset(-150, -16, 0, 200);
  r.AddLayer(112, 200);
  r.CreateSpriteObjectData('_item_cursor');
  r.AddSubstAnimation('interfaces', 'fw_cursor');
  r.AddOffset(-150, 0, 0, 200);
  r.AddLayer(113, 200);
}

// The knob of a slider.
void FrameworkKnob(CResourceReader@ r) {
  r.CreateAnimationData('fw_knob');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_idle', 0, 100, 1);
  r.AddNamedPart('_down', 100, 200, 1);
  r.CreateSpriteObjectData('knob');
  r.AddSpriteIDResource({s:fw_knob}, 200);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddLayer(112, 200);
}

// A slider over the track sprite: "all" carries the knob from (-dx, -dy) to (dx, dy).
void FrameworkSliderLayout(CResourceReader@ r, const string &in name, int track, int dx,
                           int dy) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateSpriteObjectData('track');
  r.AddSpriteIDResource(track, 1000);
  r.AddHotspot(5000, 5000, 0, 1000);
  r.AddLayer(110, 1000);
  r.CreateSpriteObjectData('_cursor');
  r.AddSubstAnimation('interfaces', 'fw_knob');
  r.AddOffset(-dx, -dy, 1, 1000);
  r.AddOffset(dx, dy, 0, 0);
  r.AddLayer(112, 1000);
}

// A horizontal slider: the knob from the track's left end (-120) to its right end (+120).
void FrameworkSlider(CResourceReader@ r) {
  FrameworkSliderLayout(r, 'fw_slider', {s:fw_track}, 120, 0);
}

// The list box's scroll bar: a vertical slider from -48 to +48.
void FrameworkScrollBar(CResourceReader@ r) {
  FrameworkSliderLayout(r, 'fw_scroll', {s:fw_vtrack}, 0, 48);
}

// One row of a list box: highlighted while selected.
void FrameworkRow(CResourceReader@ r) {
  r.CreateAnimationData('fw_row');
  r.AddNamedPart('all', 0, 200, 1);
  r.AddNamedPart('_selected', 0, 100, 1);
  r.AddNamedPart('_unselected', 100, 200, 1);
  r.CreateSpriteObjectData('highlight');
  r.AddSpriteIDResource({s:fw_row}, 200);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddOpaque(255, 0, 100);
  r.AddOpaque(0, 0, 100);
  r.AddLayer(111, 200);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:fw_entry}, 200);
  r.AddOffset(-150, -16, 0, 200);
  r.AddLayer(112, 200);
}

// A list box of four rows, 30 pixels apart.
void FrameworkList(CResourceReader@ r) {
  FrameworkListOn(r, 'fw_list', {s:fw_list}, 125);
}

// A list box of four rows over a background sprite stretched to zoomY percent in height.
void FrameworkListOn(CResourceReader@ r, const string &in name, int background, int zoomY) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 200, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_enabled', 0, 100, 1);
  r.AddNamedPart('_disabled', 100, 200, 1);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource(background, 200);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddZoom(100, zoomY, 0, 200);
  r.AddLayer(110, 200);
  for (int n = 1; n <= 4; ++n) {
    r.CreateSpriteObjectData('_text_' + n);
    r.AddSubstAnimation('interfaces', 'fw_row');
    r.AddOffset(0, -45 + (n - 1) * 30, 0, 200);
    r.AddLayer(111, 200);
  }
}

// A radio item: a check box's looks.
void FrameworkRadio(CResourceReader@ r) {
  r.CreateAnimationData('fw_radio');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_unchecked', 0, 100, 1);
  r.AddNamedPart('_over_unchecked', 0, 100, 1);
  r.AddNamedPart('_disabled_unchecked', 0, 100, 1);
  r.AddNamedPart('_checked', 100, 200, 1);
  r.AddNamedPart('_over_checked', 100, 200, 1);
  r.AddNamedPart('_disabled_checked', 100, 200, 1);
  r.CreateSpriteObjectData('box');
  r.AddSpriteIDResource({s:fw_radio_off}, 100);
  r.AddSpriteIDResource({s:fw_radio_on}, 100);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddLayer(110, 200);
}

// A dialog panel that fades in while showing and out while hiding.
void FrameworkPanel(CResourceReader@ r) {
  ShowIdleHide(r, 300, 1000, 300);
  r.CreateSpriteObjectData('panel');
  r.AddSpriteIDResource({s:fw_panel}, 1600);
  r.AddHotspot(5000, 5000, 0, 1600);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  r.AddLayer(100, 1600);
}

void FrameworkItem(CResourceReader@ r, const string &in name, const string &in kind, int x,
                   int y) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', kind);
  r.AddOffset(x, y, 0, 1600);
  r.AddLayer(110, 1600);
}

void FrameworkPhrase(CResourceReader@ r, int n) {
  r.CreateTextSpriteObjectData('_phrase_' + n);
  r.AddTextSpriteIDResource({t:fw_phrase}, 1600);
  r.AddOffset(0, -106 + n * 28, 0, 1600);
  r.AddLayer(111, 1600);
}

void FrameworkLayouts(CResourceReader@ r) {
  // The logo screen's: the logos draw themselves.
  r.CreateAnimationData('publisher');

  r.CreateAnimationData('confirm_screen');
  FrameworkPanel(r);
  for (int n = 1; n <= 3; ++n) FrameworkPhrase(r, n);
  FrameworkItem(r, 'yes', 'fw_button', -90, 70);
  FrameworkItem(r, 'no', 'fw_button', 90, 70);

  r.CreateAnimationData('new_player_screen');
  FrameworkPanel(r);
  r.CreateTextSpriteObjectData('_title');
  r.AddTextSpriteIDResource({t:fw_title}, 1600);
  r.AddOffset(0, -96, 0, 1600);
  r.AddLayer(111, 1600);
  FrameworkItem(r, 'edit', 'fw_edit', 0, -20);
  FrameworkItem(r, 'ok', 'fw_button', -90, 70);
  FrameworkItem(r, 'cancel', 'fw_button', 90, 70);

  r.CreateAnimationData('controls');
  FrameworkPanel(r);
  FrameworkItem(r, 'volume', 'fw_slider', 0, -90);
  FrameworkItem(r, 'volume_up', 'fw_radio', -150, -90);
  FrameworkItem(r, 'volume_down', 'fw_radio', 150, -90);
  FrameworkItem(r, 'players', 'fw_list', -20, 20);
  FrameworkItem(r, 'players_slider', 'fw_scroll', 170, 20);
  for (int n = 1; n <= 3; ++n) FrameworkItem(r, 'level_radio_' + n, 'fw_radio', -60 + n * 40, 100);
}

void FrameworkScreens(CResourceReader@ r) {
  FrameworkResources(r);
  r.CreateModule('interfaces');
  FrameworkButton(r, 'fw_button');
  FrameworkCursor(r);
  FrameworkEdit(r);
  FrameworkKnob(r);
  FrameworkSlider(r);
  FrameworkScrollBar(r);
  FrameworkRow(r);
  FrameworkList(r);
  FrameworkRadio(r);
  r.CreateModule('main_menu');
  FrameworkLayouts(r);
}
)";

}  // namespace

const std::vector<SplashImage>& SampleSplashImages() {
  static const std::vector<SplashImage> images = {
      {{"splash_1", "splash_1.svg", 320, 200}, 0xFFE08020},
      {{"splash_2", "splash_2.svg", 480, 360}, 0xFF2080E0},
  };
  return images;
}

const std::vector<ArtSheet>& FrameworkScreenSheets() {
  static const std::vector<ArtSheet> sheets = {
      {"fw_panel", "fw_panel.svg", kPanelWidth, kPanelHeight},
      {"fw_widgets", "fw_widgets.svg", kAtlasWidth, kAtlasHeight},
  };
  return sheets;
}

const std::vector<SampleText>& FrameworkScreenTexts() {
  return kTexts;
}

std::string MakeFrameworkScreensScript(const std::string& before) {
  std::string script = kScript;
  const int firstTexture = CountScriptCalls(before, "r.AddTexture(");
  const int firstSprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  const int firstTextInfo = CountScriptCalls(before, "r.AddTextInfo(");
  std::string sprites = "  r.AddHGESpriteInfo('fw_panel', " + std::to_string(firstTexture) +
                        ", 0, 0, " + std::to_string(kPanelWidth) + ", " +
                        std::to_string(kPanelHeight) + ");\n";
  FillScriptNumber(script, "s:fw_panel", firstSprite);
  int sprite = firstSprite + 1;
  for (const AtlasRect& r : kAtlas) {
    sprites += "  r.AddHGESpriteInfo('" + std::string(r.sprite) + "', " +
               std::to_string(firstTexture + 1) + ", " + std::to_string(r.x) + ", " +
               std::to_string(r.y) + ", " + std::to_string(r.w) + ", " + std::to_string(r.h) +
               ");\n";
    FillScriptNumber(script, "s:" + std::string(r.sprite), sprite++);
  }
  const std::string mark = "{sprites}\n";
  script.replace(script.find(mark), mark.size(), sprites);
  int info = firstTextInfo;
  for (const char* name : {"fw_caption", "fw_phrase", "fw_entry", "fw_title"})
    FillScriptNumber(script, "t:" + std::string(name), info++);
  for (const SampleText& text : kTexts)
    FillScriptNumber(script, "text:" + text.key, SampleTextIndex(text.key));
  return script;
}

bool WriteFrameworkScreenImages(const std::filesystem::path& outDir, int firstTexture) {
  bool ok = true;
  for (const ArtSheet& sheet : FrameworkScreenSheets())
    ok = WriteArtTexture(outDir, firstTexture++, sheet) && ok;
  for (const SplashImage& image : SampleSplashImages()) {
    const std::vector<std::uint8_t> png = DrawArtSheetPng(image.art);
    ok = !png.empty() && WriteContentFile(outDir, image.art.name + ".png", png) && ok;
  }
  return ok;
}
