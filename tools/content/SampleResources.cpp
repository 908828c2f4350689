#include "tools/content/SampleResources.h"

#include "tools/content/SampleCookBook.h"
#include "tools/content/SampleCurtain.h"
#include "tools/content/SampleFrameworkScreens.h"
#include "tools/content/SampleGameScreen.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleMenusScreens.h"
#include "tools/content/SamplePowerBonuses.h"
#include "tools/content/SampleResultsScreens.h"
#include "tools/content/SampleStageEnd.h"
#include "tools/content/SampleStoryScreens.h"
#include "tools/content/SampleTrophyRoom.h"
#include "tools/content/SampleUnlockScreens.h"

bool WriteSampleResources(const std::filesystem::path& outDir) {
  bool ok = WriteSampleResourceScript(outDir);
  ok = WriteSampleTextTable(outDir) && ok;
  ok = WriteSampleTextures(outDir) && ok;
  ok = WriteSampleFont(outDir) && ok;
  ok = WriteSampleSounds(outDir) && ok;
  ok = WriteSampleIcon(outDir) && ok;
  ok = WriteFrameworkScreenImages(outDir, static_cast<int>(SampleTextures().size())) && ok;
  ok = WriteSampleCookBook(outDir) && ok;
  ok = WriteSampleArt(outDir) && ok;
  ok = WriteMapScreenFiles(outDir) && ok;
  ok = WriteCurtainSounds(outDir) && ok;
  ok = WriteMenusScreenSounds(outDir) && ok;
  ok = WriteResultsScreenFiles(outDir) && ok;
  ok = WriteUnlockScreenSounds(outDir) && ok;
  ok = WriteStageEndFiles(outDir) && ok;
  ok = WriteGameScreenSounds(outDir) && ok;
  ok = WriteStoryScreenSounds(outDir) && ok;
  ok = WritePowerBonusFiles(outDir) && ok;
  ok = WriteTrophyRoomFiles(outDir) && ok;
  return ok;
}
