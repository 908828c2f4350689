#include "game/app/SoundShortcuts.h"

#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/CBaseControl.h"
#include "game/app/GameData.h"
#include "platform/Engine.h"

namespace {

constexpr std::int32_t kControlClickSound = 2;
constexpr std::int32_t kControlHoverSound = 3;

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

void OnControlClickSound(GF::THolder<GF::HGENS::CBaseControl> control, const GF::TPoint<int>&,
                         int) {
  if (control && control->IsEnabled()) PlaySoundById(kControlClickSound);
}

void OnControlHoverSound(GF::THolder<GF::HGENS::CBaseControl> control) {
  if (control && control->IsEnabled()) PlaySoundById(kControlHoverSound);
}

void AttachControlSounds(GF::THolder<GF::HGENS::CBaseControl> control) {
  if (!control) return;
  control->clickEvent.Subscribe(GF::MakeDelegate(&OnControlClickSound));
  control->overEvent.Subscribe(GF::MakeDelegate(&OnControlHoverSound));
}
