#include "game/app/GameData.h"

#include <utility>

#include "game/app/CSectionTracker.h"
#include "game/app/DataFileFormat.h"
#include "game/app/IDataFileSource.h"

GameData GameDatabase;

namespace {
constexpr const char* FileName = "gamedata.bin";
constexpr std::size_t NamedValueBytes = MinStringBytes + MinInt32Bytes;
constexpr std::size_t MinDialogRecordBytes = MinStringBytes + 3 * MinInt32Bytes;
constexpr std::size_t MinTipBytes = 17;
constexpr std::size_t MinGridAnimationBytes = MinStringBytes + MinInt32Bytes;
constexpr std::size_t MinMotionPathBytes = MinStringBytes + MinInt32Bytes;
constexpr std::size_t MinFlowRuleBytes = 18;
constexpr std::size_t MinNamedExpressionBytes = 22;

// An index to a tip outside the list would send the tips past their end: it means none.
void DropDanglingNextTips(std::vector<TipRecord>& tips) {
  const auto count = static_cast<std::int64_t>(tips.size());
  for (TipRecord& tip : tips)
    if (tip.NextTip < 0 || tip.NextTip >= count) tip.NextTip = -1;
}
}  // namespace

const char* ReadGameData(GF::CStreamReader& in, GameData& data) {
  CSectionTracker sections(in);
  sections.Section("section 1 (dialogue names)", [&] {
    ReadKeyed(in, data.DialogNameTable, NamedValueBytes, ReadNamedValue,
              [](const NamedValue& v) { return v.Name; });
  });
  sections.Section("section 2 (dialogues)", [&] {
    ReadList(in, data.DialogRecords, MinDialogRecordBytes, ReadDialogRecord);
  });
  sections.Section("section 3 (sound names)", [&] {
    ReadKeyed(in, data.SoundNameTable, NamedValueBytes, ReadNamedValue,
              [](const NamedValue& v) { return v.Number; });
  });
  GameTuning& t = data.Tuning;
  sections.Section("section 4 (tuning value)", [&] { t.GameDataValue4 = in.Float(); });
  sections.Section("section 5 (cook values)", [&] { ReadCookTuning(in, t); });
  sections.Section("section 6 (timing values)", [&] { ReadTimingTuning(in, t); });
  sections.Section("section 7 (play values)", [&] { ReadPlayTuning(in, t); });
  sections.Section("section 8 (order values)", [&] { ReadOrderTuning(in, t); });
  sections.Section("section 9 (layer values)", [&] {
    t.HudLayerBase = in.Int32BE();
    t.StageStatsMargin = in.Float();
    t.HelpPageCount = in.Int32BE();
  });
  sections.Section("section 10 (standings values)", [&] { ReadStandingsTuning(in, t); });
  sections.Section("section 11 (tips)", [&] {
    ReadList(in, data.TipRecords, MinTipBytes, ReadTipRecord);
    DropDanglingNextTips(data.TipRecords);
  });
  sections.Section("section 12 (grid animations)", [&] {
    ReadKeyed(in, data.GridAnimationTable, MinGridAnimationBytes, ReadGridAnimation,
              [](const GridAnimation& a) { return a.Name; });
  });
  sections.Section("section 13 (motion paths)", [&] {
    ReadKeyed(in, data.MotionPathTable, MinMotionPathBytes, ReadMotionPath,
              [](const MotionPath& p) { return p.Name; });
  });
  sections.Section("section 14 (default progress)",
                   [&] { ReadProgressBlock(in, data.DefaultProgressBlock); });
  sections.Section("section 15 (flow rules)",
                   [&] { ReadList(in, data.FlowRules, MinFlowRuleBytes, ReadFlowRule); });
  sections.Section("section 16 (named expressions)", [&] {
    ReadKeyed(in, data.NamedExpressions, MinNamedExpressionBytes, ReadNamedExpression,
              [](const NamedExpression& e) { return e.Name; });
  });
  return sections.Failed();
}

void WriteGameData(GF::COutputStream& out, const GameData& data) {
  WriteKeyed(out, data.DialogNameTable, WriteNamedValue);
  WriteList(out, data.DialogRecords, WriteDialogRecord);
  WriteKeyed(out, data.SoundNameTable, WriteNamedValue);
  WriteGameTuning(out, data.Tuning);
  WriteList(out, data.TipRecords, WriteTipRecord);
  WriteKeyed(out, data.GridAnimationTable, WriteGridAnimation);
  WriteKeyed(out, data.MotionPathTable, WriteMotionPath);
  WriteProgressBlock(out, data.DefaultProgressBlock);
  WriteList(out, data.FlowRules, WriteFlowRule);
  WriteKeyed(out, data.NamedExpressions, WriteNamedExpression);
}

bool LoadGameData(GF::CInputStream& in) {
  GF::CStreamReader reader(in);
  GameData fresh;
  if (const char* failed = ReadGameData(reader, fresh)) {
    LogDataFault(FileName, failed);
    return false;
  }
  GameDatabase = std::move(fresh);
  return true;
}

bool LoadGameData(GF::THolder<GF::IDataInputStream> stream) {
  return stream && LoadGameData(*stream);
}

bool LoadGameDataFile() {
  return LoadDataFile(FileName, [](GF::CInputStream& in) { return LoadGameData(in); });
}
