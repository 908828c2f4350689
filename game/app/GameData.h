#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/CInputStream.h"
#include "framework/core/COutputStream.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/THolder.h"
#include "game/app/DialogRecord.h"
#include "game/app/ExprNode.h"
#include "game/app/FlowRule.h"
#include "game/app/GameTuning.h"
#include "game/app/GridAnimation.h"
#include "game/app/MotionPath.h"
#include "game/app/NamedValue.h"
#include "game/app/ProgressBlock.h"
#include "game/app/TipRecord.h"

// The game database: everything "gamedata.bin" holds, in the order of its sixteen sections.
struct GameData {
  std::unordered_map<std::string, NamedValue> DialogNameTable;        // 1, by name
  std::vector<DialogRecord> DialogRecords;                            // 2
  std::unordered_map<std::int32_t, NamedValue> SoundNameTable;        // 3, by sound number
  GameTuning Tuning;                                                  // 4 to 10
  std::vector<TipRecord> TipRecords;                                  // 11
  std::unordered_map<std::string, GridAnimation> GridAnimationTable;  // 12, by name
  std::unordered_map<std::string, MotionPath> MotionPathTable;        // 13, by name
  ProgressBlock DefaultProgressBlock;                                 // 14
  std::vector<FlowRule> FlowRules;                                    // 15
  std::unordered_map<std::string, NamedExpression> NamedExpressions;  // 16, by name

  bool operator==(const GameData&) const = default;
};

// The loaded database. Everything starts empty and every tuning value at 0 until the file is
// read; the game reads the tables through the names below.
extern GameData GameDatabase;

// Reads sections 1 to 16 into data, which should be empty. Returns null on success, else the
// name of the first section that failed (data is then partly filled).
const char* ReadGameData(GF::CStreamReader& in, GameData& data);
void WriteGameData(GF::COutputStream& out, const GameData& data);

// Reads "gamedata.bin" from the stream into fresh tables and, only when the whole file read
// cleanly, puts them in place of GameDatabase (a reload leaves nothing of the earlier load).
// A damaged file is logged and leaves GameDatabase as it was.
bool LoadGameData(GF::CInputStream& in);
bool LoadGameData(GF::THolder<GF::IDataInputStream> stream);
// "gamedata.bin" from "Binary_2\" or else "Binary\"; false when missing or damaged.
bool LoadGameDataFile();

// The global names of the tables and tuning values.
inline constexpr auto& DialogNameTable = GameDatabase.DialogNameTable;
inline constexpr auto& DialogRecords = GameDatabase.DialogRecords;
inline constexpr auto& SoundNameTable = GameDatabase.SoundNameTable;
inline constexpr auto& TipRecords = GameDatabase.TipRecords;
inline constexpr auto& GridAnimationTable = GameDatabase.GridAnimationTable;
inline constexpr auto& MotionPathTable = GameDatabase.MotionPathTable;
inline constexpr auto& DefaultProgressBlock = GameDatabase.DefaultProgressBlock;
inline constexpr auto& FlowRules = GameDatabase.FlowRules;
inline constexpr auto& NamedExpressions = GameDatabase.NamedExpressions;

inline constexpr auto& Tuning = GameDatabase.Tuning;
inline constexpr auto& GameDataValue4 = GameDatabase.Tuning.GameDataValue4;
inline constexpr auto& DressByUpgradeLevel = GameDatabase.Tuning.DressByUpgradeLevel;
inline constexpr auto& CookLayer = GameDatabase.Tuning.CookLayer;
inline constexpr auto& HintPointerInterval = GameDatabase.Tuning.HintPointerInterval;
inline constexpr auto& CookWaitTime = GameDatabase.Tuning.CookWaitTime;
inline constexpr auto& IntroTimings = GameDatabase.Tuning.IntroTimings;
inline constexpr auto& IngredientFlyLayer = GameDatabase.Tuning.IngredientFlyLayer;
inline constexpr auto& OrderSlideTime = GameDatabase.Tuning.OrderSlideTime;
inline constexpr auto& CookBlinkTime = GameDatabase.Tuning.CookBlinkTime;
inline constexpr auto& HoverDelay = GameDatabase.Tuning.HoverDelay;
inline constexpr auto& SpeechBalloonLayer = GameDatabase.Tuning.SpeechBalloonLayer;
inline constexpr auto& ServedOrderBonusTime = GameDatabase.Tuning.ServedOrderBonusTime;
inline constexpr auto& DeliveryReminderInterval = GameDatabase.Tuning.DeliveryReminderInterval;
inline constexpr auto& HoverHighlightRamp = GameDatabase.Tuning.HoverHighlightRamp;
inline constexpr auto& IngredientFlyTime = GameDatabase.Tuning.IngredientFlyTime;
inline constexpr auto& BonusPointsPerOrder = GameDatabase.Tuning.BonusPointsPerOrder;
inline constexpr auto& CookStepTime = GameDatabase.Tuning.CookStepTime;
inline constexpr auto& ComboClickWindow = GameDatabase.Tuning.ComboClickWindow;
inline constexpr auto& ComboBonusTable = GameDatabase.Tuning.ComboBonusTable;
inline constexpr auto& GameSpeedFactor = GameDatabase.Tuning.GameSpeedFactor;
inline constexpr auto& QualityFactor = GameDatabase.Tuning.QualityFactor;
inline constexpr auto& CookTimeFactor = GameDatabase.Tuning.CookTimeFactor;
inline constexpr auto& PatienceDrainFactor = GameDatabase.Tuning.PatienceDrainFactor;
inline constexpr auto& HintChargeThreshold = GameDatabase.Tuning.HintChargeThreshold;
inline constexpr auto& PendingItemDelay = GameDatabase.Tuning.PendingItemDelay;
inline constexpr auto& OrderPanelMinX = GameDatabase.Tuning.OrderPanelMinX;
inline constexpr auto& OrderShowTime = GameDatabase.Tuning.OrderShowTime;
inline constexpr auto& OrderSlotFirstX = GameDatabase.Tuning.OrderSlotFirstX;
inline constexpr auto& OrderSlotFirstY = GameDatabase.Tuning.OrderSlotFirstY;
inline constexpr auto& OrderSlotStep = GameDatabase.Tuning.OrderSlotStep;
inline constexpr auto& OrderSlotSelectedOffset = GameDatabase.Tuning.OrderSlotSelectedOffset;
inline constexpr auto& OrderQueueCapacity = GameDatabase.Tuning.OrderQueueCapacity;
inline constexpr auto& CustomerArrivalInterval = GameDatabase.Tuning.CustomerArrivalInterval;
inline constexpr auto& OrderStartX = GameDatabase.Tuning.OrderStartX;
inline constexpr auto& OrderStartY = GameDatabase.Tuning.OrderStartY;
inline constexpr auto& BonusOrderContentOffsetY = GameDatabase.Tuning.BonusOrderContentOffsetY;
inline constexpr auto& OrderContentOffsetY = GameDatabase.Tuning.OrderContentOffsetY;
inline constexpr auto& OrderChangeTime = GameDatabase.Tuning.OrderChangeTime;
inline constexpr auto& OrderIconOffset = GameDatabase.Tuning.OrderIconOffset;
inline constexpr auto& OrderTextColor1 = GameDatabase.Tuning.OrderTextColor1;
inline constexpr auto& OrderTextColor2 = GameDatabase.Tuning.OrderTextColor2;
inline constexpr auto& OrderTextColor3 = GameDatabase.Tuning.OrderTextColor3;
inline constexpr auto& OrderTextColor4 = GameDatabase.Tuning.OrderTextColor4;
inline constexpr auto& HudLayerBase = GameDatabase.Tuning.HudLayerBase;
inline constexpr auto& StageStatsMargin = GameDatabase.Tuning.StageStatsMargin;
inline constexpr auto& HelpPageCount = GameDatabase.Tuning.HelpPageCount;
inline constexpr auto& StandingsStep = GameDatabase.Tuning.StandingsStep;
inline constexpr auto& StandingsCenterX = GameDatabase.Tuning.StandingsCenterX;
inline constexpr auto& StandingsY = GameDatabase.Tuning.StandingsY;
inline constexpr auto& StandingsInterval = GameDatabase.Tuning.StandingsInterval;

// The same values under the names the screens give them.
inline constexpr auto& CharacterColorTable = DialogNameTable;  // speaker -> ARGB balloon colour
inline constexpr auto& ScreenLayerBase = HudLayerBase;
inline constexpr auto& RibbonGap = StageStatsMargin;
inline constexpr auto& PageTurnDuration = GameDataValue4;  // ms of a cook-book page turn
