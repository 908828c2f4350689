#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/core/TRect.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CZacaz.h"
#include "platform/Engine.h"
#include "tests/game/kitchen/FieldFixture.h"
#include "tests/game/kitchen/OrderField.h"

namespace {

using AnimationPtr = CZacaz::AnimationPtr;
using pm::test::PlayerCalls;

using COrderField = pm::test::TOrderField<pm::test::CTestField>;

class CZacazTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    orders = GF::MakeHolder<COrderField>();
    field = orders;
  }
  void TearDown() override {
    for (GF::THolder<CZacaz>& order : made)
      if (order) order->Dispose();
    made.clear();
    orders.Reset();
    FieldFixture::TearDown();
  }

  // An order of the type on the recipe, made on a running stage1_1 with these bonuses.
  GF::THolder<CZacaz> Make(int type, const std::string& recipe, int open = 30, int closed = 40,
                           std::vector<LevelBonusEntry> bonuses = {}) {
    LevelTable["stage1_1"].BonusEntries = std::move(bonuses);
    if (!orders->GetLevelDescription()) StartLevel("stage1_1");
    records.push_back(
        std::make_unique<LevelOrderRecord>(LevelOrderRecord{0.0f, 1, closed, type, recipe, open}));
    made.push_back(CZacaz::Create(*records.back(), GF::THolder<CGameFieldBase>(orders)));
    return made.back();
  }
  // An order of five free items without a price.
  static void AddFiveItemRecipe() {
    RecipeRecord five;
    five.RecipeKey = "Dishes.five";
    five.DisplayName = L"Five";
    for (int i = 0; i < 5; ++i) five.Items.push_back({L"Eggs", 0, "Ingredients.eggs"});
    RecipeTable[five.RecipeKey] = five;
  }
  void Frames(GF::THolder<CZacaz>& order, float ms, float step = 20.0f) {
    for (; ms > 0.0f; ms -= step) {
      const float dt = ms < step ? ms : step;
      order->Update(dt);
      orders->Update(dt);
      scene->Update(dt);
    }
  }
  static std::wstring Text(const AnimationPtr& animation, const char* name) {
    const std::wstring* text = animation->GetText(name);
    return text ? *text : L"(none)";
  }
  static float PartStart(const AnimationPtr& animation, const char* part) {
    return animation->GetAnimationData()->GetNamedPart(part)->GetX();
  }

  GF::THolder<COrderField> orders;
  std::vector<std::unique_ptr<LevelOrderRecord>> records;
  std::vector<GF::THolder<CZacaz>> made;
};

TEST_F(CZacazTest, PatienceDrainsOnTheOpenOrClosedTimeAndTheLastPartAtTheOpenRate) {
  const struct {
    const char* name;
    bool opened;
    float factor;
    float start;
    float afterUpdate;   // patience after Update (1000 ms)
    float afterExpired;  // and after CheckExpired (1000 ms)
  } cases[] = {
      {"closed: 40 s", false, 1.0f, 1.0f, 1.0f - 1.0f / 40.0f, 1.0f - 1.0f / 40.0f},
      {"opened: 30 s", true, 1.0f, 1.0f, 1.0f - 1.0f / 30.0f, 1.0f - 1.0f / 30.0f},
      {"closed at 0.225: the open rate", false, 1.0f, 0.225f, 0.225f, 0.225f - 1.0f / 30.0f},
      {"opened at 0.225", true, 1.0f, 0.225f, 0.225f, 0.225f - 1.0f / 30.0f},
      {"factor 0, closed", false, 0.0f, 0.8f, 0.8f, 0.8f},
      {"factor 0, alarm", true, 0.0f, 0.2f, 0.2f, 0.2f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PatienceDrainFactor = c.factor;
    GF::THolder<CZacaz> order = Make(0, "Dishes.batter");
    ASSERT_TRUE(order);
    order->SetOpened(c.opened);
    order->Patience() = c.start;
    order->Update(1000.0f);
    EXPECT_NEAR(order->Patience(), c.afterUpdate, 1e-5f);
    EXPECT_FALSE(order->CheckExpired(1000.0f));
    EXPECT_NEAR(order->Patience(), c.afterExpired, 1e-5f);
  }
  // Every bit runs out in the end, and the customer leaves.
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter");
  PatienceDrainFactor = 1.0f;
  order->Patience() = 0.01f;
  EXPECT_TRUE(order->CheckExpired(1000.0f));
}

TEST_F(CZacazTest, OrdersWithoutABarNeverLosePatience) {
  for (int type : {1, 5, 100, 101, 102}) {
    SCOPED_TRACE(type);
    GF::THolder<CZacaz> order = Make(type, "Dishes.batter");
    order->Update(100000.0f);
    EXPECT_FALSE(order->CheckExpired(100000.0f));
    EXPECT_EQ(order->Patience(), 1.0f);
    EXPECT_FALSE(order->GetProgressBar());
  }
}

TEST_F(CZacazTest, AFallThroughBothMoodsAdvancesOneStageAFrame) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter", 30, 1);
  EXPECT_EQ(order->GetMood(), 1);
  order->Patience() = 0.7f;
  order->Update(450.0f);  // closed, 1 s: down to 0.25
  EXPECT_LT(order->Patience(), 0.275f);
  EXPECT_EQ(order->GetMood(), 2);
  order->Update(0.0f);
  EXPECT_EQ(order->GetMood(), 3);
  // The customer shows the mood.
  const AnimationPtr figure = order->GetFigure();
  ASSERT_TRUE(figure);
  EXPECT_EQ(figure->GetStartTime(), PartStart(figure, "_part_3"));
}

TEST_F(CZacazTest, TheFiguresNumberPicksTheCustomerElseTheStandIn) {
  const struct {
    int figure;
    const char* name;
  } cases[] = {{1, "judge_1"}, {4, "judge_4"}, {9, "pers_1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.figure);
    GF::THolder<CZacaz> order = Make(0, "Dishes.batter");
    LevelOrderRecord record = *records.back();
    record.CustomerFigure = c.figure;
    records.push_back(std::make_unique<LevelOrderRecord>(record));
    made.push_back(CZacaz::Create(*records.back(), GF::THolder<CGameFieldBase>(orders)));
    ASSERT_TRUE(made.back()->GetFigure());
    EXPECT_EQ(std::string(made.back()->GetFigure()->GetName()), c.name);
  }
}

TEST_F(CZacazTest, ARecipeKeyNamingNoRecipeMakesNoOrder) {
  EXPECT_FALSE(Make(0, "Dishes.nothing"));
}

TEST_F(CZacazTest, TheCounterReadsOneNearTheEndOfTheLevel) {
  LevelTable["stage1_1"].LevelTime = 180000.0f;
  const std::vector<LevelBonusEntry> one = {{2, 12.0f}};
  const struct {
    const char* name;
    float elapsed;  // of the level's 180 s
    int counter;
    std::size_t bonuses;
    int after;
  } cases[] = {
      {"time enough, none riding", 0.0f, 0, 1, 1},
      {"one already riding", 0.0f, 1, 0, 1},
      {"exactly 10 s left", 170000.0f, 0, 1, 1},
      {"under 10 s left", 170001.0f, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Make(0, "Dishes.batter", 30, 40, one);
    orders->SetLevelTime(c.elapsed);
    orders->BonusCounter() = c.counter;
    GF::THolder<CZacaz> order = Make(0, "Dishes.batter", 30, 40, one);
    EXPECT_EQ(order->GetBonusEntries().size(), c.bonuses);
    EXPECT_EQ(order->GetBonusIcons().size(), c.bonuses);
    EXPECT_EQ(orders->BonusCounter(), c.after);
  }
  // Near the end a raise stores 2 (the final order brings its bonuses anyway) and a
  // lowering 0, whatever is stored.
  orders->SetLevelTime(175000.0f);
  orders->BonusCounter() = 0;
  orders->UpgradeFlag() = true;
  GF::THolder<CZacaz> final = Make(101, "Dishes.batter", 30, 40, one);
  EXPECT_EQ(orders->BonusCounter(), 2);
  orders->BonusCounter() = 5;
  final->GiveBonuses();
  EXPECT_EQ(orders->BonusCounter(), 0);
}

TEST_F(CZacazTest, OnlyTheFinalOrderWithTheUpgradeCarriesEveryBonus) {
  const std::vector<LevelBonusEntry> two = {{0, 0.0f}, {3, 1.0f}};
  const struct {
    int type;
    bool upgrade;
    std::size_t bonuses;
  } cases[] = {{101, false, 0}, {101, true, 2}, {102, true, 0}, {0, true, 1}, {100, true, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + (c.upgrade ? " with the upgrade" : ""));
    orders->UpgradeFlag() = c.upgrade;
    orders->BonusCounter() = 0;
    GF::THolder<CZacaz> order = Make(c.type, "Dishes.pancakes", 30, 40, two);
    EXPECT_EQ(order->GetBonusEntries().size(), c.bonuses);
  }
}

TEST_F(CZacazTest, ABonusIconBlinksFiveSecondsBeforeItIsLost) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter", 30, 40, {{2, 12.0f}});
  ASSERT_EQ(order->GetBonusIcons().size(), 1u);
  const AnimationPtr icon = order->GetBonusIcons()[0];
  scene->Update(400.0f);  // its "_show" is over
  scene->Update(20.0f);
  order->Patience() = 1.0f - 6.9f / 30.0f;  // waited 6.9 s of 12
  order->Update(0.0f);
  EXPECT_EQ(icon->GetStartTime(), PartStart(icon, "_show"));
  order->Patience() = 1.0f - 7.1f / 30.0f;
  order->Update(0.0f);
  EXPECT_EQ(icon->GetStartTime(), PartStart(icon, "_hide"));
  EXPECT_EQ(orders->BonusCounter(), 1);
  order->Patience() = 1.0f - 12.1f / 30.0f;
  order->Update(0.0f);
  EXPECT_TRUE(order->GetBonusEntries().empty());
  EXPECT_TRUE(order->GetBonusIcons().empty());
  EXPECT_FALSE(icon->GetParent());
  EXPECT_EQ(orders->BonusCounter(), 0);
}

TEST_F(CZacazTest, TheIconRidesOnTheBarWhereTheBarWillBeAtItsTime) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter", 30, 40, {{2, 15.0f}});
  ASSERT_EQ(order->GetBonusIcons().size(), 1u);
  const GF::IAnimation::DrawablePtr frame(order->GetProgressBar()->GetChildAt(0));
  const GF::TRect<int> bar = frame->GetBoundingRect();
  order->GetBonusIcons()[0]->Update(0.0f);
  const float middle = static_cast<float>(bar.left + bar.right) / 2.0f;
  EXPECT_NEAR(order->GetBonusIcons()[0]->GetPosition().x, middle, 1.0f);
}

TEST_F(CZacazTest, PaymentIsPatienceTimesQualityAndThePriceOrHalfTheItemsAsTips) {
  AddFiveItemRecipe();
  const struct {
    const char* recipe;
    float quality;
    float perOrder;
    float patience;
    float points;
    float tips;
  } cases[] = {
      {"Dishes.five", 1.0f, 0.0f, 1.0f, 10.0f, 2.5f},
      {"Dishes.five", 2.0f, 5.0f, 1.0f, 20.0f, 7.5f},
      {"Dishes.batter", 1.0f, 0.0f, 0.0f, 3.0f, 10.0f},
      {"Dishes.batter", 1.0f, 5.0f, 0.5f, 6.5f, 15.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recipe);
    QualityFactor = c.quality;
    BonusPointsPerOrder = c.perOrder;
    GF::THolder<CZacaz> order = Make(0, c.recipe);
    order->Patience() = c.patience;
    float points = 0.0f;
    float tips = 0.0f;
    order->ComputePayment(points, tips);
    EXPECT_FLOAT_EQ(points, c.points);
    EXPECT_FLOAT_EQ(tips, c.tips);
  }
}

TEST_F(CZacazTest, PayAddsToTheScoreAndShowsThePanelButNotOnTheFinalOrders) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter");
  order->Open();
  order->Patience() = 0.99f;  // 9.93 points, paid as 9.9
  order->Pay();
  EXPECT_TRUE(order->IsPaid());
  EXPECT_FLOAT_EQ(orders->GetScore(), 9.9f + 10.0f);
  EXPECT_EQ(Text(order->GetPointsPanel(), "_many"), L"Points: 9.9");
  EXPECT_EQ(Text(order->GetPointsPanel(), "_tips"), L"Tips: 10.0");
  EXPECT_TRUE(order->GetPointsPanel()->IsShown());
  for (int type : {101, 102}) {
    SCOPED_TRACE(type);
    const float before = orders->GetScore();
    GF::THolder<CZacaz> final = Make(type, "Dishes.batter");
    final->Pay();
    EXPECT_FALSE(final->IsPaid());
    EXPECT_EQ(orders->GetScore(), before);
  }
}

TEST_F(CZacazTest, ShownPointsMoveTowardTheirTargetNeverPastIt) {
  PatienceDrainFactor = 0.0f;
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter");
  EXPECT_EQ(order->GetShownPoints(), 10.0f);
  EXPECT_EQ(Text(order->GetBubble(), "_points"), L"10.0");
  order->Patience() = 0.75f;  // 8.25 points, cut to 8.2
  order->Update(20.0f);
  EXPECT_FLOAT_EQ(order->GetShownPoints(), 9.8f);
  order->Update(1000.0f);  // 10 points a second, but only 1.6 to go
  EXPECT_FLOAT_EQ(order->GetShownPoints(), 8.2f);
  EXPECT_EQ(Text(order->GetBubble(), "_points"), L"8.2");
  order->Patience() = 0.99f;  // 9.93, cut to 9.9, shown as 10.0
  order->Update(1000.0f);
  EXPECT_FLOAT_EQ(order->GetShownPoints(), 10.0f);
  order->Update(0.0f);
  EXPECT_FLOAT_EQ(order->GetShownPoints(), 10.0f);
}

TEST_F(CZacazTest, NextItemWrapsFromARandomStartWithinTheLimit) {
  // A step first: nothing can be fetched before it, wherever the search starts.
  RecipeRecord stepFirst = RecipeTable["Dishes.batter"];
  stepFirst.RecipeKey = "Dishes.step_first";
  std::swap(stepFirst.Items.front(), stepFirst.Items.back());
  RecipeTable[stepFirst.RecipeKey] = stepFirst;
  GF::THolder<CZacaz> first = Make(0, "Dishes.step_first");
  first->Open();
  EXPECT_EQ(first->GetNextItem(false, true), -1);

  // Pancakes: eggs, flour, milk, then the mixer and the griddle; the limit is 3.
  Engine* engine = hgeCreate(ENGINE_VERSION);
  int seed = 1;  // 0 seeds from the clock
  for (;; ++seed) {
    engine->RandomSeed(seed);
    if (engine->RandomInt(0, 3) == 2) break;
  }
  GF::THolder<CZacaz> order = Make(0, "Dishes.pancakes");
  order->Open();
  std::vector<int> found;
  for (int n = 0; n < 4; ++n) {
    engine->RandomSeed(seed);
    const int item = order->GetNextItem(false, true);
    found.push_back(item);
    order->SetItemDelivered(item);
  }
  engine->Release();
  EXPECT_EQ(found, (std::vector<int>{2, 0, 1, -1}));
}

TEST_F(CZacazTest, ItemsOfARecipeWithFreeItemsAndSteps) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.pancakes");
  order->Open();
  EXPECT_EQ(order->GetCurrentItem(), 3);
  EXPECT_EQ(order->GetNextItem(true, false), 0);
  EXPECT_EQ(order->FindItemForObject("Ingredients.milk"), 2);
  EXPECT_EQ(order->FindItemForDevice("Devices.mixer"), -1) << "not its turn yet";
  for (int item : {0, 1, 2}) {
    order->SetItemDelivered(item);
    order->CompleteItem(item);
  }
  EXPECT_EQ(order->GetNextItem(true, false), 3);
  EXPECT_EQ(order->FindItemForDevice("Devices.mixer"), 3);
  EXPECT_EQ(order->FindItemForDevice("Devices.griddle"), -1);
  EXPECT_TRUE(order->CanUseObject(GetObjectDescription("Devices.mixer")));
  order->SetWorking(true, 3, "Devices.mixer", 2000.0f);
  EXPECT_EQ(order->GetNextItem(true, false), -1) << "busy";
  ASSERT_TRUE(order->GetWorkIndicator());
  order->UpdateWorkProgress(1000.0f);
  const AnimationPtr indicator = order->GetWorkIndicator();
  EXPECT_NEAR(indicator->GetTime(), (indicator->GetEndTime() - indicator->GetStartTime()) / 2.0f,
              1.0f);
  order->SetItemDelivered(3);
  order->SetWorking(false, 3, "", 0.0f);
  order->CompleteItem(3);
  EXPECT_EQ(order->GetCurrentItem(), 4);
  // The griddle's line comes into view once the lines above it have scrolled out.
  EXPECT_EQ(order->FindItemForDevice("Devices.griddle"), -1);
  Frames(order, 4000.0f);
  EXPECT_EQ(order->FindItemForDevice("Devices.griddle"), 4);
  EXPECT_FALSE(order->IsComplete());
  // Outside indexes count nothing.
  order->SetItemDelivered(-1);
  order->CompleteItem(9);
  EXPECT_EQ(order->GetDeliveredCount(), 4);
  EXPECT_EQ(order->GetItemsDone(), 4);
  order->SetItemDelivered(4);
  order->CompleteItem(4);
  EXPECT_TRUE(order->IsComplete());
  EXPECT_TRUE(order->GetDeliveryButton()->IsEnabled());
  EXPECT_TRUE(orders->GetDeliveryButton()->IsEnabled());
  PlayerCalls().clear();
  Frames(order, 1100.0f);
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play order_ready 1 0.000000"), 1)
      << ::testing::PrintToString(PlayerCalls());
}

TEST_F(CZacazTest, ABonusOrderShowsWhatIsMissingAndServesItself) {
  GF::THolder<CZacaz> order = Make(100, "Dishes.omelette");
  EXPECT_FALSE(order->GetFigure());
  EXPECT_EQ(Text(order->GetBubble(), "_points"), L"3");
  order->Open();
  for (int item : {0, 1, 2}) {
    order->SetItemDelivered(item);
    order->Update(20.0f);
    EXPECT_EQ(Text(order->GetBubble(), "_points"), std::to_wstring(2 - item));
    order->CompleteItem(item);
  }
  EXPECT_EQ(orders->served, (std::vector<CZacaz*>{order.Get()}));
}

TEST_F(CZacazTest, TheFinalOrderHandsOverTheBonusOfEachItemOnceInAnyOrder) {
  orders->UpgradeFlag() = true;
  GF::THolder<CZacaz> order = Make(101, "Dishes.pancakes", 30, 40, {{0, 1.0f}, {3, 0.0f}});
  order->Open();
  ASSERT_EQ(order->GetBonusEntries().size(), 2u);
  EXPECT_EQ(orders->BonusCounter(), 2);
  order->SetItemDelivered(0);  // the entry of item 0 is the last one
  ASSERT_EQ(orders->bonuses.size(), 1u);
  EXPECT_EQ(orders->bonuses[0].kind, 3);
  EXPECT_EQ(orders->bonuses[0].order, order.Get());
  EXPECT_FALSE(orders->bonuses[0].icon);
  order->SetItemDelivered(1);
  ASSERT_EQ(orders->bonuses.size(), 2u);
  EXPECT_EQ(orders->bonuses[1].kind, 0);
  order->SetItemDelivered(2);
  EXPECT_EQ(orders->bonuses.size(), 2u);
  EXPECT_TRUE(order->GetBonusEntries().empty());
  EXPECT_TRUE(order->GetBonusIcons().empty());
  EXPECT_EQ(orders->BonusCounter(), 0);
}

TEST_F(CZacazTest, ServedBonusesGoToTheFieldWithTheirIcons) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.batter", 30, 40, {{4, 20.0f}});
  ASSERT_EQ(order->GetBonusIcons().size(), 1u);
  const AnimationPtr icon = order->GetBonusIcons()[0];
  order->GiveBonuses();
  ASSERT_EQ(orders->bonuses.size(), 1u);
  EXPECT_EQ(orders->bonuses[0].kind, 4);
  EXPECT_EQ(orders->bonuses[0].icon, icon);
  EXPECT_FALSE(orders->bonuses[0].order);
  EXPECT_FALSE(icon->GetParent());
  EXPECT_EQ(orders->BonusCounter(), 0);
  order->GiveBonuses();
  EXPECT_EQ(orders->bonuses.size(), 1u);
}

TEST_F(CZacazTest, PicturesTakeTheIconHeightButNoMoreThanThirteenTenthsOfItsWidth) {
  RecipeRecord shapes;
  shapes.RecipeKey = "Dishes.shapes";
  shapes.Items = {{L"Eggs", 0, "Ingredients.eggs"}, {L"Bar", 0, "interfaces.progress_new"}};
  RecipeTable[shapes.RecipeKey] = shapes;
  GF::THolder<CZacaz> order = Make(0, "Dishes.shapes");
  order->Open();
  const float size = static_cast<float>(OrderIconOffset);
  // The stand is square: its height fills the icon size (less the 2 px the scale keeps
  // free). The bar is four times as wide as high: its width stops at 1.3 times the size.
  const AnimationPtr square = order->GetItemPicture(0);
  const AnimationPtr wide = order->GetItemPicture(1);
  ASSERT_TRUE(square && wide);
  GF::TRect<int> rect;
  square->GetBoundingRect(rect);
  EXPECT_NEAR(static_cast<float>(rect.bottom - rect.top), size - 1.0f, 1.5f);
  EXPECT_LE(static_cast<float>(rect.right - rect.left), size);
  wide->GetBoundingRect(rect);
  EXPECT_NEAR(static_cast<float>(rect.right - rect.left), size * 1.3f, 1.5f);
  EXPECT_LT(static_cast<float>(rect.bottom - rect.top), size / 2.0f);
  EXPECT_EQ(wide->GetScale().x, wide->GetScale().y);
}

TEST_F(CZacazTest, ALineEndingExactlyAtTheContentOffsetFits) {
  GF::THolder<CZacaz> probe = Make(0, "Dishes.pancakes");
  probe->Open();
  float end = -15.0f;
  for (std::size_t i = 0; i < 3; ++i) {
    GF::TRect<int> rect;
    probe->GetLines()[i]->GetBoundingRect(rect);
    end += static_cast<float>(rect.bottom - rect.top);
  }
  for (float offset : {end, end - 1.0f}) {
    SCOPED_TRACE(offset);
    OrderContentOffsetY = offset;
    GF::THolder<CZacaz> order = Make(0, "Dishes.pancakes");
    order->Open();
    EXPECT_EQ(order->GetLines()[2]->IsShown(), offset == end);
    EXPECT_FALSE(order->GetLines()[3]->IsShown());
  }
}

TEST_F(CZacazTest, TwoCompletionsInOneFrameScrollOneAfterTheOther) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.pancakes");
  order->Open();
  const auto& lines = order->GetLines();  // tab, eggs, flour, milk, mixer, tab, griddle
  const auto height = [&lines](std::size_t i) {
    GF::TRect<int> rect;
    lines[i]->GetBoundingRect(rect);
    return static_cast<float>(rect.bottom - rect.top);
  };
  const float eggs = height(1);
  const float flour = height(2);
  const float mixerY = lines[4]->GetPosition().y;
  order->SetItemDelivered(0);
  order->SetItemDelivered(1);
  order->CompleteItem(0);
  order->CompleteItem(1);
  EXPECT_TRUE(order->IsScrolling());
  // Both lines strike at once; then the eggs' line scrolls out over OrderChangeTime, and
  // then the flour's over as long again.
  float movingSince = -1.0f;
  float eggsOutAt = -1.0f;
  float flourOutAt = -1.0f;
  for (float t = 0.0f; t < 2000.0f; t += 10.0f) {
    Frames(order, 10.0f, 10.0f);
    const float moved = mixerY - lines[4]->GetPosition().y;
    if (moved > 0.0f && movingSince < 0.0f) movingSince = t;
    if (moved >= eggs - 0.01f && eggsOutAt < 0.0f) eggsOutAt = t;
    if (moved >= eggs + flour - 0.01f && flourOutAt < 0.0f) flourOutAt = t;
    EXPECT_LE(moved, eggs + flour + 0.01f);
  }
  ASSERT_GE(movingSince, 0.0f);
  EXPECT_NEAR(eggsOutAt - movingSince, OrderChangeTime, 20.0f);
  EXPECT_NEAR(flourOutAt - eggsOutAt, OrderChangeTime, 20.0f);
  EXPECT_FALSE(order->IsScrolling());
}

TEST_F(CZacazTest, OpeningFinishesAPendingScrollAtOnce) {
  GF::THolder<CZacaz> order = Make(0, "Dishes.pancakes");
  order->Open();
  const auto& lines = order->GetLines();
  const float mixerY = lines[4]->GetPosition().y;
  GF::TRect<int> rect;
  lines[1]->GetBoundingRect(rect);
  order->SetItemDelivered(0);
  order->CompleteItem(0);
  order->SetOpened(false);  // the panel selected another order
  order->Open();
  EXPECT_FALSE(order->IsScrolling());
  EXPECT_NEAR(mixerY - lines[4]->GetPosition().y, static_cast<float>(rect.bottom - rect.top),
              0.01f);
}

TEST_F(CZacazTest, NumbersShowOneDecimal) {
  const struct {
    float value;
    const wchar_t* text;
  } cases[] = {{10.0f, L"10.0"}, {9.94f, L"9.9"}, {0.0f, L"0.0"}, {2.5f, L"2.5"}, {0.06f, L"0.1"}};
  for (const auto& c : cases) EXPECT_EQ(CZacaz::FormatNumber(c.value), c.text) << c.value;
}

TEST_F(CZacazTest, DisposeTakesEveryPieceOutOfTheScene) {
  StartLevel("stage1_1");
  const std::size_t before = scene->GetAnimations().size();
  {
    GF::THolder<CZacaz> order = Make(0, "Dishes.pancakes", 30, 40, {{1, 20.0f}});
    order->Open();
    order->SetWorking(true, 3, "Devices.mixer", 1000.0f);
    order->ShowDish(scene->CreateAnimation("interfaces.icon_shadow"), false);
    EXPECT_GT(scene->GetAnimations().size(), before);
    const AnimationPtr bubble = order->GetBubble();
    order->Dispose();
    bubble->RemoveFromParent();
    EXPECT_FALSE(order->GetField());
  }
  made.clear();
  EXPECT_EQ(scene->GetAnimations().size(), before);
}

}  // namespace
