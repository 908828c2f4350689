#include "tools/content/SampleStageEnd.h"

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"se_empty", u" "},
    {"se_title", u"Stage complete!"},
    {"se_final_title", u"The final standings"},
    {"se_out_title", u"Out of the tournament"},
    {"se_out_line", u"leaves the tournament."},
    {"se_out_line_2", u"The others cook on!"},
    {"se_dropout_title", u"A rival gives up!"},
    {"se_dropout_line", u"Your rival packed up"},
    {"se_dropout_line_2", u"and left the tournament."},
};

// White on the ribbons and bands, dark ink on the cream; 0x41 centres.
const SampleTextInfo kTextInfos[] = {
    {"se_heading", 0, 0x41, "se_title"},
    {"se_final_heading", 0, 0x41, "se_final_title"},
    {"se_out_heading", 0, 0x41, "se_out_title"},
    {"se_dropout_heading", 0, 0x41, "se_dropout_title"},
    {"se_out_line", 1, 0x41, "se_out_line"},
    {"se_out_line_2", 1, 0x41, "se_out_line_2"},
    {"se_dropout_line", 1, 0x41, "se_dropout_line"},
    {"se_dropout_line_2", 1, 0x41, "se_dropout_line_2"},
    {"se_value", 1, 0x41, "se_empty"},
    {"se_badge", 0, 0x41, "se_empty"},
    {"se_caption", 0, 0x41, "se_empty"},
    // The competitors' names, as the high-score table numbers them (id + 1).
    {"se_name_0", 1, 0x41, "pers_name_1"},
    {"se_name_1", 1, 0x41, "pers_name_2"},
    {"se_name_2", 1, 0x41, "pers_name_3"},
    {"se_name_3", 1, 0x41, "pers_name_4"},
    {"se_name_4", 1, 0x41, "pers_name_5"},
    {"se_name_5", 1, 0x41, "pers_name_6"},
    {"se_name_6", 1, 0x41, "pers_name_7"},
    {"se_name_7", 1, 0x41, "pers_name_8"},
};

// Art sprites are named {art:name} with their hot spots {hot:name}, text infos {t:name};
// offsets are from the middle of the screen. The podium's step tops stand at y 129 (first,
// middle), 159 (second, left) and 179 (third, right); its steps are 180 wide.
const char* const kScript = R"(
// A stage's end: the standings on the podium, and the competitor who drops out.
void StageEndTexts(CResourceReader@ r) {
{textinfos}}

// Shows over the first 300 ms of the layout's 600 ms show, fades out while it hides.
void SeFade(CResourceReader@ r) {
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1300);
  r.AddOpaque(255, 1, 400);
  r.AddOpaque(0, 0, 0);
}

// A place of the standings' layout, fading with it.
void SePlace(CResourceReader@ r, const string &in name, int x, int y, int layer, int zoom) {
  MnPlace(r, name, x, y, layer, zoom, 2000);
  SeFade(r);
}

// The title ribbon drops in from above the screen with its words.
void SeDrop(CResourceReader@ r, int y) {
  r.AddOffset(0, y - 110, 1, 300);
  r.AddOffset(0, y, 0, 1700);
}

void SeText(CResourceReader@ r, const string &in name, int info, int x, int y, int layer,
            int zoom) {
  KhText(r, name, info, x, y, layer, 2000);
  r.AddZoom(zoom, zoom, 0, 2000);
  SeFade(r);
}

// The standings: the wall, the title ribbon dropping in, the row of pennants under it, the
// podium with the cup places' figures, cups and points, and "continue" under the podium.
void SeStandings(CResourceReader@ r, const string &in name, int title) {
  r.CreateAnimationData(name);
  ShowIdleHide(r, 600, 1000, 400);
  KhSprite(r, 'backdrop', {art:results_backdrop}, 0, 0, 0, 2000);
  r.CreateSpriteObjectData('ribbon');
  r.AddSpriteIDResource({art:title_ribbon}, 2000);
  r.AddHotspot(5000, 5000, 0, 2000);
  SeDrop(r, -250);
  r.AddLayer(2, 2000);
  r.CreateTextSpriteObjectData('title');
  r.AddTextSpriteIDResource(title, 2000);
  SeDrop(r, -271);
  r.AddZoom(130, 130, 0, 2000);
  r.AddLayer(3, 2000);
  SePlace(r, 'place_country', -330, -240, 2, 60);
  SePlace(r, '_place_4', 0, -145, 10, 100);
  KhSprite(r, 'podium', {art:stage_podium}, 0, 185, 20, 2000);
  SeFade(r);
  SePlace(r, '_place_2', -180, 161, 15, 100);
  SePlace(r, '_place_1', 0, 131, 15, 100);
  SePlace(r, '_place_3', 180, 181, 15, 100);
  SeText(r, '_points_1', {t:se_value}, 30, 187, 22, 120);
  SeText(r, '_points_2', {t:se_value}, -150, 203, 22, 120);
  SeText(r, '_points_3', {t:se_value}, 210, 215, 22, 120);
  SeCupPlace(r, 'cup_2', -122, 159);
  SeCupPlace(r, 'cup_1', 58, 129);
  SeCupPlace(r, 'cup_3', 238, 179);
  KhPlace(r, '_item_continue', 'main_menu', 'se_button', 0, 268, 40, 2000);
}

// A cup standing on a step (its top at y) by its figure's right hand.
void SeCupPlace(CResourceReader@ r, const string &in name, int x, int y) {
  KhPlace(r, name, 'main_menu', 'cup_holder', x, y - 38, 30, 2000);
  SeFade(r);
}

// A cup holder: "all" shows its cup, "_hide" hides cup and light, "_show" lets the light
// glow up behind the cup as the cup pops up.
void SeCupHolder(CResourceReader@ r) {
  r.CreateAnimationData('cup_holder');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_hide', 100, 200, 1);
  r.AddNamedPart('_show', 200, 1400, 1);
  r.CreateSpriteObjectData('_light_place');
  r.AddOpaque(255, 0, 100);
  r.AddOpaque(0, 0, 100);
  r.AddOpaque(0, 1, 600);
  r.AddOpaque(255, 0, 600);
  r.AddLayer(0, 1400);
  r.CreateSpriteObjectData('_cup_place');
  r.AddOpaque(255, 0, 100);
  r.AddOpaque(0, 0, 100);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 900);
  r.AddZoom(70, 70, 0, 200);
  r.AddZoom(20, 20, 1, 500);
  r.AddZoom(88, 88, 1, 300);
  r.AddZoom(70, 70, 0, 400);
  r.AddLayer(2, 1400);
}

// A cup of a place (1 gold, 2 silver, 3 bronze) with the bow of a stage.
void SeCup(CResourceReader@ r, int place, int stage) {
  r.CreateAnimationData('cup_' + place + '_' + stage);
  r.AddNamedPart('all', 0, 100, 1);
  KhSprite(r, 'cup', {art:stage_cups_cup_1} + place - 1, 0, 0, 0, 100);
  KhSprite(r, 'bow', {art:stage_cups_bow_1} + stage - 1, 0, 0, 1, 100);
}

// "continue": hidden while disabled, it pops up by "_show".
void SeButton(CResourceReader@ r) {
  r.CreateAnimationData('se_button');
  MnButtonParts(r);
  r.AddNamedPart('_show', 400, 900, 1);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource({art:button_out}, 100);
  r.AddSpriteIDResource({art:button_over}, 100);
  r.AddSpriteIDResource({art:button_down}, 100);
  r.AddSpriteIDResource({art:button_out}, 600);
  r.AddHotspot(5000, 5000, 0, 900);
  SeButtonShow(r);
  r.AddLayer(0, 900);
  KhText(r, '_text', {t:se_caption}, 0, -1, 1, 900);
  SeButtonShow(r);
}

void SeButtonShow(CResourceReader@ r) {
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(0, 0, 100);
  r.AddOpaque(0, 1, 250);
  r.AddOpaque(255, 0, 250);
  r.AddZoom(100, 100, 0, 400);
  r.AddZoom(30, 30, 1, 300);
  r.AddZoom(112, 112, 1, 200);
  r.AddZoom(100, 100, 0, 0);
}

// The pennant of a place after the cups: the place on its badge, the portrait, the points.
void SePennant(CResourceReader@ r) {
  r.CreateAnimationData('ribbon_5');
  r.AddNamedPart('all', 0, 100, 1);
  KhSprite(r, 'pennant', {art:stage_ribbon}, 0, 0, 0, 100);
  KhText(r, '_place', {t:se_badge}, -26, -40, 2, 100);
  r.AddZoom(80, 80, 0, 100);
  MnPlace(r, '_pers_place', 0, -10, 1, 55, 100);
  KhText(r, '_points', {t:se_value}, 0, 27, 2, 100);
  r.AddZoom(80, 80, 0, 100);
}

// The light behind the player's cup turns slowly.
void SeLight(CResourceReader@ r) {
  r.CreateAnimationData('cup_light_1');
  r.AddNamedPart('all', 0, 12000, 0);
  KhSprite(r, 'light', {art:cup_light}, 0, 0, 0, 12000);
  r.AddRotate(0, 1, 12000);
  r.AddRotate(360, 0, 0);
}

// The competitors: cheering, dropping out, and their name plates.
void SeCompetitors(CResourceReader@ r) {
  r.CreateModule('interfaces');
  for (int id = 0; id < 8; ++id) {
    r.CreateAnimationData('pers_big_' + id);
    r.AddNamedPart('all', 0, 100, 1);
    KhSpriteAt(r, 'figure', {art:stage_figures_big_0} + id, {hot:stage_figures_big_0}, 0, 0, 0,
               100);
    r.CreateAnimationData('pers_bad_' + id);
    r.AddNamedPart('all', 0, 100, 1);
    KhSpriteAt(r, 'figure', {art:stage_figures_bad_0} + id, {hot:stage_figures_bad_0}, 0, 0, 0,
               100);
    r.CreateAnimationData('pers_name_' + id);
    r.AddNamedPart('all', 0, 100, 1);
    KhSprite(r, 'plate', {art:name_plate}, 0, 0, 0, 100);
    KhText(r, 'name', {t:se_name_0} + id, 0, 0, 1, 100);
    r.AddZoom(120, 120, 0, 100);
  }
}

// The drop-out card: the competitor's figure on the left, its name and the words on the
// right; or, for the rival who gave up, the suitcase.
void SeOutCard(CResourceReader@ r, const string &in name, int title, int line, int line2) {
  r.CreateAnimationData(name);
  RsCard(r);
  RsText(r, 'title', title, 0, -168, 130);
  RsText(r, 'line_1', line, 90, 42, 90);
  RsText(r, 'line_2', line2, 90, 74, 90);
  RsButton(r, 'ok', 0);
}

void StageEnd(CResourceReader@ r) {
  StageEndTexts(r);
  SeCompetitors(r);
  r.CreateModule('main_menu');
  SeCupHolder(r);
  for (int place = 1; place <= 3; ++place)
    for (int stage = 1; stage <= 6; ++stage) SeCup(r, place, stage);
  SeLight(r);
  SeButton(r);
  SePennant(r);
  SeStandings(r, 'stage_statistics_screen', {t:se_heading});
  SeStandings(r, 'stage_statistics_screen_2', {t:se_final_heading});
  SeOutCard(r, 'loser_screen', {t:se_out_heading}, {t:se_out_line}, {t:se_out_line_2});
  RsPlace(r, '_pers_place', -120, 110, 3);
  RsPlace(r, '_name_place', 90, -40, 3);
  SeOutCard(r, 'dropout_screen', {t:se_dropout_heading}, {t:se_dropout_line},
            {t:se_dropout_line_2});
  KhSprite(r, 'suitcase', {art:suitcase}, -120, 0, 3, 1800);
  KhFade(r, 400, 1000, 400);
}
)";

// Gold sparkles fountaining up from the cup and drifting down as they fade.
GF::HGENS::ParticleFile CupSparkles() {
  GF::HGENS::ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = p.velocityMatrix[4] = 0.985f;
  p.velocityMatrix[5] = 1.2f;  // a light gravity
  p.blendMode = 2;
  p.startVelocityY = -150.0f;
  p.spreadX = 220.0f;
  p.spreadY = 120.0f;
  p.spreadShape = 1;
  p.lifeMin = 1.6f;
  p.lifeMax = 2.2f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 30.0f;
  p.spawnHalfHeight = 20.0f;
  p.startSizeMin = 22.0f;
  p.startSizeMax = 34.0f;
  p.endSize = 6.0f;
  p.colorVariation = 0.2f;
  p.startRed = 255.0f;
  p.startGreen = 196.0f;
  p.startBlue = 40.0f;
  p.startAlpha = 255.0f;
  p.endRed = 245.0f;
  p.endGreen = 154.0f;
  p.endBlue = 59.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 120.0f;
  return file;
}

struct SoundRow {
  const char* name;
  double startHz, endHz, seconds;
};
const SoundRow kSounds[] = {
    {"Stage_complete", 392.0, 1175.0, 2.6},  // a long rising fanfare
    {"dropped_out", 523.0, 262.0, 1.0},      // a falling sigh
    {"level_place", 1318.0, 1760.0, 0.5},    // a bright chime
};

}  // namespace

const std::vector<SampleText>& StageEndTexts() {
  return kTexts;
}

std::string MakeStageEndScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  FillArtSprites(script, before);
  return script;
}

void AddStageEndSounds(GameData& data) {
  data.SoundNameTable[28] = {"Stage_complete", 28};
  data.SoundNameTable[30] = {"dropped_out", 30};
}

std::vector<LevelRival> SampleStageRivals() {
  return {{330, 0}, {260, 1}, {300, 2}, {200, 3}, {380, 4}, {140, 5}, {240, 7}};
}

bool WriteStageEndFiles(const std::filesystem::path& outDir) {
  bool ok = WriteContentFile(outDir, "Particle/show_cup_1.fgp", CupSparkles().Write());
  for (const SoundRow& sound : kSounds)
    ok = WriteContentFile(outDir, "Sound/" + std::string(sound.name) + ".ogg",
                          EncodeSampleTone(sound.startHz, sound.endHz, sound.seconds)) &&
         ok;
  return ok;
}
