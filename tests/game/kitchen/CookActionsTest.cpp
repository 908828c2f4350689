#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGetObjectAction.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CPersMoveAction.h"
#include "game/kitchen/CWaitPersAction.h"
#include "game/kitchen/CWorkObjectAction.h"
#include "game/kitchen/CZacaz.h"
#include "tests/game/kitchen/FieldFixture.h"
#include "tests/game/kitchen/OrderField.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::PlayerCalls;

// A kitchen as the cook actions see it: its devices by key, and the sources it took back.
class CDeviceField : public pm::test::TOrderField<pm::test::CTestField> {
 public:
  GF::THolder<CCookObject> FindObject(const std::string& key, bool) override {
    const auto found = devices.find(key);
    return found == devices.end() ? GF::THolder<CCookObject>() : found->second;
  }
  void AddDelayedObject(GF::THolder<CCookObject> object) override { delayed.push_back(object); }
  std::map<std::string, GF::THolder<CCookObject>> devices;
  std::vector<GF::THolder<CCookObject>> delayed;
};

class CookActionsTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    kitchen = GF::MakeHolder<CDeviceField>();
    field = kitchen;
    CClickSeries::Instance() = CClickSeries{};
    StartLevel("stage1_1");
  }
  void TearDown() override {
    for (GF::THolder<CZacaz>& order : orders) order->Dispose();
    orders.clear();
    kitchen->devices.clear();
    kitchen.Reset();
    FieldFixture::TearDown();
  }
  GF::THolder<CZacaz> Order(const std::string& recipe, int type = 0) {
    records.push_back(
        std::make_unique<LevelOrderRecord>(LevelOrderRecord{0.0f, 1, 40, type, recipe, 30}));
    orders.push_back(CZacaz::Create(*records.back(), GF::THolder<CGameFieldBase>(kitchen)));
    return orders.back();
  }
  GF::THolder<CCookObject> Place(const std::string& key, float x, float y) {
    GF::THolder<CCookObject> object = CCookObject::Create(DrawnSlot(key, x, y, 300), scene);
    object->HolderGetCast()->Play("_idle", 0, false);
    object->HolderGetCast()->Update(0.0f);
    kitchen->devices[key] = object;
    return object;
  }
  // The batter's mixing step takes that long.
  // Frames of the field and the cook, as the kitchen runs them.
  void Frames(CPers& cook, float ms) {
    for (; ms > 0.0f; ms -= 20.0f) {
      field->Update(20.0f);
      cook.Update(20.0f);
      scene->Update(20.0f);
    }
  }
  static void SetMixTime(int ms) { RecipeTable.at("Dishes.batter").Items.at(2).WorkTime = ms; }

  GF::THolder<CDeviceField> kitchen;
  std::vector<std::unique_ptr<LevelOrderRecord>> records;
  std::vector<GF::THolder<CZacaz>> orders;
};

TEST_F(CookActionsTest, AClickSeriesPaysOnReachingATableCountAndAGapOfTheWholeWindowRestarts) {
  ComboClickWindow = 500.0f;
  ComboBonusTable = {{3, 50.0f}};
  CClickSeries series;
  EXPECT_EQ(series.Count(10.0f), nullptr);
  EXPECT_EQ(series.Count(10.25f), nullptr);
  const IntFloatPair* third = series.Count(10.5f);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->Value, 50.0f);
  EXPECT_EQ(series.Count(10.75f), nullptr);
  EXPECT_EQ(series.GetCount(), 1) << "the fourth click starts a new series";
  EXPECT_EQ(series.Count(11.25f), nullptr);
  EXPECT_EQ(series.GetCount(), 1) << "a gap of exactly the window is too slow";
}

TEST_F(CookActionsTest, TheThirdQuickClickOnAnOrdinaryOrderShowsAndPaysTheSeriesBonus) {
  ComboClickWindow = 5000.0f;
  ComboBonusTable = {{3, 50.0f}};
  const auto order = Order("Dishes.batter");
  const auto eggs = Place("Ingredients.eggs", 500.0f, 400.0f);
  for (int i = 0; i < 2; ++i) MakeGetObjectAction(eggs, order, 0);
  EXPECT_EQ(kitchen->GetScore(), 0.0f);
  MakeGetObjectAction(eggs, order, 0);
  EXPECT_EQ(kitchen->GetScore(), 50.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play bright_chirp 1 0.000000"), 1) << "sound 31";
  MakeGetObjectAction(eggs, order, 0);
  EXPECT_EQ(CClickSeries::Instance().GetCount(), 1);

  // A rival's order counts no clicks.
  MakeGetObjectAction(eggs, Order("Dishes.batter", 102), 0);
  EXPECT_EQ(CClickSeries::Instance().GetCount(), 1);
}

TEST_F(CookActionsTest, AnUpgradedDeviceWorksTwoThirdsAndEndsOnTheFirstUpdatePastItsTime) {
  SetMixTime(3000);
  const auto order = Order("Dishes.batter");
  const auto mixer = Place("Devices.UPG_mixer", 260.0f, 230.0f);
  const auto work = kitchen->Run(MakeWorkObjectAction(mixer, order, 2));
  auto* action = static_cast<CWorkObjectAction*>(work.Get());
  EXPECT_EQ(action->GetDuration(), 2000.0f);
  EXPECT_TRUE(order->IsWorking());
  EXPECT_FALSE(mixer->IsActive()) << "busy";
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 1);
  for (int i = 0; i < 100; ++i) kitchen->Update(20.0f);
  EXPECT_EQ(action->GetElapsed(), 2000.0f);
  EXPECT_FALSE(work->IsDone()) << "equal is not past";
  kitchen->Update(20.0f);
  EXPECT_TRUE(work->IsDone());
  EXPECT_EQ(order->GetItemsDone(), 1);
  EXPECT_FALSE(order->IsWorking());
  EXPECT_TRUE(mixer->IsActive());
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 0);
  EXPECT_EQ(CountPlayerCalls("sound:Play mixer_work 1 0.000000"), 1) << "once in 2 s";
}

TEST_F(CookActionsTest, ServingOrStoppingMidWorkCompletesNothingAndFreesTheDevice) {
  const auto mixer = Place("Devices.mixer", 260.0f, 230.0f);
  const auto served = Order("Dishes.batter");
  const auto work = kitchen->Run(MakeWorkObjectAction(mixer, served, 2));
  kitchen->Update(500.0f);
  served->SetLeaving(true);
  kitchen->Update(20.0f);
  EXPECT_TRUE(work->IsDone());
  EXPECT_EQ(served->GetItemsDone(), 0);
  EXPECT_TRUE(mixer->IsActive());
  EXPECT_EQ(CountPlayerCalls("sound:Play bell 1 0.000000"), 1);

  const auto order = Order("Dishes.batter");
  kitchen->Run(MakeWorkObjectAction(mixer, order, 2));
  kitchen->Update(500.0f);
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 1);
  kitchen->StopAll();
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 0) << "the counters balance";
  EXPECT_TRUE(mixer->IsActive());
  EXPECT_EQ(order->GetItemsDone(), 0);
  EXPECT_EQ(CountPlayerCalls("sound:Play bell 1 0.000000"), 1) << "quiet";
}

TEST_F(CookActionsTest, PauseStopsTheWorkSoundAndResumeStartsItOnTheNextUpdate) {
  const auto mixer = Place("Devices.mixer", 260.0f, 230.0f);
  kitchen->Run(MakeWorkObjectAction(mixer, Order("Dishes.batter"), 2));
  kitchen->Update(20.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play mixer_work 1 0.000000"), 1);
  kitchen->SetPause(true);
  EXPECT_EQ(CountPlayerCalls("sound:Stop mixer_work"), 1);
  kitchen->SetPause(false);
  EXPECT_EQ(CountPlayerCalls("sound:Play mixer_work 1 0.000000"), 1);
  kitchen->Update(20.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play mixer_work 1 0.000000"), 2);
}

TEST_F(CookActionsTest, ADeviceFetchStartsTheWorkBesideTheChainAndEndsAtOnce) {
  const auto mixer = Place("Devices.mixer", 260.0f, 230.0f);
  mixer->SetActive(false);  // the field took the click
  const auto order = Order("Dishes.batter");
  const auto fetch = kitchen->Append(MakeGetObjectAction(mixer, order, 2));
  kitchen->Update(20.0f);
  EXPECT_TRUE(fetch->IsDone());
  EXPECT_TRUE(order->IsWorking());
  EXPECT_FALSE(mixer->IsActive()) << "working";
}

TEST_F(CookActionsTest, AnIngredientFliesToTheDeviceOfTheCurrentStepElseToThePlate) {
  // The first step is the mixer's: eggs fly into it.
  RecipeRecord mixFirst = RecipeTable.at("Dishes.batter");
  std::swap(mixFirst.Items[0], mixFirst.Items[2]);
  mixFirst.RecipeKey = "Dishes.mix_first";
  RecipeTable[mixFirst.RecipeKey] = mixFirst;
  // No step is a device's: they fly onto the plate.
  RecipeRecord free = RecipeTable.at("Dishes.batter");
  free.Items.pop_back();
  free.RecipeKey = "Dishes.free";
  RecipeTable[free.RecipeKey] = free;
  const auto mixer = Place("Devices.mixer", 260.0f, 230.0f);
  const auto eggs = Place("Ingredients.eggs", 500.0f, 400.0f);
  struct Case {
    std::string recipe;
    GF::TPoint<float> target;
  } cases[] = {{"Dishes.mix_first", mixer->HolderGetCast()->GetPosition()},
               {"Dishes.free", kitchen->GetPlate()->GetPosition()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.recipe);
    const auto order = Order(c.recipe);
    const int item = c.recipe == "Dishes.free" ? 0 : 2;
    const auto fetch = kitchen->Append(MakeGetObjectAction(eggs, order, item));
    auto* action = static_cast<CGetObjectAction*>(fetch.Get());
    const auto flight = action->GetFlight();
    ASSERT_TRUE(flight);
    EXPECT_EQ(kitchen->delayed.back(), eggs) << "the source is taken back";
    const auto copy = GetFlyObjectTarget(flight);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetPosition(), (GF::TPoint<float>{500.0f, 400.0f}));
    for (float t = 0.0f; t < IngredientFlyTime; t += 20.0f) kitchen->Update(20.0f);
    EXPECT_NEAR(copy->GetPosition().x, c.target.x, 1.0f);
    EXPECT_NEAR(copy->GetPosition().y, c.target.y, 1.0f);
    EXPECT_EQ(order->GetItemsDone(), 0) << "not landed yet";
    kitchen->Update(20.0f);
    kitchen->Update(20.0f);
    EXPECT_TRUE(fetch->IsDone());
    EXPECT_EQ(order->GetItemsDone(), 1);
    EXPECT_FALSE(copy->GetScene()) << "the copy left on landing";
  }
  EXPECT_EQ(CountPlayerCalls("sound:Play ingredient_fly 1 0.000000"), 2);
}

TEST_F(CookActionsTest, AFetchWithoutAnOrderOrForALeavingOneDeliversNothing) {
  const auto eggs = Place("Ingredients.eggs", 500.0f, 400.0f);
  eggs->SetActive(false);
  const auto alone = kitchen->Append(MakeGetObjectAction(eggs, nullptr, 0));
  EXPECT_TRUE(alone->IsDone());
  EXPECT_TRUE(eggs->IsActive()) << "free again";
  const auto order = Order("Dishes.batter");
  order->SetLeaving(true);
  const auto late = kitchen->Append(MakeGetObjectAction(eggs, order, 0));
  EXPECT_TRUE(late->IsDone());
  EXPECT_TRUE(kitchen->GetFlyObjects().empty());
  EXPECT_TRUE(kitchen->delayed.empty());
}

TEST_F(CookActionsTest, AWaitHoldsTheCookInItsStateThenSendsHerIdle) {
  const std::vector<bool> grid(256, false);
  const auto cook = CPers::Create(0, grid.begin(), grid.end(), scene);
  const auto wait = kitchen->Append(MakeWaitPersAction(500.0f, cook, CPers::kWait));
  EXPECT_EQ(cook->GetState(), CPers::kWait);
  EXPECT_FALSE(cook->IsIdle());
  Frames(*cook, 480.0f);
  EXPECT_EQ(cook->GetState(), CPers::kWait);
  Frames(*cook, 20.0f);
  EXPECT_EQ(cook->GetState(), CPers::kIdle);
  EXPECT_TRUE(cook->IsIdle());

  cook->MoveTo(2.0f, 2.0f);
  kitchen->Append(MakeWaitPersAction(100.0f, cook, -1));
  Frames(*cook, 120.0f);
  EXPECT_TRUE(cook->IsWalking()) << "-1 leaves her alone";
}

TEST_F(CookActionsTest, AWalkEndsWhenTheCookStandsIdleOrHides) {
  const std::vector<bool> grid(256, false);
  const auto cook = CPers::Create(0, grid.begin(), grid.end(), scene);
  const auto walk = kitchen->Append(MakePersMoveAction(cook, 2.9f, 3.9f));
  EXPECT_TRUE(cook->IsWalking());
  Frames(*cook, 20.0f);
  EXPECT_FALSE(walk->IsDone());
  for (int i = 0; i < 500 && !walk->IsDone(); ++i) Frames(*cook, 20.0f);
  EXPECT_TRUE(walk->IsDone());
  EXPECT_EQ(cook->GetCell(), (GF::TPoint<int>{2, 3})) << "the target is truncated";

  const auto hidden = kitchen->Append(MakePersMoveAction(cook, 8.0f, 8.0f));
  cook->SetState(CPers::kHide);
  Frames(*cook, 20.0f);
  EXPECT_TRUE(hidden->IsDone());
}

}  // namespace
