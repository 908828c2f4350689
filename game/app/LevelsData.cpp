#include "game/app/LevelsData.h"

#include <utility>

#include "game/app/CSectionTracker.h"
#include "game/app/DataFileFormat.h"
#include "game/app/IDataFileSource.h"

LevelsData LevelsDatabase;

namespace {
constexpr const char* FileName = "levelsdata.bin";
constexpr std::size_t MinUpgradeBytes = 18;
constexpr std::size_t MinBonusBytes = 10;
constexpr std::size_t MinRecipeBytes = 30;
constexpr std::size_t MinStageBytes = 13;
constexpr std::size_t MinLevelBytes = 64;
constexpr std::size_t MinGroupBytes = 8;
}  // namespace

const char* ReadLevelsData(GF::CStreamReader& in, LevelsData& data) {
  CSectionTracker sections(in);
  sections.Section("section 1 (upgrades)", [&] {
    ReadKeyed(in, data.UpgradeTable, MinUpgradeBytes, ReadUpgradeRecord,
              [](const UpgradeRecord& u) { return u.LevelIndex; });
  });
  sections.Section("section 2 (test level)", [&] { data.TestLevelKey = in.String(); });
  sections.Section("section 3 (bonuses)", [&] {
    ReadKeyed(in, data.BonusTable, MinBonusBytes, ReadBonusDescription,
              [](const BonusDescription& b) { return b.Kind; });
  });
  sections.Section("section 4 (recipes)", [&] {
    ReadKeyed(in, data.RecipeTable, MinRecipeBytes, ReadRecipeRecord,
              [](const RecipeRecord& r) { return r.RecipeKey; });
  });
  sections.Section("section 5 (stages)", [&] {
    ReadKeyed(in, data.StageTable, MinStageBytes, ReadStageDescription,
              [](const StageDescription& s) { return s.StageKey; });
  });
  sections.Section("section 6 (levels)", [&] {
    ReadKeyed(in, data.LevelTable, MinLevelBytes, ReadLevelDescription,
              [](const LevelDescription& l) { return l.LevelKey; });
  });
  sections.Section("section 7 (cook-book groups)",
                   [&] { ReadList(in, data.CookBookGroups, MinGroupBytes, ReadCookBookGroup); });
  sections.Section("section 8 (cook-book layout values)",
                   [&] { ReadList(in, data.CookBookLayoutValues, MinFloatBytes, ReadFloatItem); });
  return sections.Failed();
}

void WriteLevelsData(GF::COutputStream& out, const LevelsData& data) {
  WriteKeyed(out, data.UpgradeTable, WriteUpgradeRecord);
  GF::WriteString(out, data.TestLevelKey);
  WriteKeyed(out, data.BonusTable, WriteBonusDescription);
  WriteKeyed(out, data.RecipeTable, WriteRecipeRecord);
  WriteKeyed(out, data.StageTable, WriteStageDescription);
  WriteKeyed(out, data.LevelTable, WriteLevelDescription);
  WriteList(out, data.CookBookGroups, WriteCookBookGroup);
  WriteList(out, data.CookBookLayoutValues, GF::WriteFloat);
}

void DropFaultyLevels(LevelsData& data) {
  std::erase_if(data.LevelTable, [](const auto& entry) {
    const char* fault = entry.second.Fault();
    if (fault)
      DataFileSource().Log(std::string("[W] ") + FileName + ": level " + entry.first +
                           " is dropped: " + fault);
    return fault != nullptr;
  });
}

bool LoadLevelsData(GF::CInputStream& in) {
  GF::CStreamReader reader(in);
  LevelsData fresh;
  if (const char* failed = ReadLevelsData(reader, fresh)) {
    LogDataFault(FileName, failed);
    return false;
  }
  DropFaultyLevels(fresh);
  LevelsDatabase = std::move(fresh);
  return true;
}

bool LoadLevelsData(GF::THolder<GF::IDataInputStream> stream) {
  return stream && LoadLevelsData(*stream);
}

bool LoadLevelsDataFile() {
  return LoadDataFile(FileName, [](GF::CInputStream& in) { return LoadLevelsData(in); });
}
