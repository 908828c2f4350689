#include "tools/content/SampleResources.h"

bool WriteSampleResources(const std::filesystem::path& outDir) {
  bool ok = WriteSampleResourceScript(outDir);
  ok = WriteSampleTextTable(outDir) && ok;
  ok = WriteSampleTextures(outDir) && ok;
  ok = WriteSampleFont(outDir) && ok;
  ok = WriteSampleSounds(outDir) && ok;
  return ok;
}
