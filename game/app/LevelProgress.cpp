#include "game/app/LevelProgress.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"

namespace {

// Index bands of the upgrade table: stage upgrade levels, named rewards, items.
constexpr std::int32_t FirstUpgradeIdIndex = 2;
constexpr std::int32_t LastUpgradeIdIndex = 22;
constexpr std::int32_t FirstNameIndex = 24;
constexpr std::int32_t LastNameIndex = 43;
constexpr std::int32_t FirstItemIndex = 45;

bool IsPassed(int place, int stage) {
  if (place < 1) return false;
  if (stage <= 5) return place <= 3;  // stage 0 (unknown) too
  if (stage == 6) return place <= 2;
  return stage == 7 && place == 1;
}

// A level without an upgrade reports whether the player has come to the stage's last level.
bool ReachedStagesLastLevel(PlayerProfile& profile) {
  return IntegerPart(profile.Floats[ProfileFloat::LevelInStage]) ==
         LevelCountOfStage(profile.StageKey);
}

template <typename T>
bool Contains(const std::vector<T>& list, const T& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

const LevelDescription& FindLevel(const std::string& levelKey) {
  static const LevelDescription none;
  const auto found = LevelTable.find(levelKey);
  return found != LevelTable.end() ? found->second : none;
}

const StageDescription& FindStage(const std::string& stageKey) {
  static const StageDescription none;
  const auto found = StageTable.find(stageKey);
  return found != StageTable.end() ? found->second : none;
}

const UpgradeRecord& FindUpgrade(std::int32_t levelIndex) {
  static const UpgradeRecord none;
  const auto found = UpgradeTable.find(levelIndex);
  return found != UpgradeTable.end() ? found->second : none;
}

int LevelCountOfStage(const std::string& stageKey) {
  return FindStage(stageKey).LevelCount;
}

std::string GetCurrentLevelKey() {
  if (!TestLevelKey.empty()) return TestLevelKey;
  PlayerProfile& profile = CurrentProfile();
  for (std::int32_t id : {ProfileString::LevelKeyOverride, ProfileString::LevelKeySecondary}) {
    const std::string& key = profile.Strings[id];
    if (!key.empty()) return key;
  }
  return "stage" + std::to_string(IntegerPart(profile.Floats[ProfileFloat::StageNumber])) + "_" +
         std::to_string(IntegerPart(profile.Floats[ProfileFloat::LevelInStage]));
}

std::string GetStageKey(int stageNumber) {
  const std::string* best = nullptr;
  for (const auto& [key, stage] : StageTable)
    if (stage.StageNumber == stageNumber && (!best || key < *best)) best = &key;
  return best ? *best : std::string();
}

int GetStageNumber(const std::string& stageKey) {
  return FindStage(stageKey).StageNumber;
}

int GetCurrentStageNumber() {
  const std::string& levelKey = CurrentProfile().Strings[ProfileString::CurrentLevelKey];
  return GetStageNumber(FindLevel(levelKey).StageKey);
}

void UpdateLevelProgress() {
  PlayerProfile& profile = CurrentProfile();
  const int p = IntegerPart(profile.Floats[ProfileFloat::CurrentPlace]);
  if (p < 1 || (p >= 100 && p <= 200)) {  // no place, or a bonus level's result
    profile.Floats[ProfileFloat::LastLevelOutcome] = 0.0f;
    return;
  }
  const int place = p % 100;  // duel places 201 and 202
  const std::string levelKey = profile.Strings[ProfileString::CurrentLevelKey];
  LevelRecord& record = profile.LevelRecords[levelKey];  // made even for a failed level
  const int stage = GetStageNumber(profile.StageKey);
  if (!IsPassed(place, stage)) {
    profile.Floats[ProfileFloat::LastLevelOutcome] = -1.0f;
  } else {
    if (record.BestPlace < 1 || record.BestPlace > place) {
      if (place == 1 && GrantStageUpgrade(levelKey))
        profile.Floats[ProfileFloat::UpgradeGranted] = 1.0f;
      record.BestPlace = place;
    }
    if (stage < 7) profile.Floats[ProfileFloat::LastLevelOutcome] = 1.0f;
  }
  SaveProfiles();
}

bool GrantStageUpgrade(const std::string& levelKey) {
  PlayerProfile& profile = CurrentProfile();
  const LevelDescription& level = FindLevel(levelKey);
  const std::int32_t index = level.LevelIndex;
  const UpgradeRecord& upgrade = FindUpgrade(index);
  // A level whose upgrade the table lacks grants nothing: an empty record would show the
  // player an outfit screen without an outfit.
  if (!UpgradeTable.contains(index)) return ReachedStagesLastLevel(profile);

  if (index >= FirstUpgradeIdIndex && index <= LastUpgradeIdIndex) {
    std::vector<std::int32_t>& ids = profile.StageRecords[level.StageKey].UpgradeIds;
    if (Contains(ids, upgrade.UpgradeId)) return false;
    ids.push_back(upgrade.UpgradeId);
    profile.Floats[ProfileFloat::Value17] = 1.0f;
    return true;
  }
  if (index >= FirstNameIndex && index <= LastNameIndex) {
    if (Contains(profile.UpgradeNames, upgrade.Name)) return false;
    profile.UpgradeNames.push_back(upgrade.Name);
    profile.Floats[ProfileFloat::Value17] = 1.0f;
    return true;
  }
  if (index >= FirstItemIndex) {
    auto [entry, added] =
        profile.StageRecords[level.StageKey].Items.try_emplace(upgrade.Text(), upgrade.Name);
    if (!added) return false;
    profile.LastGrantedItem = upgrade.Text();
    return true;
  }
  return ReachedStagesLastLevel(profile);
}

void SyncStageUpgrade(bool store) {
  PlayerProfile& profile = CurrentProfile();
  StageRecord& record = profile.StageRecords[profile.StageKey];
  if (!store) {
    profile.Floats[ProfileFloat::StageUpgrade] = static_cast<float>(record.Upgrade);
    return;
  }
  record.Upgrade = IntegerPart(profile.Floats[ProfileFloat::StageUpgrade]);
  SaveProfiles();
}

int GetPlayerPlace(const std::string& stageKey) {
  const std::map<std::int32_t, float> totals = StageTotals(stageKey);
  if (!totals.contains(PlayerCompetitorId)) return 0;
  std::vector<StageStanding> ranking;
  for (const auto& [id, points] : totals) ranking.push_back({id, points});
  RankStandings(ranking);
  const auto player = std::find_if(ranking.begin(), ranking.end(), [](const StageStanding& entry) {
    return entry.CompetitorId == PlayerCompetitorId;
  });
  return 1 + static_cast<int>(player - ranking.begin());
}

std::map<std::int32_t, float> StageTotals(const std::string& stageKey) {
  std::map<std::int32_t, float> totals;
  for (const auto& [levelKey, record] : CurrentProfile().LevelRecords) {
    const auto level = LevelTable.find(levelKey);
    if (level == LevelTable.end() || level->second.StageKey != stageKey) continue;
    for (const auto& [id, points] : record.Scores) totals[id] += points;
  }
  return totals;
}

void RankStandings(std::vector<StageStanding>& standings) {
  auto total = [](float points) { return std::isnan(points) ? -INFINITY : points; };
  std::stable_sort(
      standings.begin(), standings.end(), [&total](const StageStanding& a, const StageStanding& b) {
        if (total(a.Total) != total(b.Total)) return total(a.Total) > total(b.Total);
        return a.CompetitorId == PlayerCompetitorId && b.CompetitorId != PlayerCompetitorId;
      });
}
