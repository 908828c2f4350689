#include "game/app/ProgressBlock.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinLevelRecordBytes = 17;
constexpr std::size_t MinStageRecordBytes = 13;
constexpr std::size_t MinProfileBytes = 43;
constexpr std::size_t MinScoreBytes = MinStringBytes + MinFloatBytes;

void ReadStringBool(GF::CStreamReader& in, std::string& key, bool& value) {
  key = in.String();
  value = in.Bool();
}
void WriteStringBool(GF::COutputStream& out, const std::string& key, bool value) {
  GF::WriteString(out, key);
  GF::WriteBool(out, value);
}
void ReadIntInt(GF::CStreamReader& in, std::int32_t& key, std::int32_t& value) {
  key = in.Int32BE();
  value = in.Int32BE();
}
void WriteIntInt(GF::COutputStream& out, std::int32_t key, std::int32_t value) {
  GF::WriteInt32BE(out, key);
  GF::WriteInt32BE(out, value);
}
void ReadIntFloat(GF::CStreamReader& in, std::int32_t& key, float& value) {
  key = in.Int32BE();
  value = in.Float();
}
void WriteIntFloat(GF::COutputStream& out, std::int32_t key, float value) {
  GF::WriteInt32BE(out, key);
  GF::WriteFloat(out, value);
}
void ReadIntString(GF::CStreamReader& in, std::int32_t& key, std::string& value) {
  key = in.Int32BE();
  value = in.String();
}
void WriteIntString(GF::COutputStream& out, std::int32_t key, const std::string& value) {
  GF::WriteInt32BE(out, key);
  GF::WriteString(out, value);
}
void ReadStringString(GF::CStreamReader& in, std::string& key, std::string& value) {
  key = in.String();
  value = in.String();
}
void WriteStringString(GF::COutputStream& out, const std::string& key, const std::string& value) {
  GF::WriteString(out, key);
  GF::WriteString(out, value);
}
void ReadScore(GF::CStreamReader& in, std::pair<std::string, float>& score) {
  score.first = in.String();
  score.second = in.Float();
}
void WriteScore(GF::COutputStream& out, const std::pair<std::string, float>& score) {
  GF::WriteString(out, score.first);
  GF::WriteFloat(out, score.second);
}
}  // namespace

void ReadLevelRecord(GF::CStreamReader& in, LevelRecord& record) {
  record.Number1 = in.Float();
  record.BestPlace = in.Int32BE();
  record.Flag = in.Bool();
  record.Number2 = in.Float();
  ReadMap(in, record.Scores, 2 * MinInt32Bytes, ReadIntFloat);
}

void ReadStageRecord(GF::CStreamReader& in, StageRecord& record) {
  ReadList(in, record.UpgradeIds, MinInt32Bytes, ReadInt32Item);
  ReadMap(in, record.Items, 2 * MinStringBytes, ReadStringString);
  record.Text = in.String();
  record.Upgrade = in.Int32BE();
}

void ReadPlayerProfile(GF::CStreamReader& in, PlayerProfile& profile) {
  profile.LastGrantedItem = in.String();
  ReadList(in, profile.UpgradeNames, MinStringBytes, ReadStringItem);
  ReadMap(in, profile.Flags, MinStringBytes + MinBoolBytes, ReadStringBool);
  ReadMap(in, profile.TipCounts, 2 * MinInt32Bytes, ReadIntInt);
  ReadMap(in, profile.LevelRecords, MinStringBytes + MinLevelRecordBytes,
          [](GF::CStreamReader& r, std::string& key, LevelRecord& value) {
            key = r.String();
            ReadLevelRecord(r, value);
          });
  ReadMap(in, profile.Floats, MinInt32Bytes + MinFloatBytes, ReadIntFloat);
  ReadMap(in, profile.Strings, MinInt32Bytes + MinStringBytes, ReadIntString);
  profile.Name = in.WideString();
  ReadMap(in, profile.Unlocked, MinStringBytes + MinBoolBytes, ReadStringBool);
  ReadList(in, profile.ExtraNames, MinStringBytes, ReadStringItem);
  profile.StageKey = in.String();
  ReadList(in, profile.StageValues, MinInt32Bytes, ReadInt32Item);
  ReadMap(in, profile.StageRecords, MinStringBytes + MinStageRecordBytes,
          [](GF::CStreamReader& r, std::string& key, StageRecord& value) {
            key = r.String();
            ReadStageRecord(r, value);
          });
}

void ReadProgressBlock(GF::CStreamReader& in, ProgressBlock& block) {
  block.Version = in.Int32BE();
  block.CurrentPlayer = in.WideString();
  block.Players.clear();
  for (std::uint32_t n = in.Count(MinProfileBytes); n > 0 && in.Ok(); --n) {
    PlayerProfile profile;
    ReadPlayerProfile(in, profile);
    std::wstring name = profile.Name;
    block.Players.insert_or_assign(std::move(name), std::move(profile));
  }
  ReadList(in, block.Scores, MinScoreBytes, ReadScore);
}

void WriteLevelRecord(GF::COutputStream& out, const LevelRecord& record) {
  GF::WriteFloat(out, record.Number1);
  GF::WriteInt32BE(out, record.BestPlace);
  GF::WriteBool(out, record.Flag);
  GF::WriteFloat(out, record.Number2);
  WriteMap(out, record.Scores, WriteIntFloat);
}

void WriteStageRecord(GF::COutputStream& out, const StageRecord& record) {
  WriteList(out, record.UpgradeIds, GF::WriteInt32BE);
  WriteMap(out, record.Items, WriteStringString);
  GF::WriteString(out, record.Text);
  GF::WriteInt32BE(out, record.Upgrade);
}

void WritePlayerProfile(GF::COutputStream& out, const PlayerProfile& profile) {
  GF::WriteString(out, profile.LastGrantedItem);
  WriteList(out, profile.UpgradeNames, GF::WriteString);
  WriteMap(out, profile.Flags, WriteStringBool);
  WriteMap(out, profile.TipCounts, WriteIntInt);
  WriteMap(out, profile.LevelRecords,
           [](GF::COutputStream& o, const std::string& key, const LevelRecord& value) {
             GF::WriteString(o, key);
             WriteLevelRecord(o, value);
           });
  WriteMap(out, profile.Floats, WriteIntFloat);
  WriteMap(out, profile.Strings, WriteIntString);
  GF::WriteWideString(out, profile.Name);
  WriteMap(out, profile.Unlocked, WriteStringBool);
  WriteList(out, profile.ExtraNames, GF::WriteString);
  GF::WriteString(out, profile.StageKey);
  WriteList(out, profile.StageValues, GF::WriteInt32BE);
  WriteMap(out, profile.StageRecords,
           [](GF::COutputStream& o, const std::string& key, const StageRecord& value) {
             GF::WriteString(o, key);
             WriteStageRecord(o, value);
           });
}

void WriteProgressBlock(GF::COutputStream& out, const ProgressBlock& block) {
  GF::WriteInt32BE(out, block.Version);
  GF::WriteWideString(out, block.CurrentPlayer);
  GF::WriteUInt32BE(out, static_cast<std::uint32_t>(block.Players.size()));
  for (const auto& entry : block.Players) WritePlayerProfile(out, entry.second);
  WriteList(out, block.Scores, WriteScore);
}
