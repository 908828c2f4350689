#include "game/app/UpgradeRecord.h"

#include "framework/core/BinaryEncoding.h"

void ReadUpgradeRecord(GF::CStreamReader& in, UpgradeRecord& upgrade) {
  upgrade.Value1 = in.Int32BE();
  upgrade.StageNumber = in.Int32BE();
  upgrade.ItemName = in.String();
  upgrade.UpgradeId = in.Int32BE();
  upgrade.LevelIndex = in.Int32BE();
  upgrade.Name = in.String();
}

void WriteUpgradeRecord(GF::COutputStream& out, const UpgradeRecord& upgrade) {
  GF::WriteInt32BE(out, upgrade.Value1);
  GF::WriteInt32BE(out, upgrade.StageNumber);
  GF::WriteString(out, upgrade.ItemName);
  GF::WriteInt32BE(out, upgrade.UpgradeId);
  GF::WriteInt32BE(out, upgrade.LevelIndex);
  GF::WriteString(out, upgrade.Name);
}
