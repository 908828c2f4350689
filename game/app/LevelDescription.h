#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/TPoint.h"

// One customer of a level's order script, or a script control (types 1 and 2).
struct LevelOrderRecord {
  float SelfCookStepTime = 0.0f;    // seconds between the steps of an order that cooks itself
  std::int32_t CustomerFigure = 0;  // "interfaces.judge_" + number
  std::int32_t PatienceClosed = 0;  // seconds while the order is not opened
  // 100 bonus order, 101/102 special orders, 1 marks a position and 2 shuffles the records
  // added since it, anything else an ordinary order.
  std::int32_t OrderType = 0;
  std::string RecipeKey;
  std::int32_t PatienceOpen = 0;  // seconds while the order is opened

  bool operator==(const LevelOrderRecord&) const = default;

  // Types 1 and 2 only shape the order list; every other record becomes a customer.
  bool IsCustomer() const { return OrderType != 1 && OrderType != 2; }
  // Only the orders with a progress bar lose patience; the others may carry none.
  bool DrainsPatience() const { return OrderType == 0 || OrderType == 3 || OrderType == 4; }
};

// A placed device, ingredient source or bonus-level item.
struct DeviceSlot {
  std::string Name;  // full catalogue key, also its animation's name
  float Value1 = 0.0f;
  float Value2 = 0.0f;
  std::int32_t Value3 = 0;
  std::int32_t Value4 = 0;
  bool Flag1 = false;
  bool Flag2 = false;
  GF::TPoint<float> Scale;
  float Value5 = 0.0f;
  float Opacity = 0.0f;
  float Value6 = 0.0f;
  std::int32_t Layer = 0;
  float Angle = 0.0f;
  GF::TPoint<float> Position;
  float ExtraValue = 0.0f;
  GF::TPoint<float> ExtraPoint1;
  GF::TPoint<float> ExtraPoint2;

  bool operator==(const DeviceSlot&) const = default;
};

struct LevelBonusEntry {
  std::int32_t Kind = 0;  // as in the bonus table
  float Position = 0.0f;  // a time position for the order code

  bool operator==(const LevelBonusEntry&) const = default;
};

struct LevelRival {
  std::int32_t TargetScore = 0;
  std::int32_t CompetitorId = 0;

  bool operator==(const LevelRival&) const = default;
};

// Everything one level needs (section 6 of "levelsdata.bin").
struct LevelDescription {
  static constexpr int GridSize = 16;
  static constexpr std::size_t ObstacleCount = GridSize * GridSize;

  std::int32_t LevelIndex = 0;  // number in the whole game; keys the level's upgrade
  bool BonusLevel = false;
  bool RandomBonuses = false;  // bonus entries drawn at random, else in turn
  std::int32_t Value1 = 0;
  std::vector<std::string> NewIngredients;
  std::vector<std::string> Names2;
  std::vector<LevelBonusEntry> BonusEntries;
  std::vector<LevelRival> Rivals;  // empty: no contest
  bool ServingCellFlag = false;
  GF::TPoint<std::int32_t> ServingCell;  // floor cell where the cook serves
  std::string Name3;
  std::string StageKey;  // for a bonus level its type: "bonus_diference", "bonus_ispy", ...
  std::wstring HintText;
  std::string LevelKey;    // e.g. "stage1_1"
  float LevelTime = 0.0f;  // milliseconds; 0 = no time limit
  std::vector<LevelOrderRecord> Orders;
  std::int32_t Value2 = 0;
  std::vector<bool> Obstacles;                 // true = blocked; cell (a, b) at a x 16 + b
  std::vector<GF::TPoint<float>> FloorPoints;  // corners first: TL, TR, BL, BR
  bool Flag = false;
  std::vector<DeviceSlot> DeviceSlots;

  bool operator==(const LevelDescription&) const = default;

  // The names the screens give the fields.
  const std::string& LevelType() const { return StageKey; }
  std::int32_t LevelNumber() const { return Value1; }  // shown on the map and result screens
  const std::string& SceneAnimationName() const { return Name3; }

  // Whether the game plays it on the kitchen field (its type names no bonus field).
  bool IsKitchenLevel() const;
  // Cell (a, b) of the 16 x 16 floor grid; a and b in 0..15 of a checked level.
  bool IsBlocked(int a, int b) const {
    return Obstacles[static_cast<std::size_t>(a * GridSize + b)];
  }
  // The floor's corners: top-left, top-right, bottom-left, bottom-right.
  std::array<GF::TPoint<float>, 4> FloorCorners() const {
    return {FloorPoints[0], FloorPoints[1], FloorPoints[2], FloorPoints[3]};
  }
  // Why the game cannot play this level, or null when it can: a kitchen level, and a
  // hidden-object level (whose field is the kitchen's), needs all 256 obstacle cells, its
  // four floor corners and a serving cell on the grid, and every customer needs patience.
  const char* Fault() const;
};

void ReadLevelOrderRecord(GF::CStreamReader& in, LevelOrderRecord& order);
void ReadDeviceSlot(GF::CStreamReader& in, DeviceSlot& slot);
void ReadLevelDescription(GF::CStreamReader& in, LevelDescription& level);
void WriteLevelOrderRecord(GF::COutputStream& out, const LevelOrderRecord& order);
void WriteDeviceSlot(GF::COutputStream& out, const DeviceSlot& slot);
void WriteLevelDescription(GF::COutputStream& out, const LevelDescription& level);
