#include <cmath>
#include <numbers>

#include "framework/core/CMemoryOutputStream.h"
#include "game/app/ProfileString.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleCurtain.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleMenusScreens.h"
#include "tools/content/SampleResultsScreens.h"
#include "tools/content/SampleUnlockScreens.h"

namespace {

void AddSounds(GameData& d) {
  const NamedValue sounds[] = {
      {"curtain", 0},       {"player_list", 1},  {"click", 2},         {"mouse_over", 3},
      {"order_arrives", 4}, {"order_served", 5}, {"device_start", 33}, {"device_end", 34},
      {"stage_zoom", 10},   {"new_ribbon", 19},  {"bonus_get", 25},    {"bonus_level", 27},
  };
  for (const NamedValue& s : sounds) d.SoundNameTable[s.Number] = s;
}

void AddDialogues(GameData& d) {
  // Balloon colours (ARGB) of the speakers.
  d.DialogNameTable["ginger"] = {"ginger", static_cast<std::int32_t>(0xFFFFF2D0)};
  d.DialogNameTable["customer"] = {"customer", static_cast<std::int32_t>(0xFFD8ECFF)};
  DialogRecord welcome{"dialog_stage1_start",
                       {{{{"ginger", "pose_1", true}, {"customer", "pose_2", false}}},
                        {{{"customer", "pose_2", true}}}},
                       0,
                       1};
  d.DialogRecords = {welcome};
}

void SetTuning(GameTuning& t) {
  t.GameDataValue4 = 30000.0f;
  t.DressByUpgradeLevel = {0, 1, 2, 3};
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
  // The order bubbles run along the top of the 800 x 600 kitchen, entering from the right.
  t.OrderPanelMinX = 150;
  t.OrderShowTime = 1500;
  t.OrderSlotFirstX = 210.0f;
  t.OrderSlotFirstY = 70.0f;
  t.OrderSlotStep = 120.0f;
  t.OrderSlotSelectedOffset = 15.0f;
  t.OrderQueueCapacity = 5;
  t.CustomerArrivalInterval = 8000;
  t.OrderStartX = 880.0f;
  t.OrderStartY = 70.0f;
  t.BonusOrderContentOffsetY = 8.0f;
  t.OrderContentOffsetY = 4.0f;
  t.OrderChangeTime = 300.0f;
  t.OrderIconOffset = 32;
  t.OrderTextColor1 = 0xFF3A2A1A;
  t.OrderTextColor2 = 0xFF9A9A9A;
  t.OrderTextColor3 = 0xFF2E8B2E;
  t.OrderTextColor4 = 0xFFD07A00;
  t.HudLayerBase = 1000;
  t.StageStatsMargin = 12.0f;
  t.HelpPageCount = 4;
  // The standings ribbon sits along the bottom edge.
  t.StandingsStep = 110.0f;
  t.StandingsCenterX = 400.0f;
  t.StandingsY = 560.0f;
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
      {-1, "tip_hint_ready", true, 8, true, 1, false, "hint_window"},
      {-1, "tip_two_orders", true, 13, true, 1, false, "hint_window"},
      {-1, "tip_closing", true, 12, false, -1, true, "interfaces.lili_text"},
      {-1, "tip_deliver", false, 0, false, -1, true, "interfaces.lili_text"},
  };
}

// "spiral": two turns closing in on the origin, the ingredient flights end at its last point.
void AddMotionPaths(GameData& d) {
  MotionPath spiral{"spiral", {}};
  constexpr int Points = 24;
  for (int i = 0; i <= Points; ++i) {
    const float u = static_cast<float>(i) / Points;
    const float angle = u * 4.0f * std::numbers::pi_v<float>;
    const float radius = 80.0f * (1.0f - u);
    spiral.Points.push_back({radius * std::cos(angle), radius * std::sin(angle)});
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

// The start of the game: the first player's settings, the logo screen with its two images
// held 1000 ms each, then the title, faded over, the curtain opening on it; a test level
// starts at once.
void AddStartRules(GameData& d) {
  FlowRule settings = MakeFlowRule("None", "def_settings", "None");
  settings.actions = {FloatAssignment(7, 60.0f), FloatAssignment(8, 100.0f),
                      FloatAssignment(9, 0.0f), FloatAssignment(10, 1.0f)};
  FlowRule publisher = MakeFlowRule("None", "show_publisher", "PublisherScreen");
  publisher.parameter = "1000,1000";
  FlowRule title = MakeFlowRule("PublisherScreen", "starting", "SplashScreen");
  title.smooth = true;
  title.layout = "main_menu.title";
  title.actions = {StringAssignment(ProfileString::ShadesShowRequest, "curtain_open")};
  d.FlowRules = {settings, publisher, MakeFlowRule("None", "test_starting", "GameScreen"), title};
}

}  // namespace

GameData MakeSampleGameData() {
  GameData d;
  AddDialogues(d);
  AddSounds(d);
  SetTuning(d.Tuning);
  AddTips(d);
  d.GridAnimationTable["map"] = MakeMapGridAnimation();
  AddMotionPaths(d);
  AddCurtainPaths(d);
  SetDefaultProgress(d.DefaultProgressBlock);
  AddStartRules(d);
  AddMenusScreenRules(d);
  AddResultsScreenData(d);
  AddUnlockScreenRules(d);
  return d;
}

bool WriteSampleGameData(const std::filesystem::path& outDir) {
  GF::CMemoryOutputStream out;
  WriteGameData(out, MakeSampleGameData());
  return WriteContentFile(outDir, "Binary/gamedata.bin", out.Bytes());
}
