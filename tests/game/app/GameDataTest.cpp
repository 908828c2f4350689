#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "game/app/GameData.h"
#include "tests/game/app/CTestDataFileSource.h"
#include "tests/game/app/DataFileBytes.h"

namespace {

using pm::test::Bytes;
using pm::test::Encode;

Bytes Write(const GameData& data) {
  return pm::test::EncodeFile(WriteGameData, data);
}

bool Load(const Bytes& bytes) {
  return pm::test::LoadFile(LoadGameData, bytes);
}

ExprNode Node(std::int32_t kind, std::int32_t valueType, float number,
              std::vector<ExprNode> children = {}) {
  ExprNode node;
  node.kind = kind;
  node.valueType = valueType;
  node.number = number;
  node.children = std::move(children);
  return node;
}

ExprNode Chain(int depth) {
  ExprNode node = Node(1, 1, 1.0f);
  for (int i = 1; i < depth; ++i) node = Node(3, 1, 0.0f, {node});
  return node;
}

PlayerProfile Profile(const std::wstring& name) {
  PlayerProfile p;
  p.Name = name;
  p.LastGrantedItem = "Devices.mixer_2";
  p.UpgradeNames = {"UPG_Bonus_Points"};
  p.Flags = {{"comics_1", true}, {"comics_2", false}};
  p.TipCounts = {{0, 2}, {7, 1}};
  LevelRecord level{12.5f, 2, true, 95400.0f, {{6, 250.0f}, {9, 300.0f}}};
  p.LevelRecords = {{"stage1_1", level}, {"stage1_2", {}}};
  p.Floats = {{1, 1.0f}, {5, 3.0f}, {-4, 0.25f}};
  p.Strings = {{11, "stage1_1"}, {27, ""}};
  p.Unlocked = {{"pancakes", true}};
  p.ExtraNames = {"a", "", "Блины"};
  p.StageKey = "stage1";
  p.StageValues = {3, -1};
  p.StageRecords = {{"stage1", {{1, 2}, {{"hat", "UPG_hat"}}, "text", 2}}};
  return p;
}

// Every section filled, with names outside Latin-1 in narrow (UTF-8) and wide strings.
GameData RichGameData() {
  GameData d;
  d.DialogNameTable = {{"ginger", {"ginger", 0x7FFF8000}}, {"Повар", {"Повар", -3}}};
  d.DialogRecords = {{"intro", {{{{"ginger", "pose_1", true}, {"客", "pose_2", false}}}, {}}, 0, 1},
                     {"", {}, -1, 7}};
  d.SoundNameTable = {{0, {"curtain", 0}}, {2, {"click", 2}}, {-5, {"ключ", -5}}};
  GameTuning& t = d.Tuning;
  t.GameDataValue4 = 30000.0f;
  t.DressByUpgradeLevel = {0, 1, 2};
  t.CookLayer = 50;
  t.HintPointerInterval = 8000.0f;
  t.CookWaitTime = 6000;
  t.IntroTimings = 500.0f;
  t.IngredientFlyLayer = 70;
  t.OrderSlideTime = 400;
  t.CookBlinkTime = 2000.0f;
  t.HoverDelay = 600;
  t.SpeechBalloonLayer = 90;
  t.ServedOrderBonusTime = 700.0f;
  t.DeliveryReminderInterval = 5000.0f;
  t.HoverHighlightRamp = 200.0f;
  t.IngredientFlyTime = 450.0f;
  t.BonusPointsPerOrder = 1.5f;
  t.CookStepTime = 60.0f;
  t.ComboClickWindow = 300.0f;
  t.ComboBonusTable = {{3, 10.0f}, {5, 25.0f}};
  t.GameSpeedFactor = 1.0f;
  t.QualityFactor = 1.25f;
  t.CookTimeFactor = 0.75f;
  t.PatienceDrainFactor = 2.0f;
  t.HintChargeThreshold = 15000.0f;
  t.PendingItemDelay = 3000.0f;
  t.OrderPanelMinX = 120;
  t.OrderShowTime = 1500;
  t.OrderSlotFirstX = 130.0f;
  t.OrderSlotFirstY = 80.0f;
  t.OrderSlotStep = 110.0f;
  t.OrderSlotSelectedOffset = -12.0f;
  t.OrderQueueCapacity = 5;
  t.CustomerArrivalInterval = 9000;
  t.OrderStartX = 900.0f;
  t.OrderStartY = 80.0f;
  t.BonusOrderContentOffsetY = 6.0f;
  t.OrderContentOffsetY = 4.0f;
  t.OrderChangeTime = 350.0f;
  t.OrderIconOffset = 32;
  t.OrderTextColor1 = 0xFF203040;
  t.OrderTextColor2 = 0xFF808080;
  t.OrderTextColor3 = 0xFF00A000;
  t.OrderTextColor4 = 0xFFFFA000;
  t.HudLayerBase = 1000;
  t.StageStatsMargin = 14.0f;
  t.HelpPageCount = 4;
  t.StandingsStep = 90.0f;
  t.StandingsCenterX = 400.0f;
  t.StandingsY = 40.0f;
  t.StandingsInterval = 2500.0f;
  d.TipRecords = {{1, "tip_serve", true, 3, false, -1, true, "interfaces.balloon"},
                  {-1, "tip_hint", false, 0, true, 2, false, "main_menu.hint_window"}};
  GridKeyFrame frame{4, -4, 0.5f, {{{0, 0}, {1.5f, -2.0f}}, {}, {{-3.0f, 4.0f}}}};
  d.GridAnimationTable = {{"map_wave", {"map_wave", {frame, {}}}}, {"still", {"still", {}}}};
  d.MotionPathTable = {{"spiral", {"spiral", {{0, 0}, {10.0f, 5.0f}, {-2.5f, 7.25f}}}},
                       {"пусто", {"пусто", {}}}};
  d.DefaultProgressBlock.Version = 7;
  d.DefaultProgressBlock.CurrentPlayer = L"Мария";
  d.DefaultProgressBlock.Players = {{L"", Profile(L"")},
                                    {L"Мария", Profile(L"Мария")},
                                    {L"\xD83C\xDF70", Profile(L"\xD83C\xDF70")}};
  d.DefaultProgressBlock.Scores = {{"chef_1", 1200.0f}, {"", 0.0f}};
  FlowRule rule;
  rule.enabled = true;
  rule.screen = "None";
  rule.previousScreen = "MainMenuScreen";
  rule.event = "play";
  rule.target = "ProgressMapScreen";
  rule.parameter = "p";
  rule.modal = true;
  rule.closeFirst = true;
  rule.layout = "main_menu.map";
  rule.smooth = true;
  rule.conditions = {{Node(14, 1, 0.0f, {Node(1, 1, 2.0f), Node(2, 1, 0.0f)}), 5, 0, 1, 1.0f, ""},
                     {{}, 0, 7, 0, 0.0f, ""},
                     {{}, 11, 1, 2, 0.0f, "stage1_1"}};
  rule.actions = {{{}, 27, 0, 2, 0.0f, "go"}};
  d.FlowRules = {rule, FlowRule{}};
  NamedExpression test{Node(20, 1, 0.0f, {Node(1, 1, 4.0f), Node(2, 1, 0.0f)}), "test"};
  test.Root.children[1].propertyId = 13;
  test.Root.children[0].literal = "четыре";
  d.NamedExpressions = {{"test", test}, {"deep", {Chain(MaxExprDepth), "deep"}}};
  return d;
}

// A file made of its sections, each replaceable: 1, 2, 3, the tuning values (4 to 10), then
// 11 to 16. Unreplaced sections are empty.
class SectionFile {
 public:
  SectionFile() {
    const GameData empty;
    const Bytes zeroCount = Encode([](GF::COutputStream& o) { GF::WriteUInt32BE(o, 0); });
    m_Sections = {
        zeroCount, zeroCount,
        zeroCount, Encode([&](GF::COutputStream& o) { WriteGameTuning(o, empty.Tuning); }),
        zeroCount, zeroCount,
        zeroCount, Encode([&](GF::COutputStream& o) { WriteProgressBlock(o, {}); }),
        zeroCount, zeroCount};
  }
  // section: 1, 2, 3, 4 (all tuning values) or 11 to 16.
  template <typename WriteFn>
  SectionFile& Set(int section, WriteFn write) {
    const int slot = section <= 4 ? section - 1 : section - 7;
    m_Sections[slot] = Encode(write);
    return *this;
  }
  Bytes Build() const {
    Bytes all;
    for (const Bytes& s : m_Sections) all.insert(all.end(), s.begin(), s.end());
    return all;
  }

 private:
  std::vector<Bytes> m_Sections;
};

class GameDataTest : public ::testing::Test {
 protected:
  void SetUp() override { GameDatabase = {}; }
  void TearDown() override { GameDatabase = {}; }
  CTestDataFileSource source;
};

TEST_F(GameDataTest, RecordsComeBackThroughWriterAndLoader) {
  GameData tuningOnly;
  tuningOnly.Tuning = RichGameData().Tuning;
  const struct {
    const char* name;
    GameData data;
  } cases[] = {{"empty sections", GameData{}},
               {"every section", RichGameData()},
               {"tuning only", tuningOnly}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Load(Write(c.data)));
    EXPECT_EQ(GameDatabase, c.data);
  }
  EXPECT_TRUE(source.log.empty());
}

TEST_F(GameDataTest, AllZeroFileGivesEmptyTablesAndZeroTuning) {
  ASSERT_TRUE(Load(Write(RichGameData())));
  const Bytes zeros(Write(GameData{}).size(), 0);
  ASSERT_TRUE(Load(zeros));
  EXPECT_EQ(GameDatabase, GameData{});
  EXPECT_EQ(GameSpeedFactor, 0.0f);
  EXPECT_TRUE(DressByUpgradeLevel.empty());
}

TEST_F(GameDataTest, ReloadLeavesNothingOfTheEarlierLoad) {
  GameData second;
  second.SoundNameTable = {{9, {"other", 9}}};
  second.TipRecords = {{-1, "only", false, 1, false, -1, false, ""}};
  ASSERT_TRUE(Load(Write(RichGameData())));
  ASSERT_TRUE(Load(Write(second)));
  EXPECT_EQ(GameDatabase, second);
}

TEST_F(GameDataTest, LaterRecordWithTheSameKeyWins) {
  const Bytes file = SectionFile()
                         .Set(1,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 2);
                                WriteNamedValue(o, {"ginger", 1});
                                WriteNamedValue(o, {"ginger", 2});
                              })
                         .Set(3,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 2);
                                WriteNamedValue(o, {"first", 4});
                                WriteNamedValue(o, {"second", 4});
                              })
                         .Set(12,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 2);
                                WriteGridAnimation(o, {"wave", {GridKeyFrame{1, 0, 0.0f, {}}}});
                                WriteGridAnimation(o, {"wave", {GridKeyFrame{2, 0, 0.0f, {}}}});
                              })
                         .Set(13,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 2);
                                WriteMotionPath(o, {"spiral", {{1, 1}}});
                                WriteMotionPath(o, {"spiral", {{2, 2}}});
                              })
                         .Set(16,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 2);
                                WriteNamedExpression(o, {Node(1, 1, 1.0f), "test"});
                                WriteNamedExpression(o, {Node(1, 1, 2.0f), "test"});
                              })
                         .Build();
  ASSERT_TRUE(Load(file));
  EXPECT_EQ(DialogNameTable.size(), 1u);
  EXPECT_EQ(DialogNameTable.at("ginger").Number, 2);
  EXPECT_EQ(SoundNameTable.size(), 1u);
  EXPECT_EQ(SoundNameTable.at(4).Name, "second");
  EXPECT_EQ(GridAnimationTable.at("wave").KeyFrames.at(0).Value1, 2);
  EXPECT_EQ(MotionPathTable.at("spiral").Points, (std::vector<GF::TPoint<float>>{{2, 2}}));
  EXPECT_EQ(NamedExpressions.at("test").Root.number, 2.0f);
}

TEST_F(GameDataTest, EveryTruncationFailsAndKeepsTheTables) {
  GameData before;
  before.SoundNameTable = {{1, {"kept", 1}}};
  ASSERT_TRUE(Load(Write(before)));
  const Bytes full = Write(RichGameData());
  for (std::size_t cut = 0; cut < full.size(); ++cut) {
    EXPECT_FALSE(Load(Bytes(full.begin(), full.begin() + cut))) << "cut at " << cut;
    ASSERT_EQ(GameDatabase, before) << "cut at " << cut;
  }
  ASSERT_FALSE(source.log.empty());
  EXPECT_EQ(source.log.front(),
            "[E] gamedata.bin: section 1 (dialogue names) is damaged; the file is not loaded");
}

TEST_F(GameDataTest, OversizedCountsAndDeepTreesFailNamingTheirSection) {
  const auto huge = [](std::uint32_t count) {
    return [count](GF::COutputStream& o) { GF::WriteUInt32BE(o, count); };
  };
  const struct {
    const char* name;
    Bytes file;
    const char* section;
  } cases[] = {
      {"count 0x7FFFFFFF", SectionFile().Set(1, huge(0x7FFFFFFF)).Build(), "section 1 ("},
      {"negative count", SectionFile().Set(11, huge(0xFFFFFFFF)).Build(), "section 11 ("},
      {"string longer than the file",
       SectionFile()
           .Set(2,
                [](GF::COutputStream& o) {
                  GF::WriteUInt32BE(o, 1);
                  GF::WritePackedUInt(o, 0xFFFFFFF0);
                })
           .Build(),
       "section 2 ("},
      {"player count 0x7FFFFFFF",
       SectionFile()
           .Set(14,
                [](GF::COutputStream& o) {
                  GF::WriteInt32BE(o, 1);
                  GF::WriteWideString(o, L"");
                  GF::WriteUInt32BE(o, 0x7FFFFFFF);
                })
           .Build(),
       "section 14 ("},
      {"expression deeper than the bound",
       SectionFile()
           .Set(16,
                [](GF::COutputStream& o) {
                  GF::WriteUInt32BE(o, 1);
                  WriteNamedExpression(o, {Chain(MaxExprDepth + 1), "deep"});
                })
           .Build(),
       "section 16 ("},
      {"rule condition deeper than the bound",
       SectionFile()
           .Set(15,
                [](GF::COutputStream& o) {
                  FlowRule rule;
                  rule.conditions = {{Chain(MaxExprDepth + 1), 0, 0, 0, 0.0f, ""}};
                  GF::WriteUInt32BE(o, 1);
                  WriteFlowRule(o, rule);
                })
           .Build(),
       "section 15 ("},
  };
  const GameData before = RichGameData();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Load(Write(before)));
    source.log.clear();
    EXPECT_FALSE(Load(c.file));
    EXPECT_EQ(GameDatabase, before);
    ASSERT_EQ(source.log.size(), 1u);
    EXPECT_NE(source.log[0].find(std::string("gamedata.bin: ") + c.section), std::string::npos)
        << source.log[0];
  }
}

TEST_F(GameDataTest, OversizedRowCountInsideAKeyFrameFails) {
  // A grid animation of one key frame whose row count is 0x7FFFFFFF.
  Bytes section = Encode([](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 1);
    GF::WriteString(o, "wave");
    GF::WriteUInt32BE(o, 1);
    WriteGridKeyFrame(o, {});
  });
  const Bytes rowCount = {0x7F, 0xFF, 0xFF, 0xFF};
  std::copy(rowCount.begin(), rowCount.end(), section.end() - 4);
  const Bytes file =
      SectionFile()
          .Set(12, [&](GF::COutputStream& o) { o.Write(section.data(), section.size()); })
          .Build();
  EXPECT_FALSE(Load(file));
  EXPECT_EQ(GameDatabase, GameData{});
}

TEST_F(GameDataTest, ExpressionAtTheDepthBoundLoads) {
  const Bytes file = SectionFile()
                         .Set(16,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 1);
                                WriteNamedExpression(o, {Chain(MaxExprDepth), "deep"});
                              })
                         .Build();
  ASSERT_TRUE(Load(file));
  EXPECT_EQ(NamedExpressions.at("deep").Root, Chain(MaxExprDepth));
}

TEST_F(GameDataTest, NextTipOutsideTheListBecomesNone) {
  const Bytes file = SectionFile()
                         .Set(11,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 3);
                                for (std::int32_t next : {2, 3, -7})
                                  WriteTipRecord(o, {next, "t", false, 0, false, -1, false, ""});
                              })
                         .Build();
  ASSERT_TRUE(Load(file));
  ASSERT_EQ(TipRecords.size(), 3u);
  EXPECT_EQ(TipRecords[0].NextTip, 2);
  EXPECT_EQ(TipRecords[1].NextTip, -1);
  EXPECT_EQ(TipRecords[2].NextTip, -1);
}

// Hand-encoded sections 4 to 10, each field numbered in file order: every named value must
// come from its own place, and the unused fields must be skipped.
TEST_F(GameDataTest, TuningValuesComeFromTheirPlacesInTheFile) {
  const Bytes tuning = Encode([](GF::COutputStream& o) {
    int n = 0;
    auto i = [&] { GF::WriteInt32BE(o, ++n); };
    auto f = [&] { GF::WriteFloat(o, static_cast<float>(++n)); };
    auto count = [&](std::uint32_t c) { GF::WriteUInt32BE(o, c); };
    f();                                // 4: GameDataValue4 = 1
    count(2), i(), i();                 // 5: dress list {2, 3}
    i(), f(), i();                      // CookLayer 4, HintPointerInterval 5, CookWaitTime 6
    f(), i(), i(), i(), i(), f();       // 6: 7, 8, (9), (10), 11, 12
    i(), i(), f(), f(), f(), f();       // 13 .. 18
    f(), f(), f();                      // 7: 19, 20, 21
    count(1), i(), f();                 // combo {22, 23}
    f(), f(), f(), f(), f(), f(), f();  // 24 .. 28, (29), 30
    i(), i(), f(), f(), f(), f(), i(), i(), f(), f(), f();  // 8: 31 .. 41
    i(), f(), f(), f(), i(), i(), i(), i(), i();            // (42), 43, (44), 45 .. 50
    i(), f(), i();                                          // 9: 51 .. 53
    count(2), i(), i(), f(), f(), f(), f(), f();            // 10: (54, 55), (56), 57 .. 60
  });
  const Bytes file =
      SectionFile()
          .Set(4, [&](GF::COutputStream& o) { o.Write(tuning.data(), tuning.size()); })
          .Build();
  ASSERT_TRUE(Load(file));
  const GameTuning& t = Tuning;
  EXPECT_EQ(t.GameDataValue4, 1.0f);
  EXPECT_EQ(t.DressByUpgradeLevel, (std::vector<std::int32_t>{2, 3}));
  EXPECT_EQ(t.CookLayer, 4);
  EXPECT_EQ(t.HintPointerInterval, 5.0f);
  EXPECT_EQ(t.CookWaitTime, 6);
  EXPECT_EQ(t.IntroTimings, 7.0f);
  EXPECT_EQ(t.IngredientFlyLayer, 8);
  EXPECT_EQ(t.OrderSlideTime, 11);
  EXPECT_EQ(t.CookBlinkTime, 12.0f);
  EXPECT_EQ(t.HoverDelay, 13);
  EXPECT_EQ(t.SpeechBalloonLayer, 14);
  EXPECT_EQ(t.ServedOrderBonusTime, 15.0f);
  EXPECT_EQ(t.DeliveryReminderInterval, 16.0f);
  EXPECT_EQ(t.HoverHighlightRamp, 17.0f);
  EXPECT_EQ(t.IngredientFlyTime, 18.0f);
  EXPECT_EQ(t.BonusPointsPerOrder, 19.0f);
  EXPECT_EQ(t.CookStepTime, 20.0f);
  EXPECT_EQ(t.ComboClickWindow, 21.0f);
  EXPECT_EQ(t.ComboBonusTable, (std::vector<IntFloatPair>{{22, 23.0f}}));
  EXPECT_EQ(t.GameSpeedFactor, 24.0f);
  EXPECT_EQ(t.QualityFactor, 25.0f);
  EXPECT_EQ(t.CookTimeFactor, 26.0f);
  EXPECT_EQ(t.PatienceDrainFactor, 27.0f);
  EXPECT_EQ(t.HintChargeThreshold, 28.0f);
  EXPECT_EQ(t.PendingItemDelay, 30.0f);
  EXPECT_EQ(t.OrderPanelMinX, 31);
  EXPECT_EQ(t.OrderShowTime, 32);
  EXPECT_EQ(t.OrderSlotFirstX, 33.0f);
  EXPECT_EQ(t.OrderSlotFirstY, 34.0f);
  EXPECT_EQ(t.OrderSlotStep, 35.0f);
  EXPECT_EQ(t.OrderSlotSelectedOffset, 36.0f);
  EXPECT_EQ(t.OrderQueueCapacity, 37);
  EXPECT_EQ(t.CustomerArrivalInterval, 38);
  EXPECT_EQ(t.OrderStartX, 39.0f);
  EXPECT_EQ(t.OrderStartY, 40.0f);
  EXPECT_EQ(t.BonusOrderContentOffsetY, 41.0f);
  EXPECT_EQ(t.OrderContentOffsetY, 43.0f);
  EXPECT_EQ(t.OrderChangeTime, 45.0f);
  EXPECT_EQ(t.OrderIconOffset, 46);
  EXPECT_EQ(t.OrderTextColor1, 47u);
  EXPECT_EQ(t.OrderTextColor4, 50u);
  EXPECT_EQ(t.HudLayerBase, 51);
  EXPECT_EQ(t.StageStatsMargin, 52.0f);
  EXPECT_EQ(t.HelpPageCount, 53);
  EXPECT_EQ(t.StandingsStep, 57.0f);
  EXPECT_EQ(t.StandingsCenterX, 58.0f);
  EXPECT_EQ(t.StandingsY, 59.0f);
  EXPECT_EQ(t.StandingsInterval, 60.0f);
}

TEST_F(GameDataTest, PointTagByteIsIgnored) {
  const Bytes file = SectionFile()
                         .Set(13,
                              [](GF::COutputStream& o) {
                                GF::WriteUInt32BE(o, 1);
                                GF::WriteString(o, "p");
                                GF::WriteUInt32BE(o, 2);
                                for (std::uint8_t tag : {0, 0xAB}) {
                                  GF::WriteByte(o, tag);
                                  GF::WriteFloat(o, 1.5f);
                                  GF::WriteFloat(o, -2.0f);
                                }
                              })
                         .Build();
  ASSERT_TRUE(Load(file));
  EXPECT_EQ(MotionPathTable.at("p").Points,
            (std::vector<GF::TPoint<float>>{{1.5f, -2.0f}, {1.5f, -2.0f}}));
}

TEST_F(GameDataTest, LevelResetAndCheckedDressLookup) {
  Tuning = RichGameData().Tuning;
  GameTuning expected = Tuning;
  expected.GameSpeedFactor = expected.QualityFactor = 1.0f;
  expected.PatienceDrainFactor = expected.CookTimeFactor = 1.0f;
  expected.CookStepTime = 60.0f;
  expected.BonusPointsPerOrder = 0.0f;
  ResetLevelTuning(Tuning);
  EXPECT_EQ(Tuning, expected);

  Tuning.DressByUpgradeLevel = {5, 6};
  EXPECT_EQ(Tuning.DressForUpgradeLevel(0), 5);
  EXPECT_EQ(Tuning.DressForUpgradeLevel(1), 6);
  EXPECT_EQ(Tuning.DressForUpgradeLevel(2), -1);
  EXPECT_EQ(Tuning.DressForUpgradeLevel(-1), -1);
}

TEST_F(GameDataTest, FileComesFromBinary2BeforeBinary) {
  GameData first, second;
  first.SoundNameTable = {{1, {"from Binary", 1}}};
  second.SoundNameTable = {{1, {"from Binary_2", 1}}};
  source.files["Binary\\gamedata.bin"] = Write(first);
  ASSERT_TRUE(LoadGameDataFile());
  EXPECT_EQ(GameDatabase, first);
  source.files["Binary_2\\gamedata.bin"] = Write(second);
  ASSERT_TRUE(LoadGameDataFile());
  EXPECT_EQ(GameDatabase, second);
}

TEST_F(GameDataTest, MissingFileLoadsNothingSilently) {
  ASSERT_TRUE(Load(Write(RichGameData())));
  EXPECT_FALSE(LoadGameDataFile());
  EXPECT_EQ(GameDatabase, RichGameData());
  EXPECT_TRUE(source.log.empty());
}

}  // namespace
