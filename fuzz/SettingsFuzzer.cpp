// The settings file "Setting" with the progress block, as the game manager loads it at
// start-up with the game's handlers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "fuzz/FuzzSupport.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProgressBlock.h"
#include "game/app/ProgressSave.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace {

std::string SettingPath() {
  return Os::Utf16ToUtf8(GF::HGENS::GetGameManager()->GetSavePath(L"Setting"));
}

}  // namespace

// The save folder goes below the work folder; the seed is a save of two players.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("XDG_DATA_HOME", (pm::fuzz::WorkDir() + "/data").c_str(), 1);
  pm::fuzz::TheEngine().SetStateString(EngineState::Title, "Panmaster Fuzz");
  SubscribeProgressEvents(*GF::HGENS::GetGameManager());
  AddPlayer(L"Ann");
  CurrentProfile().Floats[ProfileFloat::StageNumber] = 2.0f;
  CurrentProfile().LevelRecords["stage1_1"].BestPlace = 1;
  AddPlayer(L"Bob \u00E9");
  GF::HGENS::GetGameManager()->SaveSettings();
  pm::fuzz::WriteSeed("Setting", pm::fuzz::ReadFile(SettingPath()));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = SettingPath();
  pm::fuzz::WriteFile(path, data, size);
  GameProgress = ProgressBlock{};  // each input from the same state
  GF::HGENS::GetGameManager()->LoadSettings();
  return 0;
}
