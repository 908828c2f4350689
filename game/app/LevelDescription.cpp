#include "game/app/LevelDescription.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinOrderBytes = 21;
constexpr std::size_t MinSlotBytes = 77;
constexpr std::size_t PairBytes = 8;

bool OnGrid(std::int32_t v) {
  return v >= 0 && v < LevelDescription::GridSize;
}
}  // namespace

bool LevelDescription::IsKitchenLevel() const {
  return StageKey != "bonus_diference" && StageKey != "bonus_ispy" &&
         StageKey != "bonus_ispy_dark" && StageKey != "bonus_place_in";
}

const char* LevelDescription::Fault() const {
  if (IsKitchenLevel() || StageKey == "bonus_ispy" || StageKey == "bonus_ispy_dark") {
    if (Obstacles.size() != ObstacleCount) return "the obstacle grid is not 256 cells";
    if (FloorPoints.size() < 4) return "the floor has fewer than 4 points";
    if (!OnGrid(ServingCell.x) || !OnGrid(ServingCell.y))
      return "the serving cell is off the 16 x 16 grid";
  }
  for (const LevelOrderRecord& order : Orders)
    if (order.DrainsPatience() && (order.PatienceClosed <= 0 || order.PatienceOpen <= 0))
      return "a customer has no patience";
  return nullptr;
}

void ReadLevelOrderRecord(GF::CStreamReader& in, LevelOrderRecord& order) {
  order.SelfCookStepTime = in.Float();
  order.CustomerFigure = in.Int32BE();
  order.PatienceClosed = in.Int32BE();
  order.OrderType = in.Int32BE();
  order.RecipeKey = in.String();
  order.PatienceOpen = in.Int32BE();
}

void WriteLevelOrderRecord(GF::COutputStream& out, const LevelOrderRecord& order) {
  GF::WriteFloat(out, order.SelfCookStepTime);
  GF::WriteInt32BE(out, order.CustomerFigure);
  GF::WriteInt32BE(out, order.PatienceClosed);
  GF::WriteInt32BE(out, order.OrderType);
  GF::WriteString(out, order.RecipeKey);
  GF::WriteInt32BE(out, order.PatienceOpen);
}

void ReadDeviceSlot(GF::CStreamReader& in, DeviceSlot& s) {
  s.Name = in.String();
  s.Value1 = in.Float();
  s.Value2 = in.Float();
  s.Value3 = in.Int32BE();
  s.Value4 = in.Int32BE();
  s.Flag1 = in.Bool();
  s.Flag2 = in.Bool();
  s.Scale.x = in.Float();
  s.Scale.y = in.Float();
  s.Value5 = in.Float();
  s.Opacity = in.Float();
  s.Value6 = in.Float();
  s.Layer = in.Int32BE();
  s.Angle = in.Float();
  s.Position = ReadPoint(in);
  s.ExtraValue = in.Float();
  s.ExtraPoint1 = ReadPoint(in);
  s.ExtraPoint2 = ReadPoint(in);
}

void WriteDeviceSlot(GF::COutputStream& out, const DeviceSlot& s) {
  GF::WriteString(out, s.Name);
  GF::WriteFloat(out, s.Value1);
  GF::WriteFloat(out, s.Value2);
  GF::WriteInt32BE(out, s.Value3);
  GF::WriteInt32BE(out, s.Value4);
  GF::WriteBool(out, s.Flag1);
  GF::WriteBool(out, s.Flag2);
  GF::WriteFloat(out, s.Scale.x);
  GF::WriteFloat(out, s.Scale.y);
  GF::WriteFloat(out, s.Value5);
  GF::WriteFloat(out, s.Opacity);
  GF::WriteFloat(out, s.Value6);
  GF::WriteInt32BE(out, s.Layer);
  GF::WriteFloat(out, s.Angle);
  WritePoint(out, s.Position);
  GF::WriteFloat(out, s.ExtraValue);
  WritePoint(out, s.ExtraPoint1);
  WritePoint(out, s.ExtraPoint2);
}

void ReadLevelDescription(GF::CStreamReader& in, LevelDescription& l) {
  l.LevelIndex = in.Int32BE();
  l.BonusLevel = in.Bool();
  l.RandomBonuses = in.Bool();
  l.Value1 = in.Int32BE();
  ReadList(in, l.NewIngredients, MinStringBytes, ReadStringItem);
  ReadList(in, l.Names2, MinStringBytes, ReadStringItem);
  ReadList(in, l.BonusEntries, PairBytes, [](GF::CStreamReader& r, LevelBonusEntry& e) {
    e.Kind = r.Int32BE();
    e.Position = r.Float();
  });
  ReadList(in, l.Rivals, PairBytes, [](GF::CStreamReader& r, LevelRival& rival) {
    rival.TargetScore = r.Int32BE();
    rival.CompetitorId = r.Int32BE();
  });
  l.ServingCellFlag = in.Bool();
  l.ServingCell.x = in.Int32BE();
  l.ServingCell.y = in.Int32BE();
  l.Name3 = in.String();
  l.StageKey = in.String();
  l.HintText = in.WideString();
  l.LevelKey = in.String();
  l.LevelTime = in.Float();
  ReadList(in, l.Orders, MinOrderBytes, ReadLevelOrderRecord);
  l.Value2 = in.Int32BE();
  l.Obstacles.assign(in.Count(MinBoolBytes), false);
  for (auto bit : l.Obstacles) bit = in.Bool();  // bit by bit into the packed vector
  ReadList(in, l.FloorPoints, PointBytes, ReadPointItem);
  l.Flag = in.Bool();
  ReadList(in, l.DeviceSlots, MinSlotBytes, ReadDeviceSlot);
}

void WriteLevelDescription(GF::COutputStream& out, const LevelDescription& l) {
  GF::WriteInt32BE(out, l.LevelIndex);
  GF::WriteBool(out, l.BonusLevel);
  GF::WriteBool(out, l.RandomBonuses);
  GF::WriteInt32BE(out, l.Value1);
  WriteList(out, l.NewIngredients, GF::WriteString);
  WriteList(out, l.Names2, GF::WriteString);
  WriteList(out, l.BonusEntries, [](GF::COutputStream& o, const LevelBonusEntry& e) {
    GF::WriteInt32BE(o, e.Kind);
    GF::WriteFloat(o, e.Position);
  });
  WriteList(out, l.Rivals, [](GF::COutputStream& o, const LevelRival& rival) {
    GF::WriteInt32BE(o, rival.TargetScore);
    GF::WriteInt32BE(o, rival.CompetitorId);
  });
  GF::WriteBool(out, l.ServingCellFlag);
  GF::WriteInt32BE(out, l.ServingCell.x);
  GF::WriteInt32BE(out, l.ServingCell.y);
  GF::WriteString(out, l.Name3);
  GF::WriteString(out, l.StageKey);
  GF::WriteWideString(out, l.HintText);
  GF::WriteString(out, l.LevelKey);
  GF::WriteFloat(out, l.LevelTime);
  WriteList(out, l.Orders, WriteLevelOrderRecord);
  GF::WriteInt32BE(out, l.Value2);
  GF::WriteUInt32BE(out, static_cast<std::uint32_t>(l.Obstacles.size()));
  for (bool blocked : l.Obstacles) GF::WriteBool(out, blocked);
  WriteList(out, l.FloorPoints, WritePoint);
  GF::WriteBool(out, l.Flag);
  WriteList(out, l.DeviceSlots, WriteDeviceSlot);
}
