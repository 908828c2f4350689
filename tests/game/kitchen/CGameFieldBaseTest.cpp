#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "game/app/ProfileFloat.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CZacaz.h"
#include "tests/game/kitchen/FieldFixture.h"
#include "tools/content/SampleKitchenHud.h"

namespace {

using pm::test::CCommandScreen;
using pm::test::CTestField;
using pm::test::PlayerCalls;
using Journal = std::vector<std::string>;

// A bonus that only notes that it started.
class CNotedBonus : public CActionBase {
 public:
  void Start() override { ++starts; }
  void Update(const float&) override { ++updates; }
  static inline int starts = 0;
  static inline int updates = 0;
};

CActionBase::Holder MakeNotedBonus(CGameFieldBase::AnimationPtr, const BonusDescription&,
                                   CGameFieldBase&) {
  return CActionBase::Holder(new CNotedBonus);
}

bool Played(const std::string& call) {
  return std::find(PlayerCalls().begin(), PlayerCalls().end(), call) != PlayerCalls().end();
}

class CGameFieldBaseTest : public pm::test::FieldFixture {};

TEST_F(CGameFieldBaseTest, TheHoverOpensAfterARestLongerThanTheDelayOncePerRest) {
  ASSERT_TRUE(field->LoadLevel("stage1_1"));
  ASSERT_EQ(HoverDelay, 500);
  SetMouse(100, 100);
  field->Update(20.0f);  // the mouse came here: the rest starts
  for (int i = 0; i < 5; ++i) field->Update(100.0f);
  EXPECT_TRUE(field->journal.empty()) << "a rest of exactly the delay is not enough";
  field->Update(1.0f);
  EXPECT_EQ(field->journal, (Journal{"hover 100,100"}));
  for (int i = 0; i < 20; ++i) field->Update(100.0f);
  EXPECT_EQ(field->journal.size(), 1u) << "once per rest";

  SetMouse(101, 100);  // one pixel closes it and counts again
  field->Update(20.0f);
  EXPECT_EQ(field->journal, (Journal{"hover 100,100", "end 101,100"}));
  for (int i = 0; i < 5; ++i) field->Update(100.0f);
  EXPECT_EQ(field->journal.size(), 2u);
  field->Update(1.0f);
  EXPECT_EQ(field->journal.back(), "hover 101,100");
}

TEST_F(CGameFieldBaseTest, TheBonusLevelCursorFollowsTheMouseOnTheScreen) {
  ASSERT_TRUE(field->LoadLevel("stage1_1"));
  EXPECT_FALSE(field->m_hider) << "a kitchen level has none";
  ASSERT_TRUE(field->LoadLevel("bonus_ispy_1"));
  ASSERT_TRUE(field->m_hider);
  EXPECT_STREQ(field->m_hider->GetName(), "hider");
  ASSERT_TRUE(field->LoadLevel("bonus_diference_1"));
  ASSERT_TRUE(field->m_hider);
  EXPECT_STREQ(field->m_hider->GetName(), "hider_2");
  EXPECT_EQ(field->m_hider->GetLayer(), 2030);
  const struct {
    int x, y;
    float atX, atY;
  } cases[] = {{850, -20, 800.0f, 0.0f},
               {800, 600, 800.0f, 600.0f},
               {-5, 700, 0.0f, 600.0f},
               {321, 207, 321.0f, 207.0f}};
  for (const auto& c : cases) {
    SetMouse(c.x, c.y);
    field->Update(20.0f);
    EXPECT_EQ(field->m_hider->GetPosition().x, c.atX) << c.x << "," << c.y;
    EXPECT_EQ(field->m_hider->GetPosition().y, c.atY) << c.x << "," << c.y;
  }
}

TEST_F(CGameFieldBaseTest, TheFourthLevelCompleteBannerSaysOopsBeforeItsWait) {
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(field->LoadLevel("stage1_1"));
    PlayerCalls().clear();
    ShowLevelCompleteBanner(*field, n);
    EXPECT_EQ(Played("sound:Play oops 1 0.000000"), n == 4);
    const std::string name = "level_complete_" + std::to_string(n);
    const auto& nodes = scene->GetAnimations();
    const auto banner = std::find_if(nodes.begin(), nodes.end(), [&](const auto& node) {
      return node->GetName() && node->GetName() == name;
    });
    ASSERT_NE(banner, nodes.end());
    EXPECT_EQ((*banner)->GetPosition().x, 400.0f);
    EXPECT_EQ((*banner)->GetPosition().y, 300.0f);
    EXPECT_EQ((*banner)->GetLayer(), HudLayerBase);
    EXPECT_TRUE(field->GetTail()) << "waiting for the banner";
    Run(1700.0f);
    EXPECT_FALSE(field->GetTail()) << "the banner has played";
    EXPECT_TRUE(scene->GetAnimations().empty()) << "and left the scene";
  }
}

TEST_F(CGameFieldBaseTest, ResetPutsTheScoreTheResultsAndTheTuningBack) {
  ASSERT_TRUE(field->LoadLevel("stage1_1"));
  field->AddScore(30.0f);
  field->AddScore(12.5f);
  PlayerProfile& profile = CurrentProfile();
  EXPECT_EQ(field->GetScore(), 42.5f);
  EXPECT_EQ(profile.Floats[ProfileFloat::LevelPoints], 42.5f);
  profile.Floats[ProfileFloat::CurrentPlace] = 2.0f;
  profile.Floats[ProfileFloat::OrdersServed] = 5.0f;
  GameSpeedFactor = 2.0f;
  CookStepTime = 30.0f;
  BonusPointsPerOrder = 4.0f;
  field->FreezeTime() = 900.0f;
  field->Reset();
  EXPECT_EQ(field->GetScore(), 0.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::LevelPoints], 0.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::CurrentPlace], 0.0f);
  EXPECT_EQ(profile.Floats[ProfileFloat::OrdersServed], 0.0f);
  EXPECT_EQ(GameSpeedFactor, 1.0f);
  EXPECT_EQ(CookStepTime, 60.0f);
  EXPECT_EQ(BonusPointsPerOrder, 0.0f);
  EXPECT_EQ(field->FreezeTime(), 0.0f);
  EXPECT_EQ(field->m_lastPlace, 0);
  EXPECT_TRUE(field->m_levelKey.empty());
}

TEST_F(CGameFieldBaseTest, BonusEntriesInTurnRunRoundAndStartAgainAfterReset) {
  LevelDescription level = LevelTable["stage1_1"];
  level.BonusEntries = {{0, 0.2f}, {1, 0.5f}, {2, 0.8f}};
  level.RandomBonuses = false;
  LevelTable["turns"] = level;
  ASSERT_TRUE(field->LoadLevel("turns"));
  std::vector<int> kinds;
  for (int i = 0; i < 5; ++i) kinds.push_back(field->GetNextBonusEntry()->Kind);
  EXPECT_EQ(kinds, (std::vector<int>{0, 1, 2, 0, 1}));
  field->Reset();
  EXPECT_EQ(field->GetNextBonusEntry()->Kind, 0);

  LevelTable["turns"].RandomBonuses = true;
  for (int i = 0; i < 20; ++i) {
    const LevelBonusEntry* entry = field->GetNextBonusEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->Kind >= 0 && entry->Kind <= 2);
  }
  LevelTable["turns"].BonusEntries.clear();
  EXPECT_EQ(field->GetNextBonusEntry(), nullptr) << "no bonus, no division by zero";
}

TEST_F(CGameFieldBaseTest, ABonusOfAKindWithoutMakerStartsNothing) {
  ASSERT_TRUE(field->LoadLevel("stage1_1"));
  CNotedBonus::starts = CNotedBonus::updates = 0;
  const CGameFieldBase::BonusMaker kept[] = {CGameFieldBase::bonusMakers[0],
                                             CGameFieldBase::bonusMakers[1]};
  CGameFieldBase::bonusMakers[0] = &MakeNotedBonus;
  CGameFieldBase::bonusMakers[1] = nullptr;  // an empty slot
  const auto icon = scene->CreateAnimation("levels.ring");
  for (int kind : {6, -1, 1}) {
    BonusDescription record = BonusTable[0];
    record.Kind = kind;
    field->CreateBonus(record, icon, nullptr);
  }
  EXPECT_TRUE(PlayerCalls().empty());
  EXPECT_TRUE(field->GetBonusRow().icons.empty());
  EXPECT_EQ(CNotedBonus::starts, 0);

  field->CreateBonus(BonusTable[0], icon, nullptr);
  CGameFieldBase::bonusMakers[0] = kept[0];
  CGameFieldBase::bonusMakers[1] = kept[1];
  EXPECT_EQ(CNotedBonus::starts, 1);
  EXPECT_FALSE(field->GetTail()) << "the bonus runs beside the chains";
  field->Update(20.0f);
  EXPECT_EQ(CNotedBonus::updates, 1);
  EXPECT_TRUE(Played("sound:Play bonus_get 1 0.000000"));
  ASSERT_EQ(field->GetBonusRow().icons.size(), 1u);
  EXPECT_TRUE(field->GetBonusRow().running);
  EXPECT_TRUE(icon->IsStopped()) << "held on its \"_show\"";
}

TEST_F(CGameFieldBaseTest, AMissingLevelEndsAtTheFirstFrameWithoutAPlace) {
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = 3.0f;
  session.ClearLog();
  EXPECT_FALSE(field->LoadLevel("stage9_9"));
  EXPECT_TRUE(session.HasLogLine("[E] LEVEL stage9_9 NOT FOUND"));
  EXPECT_EQ(field->GetLevelDescription(), nullptr);
  EXPECT_FALSE(field->IsFinished());
  field->Update(20.0f);
  EXPECT_TRUE(field->IsFinished());
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::CurrentPlace], 0.0f);
  EXPECT_FALSE(LevelTable.contains("stage9_9")) << "the lookup adds no empty level";
}

TEST_F(CGameFieldBaseTest, TheHudBindsItsPiecesAndALevelWithoutTimeLimitHidesTheClock) {
  LevelDescription level = LevelTable["stage1_1"];
  level.LevelTime = 0.0f;
  LevelTable["untimed"] = level;
  StartLevel("stage1_1");
  ASSERT_TRUE(field->m_clockPanel);
  ASSERT_TRUE(field->m_clockSegment);
  ASSERT_TRUE(field->m_deliveryBar);
  EXPECT_EQ(field->m_deliveryBarLength, 9999.0f);
  EXPECT_EQ(field->m_deliveryBar->GetTime(), 0.0f);
  ASSERT_TRUE(field->m_itemDelivery);
  EXPECT_STREQ(field->m_itemDelivery->GetName(), "item_delivery");

  field->m_clockPanel->SetVisible(true);  // as a timed level's start shows it
  ASSERT_TRUE(field->LoadLevel("untimed"));
  EXPECT_FALSE(field->m_clockPanel->IsShown());
}

TEST_F(CGameFieldBaseTest, MissingHudPiecesAreLoggedOnceAndSkipped) {
  session.ClearLog();
  const auto bare = scene->CreateAnimation("levels.ring");  // a root without the HUD
  for (int i = 0; i < 2; ++i) {
    field->BuildHUD(bare, nullptr);
    ASSERT_TRUE(field->LoadLevel("stage1_1"));
    field->SetupPlates(bare);
    field->Update(20.0f);
  }
  for (const char* part : {"_flip", "_delivery_progres", "_plate", "_ring", "_clock", "_sun"}) {
    const std::string line = std::string("[W] PART ring/") + part + " NOT FOUND";
    EXPECT_EQ(std::count(session.LogLines().begin(), session.LogLines().end(), line), 1) << line;
  }
  EXPECT_FALSE(field->m_deliveryButton) << "no plate, no button";
  EXPECT_EQ(field->journal, (Journal{"start", "start"}));
}

TEST_F(CGameFieldBaseTest, ThePlatesCarryTheDeliveryItemWhoseButtonTellsTheField) {
  StartLevel("stage1_1");
  EXPECT_EQ(field->journal, (Journal{"start"}));
  const auto plate = field->GetPlate();
  ASSERT_TRUE(plate);
  EXPECT_EQ(plate->GetPosition().x, KitchenPlaces::plateX);
  EXPECT_EQ(plate->GetPosition().y, KitchenPlaces::plateY);
  EXPECT_TRUE(plate->IsStopped()) << "held on \"_hide\"";
  EXPECT_TRUE(field->m_ring);
  EXPECT_TRUE(field->m_wallClock.clock);
  EXPECT_EQ(field->m_itemDelivery->GetPosition().x, KitchenPlaces::plateX);
  EXPECT_EQ(field->m_itemDelivery->GetPosition().y, KitchenPlaces::plateY);
  EXPECT_EQ(field->m_itemDelivery->GetLayer(), plate->GetLayer() + 10);

  const GF::THolder<CDeliveryButton> button = field->m_deliveryButton;
  ASSERT_TRUE(button);
  EXPECT_FALSE(button->IsEnabled());
  EXPECT_EQ(button->GetName(), "item_delivery");
  ASSERT_NE(button->GetText(), nullptr);
  EXPECT_EQ(*button->GetText(), L"Serve");
  button->clickEvent.Fire(button, {400, 200}, 1);
  EXPECT_EQ(field->journal, (Journal{"start", "delivery"}));

  field->SetupPlates(kitchen);  // a second set-up drops the first button and its delegate
  EXPECT_NE(field->m_deliveryButton, button);
  button->clickEvent.Fire(button, {400, 200}, 1);
  EXPECT_EQ(field->journal, (Journal{"start", "delivery", "start"}));
}

TEST_F(CGameFieldBaseTest, AnIngredientLandingOnAnIdlePlateMakesItWork) {
  StartLevel("stage1_1");
  const auto plate = field->GetPlate();
  plate->Play("_show", 1, false);
  Run(100.0f);
  auto flight = CreateFlyObject();
  const auto carrot = scene->CreateAnimation("levels.ring");
  flight->AddTarget(carrot);
  field->OnIngredientLanded(flight);
  EXPECT_EQ(plate->GetStartTime(), 100.0f) << "a plate still playing keeps its part";
  EXPECT_TRUE(flight->GetTargets().empty());
  EXPECT_FALSE(carrot->GetScene()) << "the ingredient left the scene";

  Run(300.0f);  // "_show" has run out
  ASSERT_TRUE(plate->IsStopped());
  field->OnIngredientLanded(CreateFlyObject());
  EXPECT_EQ(plate->GetStartTime(), 400.0f) << "\"_work\"";
}

TEST_F(CGameFieldBaseTest, TheBonusBannerSilencesTheMusicAndEndsInTheManual) {
  const auto screen = GF::MakeHolder<CCommandScreen>();
  field->BuildHUD(MakeHud(), screen);
  ASSERT_TRUE(field->LoadLevel("bonus_ispy_1"));
  field->SetIntroDone(false);
  PlayMusic("map_theme");
  PlayerCalls().clear();
  field->ShowBonusBanner();
  EXPECT_EQ(PlayerCalls(),
            (Journal{"sound:Play bonus_level 1 0.000000", "music:Stop map_theme fade"}));
  Run(1500.0f);
  EXPECT_TRUE(screen->GetResult().empty());
  EXPECT_FALSE(field->IsIntroDone());
  Run(200.0f);
  EXPECT_EQ(PlayerCalls().back(), "music:Play map_theme fade");
  EXPECT_EQ(screen->GetResult(), "show_manual");
  EXPECT_EQ(screen->GetFlags(), GF::IScreen::kUsualFlags);
  EXPECT_TRUE(field->IsIntroDone());
  field->Shutdown();
}

TEST_F(CGameFieldBaseTest, AHintBoxShowsAfterAPauseAndWaitsForItsButton) {
  ASSERT_TRUE(field->LoadLevel("stage1_1"));
  field->ShowHintText(L"Serve them quickly", 380.0f, 350.0f);
  const auto& nodes = scene->GetAnimations();
  ASSERT_EQ(nodes.size(), 1u);
  const auto box = nodes.front();
  EXPECT_STREQ(box->GetName(), "hint_text");
  EXPECT_EQ(box->GetPosition().x, 380.0f);
  EXPECT_EQ(box->GetPosition().y, 350.0f);
  EXPECT_EQ(box->GetLayer(), HudLayerBase);
  ASSERT_NE(box->GetText("_text"), nullptr);
  EXPECT_EQ(*box->GetText("_text"), L"Serve them quickly");

  Run(80.0f);
  EXPECT_FALSE(box->IsShown()) << "hidden through the pause";
  Run(40.0f);
  EXPECT_TRUE(box->IsShown());
  Run(5000.0f);
  EXPECT_EQ(scene->GetAnimations().size(), 1u) << "the box stays until its button is clicked";
  EXPECT_TRUE(field->GetTail());
}

TEST_F(CGameFieldBaseTest, AFieldShutDownAndReleasedIsFreedWithWhatItHeld) {
  bool destroyed = false;
  field = GF::MakeHolder<CTestField>(&destroyed);
  StartLevel("stage1_1");
  ShowLevelCompleteBanner(*field, 2);
  ShowSpeechBalloon(L"Hello", {300.0f, 300.0f}, *field);
  field->ShowHintText(L"Hello", 400.0f, 300.0f);
  field->GetBonusRow().Add(scene->CreateAnimation("levels.ring"));
  auto flight = CreateFlyObject();
  flight->SetDuration(500.0f);
  AddFlyObject(*field, flight);
  Run(100.0f);
  field->Shutdown();
  field.Reset();
  EXPECT_TRUE(destroyed);
}

}  // namespace
