#include "game/app/ProgressSave.h"

#include <utility>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CGameProperties.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "game/app/PlayerProfiles.h"

namespace {

constexpr int DefaultMusicVolume = 60;
constexpr int DefaultSoundVolume = 100;

bool ReadSavedBlock(GF::CStreamReader& reader) {
  ProgressBlock block;
  ReadProgressBlock(reader, block);
  if (!reader.Ok()) return false;
  GameProgress = std::move(block);
  return true;
}

// Transient values of a session: none of them survives a restart.
void ClearTransientProperties(PlayerProfile& profile) {
  for (std::int32_t id :
       {ProfileString::LevelKeyOverride, ProfileString::Value30, ProfileString::Value28})
    profile.Strings[id].clear();
  for (std::int32_t id : {ProfileFloat::Value35, ProfileFloat::Value17,
                          ProfileFloat::UpgradeGranted, ProfileFloat::LastLevelOutcome})
    profile.Floats[id] = 0.0f;
  profile.Strings[ProfileString::Value33].clear();
}

}  // namespace

void SaveProgress(GF::COutputStream& out) {
  WriteProgressBlock(out, GameProgress);
}

bool LoadProgress(GF::CInputStream& in) {
  GF::CStreamReader reader(in);
  return ReadSavedBlock(reader);
}

void OnSaveProfiles(GF::THolder<GF::IDataOutputStream> stream) {
  if (!stream) return;
  GF::WriteInt32BE(*stream, GameProgress.Version);
  SaveProgress(*stream);
}

void OnLoadProfiles(GF::THolder<GF::IDataInputStream> stream) {
  if (!stream) return;
  GF::CStreamReader reader(*stream);
  const std::int32_t version = reader.Int32BE();
  // A damaged block counts as one of another version: the block in force stays whole.
  if (!reader.Ok() || version != GameProgress.Version || !ReadSavedBlock(reader)) {
    ApplySoundSettings();
    return;
  }
  EnsureCurrentPlayer();
  ClearTransientProperties(CurrentProfile());
}

void ApplySoundSettings() {
  GF::THolder<GF::CGameProperties> properties = GF::HGENS::GetGameProperties();
  properties->SetInt("MusicVolume", DefaultMusicVolume);
  properties->SetInt("SoundVolume", DefaultSoundVolume);
  if (GF::THolder<GF::IMusic> music = GF::HGENS::GetMusic()) music->ApplyVolume();
}

void SubscribeProgressEvents(GF::HGENS::CGameManager& manager) {
  manager.LoadSettingsEvent().Subscribe(GF::MakeDelegate(&OnLoadProfiles));
  manager.SaveSettingsEvent().Subscribe(GF::MakeDelegate(&OnSaveProfiles));
  manager.ResetSettingsEvent().Subscribe(GF::MakeDelegate(&ApplySoundSettings));
}
