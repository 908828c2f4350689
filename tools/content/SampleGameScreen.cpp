#include "tools/content/SampleGameScreen.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"gs_paused", u"Paused"},
};

const SampleTextInfo kTextInfos[] = {
    {"gs_paused", 1, 0x41, "gs_paused"},
    {"gs_hint_ready", 1, 0x41, "tip_hint_ready"},
    {"gs_two_orders", 1, 0x41, "tip_two_orders"},
};

// Offsets are from the middle of the screen.
const char* const kScript = R"(
// The game screen's buttons and its pause picture.
void GameScreenTexts(CResourceReader@ r) {
{textinfos}}

// A button in its four looks, the sheet's four sprites from `up` on (up, over, down,
// disabled).
void GsLooks(CResourceReader@ r, const string &in name, int up) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.CreateSpriteObjectData('face');
  for (int look = 0; look < 4; ++look) r.AddSpriteIDResource(up + look, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddLayer(0, 400);
}

// A round HUD button with its icon.
void GsButton(CResourceReader@ r, const string &in name, int icon) {
  GsLooks(r, name, {art:hud_buttons_up});
  KhSprite(r, 'icon', icon, 0, 0, 1, 400);
}

// A tip's window over the level, left of the order column and its open card, above the
// orders: the note with the tip's text, "OK" below it and the close button at its corner.
// It pops up and fades away.
void GsHintWindow(CResourceReader@ r, const string &in name, int text) {
  r.CreateAnimationData(name);
  ShowIdleHide(r, 250, 1000, 250);
  KhSprite(r, 'panel', {art:hint_box}, -130, -20, 400, 1500);
  r.AddZoom(80, 70, 1, 250);
  r.AddZoom(160, 140, 0, 1000);
  r.AddZoom(160, 140, 1, 250);
  r.AddZoom(114, 100, 0, 0);
  KhFade(r, 250, 1000, 250);
  KhText(r, 'text', text, -130, -32, 401, 1500);
  r.AddZoom(85, 85, 0, 1500);
  KhFade(r, 250, 1000, 250);
  KhPlace(r, '_item_ok', 'interfaces', 'fw_button', -130, 40, 402, 1500);
  KhFade(r, 250, 1000, 250);
  KhPlace(r, '_item_back', 'interfaces', 'hint_close', -320, -90, 402, 1500);
  KhFade(r, 250, 1000, 250);
}

void GameScreenContent(CResourceReader@ r) {
  GameScreenTexts(r);
  r.CreateModule('interfaces');
  GsButton(r, 'hud_hint', {art:hud_buttons_hint});
  GsButton(r, 'hud_menu', {art:hud_buttons_menu});
  GsButton(r, 'hud_help', {art:hud_buttons_help});
  // The hint window's close button: a red disc with a cross, no caption.
  GsLooks(r, 'hint_close', {art:hint_close_up});

  r.CreateModule('main_menu');
  GsHintWindow(r, 'hint_window', {t:gs_hint_ready});
  GsHintWindow(r, 'hint_window_orders', {t:gs_two_orders});

  // Over everything of the level: the screen dimmed, a note saying "Paused".
  r.CreateModule('');
  r.CreateAnimationData('pause_screen');
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('all', 0, 300, 1);
  KhSprite(r, 'dim', {art:hud_pieces_night}, 0, 0, 0, 300);
  r.AddZoom(1800, 1350, 0, 300);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(170, 0, 0);
  KhSprite(r, 'note', {art:hint_box}, 0, 0, 1, 300);
  KhText(r, 'text', {t:gs_paused}, 0, 0, 2, 300);
  r.AddZoom(200, 200, 0, 300);
}
)";

// A stage's tune: a short melody over its root, each stage a step higher and a little
// quicker, so the stages sound apart.
std::vector<std::uint8_t> StageTune(int stage) {
  const double steps[] = {0, 4, 7, 4, 5, 9, 12, 9, 0, 4, 7, 12, 7, 4, 2, 0};
  const double root = 220.0 * std::pow(2.0, (stage - 1) * 2.0 / 12.0);
  std::vector<double> notes;
  for (double step : steps) notes.push_back(root * std::pow(2.0, step / 12.0));
  return EncodeSampleTune(notes, 0.34 - 0.02 * stage, 4.0);
}

}  // namespace

const std::vector<SampleText>& GameScreenTexts() {
  return kTexts;
}

std::string MakeGameScreenScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  FillArtSprites(script, before);
  return script;
}

bool WriteGameScreenSounds(const std::filesystem::path& outDir) {
  // A soft rising chime as a tip's window opens.
  bool ok = WriteContentFile(outDir, "Sound/hint_open.ogg", EncodeSampleTone(660.0, 990.0, 0.35));
  for (int stage = 1; stage <= 7; ++stage)
    ok = WriteContentFile(outDir, "Sound/musik_" + std::to_string(stage) + ".ogg",
                          StageTune(stage)) &&
         ok;
  return ok;
}
