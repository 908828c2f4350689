#include <gtest/gtest.h>

#include "game/kitchen/CWaitButtonAction.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

class CWaitButtonActionTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(field->LoadLevel("stage1_1"));
    box = scene->CreateAnimation("hints.hint_text");
    ASSERT_TRUE(box);
    box->SetPosition(400.0f, 300.0f);
    box->Play("_idle", 0, false);
    box->Update(0.0f);
  }

  GF::IAnimation::AnimationPtr box;
};

TEST_F(CWaitButtonActionTest, AClickOnTheButtonEndsTheWaitAndTakesItsDelegateAlong) {
  const auto action = MakeWaitButtonAction("_item_back", box);
  auto* wait = static_cast<CWaitButtonAction*>(action.Get());
  EXPECT_FALSE(wait->GetButton()) << "made at the start";
  field->Run(action);
  const GF::THolder<CDeliveryButton> button = wait->GetButton();
  ASSERT_TRUE(button);
  EXPECT_EQ(button->GetName(), "back");
  ASSERT_NE(button->GetText(), nullptr);
  EXPECT_EQ(*button->GetText(), L"OK");
  EXPECT_TRUE(button->IsEnabled());
  // The button lies on the box, below its middle.
  EXPECT_GT(button->GetTop(), 300);
  EXPECT_LT(button->GetLeft(), 400);
  EXPECT_GT(button->GetRight(), 400);

  Run(5000.0f);
  EXPECT_FALSE(action->IsDone()) << "waits as long as the player does";
  button->clickEvent.Fire(button, {400, 332}, 1);
  EXPECT_TRUE(action->IsDone());
  field->Update(20.0f);
  EXPECT_FALSE(wait->GetButton());
  EXPECT_TRUE(button->clickEvent.IsEmpty());
}

TEST_F(CWaitButtonActionTest, StoppedWhileWaitingItLeavesNoDelegateBehind) {
  const auto action = field->Run(MakeWaitButtonAction("_item_back", box));
  const GF::THolder<CDeliveryButton> button =
      static_cast<CWaitButtonAction*>(action.Get())->GetButton();
  ASSERT_TRUE(button);
  field->StopAll();
  EXPECT_TRUE(button->clickEvent.IsEmpty());
  EXPECT_FALSE(action->IsDone());
}

TEST_F(CWaitButtonActionTest, WithoutAButtonToWaitForItIsDoneAtOnce) {
  const struct {
    const char* name;
    GF::IAnimation::AnimationPtr parent;
  } cases[] = {{"_item_back", nullptr}, {"_item_ok", box}, {"_text", box}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto action = field->Run(MakeWaitButtonAction(c.name, c.parent));
    EXPECT_TRUE(action->IsDone());
    EXPECT_FALSE(static_cast<CWaitButtonAction*>(action.Get())->GetButton());
    field->Update(20.0f);
  }
}

}  // namespace
