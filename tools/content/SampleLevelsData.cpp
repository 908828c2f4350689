#include "framework/core/CMemoryOutputStream.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleStageEnd.h"
#include "tools/content/SampleTrophyRoom.h"
#include "tools/content/SampleUnlockScreens.h"

namespace {

// An upgrade level for each effect, granted by the levels 2 to 5 (outfits 1 to 3 of the first
// stage, outfit 4 of the second), and the upgraded mixer, an item granted by a level from 45
// on (its id is no upgrade level).
void AddUpgrades(LevelsData& d) {
  d.UpgradeTable[2] = {1, 1, "dress_1", 1, 2, "UPG_Bonus_Points"};
  d.UpgradeTable[3] = {2, 1, "dress_2", 2, 3, "UPG_Makes_Ginger_faster"};
  d.UpgradeTable[4] = {3, 1, "dress_3", 3, 4, "UPG_Judge_pateince"};
  d.UpgradeTable[5] = {4, 2, "bonuses", 4, 5, "UPG_Gives_possibility_to_earn_bonuses_7"};
  d.UpgradeTable[45] = {5, 1, "Devices.mixer", 5, 45, "UPG_mixer"};
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
  // The hidden-object order: three things fetched in any order, served on the teapot's
  // picture.
  RecipeRecord tea = Recipe(
      "Dishes.tea_set", L"Tea set", 10,
      {{L"Cup", 0, "Items.cup"}, {L"Spoon", 0, "Items.spoon"}, {L"Teapot", 0, "Items.teapot"}});
  tea.Name2 = "Items.teapot";
  d.RecipeTable[tea.RecipeKey] = tea;
}

constexpr std::int32_t kLastStage = 7;
constexpr std::int32_t kLevelsPerStage = 2;

void AddStages(LevelsData& d) {
  d.StageTable["stage1"] = {1, kLevelsPerStage, 1, "stage1"};
  d.StageTable["stage2"] = {2, kLevelsPerStage, 2, "stage2"};
  // The map's later stages, two levels each; the last ends with a comic (no competitor).
  for (std::int32_t n = 3; n <= kLastStage; ++n) {
    const std::string key = "stage" + std::to_string(n);
    d.StageTable[key] = {n < 6 ? n : (n == 6 ? 7 : 0), kLevelsPerStage, n, key};
  }
  for (const char* type : {"bonus_diference", "bonus_ispy", "bonus_ispy_dark", "bonus_place_in"})
    d.StageTable[type] = {0, 1, 0, type};
}

DeviceSlot Slot(const std::string& name, float x, float y, std::int32_t layer, float scale = 1.0f) {
  DeviceSlot s;
  s.Name = name;
  s.Scale = {scale, scale};
  s.Opacity = 1.0f;
  s.Layer = layer;
  s.Position = {x, y};
  return s;
}

LevelOrderRecord Order(const std::string& recipe, std::int32_t figure) {
  return {0.0f, figure, 40, 0, recipe, 30};
}

// The counter's devices and stands, drawn at 0.8, with their feet on the counter's top.
DeviceSlot OnCounter(const std::string& name, float x) {
  return Slot(name, x, 230.0f, 300, 0.8f);
}

// A kitchen of the 800 x 600 screen: the floor a trapezoid below the counter, the counter
// along its back row blocked, a table in the middle. The orders queue right of x 660, so
// the floor and the counter's devices stay left of it, and the open order's card (down to
// the counter, left of the column to x 486) covers none of them nor the cook in front of
// them; each device has a floor cell in front of it where the cook works.
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
  l.FloorPoints = {{120.0f, 260.0f}, {600.0f, 260.0f}, {40.0f, 560.0f}, {650.0f, 560.0f}};
  l.DeviceSlots = {OnCounter("Devices.mixer", 222.0f), OnCounter("Ingredients.eggs", 292.0f),
                   OnCounter("Ingredients.flour", 344.0f)};
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

// Spot the difference: cup and teapot stand in both pictures, the spoon only left, the apple
// only right, and the vase (left) and the book (right) swapped.
LevelDescription DiferenceLevel() {
  LevelDescription l = BonusLevel("bonus_diference_1", "bonus_diference", 101);
  l.HintText = L"Find the 4 differences!";
  l.DeviceSlots = {
      Slot("Items.cup", 100.0f, 250.0f, 400),    Slot("Items.cup", 500.0f, 250.0f, 400),
      Slot("Items.teapot", 300.0f, 450.0f, 400), Slot("Items.teapot", 700.0f, 450.0f, 400),
      Slot("Items.spoon", 200.0f, 150.0f, 400),  Slot("Items.apple", 580.0f, 350.0f, 400),
      Slot("Items.vase", 260.0f, 330.0f, 400),   Slot("Items.book", 660.0f, 330.0f, 400)};
  return l;
}

// Place in: each thing stands in the left picture and goes to the same spot in the right.
LevelDescription PlaceInLevel() {
  LevelDescription l = BonusLevel("bonus_place_in_1", "bonus_place_in", 104);
  l.HintText = L"Put each thing where\\nit stands on the left";
  l.LevelTime = 90000.0f;
  l.DeviceSlots = {
      Slot("Items.cup", 100.0f, 200.0f, 400),    Slot("Items.spoon", 180.0f, 300.0f, 400),
      Slot("Items.teapot", 300.0f, 220.0f, 400), Slot("Items.apple", 90.0f, 380.0f, 400),
      Slot("Items.vase", 250.0f, 400.0f, 400),   Slot("Items.book", 330.0f, 320.0f, 400)};
  return l;
}

// A hidden-object level: the room stands on the kitchen's floor, grid and serving cell, on
// which its field runs.
LevelDescription ISpyLevel(const std::string& key, const std::string& type, std::int32_t index) {
  LevelDescription l = Kitchen(key, index, 1);
  l.BonusLevel = true;
  l.Name3 = "levels." + type;
  l.StageKey = type;
  l.LevelTime = 90000.0f;
  return l;
}

// The list search: the cup, the spoon and the apple listed right of x 650; two cups (among
// the jars on the bookshelf and on the blue stool), a spoon by the crock of ladles and an
// apple in the fern, among a teapot, a book and a vase that are not sought.
LevelDescription ISpyListLevel() {
  LevelDescription l = ISpyLevel("bonus_ispy_1", "bonus_ispy", 102);
  l.HintText = L"Find every cup, spoon\\nand apple in the room";
  l.DeviceSlots = {Slot("Items.cup", 700.0f, 100.0f, 400),
                   Slot("Items.spoon", 700.0f, 200.0f, 400),
                   Slot("Items.apple", 700.0f, 300.0f, 400),
                   Slot("Items.cup", 86.0f, 134.0f, 400, 0.55f),
                   Slot("Items.cup", 232.0f, 456.0f, 400, 0.55f),
                   Slot("Items.spoon", 232.0f, 194.0f, 400, 0.6f),
                   Slot("Items.apple", 606.0f, 168.0f, 400, 0.5f),
                   Slot("Items.teapot", 384.0f, 374.0f, 400, 0.7f),
                   Slot("Items.book", 150.0f, 300.0f, 400, 0.7f),
                   Slot("Items.vase", 300.0f, 189.0f, 400, 0.7f)};
  return l;
}

// The dark room: one key listed, three hidden (on the bookshelf's books, on the rug, behind
// the fruit bowl), and a cup and a book not sought.
LevelDescription ISpyDarkLevel() {
  LevelDescription l = ISpyLevel("bonus_ispy_dark_1", "bonus_ispy_dark", 103);
  l.HintText = L"Find the three keys\\nin the dark";
  l.DeviceSlots = {
      Slot("Items.key", 700.0f, 300.0f, 400),       Slot("Items.key", 88.0f, 190.0f, 400, 0.5f),
      Slot("Items.key", 500.0f, 470.0f, 400, 0.5f), Slot("Items.key", 596.0f, 208.0f, 400, 0.45f),
      Slot("Items.cup", 86.0f, 134.0f, 400, 0.55f), Slot("Items.book", 150.0f, 300.0f, 400, 0.7f)};
  return l;
}

// The order search: a customer wants the tea set, whose three things stand on the floor.
LevelDescription ISpyOrderLevel() {
  LevelDescription l = ISpyLevel("bonus_ispy_2", "bonus_ispy", 105);
  l.HintText = L"Gather the tea set\\nfor the customer";
  l.LevelTime = 60000.0f;
  l.Orders = {{0.0f, 1, 90, 0, "Dishes.tea_set", 90}};
  l.DeviceSlots = {Slot("Items.cup", 180.0f, 330.0f, 400, 0.7f),
                   Slot("Items.spoon", 540.0f, 360.0f, 400, 0.7f),
                   Slot("Items.teapot", 260.0f, 500.0f, 400, 0.7f)};
  return l;
}

// The griddle, smaller, and the milk share the counter's left end with the bell.
void AddGriddleAndMilk(LevelDescription& l) {
  DeviceSlot griddle = OnCounter("Devices.griddle", 164.0f);
  griddle.Scale = {0.6f, 0.6f};
  l.DeviceSlots.push_back(griddle);
  l.DeviceSlots.push_back(OnCounter("Ingredients.milk", 120.0f));
}

// The dishes a stage's customers order: the stove's omelette from stage 3, the berry
// pancakes from stage 4.
std::vector<std::string> StageMenu(std::int32_t stage) {
  std::vector<std::string> menu = {"Dishes.batter", "Dishes.pancakes"};
  if (stage >= 3) menu.push_back("Dishes.omelette");
  if (stage >= 4) menu.push_back("Dishes.berry_pancakes");
  return menu;
}

// The customers of a level from stage 2 on: one more every stage and on its second level, a
// little less patient every stage.
std::vector<LevelOrderRecord> StageOrders(std::int32_t stage, std::int32_t number) {
  const std::vector<std::string> menu = StageMenu(stage);
  const std::int32_t count = stage + number + 2;
  std::vector<LevelOrderRecord> orders;
  for (std::int32_t i = 0; i < count; ++i)
    orders.push_back({0.0f, i % 4 + 1, 42 - 2 * stage, 0,
                      menu[static_cast<std::size_t>(i) % menu.size()], 31 - stage});
  return orders;
}

// The rivals still in the tournament: each stage's end drops its stage's competitor (1 to 5,
// then 7), so the last stage is a final against competitor 0. Their targets are shares of
// what every order served at once would pay, the leader's share rising gently with the stage
// and the others' falling behind it, so that a fair cook takes the places the stage asks for.
std::vector<LevelRival> StageRivals(const LevelsData& d, std::int32_t stage,
                                    const std::vector<LevelOrderRecord>& orders) {
  // A customer served at once adds up to 10 points to the recipe's payment.
  float best = 0.0f;
  for (const LevelOrderRecord& order : orders)
    best += static_cast<float>(d.RecipeTable.at(order.RecipeKey).Payment + 10);
  std::vector<std::int32_t> ids = {0};
  for (std::int32_t id = stage; id <= 5; ++id) ids.push_back(id);
  if (stage < 7) ids.push_back(7);
  std::vector<LevelRival> rivals;
  float share = 0.4f + 0.03f * static_cast<float>(stage);
  for (std::int32_t id : ids) {
    rivals.push_back({static_cast<std::int32_t>(best * share), id});
    share -= 0.07f;
  }
  return rivals;
}

// A device standing on the floor at cells a and a + 1 of the rows 7 and 8, which it blocks;
// at that depth the floor starts at x 76 and a cell is 34 wide.
void AddOnFloor(LevelDescription& l, const std::string& name, int a, float scale) {
  const float middle = 76.0f + 34.0f * static_cast<float>(a + 1);
  l.DeviceSlots.push_back(Slot(name, middle, 425.0f, 300, scale));
  for (int cell : {a, a + 1})
    for (int b : {7, 8}) l.Obstacles[static_cast<std::size_t>(cell * 16 + b)] = true;
}

// A level of stages 2 to 7 on stage 1's second kitchen; the stove from stage 3 and the
// berries from stage 4 stand on the floor, as the counter's right end lies under the open
// order's card. The levels are numbered on from stage 1's duel (3), so that stage 2's two
// grant the last outfit and the bonuses; the later ones grant nothing.
LevelDescription StageLevel(const LevelsData& d, std::int32_t stage, std::int32_t number) {
  const std::string stageKey = "stage" + std::to_string(stage);
  LevelDescription l =
      Kitchen(stageKey + "_" + std::to_string(number), 2 * stage + number - 1, number);
  l.StageKey = stageKey;
  AddGriddleAndMilk(l);
  // Left of the cook's place in the middle, with a floor cell in front of each.
  if (stage >= 3) AddOnFloor(l, "Devices.stove", 2, 0.7f);
  if (stage >= 4) AddOnFloor(l, "Ingredients.berries", 4, 0.8f);
  if (stage == 4 && number == 1) l.NewIngredients = {"Ingredients.berries"};
  l.Orders = StageOrders(stage, number);
  l.Rivals = StageRivals(d, stage, l.Orders);
  return l;
}

void AddLevels(LevelsData& d) {
  LevelDescription first = Kitchen("stage1_1", 1, 1);
  first.NewIngredients = {"Ingredients.eggs", "Ingredients.flour"};
  first.Orders = {Order("Dishes.batter", 1), Order("Dishes.batter", 2), Order("Dishes.batter", 3)};
  first.LevelTime = 60000.0f;
  // Three rivals low enough for two or three served orders to win, and to beat a cook who
  // only stands there.
  first.Rivals = {{30, 2}, {24, 3}, {18, 4}};
  first.BonusEntries = {{0, 0.5f}};

  LevelDescription second = Kitchen("stage1_2", 2, 2);
  second.NewIngredients = {"Ingredients.milk"};
  AddGriddleAndMilk(second);
  // Type 1 marks a position, type 2 shuffles the orders after it; type 100 is a bonus order.
  second.Orders = {Order("Dishes.batter", 1),
                   {0.0f, 0, 0, 1, "", 0},
                   Order("Dishes.pancakes", 2),
                   Order("Dishes.batter", 3),
                   {0.0f, 0, 0, 2, "", 0},
                   Order("Dishes.pancakes", 4),
                   {0.0f, 0, 40, 100, "Dishes.omelette", 30}};
  second.Rivals = SampleStageRivals();

  // A duel: the player's special orders (101) against the rival's, which cook themselves
  // a step every 4 to 6 s.
  LevelDescription duel = Kitchen("stage1_duel", 3, 3);
  duel.Orders = {{0.0f, 1, 0, 101, "Dishes.batter", 0},
                 {4.0f, 2, 0, 102, "Dishes.batter", 0},
                 {0.0f, 1, 0, 101, "Dishes.batter", 0},
                 {4.0f, 2, 0, 102, "Dishes.batter", 0}};

  for (LevelDescription l : {first, second, duel, DiferenceLevel(), ISpyListLevel(),
                             ISpyDarkLevel(), PlaceInLevel(), ISpyOrderLevel()})
    d.LevelTable[l.LevelKey] = l;
  for (std::int32_t stage = 2; stage <= kLastStage; ++stage)
    for (std::int32_t number = 1; number <= kLevelsPerStage; ++number) {
      const LevelDescription l = StageLevel(d, stage, number);
      d.LevelTable[l.LevelKey] = l;
    }
}

// Page elements of the sample cook book, on pages of 320 x 480.
CookBookEntry InFlow(const char* name, std::wstring text, float height) {
  CookBookEntry e;
  e.Name = name;
  e.Text = std::move(text);
  e.Flag3 = true;  // in flow
  e.BasePosition = height;
  e.Value1 = 2;      // centred in its height
  e.LayoutMode = 2;  // centred across the page
  return e;
}

CookBookEntry Heading(std::wstring text) {
  return InFlow("cookingbook.heading", std::move(text), 56.0f);
}

// Lines of text from the left column, 28 pixels in.
CookBookEntry Text(std::wstring text, int lines) {
  CookBookEntry e = InFlow("cookingbook.text", std::move(text), 28.0f * lines);
  e.Value1 = 3;       // from the top of its height
  e.LayoutIndex = 2;  // the left column
  e.Value2 = 4.0f;    // a little space above
  return e;
}

CookBookEntry Divider() {
  return InFlow("cookingbook.divider", L"", 28.0f);
}

// The dish's picture, fitted into the frame's window, then the frame with the dish's name.
std::vector<CookBookEntry> Picture(const char* dish, std::wstring name) {
  CookBookEntry picture = InFlow(dish, L"", 72.0f);
  picture.Flag2 = true;  // the frame below takes the same place
  picture.Flag5 = true;  // fitted to the height
  picture.Value3 = 124.0f;
  picture.Value2 = 20.0f;
  CookBookEntry frame = InFlow("cookingbook.frame", std::move(name), 140.0f);
  return {picture, frame};
}

CookBookGroup Entry(std::vector<CookBookEntry> elements, const char* key, bool recipe = false,
                    bool always = true, bool section = false) {
  return {recipe, always, section, std::move(elements), key};
}

// The next section starts on a new spread.
void CloseSection(std::vector<CookBookGroup>& book) {
  book.back().Entries.back().Flag1 = true;
}

// A section: its title entry, then its recipe with the entry shown while it is not found,
// then the cook's notes on the recipe: a section with a recipe fills two spreads, the first
// showing the recipe and the second its notes.
void AddSection(std::vector<CookBookGroup>& book, std::wstring title, std::wstring intro,
                int introLines, const char* dish, std::wstring name, std::wstring method,
                std::wstring notes = L"") {
  book.push_back(Entry({Heading(std::move(title)), Text(std::move(intro), introLines), Divider()},
                       "cookbook_section", false, true, true));
  if (!dish) return;
  // Only one of the recipe and its stand-in is laid out: both close the spread.
  // The framed picture names the dish.
  std::vector<CookBookEntry> recipe = {Heading(L"Recipe")};
  for (const CookBookEntry& e : Picture(dish, name)) recipe.push_back(e);
  recipe.push_back(Text(std::move(method), 4));
  book.push_back(Entry(std::move(recipe), dish, true));
  CloseSection(book);
  std::vector<CookBookEntry> missing = {Heading(L"? ? ?")};
  for (const CookBookEntry& e : Picture("", L"Not found yet")) missing.push_back(e);
  missing.push_back(Text(L"Cook more levels\\nto find this recipe.", 2));
  book.push_back(Entry(std::move(missing), "cookbook_missing"));
  CloseSection(book);
  book.push_back(Entry({Heading(L"Cook's notes"), Text(std::move(notes), 3), Divider()},
                       "cookbook_recipe_notes"));
  CloseSection(book);
}

void AddCookBook(LevelsData& d) {
  std::vector<CookBookGroup>& book = d.CookBookGroups;
  AddSection(book, L"Batters", L"Every pancake starts\\nwith a smooth batter.", 2, "Dishes.batter",
             L"Batter",
             L"Whisk eggs and flour.\\nMix until smooth.\\nLet it rest a while.\\nKeep it cool.",
             L"Sift the flour first:\\nno lumps, no fuss,\\nno waiting customers.");
  AddSection(book, L"Griddle", L"Thin, golden and warm\\nfrom the griddle.", 2, "Dishes.pancakes",
             L"Pancakes",
             L"Mix the batter with milk.\\nHeat the griddle.\\nFry both sides.\\nServe at once.",
             L"Turn a pancake once\\nits edges turn gold;\\nnever press it flat.");
  AddSection(book, L"Eggs", L"Quick dishes for a\\nbusy morning.", 2, "Dishes.omelette",
             L"Omelette",
             L"Beat eggs with milk.\\nPour into the pan.\\nCook it gently.\\nFold and serve.",
             L"A low heat keeps\\nthe omelette soft\\nand yellow.");
  AddSection(book, L"Sweet things", L"Fruit makes every\\nplate a treat.", 2,
             "Dishes.berry_pancakes", L"Berry pancakes",
             L"Make the pancakes.\\nScatter the berries.\\nFry a moment more.\\nServe them warm.",
             L"Fresh berries burst;\\nadd them just before\\nthe pancake turns.");
  AddSection(book, L"Kitchen tips", L"Keep the stove busy\\nand the customers\\nhappy.", 3, nullptr,
             L"", L"");
  CloseSection(book);
  AddSection(book, L"Secrets", L"Some pages open only\\nto the best cooks.", 2, nullptr, L"", L"");
  book.push_back(
      Entry({Heading(L"Chef's secret"), Text(L"A pinch of patience\\nin every dish.", 2)},
            "cookbook_secret", false, false));
  CloseSection(book);
  AddSection(book, L"Tournament", L"Rival cooks wait on\\nthe map. Beat them all.", 2, nullptr, L"",
             L"");
  CloseSection(book);
  AddSection(book, L"Notes", L"Notes of a busy cook,\\nkept over the years.", 2, nullptr, L"", L"");
  std::vector<CookBookEntry> notes;
  for (const wchar_t* note : {L"Warm the plates first.\\nCold plates cool the\\nfood too quickly.",
                              L"Clean the griddle\\nbetween orders, or\\nthe next one sticks.",
                              L"Watch the patience of\\nevery customer; the\\nimpatient go first.",
                              L"Carry two dishes at\\nonce when you can:\\nevery step counts.",
                              L"Upgrades pay back\\nquickly: buy the\\nmixer early.",
                              L"Berries keep well;\\nmilk does not.\\nFetch it last."})
    for (const CookBookEntry& e : {Text(note, 3), Divider()}) notes.push_back(e);
  book.push_back(Entry(std::move(notes), "cookbook_notes"));
  // The first column counts as none: such an element keeps to its alignment.
  d.CookBookLayoutValues = {-1.0f, 292.0f};
}

}  // namespace

LevelsData MakeSampleLevelsData() {
  LevelsData d;
  AddUpgrades(d);
  AddBonuses(d);
  AddRecipes(d);
  AddStages(d);
  AddLevels(d);
  AddUnlockScreenLevels(d);
  AddTrophyRoomLevels(d);
  AddCookBook(d);
  return d;
}

bool WriteSampleLevelsData(const std::filesystem::path& outDir) {
  GF::CMemoryOutputStream out;
  WriteLevelsData(out, MakeSampleLevelsData());
  return WriteContentFile(outDir, "Binary/levelsdata.bin", out.Bytes());
}
