#include <cmath>
#include <numbers>

#include "framework/core/CMemoryOutputStream.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleCookBook.h"
#include "tools/content/SampleCurtain.h"
#include "tools/content/SampleFlowRules.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleResultsScreens.h"
#include "tools/content/SampleStageEnd.h"
#include "tools/content/SampleStoryScreens.h"
#include "tools/content/SampleTrophyRoom.h"
#include "tools/content/SampleUnlockScreens.h"

namespace {

void AddSounds(GameData& d) {
  const NamedValue sounds[] = {
      {"curtain", 0},      {"player_list", 1},   {"click", 2},        {"mouse_over", 3},
      {"object_found", 4}, {"click_refused", 5}, {"order_select", 6}, {"hint_ready", 14},
      {"order_ready", 7},  {"device_start", 33}, {"device_end", 34},  {"stage_zoom", 10},
      {"new_ribbon", 19},  {"bonus_get", 25},    {"bonus_level", 27}, {"bright_chirp", 31},
      {"time_up", 8},      {"clock_tick", 9},    {"level_go", 12},    {"hint_open", 13},
  };
  for (const NamedValue& s : sounds) d.SoundNameTable[s.Number] = s;
}

void SetTuning(GameTuning& t) {
  t.GameDataValue4 = 700.0f;  // a page turn
  // Each upgrade level wears its own dress: the trophy room's outfit ids.
  t.DressByUpgradeLevel = {0, 1, 2, 3, 4};
  t.CookLayer = 500;
  t.HintPointerInterval = 10000.0f;
  t.CookWaitTime = 8000;
  t.IntroTimings = 400.0f;
  t.IngredientFlyLayer = 800;
  t.OrderSlideTime = 500;
  t.CookBlinkTime = 2000.0f;
  t.HoverDelay = 500;
  t.SpeechBalloonLayer = 900;
  t.ServedOrderBonusTime = 1000.0f;
  t.DeliveryReminderInterval = 6000.0f;
  t.HoverHighlightRamp = 250.0f;
  t.IngredientFlyTime = 600.0f;
  ResetLevelTuning(t);
  t.ComboClickWindow = 400.0f;
  t.ComboBonusTable = {{3, 10.0f}, {5, 25.0f}};
  t.HintChargeThreshold = 20000.0f;
  t.PendingItemDelay = 3000.0f;
  // The order bubbles stand in a column at the right edge of the 800 x 600 kitchen, entering
  // from beyond it; the kitchen keeps left of x 660. The open order's recipe card hangs to
  // the left of its bubble, 196 px down from its middle: the bubbles below it make room.
  t.OrderPanelMinX = 660;
  t.OrderShowTime = 1500;
  t.OrderSlotFirstX = 720.0f;
  t.OrderSlotFirstY = 70.0f;
  t.OrderSlotStep = 120.0f;
  t.OrderSlotSelectedOffset = 140.0f;
  t.OrderQueueCapacity = 5;
  t.CustomerArrivalInterval = 8000;
  t.OrderStartX = 900.0f;
  t.OrderStartY = 70.0f;
  // The item lines start at y -15 and stop at the content offset: the recipe card's height.
  t.BonusOrderContentOffsetY = 152.0f;
  t.OrderContentOffsetY = 152.0f;
  t.OrderChangeTime = 300.0f;
  t.OrderIconOffset = 24;
  t.OrderTextColor1 = 0xFF3A2A1A;
  t.OrderTextColor2 = 0xFF9A9A9A;
  t.OrderTextColor3 = 0xFF2E8B2E;
  t.OrderTextColor4 = 0xFFD07A00;
  t.HudLayerBase = 1000;
  t.StageStatsMargin = 12.0f;
  t.HelpPageCount = 4;
  // The standings' ribbons run along the top of the wall, the portraits above them, clear
  // of the level clock and the order column at the right.
  t.StandingsStep = 110.0f;
  t.StandingsCenterX = 410.0f;
  t.StandingsY = 100.0f;
  t.StandingsInterval = 3000.0f;
}

void AddTips(GameData& d) {
  // next, name, flag, trigger id, in the window, max shows, plays once, balloon or layout
  d.TipRecords = {
      {1, "tip_welcome", true, 10, false, 1, false, "interfaces.lili_text"},
      {-1, "tip_welcome_2", true, -1, false, -1, false, "interfaces.lili_text"},
      {-1, "tip_first_click", true, 5, false, 2, true, "interfaces.lili_text"},
      {-1, "tip_serve", true, 1, false, 3, true, "interfaces.lili_text"},
      {-1, "tip_refused", true, 2, false, -1, true, "interfaces.lili_text"},
      {-1, "tip_busy_device", true, 3, false, -1, true, "interfaces.lili_text"},
      {-1, "tip_not_in_order", true, 4, false, -1, true, "interfaces.lili_text"},
      {-1, "tip_hint_ready", true, 8, true, 1, false, "main_menu.hint_window"},
      {-1, "tip_two_orders", true, 13, true, 1, false, "main_menu.hint_window_orders"},
      {-1, "tip_closing", true, 12, false, -1, true, "interfaces.lili_text"},
      {-1, "tip_deliver", false, 0, false, -1, true, "interfaces.lili_text"},
  };
}

// "spiral": the flights map (0, 0) to their start and (1, 0) to their target; on the way the
// ingredient swirls once round a circle of radius 0.15 of the distance.
void AddMotionPaths(GameData& d) {
  MotionPath spiral{"spiral", {}};
  constexpr int Points = 24;
  constexpr float Radius = 0.15f;
  for (int i = 0; i <= Points; ++i) {
    const float u = static_cast<float>(i) / Points;
    const float angle = u * 2.0f * std::numbers::pi_v<float>;
    spiral.Points.push_back({u + Radius * std::sin(angle), -Radius * (1.0f - std::cos(angle))});
  }
  d.MotionPathTable[spiral.Name] = spiral;
}

// The one default player: windowed, music 60, sounds 100, the game's cursor, at stage 1.
void SetDefaultProgress(ProgressBlock& block) {
  block.Version = 1;
  PlayerProfile& player = block.Players[L""];
  player.Floats = {{0, 1.0f}, {1, 1.0f}, {7, 60.0f}, {8, 100.0f}, {9, 0.0f}, {10, 1.0f}};
  player.StageKey = "stage1";
}

}  // namespace

GameData MakeSampleGameData() {
  GameData d;
  AddSounds(d);
  SetTuning(d.Tuning);
  AddTips(d);
  d.GridAnimationTable["map"] = MakeMapGridAnimation();
  AddMotionPaths(d);
  AddCurtainPaths(d);
  SetDefaultProgress(d.DefaultProgressBlock);
  AddResultsScreenData(d);
  AddUnlockScreenSounds(d);
  AddStageEndSounds(d);
  AddStoryScreenData(d);
  AddCookBookSounds(d);
  AddTrophyRoomSounds(d);
  AddFlowRules(d);
  return d;
}

bool WriteSampleGameData(const std::filesystem::path& outDir) {
  GF::CMemoryOutputStream out;
  WriteGameData(out, MakeSampleGameData());
  return WriteContentFile(outDir, "Binary/gamedata.bin", out.Bytes());
}
