#include <gtest/gtest.h>

#include "game/kitchen/CDeliveryButton.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

class CDeliveryButtonTest : public pm::test::FieldFixture {
 protected:
  static GF::TRect<int> RectOf(const CDeliveryButton& button) {
    return {button.GetLeft(), button.GetTop(), button.GetRight(), button.GetBottom()};
  }
};

TEST_F(CDeliveryButtonTest, OnlyAFollowingButtonMovesItsRectangleWithTheItem) {
  for (bool follow : {false, true}) {
    SCOPED_TRACE(follow);
    const auto item = scene->CreateAnimation("interfaces.item_delivery");
    item->SetPosition(200.0f, 300.0f);
    item->Play("_up", 0, false);
    item->Update(0.0f);
    const auto button = CDeliveryButton::Create(item, follow);
    EXPECT_EQ(button->index, 0);
    const GF::TRect<int> before = RectOf(*button);
    // The "_button_rect" face, 112 x 48 around (200, 266) (to a pixel: the framework
    // rounds the bounds).
    EXPECT_NEAR(before.right - before.left, 112, 1);
    EXPECT_NEAR(before.bottom - before.top, 48, 1);
    EXPECT_NEAR((before.left + before.right) / 2, 200, 1);
    EXPECT_NEAR((before.top + before.bottom) / 2, 266, 1);

    item->SetPosition(500.0f, 300.0f);
    item->Update(0.0f);
    button->Update(20.0f);
    const GF::TRect<int> after = RectOf(*button);
    EXPECT_EQ(after.left - before.left, follow ? 300 : 0);
    EXPECT_EQ(after.top, before.top);
  }
}

TEST_F(CDeliveryButtonTest, AnItemWithoutARectangleUsesItsBoundsAndNoItemLeavesItInert) {
  const auto ring = scene->CreateAnimation("levels.ring");
  ring->SetPosition(100.0f, 100.0f);
  ring->Play("all", 0, false);
  ring->Update(0.0f);
  GF::TRect<int> bounds;
  ring->GetBoundingRect(bounds);
  const auto button = CDeliveryButton::Create(ring, true);
  EXPECT_EQ(button->GetLeft(), bounds.left);
  EXPECT_EQ(button->GetBottom(), bounds.bottom);
  EXPECT_EQ(button->GetName(), "ring");

  const auto inert = CDeliveryButton::Create(nullptr, true);
  EXPECT_FALSE(inert->GetAnimation());
  EXPECT_TRUE(inert->Update(20.0f));
}

}  // namespace
