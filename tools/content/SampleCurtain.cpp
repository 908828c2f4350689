#include "tools/content/SampleCurtain.h"

#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

std::string MakeCurtainScript(const std::string& before) {
  std::string part = R"(
// The curtain's cloth where the screens look for it: one sprite of the art's curtain.
// A stage for it: the menu's background, opaque from the first frame, so the curtain opens
// on the screen and not on what an earlier frame left.
void Curtain(CResourceReader@ r) {
  r.CreateModule('effects');
  r.CreateAnimationData('shtora');
  r.AddNamedPart('all', 0, 100, 1);
  r.CreateSpriteObjectData('cloth');
  r.AddSpriteIDResource({art:curtain}, 100);
  r.AddLayer(0, 100);
  r.CreateModule('main_menu');
  r.CreateAnimationData('curtain_stage');
  ShowIdleHide(r, 300, 1000, 300);
  r.CreateSpriteObjectData('background');
  r.AddSpriteIDResource(0, 1600);
  r.AddHotspot(5000, 5000, 0, 1600);
  r.AddLayer(0, 1600);
}
)";
  FillArtSprites(part, before);
  return part;
}

void AddCurtainPaths(GameData& data) {
  // x is the run's progress, y the curve's value: the gather spreads the cloth at 0 and
  // gathers it at the sides at 1; a shape of 0 gathers every row alike.
  const MotionPath paths[] = {
      {"curtain_open", {{0.0f, 0.0f}, {1.0f, 1.0f}}},
      {"curtain_open_2", {{0.0f, 0.0f}, {1.0f, 0.0f}}},
      {"curtain_close", {{0.0f, 1.0f}, {1.0f, 0.0f}}},
      {"curtain_close_2", {{0.0f, 0.0f}, {1.0f, 0.0f}}},
  };
  for (const MotionPath& path : paths) data.MotionPathTable[path.Name] = path;
}

bool WriteCurtainSounds(const std::filesystem::path& outDir) {
  // A low swish for the curtain, a short high tick for the mouse passing over a button.
  const bool ok = WriteContentFile(outDir, "Sound/curtain.ogg", EncodeSampleTone(220.0, 70.0, 1.0));
  return WriteContentFile(outDir, "Sound/mouse_over.ogg", EncodeSampleTone(1500.0, 1800.0, 0.05)) &&
         ok;
}
