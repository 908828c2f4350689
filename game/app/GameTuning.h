#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// One click-series bonus: reaching Count quick clicks shows the bonus worth Value.
struct IntFloatPair {
  std::int32_t Count = 0;
  float Value = 0.0f;

  bool operator==(const IntFloatPair&) const = default;
};

// The tuning values of play, sections 4 to 10 of "gamedata.bin". Times are milliseconds,
// layers are draw layers. Fields without a reader in the game are read and dropped, so they
// have no member here. The game reads them through the global names of GameData.h.
struct GameTuning {
  // Section 4
  float GameDataValue4 = 0.0f;  // ms of a cook-book page turn

  // Section 5, cook values
  std::vector<std::int32_t> DressByUpgradeLevel;
  std::int32_t CookLayer = 0;
  float HintPointerInterval = 0.0f;
  std::int32_t CookWaitTime = 0;

  // Section 6, timing values
  float IntroTimings = 0.0f;
  std::int32_t IngredientFlyLayer = 0;
  std::int32_t OrderSlideTime = 0;
  float CookBlinkTime = 0.0f;
  std::int32_t HoverDelay = 0;
  std::int32_t SpeechBalloonLayer = 0;
  float ServedOrderBonusTime = 0.0f;
  float DeliveryReminderInterval = 0.0f;
  float HoverHighlightRamp = 0.0f;
  float IngredientFlyTime = 0.0f;

  // Section 7, play values (the level reset puts five of them back: see ResetLevelTuning)
  float BonusPointsPerOrder = 0.0f;
  float CookStepTime = 0.0f;
  float ComboClickWindow = 0.0f;
  std::vector<IntFloatPair> ComboBonusTable;
  float GameSpeedFactor = 0.0f;
  float QualityFactor = 0.0f;
  float CookTimeFactor = 0.0f;
  float PatienceDrainFactor = 0.0f;
  float HintChargeThreshold = 0.0f;
  float PendingItemDelay = 0.0f;

  // Section 8, order values
  std::int32_t OrderPanelMinX = 0;
  std::int32_t OrderShowTime = 0;
  float OrderSlotFirstX = 0.0f;
  float OrderSlotFirstY = 0.0f;
  float OrderSlotStep = 0.0f;
  float OrderSlotSelectedOffset = 0.0f;
  std::int32_t OrderQueueCapacity = 0;
  std::int32_t CustomerArrivalInterval = 0;
  float OrderStartX = 0.0f;
  float OrderStartY = 0.0f;
  float BonusOrderContentOffsetY = 0.0f;
  float OrderContentOffsetY = 0.0f;
  float OrderChangeTime = 0.0f;
  std::int32_t OrderIconOffset = 0;
  std::uint32_t OrderTextColor1 = 0;  // ARGB
  std::uint32_t OrderTextColor2 = 0;
  std::uint32_t OrderTextColor3 = 0;
  std::uint32_t OrderTextColor4 = 0;

  // Section 9
  std::int32_t HudLayerBase = 0;
  float StageStatsMargin = 0.0f;
  std::int32_t HelpPageCount = 0;

  // Section 10, standings values
  float StandingsStep = 0.0f;
  float StandingsCenterX = 0.0f;
  float StandingsY = 0.0f;
  float StandingsInterval = 0.0f;

  bool operator==(const GameTuning&) const = default;

  // The cook's dress for an upgrade level, or -1 when the level is outside the list (a
  // negative level included): the caller then keeps the current dress.
  std::int32_t DressForUpgradeLevel(std::int64_t level) const;
};

// What every level starts with: the speed, quality, patience and cooking factors at 1.0, a
// cook step of 60 ms and no bonus points per order.
void ResetLevelTuning(GameTuning& tuning);

void ReadIntFloatPair(GF::CStreamReader& in, IntFloatPair& pair);
void ReadCookTuning(GF::CStreamReader& in, GameTuning& tuning);
void ReadTimingTuning(GF::CStreamReader& in, GameTuning& tuning);
void ReadPlayTuning(GF::CStreamReader& in, GameTuning& tuning);
void ReadOrderTuning(GF::CStreamReader& in, GameTuning& tuning);
void ReadStandingsTuning(GF::CStreamReader& in, GameTuning& tuning);

void WriteIntFloatPair(GF::COutputStream& out, const IntFloatPair& pair);
void WriteCookTuning(GF::COutputStream& out, const GameTuning& tuning);
void WriteTimingTuning(GF::COutputStream& out, const GameTuning& tuning);
void WritePlayTuning(GF::COutputStream& out, const GameTuning& tuning);
void WriteOrderTuning(GF::COutputStream& out, const GameTuning& tuning);
void WriteStandingsTuning(GF::COutputStream& out, const GameTuning& tuning);
// Sections 4 to 10 in file order.
void WriteGameTuning(GF::COutputStream& out, const GameTuning& tuning);
