#include "game/app/CCheatClass.h"

#include <map>
#include <utility>

#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "platform/Engine.h"

bool CheatModeEnabled = false;

namespace {

constexpr const wchar_t* kSecretWord = L"panmasterdevelopermodeunlocksthekitchens";
constexpr wchar_t kUnlockKey = L'7';
constexpr std::int32_t kPlayerId = 6;
constexpr float kCheatPoints = 250.0f;
constexpr int kLastStage = 7;
constexpr int kComicsCount = 50;
constexpr std::int32_t kTipShows = 10;

void LogChar(wchar_t c) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("%C", c);
  engine->Release();
}

// Every level of stages 1 to 7, by key, so that every run books them in the same order.
std::map<std::string, const LevelDescription*> LevelsToComplete() {
  std::map<std::string, const LevelDescription*> levels;
  for (const auto& [key, level] : LevelTable) {
    const int stage = GetStageNumber(level.StageKey);
    if (stage >= 1 && stage <= kLastStage) levels.emplace(key, &level);
  }
  return levels;
}

void UnlockRecipes(const LevelDescription& level) {
  PlayerProfile& profile = CurrentProfile();
  for (const LevelOrderRecord& order : level.Orders)
    if (order.IsCustomer()) profile.Unlocked[order.RecipeKey] = true;
}

void PutOnLastLevel() {
  std::map<std::int32_t, float>& floats = CurrentProfile().Floats;
  floats[ProfileFloat::StageNumber] = static_cast<float>(kLastStage);
  floats[ProfileFloat::LevelInStage] = 8.0f;
  floats[ProfileFloat::Value34] = 1.0f;
  floats[ProfileFloat::StoryProgress] = 100.0f;
  for (std::int32_t id : {ProfileFloat::Value14, ProfileFloat::Value16, ProfileFloat::Value17,
                          ProfileFloat::UpgradeGranted})
    floats[id] = 0.0f;
  CurrentProfile().StageKey = GetStageKey(kLastStage);
}

void MarkStorySeen() {
  PlayerProfile& profile = CurrentProfile();
  for (int n = 0; n < kComicsCount; ++n) {
    profile.Flags["comics_" + std::to_string(n)] = true;
    profile.TipCounts[n] = kTipShows;
  }
}

}  // namespace

CCheatClass::CCheatClass(std::wstring word) : m_word(std::move(word)) {}

CCheatClass& CCheatClass::Instance() {
  static CCheatClass watcher(kSecretWord);
  return watcher;
}

void CCheatClass::OnChar(wchar_t c) {
  const int length = static_cast<int>(m_word.size());
  if (m_position >= length) return;
  if (c == m_word[static_cast<std::size_t>(m_position)]) {
    LogChar(c);
    if (++m_position < length) return;
    CheatModeEnabled = !CheatModeEnabled;
    m_position = 0;
  } else if (CheatModeEnabled && c == kUnlockKey) {
    UnlockEverything(c);
  } else {
    m_position = 0;
  }
}

void CCheatClass::UnlockEverything(wchar_t) {
  for (const auto& [key, level] : LevelsToComplete()) {
    CheatCompleteLevel(key);
    GrantStageUpgrade(key);
    UnlockRecipes(*level);
  }
  PutOnLastLevel();
  MarkStorySeen();
}

void CheatCompleteLevel(const std::string& levelKey) {
  PlayerProfile& profile = CurrentProfile();
  LevelRecord& record = profile.LevelRecords[levelKey];
  float& place = profile.Floats[ProfileFloat::CurrentPlace];
  if (place < 100.0f) {
    place = 1.0f;
    record.BestPlace = 1;
  }
  profile.Floats[ProfileFloat::LevelPoints] = kCheatPoints;
  record.Scores[kPlayerId] = kCheatPoints;
  for (const LevelRival& rival : FindLevel(levelKey).Rivals)
    record.Scores[rival.CompetitorId] = static_cast<float>(rival.TargetScore);
  // The booking is of the level named as the current one: this level, for the call.
  std::string& current = profile.Strings[ProfileString::CurrentLevelKey];
  const std::string played = std::exchange(current, levelKey);
  UpdateLevelProgress();
  current = played;
}
