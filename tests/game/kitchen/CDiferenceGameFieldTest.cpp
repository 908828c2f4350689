#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileFloat.h"
#include "game/kitchen/CDiferenceGameField.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::PlayerCalls;

constexpr const char* kMiss = "sound:Play click_refused 1 0.000000";
constexpr const char* kFound = "sound:Play bright_chirp 1 0.000000";
constexpr const char* kTick = "sound:Play clock_tick 1 0.000000";

class CDiferenceGameFieldTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    diff = GF::MakeHolder<CDiferenceGameField>();
  }
  void TearDown() override {
    if (diff) diff->Shutdown();
    diff.Reset();
    FieldFixture::TearDown();
  }

  // A spot-the-difference level "diff" with these objects.
  static void AddLevel(std::vector<DeviceSlot> slots, float levelTime = 60000.0f) {
    AddBonusLevel("bonus_diference_1", "diff", std::move(slots), levelTime);
  }
  // The level set up as the game screen does it.
  void Start(const std::string& key = "diff") { SetUpLevel(*diff, key, "levels.bonus_diference"); }
  // The intro cut short, every object shown: the level plays.
  void Play() {
    diff->StopAll();
    for (const auto& object : diff->GetObjects()) object->SetShown(true);
    Step(0.0f);
    PlayerCalls().clear();
  }
  void Step(float dt) {
    diff->Update(dt);
    scene->Update(dt);
  }
  void RunField(float ms, float step = 20.0f) {
    for (; ms > 0.0f; ms -= step) Step(std::min(ms, step));
  }
  void ClickAt(float x, float y) {
    SetMouse(static_cast<int>(x), static_cast<int>(y));
    diff->OnKeyDown(0x12);
  }
  // The middle of the n-th object's rectangle.
  GF::TPoint<float> Middle(std::size_t n) const {
    const GF::TRect<int>& r = diff->GetObjects().at(n)->GetRect();
    return {(r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f};
  }
  static float Profile(std::int32_t n) { return CurrentProfile().Floats[n]; }

  GF::THolder<CDiferenceGameField> diff;
};

}  // namespace

TEST_F(CDiferenceGameFieldTest, TwinsStandWithinTwentyPixelsOfTheMirroredPlaceUnderTheSameName) {
  const struct {
    const char* what;
    DeviceSlot right;
    int total;
  } cases[] = {
      {"20 px across", DrawnSlot("Ingredients.eggs", 520.0f, 300.0f), 2},
      {"20 px down", DrawnSlot("Ingredients.eggs", 500.0f, 320.0f), 2},
      {"19.5 px across", DrawnSlot("Ingredients.eggs", 519.5f, 300.0f), 0},
      {"19.5 px up", DrawnSlot("Ingredients.eggs", 500.0f, 280.5f), 0},
      {"same place, other item", DrawnSlot("Ingredients.flour", 500.0f, 300.0f), 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AddLevel({DrawnSlot("Ingredients.eggs", 100.0f, 300.0f), c.right});
    ASSERT_TRUE(diff->LoadLevel("diff"));
    EXPECT_EQ(diff->GetTotal(), c.total);
    diff = GF::MakeHolder<CDiferenceGameField>();
  }
  EXPECT_EQ(MirrorX(400.0f), 0.0f);
  EXPECT_EQ(MirrorX(399.0f), 799.0f);
  ASSERT_TRUE(diff->LoadLevel("bonus_diference_1"));
  EXPECT_EQ(diff->GetTotal(), 4) << "spoon, apple, vase and book";
}

TEST_F(CDiferenceGameFieldTest, AClickFindsADifferenceOrItsEmptyPlaceAndCopiesItAcross) {
  // Eggs left only, flour on both sides, milk right only where the eggs' copy will stand.
  AddLevel({DrawnSlot("Ingredients.eggs", 200.0f, 300.0f),
            DrawnSlot("Ingredients.flour", 100.0f, 450.0f),
            DrawnSlot("Ingredients.flour", 500.0f, 450.0f),
            DrawnSlot("Ingredients.milk", 600.0f, 300.0f)});
  Start();
  Play();
  ASSERT_EQ(diff->GetTotal(), 2);
  const GF::TPoint<float> eggs = Middle(0), flour = Middle(1);

  ClickAt(flour.x, flour.y);
  EXPECT_EQ(PlayerCalls(), std::vector<std::string>{kMiss}) << "twins are no difference";
  PlayerCalls().clear();
  ClickAt(300.0f, 40.0f);
  EXPECT_TRUE(PlayerCalls().empty()) << "nothing there on either side: silence";

  ClickAt(eggs.x, eggs.y);
  EXPECT_EQ(PlayerCalls(), std::vector<std::string>{kFound});
  EXPECT_EQ(diff->GetFound(), 1);
  ASSERT_EQ(diff->GetObjects().size(), 5u);
  const auto copy = diff->GetObjects().back()->HolderGetCast();
  EXPECT_EQ(copy->GetPosition().x, 600.0f);
  EXPECT_EQ(copy->GetPosition().y, 300.0f);
  EXPECT_TRUE(diff->GetObjects().back()->IsShown());

  PlayerCalls().clear();
  ClickAt(eggs.x, eggs.y);
  EXPECT_EQ(PlayerCalls(), std::vector<std::string>{kMiss}) << "a found difference";
  EXPECT_EQ(diff->GetFound(), 1);

  // The copy covers the milk: the milk under it is still found, not the copy.
  PlayerCalls().clear();
  ClickAt(eggs.x + 400.0f, eggs.y);
  ASSERT_FALSE(PlayerCalls().empty());
  EXPECT_EQ(PlayerCalls().front(), kFound);
  EXPECT_EQ(diff->GetFound(), 2);
  EXPECT_EQ(diff->GetObjects().back()->HolderGetCast()->GetPosition().x, 200.0f);
}

TEST_F(CDiferenceGameFieldTest, AClickOnTheMiddleTestsThePointThenItsMirrorAndOnlyWhilePlaying) {
  AddLevel(
      {DrawnSlot("Ingredients.eggs", 20.0f, 300.0f), DrawnSlot("Ingredients.eggs", 30.0f, 500.0f)});
  Start();
  const GF::TPoint<float> eggs = Middle(0);
  ASSERT_LE(diff->GetObjects()[0]->GetRect().left, 0);
  ClickAt(400.0f, eggs.y);
  EXPECT_EQ(diff->GetFound(), 0) << "the intro still runs";
  Play();
  ClickAt(400.0f, eggs.y);
  EXPECT_EQ(diff->GetFound(), 1) << "x 400 found nothing, its mirror x 0 the eggs";
  diff->OnKeyDown(0x13);
  EXPECT_EQ(diff->GetFound(), 1) << "another key";
}

TEST_F(CDiferenceGameFieldTest, TheMirrorCursorStandsAcrossFromTheMouseWhileItIsOnTheScreen) {
  AddLevel({DrawnSlot("Ingredients.eggs", 200.0f, 300.0f)});
  CurrentProfile().Floats[ProfileFloat::CustomCursor] = 0.0f;
  Start();
  const auto cursor = diff->GetMirrorCursor();
  ASSERT_TRUE(cursor);
  EXPECT_STREQ(cursor->GetName(), "custom_2");
  EXPECT_EQ(cursor->GetLayer(), HudLayerBase);
  const struct {
    int x;
    bool shown;
    float atX;
  } cases[] = {{-1, false, 0}, {801, false, 0}, {0, true, 400}, {399, true, 799}, {400, true, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    SetMouse(c.x, 250);
    Step(20.0f);
    EXPECT_EQ(cursor->IsShown(), c.shown);
    if (!c.shown) continue;
    EXPECT_EQ(cursor->GetPosition().x, c.atX);
    EXPECT_EQ(cursor->GetPosition().y, 250.0f);
  }
  diff->SetPause(true);
  EXPECT_EQ(diff->GetMirrorCursor(), cursor) << "kept through the pause";
  diff->SetPause(false);
  EXPECT_NE(diff->GetMirrorCursor(), cursor) << "a new one after it";
  CurrentProfile().Floats[ProfileFloat::CustomCursor] = 1.0f;
  diff->SetPause(false);
  EXPECT_STREQ(diff->GetMirrorCursor()->GetName(), "custom");
}

TEST_F(CDiferenceGameFieldTest, TheClockTicksEverySecondNearTheEndAtNormalSpeedOnly) {
  AddLevel({DrawnSlot("Ingredients.eggs", 200.0f, 300.0f)}, 100000.0f);
  for (const float speed : {1.0f, 0.5f}) {
    SCOPED_TRACE(speed);
    diff = GF::MakeHolder<CDiferenceGameField>();
    Start();
    Play();
    GameSpeedFactor = speed;
    RunField(96000.0f / speed, 100.0f);  // t 0.96
    PlayerCalls().clear();
    RunField(2500.0f, 100.0f);
    // The first tick came just past 95 s; then at 96.1, 97.1 and 98.1 s.
    EXPECT_EQ(CountPlayerCalls(kTick), speed == 1.0f ? 3 : 0);
  }
}

TEST_F(CDiferenceGameFieldTest, TheLevelEndsWonWhenAllAreFoundOrLostWhenTheTimeRunsOut) {
  AddLevel({DrawnSlot("Ingredients.eggs", 200.0f, 300.0f),
            DrawnSlot("Ingredients.flour", 300.0f, 450.0f)},
           10000.0f);
  Start();
  Play();
  RunField(5000.0f);
  const GF::TPoint<float> flour = Middle(1);
  ClickAt(flour.x, flour.y);
  RunField(5100.0f);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 102.0f) << "time out";
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 1.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play restaurant_closed 1 0.000000"), 1);
  EXPECT_FALSE(diff->IsFinished()) << "the clock closes first";
  RunField(1500.0f);
  EXPECT_TRUE(diff->IsFinished());

  diff = GF::MakeHolder<CDiferenceGameField>();
  Start();
  Play();
  const GF::TPoint<float> eggs = Middle(0);
  ClickAt(eggs.x, eggs.y);
  ClickAt(Middle(1).x, Middle(1).y);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 101.0f) << "all found";
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 2.0f);
  const auto& nodes = scene->GetAnimations();
  EXPECT_TRUE(std::any_of(nodes.begin(), nodes.end(), [](const auto& node) {
    return node->GetName() && std::string(node->GetName()) == "level_complete_1";
  }));
  RunField(1000.0f);
  EXPECT_FALSE(diff->IsFinished()) << "the banner plays first";
  RunField(2000.0f);
  EXPECT_TRUE(diff->IsFinished());
}

TEST_F(CDiferenceGameFieldTest, WithoutTimeLimitOnlyTheLastFindClosesTheLevel) {
  AddLevel({DrawnSlot("Ingredients.eggs", 200.0f, 300.0f)}, 0.0f);
  Start();
  Play();
  RunField(30000.0f, 100.0f);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 0.0f);
  EXPECT_EQ(CountPlayerCalls(kTick), 0);
  ClickAt(Middle(0).x, Middle(0).y);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 101.0f);

  // Nothing to find and no clock: the level closes as timed out once the intro is over.
  AddLevel({}, 0.0f);
  diff = GF::MakeHolder<CDiferenceGameField>();
  Start();
  Play();
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 102.0f);
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 0.0f);
}
