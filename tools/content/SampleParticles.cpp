#include "tools/content/SampleParticles.h"

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

using GF::HGENS::ParticleFile;

namespace {

constexpr int kDotSize = 32;
constexpr const char* kTextureCall = "r.AddTexture('particles')";

}  // namespace

const ArtSheet& ParticleDotSheet() {
  static const ArtSheet sheet = {"particles", "particle_dot.svg", kDotSize, kDotSize};
  return sheet;
}

ParticleFile MakeSampleSparkBurst() {
  ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[5] = 25.0f;  // gravity: +25 px/s every 0.1 s tick
  p.blendMode = 0;              // additive: sparks glow where they cross
  p.bounce = 1.6f;              // loses some speed at each bounce
  p.startVelocityX = 0.0f;
  p.startVelocityY = -120.0f;
  p.spreadX = 160.0f;
  p.spreadY = 120.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.5f;
  p.lifeMax = 0.9f;
  p.spawnShape = 1;
  p.spawnHalfWidth = p.spawnHalfHeight = 4.0f;
  p.startSizeMin = 10.0f;
  p.startSizeMax = 14.0f;
  p.endSize = 3.0f;
  p.colorVariation = 30.0f;
  p.startRed = 255.0f;
  p.startGreen = 220.0f;
  p.startBlue = 120.0f;
  p.startAlpha = 255.0f;
  p.endRed = 255.0f;
  p.endGreen = 90.0f;
  p.endBlue = 10.0f;
  p.endAlpha = 0.0f;
  p.jitterX = 10.0f;
  p.emissionRate = 240.0f;
  file.segments.push_back({-80.0f, 40.0f, 80.0f, 40.0f, 0.0f, -1.0f});
  return file;
}

ParticleFile MakeSampleSmokePuff() {
  ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = p.velocityMatrix[4] = 0.95f;  // slowing down
  p.startVelocityX = 0.0f;
  p.startVelocityY = -40.0f;
  p.spreadX = 20.0f;
  p.spreadY = 10.0f;
  p.lifeMin = 1.5f;
  p.lifeMax = 2.5f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 10.0f;
  p.spawnHalfHeight = 5.0f;
  p.startSizeMin = 16.0f;
  p.startSizeMax = 24.0f;
  p.endSize = 64.0f;
  p.sizeJitter = 1.0f;
  p.startRed = p.startGreen = p.startBlue = 160.0f;
  p.startAlpha = 180.0f;
  p.endRed = p.endGreen = p.endBlue = 210.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 30.0f;
  // Key 0 follows the emitter; after half a second the puff drifts right.
  file.keys.push_back({});
  file.keys.push_back({0.0f, 0.0f, 0.5f, 0.0f, -40.0f});
  file.keys.push_back({0.0f, 0.0f, 2.0f, 20.0f, -25.0f});
  return file;
}

ParticleFile MakeSampleFireBig() {
  ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = 0.9f;  // the flames draw together as they rise
  p.blendMode = 0;             // additive: the tongues glow where they overlap
  p.startVelocityX = 0.0f;
  p.startVelocityY = -90.0f;
  p.spreadX = 30.0f;
  p.spreadY = 30.0f;
  p.lifeMin = 0.6f;
  p.lifeMax = 1.0f;
  p.spawnHalfWidth = 40.0f;
  p.spawnHalfHeight = 4.0f;
  p.startSizeMin = 20.0f;
  p.startSizeMax = 28.0f;
  p.endSize = 6.0f;
  p.colorVariation = 20.0f;
  p.startRed = 255.0f;
  p.startGreen = 200.0f;
  p.startBlue = 60.0f;
  p.startAlpha = 220.0f;
  p.endRed = 230.0f;
  p.endGreen = 50.0f;
  p.endBlue = 10.0f;
  p.endAlpha = 0.0f;
  p.jitterX = 20.0f;
  p.emissionRate = 80.0f;
  return file;
}

ParticleFile MakeSampleFetchTrail() {
  ParticleFile file;
  auto& p = file.params;
  p.blendMode = 0;  // additive: the trail glows where the sparks cross
  p.startVelocityX = 0.0f;
  p.startVelocityY = 0.0f;
  p.spreadX = p.spreadY = 360.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.25f;
  p.lifeMax = 0.45f;
  p.spawnHalfWidth = p.spawnHalfHeight = 6.0f;
  p.startSizeMin = 10.0f;
  p.startSizeMax = 16.0f;
  p.endSize = 2.0f;
  p.startRed = 255.0f;
  p.startGreen = 250.0f;
  p.startBlue = 200.0f;
  p.startAlpha = 230.0f;
  p.endRed = 255.0f;
  p.endGreen = 190.0f;
  p.endBlue = 70.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 90.0f;
  return file;
}

ParticleFile MakeSampleHintSparkle() {
  ParticleFile file;
  auto& p = file.params;
  p.blendMode = 0;  // additive: a soft golden halo
  p.startVelocityX = 0.0f;
  p.startVelocityY = -20.0f;
  p.spreadX = p.spreadY = 360.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.4f;
  p.lifeMax = 0.8f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 36.0f;
  p.spawnHalfHeight = 30.0f;
  p.startSizeMin = 8.0f;
  p.startSizeMax = 14.0f;
  p.endSize = 2.0f;
  p.startRed = 255.0f;
  p.startGreen = 245.0f;
  p.startBlue = 170.0f;
  p.startAlpha = 230.0f;
  p.endRed = 255.0f;
  p.endGreen = 200.0f;
  p.endBlue = 60.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 60.0f;
  return file;
}

ParticleFile MakeSampleHintIconBurst() {
  ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[5] = 30.0f;  // they fall back a little
  p.blendMode = 0;              // additive: a golden flash
  p.startVelocityY = -90.0f;
  p.spreadX = p.spreadY = 360.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.4f;
  p.lifeMax = 0.7f;
  p.spawnShape = 1;
  p.spawnHalfWidth = p.spawnHalfHeight = 4.0f;
  p.startSizeMin = 10.0f;
  p.startSizeMax = 16.0f;
  p.endSize = 3.0f;
  p.startRed = 255.0f;
  p.startGreen = 230.0f;
  p.startBlue = 120.0f;
  p.startAlpha = 255.0f;
  p.endRed = 245.0f;
  p.endGreen = 155.0f;
  p.endBlue = 60.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 120.0f;
  return file;
}

ParticleFile MakeSampleHintIconGlints() {
  ParticleFile file;
  auto& p = file.params;
  p.blendMode = 0;  // additive: white glints
  p.startVelocityY = -15.0f;
  p.spreadX = p.spreadY = 360.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.6f;
  p.lifeMax = 1.0f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 24.0f;
  p.spawnHalfHeight = 14.0f;
  p.startSizeMin = 6.0f;
  p.startSizeMax = 12.0f;
  p.endSize = 1.0f;
  p.startRed = p.startGreen = p.startBlue = 255.0f;
  p.startAlpha = 240.0f;
  p.endRed = 255.0f;
  p.endGreen = 245.0f;
  p.endBlue = 200.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 40.0f;
  return file;
}

ParticleFile MakeSampleFogPlate() {
  ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = p.velocityMatrix[4] = 0.96f;  // slowing down
  p.startVelocityX = 12.0f;
  p.startVelocityY = -30.0f;
  p.spreadX = 16.0f;
  p.spreadY = 8.0f;
  p.lifeMin = 0.8f;
  p.lifeMax = 1.4f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 10.0f;
  p.spawnHalfHeight = 4.0f;
  p.startSizeMin = 14.0f;
  p.startSizeMax = 20.0f;
  p.endSize = 44.0f;
  p.startRed = p.startGreen = 255.0f;
  p.startBlue = 245.0f;
  p.startAlpha = 190.0f;
  p.endRed = p.endGreen = p.endBlue = 255.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 24.0f;
  return file;
}

ParticleFile MakeSampleStoveSparks() {
  ParticleFile file;
  auto& p = file.params;
  p.blendMode = 0;  // additive: blue-white crackle over the hot plate
  p.startVelocityX = 0.0f;
  p.startVelocityY = -60.0f;
  p.spreadX = 90.0f;
  p.spreadY = 40.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.2f;
  p.lifeMax = 0.4f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 30.0f;
  p.spawnHalfHeight = 6.0f;
  p.startSizeMin = 6.0f;
  p.startSizeMax = 10.0f;
  p.endSize = 2.0f;
  p.startRed = 200.0f;
  p.startGreen = 230.0f;
  p.startBlue = 255.0f;
  p.startAlpha = 255.0f;
  p.endRed = 80.0f;
  p.endGreen = 140.0f;
  p.endBlue = 255.0f;
  p.endAlpha = 0.0f;
  p.jitterX = 12.0f;
  p.emissionRate = 120.0f;
  return file;
}

std::string MakeParticleResourceScript(const std::string& before) {
  const std::string texture = std::to_string(CountScriptCalls(before, "r.AddTexture("));
  const std::string sprite = std::to_string(CountScriptCalls(before, "r.AddHGESpriteInfo("));
  return R"(
// Particles: the dot texture the effects draw with, and a script particle system.
void Particles(CResourceReader@ r) {
  )" + std::string(kTextureCall) +
         ";  // Texture\\" + texture + R"(
  r.AddHGESpriteInfo('particle_dot', )" +
         texture + ", 0, 0, " + std::to_string(kDotSize) + ", " + std::to_string(kDotSize) +
         ");  // sprite " + sprite + R"(
  r.CreateModule('effects');
  r.CreateAnimationData('glow');
  r.AddNamedPart('all', 0, 2000, 0);
  r.CreateParticleSystem('');
  r.AddParticleID(1, 2000);  // Particle\1.PSI
  r.AddParticleIDSprite()" +
         sprite + R"(, 2000);
  r.AddParticleCommand(1, 1500);
  r.AddParticleCommand(2, 500);
  r.AddOffset(400, 300, 0, 2000);
  r.AddLayer(50, 2000);
}
)";
}

bool WriteSampleParticles(const std::filesystem::path& outDir) {
  const auto puff = MakeSampleSmokePuff().Write();
  bool ok = WriteContentFile(outDir, "Particle/spark_burst.fgp", MakeSampleSparkBurst().Write());
  ok = WriteContentFile(outDir, "Particle/smoke_puff.fgp", puff) && ok;
  ok = WriteContentFile(outDir, "Particle/fire_big.fgp", MakeSampleFireBig().Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/get_object.fgp", MakeSampleFetchTrail().Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/hint.fgp", MakeSampleHintSparkle().Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/hint_icon.fgp", MakeSampleHintIconBurst().Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/hint_icon_2.fgp", MakeSampleHintIconGlints().Write()) &&
       ok;
  ok = WriteContentFile(outDir, "Particle/fog_plate.fgp", MakeSampleFogPlate().Write()) && ok;
  ok = WriteContentFile(outDir, "Particle/electric_stove_4.fgp", MakeSampleStoveSparks().Write()) &&
       ok;
  ok = WriteContentFile(outDir, "Particle/1.PSI", puff) && ok;
  // The bonus levels' start: the same burst of sparks.
  ok = WriteContentFile(outDir, "Particle/bonus_place_in_1.fgp", MakeSampleSparkBurst().Write()) &&
       ok;
  ok = WriteContentFile(outDir, "Particle/bonus_pidkladka.fgp", MakeSampleSparkBurst().Write()) &&
       ok;
  // The texture's number is its place among the script's textures.
  const std::string script = MakeResourceScript();
  const auto at = script.find(kTextureCall);
  if (at == std::string::npos) return ok;
  const int texture = CountScriptCalls(script.substr(0, at), "r.AddTexture(");
  return WriteArtTexture(outDir, texture, ParticleDotSheet()) && ok;
}
