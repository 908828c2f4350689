#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/kitchen/CQualityBonus.h"
#include "tests/game/kitchen/KitchenFieldFixture.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using pm::test::PlayerCalls;

class CBonusTest : public pm::test::KitchenFieldFixture {
 protected:
  void SetUp() override {
    KitchenFieldFixture::SetUp();
    ASSERT_TRUE(LoadKitchen("stage1_1"));
    PlayerCalls().clear();
  }
  // The field's actions only, as the kitchen's frame runs them.
  void Step(float dt) { static_cast<CActionWorker&>(*kitchenField).Update(dt); }
  CActionBase::Holder RunQuality(AnimationPtr icon = nullptr) {
    return kitchenField->Run(CQualityBonus::Create(GF::THolder<CGameFieldBase>(kitchenField.Get()),
                                                   BonusTable[3], std::move(icon)));
  }
  static int SoundsPlayed(const std::string& name) {
    const std::string call = "sound:Play " + name + " ";
    return static_cast<int>(
        std::count_if(PlayerCalls().begin(), PlayerCalls().end(),
                      [&](const std::string& c) { return c.starts_with(call); }));
  }
};

TEST_F(CBonusTest, WithoutAVisualTheBonusAppliesAtOnceAndEndsExactlyWithItsTime) {
  QualityFactor = 1.0f;
  const CActionBase::Holder bonus = RunQuality();
  EXPECT_EQ(SoundsPlayed(BonusTable[3].Name), 1) << "the record's sound at once";
  EXPECT_EQ(QualityFactor, 2.0f);
  const float duration = BonusTable[3].Duration;
  Step(duration - 1.0f);
  EXPECT_FALSE(bonus->IsDone());
  EXPECT_EQ(QualityFactor, 2.0f);
  Step(1.0f);
  EXPECT_TRUE(bonus->IsDone());
  EXPECT_EQ(QualityFactor, 1.0f);
}

TEST_F(CBonusTest, OverlappingQualityBonusesRestoreAtOnceAndKeepOthersChanges) {
  QualityFactor = 1.5f;
  const CActionBase::Holder first = RunQuality();
  Step(1000.0f);
  const CActionBase::Holder second = RunQuality();
  Step(BonusTable[3].Duration - 1000.0f);
  ASSERT_TRUE(first->IsDone());
  EXPECT_FALSE(second->IsDone());
  EXPECT_EQ(QualityFactor, 1.5f) << "the first to end restores at once";
  QualityFactor = 1.25f;  // somebody else's change meanwhile
  Step(1000.0f);
  ASSERT_TRUE(second->IsDone());
  EXPECT_EQ(QualityFactor, 1.25f) << "a change made meanwhile survives";
}

TEST_F(CBonusTest, TheIconSpinsToScaleThreeHidesAndLeavesTheRow) {
  const AnimationPtr icon = scene->CreateAnimation(BonusTable[3].Name);
  ASSERT_TRUE(icon);
  kitchenField->CreateBonus(BonusTable[3], icon, nullptr);
  ASSERT_EQ(kitchenField->GetBonusRow().icons.size(), 1u);
  EXPECT_EQ(SoundsPlayed(BonusTable[3].Name), 0) << "the sound waits for the landing";
  for (int i = 0; i < 25; ++i) kitchenField->Update(20.0f);
  EXPECT_NEAR(icon->GetScale().x, 3.0f, 0.1f);
  for (int i = 0; i < 30; ++i) kitchenField->Update(20.0f);
  EXPECT_EQ(SoundsPlayed(BonusTable[3].Name), 1);
  EXPECT_EQ(QualityFactor, 2.0f);
  // "_show" is paused in its part: the wait for it ends after 2000 ms all the same.
  for (float t = 1100.0f; t < BonusTable[3].Duration + 5000.0f; t += 20.0f)
    kitchenField->Update(20.0f);
  EXPECT_TRUE(kitchenField->GetBonusRow().icons.empty()) << "the row closes up";
  EXPECT_FALSE(icon->GetParent());
}

TEST_F(CBonusTest, AStoppedBonusEndsItsEffectOnce) {
  QualityFactor = 1.0f;
  RunQuality();
  Step(100.0f);
  kitchenField->StopAll();
  EXPECT_EQ(QualityFactor, 1.0f);
}

}  // namespace
