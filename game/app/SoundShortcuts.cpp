#include "game/app/SoundShortcuts.h"

#include "framework/engine/app/Services.h"
#include "game/app/GameData.h"
#include "platform/Engine.h"

namespace {

std::string& CurrentMusicName() {
  static std::string name;
  return name;
}

void PlayOnce(const std::string& name) {
  if (GF::THolder<GF::HGENS::IGameSound> sound = GF::HGENS::GetGameSound())
    sound->Play(name, 1, 0.0f, 0.0f, 0.0f);
}

}  // namespace

void PlaySoundById(std::int32_t number) {
  const auto found = SoundNameTable.find(number);
  if (found == SoundNameTable.end()) {
    Engine* engine = hgeCreate(ENGINE_VERSION);
    engine->Log("[W] SOUND NUMBER %d NOT FOUND", static_cast<int>(number));
    engine->Release();
    return;
  }
  PlayOnce(found->second.Name);
}

void PlaySoundByName(const std::string& name) {
  PlayOnce(name);
}

void StopSoundByName(const std::string& name) {
  if (GF::THolder<GF::HGENS::IGameSound> sound = GF::HGENS::GetGameSound()) sound->Stop(name);
}

void PlayMusic(const std::string& name) {
  if (name == CurrentMusicName()) return;
  StopMusic();
  CurrentMusicName() = name;
  if (GF::THolder<GF::IMusic> music = GF::HGENS::GetMusic()) music->Play(name, true);
}

void StopMusic() {
  std::string& current = CurrentMusicName();
  if (current.empty()) return;
  if (GF::THolder<GF::IMusic> music = GF::HGENS::GetMusic()) music->Stop(current, true);
  current.clear();
}

std::string GetCurrentMusicName() {
  return CurrentMusicName();
}
