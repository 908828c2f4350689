#include "game/app/GameTuning.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t PairBytes = MinInt32Bytes + MinFloatBytes;
}  // namespace

std::int32_t GameTuning::DressForUpgradeLevel(std::int64_t level) const {
  if (level < 0 || level >= static_cast<std::int64_t>(DressByUpgradeLevel.size())) return -1;
  return DressByUpgradeLevel[static_cast<std::size_t>(level)];
}

void ResetLevelTuning(GameTuning& tuning) {
  tuning.GameSpeedFactor = 1.0f;
  tuning.QualityFactor = 1.0f;
  tuning.PatienceDrainFactor = 1.0f;
  tuning.CookTimeFactor = 1.0f;
  tuning.CookStepTime = 60.0f;
  tuning.BonusPointsPerOrder = 0.0f;
}

void ReadIntFloatPair(GF::CStreamReader& in, IntFloatPair& pair) {
  pair.Count = in.Int32BE();
  pair.Value = in.Float();
}

void WriteIntFloatPair(GF::COutputStream& out, const IntFloatPair& pair) {
  GF::WriteInt32BE(out, pair.Count);
  GF::WriteFloat(out, pair.Value);
}

void ReadCookTuning(GF::CStreamReader& in, GameTuning& t) {
  ReadList(in, t.DressByUpgradeLevel, MinInt32Bytes, ReadInt32Item);
  t.CookLayer = in.Int32BE();
  t.HintPointerInterval = in.Float();
  t.CookWaitTime = in.Int32BE();
}

void WriteCookTuning(GF::COutputStream& out, const GameTuning& t) {
  WriteList(out, t.DressByUpgradeLevel, GF::WriteInt32BE);
  GF::WriteInt32BE(out, t.CookLayer);
  GF::WriteFloat(out, t.HintPointerInterval);
  GF::WriteInt32BE(out, t.CookWaitTime);
}

void ReadTimingTuning(GF::CStreamReader& in, GameTuning& t) {
  t.IntroTimings = in.Float();
  t.IngredientFlyLayer = in.Int32BE();
  in.Int32BE();  // not used
  in.Int32BE();  // not used
  t.OrderSlideTime = in.Int32BE();
  t.CookBlinkTime = in.Float();
  t.HoverDelay = in.Int32BE();
  t.SpeechBalloonLayer = in.Int32BE();
  t.ServedOrderBonusTime = in.Float();
  t.DeliveryReminderInterval = in.Float();
  t.HoverHighlightRamp = in.Float();
  t.IngredientFlyTime = in.Float();
}

void WriteTimingTuning(GF::COutputStream& out, const GameTuning& t) {
  GF::WriteFloat(out, t.IntroTimings);
  GF::WriteInt32BE(out, t.IngredientFlyLayer);
  GF::WriteInt32BE(out, 0);
  GF::WriteInt32BE(out, 0);
  GF::WriteInt32BE(out, t.OrderSlideTime);
  GF::WriteFloat(out, t.CookBlinkTime);
  GF::WriteInt32BE(out, t.HoverDelay);
  GF::WriteInt32BE(out, t.SpeechBalloonLayer);
  GF::WriteFloat(out, t.ServedOrderBonusTime);
  GF::WriteFloat(out, t.DeliveryReminderInterval);
  GF::WriteFloat(out, t.HoverHighlightRamp);
  GF::WriteFloat(out, t.IngredientFlyTime);
}

void ReadPlayTuning(GF::CStreamReader& in, GameTuning& t) {
  t.BonusPointsPerOrder = in.Float();
  t.CookStepTime = in.Float();
  t.ComboClickWindow = in.Float();
  ReadList(in, t.ComboBonusTable, PairBytes, ReadIntFloatPair);
  t.GameSpeedFactor = in.Float();
  t.QualityFactor = in.Float();
  t.CookTimeFactor = in.Float();
  t.PatienceDrainFactor = in.Float();
  t.HintChargeThreshold = in.Float();
  in.Float();  // not used
  t.PendingItemDelay = in.Float();
}

void WritePlayTuning(GF::COutputStream& out, const GameTuning& t) {
  GF::WriteFloat(out, t.BonusPointsPerOrder);
  GF::WriteFloat(out, t.CookStepTime);
  GF::WriteFloat(out, t.ComboClickWindow);
  WriteList(out, t.ComboBonusTable, WriteIntFloatPair);
  GF::WriteFloat(out, t.GameSpeedFactor);
  GF::WriteFloat(out, t.QualityFactor);
  GF::WriteFloat(out, t.CookTimeFactor);
  GF::WriteFloat(out, t.PatienceDrainFactor);
  GF::WriteFloat(out, t.HintChargeThreshold);
  GF::WriteFloat(out, 0.0f);
  GF::WriteFloat(out, t.PendingItemDelay);
}

void ReadOrderTuning(GF::CStreamReader& in, GameTuning& t) {
  t.OrderPanelMinX = in.Int32BE();
  t.OrderShowTime = in.Int32BE();
  t.OrderSlotFirstX = in.Float();
  t.OrderSlotFirstY = in.Float();
  t.OrderSlotStep = in.Float();
  t.OrderSlotSelectedOffset = in.Float();
  t.OrderQueueCapacity = in.Int32BE();
  t.CustomerArrivalInterval = in.Int32BE();
  t.OrderStartX = in.Float();
  t.OrderStartY = in.Float();
  t.BonusOrderContentOffsetY = in.Float();
  in.Int32BE();  // not used
  t.OrderContentOffsetY = in.Float();
  in.Float();  // not used
  t.OrderChangeTime = in.Float();
  t.OrderIconOffset = in.Int32BE();
  t.OrderTextColor1 = in.UInt32BE();
  t.OrderTextColor2 = in.UInt32BE();
  t.OrderTextColor3 = in.UInt32BE();
  t.OrderTextColor4 = in.UInt32BE();
}

void WriteOrderTuning(GF::COutputStream& out, const GameTuning& t) {
  GF::WriteInt32BE(out, t.OrderPanelMinX);
  GF::WriteInt32BE(out, t.OrderShowTime);
  GF::WriteFloat(out, t.OrderSlotFirstX);
  GF::WriteFloat(out, t.OrderSlotFirstY);
  GF::WriteFloat(out, t.OrderSlotStep);
  GF::WriteFloat(out, t.OrderSlotSelectedOffset);
  GF::WriteInt32BE(out, t.OrderQueueCapacity);
  GF::WriteInt32BE(out, t.CustomerArrivalInterval);
  GF::WriteFloat(out, t.OrderStartX);
  GF::WriteFloat(out, t.OrderStartY);
  GF::WriteFloat(out, t.BonusOrderContentOffsetY);
  GF::WriteInt32BE(out, 0);
  GF::WriteFloat(out, t.OrderContentOffsetY);
  GF::WriteFloat(out, 0.0f);
  GF::WriteFloat(out, t.OrderChangeTime);
  GF::WriteInt32BE(out, t.OrderIconOffset);
  GF::WriteUInt32BE(out, t.OrderTextColor1);
  GF::WriteUInt32BE(out, t.OrderTextColor2);
  GF::WriteUInt32BE(out, t.OrderTextColor3);
  GF::WriteUInt32BE(out, t.OrderTextColor4);
}

void ReadStandingsTuning(GF::CStreamReader& in, GameTuning& t) {
  std::vector<std::int32_t> unused;
  ReadList(in, unused, MinInt32Bytes, ReadInt32Item);
  in.Float();  // not used
  t.StandingsStep = in.Float();
  t.StandingsCenterX = in.Float();
  t.StandingsY = in.Float();
  t.StandingsInterval = in.Float();
}

void WriteStandingsTuning(GF::COutputStream& out, const GameTuning& t) {
  GF::WriteUInt32BE(out, 0);  // the unused list, empty
  GF::WriteFloat(out, 0.0f);
  GF::WriteFloat(out, t.StandingsStep);
  GF::WriteFloat(out, t.StandingsCenterX);
  GF::WriteFloat(out, t.StandingsY);
  GF::WriteFloat(out, t.StandingsInterval);
}

void WriteGameTuning(GF::COutputStream& out, const GameTuning& t) {
  GF::WriteFloat(out, t.GameDataValue4);
  WriteCookTuning(out, t);
  WriteTimingTuning(out, t);
  WritePlayTuning(out, t);
  WriteOrderTuning(out, t);
  GF::WriteInt32BE(out, t.HudLayerBase);
  GF::WriteFloat(out, t.StageStatsMargin);
  GF::WriteInt32BE(out, t.HelpPageCount);
  WriteStandingsTuning(out, t);
}
