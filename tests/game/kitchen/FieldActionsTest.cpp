#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "framework/engine/scene/ISprite.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CLightObjectAction.h"
#include "game/kitchen/CReceptAIAction.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/CShowObjectAction.h"
#include "game/kitchen/CShowZacazAction.h"
#include "game/kitchen/CZacaz.h"
#include "tests/game/kitchen/FieldFixture.h"
#include "tests/game/kitchen/OrderField.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using Order = CReceptPanel::OrderHolder;

// A kitchen with its order panel; it writes down the order types it is asked for and
// grants them as told.
class CServingField : public pm::test::TOrderField<pm::test::CTestField> {
 public:
  CReceptPanel* GetReceptPanel() override { return &panel; }
  bool AddOrder(int id) override {
    asked.push_back(id);
    return grant;
  }
  CReceptPanel panel;
  std::vector<int> asked;
  bool grant = true;
};

class FieldActionsTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    kitchen = GF::MakeHolder<CServingField>();
    field = kitchen;
    StartLevel("stage1_1");
    kitchen->panel.SetField(kitchen);
    // Served without its mixing step: every item free.
    RecipeRecord free = RecipeTable.at("Dishes.batter");
    free.Items.pop_back();
    free.RecipeKey = "Dishes.free";
    RecipeTable[free.RecipeKey] = free;
  }
  void TearDown() override {
    kitchen->panel.Shutdown();
    kitchen.Reset();
    FieldFixture::TearDown();
  }
  Order Add(int type, const std::string& recipe = "Dishes.batter", float stepTime = 4.0f) {
    records.push_back(
        std::make_unique<LevelOrderRecord>(LevelOrderRecord{stepTime, 1, 40, type, recipe, 30}));
    return kitchen->panel.AddOrder(*records.back());
  }
  // Every item fetched and done, the bubble in its slot.
  Order AddComplete(int type) {
    const Order order = Add(type);
    for (int k = 0; k < order->GetItemCount(); ++k) {
      order->SetItemDelivered(k);
      order->CompleteItem(k);
    }
    Frames(static_cast<float>(OrderSlideTime) + 20.0f);
    return order;
  }
  void Frames(float ms, float step = 20.0f) {
    for (; ms > 0.0f; ms -= step) {
      const float dt = ms < step ? ms : step;
      kitchen->Update(dt);
      kitchen->panel.Update(dt);
      scene->Update(dt);
    }
  }
  bool Queued(const Order& order) const {
    const auto& orders = kitchen->panel.GetOrders();
    return std::find(orders.begin(), orders.end(), order) != orders.end();
  }
  // Animations of the scene by object name ("sign" of "interfaces.sign").
  int Count(const std::string& name) const {
    int count = 0;
    for (const AnimationPtr& animation : scene->GetAnimations())
      count += animation->GetName() && name == animation->GetName();
    return count;
  }
  GF::THolder<CCookObject> Place(const std::string& key, float x, bool shown = true) {
    GF::THolder<CCookObject> object = CCookObject::Create(DrawnSlot(key, x, 230.0f, 300), scene);
    object->HolderGetCast()->Play("_idle", 0, false);
    object->HolderGetCast()->Update(0.0f);
    object->SetShown(shown);
    return object;
  }
  static std::uint32_t SpriteColor(const AnimationPtr& node) {
    for (int i = 0; i < node->GetObjectCount(); ++i)
      if (const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{node->GetDrawable(i)})
        return sprite->GetColor();
    return 0;
  }

  GF::THolder<CServingField> kitchen;
  std::vector<std::unique_ptr<LevelOrderRecord>> records;
};

TEST_F(FieldActionsTest, ServingByTypeSignPlateFlightPaymentAndLeaving) {
  struct Case {
    int type;
    bool closeInFlight;  // the player selects another order while the dish flies
    bool sign, pays;
    std::vector<int> asked;
  } cases[] = {
      {0, false, true, true, {}},
      {0, true, true, true, {}},
      {101, false, true, false, {101}},
      {102, false, false, false, {102}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type * 10 + c.closeInFlight);
    kitchen->panel.Clear();
    kitchen->asked.clear();
    const Order order = AddComplete(c.type);
    const int signs = Count("sign");
    const int delivered = order->GetDeliveredCount();
    const auto action = kitchen->Append(MakeShowZacazAction(order));
    auto* serving = static_cast<CShowZacazAction*>(action.Get());
    EXPECT_EQ(order->GetDeliveredCount(), delivered + 1);
    EXPECT_EQ(Count("sign"), signs + (c.sign ? 1 : 0));
    EXPECT_FALSE(kitchen->GetDeliveryButton()->IsEnabled());
    ASSERT_TRUE(serving->GetDish());
    if (c.type == 102) {
      EXPECT_EQ(serving->GetDish()->GetPosition(), (GF::TPoint<float>{900.0f, 500.0f}));
    } else {
      EXPECT_FALSE(kitchen->GetPlate()->IsStopped()) << "the plate opens";
      Frames(200.0f);
      EXPECT_FALSE(serving->GetFlight()) << "the dish waits on the opening plate";
    }
    for (int i = 0; i < 100 && !serving->GetFlight(); ++i) Frames(20.0f);
    ASSERT_TRUE(serving->GetFlight());
    if (c.closeInFlight) {
      order->SetOpened(false);
      Frames(20.0f);
      EXPECT_TRUE(action->IsDone()) << "handed over at once";
      EXPECT_FALSE(Queued(order));
      EXPECT_TRUE(order->IsPaid());
      continue;
    }
    Frames(IngredientFlyTime + 20.0f);
    EXPECT_FALSE(serving->GetFlight()) << "landed";
    EXPECT_EQ(order->IsPaid(), c.pays);
    EXPECT_TRUE(serving->GetDish()->GetParent()) << "in the bubble";
    Frames(static_cast<float>(OrderShowTime) / 2.0f + 40.0f);
    EXPECT_TRUE(action->IsDone());
    EXPECT_FALSE(Queued(order));
    EXPECT_EQ(kitchen->asked, c.asked);
  }
}

TEST_F(FieldActionsTest, PaymentGoesToTheScoreAndTheShowTimeMustBePassed) {
  OrderShowTime = 100;
  const Order order = AddComplete(0);
  const auto action = kitchen->Append(MakeShowZacazAction(order));
  auto* serving = static_cast<CShowZacazAction*>(action.Get());
  for (int i = 0; i < 100 && !serving->GetFlight(); ++i) Frames(20.0f);
  float points = 0.0f, tips = 0.0f;
  while (serving->GetFlight() && !order->IsPaid()) {
    order->ComputePayment(points, tips);
    Frames(20.0f);
  }
  const float paid = std::trunc(points * 10.0f) / 10.0f + tips;
  EXPECT_GT(paid, 0.0f);
  EXPECT_FLOAT_EQ(kitchen->GetScore(), paid);
  EXPECT_FLOAT_EQ(CurrentProfile().Floats[ProfileFloat::LevelPoints], paid);
  // The landing frame counts 20, each frame after it 40: 100 exactly after two more.
  Frames(40.0f);
  EXPECT_FALSE(action->IsDone()) << "at exactly the show time it stays";
  EXPECT_TRUE(Queued(order));
  Frames(20.0f);
  EXPECT_TRUE(action->IsDone());
  EXPECT_FALSE(Queued(order));
}

TEST_F(FieldActionsTest, ARefusedSpecialOrderStaysOnThePanelAndTheActionStillEnds) {
  kitchen->grant = false;
  const Order order = AddComplete(101);
  const auto action = kitchen->Append(MakeShowZacazAction(order));
  Frames(3000.0f);
  EXPECT_TRUE(action->IsDone());
  EXPECT_TRUE(Queued(order));
  EXPECT_EQ(kitchen->asked, std::vector<int>{101});
}

TEST_F(FieldActionsTest, APulseEndsAtOnceWhenItsObjectIsTakenAndRestoresItsNodeOnce) {
  const auto eggs = Place("Ingredients.eggs", 500.0f);
  const AnimationPtr node = eggs->HolderGetCast();
  const auto pulse = kitchen->Run(MakeLightObjectAction(eggs, 0.5f, 1000.0f, true, false));
  auto* light = static_cast<CLightObjectAction*>(pulse.Get());
  EXPECT_EQ(SpriteColor(node), 0xFF663333u) << "tinted";
  Frames(200.0f);
  EXPECT_GT(node->GetScale().x, 1.2f);
  eggs->SetActive(false);  // the player took it
  Frames(20.0f);
  EXPECT_TRUE(pulse->IsDone());
  EXPECT_EQ(node->GetScale(), (GF::TPoint<float>{1.0f, 1.0f}));
  EXPECT_EQ(SpriteColor(node), 0xFF000000u);
  EXPECT_FALSE(light->GetParticle()->IsEmitting());
  // The worker's finish after the end changes nothing more.
  node->SetScale(3.0f, 3.0f);
  Frames(20.0f);
  EXPECT_EQ(node->GetScale().x, 3.0f);
}

TEST_F(FieldActionsTest, APulseStoppedEarlyRestoresScaleTintAndSparkle) {
  const auto mixer = Place("Devices.mixer", 260.0f);
  const AnimationPtr node = mixer->HolderGetCast();
  const auto pulse = kitchen->Run(MakeLightObjectAction(mixer, 0.2f, 3000.0f, true, true));
  auto* light = static_cast<CLightObjectAction*>(pulse.Get());
  Frames(1000.0f);
  EXPECT_NE(node->GetScale().x, 1.0f);
  EXPECT_LT(node->GetOpacity(), 1.0f) << "fading";
  kitchen->StopAll();
  EXPECT_EQ(node->GetScale(), (GF::TPoint<float>{1.0f, 1.0f}));
  EXPECT_EQ(SpriteColor(node), 0xFF000000u);
  EXPECT_FALSE(light->GetParticle()->IsEmitting());
}

TEST_F(FieldActionsTest, PulsesAndSweepsWithoutTimeOrNodeEndAtOnce) {
  const auto eggs = Place("Ingredients.eggs", 500.0f);
  const auto none = kitchen->Run(MakeLightAnimationAction(nullptr, 0.5f, 1000.0f, true, true));
  EXPECT_TRUE(none->IsDone());
  const auto instant = kitchen->Run(MakeLightObjectAction(eggs, 0.5f, 0.0f, false, false));
  Frames(20.0f);
  EXPECT_TRUE(instant->IsDone());
  EXPECT_EQ(eggs->HolderGetCast()->GetScale(), (GF::TPoint<float>{1.0f, 1.0f}));
  const auto hidden = Place("Ingredients.flour", 600.0f, false);
  const auto sweep = kitchen->Run(MakeShowObjectAction({hidden}, 0.0f));
  Frames(20.0f);
  EXPECT_TRUE(sweep->IsDone());
  EXPECT_TRUE(hidden->IsShown());
}

TEST_F(FieldActionsTest, TheSweepRampsEachHiddenSourceAsItsLinePassesThenShowsAll) {
  // The line crosses x 450 at 1000 ms and is 300 px past it at 1667 ms.
  struct Case {
    float ms;
    std::uint32_t color;
  } cases[] = {{1000.0f, 0x00CC4C4C},
               {1000.0f + 2000.0f * 75.0f / 900.0f, 0x7FCC4C4C},
               {1000.0f + 2000.0f * 150.0f / 900.0f, 0xFFCC4C4C},
               {1500.0f, 0xFF662626},
               {1000.0f + 2000.0f * 300.0f / 900.0f, 0xFF000000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    const auto eggs = Place("Ingredients.eggs", 450.0f, false);
    const auto mixer = Place("Devices.mixer", 260.0f, false);
    const AnimationPtr node = eggs->HolderGetCast();
    const auto sweep = kitchen->Run(MakeShowObjectAction({eggs, mixer}, 2000.0f));
    kitchen->Update(c.ms);
    EXPECT_TRUE(node->IsShown()) << "the line is on its way";
    for (int shift : {24, 16, 8, 0})
      EXPECT_NEAR(SpriteColor(node) >> shift & 0xFF, c.color >> shift & 0xFF, 1) << shift;
    EXPECT_FALSE(eggs->IsShown()) << "not yet counted as shown";
    EXPECT_FALSE(mixer->HolderGetCast()->IsShown()) << "a working device is not swept";
    kitchen->Update(2000.0f - c.ms);
    EXPECT_TRUE(sweep->IsDone());
    EXPECT_TRUE(eggs->IsShown());
    EXPECT_TRUE(mixer->IsShown());
    EXPECT_EQ(SpriteColor(node), 0xFF000000u) << "its ramp is over at the end";
    kitchen->Update(20.0f);
  }
}

TEST_F(FieldActionsTest, ASelfCookingOrderDoesAnItemAfter6sThenEvery4To6sAndIsServed) {
  const Order order = Add(102, "Dishes.free");
  Frames(static_cast<float>(OrderSlideTime) + 20.0f);
  kitchen->Run(MakeReceptAIAction(order));
  std::vector<float> times;
  float t = 0.0f;
  for (int done = 0; t < 30000.0f && kitchen->served.empty(); t += 10.0f) {
    Frames(10.0f, 10.0f);
    if (order->GetItemsDone() != done) times.push_back(t + 10.0f);
    done = order->GetItemsDone();
  }
  ASSERT_EQ(times.size(), 2u);
  EXPECT_EQ(times[0], 6000.0f);
  EXPECT_GE(times[1] - times[0], 4000.0f);
  EXPECT_LT(times[1] - times[0], 6000.0f);
  EXPECT_EQ(kitchen->served, std::vector<CZacaz*>{order.Get()});
}

TEST_F(FieldActionsTest, ASelfCookingOrderWorksItsDeviceStepForItsWorkTime) {
  const Order order = Add(102);
  Frames(static_cast<float>(OrderSlideTime) + 20.0f);
  const auto cooking = kitchen->Run(MakeReceptAIAction(order));
  for (int i = 0; i < 2000 && !order->IsWorking(); ++i) Frames(10.0f, 10.0f);
  ASSERT_TRUE(order->IsWorking()) << "the mixer's step";
  EXPECT_EQ(static_cast<CReceptAIAction*>(cooking.Get())->GetTimer(), 2000.0f);
  for (int i = 0; i < 2000 && kitchen->served.empty(); ++i) Frames(10.0f, 10.0f);
  EXPECT_EQ(kitchen->served, std::vector<CZacaz*>{order.Get()});
}

TEST_F(FieldActionsTest, NothingToDoReArmsTheTimerAndAStepTimeUnder2msNeverDividesByZero) {
  // Eggs and flour fetched but not done: the mixer waits for them, nothing is next.
  const Order waiting = Add(102);
  waiting->SetItemDelivered(0);
  waiting->SetItemDelivered(1);
  Frames(static_cast<float>(OrderSlideTime) + 20.0f);
  const auto idle = kitchen->Run(MakeReceptAIAction(waiting));
  Frames(6000.0f);
  const float timer = static_cast<CReceptAIAction*>(idle.Get())->GetTimer();
  EXPECT_EQ(waiting->GetItemsDone(), 0);
  EXPECT_GT(timer, 3980.0f);
  EXPECT_LT(timer, 6000.0f);

  const Order quick = Add(102, "Dishes.free", 0.001f);
  Frames(static_cast<float>(OrderSlideTime) + 20.0f);
  kitchen->Run(MakeReceptAIAction(quick));
  Frames(6000.0f);
  EXPECT_EQ(quick->GetItemsDone(), 1);
  Frames(20.0f);
  EXPECT_EQ(quick->GetItemsDone(), 2) << "every frame once the base is 1 ms";
}

TEST_F(FieldActionsTest, ASelfCookingOrderStopsWithTheLevelResultOrWhenItLeaves) {
  const Order order = Add(102, "Dishes.free");
  const auto cooking = kitchen->Run(MakeReceptAIAction(order));
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = 202.0f;
  Frames(20.0f);
  EXPECT_TRUE(cooking->IsDone());
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = 0.0f;
  const auto leaving = kitchen->Run(MakeReceptAIAction(order));
  kitchen->panel.RemoveOrder(order);
  Frames(20.0f);
  EXPECT_TRUE(leaving->IsDone());
  EXPECT_EQ(order->GetItemsDone(), 0);
}

}  // namespace
