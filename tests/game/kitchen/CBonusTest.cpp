#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/kitchen/CCookDecreaseBonus.h"
#include "game/kitchen/CJinjerQuickBonus.h"
#include "game/kitchen/CLightNextIngrBonus.h"
#include "game/kitchen/CQualityBonus.h"
#include "game/kitchen/CRandomBonus.h"
#include "game/kitchen/CStopTimerBonus.h"
#include "game/kitchen/CTimeFreazeBonus.h"
#include "game/kitchen/CZacaz.h"
#include "tests/game/kitchen/KitchenFieldFixture.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using pm::test::PlayerCalls;
using Maker = CActionBase::Holder (*)(GF::THolder<CGameFieldBase>, const BonusDescription&,
                                      AnimationPtr);

class CBonusTest : public pm::test::KitchenFieldFixture {
 protected:
  void SetUp() override {
    KitchenFieldFixture::SetUp();
    ASSERT_TRUE(LoadKitchen("stage1_1"));
    PlayerCalls().clear();
  }
  // The field's actions only, as the kitchen's frame runs them.
  void Step(float dt) { static_cast<CActionWorker&>(*kitchenField).Update(dt); }
  CActionBase::Holder RunBonus(Maker make, int record, AnimationPtr icon = nullptr) {
    return kitchenField->Run(
        make(GF::THolder<CGameFieldBase>(kitchenField.Get()), BonusTable[record], std::move(icon)));
  }
  template <class Bonus>
  GF::THolder<Bonus> Run(int record, AnimationPtr icon = nullptr) {
    return GF::THolder<Bonus>(
        static_cast<Bonus*>(RunBonus(&Bonus::Create, record, std::move(icon)).Get()));
  }
  CActionBase::Holder RunQuality(AnimationPtr icon = nullptr) {
    return RunBonus(&CQualityBonus::Create, 3, std::move(icon));
  }
  // The first two orders of the level in the panel, the first selected, its lines shown.
  GF::THolder<CZacaz> AddTwoOrders() {
    CReceptPanel& panel = *kitchenField->GetReceptPanel();
    const GF::THolder<CZacaz> first = panel.AddOrder(kitchenField->GetOrderRecords()[0]);
    panel.AddOrder(kitchenField->GetOrderRecords()[1]);
    panel.SelectOrder(first);
    for (int frame = 0; frame < 150; ++frame) {
      panel.Update(20.0f);
      scene->Update(20.0f);
    }
    return first;
  }
  void ShowDevices() {
    for (const auto& device : kitchenField->GetCookObjects()) device->SetShown(true);
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

TEST_F(CBonusTest, ItsBannerStandsOverTheOpenOrderCard) {
  const AnimationPtr card = AddTwoOrders()->GetItemsPanel();
  ASSERT_TRUE(card);
  RunQuality();
  AnimationPtr banner;
  for (const AnimationPtr& node : scene->GetAnimations())
    if (node->GetName() && std::string(node->GetName()) == "bonus_name_5") banner = node;
  ASSERT_TRUE(banner);
  scene->Update(20.0f);
  auto layers = [](const AnimationPtr& node) {
    std::vector<int> found;
    for (int i = 0; i < node->GetObjectCount(); ++i)
      if (const auto drawable = node->GetDrawable(i)) found.push_back(drawable->GetLayer());
    return found;
  };
  const std::vector<int> cardLayers = layers(card);
  const std::vector<int> bannerLayers = layers(banner);
  ASSERT_FALSE(cardLayers.empty() || bannerLayers.empty());
  EXPECT_GT(*std::min_element(bannerLayers.begin(), bannerLayers.end()),
            *std::max_element(cardLayers.begin(), cardLayers.end()));
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
  const GF::HGENS::CFGParticle* sparkle = nullptr;
  for (int i = 0; i < icon->GetObjectCount() && !sparkle; ++i)
    sparkle = dynamic_cast<const GF::HGENS::CFGParticle*>(icon->GetDrawable(i).Get());
  ASSERT_TRUE(sparkle) << "the fetch sparkle follows the icon";
  const auto file = GF::HGENS::CFGParticle::Create("Particle\\get_object.fgp", "", 1.0f, true);
  EXPECT_FLOAT_EQ(sparkle->GetEmission(), 5.0f * file->GetEmission());
  EXPECT_EQ(sparkle->GetLayer(), icon->GetLayer() - 1);
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

// A bonus that sets a tuning value: the value while it runs, and the one before it after it
// ends, whether its time runs out or the field stops it.
struct FactorCase {
  const char* name;
  Maker make;
  int record;
  float* value;
  float before;
  float during;
};

const FactorCase kFactorCases[] = {
    {"cook decrease", &CCookDecreaseBonus::Create, 1, &CookTimeFactor, 1.5f, 0.5f},
    {"stop timer", &CStopTimerBonus::Create, 2, &PatienceDrainFactor, 1.0f, 0.0f},
    {"quality", &CQualityBonus::Create, 3, &QualityFactor, 1.0f, 2.0f},
    {"ginger", &CJinjerQuickBonus::Create, 3, &CookStepTime, 60.0f, 30.0f},
};

TEST_F(CBonusTest, FactorBonusesSetTheirValueAndPutTheOldOneBackWhenDoneOrStopped) {
  for (const FactorCase& c : kFactorCases) {
    SCOPED_TRACE(c.name);
    *c.value = c.before;
    const CActionBase::Holder bonus = RunBonus(c.make, c.record);
    EXPECT_FLOAT_EQ(*c.value, c.during);
    Step(BonusTable[c.record].Duration);
    EXPECT_TRUE(bonus->IsDone());
    EXPECT_FLOAT_EQ(*c.value, c.before);

    RunBonus(c.make, c.record);
    Step(100.0f);
    kitchenField->StopAll();
    EXPECT_FLOAT_EQ(*c.value, c.before) << "stopped mid-way";
  }
}

TEST_F(CBonusTest, TwoFreezesAddUpAndIceTheClock) {
  kitchenField->FreezeTime() = 0.0f;
  const auto first = Run<CTimeFreazeBonus>(0);
  Run<CTimeFreazeBonus>(0);
  EXPECT_FLOAT_EQ(kitchenField->FreezeTime(), 2.0f * BonusTable[0].Duration);
  ASSERT_TRUE(first->GetIce());
  ASSERT_TRUE(first->GetIceText());
  EXPECT_TRUE(first->GetIce()->GetParent()) << "in the clock's _bonus_place";
  EXPECT_TRUE(first->GetIceText()->GetParent()) << "in the hand's _ice";
}

TEST_F(CBonusTest, CookDecreaseSparklesOnEveryWorkingDeviceUntilItEnds) {
  const auto bonus = Run<CCookDecreaseBonus>(1);
  const auto& devices = kitchenField->GetCookObjects();
  const auto working = std::count_if(devices.begin(), devices.end(), [](const auto& device) {
    return device->GetDescription().WorkFlag != 0;
  });
  ASSERT_GT(working, 0);
  ASSERT_EQ(static_cast<long>(bonus->GetParticles().size()), working);
  for (const auto& particle : bonus->GetParticles()) EXPECT_TRUE(particle->IsEmitting());
  kitchenField->StopAll();
  for (const auto& particle : bonus->GetParticles()) EXPECT_FALSE(particle->IsEmitting());
}

TEST_F(CBonusTest, StopTimerChainsEveryOrderUntilItEnds) {
  AddTwoOrders();
  const auto bonus = Run<CStopTimerBonus>(2);
  ASSERT_EQ(bonus->GetChains().size(), 2u);
  for (const AnimationPtr& chain : bonus->GetChains()) EXPECT_TRUE(chain->GetParent());
  Step(BonusTable[2].Duration);
  ASSERT_TRUE(bonus->IsDone());
  for (int frame = 0; frame < 50; ++frame) scene->Update(20.0f);
  for (const AnimationPtr& chain : bonus->GetChains()) EXPECT_TRUE(chain->IsFinished()) << "hidden";
}

TEST_F(CBonusTest, GingerSparklesAtTheCooksMiddle) {
  ASSERT_TRUE(kitchenField->GetPers());
  const auto bonus = Run<CJinjerQuickBonus>(3);
  Step(20.0f);
  GF::TRect<int> rect;
  kitchenField->GetPers()->GetAnimation()->GetBoundingRect(rect);
  const GF::TPoint<float> at = bonus->GetParticle()->GetPosition();
  EXPECT_EQ(at.x, static_cast<float>((rect.left + rect.right) / 2));
  EXPECT_EQ(at.y, static_cast<float>((rect.top + rect.bottom) / 2));
  kitchenField->StopAll();
  EXPECT_FALSE(bonus->GetParticle()->IsEmitting());
}

TEST_F(CBonusTest, ARandomFourIsTheGingerBonusOnTheQualityRecord) {
  int seed = 1;
  for (std::srand(seed); std::rand() % 6 != 4; std::srand(++seed)) {
  }
  std::srand(seed);
  CookStepTime = 60.0f;
  const AnimationPtr icon = scene->CreateAnimation(BonusTable[5].Name);
  ASSERT_TRUE(icon);
  const auto bonus = Run<CRandomBonus>(5, icon);
  ASSERT_TRUE(dynamic_cast<CJinjerQuickBonus*>(bonus->GetInner().Get()));
  EXPECT_EQ(&bonus->GetInner()->GetRecord(), &BonusTable[3]);
  for (int frame = 0; frame < 51; ++frame) kitchenField->Update(20.0f);
  EXPECT_EQ(SoundsPlayed(BonusTable[5].Name), 1) << "its own sound when it lands";
  EXPECT_FLOAT_EQ(CookStepTime, 30.0f) << "the drawn bonus started on landing";
  const GF::IAnimation::ParentPtr container(icon->GetChildAt(0));
  ASSERT_TRUE(container);
  const AnimationPtr picture = container->GetSubstitutedAnimation(0);
  ASSERT_TRUE(picture) << "the record's picture rides on the icon";
  EXPECT_TRUE(BonusTable[3].SecondName.ends_with(std::string(".") + picture->GetName()));
  for (int frame = 0; frame < 51; ++frame) kitchenField->Update(20.0f);
  EXPECT_EQ(SoundsPlayed(BonusTable[3].Name), 1) << "the drawn record's sound on its landing";
  // It lasts as long as the drawn one: its duration after the second landing, then the icon.
  for (float t = 0.0f; t < BonusTable[3].Duration - 1000.0f; t += 20.0f)
    kitchenField->Update(20.0f);
  EXPECT_FALSE(bonus->IsDone());
  for (float t = 0.0f; t < 5000.0f; t += 20.0f) kitchenField->Update(20.0f);
  EXPECT_TRUE(bonus->IsDone());
  EXPECT_FLOAT_EQ(CookStepTime, 60.0f);
}

TEST_F(CBonusTest, ARandomBonusWhoseDrawHasNoRecordEndsAfterItsSound) {
  const BonusDescription random = BonusTable[5];
  BonusTable.clear();
  BonusTable[5] = random;
  const auto bonus = Run<CRandomBonus>(5);
  EXPECT_FALSE(bonus->GetInner());
  EXPECT_EQ(SoundsPlayed(random.Name), 1);
  EXPECT_TRUE(bonus->IsDone());
}

TEST_F(CBonusTest, TheLightFollowsTheNextNeededObjectAndEndsWithoutOne) {
  const GF::THolder<CZacaz> order = AddTwoOrders();
  ShowDevices();
  const auto bonus = Run<CLightNextIngrBonus>(4);
  Step(1000.0f);
  EXPECT_FALSE(bonus->GetLight()) << "not before a second has passed";
  Step(20.0f);
  const CActionBase::Holder first = bonus->GetLight();
  ASSERT_TRUE(first);
  EXPECT_EQ(bonus->GetTarget(), kitchenField->FindNextNeededObject(false));

  order->SetItemDelivered(order->GetNextItem(false, false));
  Step(1020.0f);
  ASSERT_TRUE(bonus->GetLight());
  EXPECT_NE(bonus->GetLight(), first) << "a new light on the new target";
  EXPECT_TRUE(first->IsDone()) << "the old light ended";

  kitchenField->GetReceptPanel()->SelectOrder(nullptr);
  const CActionBase::Holder second = bonus->GetLight();
  Step(1020.0f);
  EXPECT_FALSE(bonus->GetLight()) << "no selected order: nothing lit";
  EXPECT_TRUE(second->IsDone());

  kitchenField->GetReceptPanel()->SelectOrder(order);
  Step(20.0f);
  EXPECT_TRUE(bonus->GetLight()) << "the same object lit again once it is needed again";
}

TEST_F(CBonusTest, AStoppedLightBonusEndsItsLight) {
  AddTwoOrders();
  ShowDevices();
  const auto bonus = Run<CLightNextIngrBonus>(4);
  Step(1020.0f);
  const CActionBase::Holder light = bonus->GetLight();
  ASSERT_TRUE(light);
  kitchenField->StopAll();
  EXPECT_FALSE(bonus->GetLight());
}

// The bare base field has no HUD, panel, devices or cook: every bonus still runs its time.
TEST_F(CBonusTest, EveryBonusRunsOnAFieldWithoutKitchen) {
  const Maker makers[] = {&CTimeFreazeBonus::Create,    &CCookDecreaseBonus::Create,
                          &CStopTimerBonus::Create,     &CQualityBonus::Create,
                          &CLightNextIngrBonus::Create, &CJinjerQuickBonus::Create};
  for (const Maker make : makers) {
    const CActionBase::Holder bonus =
        field->Run(make(GF::THolder<CGameFieldBase>(field.Get()), BonusTable[3], nullptr));
    static_cast<CActionWorker&>(*field).Update(BonusTable[3].Duration);
    EXPECT_TRUE(bonus->IsDone());
  }
}

}  // namespace
