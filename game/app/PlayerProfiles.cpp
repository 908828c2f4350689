#include "game/app/PlayerProfiles.h"

#include <cmath>
#include <limits>
#include <utility>

#include "framework/core/CGameProperties.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "game/app/GameData.h"
#include "platform/Engine.h"

ProgressBlock GameProgress;

namespace {

// The profile of the empty name as "gamedata.bin" gives it, or an empty one.
PlayerProfile MakeDefaultProfile() {
  const auto found = DefaultProgressBlock.Players.find(std::wstring());
  PlayerProfile profile =
      found != DefaultProgressBlock.Players.end() ? found->second : PlayerProfile{};
  profile.Name.clear();
  return profile;
}

void EnsureDefaultProfile() {
  if (!GameProgress.Players.contains(std::wstring()))
    GameProgress.Players.emplace(std::wstring(), MakeDefaultProfile());
}

// Current player := name (a stored profile), carrying the transient strings over.
void SwitchTo(const std::wstring& name) {
  CarryOverPlayerStrings(CurrentProfile(), GameProgress.Players.at(name));
  GameProgress.CurrentPlayer = name;
}

}  // namespace

int IntegerPart(float value) {
  if (std::isnan(value)) return 0;
  // Compared as doubles: every int is exact there.
  const double truncated = std::trunc(static_cast<double>(value));
  if (truncated <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (truncated >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(truncated);
}

void ResetProgressToDefault() {
  GameProgress = DefaultProgressBlock;
  EnsureCurrentPlayer();
}

PlayerProfile& CurrentProfile() {
  auto [it, made] = GameProgress.Players.try_emplace(GameProgress.CurrentPlayer);
  if (made) it->second.Name = GameProgress.CurrentPlayer;
  return it->second;
}

PlayerProfile* FindProfile(const std::wstring& name) {
  const auto found = GameProgress.Players.find(name);
  return found != GameProgress.Players.end() ? &found->second : nullptr;
}

std::vector<std::wstring> GetPlayerNames() {
  std::vector<std::wstring> names;
  names.reserve(GameProgress.Players.size());
  for (const auto& entry : GameProgress.Players)
    if (!entry.first.empty()) names.push_back(entry.first);
  return names;  // the map keeps them sorted
}

bool AddPlayer(const std::wstring& name) {
  if (name.empty() || GameProgress.Players.contains(name)) {
    SelectPlayer(name);
    return false;
  }
  GameProgress.Players[name].Name = name;
  CopyProfile(name);
  SelectPlayer(name);
  return true;
}

bool SelectPlayer(const std::wstring& name) {
  if (name == GameProgress.CurrentPlayer || !GameProgress.Players.contains(name)) return false;
  SwitchTo(name);
  SaveProfiles();
  return true;
}

bool DeletePlayer(std::wstring name) {
  if (name.empty() || !GameProgress.Players.contains(name)) return false;
  std::wstring next;
  for (const std::wstring& other : GetPlayerNames()) {
    if (other != name) {
      next = other;
      break;
    }
  }
  if (next.empty()) EnsureDefaultProfile();
  if (next != GameProgress.CurrentPlayer) SwitchTo(next);
  GameProgress.Players.erase(name);
  // Saved only now, so the file never keeps a profile the player has removed.
  SaveProfiles();
  return true;
}

void CopyProfile(const std::wstring& name) {
  const PlayerProfile* source = FindProfile(std::wstring());
  PlayerProfile* target = FindProfile(name);
  if (!source || !target || source == target) return;
  target->Floats = source->Floats;
  target->Strings = source->Strings;
  target->StageKey = source->StageKey;
}

void CarryOverPlayerStrings(PlayerProfile& first, PlayerProfile& second) {
  if (&first == &second) return;
  for (std::int32_t id : {ProfileString::ShadesShowRequest, ProfileString::ShadesHideRequest,
                          ProfileString::Value30}) {
    second.Strings[id] = std::exchange(first.Strings[id], std::string());
  }
  first.Strings[ProfileString::LevelKeyOverride].clear();
}

void EnsureCurrentPlayer() {
  if (GameProgress.Players.contains(GameProgress.CurrentPlayer)) return;
  EnsureDefaultProfile();
  GameProgress.CurrentPlayer.clear();
}

void SaveProfiles() {
  GF::HGENS::GetGameManager()->SaveSettings();
}

void ApplyCustomCursor(bool custom) {
  const GF::THolder<GF::HGENS::ICustomCursor> cursor = GF::HGENS::GetCustomCursor();
  if (!cursor) return;
  if (custom) {
    cursor->Enable(CustomCursorAnimation);
  } else {
    cursor->Disable();
  }
}

void ApplyMusicVolume(int volume) {
  GF::HGENS::GetGameProperties()->SetInt("MusicVolume", volume);
  if (GF::THolder<GF::IMusic> music = GF::HGENS::GetMusic()) music->ApplyVolume();
}

void ApplyProfileSettings() {
  PlayerProfile& profile = CurrentProfile();
  ApplyCustomCursor(IntegerPart(profile.Floats[ProfileFloat::CustomCursor]) != 0);
  ApplyMusicVolume(IntegerPart(profile.Floats[ProfileFloat::MusicVolume]));
  GF::HGENS::GetGameProperties()->SetInt("SoundVolume",
                                         IntegerPart(profile.Floats[ProfileFloat::SoundVolume]));
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateBool(EngineState::Windowed, profile.Floats[ProfileFloat::FullScreen] == 0.0f);
  engine->Release();
}
