#include "framework/core/CMemoryOutputStream.h"
#include "tools/content/SampleContent.h"

namespace {

void AddUpgrades(LevelsData& d) {
  d.UpgradeTable[2] = {1, 1, "dress_1", 1, 2, "UPG_Bonus_Points"};
}

void AddBonuses(LevelsData& d) {
  const char* names[] = {"bonus.time_freeze", "bonus.cook_time", "bonus.stop_timer",
                         "bonus.quality",     "bonus.light",     "bonus.random"};
  for (std::int32_t kind = 0; kind < 6; ++kind)
    d.BonusTable[kind] = {names[kind], std::string(names[kind]) + "_icon", 10000.0f, kind};
}

RecipeRecord Recipe(const std::string& key, const std::wstring& name, std::int32_t payment,
                    std::vector<RecipeItem> items) {
  RecipeRecord r;
  r.DisplayName = name;
  r.Name2 = key;
  r.Text2 = name;
  r.Payment = payment;
  r.RecipeKey = key;
  r.Items = std::move(items);
  return r;
}

// One recipe for every dish of the catalogue.
void AddRecipes(LevelsData& d) {
  const RecipeItem eggs{L"Eggs", 0, "Ingredients.eggs"}, flour{L"Flour", 0, "Ingredients.flour"},
      milk{L"Milk", 0, "Ingredients.milk"}, berries{L"Berries", 0, "Ingredients.berries"},
      mix{L"Mix", 2000, "Devices.mixer"}, fry{L"Fry", 3000, "Devices.griddle"},
      cook{L"Cook", 3500, "Devices.stove"};
  for (RecipeRecord r : {Recipe("Dishes.batter", L"Batter", 10, {eggs, flour, mix}),
                         Recipe("Dishes.pancakes", L"Pancakes", 20, {eggs, flour, milk, mix, fry}),
                         Recipe("Dishes.omelette", L"Omelette", 15, {eggs, milk, cook}),
                         Recipe("Dishes.berry_pancakes", L"Berry pancakes", 30,
                                {eggs, flour, milk, mix, fry, berries})})
    d.RecipeTable[r.RecipeKey] = r;
}

void AddStages(LevelsData& d) {
  d.StageTable["stage1"] = {1, 2, 1, "stage1"};
  d.StageTable["stage2"] = {2, 2, 2, "stage2"};
  for (const char* type : {"bonus_diference", "bonus_ispy", "bonus_ispy_dark", "bonus_place_in"})
    d.StageTable[type] = {0, 1, 0, type};
}

DeviceSlot Slot(const std::string& name, float x, float y, std::int32_t layer) {
  DeviceSlot s;
  s.Name = name;
  s.Scale = {1.0f, 1.0f};
  s.Opacity = 1.0f;
  s.Layer = layer;
  s.Position = {x, y};
  return s;
}

LevelOrderRecord Order(const std::string& recipe, std::int32_t figure) {
  return {0.0f, figure, 40, 0, recipe, 30};
}

// A kitchen of the 800 x 600 screen: the floor a trapezoid below the counters, the counters
// along its back row blocked, a table in the middle.
LevelDescription Kitchen(const std::string& key, std::int32_t index, std::int32_t number) {
  LevelDescription l;
  l.LevelIndex = index;
  l.Value1 = number;
  l.Name3 = "levels.kitchen_1";
  l.StageKey = "stage1";
  l.LevelKey = key;
  l.LevelTime = 180000.0f;
  l.ServingCell = {8, 14};
  l.Obstacles.assign(LevelDescription::ObstacleCount, false);
  // Cell (a, b) at a x 16 + b, a across and b in depth: b = 0 is the back row.
  for (int a = 0; a < LevelDescription::GridSize; ++a)
    l.Obstacles[static_cast<std::size_t>(a * 16)] = true;  // the counters
  for (int a : {7, 8})
    for (int b : {7, 8}) l.Obstacles[static_cast<std::size_t>(a * 16 + b)] = true;
  l.FloorPoints = {{180.0f, 260.0f}, {620.0f, 260.0f}, {80.0f, 560.0f}, {720.0f, 560.0f}};
  l.DeviceSlots = {Slot("Devices.mixer", 260.0f, 230.0f, 300),
                   Slot("Ingredients.eggs", 520.0f, 230.0f, 300),
                   Slot("Ingredients.flour", 600.0f, 230.0f, 300)};
  return l;
}

LevelDescription BonusLevel(const std::string& key, const std::string& type, std::int32_t index) {
  LevelDescription l;
  l.LevelIndex = index;
  l.BonusLevel = true;
  l.Value1 = 1;
  l.Name3 = "levels." + type;
  l.StageKey = type;
  l.HintText = L"Find the items!";
  l.LevelKey = key;
  l.LevelTime = 60000.0f;
  l.DeviceSlots = {Slot("Items.cup", 200.0f, 300.0f, 400), Slot("Items.spoon", 420.0f, 360.0f, 400),
                   Slot("Items.teapot", 600.0f, 250.0f, 400)};
  return l;
}

void AddLevels(LevelsData& d) {
  LevelDescription first = Kitchen("stage1_1", 1, 1);
  first.NewIngredients = {"Ingredients.eggs", "Ingredients.flour"};
  first.Orders = {Order("Dishes.batter", 1), Order("Dishes.batter", 2), Order("Dishes.batter", 3)};
  first.Rivals = {{150, 2}};
  first.BonusEntries = {{0, 0.5f}};

  LevelDescription second = Kitchen("stage1_2", 2, 2);
  second.NewIngredients = {"Ingredients.milk"};
  second.DeviceSlots.push_back(Slot("Devices.griddle", 340.0f, 230.0f, 300));
  second.DeviceSlots.push_back(Slot("Ingredients.milk", 680.0f, 260.0f, 300));
  // Type 1 marks a position, type 2 shuffles the orders after it.
  second.Orders = {Order("Dishes.batter", 1), {0.0f, 0, 0, 1, "", 0}, Order("Dishes.pancakes", 2),
                   Order("Dishes.batter", 3), {0.0f, 0, 0, 2, "", 0}, Order("Dishes.pancakes", 4)};
  second.Rivals = {{300, 2}};

  for (LevelDescription l :
       {first, second, BonusLevel("bonus_1", "bonus_diference", 101),
        BonusLevel("bonus_2", "bonus_ispy", 102), BonusLevel("bonus_3", "bonus_ispy_dark", 103),
        BonusLevel("bonus_4", "bonus_place_in", 104)})
    d.LevelTable[l.LevelKey] = l;
}

void AddCookBook(LevelsData& d) {
  CookBookEntry title;
  title.Text = L"Pancakes";
  title.Name = "Dishes.pancakes";
  title.LayoutIndex = 2;
  title.LayoutScale = 1.0f;
  CookBookEntry picture;
  picture.Name = "Dishes.pancakes";
  picture.LayoutMode = 1;
  d.CookBookGroups = {{false, false, false, {title, picture}, "Dishes.pancakes"}};
  d.CookBookLayoutValues = {-1.0f, 24.0f};
}

}  // namespace

LevelsData MakeSampleLevelsData() {
  LevelsData d;
  AddUpgrades(d);
  AddBonuses(d);
  AddRecipes(d);
  AddStages(d);
  AddLevels(d);
  AddCookBook(d);
  return d;
}

bool WriteSampleLevelsData(const std::filesystem::path& outDir) {
  GF::CMemoryOutputStream out;
  WriteLevelsData(out, MakeSampleLevelsData());
  return WriteContentFile(outDir, "Binary/levelsdata.bin", out.Bytes());
}
