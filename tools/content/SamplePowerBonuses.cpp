#include "tools/content/SamplePowerBonuses.h"

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

using GF::HGENS::ParticleFile;

namespace {

const std::vector<SampleText> kTexts = {
    {"pb_bonus_1", u"Time freeze!"},   {"pb_bonus_2", u"Quick cook!"},
    {"pb_bonus_3", u"Patience lock!"}, {"pb_bonus_4", u"Helping hand!"},
    {"pb_bonus_5", u"Double tips!"},
};

const SampleTextInfo kTextInfos[] = {
    {"pb_bonus_1", 1, 0x41, "pb_bonus_1"}, {"pb_bonus_2", 1, 0x41, "pb_bonus_2"},
    {"pb_bonus_3", 1, 0x41, "pb_bonus_3"}, {"pb_bonus_4", 1, 0x41, "pb_bonus_4"},
    {"pb_bonus_5", 1, 0x41, "pb_bonus_5"},
};

const char* const kScript = R"(
// The power-up bonuses: banners, the ice on the level clock, the chain on a patience bar and
// the pictures a random bonus shows once drawn.
void PowerBonusTexts(CResourceReader@ r) {
{textinfos}}

// Fades in as it settles from a larger size over `show` ms to `size` percent, stays, and
// fades out growing over `hide` ms.
void PbShowHide(CResourceReader@ r, const string &in name, int sprite, int hx, int size,
                int show, int hide) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_show', 0, show, 1);
  r.AddNamedPart('_idle', show, show + 1000, 0);
  r.AddNamedPart('_hide', show + 1000, show + 1000 + hide, 1);
  r.AddNamedPart('all', 0, show + 1000 + hide, 1);
  KhSpriteAt(r, 'picture', sprite, hx, 5000, 0, 0, 0, show + 1000 + hide);
  r.AddZoom(size * 8 / 5, size * 8 / 5, 1, show);
  r.AddZoom(size, size, 0, 1000);
  r.AddZoom(size, size, 1, hide);
  r.AddZoom(size * 13 / 10, size * 13 / 10, 0, 0);
  KhFade(r, show, 1000, hide);
}

// A drawn bonus's picture on the random icon: it pops over the question mark and stays.
void PbPicture(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('all', 0, 300, 1);
  KhSprite(r, 'picture', sprite, 0, 0, 0, 300);
  r.AddZoom(20, 20, 1, 200);
  r.AddZoom(120, 120, 1, 100);
  r.AddZoom(100, 100, 0, 0);
}

void PowerBonusesContent(CResourceReader@ r) {
  PowerBonusTexts(r);
  r.CreateModule('');
  r.CreateAnimationData('bonus_name_1');
  KhBanner(r, 175, 222, 245, {t:pb_bonus_1});
  r.CreateAnimationData('bonus_name_2');
  KhBanner(r, 255, 205, 110, {t:pb_bonus_2});
  r.CreateAnimationData('bonus_name_3');
  KhBanner(r, 245, 160, 145, {t:pb_bonus_3});
  r.CreateAnimationData('bonus_name_4');
  KhBanner(r, 170, 225, 150, {t:pb_bonus_4});
  r.CreateAnimationData('bonus_name_5');
  KhBanner(r, 205, 180, 235, {t:pb_bonus_5});

  r.CreateModule('bonus');
  PbShowHide(r, 'ice', {art:bonus_effects_ice}, 5000, 100, 400, 500);
  PbShowHide(r, 'ice_str', {art:bonus_effects_ice_str}, 5000, 100, 400, 500);
  // From the patience bar's left end across its 80 pixels, the padlock in the middle.
  PbShowHide(r, 'chain', {art:bonus_effects_chain}, 625, 70, 300, 400);
  PbPicture(r, 'time_freeze_icon', {art:order_pieces_bonus_time_freeze});
  PbPicture(r, 'cook_time_icon', {art:order_pieces_bonus_cook_time});
  PbPicture(r, 'stop_timer_icon', {art:order_pieces_bonus_stop_timer});
  PbPicture(r, 'quality_icon', {art:order_pieces_bonus_quality});
  PbPicture(r, 'light_icon', {art:order_pieces_bonus_light});
  PbPicture(r, 'random_icon', {art:order_pieces_bonus_random});
}
)";

struct BusyColour {
  float red, green, blue;
};

// Sparkles rising off a working device's top, along a line about its base's middle that the
// bonus moves with the device.
ParticleFile MakeBusyParticle(const BusyColour& start, const BusyColour& end) {
  ParticleFile file;
  auto& p = file.params;
  p.blendMode = 0;  // additive: the sparkles glow over the device
  p.startVelocityX = 0.0f;
  p.startVelocityY = -70.0f;
  p.spreadX = 40.0f;
  p.spreadY = 30.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.5f;
  p.lifeMax = 0.9f;
  p.spawnShape = 3;
  p.spawnHalfWidth = 4.0f;
  p.spawnHalfHeight = 4.0f;
  p.startSizeMin = 10.0f;
  p.startSizeMax = 16.0f;
  p.endSize = 3.0f;
  p.startRed = start.red;
  p.startGreen = start.green;
  p.startBlue = start.blue;
  p.startAlpha = 240.0f;
  p.endRed = end.red;
  p.endGreen = end.green;
  p.endBlue = end.blue;
  p.endAlpha = 0.0f;
  p.jitterX = 8.0f;
  p.emissionRate = 50.0f;
  file.shapes.push_back({-30.0f, -70.0f, 30.0f, -70.0f});
  return file;
}

// Quick green and white sparkles about the cook while she hurries.
ParticleFile MakeCookSparkle() {
  ParticleFile file;
  auto& p = file.params;
  p.blendMode = 0;
  p.startVelocityX = 0.0f;
  p.startVelocityY = -30.0f;
  p.spreadX = p.spreadY = 60.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.3f;
  p.lifeMax = 0.6f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 26.0f;
  p.spawnHalfHeight = 44.0f;
  p.startSizeMin = 8.0f;
  p.startSizeMax = 14.0f;
  p.endSize = 2.0f;
  p.startRed = 230.0f;
  p.startGreen = 255.0f;
  p.startBlue = 210.0f;
  p.startAlpha = 230.0f;
  p.endRed = 90.0f;
  p.endGreen = 210.0f;
  p.endBlue = 110.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 40.0f;
  return file;
}

}  // namespace

const std::vector<SampleText>& PowerBonusTexts() {
  return kTexts;
}

std::string MakePowerBonusesScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  return FillArtSprites(script, before) ? script : std::string();
}

bool WritePowerBonusFiles(const std::filesystem::path& outDir) {
  bool ok = true;
  // A chime a little higher for every kind.
  for (const auto& [kind, record] : MakeSampleLevelsData().BonusTable) {
    const double hz = 660.0 + 110.0 * kind;
    ok = WriteContentFile(outDir, "Sound/" + record.Name + ".ogg",
                          EncodeSampleTone(hz, hz * 1.5, 0.45)) &&
         ok;
  }
  const BusyColour cream{255.0f, 250.0f, 215.0f}, gold{255.0f, 200.0f, 80.0f};
  const BusyColour ember{255.0f, 170.0f, 90.0f}, red{230.0f, 70.0f, 30.0f};
  ok = WriteContentFile(outDir, "Particle/mixer.fgp", MakeBusyParticle(cream, gold).Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/UPG_mixer.fgp", MakeBusyParticle(gold, ember).Write()) &&
       ok;
  ok = WriteContentFile(outDir, "Particle/griddle.fgp", MakeBusyParticle(ember, red).Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/stove.fgp", MakeBusyParticle(gold, red).Write()) && ok;
  return WriteContentFile(outDir, "Particle/lilu.fgp", MakeCookSparkle().Write()) && ok;
}
