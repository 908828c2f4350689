#pragma once

// The real engine headless with a resource registry filled from a small script and a pack of
// its textures, font and sounds: the "interfaces" module that the scene tests play.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/CResourceReader.h"
#include "framework/engine/resources/TextTable.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "tests/framework/engine/particles/ParticleTestSupport.h"
#include "tests/support/PackFixtures.h"
#include "tests/support/RenderSession.h"
#include "tests/support/TestSupport.h"
#include "tools/codecs/ImageEncoders.h"

namespace pm::test {

// Texture 0 is 64 x 16: red on the left half, green on the right. Font 0 draws 'H' and 'I'
// as white blocks of 8 x 10 and 4 x 10 (height 10, base 2, no spacing).
inline const char* const kSceneScript = R"(
void FillResource(CResourceReader@ r) {
  r.AddTexture('panel');
  r.AddHGESpriteInfo('red', 0, 0, 0, 32, 16);
  r.AddHGESpriteInfo('green', 0, 32, 0, 32, 16);
  r.AddFont('main');
  r.AddTextInfo('banner', 0, 0, 0, 0x00, 0);

  r.CreateModule('interfaces');

  // Fades in over 500 ms, holds for 1000 ms and fades out over 500 ms, with its text.
  r.CreateAnimationData('banner');
  r.AddNamedPart('all', 0, 2000, 1);
  r.CreateSpriteObjectData('panel');
  r.AddSpriteIDResource(0, 2000);
  r.AddOffset(40, 40, 0, 2000);
  r.AddOpaque(0, 1, 500);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 500);
  r.AddOpaque(0, 0, 0);
  r.AddLayer(1, 2000);
  r.CreateTextSpriteObjectData('caption');
  r.AddTextSpriteIDResource(0, 2000);
  r.AddOffset(100, 40, 0, 2000);
  r.AddLayer(2, 2000);

  // Red starts under green and goes over it at 500 ms.
  r.CreateAnimationData('layers');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateSpriteObjectData('red');
  r.AddSpriteIDResource(0, 1000);
  r.AddOffset(0, 0, 0, 1000);
  r.AddLayer(1, 500);
  r.AddLayer(3, 500);
  r.CreateSpriteObjectData('green');
  r.AddSpriteIDResource(1, 1000);
  r.AddOffset(16, 0, 0, 1000);
  r.AddLayer(2, 1000);

  // A 10 x 10 clip rectangle centred on (20, 10), then a red sprite at the origin.
  r.CreateAnimationData('clipped');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateClippingObjectData('');
  r.AddOffset(20, 10, 0, 1000);
  r.AddZoom(10, 10, 0, 1000);
  r.AddHotspot(5000, 5000, 0, 1000);
  r.AddLayer(1, 1000);
  r.CreateSpriteObjectData('red');
  r.AddSpriteIDResource(0, 1000);
  r.AddLayer(2, 1000);

  // Colour track (255, 128, 0) over the green sprite, blend mode 0 then 2.
  r.CreateAnimationData('tinted');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateSpriteObjectData('green');
  r.AddSpriteIDResource(1, 1000);
  r.AddColor(255, 255, 128, 0, 0, 1000);
  r.AddBlendMode(0, 500);
  r.AddBlendMode(2, 500);

  // The banner's text with a red colour track under blend mode 2.
  r.CreateAnimationData('red_text');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateTextSpriteObjectData('caption');
  r.AddTextSpriteIDResource(0, 1000);
  r.AddOffset(100, 40, 0, 1000);
  r.AddColor(255, 255, 0, 0, 0, 1000);
  r.AddBlendMode(2, 1000);

  // Particles of file 5 at (20, 70), drawn with the panel texture (through sprite 0).
  r.CreateAnimationData('spray');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateParticleSystem('spray');
  r.AddParticleID(5, 1000);
  r.AddParticleIDSprite(0, 1000);
  r.AddParticleCommand(1, 1000);
  r.AddOffset(20, 70, 0, 1000);

  // A red sprite centred on (50, 50); one without a sprite; one that wanders 5 px left and
  // right of x = 100 with a period of 100 ms.
  r.CreateAnimationData('sprites');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateSpriteObjectData('centred');
  r.AddSpriteIDResource(0, 1000);
  r.AddHotspot(5000, 5000, 0, 1000);
  r.AddOffset(50, 50, 0, 1000);
  r.CreateSpriteObjectData('empty');
  r.AddOffset(10, 10, 0, 1000);
  r.CreateSpriteObjectData('wander');
  r.AddSpriteIDResource(0, 1000);
  r.AddOffset(100, 0, 0, 1000);
  r.AddParamModifier(2, 1, 1, -5.0f, 5.0f, 100.0f, 100.0f);

  // Red, green, red, green for 100 ms each, centred on (50, 50); apart, a red sprite with
  // the hot spot at its corner.
  r.CreateAnimationData('frames');
  r.AddNamedPart('all', 0, 400, 1);
  r.CreateSpriteObjectData('flip');
  r.AddSpriteIDResource(0, 100);
  r.AddSpriteIDResource(1, 100);
  r.AddSpriteIDResource(0, 100);
  r.AddSpriteIDResource(1, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOffset(50, 50, 0, 400);
  r.CreateAnimationData('still');
  r.AddNamedPart('all', 0, 400, 1);
  r.CreateSpriteObjectData('still');
  r.AddSpriteIDResource(0, 400);
  r.AddOffset(100, 0, 0, 400);

  // Sound 7 (150 ms): played at 0, paused at 100, resumed at 200. Sound 8 (100 ms): played
  // and repeated until 600, then stopped.
  r.CreateAnimationData('sounds');
  r.AddNamedPart('all', 0, 1000, 1);
  r.CreateSoundObjectData('beep');
  r.AddParamSound(7, 0, 1000);
  r.AddActionSound(1, 100);
  r.AddActionSound(3, 100);
  r.AddActionSound(1, 800);
  r.CreateSoundObjectData('loop');
  r.AddParamSound(8, 0, 1000);
  r.AddActionSound(2, 600);
  r.AddActionSound(4, 400);
}
)";

// A font file, big-endian: magic, metrics 1 to 3, spacing, pages, then the glyphs.
inline std::string SceneFontFile() {
  std::string bytes = "\x07HGEFN10";
  auto u16 = [&bytes](int v) {
    bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
    bytes.push_back(static_cast<char>(v & 0xFF));
  };
  for (int v : {0, 8, 10, 0, 1}) u16(v);  // metrics 0, 8, 10; spacing 0; one page
  u16(2);
  for (int v : {int{'H'}, 0, 0, 8, 0, 0, 0, 8, 10})
    u16(v);  // code, page, left, right, top, x, y, w, h
  for (int v : {int{'I'}, 0, 0, 4, 0, 8, 0, 4, 10}) u16(v);
  return bytes;
}

// Particles that stay where they are born, 8 pixels wide, opaque white, 100 a second.
inline GF::HGENS::ParticleFile SceneParticleFile() {
  GF::HGENS::ParticleFile file = QuietParticleFile();
  file.params.emissionRate = 100.0f;
  return file;
}

// "Binary\textdata.txt": UTF-16LE behind a byte-order mark; text lines carry 8 leading units.
inline std::vector<std::uint8_t> SceneTextTable() {
  const std::u16string text = u"\uFEFFbanner\r\n        HI\r\n";
  std::vector<std::uint8_t> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

// The deterministic mode: frames of 10 ms (the engine's frame time), no sound device; the
// engine mixes one step of sound before each frame. Derive from it before SceneFixture.
class ReplayMode {
 protected:
  ReplayMode() : script(WriteScript()), replay("PANMASTER_REPLAY", script) {}

 private:
  static std::string WriteScript() {
    const auto path = pm::test::MakeTempDir("replay") / "sound.replay";
    std::ofstream(path) << "step 10\n";
    return path.string();
  }
  std::string script;
  pm::test::ScopedEnv replay;
};

class SceneFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session.IsInitiated());
    dir = MakeTempDir("scene");
    std::vector<std::uint32_t> panel(64 * 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 64; ++x) panel[y * 64 + x] = x < 32 ? 0xFFFF0000 : 0xFF00FF00;
    std::vector<PackEntry> entries = {
        {"Texture/0.jp2", Bytes(pm::codecs::EncodeJp2Argb(64, 16, panel, 3))},
        {"Font/0.fnt", SceneFontFile()},
        {"Font/0/0_000.jp2", Bytes(pm::codecs::EncodeJp2Argb(
                                 16, 16, std::vector<std::uint32_t>(16 * 16, 0xFFFFFFFF), 3))},
        {"Particle/5.PSI", Bytes(SceneParticleFile().Write())}};
    AddPackEntries(entries);
    const std::string pack = (dir / "scene.dat").string();
    ASSERT_TRUE(WritePack(pack, entries));
    ASSERT_TRUE(session.engine().AttachPack(pack.c_str()));

    const auto source = dir / "effects.as";
    std::ofstream(source, std::ios::binary) << kSceneScript;
    const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*GF::HGENS::GetResources());
    ASSERT_TRUE(reader->LoadScript((dir / "effects.bs").string().c_str(), source.string().c_str()));
    ASSERT_TRUE(reader->CallFillResource());
    const std::vector<std::uint8_t> table = SceneTextTable();
    GF::HGENS::TextTable::Instance().Parse(table.data(), table.size());
    scene = GF::MakeHolder<GF::HGENS::CScene>();
    session.ClearLog();
  }

  void TearDown() override {
    if (scene) scene->Clear();
    scene.Reset();
    GF::HGENS::TextTable::Instance().Clear();
    GF::HGENS::GetResources()->Unload();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }

  // Runs frames through the engine's loop: frame(n) for n = 1, 2, ... until it returns false.
  void RunFrames(std::function<bool(int)> frame) {
    static std::function<bool(int)>* current = nullptr;
    static int count = 0;
    current = &frame;
    count = 0;
    session.engine().SetStateFunc(EngineState::Frame, [] { return !(*current)(++count); });
    ASSERT_TRUE(session.engine().Start());
    current = nullptr;
  }

  // More files for the pack (sounds).
  virtual void AddPackEntries(std::vector<PackEntry>&) {}

  // Updates the scene in steps of at most 50 ms until ms have passed.
  void Run(float ms) {
    for (; ms > 0.0f; ms -= 50.0f) scene->Update(std::min(ms, 50.0f));
  }

  std::vector<std::uint32_t> Draw(int w = 160, int h = 80) {
    return session.Draw(w, h, [this] { scene->Render(); });
  }

  RenderSession session;
  std::filesystem::path dir;
  GF::THolder<GF::HGENS::CScene> scene;
};

}  // namespace pm::test
