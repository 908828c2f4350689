// The kitchen field playing a level on the sample content, driven frame by frame as the game
// screen drives it: the intro's count-down and first customer, the arrivals, the special
// orders of a duel, clicks, the level clock's last seconds and the end's result and banner.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/engine/app/Services.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/scene/ISprite.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/CCheatClass.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileString.h"
#include "game/kitchen/CGameField.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/CWaitButtonAction.h"
#include "platform/Engine.h"
#include "tests/game/kitchen/KitchenFieldFixture.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::PlayerCalls;

constexpr const char* kTick = "sound:Play clock_tick 1 0.000000";
constexpr const char* kGo = "sound:Play level_go 1 0.000000";
constexpr const char* kRefused = "sound:Play click_refused 1 0.000000";
constexpr const char* kSelect = "sound:Play order_select 1 0.000000";

LevelOrderRecord Record(int type, const std::string& recipe) {
  return {4.0f, 1, 40, type, recipe, 30};
}

class KitchenPlayTest : public pm::test::KitchenFieldFixture {
 protected:
  static PlayerProfile& Profile() { return CurrentProfile(); }
  static LevelDescription& Level(const std::string& key) { return LevelTable.at(key); }

  // The level set up as the game screen does it; its intro starts.
  void Start(const std::string& key) {
    Profile().Strings[ProfileString::CurrentLevelKey] = key;
    kitchen = MakeKitchen();
    ASSERT_TRUE(LoadKitchen(key));
    kitchenField->SetupPlates(kitchen);
  }
  // A fresh field on the level, played past its intro.
  void StartPlaying(const std::string& key) {
    Start(key);
    for (int ms = 0; ms < 20000 && !kitchenField->IsPlaying(); ms += 20) Frames(20.0f);
    ASSERT_TRUE(kitchenField->IsPlaying());
  }
  void NewField() {
    kitchenField->Shutdown();
    kitchenField = GF::MakeHolder<pm::test::CKitchenTestField>();
  }
  void Frames(float ms, float step = 20.0f) {
    for (; ms > 0.0f; ms -= step) {
      kitchenField->Update(std::min(ms, step));
      scene->Update(std::min(ms, step));
    }
  }
  void ClickAt(float x, float y) {
    SetMouse(static_cast<int>(x), static_cast<int>(y));
    GF::HGENS::GetMouse()->click = true;
    Frames(20.0f);
  }
  CReceptPanel& Panel() { return *kitchenField->GetReceptPanel(); }
  std::vector<std::string> OrderRecipes() {
    std::vector<std::string> keys;
    for (const auto& order : Panel().GetOrders()) keys.push_back(order->GetRecord()->RecipeKey);
    return keys;
  }
  std::vector<int> OrderTypes() {
    std::vector<int> types;
    for (const auto& order : Panel().GetOrders()) types.push_back(order->GetType());
    return types;
  }
  void RemoveAllOrders() {
    while (!Panel().GetOrders().empty()) Panel().RemoveOrder(Panel().GetOrders().front());
  }
  bool HasAnimation(const std::string& name) const {
    const auto& nodes = scene->GetAnimations();
    return std::any_of(nodes.begin(), nodes.end(), [&](const auto& node) {
      return node->GetName() && node->GetName() == name;
    });
  }
  GF::THolder<CCookObject> Device(const std::string& name) {
    for (const auto& device : kitchenField->GetCookObjects())
      if (device->GetSlot().Name == name) return device;
    return {};
  }
};

TEST_F(KitchenPlayTest, TheFirstOrderComesAfterTheCountDownWithItsPatienceFull) {
  kitchen = MakeKitchen();
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  const float drain = PatienceDrainFactor;
  kitchenField->SetupPlates(kitchen);
  int goFrame = -1, orderFrame = -1;
  for (int frame = 0; frame < 1000 && !kitchenField->IsPlaying(); ++frame) {
    EXPECT_EQ(PatienceDrainFactor, 0.0f) << "frozen during the intro";
    EXPECT_FALSE(kitchenField->IsIntroDone());
    Frames(20.0f);
    if (goFrame < 0 && CountPlayerCalls(kGo) == 1) goFrame = frame;
    if (orderFrame < 0 && !Panel().GetOrders().empty()) {
      orderFrame = frame;
      EXPECT_EQ(Panel().GetOrders().front()->Patience(), 1.0f);
    }
  }
  ASSERT_TRUE(kitchenField->IsPlaying());
  EXPECT_TRUE(kitchenField->IsIntroDone());
  EXPECT_EQ(PatienceDrainFactor, drain);
  ASSERT_GE(goFrame, 0);
  EXPECT_GE(orderFrame, goFrame) << "the customer follows the count-down";
  // The devices' sweep (4 timings), the plate, the clock and the four parts come first.
  EXPECT_GT(goFrame * 20.0f, IntroTimings * 4.0f);
  for (const char* sound : {"3", "2", "1", "go"})
    EXPECT_EQ(CountPlayerCalls(std::string("sound:Play ") + sound + " 1 0.000000"), 1) << sound;
  for (const auto& device : kitchenField->GetCookObjects()) EXPECT_TRUE(device->IsShown());
  EXPECT_EQ(Panel().GetOrders().size(), 1u);
}

TEST_F(KitchenPlayTest, ThePassedLevelStartsAtZeroAndANewOneTakesTheCarriedScore) {
  Profile().LevelRecords["stage1_1"].BestPlace = 2;
  Profile().Floats[ProfileFloat::BonusResult] = 50.0f;
  Start("stage1_1");
  EXPECT_EQ(kitchenField->GetScore(), 0.0f);
  EXPECT_EQ(Profile().Floats[ProfileFloat::BonusResult], 50.0f);

  NewField();
  Profile().LevelRecords.erase("stage1_1");
  Start("stage1_1");
  EXPECT_EQ(kitchenField->GetScore(), 50.0f);
  EXPECT_EQ(Profile().Floats[ProfileFloat::BonusResult], 0.0f);
  EXPECT_EQ(Profile().Floats[ProfileFloat::LevelPoints], 50.0f);
  EXPECT_EQ(Profile().LevelRecords["stage1_1"].Number1, 50.0f);
  EXPECT_EQ(kitchenField->GetStandings().GetScore(CStandingsPanel::kPlayerId), 50.0f);

  // Left again: the kept score comes back.
  NewField();
  Start("stage1_1");
  EXPECT_EQ(kitchenField->GetScore(), 50.0f);
}

TEST_F(KitchenPlayTest, CustomersComeOnTheTimerExceptInTheFirstLevel) {
  StartPlaying("stage1_1");
  Frames(3.0f * CustomerArrivalInterval);
  EXPECT_EQ(Panel().GetOrders().size(), 1u) << "the first level waits for an empty queue";
  RemoveAllOrders();
  Frames(20.0f);
  EXPECT_EQ(Panel().GetOrders().size(), 1u);

  // Capacity 3 and two records: they take turns for as long as the level runs.
  NewField();
  GameDatabase.Tuning.OrderQueueCapacity = 3;
  Level("stage1_2").Orders = {Record(0, "Dishes.batter"), Record(0, "Dishes.pancakes")};
  StartPlaying("stage1_2");
  Frames(3.0f * CustomerArrivalInterval);
  EXPECT_EQ(OrderRecipes(),
            (std::vector<std::string>{"Dishes.batter", "Dishes.pancakes", "Dishes.batter"}));
  Frames(2.0f * CustomerArrivalInterval);
  EXPECT_EQ(Panel().GetOrders().size(), 3u) << "the queue is full";
  RemoveAllOrders();
  Frames(3.0f * CustomerArrivalInterval);
  EXPECT_EQ(OrderRecipes(),
            (std::vector<std::string>{"Dishes.pancakes", "Dishes.batter", "Dishes.pancakes"}));
}

TEST_F(KitchenPlayTest, ASpecialRecordBringsASecondOrderAndHalvesTheQueue) {
  Level("stage1_2").Orders = {Record(101, "Dishes.batter"), Record(0, "Dishes.pancakes"),
                              Record(0, "Dishes.batter")};
  StartPlaying("stage1_2");
  EXPECT_EQ(OrderTypes(), (std::vector<int>{101, 0}));
  EXPECT_EQ(kitchenField->GetQueueCapacity(), 2);
  Frames(3.0f * CustomerArrivalInterval);
  EXPECT_EQ(Panel().GetOrders().size(), 2u);

  // Rings of special records only: one pass, then nothing more, also at the later arrivals
  // that an empty queue brings every frame; only a record not yet taken still comes.
  const LevelOrderRecord player = Record(101, "Dishes.batter");
  const LevelOrderRecord rival = Record(102, "Dishes.batter");
  const struct {
    std::vector<LevelOrderRecord> ring;
    std::vector<int> later;  // the orders once the first ones have gone
  } rings[] = {{{player}, {}}, {{player, player}, {}}, {{player, rival, player}, {101}}};
  for (const auto& c : rings) {
    SCOPED_TRACE(c.ring.size());
    NewField();
    Level("stage1_2").Orders = c.ring;
    StartPlaying("stage1_2");
    const std::vector<int> first = OrderTypes();
    Frames(3.0f * CustomerArrivalInterval);
    EXPECT_EQ(OrderTypes(), first);
    EXPECT_LE(first.size(), 2u);
    RemoveAllOrders();
    Frames(3.0f * CustomerArrivalInterval);
    EXPECT_EQ(OrderTypes(), c.later);
  }
}

TEST_F(KitchenPlayTest, ServingTheLastPlayersSpecialWinsTheDuelWithTheFailedDishOnTheOther) {
  Level("stage1_duel").Orders = {Record(101, "Dishes.batter"), Record(0, "Dishes.pancakes")};
  StartPlaying("stage1_duel");
  ASSERT_EQ(OrderTypes(), (std::vector<int>{101, 0}));
  const GF::THolder<CZacaz> special = Panel().GetOrders().front();
  const GF::THolder<CZacaz> other = Panel().GetOrders().back();
  kitchenField->OnOrderServed(special);
  EXPECT_TRUE(kitchenField->IsStopped());
  EXPECT_EQ(Profile().Floats[ProfileFloat::CurrentPlace], 201.0f);
  EXPECT_EQ(Profile().Floats[ProfileFloat::LevelPoints], 100.0f);
  EXPECT_EQ(Profile().LevelRecords["stage1_duel"].Scores,
            (std::map<std::int32_t, float>{{CStandingsPanel::kPlayerId, 100.0f}}));
  EXPECT_TRUE(HasAnimation("level_complete_1"));
  EXPECT_TRUE(HasAnimation("failed_recept"));
  // Nothing books the result twice.
  kitchenField->OnDelivery();
  kitchenField->OnOrderServed(other);
  EXPECT_EQ(Profile().Floats[ProfileFloat::OrdersServed], 1.0f);
  Frames(10000.0f);
  EXPECT_TRUE(kitchenField->IsFinished());
}

TEST_F(KitchenPlayTest, TheResultChoosesTheBanner) {
  struct Case {
    int stage;
    float place;
    const char* banner;
  };
  const Case cases[] = {{6, 3.0f, "level_complete_4"},
                        {1, 7.0f, "level_complete_4"},
                        {1, 2.0f, "level_complete_2"},
                        {1, 202.0f, "level_complete_4"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.banner + std::to_string(c.place));
    NewField();
    scene->Clear();
    StartPlaying("stage1_1");
    Profile().StageKey = GetStageKey(c.stage);
    Profile().Floats[ProfileFloat::CurrentPlace] = c.place;
    kitchenField->EndLevel();
    EXPECT_TRUE(HasAnimation(c.banner));
    if (c.stage == 6) {
      EXPECT_EQ(Profile().Floats[ProfileFloat::LastLevelOutcome], -1.0f);
    }
  }
}

TEST_F(KitchenPlayTest, TheClockTicksEachSecondOnlyInItsLastTwentiethAndNotWhileFrozen) {
  StartPlaying("stage1_1");
  const float limit = Level("stage1_1").LevelTime;
  kitchenField->SetLevelTime(0.9f * limit);
  Frames(0.04f * limit, 50.0f);
  EXPECT_EQ(CountPlayerCalls(kTick), 0) << "blinking, but before the last twentieth";
  Frames(0.05f * limit, 50.0f);
  EXPECT_EQ(CountPlayerCalls(kTick), static_cast<int>(0.05f * limit / 1000.0f));

  NewField();
  PlayerCalls().clear();
  StartPlaying("stage1_1");
  kitchenField->SetLevelTime(0.96f * limit);
  kitchenField->FreezeTime() = 5000.0f;
  Frames(4000.0f, 50.0f);
  EXPECT_EQ(CountPlayerCalls(kTick), 0);
  EXPECT_FALSE(kitchenField->IsClosed());
}

TEST_F(KitchenPlayTest, ClosingTimeClosesAndTheLastOrderGoneEndsWithThePlace) {
  StartPlaying("stage1_1");
  kitchenField->SetLevelTime(Level("stage1_1").LevelTime);
  Frames(20.0f);
  EXPECT_TRUE(kitchenField->IsClosed());
  EXPECT_TRUE(Panel().IsClosing());
  EXPECT_FALSE(kitchenField->IsStopped()) << "the customer is still waiting";
  RemoveAllOrders();
  Frames(2000.0f);
  EXPECT_TRUE(kitchenField->IsStopped());
  EXPECT_EQ(Profile().Floats[ProfileFloat::CurrentPlace], 4.0f) << "three rivals ahead";
  EXPECT_GE(Profile().LevelRecords["stage1_1"].Number2, Level("stage1_1").LevelTime);

  // Without a time limit the clock never closes.
  NewField();
  Level("stage1_2").LevelTime = 0.0f;
  StartPlaying("stage1_2");
  Frames(200000.0f, 100.0f);
  EXPECT_FALSE(kitchenField->IsClosed());
  EXPECT_FALSE(kitchenField->IsStopped());
  EXPECT_EQ(Panel().GetOrders().size(), static_cast<std::size_t>(OrderQueueCapacity));
}

TEST_F(KitchenPlayTest, ClicksSelectOrdersFetchWhatTheOrderNeedsAndRefuseTheRest) {
  Level("stage1_2").Orders = {Record(0, "Dishes.batter"), Record(0, "Dishes.pancakes")};
  StartPlaying("stage1_2");
  Frames(CustomerArrivalInterval + 1000.0f);
  ASSERT_EQ(Panel().GetOrders().size(), 2u);
  const GF::THolder<CZacaz> first = Panel().GetOrders().front();
  const GF::THolder<CZacaz> second = Panel().GetOrders().back();
  ASSERT_EQ(Panel().GetSelectedOrder(), first);

  // The second bubble: selected, with its sound.
  // Bubbles are hit right of the panel's edge.
  GF::TRect<int> bubble;
  second->GetBubble()->GetBoundingRect(bubble);
  ClickAt(OrderSlotFirstX, bubble.bottom - 5.0f);
  EXPECT_EQ(Panel().GetSelectedOrder(), second);
  EXPECT_EQ(CountPlayerCalls(kSelect), 1);
  Frames(1000.0f);
  first->GetBubble()->GetBoundingRect(bubble);
  ClickAt(OrderSlotFirstX, bubble.top + 20.0f);
  ASSERT_EQ(Panel().GetSelectedOrder(), first);
  Frames(1000.0f);

  // The batter's eggs: the cook walks there and the source waits for her.
  const GF::THolder<CCookObject> eggs = Device("Ingredients.eggs");
  GF::TRect<int> rect = eggs->GetRect();
  ClickAt((rect.left + rect.right) / 2.0f, (rect.top + rect.bottom) / 2.0f);
  EXPECT_FALSE(eggs->IsActive());
  EXPECT_TRUE(kitchenField->GetTail());
  EXPECT_TRUE(kitchenField->GetPers()->IsWalking());
  // The same source again does nothing at all; the milk is no part of batter.
  ClickAt((rect.left + rect.right) / 2.0f, (rect.top + rect.bottom) / 2.0f);
  EXPECT_EQ(CountPlayerCalls(kRefused), 0);
  Frames(8000.0f);
  const GF::THolder<CCookObject> milk = Device("Ingredients.milk");
  rect = milk->GetRect();
  ClickAt((rect.left + rect.right) / 2.0f, (rect.top + rect.bottom) / 2.0f);
  EXPECT_EQ(CountPlayerCalls(kRefused), 1);
  EXPECT_TRUE(milk->IsActive());
  EXPECT_EQ(kitchenField->GetPers()->GetState(), CPers::kCancel) << "the cook shrugs";

  // A floor click walks the cook.
  Frames(2000.0f);
  ClickAt(300.0f, 500.0f);
  EXPECT_TRUE(kitchenField->GetPers()->IsWalking());
}

TEST_F(KitchenPlayTest, FetchedSourcesComeBackAfterTheirDelayTogetherOnlyWhenDueTogether) {
  StartPlaying("stage1_1");
  const GF::THolder<CCookObject> eggs = Device("Ingredients.eggs");
  const GF::THolder<CCookObject> flour = Device("Ingredients.flour");
  for (bool oneFrame : {false, true}) {
    SCOPED_TRACE(oneFrame);
    kitchenField->AddDelayedObject(eggs);
    Frames(100.0f);
    kitchenField->AddDelayedObject(flour);
    EXPECT_FALSE(eggs->IsShown());
    if (oneFrame) Frames(PendingItemDelay, PendingItemDelay);
    bool apart = false;
    for (int frame = 0; frame < 500 && !(eggs->IsShown() && flour->IsShown()); ++frame) {
      Frames(20.0f);
      apart = apart || eggs->IsShown() != flour->IsShown();
    }
    EXPECT_TRUE(eggs->IsShown() && flour->IsShown());
    EXPECT_EQ(apart, !oneFrame) << "one sweep for both, or one each";
  }
}

TEST_F(KitchenPlayTest, AnUpgradedDeviceIsIntroducedBeforeTheCountDown) {
  PlayerProfile& profile = Profile();
  profile.StageRecords[profile.StageKey].Items["Devices.mixer"] = "UPG_mixer";
  profile.LastGrantedItem = "Devices.mixer";
  Start("stage1_1");
  const GF::THolder<CCookObject> mixer = kitchenField->GetNewDevice();
  ASSERT_TRUE(mixer && kitchenField->GetOldDevice());
  Frames(1500.0f);
  EXPECT_TRUE(kitchenField->GetPers()->IsWalking()) << "the cook sets off after a second";
  Frames(4000.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play bright_chirp 1 0.000000"), 1) << "the sparkle";
  EXPECT_EQ(mixer->HolderGetCast()->GetOpacity(), 1.0f) << "faded in over the old one";
  Frames(10000.0f);
  EXPECT_TRUE(kitchenField->IsIntroRunning()) << "the hint box waits for its button";
  EXPECT_EQ(CountPlayerCalls(kGo), 0);
}

TEST_F(KitchenPlayTest, AWaitingCompleteOrderPuffsFogBesideThePlateOnlyOnThreeAndFour) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  for (int side = 1; side <= 4; ++side) {
    SCOPED_TRACE(side);
    int seed = 1;  // 0 seeds from the clock
    for (;; ++seed) {
      engine->RandomSeed(seed);
      if (engine->RandomInt(1, 4) == side) break;
    }
    NewField();
    scene->Clear();
    StartPlaying("stage1_1");
    const GF::THolder<CZacaz> order = Panel().GetSelectedOrder();
    ASSERT_TRUE(order);
    for (int k = 0; k < order->GetItemCount(); ++k) {
      order->SetItemDelivered(k);
      order->CompleteItem(k);
    }
    const GF::CObjectProperties& plate = kitchenField->GetPlate()->GetProperties();
    const int fogLayer = kitchenField->GetPlate()->GetLayer() + 2;
    // Each period draws first in its frame: the seed chooses the side of every period.
    std::vector<GF::HGENS::CScene::DrawablePtr> fogs;
    for (float ms = 0.0f; ms < 2.5f * ServedOrderBonusTime; ms += 20.0f) {
      engine->RandomSeed(seed);
      Frames(20.0f);
      for (const auto& drawable : scene->GetDrawables()) {
        const auto* fog = dynamic_cast<const GF::HGENS::CFGParticle*>(drawable.Get());
        if (fog && fog->GetLayer() == fogLayer &&
            std::find(fogs.begin(), fogs.end(), drawable) == fogs.end()) {
          fogs.push_back(drawable);
          EXPECT_EQ(fog->GetPosition().x, plate.x + (side == 3 ? 50.0f : -50.0f));
          EXPECT_EQ(fog->GetPosition().y, plate.y);
        }
      }
    }
    EXPECT_EQ(fogs.size(), side <= 2 ? 0u : 2u) << "one puff a period on three and four";
  }
  engine->Release();
}

TEST_F(KitchenPlayTest, TheLastStagesWindowTurnsItsPagesOnItsButtonsBeforeTheCountDown) {
  LevelDescription last = Level("stage1_1");
  last.LevelKey = "stage7_1";
  LevelTable["stage7_1"] = last;
  Profile().Strings[ProfileString::CurrentLevelKey] = "stage7_1";
  kitchen = MakeKitchen();
  ASSERT_TRUE(LoadKitchen("stage7_1"));
  // The field's chain hangs behind this one, so the test can walk it.
  const CActionBase::Holder head = kitchenField->Append(MakeWaitAction(0.0f));
  kitchenField->SetupPlates(kitchen);
  const GF::IAnimation::AnimationPtr window = kitchenField->GetLastStageHint();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->GetPosition(), (GF::TPoint<float>{400.0f, 300.0f}));
  EXPECT_GT(window->GetLayer(), HudLayerBase + 100) << "over the open order card";
  const GF::IAnimation::AnimationPtr next =
      GF::HGENS::FindSubstitutedPart(*window, "_item_continue");
  ASSERT_TRUE(next);
  EXPECT_EQ(next->GetStartTime(), 300.0f) << "greyed";
  std::vector<CWaitButtonAction*> waits;
  for (CActionBase* a = head.Get(); !a->GetFollowUps().empty(); a = a->GetFollowUps()[0].Get())
    if (auto* wait = dynamic_cast<CWaitButtonAction*>(a->GetFollowUps()[0].Get()))
      waits.push_back(wait);
  ASSERT_EQ(waits.size(), 5u);
  const std::wstring captions[] = {L"OK", L"OK", L"OK", L"OK", L"Continue"};
  for (std::size_t page = 0; page < waits.size(); ++page) {
    SCOPED_TRACE(page);
    Frames(3000.0f);
    EXPECT_EQ(window->GetStartTime(), 400.0f * static_cast<float>(page)) << "page shown";
    EXPECT_EQ(CountPlayerCalls("sound:Play 3 1 0.000000"), 0) << "the count-down waits";
    const GF::THolder<CDeliveryButton> button = waits[page]->GetButton();
    ASSERT_TRUE(button);
    ASSERT_NE(button->GetText(), nullptr);
    EXPECT_EQ(*button->GetText(), captions[page]);
    button->clickEvent.Fire(button, {400, 364}, 1);
  }
  // The sixth part lets the window go and the manual's call ends the intro's wait; then the
  // count-down runs as in every level.
  while (CountPlayerCalls("sound:Play 3 1 0.000000") == 0 && window->GetStartTime() < 4000.0f)
    Frames(20.0f);
  EXPECT_EQ(window->GetStartTime(), 2000.0f);
  EXPECT_TRUE(window->IsStopped());
  EXPECT_TRUE(kitchenField->IsIntroDone()) << "the manual was called";
  for (int frame = 0; frame < 1000 && !kitchenField->IsPlaying(); ++frame) Frames(20.0f);
  EXPECT_TRUE(kitchenField->IsPlaying());
  EXPECT_EQ(Panel().GetOrders().size(), 1u);
}

TEST_F(KitchenPlayTest, TheDeveloperKeysWorkOnlyInCheatMode) {
  Level("stage1_1").BonusEntries = {{3, 0.5f}};  // a quality bonus
  StartPlaying("stage1_1");
  const float speed = GameSpeedFactor;
  CheatModeEnabled = false;
  for (int key : {6, 8, 10, 14}) kitchenField->OnKeyDown(key);
  EXPECT_EQ(GameSpeedFactor, speed);
  EXPECT_FALSE(kitchenField->IsStopped());

  CheatModeEnabled = true;
  kitchenField->OnKeyDown(14);
  EXPECT_EQ(GameSpeedFactor, 4.0f * speed);
  kitchenField->OnKeyDown(10);
  EXPECT_EQ(kitchenField->GetBonusRow().icons.size(), 1u) << "the level's bonus entry";
  const float dress = Profile().Floats[ProfileFloat::StageUpgrade];
  kitchenField->OnKeyDown(8);
  EXPECT_EQ(Profile().Floats[ProfileFloat::StageUpgrade], dress + 1.0f);
  kitchenField->OnKeyDown(6);
  EXPECT_TRUE(kitchenField->IsStopped());
  EXPECT_EQ(Profile().Floats[ProfileFloat::CurrentPlace], 1.0f);
  EXPECT_EQ(Profile().LevelRecords["stage1_1"].BestPlace, 1);
  CheatModeEnabled = false;
}

TEST_F(KitchenPlayTest, RestingOnADeviceBrightensItAndNamesItInTheBalloon) {
  StartPlaying("stage1_1");
  InGameTips.m_showing = false;  // the intro's tip is closed: no balloon over a tip
  const GF::THolder<CCookObject> eggs = Device("Ingredients.eggs");
  const GF::TRect<int> rect = eggs->GetRect();
  auto brightest = [&] {
    std::uint32_t most = 0;
    const auto node = eggs->HolderGetCast();
    for (int i = 0; i < node->GetObjectCount(); ++i)
      if (const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{node->GetDrawable(i)})
        most = std::max(most, sprite->GetColor() & 0xFFu);
    return most;
  };
  SetMouse((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  Frames(HoverHighlightRamp + 100.0f);
  // Up to 0.3 brighter; the ramp's last step before its end stays.
  EXPECT_GT(brightest(), 60u);
  EXPECT_LE(brightest(), 77u);
  Frames(static_cast<float>(HoverDelay));
  ASSERT_TRUE(kitchenField->Balloon()) << "named after a rest";
  SetMouse(300, 500);
  Frames(HoverHighlightRamp + 100.0f);
  EXPECT_EQ(brightest(), 0u) << "back to its own colours";
  EXPECT_FALSE(kitchenField->Balloon());
}

}  // namespace
