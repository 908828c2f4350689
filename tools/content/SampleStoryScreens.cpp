#include "tools/content/SampleStoryScreens.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "tools/codecs/OggEncoder.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"dlg_empty", u" "},
    {"item_next", u"Next"},
    {"final_text", u"Will you enter the contest?"},
    // The first stage's story: four lines, then its question.
    {"dialog_1_1", u"Welcome to my diner!"},
    {"dialog_1_2", u"Pancakes with syrup, please!"},
    {"dialog_1_3", u"Right up"},
    {"dialog_1_4", u"Have a nice day!"},
    {"dialog_2_1", u"The fair has a cooking contest."},
    {"dialog_2_2", u"A contest? How exciting!"},
    // The closing pair: the won final, and its second place.
    {"dialog_3_1", u"The golden cup is ours!"},
    {"dialog_4_1", u"Second place! Next year we win."},
    {"cm_hint", u"Click to go on"},
    {"cm_1_1", u"Ginger opens her own diner."},
    {"cm_1_2", u"Here comes the first guest!"},
    {"cm_1_3", u"Pancakes! The diner is a hit."},
    {"cm_2_1", u"The fair has a cooking contest!"},
    {"cm_2_2", u"Cooks come from all over town."},
    {"cm_2_3", u"Ginger rolls up her sleeves!"},
    {"cm_3_1", u"The final dish is served..."},
    {"cm_3_2", u"The judges are amazed!"},
    {"cm_3_3", u"Ginger wins the golden cup!"},
};

// Text infos: dark ink on the balloons, the scene and the caption strips, white on the
// comic's pennant.
const SampleTextInfo kTextInfos[] = {
    {"dlg_blank", 1, 0x41, "dlg_empty"}, {"cm_hint", 0, 0x41, "cm_hint"},
    {"cm_1_1", 1, 0x41, "cm_1_1"},       {"cm_1_2", 1, 0x41, "cm_1_2"},
    {"cm_1_3", 1, 0x41, "cm_1_3"},       {"cm_2_1", 1, 0x41, "cm_2_1"},
    {"cm_2_2", 1, 0x41, "cm_2_2"},       {"cm_2_3", 1, 0x41, "cm_2_3"},
    {"cm_3_1", 1, 0x41, "cm_3_1"},       {"cm_3_2", 1, 0x41, "cm_3_2"},
    {"cm_3_3", 1, 0x41, "cm_3_3"},
};

// Art sprites are named {art:name} with their hot spots {hot:name}, text infos {t:name};
// offsets are from the middle of the screen. A text stands 16 pixels above the middle of its
// box (the font draws its line about that far below its anchor).
const char* const kScript = R"(
// The story: the dialogues and the comics. Texts and places are the unlock screens' UlText
// and UlPlace.
void StoryTexts(CResourceReader@ r) {
{textinfos}}

// A picture standing on its own.
void StSprite(CResourceReader@ r, const string &in name, int sprite, int hotX, int hotY,
              int x, int y, int zoom, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddSpriteIDResource(sprite, total);
  r.AddHotspot(hotX, hotY, 0, total);
  r.AddOffset(x, y, 0, total);
  r.AddZoom(zoom, zoom, 0, total);
  r.AddLayer(layer, total);
}

// Fades in over `show` ms, stays, and fades out over the last `hide` of `total` ms.
void StFade(CResourceReader@ r, int opacity, int show, int hide, int total) {
  r.AddOpaque(0, 1, show);
  r.AddOpaque(opacity, 0, total - show - hide);
  r.AddOpaque(opacity, 1, hide);
  r.AddOpaque(0, 0, 0);
}

// A button on the dialogue's shelf; it fades in and out with the layout.
void StButton(CResourceReader@ r, const string &in name, int x) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', 'fw_button');
  r.AddOffset(x, 268, 0, 1400);
  StFade(r, 255, 200, 200, 1400);
  r.AddLayer(70, 1400);
}

void StDialogLayout(CResourceReader@ r) {
  r.CreateAnimationData('dialog_screen');
  ShowIdleHide(r, 200, 1000, 200);
  UlPlace(r, '_back_place', 0, 0, 0, 1400);
  UlPlace(r, '_pers_place', 0, 0, 10, 1400);
  UlPlace(r, '_baloon_place', 0, 0, 50, 1400);
  UlText(r, '_text', {t:dlg_blank}, 0, -262, 120, 60, 1400);
  StButton(r, 'skip', -290);
  StButton(r, 'yes', -95);
  StButton(r, 'no', 95);
  StButton(r, 'next', 290);
}

// The frame: child 0 hosts the stage's background, the wooden border lies over the scene.
void StBack(CResourceReader@ r) {
  r.CreateAnimationData('back');
  r.AddNamedPart('all', 0, 100, 1);
  UlPlace(r, 'background', 0, 0, 0, 100);
  StSprite(r, 'frame', {art:dialog_frame}, {hot:dialog_frame}, 0, 0, 100, 30, 100);
}

void StBackground(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  StSprite(r, 'picture', sprite, 5000, 5000, 0, 0, 100, 0, 100);
}

// A dialogue's scene: the cook stands on the left, the others on the right.
void StScene(CResourceReader@ r, const string &in name) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  UlPlace(r, '_ginger', -250, 228, 2, 100);
  UlPlace(r, '_pers_place_1', 250, 228, 1, 100);
  UlPlace(r, '_pers_place_2', 70, 228, 0, 100);
}

// A character's three poses, 300 ms each: the figure settles in from a little smaller; the
// second pose stands `shift` pixels aside.
void StCharacter(CResourceReader@ r, const string &in name, int first, int shift) {
  r.CreateAnimationData(name);
  r.AddNamedPart('pose_1', 0, 300, 1);
  r.AddNamedPart('pose_2', 300, 600, 1);
  r.AddNamedPart('pose_3', 600, 900, 1);
  r.AddNamedPart('all', 0, 300, 1);
  r.CreateSpriteObjectData('figure');
  for (int n = 0; n < 3; ++n) r.AddSpriteIDResource(first + n, 300);
  r.AddHotspot({hot:dialog_characters_ginger_1}, 0, 900);
  r.AddOffset(0, 0, 0, 300);
  r.AddOffset(shift, 0, 0, 300);
  r.AddOffset(0, 0, 0, 300);
  for (int n = 0; n < 3; ++n) {
    r.AddZoom(94, 94, 1, 150);
    r.AddZoom(100, 100, 0, 150);
  }
  r.AddLayer(0, 900);
  UlText(r, '_text', {t:dlg_blank}, 0, -330, 100, 5, 900);
}

// A balloon: child 0 its shadow, child 1 its white body (the speaker's colour tints it),
// "_text" where its text stands; it pops up while showing and fades away while hiding.
void StBalloon(CResourceReader@ r, const string &in name, int sprite, int hotX, int hotY,
               int textX, int textY) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_show', 0, 200, 1);
  r.AddNamedPart('_hide', 200, 350, 1);
  r.AddNamedPart('all', 0, 200, 1);
  r.CreateSpriteObjectData('shadow');
  r.AddSpriteIDResource(sprite, 350);
  r.AddHotspot(hotX, hotY, 0, 350);
  r.AddOffset(4, 5, 0, 350);
  r.AddColor(255, 74, 47, 39, 0, 350);
  StFade(r, 70, 200, 150, 350);
  r.AddLayer(0, 350);
  r.CreateSpriteObjectData('body');
  r.AddSpriteIDResource(sprite, 350);
  r.AddHotspot(hotX, hotY, 0, 350);
  r.AddZoom(70, 70, 1, 200);
  r.AddZoom(100, 100, 0, 150);
  StFade(r, 255, 120, 150, 350);
  r.AddLayer(1, 350);
  UlPlace(r, '_text', textX, textY, 2, 350);
}

void StBalloonText(CResourceReader@ r) {
  r.CreateAnimationData('text_dialog');
  r.AddNamedPart('_show', 0, 200, 1);
  r.AddNamedPart('_hide', 200, 350, 1);
  r.AddNamedPart('all', 0, 200, 1);
  UlText(r, '_text', {t:dlg_blank}, 0, 0, 100, 0, 350);
  StFade(r, 255, 200, 150, 350);
}

void StDialogs(CResourceReader@ r) {
  r.CreateModule('dialog');
  StDialogLayout(r);
  StBack(r);
  StBackground(r, 'background_1', {art:dialog_background_1});
  StBackground(r, 'background_2', {art:dialog_background_2});
  StScene(r, 'stage1_start');
  StScene(r, 'stage1_contest');
  StScene(r, 'final_win');
  StScene(r, 'final_second');
  StCharacter(r, 'ginger', {art:dialog_characters_ginger_1}, 0);
  StCharacter(r, 'customer', {art:dialog_characters_customer_1}, -40);
  // The tails' tips: (24, 100) and (216, 100) of 240 x 104; (20, 92) and (120, 92) of
  // 140 x 96. The texts stand on the bodies' middles.
  StBalloon(r, 'baloon_left', {art:dialog_balloons_left}, 1000, 9615, 96, -58);
  StBalloon(r, 'baloon_right', {art:dialog_balloons_right}, 9000, 9615, -96, -58);
  StBalloon(r, 'baloon_left_2', {art:dialog_balloons_small_left}, 1429, 9583, 50, -54);
  StBalloon(r, 'baloon_right_2', {art:dialog_balloons_small_right}, 8571, 9583, -50, -54);
  StBalloonText(r);
}

// A comic's panel: a scene of the dialogues' backgrounds, up to two characters and a prop
// (-1 for none), its frame and its caption.
void StPanel(CResourceReader@ r, const string &in name, int background, int left, int right,
             int prop, int propHotY, int caption) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  StSprite(r, 'backdrop', background, 5000, 5000, -3, -3, 40, 0, 100);
  if (left >= 0) StSprite(r, 'left', left, 5000, 10000, -80, 110, 46, 2, 100);
  if (right >= 0) StSprite(r, 'right', right, 5000, 10000, 80, 110, 46, 2, 100);
  if (prop >= 0) StSprite(r, 'prop', prop, 5000, propHotY, 0, 8, 80, 3, 100);
  StSprite(r, 'frame', {art:comics_panel}, {hot:comics_panel}, 0, 0, 100, 5, 100);
  StSprite(r, 'strip', {art:comics_caption}, {hot:comics_caption}, 0, 104, 100, 6, 100);
  UlText(r, 'caption', caption, 0, 104, 80, 7, 100);
}

// A panel's place: hidden until its part, then it pops in over 400 ms.
void StPanelPlace(CResourceReader@ r, const string &in name, const string &in panel, int x,
                  int y, int start) {
  r.CreateSpriteObjectData(name);
  r.AddSubstAnimation('comics', panel);
  r.AddOffset(x, y, 0, 3300);
  r.AddOpaque(0, 0, start);
  r.AddOpaque(0, 1, 400);
  r.AddOpaque(255, 0, 2500 - start);
  r.AddOpaque(255, 1, 400);
  r.AddOpaque(0, 0, 0);
  r.AddZoom(100, 100, 0, start);
  r.AddZoom(85, 85, 1, 400);
  r.AddZoom(100, 100, 0, 2900 - start);
  r.AddLayer(10, 3300);
}

// A comic: the page shows, rests, then its three panels appear part by part.
void StComic(CResourceReader@ r, const string &in name, const string &in panel) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_show', 0, 400, 1);
  r.AddNamedPart('_idle', 400, 500, 0);
  r.AddNamedPart('_part_1', 500, 1300, 1);
  r.AddNamedPart('_part_2', 1300, 2100, 1);
  r.AddNamedPart('_part_3', 2100, 2900, 1);
  r.AddNamedPart('_hide', 2900, 3300, 1);
  r.AddNamedPart('all', 0, 3300, 1);
  StSprite(r, 'page', {art:comics_page}, {hot:comics_page}, 0, 0, 100, 0, 3300);
  StFade(r, 255, 400, 400, 3300);
  UlText(r, 'hint', {t:cm_hint}, 300, 281, 90, 2, 3300);
  StFade(r, 255, 400, 400, 3300);
  StPanelPlace(r, 'panel_1', panel + '_1', -178, -140, 500);
  StPanelPlace(r, 'panel_2', panel + '_2', 178, -140, 1300);
  StPanelPlace(r, 'panel_3', panel + '_3', 0, 140, 2100);
}

void StComics(CResourceReader@ r) {
  r.CreateModule('comics');
  int one = {art:dialog_background_1};
  int two = {art:dialog_background_2};
  int ginger = {art:dialog_characters_ginger_1};
  int customer = {art:dialog_characters_customer_1};
  int plate = {art:plate};
  int cup = {art:results_ribbons_ribbon_1};
  StPanel(r, 'opening_1', one, ginger + 1, -1, -1, 0, {t:cm_1_1});
  StPanel(r, 'opening_2', one, ginger, customer, -1, 0, {t:cm_1_2});
  StPanel(r, 'opening_3', one, ginger + 2, customer + 1, plate, 5000, {t:cm_1_3});
  StPanel(r, 'fair_1', two, ginger, -1, -1, 0, {t:cm_2_1});
  StPanel(r, 'fair_2', two, ginger + 1, customer + 1, -1, 0, {t:cm_2_2});
  StPanel(r, 'fair_3', two, ginger + 2, -1, -1, 0, {t:cm_2_3});
  StPanel(r, 'final_1', two, ginger, customer, plate, 5000, {t:cm_3_1});
  StPanel(r, 'final_2', two, -1, customer + 2, -1, 0, {t:cm_3_2});
  StPanel(r, 'final_3', two, ginger + 2, -1, cup, 3819, {t:cm_3_3});
  StComic(r, 'comics_1', 'opening');
  StComic(r, 'comics_2', 'fair');
  StComic(r, 'comics_3', 'final');
}

void StoryScreens(CResourceReader@ r) {
  StoryTexts(r);
  StDialogs(r);
  StComics(r);
}
)";

DialogLine Says(const char* character, const char* pose) {
  return {character, pose, true};
}

DialogLine Stands(const char* character, const char* pose) {
  return {character, pose, false};
}

constexpr int kRate = 22050;

// A gentle loop in three-four time: a bass note on the bar, two chord notes after it.
std::vector<float> Waltz(const double (&bass)[4], double lift) {
  constexpr double kBeat = 0.4;  // seconds
  const int beat = static_cast<int>(kBeat * kRate);
  std::vector<float> samples(static_cast<std::size_t>(12 * beat), 0.0f);
  for (int bar = 0; bar < 4; ++bar) {
    for (int n = 0; n < 3; ++n) {
      const double hz = n == 0 ? bass[bar] : bass[bar] * (n == 1 ? lift : lift * 1.26);
      const int start = (bar * 3 + n) * beat;
      for (int i = 0; i < beat; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, i / 120.0) * std::exp(-6.0 * t);
        samples[static_cast<std::size_t>(start + i)] += static_cast<float>(
            (n == 0 ? 0.3 : 0.18) * envelope * std::sin(2.0 * std::numbers::pi * hz * t));
      }
    }
  }
  return samples;
}

}  // namespace

const std::vector<SampleText>& StoryScreenTexts() {
  return kTexts;
}

std::string MakeStoryScreensScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  FillArtSprites(script, before);
  return script;
}

void AddStoryScreenData(GameData& data) {
  // Balloon colours (ARGB) of the speakers.
  data.DialogNameTable["ginger"] = {"ginger", static_cast<std::int32_t>(0xFFFFE9B8)};
  data.DialogNameTable["customer"] = {"customer", static_cast<std::int32_t>(0xFFCFE8FF)};
  // The customer steps up on the second line, the cook on the third (a short line), and
  // both say the fourth.
  const DialogRecord start{"dialog.stage1_start",
                           {{{Says("ginger", "pose_1"), Stands("customer", "pose_1")}},
                            {{Stands("ginger", "pose_1"), Says("customer", "pose_2")}},
                            {{Says("ginger", "pose_2"), Stands("customer", "pose_2")}},
                            {{Says("ginger", "pose_3"), Says("customer", "pose_2")}}},
                           0,
                           1};
  const DialogRecord contest{"dialog.stage1_contest",
                             {{{Stands("ginger", "pose_1"), Says("customer", "pose_2")}},
                              {{Says("ginger", "pose_2"), Stands("customer", "pose_2")}}},
                             200,
                             1};
  const DialogRecord won{
      "dialog.final_win", {{{Says("ginger", "pose_3"), Stands("customer", "pose_3")}}}, 6, 2};
  const DialogRecord second{
      "dialog.final_second", {{{Says("ginger", "pose_1"), Stands("customer", "pose_1")}}}, 6, 2};
  data.DialogRecords = {start, contest, won, second};
}

bool WriteStoryScreenSounds(const std::filesystem::path& outDir) {
  const double first[4] = {261.63, 196.00, 220.00, 174.61};
  const double second[4] = {293.66, 220.00, 246.94, 196.00};
  bool ok = WriteContentFile(outDir, "Sound/musik_1.ogg",
                             pm::codecs::EncodeOgg(Waltz(first, 2.0), kRate, 1, 0.4f));
  ok = WriteContentFile(outDir, "Sound/musik_2.ogg",
                        pm::codecs::EncodeOgg(Waltz(second, 2.52), kRate, 1, 0.4f)) &&
       ok;
  // A rising cheer.
  return WriteContentFile(outDir, "Sound/Game_won.ogg", EncodeSampleTone(523.0, 1568.0, 1.4)) && ok;
}
