#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/kitchen/CHintStrategyBase.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/CZacaz.h"
#include "tests/game/kitchen/FieldFixture.h"
#include "tests/game/kitchen/OrderField.h"

namespace {

using pm::test::CountPlayerCalls;
using Order = CReceptPanel::OrderHolder;

class COrdersField : public pm::test::TOrderField<pm::test::CTestField> {
 public:
  void OnOrderExpired(RecipeRecord recipe) override { expired.push_back(recipe.RecipeKey); }
  std::vector<std::string> expired;
};

// Writes down the tips it is asked to show.
class CTipsSeen : public CHintStrategyBase {
 public:
  void Show(const TipRecord& tip) override { shown.push_back(tip.Name); }
  void Hide(const TipRecord&) override {}
  std::vector<std::string> shown;
};

class CReceptPanelTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    kitchen = GF::MakeHolder<COrdersField>();
    field = kitchen;
    StartLevel("stage1_1");
    panel = std::make_unique<CReceptPanel>();
    panel->SetField(kitchen);
  }
  void TearDown() override {
    InGameTips.SetStrategy(nullptr);
    panel->Shutdown();
    panel.reset();
    kitchen.Reset();
    FieldFixture::TearDown();
  }
  Order Add(int type, const std::string& recipe = "Dishes.batter") {
    records.push_back(
        std::make_unique<LevelOrderRecord>(LevelOrderRecord{0.0f, 1, 40, type, recipe, 30}));
    return panel->AddOrder(*records.back());
  }
  // Frames of the panel and the field, as the kitchen runs them.
  void Frames(float ms, float step = 20.0f) {
    for (; ms > 0.0f; ms -= step) {
      const float dt = ms < step ? ms : step;
      kitchen->Update(dt);
      panel->Update(dt);
      scene->Update(dt);
    }
  }
  // Slides to the end and one more frame, so the panel is idle.
  void Settle() { Frames(static_cast<float>(OrderSlideTime) + 20.0f); }
  std::vector<CZacaz*> Queue() const {
    std::vector<CZacaz*> queue;
    for (const Order& order : panel->GetOrders()) queue.push_back(order.Get());
    return queue;
  }
  static GF::TRect<int> Rect(const Order& order) {
    GF::TRect<int> r;
    order->GetBubble()->GetBoundingRect(r);
    return r;
  }
  static GF::TPoint<float> Middle(const Order& order) {
    const GF::TRect<int> r = Rect(order);
    return {(r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f};
  }

  GF::THolder<COrdersField> kitchen;
  std::unique_ptr<CReceptPanel> panel;
  std::vector<std::unique_ptr<LevelOrderRecord>> records;
};

TEST_F(CReceptPanelTest, TheFirstOrderIsSelectedAndTheSpecialOnesEnterOpen) {
  const Order first = Add(0);
  EXPECT_EQ(panel->GetSelectedOrder(), first);
  EXPECT_TRUE(first->IsOpened());
  EXPECT_EQ(CountPlayerCalls("sound:Play client_come 1 0.000000"), 1);
  const Order second = Add(0);
  EXPECT_FALSE(second->IsOpened());
  const Order player = Add(101);
  const Order rival = Add(102);
  EXPECT_EQ(Queue(), (std::vector<CZacaz*>{player.Get(), first.Get(), second.Get(), rival.Get()}));
  EXPECT_TRUE(player->IsOpened());
  EXPECT_TRUE(rival->IsOpened());
  EXPECT_EQ(panel->GetSelectedOrder(), first);
  EXPECT_EQ(panel->GetFirstOrder(), player);

  // The selection moves: the old one closes, the rival's is refused.
  panel->SelectOrder(second);
  EXPECT_FALSE(first->IsOpened());
  EXPECT_TRUE(second->IsOpened());
  panel->SelectOrder(rival);
  EXPECT_EQ(panel->GetSelectedOrder(), second);
}

TEST_F(CReceptPanelTest, ARecordWithoutARecipeIsNotQueued) {
  EXPECT_FALSE(Add(0, "Dishes.none"));
  EXPECT_TRUE(panel->GetOrders().empty());
  EXPECT_EQ(CountPlayerCalls("sound:Play client_come 1 0.000000"), 0);
}

TEST_F(CReceptPanelTest, RemovingTheSelectedSelectsTheNextAndTheLastLeavesNoneAndNoDelivery) {
  const Order rival = Add(102);
  EXPECT_FALSE(panel->GetSelectedOrder()) << "the rival's is never selected";
  const Order first = Add(0);
  const Order second = Add(0);
  EXPECT_EQ(panel->GetSelectedOrder(), first);
  for (int k = 0; k < first->GetItemCount(); ++k) {
    first->SetItemDelivered(k);
    first->CompleteItem(k);
  }
  panel->SelectOrder(nullptr);
  panel->SelectOrder(first);
  ASSERT_TRUE(first->IsComplete());
  EXPECT_TRUE(kitchen->GetDeliveryButton()->IsEnabled()) << "a complete selection";

  panel->RemoveOrder(first);
  EXPECT_TRUE(first->IsLeaving());
  EXPECT_EQ(panel->GetSelectedOrder(), second) << "the next of the player's";
  EXPECT_FALSE(kitchen->GetDeliveryButton()->IsEnabled());
  panel->RemoveOrder(second);
  EXPECT_FALSE(panel->GetSelectedOrder()) << "only the rival's is left";
  EXPECT_FALSE(kitchen->GetDeliveryButton()->IsEnabled());
  EXPECT_EQ(Queue(), (std::vector<CZacaz*>{rival.Get()}));
}

TEST_F(CReceptPanelTest, TheSlideLandsExactlyAndTwoOpenOrdersPushTheOthersDownTwice) {
  const Order first = Add(0);
  const Order second = Add(0);
  const Order player = Add(101);
  Frames(static_cast<float>(OrderSlideTime));
  EXPECT_TRUE(panel->IsSliding());
  const float x = OrderSlotFirstX;
  const float y = OrderSlotFirstY;
  EXPECT_EQ(player->GetBubble()->GetPosition(), (GF::TPoint<float>{x, y}));
  EXPECT_EQ(first->GetBubble()->GetPosition(),
            (GF::TPoint<float>{x, y + OrderSlotStep + OrderSlotSelectedOffset}));
  EXPECT_EQ(second->GetBubble()->GetPosition(),
            (GF::TPoint<float>{x, y + 2 * OrderSlotStep + 2 * OrderSlotSelectedOffset}));
  Frames(20.0f);
  EXPECT_FALSE(panel->IsSliding());
}

TEST_F(CReceptPanelTest, TheTwoOrdersTipFiresWhenASlideEndsWithExactlyTwo) {
  const GF::THolder<CTipsSeen> tips = GF::MakeHolder<CTipsSeen>();
  InGameTips.m_showing = false;
  InGameTips.SetStrategy(tips);
  const Order first = Add(0);
  Add(0);
  Add(0);
  Settle();
  EXPECT_TRUE(tips->shown.empty()) << "three orders";
  panel->RemoveOrder(first);
  Frames(static_cast<float>(OrderSlideTime));
  EXPECT_TRUE(tips->shown.empty()) << "still sliding";
  Frames(20.0f);
  EXPECT_EQ(tips->shown, (std::vector<std::string>{"tip_two_orders"}));
}

TEST_F(CReceptPanelTest, PatienceStandsWhileSlidingAndOrdersLeaveOnlyOnceClosing) {
  const Order order = Add(0);
  Frames(static_cast<float>(OrderSlideTime));
  EXPECT_EQ(order->Patience(), 1.0f) << "sliding";
  Settle();
  EXPECT_LT(order->Patience(), 1.0f);
  order->Patience() = 0.01f;
  Frames(1000.0f);
  EXPECT_EQ(Queue(), (std::vector<CZacaz*>{order.Get()})) << "not closing yet";
  panel->SetClosing(true);
  Frames(1000.0f);
  EXPECT_TRUE(panel->GetOrders().empty());
  EXPECT_EQ(kitchen->expired, (std::vector<std::string>{"Dishes.batter"}));
  EXPECT_TRUE(order->IsLeaving());
}

TEST_F(CReceptPanelTest, AClickMissesLeftOfThePanelAndNearABubblesLeftEdgeAndTheRivals) {
  const Order order = Add(0);
  const Order rival = Add(102);
  Settle();
  const GF::TRect<int> r = Rect(order);
  const float y = Middle(order).y;
  const int open = r.left - 100;  // the panel's edge out of the way
  struct Case {
    int minX;
    float x;
    bool hit;
  } cases[] = {
      {r.left + 20, r.left + 20.0f, false},  // on the panel's edge
      {r.left + 20, r.left + 21.0f, true},
      {open, r.left + 10.0f, false},  // within 10 px of the bubble's edge
      {open, r.left + 11.0f, true},
      {open, static_cast<float>(r.right), false},
  };
  for (const Case& c : cases) {
    OrderPanelMinX = c.minX;
    EXPECT_EQ(panel->HitTest({c.x, y}), c.hit ? order : nullptr) << c.minX << " " << c.x;
  }
  EXPECT_NE(panel->HitTest(Middle(rival)), rival) << "the rival's bubble is never hit";
}

TEST_F(CReceptPanelTest, RemovingASpecialOrderKeepsTheSlotsAndASecondRemovalIsIgnored) {
  const Order order = Add(0);
  const Order player = Add(101);
  Settle();
  panel->RemoveOrder(player);
  EXPECT_FALSE(panel->IsSliding());
  EXPECT_EQ(kitchen->GetFlyObjects().size(), 1u);
  panel->RemoveOrder(player);
  EXPECT_EQ(kitchen->GetFlyObjects().size(), 1u) << "not queued any more";
  panel->RemoveOrder(order);
  EXPECT_TRUE(panel->IsSliding());

  // The bubbles fall and leave the scene.
  const auto bubble = order->GetBubble();
  Frames(static_cast<float>(OrderSlideTime) + 40.0f);
  EXPECT_TRUE(kitchen->GetFlyObjects().empty());
  EXPECT_FALSE(bubble->GetScene());
}

TEST_F(CReceptPanelTest, ClearTakesEveryBubbleOutOfTheScene) {
  const Order order = Add(0);
  const auto bubble = order->GetBubble();
  ASSERT_TRUE(bubble->GetScene());
  panel->Clear();
  EXPECT_TRUE(panel->GetOrders().empty());
  EXPECT_FALSE(panel->GetSelectedOrder());
  EXPECT_FALSE(bubble->GetScene());
}

}  // namespace
