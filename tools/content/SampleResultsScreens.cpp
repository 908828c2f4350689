#include "tools/content/SampleResultsScreens.h"

#include <string>

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"rs_empty", u" "},
    {"rs_round", u"Level _round"},
    {"rs_bonus_title", u"Bonus level!"},
    {"rs_points_text", u"You scored _points points!"},
    {"rs_points_label", u"Points"},
    {"rs_dishes_label", u"Dishes served"},
    {"rs_place_label", u"Place"},
    {"index_1", u"First place!"},
    {"index_2", u"Second place!"},
    {"index_3", u"Third place"},
    {"index_4", u"Not this time..."},
    {"item_replay", u"Replay"},
    {"item_replay_2", u"Replay"},
    {"item_continue", u"Continue"},
    {"item_continue_2", u"Continue"},
    {"item_menu", u"Map"},
    {"rs_duel_round", u"Round _round"},
    {"rs_time_label", u"Time"},
};

struct TextInfoRow {
  const char* name;
  int font;   // 0 white, 1 dark ink
  int flags;  // 0x40 centred vertically; alignment 0 left, 1 centred, 2 right
  const char* text;
};
const TextInfoRow kTextInfos[] = {
    {"rs_heading", 0, 0x41, "rs_round"},
    {"rs_bonus_title", 0, 0x41, "rs_bonus_title"},
    {"rs_line", 1, 0x41, "rs_empty"},
    {"rs_points_text", 1, 0x41, "rs_points_text"},
    {"rs_label_points", 1, 0x40, "rs_points_label"},
    {"rs_label_dishes", 1, 0x40, "rs_dishes_label"},
    {"rs_label_place", 1, 0x40, "rs_place_label"},
    {"rs_value", 1, 0x42, "rs_empty"},
    {"rs_duel_heading", 0, 0x41, "rs_duel_round"},
    {"rs_label_time", 1, 0x40, "rs_time_label"},
    {"rs_dish_name", 1, 0x41, "rs_empty"},
};

// Art sprites are named {art:name}, text infos {t:name}; offsets are from the middle of the
// screen. The card's three ruled lines stand at y = 26, 58 and 90, its red band round
// y = -168; the buttons sit below it.
const char* const kScript = R"(
// The result screens after a level.
void ResultsTexts(CResourceReader@ r) {
{textinfos}}

// A place that the screen fills.
void RsPlace(CResourceReader@ r, const string &in name, int x, int y, int layer) {
  r.CreateSpriteObjectData(name);
  r.AddOffset(x, y, 0, 1800);
  r.AddLayer(layer, 1800);
}

// A text of the card, fading with it.
void RsText(CResourceReader@ r, const string &in name, int info, int x, int y, int zoom) {
  KhText(r, name, info, x, y, 3, 1800);
  r.AddZoom(zoom, zoom, 0, 1800);
  KhFade(r, 400, 1000, 400);
}

void RsButton(CResourceReader@ r, const string &in control, int x) {
  KhPlace(r, '_item_' + control, 'interfaces', 'fw_button', x, 220, 10, 1800);
}

// The wall and the card: shows in 400 ms, idles, hides in 400 ms.
void RsCard(CResourceReader@ r) {
  ShowIdleHide(r, 400, 1000, 400);
  KhSprite(r, 'backdrop', {art:results_backdrop}, 0, 0, 0, 1800);
  KhSprite(r, 'card', {art:results_board}, 0, -30, 1, 1800);
  r.AddZoom(60, 60, 1, 400);
  r.AddZoom(100, 100, 0, 1000);
  r.AddZoom(100, 100, 1, 400);
  r.AddZoom(60, 60, 0, 0);
  KhFade(r, 400, 1000, 400);
}

// A level's result: its number in the band, the ribbon and the country side by side, the
// place's words and the figures on the ruled lines.
void RsLevelCard(CResourceReader@ r) {
  RsCard(r);
  RsText(r, '_round', {t:rs_heading}, 0, -168, 130);
  RsPlace(r, '_ribbon_place', -120, -90, 3);
  RsPlace(r, '_part_place', -120, -90, 6);
  RsPlace(r, 'place_country', 120, -80, 3);
  RsText(r, '_place_index', {t:rs_line}, 0, 6, 120);
  RsText(r, 'points_label', {t:rs_label_points}, -190, 42, 100);
  RsText(r, '_points', {t:rs_value}, 190, 42, 100);
  RsText(r, 'dish_label', {t:rs_label_dishes}, -190, 74, 100);
  RsText(r, '_dish', {t:rs_value}, 190, 74, 100);
  RsText(r, 'place_label', {t:rs_label_place}, -190, 106, 100);
  RsText(r, '_place', {t:rs_value}, 190, 106, 100);
}

// A picture that sways gently about its hot spot.
void RsBadge(CResourceReader@ r, const string &in name, int sprite, int hx, int hy, int swing) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 2000, 0);
  KhSpriteAt(r, 'picture', sprite, hx, hy, 0, 0, 0, 2000);
  r.AddRotate(-swing, 1, 1000);
  r.AddRotate(swing, 1, 1000);
  r.AddRotate(-swing, 0, 0);
}

// A duel's dish on its shelf, its name below: the dish's place first, the name second, as
// the duel screens fill them. It pops up while playing and rests at its end.
void RsDuelPlate(CResourceReader@ r) {
  r.CreateAnimationData('recept_place_duel');
  r.AddNamedPart('all', 0, 300, 1);
  r.CreateSpriteObjectData('_dish');
  r.AddOffset(0, -14, 0, 300);
  r.AddZoom(60, 60, 1, 200);
  r.AddZoom(130, 130, 1, 100);
  r.AddZoom(120, 120, 0, 0);
  r.AddLayer(6, 300);
  KhText(r, '_name', {t:rs_dish_name}, 0, 52, 7, 300);
  r.AddZoom(110, 110, 0, 300);
  KhSprite(r, 'shelf', {art:unlock_pieces_shelf}, 0, -4, 5, 300);
}

// A duel's card: the round in the band, the dish and the country side by side, a label
// and its figure on the middle ruled line.
void RsDuelCard(CResourceReader@ r, int label) {
  RsCard(r);
  RsText(r, '_round', {t:rs_duel_heading}, 0, -168, 130);
  RsPlace(r, '_recept_place', -120, -70, 3);
  RsPlace(r, '_place_country', 120, -80, 3);
  RsText(r, 'label', label, -190, 74, 100);
  RsText(r, '_time', {t:rs_value}, 190, 74, 100);
}

void ResultsScreens(CResourceReader@ r) {
  ResultsTexts(r);
  r.CreateModule('main_menu');
  for (int n = 1; n <= 4; ++n)
    RsBadge(r, 'ribbon_' + n, {art:results_ribbons_ribbon_1} + n - 1,
            {hot:results_ribbons_ribbon_1}, 4);
  for (int n = 1; n <= 8; ++n)
    RsBadge(r, 'country_' + n, {art:results_countries_country_1} + n - 1, 5000, 5000, 1);
  RsDuelPlate(r);

  r.CreateAnimationData('statistics_screen');
  RsLevelCard(r);
  RsButton(r, 'replay', -100);
  RsButton(r, 'continue', 100);

  r.CreateAnimationData('lose_screen');
  RsLevelCard(r);
  RsButton(r, 'replay', -255);
  RsButton(r, 'menu', -85);
  RsButton(r, 'replay_2', 85);
  RsButton(r, 'continue', 255);

  // The thrown objects fly in screen coordinates: their place stands at the screen's corner.
  r.CreateAnimationData('bonus_statistics_screen');
  RsCard(r);
  RsText(r, 'title', {t:rs_bonus_title}, 0, -168, 130);
  RsText(r, '_texts', {t:rs_points_text}, 0, -40, 130);
  RsPlace(r, '_fly_place', -400, -300, 50);
  RsButton(r, 'replay', -180);
  RsButton(r, 'continue_2', 0);
  RsButton(r, 'continue', 180);

  r.CreateAnimationData('duel_statistics');
  RsDuelCard(r, {t:rs_label_points});
  RsButton(r, 'continue', 0);

  r.CreateAnimationData('duel_lose');
  RsDuelCard(r, {t:rs_label_time});
  RsButton(r, 'replay', -255);
  RsButton(r, 'map', -85);
  RsButton(r, 'replay_2', 85);
  RsButton(r, 'continue', 255);
}
)";

// Confetti bursting from the ribbon: bright flakes of every colour thrown up, falling and
// fading.
GF::HGENS::ParticleFile WinBurst() {
  GF::HGENS::ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = p.velocityMatrix[4] = 0.97f;
  p.velocityMatrix[5] = 4.0f;  // gravity
  p.blendMode = 2;
  p.startVelocityY = -240.0f;
  p.spreadX = p.spreadY = 260.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.8f;
  p.lifeMax = 1.6f;
  p.spawnShape = 1;
  p.spawnHalfWidth = p.spawnHalfHeight = 30.0f;
  p.startSizeMin = 18.0f;
  p.startSizeMax = 28.0f;
  p.endSize = 8.0f;
  p.colorVariation = 0.8f;
  p.startRed = 255.0f;
  p.startGreen = 212.0f;
  p.startBlue = 90.0f;
  p.startAlpha = 255.0f;
  p.endRed = 232.0f;
  p.endGreen = 80.0f;
  p.endBlue = 58.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 160.0f;
  return file;
}

struct SoundRow {
  const char* name;
  double startHz, endHz, seconds;
};
const SoundRow kSounds[] = {
    {"result_open", 523.0, 1046.0, 0.6},  // a rising fanfare
    {"level_failed", 392.0, 196.0, 0.9},  // a falling whistle
    {"Applause1", 880.0, 1760.0, 1.2},      {"Applause2", 784.0, 1568.0, 1.0},
    {"Applause3", 659.0, 1318.0, 0.8},      {"Applause4", 523.0, 659.0, 0.6},
    {"music_game_menu", 392.0, 523.0, 4.0},
};

}  // namespace

const std::vector<SampleText>& ResultsScreenTexts() {
  return kTexts;
}

std::string MakeResultsScreensScript(const std::string& before) {
  std::string script = kScript;
  int info = CountScriptCalls(before, "r.AddTextInfo(");
  std::string lines;
  for (const TextInfoRow& row : kTextInfos) {
    lines += "  r.AddTextInfo('" + std::string(row.name) + "', " + std::to_string(row.font) +
             ", 0, 0, " + std::to_string(row.flags) + ", " +
             std::to_string(SampleTextIndex(row.text)) + ");\n";
    FillScriptNumber(script, "t:" + std::string(row.name), info++);
  }
  const std::string mark = "{textinfos}";
  script.replace(script.find(mark), mark.size(), lines);
  FillArtSprites(script, before);
  return script;
}

void AddResultsScreenData(GameData& data) {
  data.SoundNameTable[17] = {"result_open", 17};
  data.SoundNameTable[18] = {"level_failed", 18};
}

bool WriteResultsScreenFiles(const std::filesystem::path& outDir) {
  bool ok = WriteContentFile(outDir, "Particle/win_place.fgp", WinBurst().Write());
  for (const SoundRow& sound : kSounds)
    ok = WriteContentFile(outDir, "Sound/" + std::string(sound.name) + ".ogg",
                          EncodeSampleTone(sound.startHz, sound.endHz, sound.seconds)) &&
         ok;
  return ok;
}
