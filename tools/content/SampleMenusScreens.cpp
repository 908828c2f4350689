#include "tools/content/SampleMenusScreens.h"

#include <cmath>
#include <numbers>

#include "tools/codecs/OggEncoder.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"title_empty", u" "},
    {"item_help", u"Help"},
    {"item_hight_score", u"Best cooks"},
    {"item_new_player", u"Player"},
    {"hint_options", u"Sound, music and screen"},
    {"hint_help", u"How to play"},
    {"hint_hight_score", u"The best cooks so far"},
    {"hint_new_player", u"Another cook? Choose here"},
    {"confirm_exit_01", u"Leaving already, _name?"},
    {"confirm_exit_02", u"The kitchen will miss you!"},
};

// Text infos: name, font (0 white, 1 dark ink) and text key; every one centred (0x41).
struct TextInfoRow {
  const char* name;
  int font;
  const char* key;
};
const TextInfoRow kTextInfos[] = {
    {"title_caption", 1, "title_empty"},
    {"title_hint", 1, "title_empty"},
    {"title_name", 0, "title"},
};

// Two columns of three, in the order of the layout's drawables 2 to 7; the icon of each is
// the art's "title_icons_<name>".
const std::vector<TitleButtonPlace> kButtons = {
    {"play", 270, 310},       {"options", 270, 372},     {"help", 270, 434},
    {"new_player", 530, 310}, {"hight_score", 530, 372}, {"quit", 530, 434},
};

// Art sprites are named {art:name}, text infos {t:name}; the layout stands at the middle of
// the screen, so its offsets are from (400, 300). The font draws a centred line about 16
// pixels below its anchor, so texts stand 16 pixels above the middle of their boxes.
const char* const kScript = R"(
// The menu screens: the title with its buttons and ribbon, and the second game cursor.
void MenusTexts(CResourceReader@ r) {
{textinfos}}

// A title button: its face in four looks, its icon in the face's slot and its caption; the
// icon and the caption fade while disabled.
void TitleButton(CResourceReader@ r, const string &in name, int icon) {
  r.CreateAnimationData('title_button_' + name);
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.CreateSpriteObjectData('face');
  r.AddSpriteIDResource({art:title_buttons_up}, 100);
  r.AddSpriteIDResource({art:title_buttons_over}, 100);
  r.AddSpriteIDResource({art:title_buttons_down}, 100);
  r.AddSpriteIDResource({art:title_buttons_disabled}, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddLayer(20, 400);
  r.CreateSpriteObjectData('icon');
  r.AddSpriteIDResource(icon, 400);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOffset(-80, -2, 0, 400);
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(110, 0, 100);
  r.AddLayer(21, 400);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:title_caption}, 400);
  r.AddOffset(24, -18, 0, 400);
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(110, 0, 100);
  r.AddLayer(22, 400);
}

// The ribbon with the game's name: it slides in from the left and settles with a little
// bounce; it stays where "_show" leaves it.
void TitleRibbon(CResourceReader@ r) {
  r.CreateAnimationData('lenta');
  r.AddNamedPart('all', 0, 700, 1);
  r.AddNamedPart('_show', 0, 700, 1);
  r.CreateSpriteObjectData('band');
  r.AddSpriteIDResource({art:title_ribbon}, 700);
  r.AddHotspot(5000, 5000, 0, 700);
  r.AddOffset(-700, 0, 1, 500);
  r.AddOffset(14, 0, 1, 200);
  r.AddOffset(0, 0, 0, 0);
  r.AddLayer(0, 700);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:title_name}, 700);
  r.AddOffset(-700, -20, 1, 500);
  r.AddOffset(14, -20, 1, 200);
  r.AddOffset(0, -20, 0, 0);
  r.AddZoom(150, 150, 0, 700);
  r.AddLayer(1, 700);
}

void TitlePlace(CResourceReader@ r, const string &in name, int x, int y) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', 'title_button_' + name);
  r.AddOffset(x, y, 0, 1900);
  r.AddLayer(10, 1900);
}

// The title: drawables 0 the backdrop, 1 the logo, 2 to 7 the buttons, 8 and 9 the hint
// plate and its line, 10 the ribbon's place. The backdrop is there from the first frame, so
// the curtain opens on it; the logo drops in while the screen shows.
void TitleLayout(CResourceReader@ r) {
  r.CreateAnimationData('title');
  ShowIdleHide(r, 600, 1000, 300);
  r.CreateSpriteObjectData('background');
  r.AddSpriteIDResource(0, 1900);
  r.AddHotspot(5000, 5000, 0, 1900);
  r.AddLayer(0, 1900);
  r.CreateSpriteObjectData('logo');
  r.AddSpriteIDResource(4, 1900);
  r.AddHotspot(5000, 5000, 0, 1900);
  r.AddOffset(0, -400, 1, 600);
  r.AddOffset(0, -172, 0, 1300);
  r.AddLayer(5, 1900);
{places}  r.CreateSpriteObjectData('hint_plate');
  r.AddSpriteIDResource({art:title_plate}, 1900);
  r.AddHotspot(5000, 5000, 0, 1900);
  r.AddOffset(0, 246, 0, 1900);
  r.AddLayer(8, 1900);
  r.CreateTextSpriteObjectData('_hint');
  r.AddTextSpriteIDResource({t:title_hint}, 1900);
  r.AddOffset(0, 230, 0, 1900);
  r.AddLayer(9, 1900);
  r.CreateSpriteObjectData('ribbon');
  r.AddSubstAnimation('main_menu', 'lenta');
  r.AddOffset(0, -62, 0, 1900);
  r.AddLayer(30, 1900);
}

void MenusScreens(CResourceReader@ r) {
  MenusTexts(r);
  r.CreateModule('interfaces');
{buttons}  r.CreateModule('main_menu');
  TitleRibbon(r);
  TitleLayout(r);
  r.CreateModule('cursor');
  r.CreateAnimationData('custom_2');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('arrow');
  r.AddSpriteIDResource({art:title_icons_cursor}, 1000);
  r.AddHotspot(417, 417, 0, 1000);
  r.AddLayer(1000, 1000);
}
)";

// A question over any screen: modal over the asking one, whose overlay closes first.
FlowRule ExitQuestion(const std::string& screen, const std::string& command) {
  FlowRule rule = MakeFlowRule(screen, command, "confirm_exit_screen");
  rule.modal = true;
  rule.closeFirst = true;
  rule.parameter = "confirm_exit";
  rule.layout = "main_menu.confirm_screen";
  return rule;
}

constexpr int kRate = 22050;

// A cheerful loop in C major: a bass note and an arpeggio over it, each note plucked and
// fading, four bars of four beats at 120 beats a minute; the end joins the start.
std::vector<float> MainMenuTune() {
  constexpr double kBeat = 0.5;
  const double chords[4][3] = {{261.63, 329.63, 392.00},
                               {220.00, 261.63, 329.63},
                               {174.61, 220.00, 261.63},
                               {196.00, 246.94, 293.66}};
  const int beat = static_cast<int>(kBeat * kRate);
  std::vector<float> samples(static_cast<std::size_t>(16 * beat), 0.0f);
  const auto pluck = [&](double hz, int start, int length, double volume) {
    for (int i = 0; i < length && start + i < static_cast<int>(samples.size()); ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double envelope = std::min(1.0, i / 100.0) * std::exp(-5.0 * t);
      samples[static_cast<std::size_t>(start + i)] +=
          static_cast<float>(volume * envelope * std::sin(2.0 * std::numbers::pi * hz * t));
    }
  };
  for (int bar = 0; bar < 4; ++bar) {
    pluck(chords[bar][0] / 2.0, bar * 4 * beat, 4 * beat, 0.25);
    const int order[4] = {0, 1, 2, 1};
    for (int n = 0; n < 4; ++n) pluck(chords[bar][order[n]] * 2.0, (bar * 4 + n) * beat, beat, 0.2);
  }
  return samples;
}

}  // namespace

const std::vector<SampleText>& MenusScreenTexts() {
  return kTexts;
}

const std::vector<TitleButtonPlace>& TitleButtonPlaces() {
  return kButtons;
}

void AddMenusScreenRules(GameData& data) {
  data.FlowRules.push_back(ExitQuestion("SplashScreen", "back"));
  data.FlowRules.push_back(ExitQuestion("None", "quit"));
}

std::string MakeMenusScreensScript(const std::string& before) {
  std::string script = kScript;
  std::string lines;
  int info = CountScriptCalls(before, "r.AddTextInfo(");
  for (const TextInfoRow& row : kTextInfos) {
    lines += "  r.AddTextInfo('" + std::string(row.name) + "', " + std::to_string(row.font) +
             ", 0, 0, 0x41, " + std::to_string(SampleTextIndex(row.key)) + ");\n";
    FillScriptNumber(script, "t:" + std::string(row.name), info++);
  }
  std::string buttons, places;
  for (const TitleButtonPlace& b : kButtons) {
    const std::string name = b.name;
    buttons += "  TitleButton(r, '" + name + "', {art:title_icons_" + name + "});\n";
    places += "  TitlePlace(r, '" + name + "', " + std::to_string(b.x - 400) + ", " +
              std::to_string(b.y - 300) + ");\n";
  }
  for (const auto& [mark, text] : {std::pair{"{textinfos}", lines}, std::pair{"{buttons}", buttons},
                                   std::pair{"{places}", places}})
    script.replace(script.find(mark), std::string(mark).size(), text);
  FillArtSprites(script, before);
  return script;
}

bool WriteMenusScreenSounds(const std::filesystem::path& outDir) {
  const bool ok = WriteContentFile(outDir, "Sound/music_main_menu.ogg",
                                   pm::codecs::EncodeOgg(MainMenuTune(), kRate, 1, 0.4f));
  return WriteContentFile(outDir, "Sound/click_menu.ogg", EncodeSampleTone(1000.0, 760.0, 0.07)) &&
         ok;
}
