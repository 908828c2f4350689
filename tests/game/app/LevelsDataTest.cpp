#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "game/app/LevelsData.h"
#include "tests/game/app/CTestDataFileSource.h"
#include "tests/game/app/DataFileBytes.h"

namespace {

using pm::test::Bytes;
using pm::test::Encode;

Bytes Write(const LevelsData& data) {
  return pm::test::EncodeFile(WriteLevelsData, data);
}

bool Load(const Bytes& bytes) {
  return pm::test::LoadFile(LoadLevelsData, bytes);
}

// A playable kitchen level: 256 free cells, four corners, a serving cell, patient customers.
LevelDescription Kitchen(const std::string& key) {
  LevelDescription l;
  l.LevelIndex = 3;
  l.BonusLevel = false;
  l.RandomBonuses = true;
  l.Value1 = 2;
  l.NewIngredients = {"Ingredients.яйца", ""};
  l.Names2 = {"n"};
  l.BonusEntries = {{0, 0.25f}, {5, 0.75f}};
  l.Rivals = {{300, 2}, {450, 9}};
  l.ServingCellFlag = true;
  l.ServingCell = {8, 15};
  l.Name3 = "levels.kitchen_1";
  l.StageKey = "stage1";
  l.HintText = L"Подсказка \x20AC";
  l.LevelKey = key;
  l.LevelTime = 180000.0f;
  l.Orders = {{1.5f, 3, 40, 0, "Dishes.pancakes", 30},
              {0.0f, 0, 0, 1, "", 0},
              {0.0f, 7, 20, 101, "Dishes.omelette", 10}};
  l.Value2 = -4;
  l.Obstacles.assign(256, false);
  l.FloorPoints = {{180, 260}, {620, 260}, {80, 560}, {720, 560}, {400, 100}};
  l.Flag = true;
  DeviceSlot slot;
  slot.Name = "Devices.mixer";
  slot.Scale = {1.0f, 0.5f};
  slot.Opacity = 0.75f;
  slot.Layer = 300;
  slot.Angle = 0.1f;
  slot.Position = {260, 230};
  slot.ExtraPoint2 = {-1, -2};
  l.DeviceSlots = {slot, DeviceSlot{}};
  return l;
}

// A file of one level whose obstacle count is the given one. With no floor points and no
// slots, the count stands 13 bytes before the level's end (count, floor count, flag, slots).
Bytes HugeObstacleFile(std::uint32_t count) {
  LevelDescription level = Kitchen("k");
  level.Obstacles.clear();
  level.FloorPoints.clear();
  level.DeviceSlots.clear();
  Bytes b = Encode([&](GF::COutputStream& o) { WriteLevelDescription(o, level); });
  const std::size_t at = b.size() - 13;
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(count >> (24 - 8 * k));
  return Encode([&](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 0);
    GF::WriteString(o, "");
    for (int section = 3; section <= 5; ++section) GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 1);
    o.Write(b.data(), b.size());
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 0);
  });
}

LevelsData RichLevels() {
  LevelsData d;
  d.UpgradeTable = {{2, {1, 1, "dress_1", 1, 2, "UPG_Bonus_Points"}},
                    {45, {0, 3, "hat", 7, 45, "UPG_hat"}}};
  d.TestLevelKey = "stage1_2";
  d.BonusTable = {{0, {"bonus.time_freeze", "icon", 10000.0f, 0}}, {5, {"", "", 0.0f, 5}}};
  RecipeRecord recipe{L"Блины", "pic",
                      L"text",  1,
                      2,        20,
                      "n3",     L"名前",
                      {4, -5},  "Dishes.pancakes",
                      9,        {{L"Mix", 2000, "Devices.mixer"}, {L"", 0, ""}}};
  d.RecipeTable = {{"Dishes.pancakes", recipe}, {"", RecipeRecord{}}};
  d.StageTable = {{"stage1", {1, 6, 1, "stage1"}}, {"bonus_ispy", {0, 1, 0, "bonus_ispy"}}};
  // A hidden-object level runs on the kitchen's floor.
  LevelDescription bonus = Kitchen("bonus_2");
  bonus.BonusLevel = true;
  bonus.StageKey = "bonus_ispy";
  d.LevelTable = {{"stage1_1", Kitchen("stage1_1")}, {"bonus_2", bonus}};
  CookBookEntry entry{
      true, 3, false, true, 1.5f, 2.0f, 2, 4.5f, L"Текст", true, false, 1, "Dishes.pancakes",
      12.0f};
  d.CookBookGroups = {{true, false, true, {entry, CookBookEntry{}}, "Dishes.pancakes"}, {}};
  d.CookBookLayoutValues = {-1.0f, 24.0f};
  return d;
}

class LevelsDataTest : public ::testing::Test {
 protected:
  void SetUp() override { LevelsDatabase = {}; }
  void TearDown() override { LevelsDatabase = {}; }
  CTestDataFileSource source;
};

TEST_F(LevelsDataTest, RecordsComeBackThroughWriterAndLoader) {
  for (const LevelsData& data : {LevelsData{}, RichLevels()}) {
    ASSERT_TRUE(Load(Write(data)));
    EXPECT_EQ(LevelsDatabase, data);
  }
  EXPECT_TRUE(source.log.empty());
}

TEST_F(LevelsDataTest, LookupsByEveryKey) {
  ASSERT_TRUE(Load(Write(RichLevels())));
  EXPECT_EQ(LevelTable["stage1_1"].LevelKey, "stage1_1");
  EXPECT_EQ(UpgradeTable[LevelTable["stage1_1"].LevelIndex - 1].Name, "UPG_Bonus_Points");
  EXPECT_EQ(UpgradeTable[45].Text(), "hat");
  EXPECT_EQ(BonusTable[0].Name, "bonus.time_freeze");
  EXPECT_EQ(RecipeTable["Dishes.pancakes"].Items.size(), 2u);
  EXPECT_EQ(StageTable["stage1"].LevelCount, 6);
  EXPECT_EQ(TestLevelKey, "stage1_2");

  // The names the screens use for the same fields.
  const LevelDescription& level = LevelTable["stage1_1"];
  EXPECT_EQ(level.LevelType(), "stage1");
  EXPECT_EQ(level.LevelNumber(), 2);
  EXPECT_EQ(level.SceneAnimationName(), "levels.kitchen_1");
  EXPECT_TRUE(level.IsKitchenLevel());
  EXPECT_FALSE(LevelTable["bonus_2"].IsKitchenLevel());
  EXPECT_EQ(RecipeTable["Dishes.pancakes"].NameText(), L"名前");

  // A missing key gives an empty record.
  EXPECT_EQ(LevelTable["stage9_9"], LevelDescription{});
  EXPECT_EQ(RecipeTable["Dishes.none"], RecipeRecord{});
}

TEST_F(LevelsDataTest, ObstacleBitsAndFloorCornersLandOnTheirCells) {
  LevelsData data;
  LevelDescription level = Kitchen("grid");
  for (auto [a, b] : {std::pair{0, 1}, {3, 15}, {15, 0}, {9, 9}})
    level.Obstacles[static_cast<std::size_t>(a * 16 + b)] = true;
  data.LevelTable["grid"] = level;
  const Bytes file = Write(data);
  ASSERT_TRUE(Load(file));

  const LevelDescription& loaded = LevelTable.at("grid");
  int blocked = 0;
  for (int a = 0; a < 16; ++a)
    for (int b = 0; b < 16; ++b) blocked += loaded.IsBlocked(a, b);
  EXPECT_EQ(blocked, 4);
  EXPECT_TRUE(loaded.IsBlocked(0, 1));
  EXPECT_TRUE(loaded.IsBlocked(3, 15));
  EXPECT_TRUE(loaded.IsBlocked(15, 0));
  EXPECT_FALSE(loaded.IsBlocked(1, 0));
  EXPECT_FALSE(loaded.IsBlocked(15, 3));
  const auto corners = loaded.FloorCorners();
  EXPECT_EQ(corners[0], (GF::TPoint<float>{180, 260}));  // top-left
  EXPECT_EQ(corners[1], (GF::TPoint<float>{620, 260}));  // top-right
  EXPECT_EQ(corners[2], (GF::TPoint<float>{80, 560}));   // bottom-left
  EXPECT_EQ(corners[3], (GF::TPoint<float>{720, 560}));  // bottom-right

  // Copies are deep: changing a copy leaves the table's record alone.
  LevelDescription copy = loaded;
  copy.Obstacles[1] = false;
  copy.DeviceSlots[0].Name = "Devices.mixer_2";
  EXPECT_TRUE(LevelTable.at("grid").IsBlocked(0, 1));
  EXPECT_EQ(LevelTable.at("grid").DeviceSlots[0].Name, "Devices.mixer");
}

// Hand-encoded level and slot with every field numbered in file order.
TEST_F(LevelsDataTest, LevelAndSlotFieldsComeFromTheirPlaces) {
  const Bytes level = Encode([](GF::COutputStream& o) {
    int n = 0;
    auto i = [&] { GF::WriteInt32BE(o, ++n); };
    auto f = [&] { GF::WriteFloat(o, static_cast<float>(++n)); };
    auto b = [&] { GF::WriteBool(o, true); };
    auto s = [&](const char* text) { GF::WriteString(o, text); };
    auto pt = [&] {
      GF::WriteByte(o, 0x5A);
      f(), f();
    };
    auto count = [&](std::uint32_t c) { GF::WriteUInt32BE(o, c); };
    i(), b(), b(), i();                                    // index 1, flags, value 1 = 2
    count(1), s("new"), count(0);                          // new ingredients, names 2
    count(1), i(), f(), count(1), i(), i();                // bonus (3, 4), rival (5, 6)
    b(), GF::WriteInt32BE(o, 7), GF::WriteInt32BE(o, 12);  // serving cell (7, 12)
    s("scene"), s("stage1"), GF::WriteWideString(o, L"hint"), s("lvl"), f();  // time 7
    count(1), f(), i(), i(), GF::WriteInt32BE(o, 0), s("Dishes.x"), i();      // order 8..11
    i();                                                                      // value 2 = 12
    count(256);
    for (int k = 0; k < 256; ++k) GF::WriteBool(o, k == 5);
    count(4), pt(), pt(), pt(), pt();  // floor 13..20
    b(), count(1), s("Devices.mixer");
    f(), f(), i(), i(), b(), b(), f(), f(), f(), f(), f(), i(), f();  // 21 .. 31
    pt(), f(), pt(), pt();                                            // 32 .. 38
  });
  const Bytes file = Encode([&](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 0);
    GF::WriteString(o, "");
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 1);
    o.Write(level.data(), level.size());
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 0);
  });
  ASSERT_TRUE(Load(file));
  ASSERT_TRUE(LevelTable.contains("lvl")) << (source.log.empty() ? "" : source.log[0]);
  const LevelDescription& l = LevelTable.at("lvl");
  EXPECT_EQ(l.LevelIndex, 1);
  EXPECT_EQ(l.LevelNumber(), 2);
  EXPECT_EQ(l.BonusEntries, (std::vector<LevelBonusEntry>{{3, 4.0f}}));
  EXPECT_EQ(l.Rivals, (std::vector<LevelRival>{{5, 6}}));
  EXPECT_EQ(l.ServingCell, (GF::TPoint<std::int32_t>{7, 12}));
  EXPECT_EQ(l.SceneAnimationName(), "scene");
  EXPECT_EQ(l.LevelType(), "stage1");
  EXPECT_EQ(l.HintText, L"hint");
  EXPECT_EQ(l.LevelTime, 7.0f);
  EXPECT_EQ(l.Orders, (std::vector<LevelOrderRecord>{{8.0f, 9, 10, 0, "Dishes.x", 11}}));
  EXPECT_EQ(l.Value2, 12);
  EXPECT_TRUE(l.IsBlocked(0, 5));
  EXPECT_EQ(l.FloorCorners()[3], (GF::TPoint<float>{19, 20}));
  const DeviceSlot& s = l.DeviceSlots.at(0);
  EXPECT_EQ(s.Name, "Devices.mixer");
  EXPECT_EQ(s.Value1, 21.0f);
  EXPECT_EQ(s.Value4, 24);
  EXPECT_EQ(s.Scale, (GF::TPoint<float>{25, 26}));
  EXPECT_EQ(s.Value5, 27.0f);
  EXPECT_EQ(s.Opacity, 28.0f);
  EXPECT_EQ(s.Value6, 29.0f);
  EXPECT_EQ(s.Layer, 30);
  EXPECT_EQ(s.Angle, 31.0f);
  EXPECT_EQ(s.Position, (GF::TPoint<float>{32, 33}));
  EXPECT_EQ(s.ExtraValue, 34.0f);
  EXPECT_EQ(s.ExtraPoint2, (GF::TPoint<float>{37, 38}));
}

TEST_F(LevelsDataTest, EachFaultDropsItsLevelAndKeepsTheRest) {
  struct Case {
    const char* key;
    void (*spoil)(LevelDescription&);
  };
  const Case cases[] = {
      {"short_grid", [](LevelDescription& l) { l.Obstacles.resize(255); }},
      {"long_grid", [](LevelDescription& l) { l.Obstacles.resize(257); }},
      {"no_grid", [](LevelDescription& l) { l.Obstacles.clear(); }},
      {"three_corners", [](LevelDescription& l) { l.FloorPoints.resize(3); }},
      {"serving_x_16", [](LevelDescription& l) { l.ServingCell.x = 16; }},
      {"serving_y_negative", [](LevelDescription& l) { l.ServingCell.y = -1; }},
      {"impatient_closed", [](LevelDescription& l) { l.Orders[0].PatienceClosed = 0; }},
      {"impatient_open", [](LevelDescription& l) { l.Orders[0].PatienceOpen = -3; }},
      {"impatient_type_3",
       [](LevelDescription& l) {
         l.Orders[0].OrderType = 3;
         l.Orders[0].PatienceOpen = 0;
       }},
      {"impatient_type_4",
       [](LevelDescription& l) {
         l.Orders[0].OrderType = 4;
         l.Orders[0].PatienceClosed = 0;
       }},
  };
  LevelsData data;
  data.LevelTable["good"] = Kitchen("good");
  for (const Case& c : cases) {
    LevelDescription level = Kitchen(c.key);
    c.spoil(level);
    data.LevelTable[c.key] = level;
  }
  // Orders without a progress bar (types 5-99 and the bonus and final orders) and script
  // controls need no patience, and a bonus level needs no kitchen floor.
  LevelDescription duel = Kitchen("duel");
  duel.Orders = {{0.0f, 1, 30, 0, "Dishes.pancakes", 40},
                 {0.0f, 2, 0, 101, "Dishes.omelette", 0},
                 {0.0f, 3, 0, 102, "Dishes.omelette", 0},
                 {0.0f, 4, -1, 5, "Dishes.soup", 0},
                 {0.0f, 5, 0, 100, "Dishes.soup", 0}};
  data.LevelTable["duel"] = duel;
  LevelDescription bonus;
  bonus.StageKey = "bonus_place_in";
  bonus.LevelKey = "bonus_4";
  bonus.Orders = {{0.0f, 0, 0, 2, "", 0}};
  data.LevelTable["bonus_4"] = bonus;
  // The hidden-object levels, normal and dark, run on the kitchen's floor, so they need it.
  for (const char* type : {"bonus_ispy", "bonus_ispy_dark"}) {
    LevelDescription floorless = bonus;
    floorless.StageKey = type;
    floorless.LevelKey = type;
    data.LevelTable[type] = floorless;
  }

  ASSERT_TRUE(Load(Write(data)));
  EXPECT_EQ(LevelTable.size(), 3u);
  EXPECT_EQ(LevelTable.at("good"), Kitchen("good"));
  EXPECT_EQ(LevelTable.at("duel"), duel);
  EXPECT_TRUE(LevelTable.contains("bonus_4"));
  std::vector<std::string> dropped = {"bonus_ispy", "bonus_ispy_dark"};
  for (const Case& c : cases) dropped.push_back(c.key);
  ASSERT_EQ(source.log.size(), dropped.size());
  for (const std::string& key : dropped) {
    const std::string prefix = "[W] levelsdata.bin: level " + key + " is dropped: ";
    EXPECT_EQ(std::count_if(source.log.begin(), source.log.end(),
                            [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }),
              1)
        << key;
  }
}

TEST_F(LevelsDataTest, DamagedFilesFailAndKeepTheTables) {
  const Bytes full = Write(RichLevels());
  std::vector<Bytes> bad;
  for (std::size_t cut = 0; cut < full.size(); ++cut)
    bad.emplace_back(full.begin(), full.begin() + cut);
  for (std::uint32_t count : {0x7FFFFFFFu, 0xFFFFFFFFu}) bad.push_back(HugeObstacleFile(count));
  ASSERT_TRUE(Load(HugeObstacleFile(0)));  // the same file with a sound count loads
  source.log.clear();

  LevelsData before;
  before.StageTable = {{"kept", {1, 2, 3, "kept"}}};
  ASSERT_TRUE(Load(Write(before)));
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_FALSE(Load(bad[i])) << "case " << i;
    ASSERT_EQ(LevelsDatabase, before) << "case " << i;
  }
  EXPECT_EQ(source.log.front(),
            "[E] levelsdata.bin: section 1 (upgrades) is damaged; the file is not loaded");
}

TEST_F(LevelsDataTest, LaterRecipeWithTheSameKeyWins) {
  const Bytes file = Encode([](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 0);
    GF::WriteString(o, "");
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 2);
    RecipeRecord first, second;
    first.RecipeKey = second.RecipeKey = "Dishes.pancakes";
    first.Payment = 10;
    second.Payment = 20;
    WriteRecipeRecord(o, first);
    WriteRecipeRecord(o, second);
    for (int section = 5; section <= 8; ++section) GF::WriteUInt32BE(o, 0);
  });
  ASSERT_TRUE(Load(file));
  EXPECT_EQ(RecipeTable.size(), 1u);
  EXPECT_EQ(RecipeTable["Dishes.pancakes"].Payment, 20);
}

TEST_F(LevelsDataTest, CookBookLayoutValueByIndex) {
  const std::vector<float> values = {-1.0f, 24.0f};
  const struct {
    std::int32_t index;
    std::optional<float> expected;
  } cases[] = {{0, {}}, {1, {}}, {2, 24.0f}, {3, {}}, {-1, {}}, {0x7FFFFFFF, {}}};
  for (const auto& c : cases) {
    CookBookEntry entry;
    entry.LayoutIndex = c.index;
    EXPECT_EQ(entry.LayoutValue(values), c.expected) << c.index;
  }
}

TEST_F(LevelsDataTest, FileComesThroughTheDataFolders) {
  source.files["Binary_2\\levelsdata.bin"] = Write(RichLevels());
  ASSERT_TRUE(LoadLevelsDataFile());
  EXPECT_EQ(LevelsDatabase, RichLevels());
}

}  // namespace
