#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileFloat.h"
#include "game/kitchen/CPlaceInBonusGameField.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::PlayerCalls;
using Item = CPlaceInBonusGameField::ObjectPtr;
using Point = GF::TPoint<float>;

constexpr const char* kMiss = "sound:Play click_refused 1 0.000000";
constexpr const char* kPlaced = "sound:Play bright_chirp 1 0.000000";
// The sample tray: the row starts at x 262 on the line y 550, items are 64 px wide.
constexpr float kRowY = 550.0f;
constexpr float SlotX(int n) {
  return 262.0f + 64.0f * static_cast<float>(n) + 32.0f;
}

class CPlaceInBonusGameFieldTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    place = GF::MakeHolder<CPlaceInBonusGameField>();
  }
  void TearDown() override {
    if (place) place->Shutdown();
    place.Reset();
    FieldFixture::TearDown();
  }

  // A place-in level "placein" with these objects.
  static void AddLevel(std::vector<DeviceSlot> slots, float levelTime = 60000.0f) {
    AddBonusLevel("bonus_place_in_1", "placein", std::move(slots), levelTime);
  }
  // The level set up as the game screen does it, the intro cut short: the level plays.
  void Start(const std::string& key = "bonus_place_in_1",
             const char* scene = "levels.bonus_place_in") {
    SetUpLevel(*place, key, scene);
    if (HasFatalFailure()) return;
    place->StopAll();
    Step(0.0f);
    PlayerCalls().clear();
  }
  void Step(float dt) {
    place->Update(dt);
    scene->Update(dt);
  }
  void RunField(float ms, float step = 10.0f) {
    for (; ms > 0.0f; ms -= step) Step(std::min(ms, step));
  }
  void Press(Point at) {
    SetMouse(static_cast<int>(at.x), static_cast<int>(at.y));
    place->OnKeyDown(0x12);
  }
  void Release(Point at) {
    Move(at);
    place->OnKeyUp(0x12);
  }
  void Move(Point at) {
    SetMouse(static_cast<int>(at.x), static_cast<int>(at.y));
    Step(10.0f);
  }
  // Pressed on its middle, carried to the point and let go there.
  void Drag(const Item& item, Point to) {
    Press(At(item));
    Release(to);
  }
  Item Find(const std::string& name) const {
    for (const Item& item : place->GetRow().GetItems())
      if (item->GetDescription().Key == name) return item;
    return nullptr;
  }
  static Point At(const Item& item) { return item->HolderGetCast()->GetPosition(); }
  static int Layer(const Item& item) { return item->HolderGetCast()->GetLayer(); }
  static float Profile(std::int32_t n) { return CurrentProfile().Floats[n]; }

  GF::THolder<CPlaceInBonusGameField> place;
};

}  // namespace

TEST_F(CPlaceInBonusGameFieldTest, AReleaseFarFromThePressDropsANearOneKeepsTheItemOnTheMouse) {
  const struct {
    float dx, dy;
    bool dropped;
  } cases[] = {{50.0f, 50.0f, false}, {51.0f, 0.0f, true}, {0.0f, -51.0f, true}};
  Start();
  const Item cup = Find("Items.cup");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dx);
    RunField(300.0f);
    PlayerCalls().clear();
    const Point from = At(cup);
    Press(from);
    EXPECT_EQ(place->GetDraggedItem(), cup);
    EXPECT_EQ(Layer(cup), HudLayerBase + 110);
    Release({from.x + c.dx, from.y + c.dy});
    EXPECT_EQ(At(cup).x, from.x + c.dx) << "it follows the mouse";
    EXPECT_EQ(place->GetDraggedItem() == nullptr, c.dropped);
    EXPECT_EQ(CountPlayerCalls(kMiss), c.dropped ? 1 : 0) << "no place there";
    if (!c.dropped) Press(At(Find("Items.teapot")));  // drops the cup, picks nothing
    EXPECT_FALSE(place->GetDraggedItem());
    EXPECT_EQ(Layer(cup), 3900);
  }
  // Picked by a click, carried without the button and dropped by the next on its spot.
  Press(At(cup));
  Release(At(cup));
  Move({500.0f, 200.0f});
  Press({500.0f, 200.0f});
  EXPECT_EQ(CountPlayerCalls(kPlaced), 1);
  EXPECT_EQ(place->GetPlaced(), 1);
}

TEST_F(CPlaceInBonusGameFieldTest, AnItemFitsWithinTwentyPixelsOfItsSpotAndFliesIn) {
  Start();
  const Item cup = Find("Items.cup");
  Drag(cup, {520.0f, 200.0f});
  EXPECT_EQ(PlayerCalls(), std::vector<std::string>{kMiss}) << "20 px off does not fit";
  EXPECT_EQ(Layer(cup), 3900);
  EXPECT_TRUE(cup->IsActive());
  RunField(240.0f);
  EXPECT_NE(At(cup).x, SlotX(0)) << "still gliding back";
  RunField(10.0f);
  EXPECT_EQ(At(cup).x, SlotX(0)) << "back in its slot after 250 ms";
  EXPECT_EQ(At(cup).y, kRowY);

  PlayerCalls().clear();
  Drag(cup, {519.0f, 200.0f});
  EXPECT_EQ(PlayerCalls().front(), kPlaced) << "19 px off fits";
  EXPECT_FALSE(cup->IsActive());
  EXPECT_EQ(Layer(cup), 5);
  EXPECT_EQ(place->GetRow().GetItems().size(), 5u);
  RunField(190.0f);
  EXPECT_GT(At(cup).x, 500.0f) << "the flight takes 200 ms";
  RunField(20.0f);
  EXPECT_EQ(At(cup).x, 500.0f);
  EXPECT_EQ(At(cup).y, 200.0f);
  Press({500.0f, 200.0f});
  EXPECT_FALSE(place->GetDraggedItem()) << "a placed item stays";
}

TEST_F(CPlaceInBonusGameFieldTest, TheRowShowsWhatFitsOnTheTrayAndFadesInTheNextWhenOneLeaves) {
  Start();
  const std::vector<Item> row = place->GetRow().GetItems();
  ASSERT_EQ(row.size(), 6u);
  for (std::size_t n = 0; n < row.size(); ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(row[n]->IsShown(), n < 4) << "room for four";
    if (n < 4) {
      EXPECT_EQ(At(row[n]).x, SlotX(static_cast<int>(n))) << "in place from the start";
    }
  }
  Drag(row[0], {500.0f, 200.0f});
  const Item vase = row[4];
  ASSERT_TRUE(vase->IsShown());
  EXPECT_EQ(vase->HolderGetCast()->GetOpacity(), 0.0f);
  EXPECT_FALSE(row[5]->IsShown());
  RunField(125.0f);
  EXPECT_FLOAT_EQ(vase->HolderGetCast()->GetOpacity(), 0.5f);
  EXPECT_NE(At(row[1]).x, SlotX(0));
  RunField(115.0f);
  EXPECT_NE(At(row[1]).x, SlotX(0));
  RunField(10.0f);
  EXPECT_EQ(vase->HolderGetCast()->GetOpacity(), 1.0f);
  for (int n = 1; n < 5; ++n) EXPECT_EQ(At(row[n]).x, SlotX(n - 1)) << n;
}

TEST_F(CPlaceInBonusGameFieldTest, AFilledPlaceTakesNoSecondItemOfItsName) {
  AddLevel({DrawnSlot("Items.cup", 100.0f, 200.0f), DrawnSlot("Items.cup", 100.0f, 300.0f)});
  Start("placein");
  const std::vector<Item> cups = place->GetRow().GetItems();
  Drag(cups[0], {500.0f, 200.0f});
  RunField(300.0f);
  PlayerCalls().clear();
  Drag(cups[1], {500.0f, 200.0f});
  EXPECT_EQ(PlayerCalls(), std::vector<std::string>{kMiss});
  EXPECT_EQ(place->GetPlaced(), 1);
  RunField(300.0f);
  Drag(cups[1], {500.0f, 300.0f});
  EXPECT_EQ(place->GetPlaced(), 2) << "its own place";
}

TEST_F(CPlaceInBonusGameFieldTest, WithoutSlideTimeOrTrayTheRowStillTakesItsPlaces) {
  OrderSlideTime = 0;
  Start();
  const Item cup = Find("Items.cup");
  EXPECT_EQ(At(cup).x, SlotX(0));
  Drag(cup, {700.0f, 100.0f});
  Step(10.0f);
  EXPECT_EQ(At(cup).x, SlotX(0)) << "back at once";
  EXPECT_EQ(At(cup).y, kRowY);

  // A room without "_list": the row runs along the screen's bottom from x 20.
  place->Shutdown();
  place = GF::MakeHolder<CPlaceInBonusGameField>();
  Start("bonus_place_in_1", "levels.bonus_diference");
  const std::vector<Item> row = place->GetRow().GetItems();
  for (std::size_t n = 0; n < row.size(); ++n) {
    SCOPED_TRACE(n);
    EXPECT_TRUE(row[n]->IsShown());
    EXPECT_EQ(At(row[n]).x, 52.0f + 64.0f * static_cast<float>(n));
    EXPECT_EQ(At(row[n]).y, 560.0f);
  }
}

TEST_F(CPlaceInBonusGameFieldTest, TheLevelEndsWonWhenAllArePlacedOrLostWhenTheTimeRunsOut) {
  AddLevel({DrawnSlot("Items.cup", 100.0f, 200.0f), DrawnSlot("Items.apple", 90.0f, 380.0f)},
           10000.0f);
  Start("placein");
  Drag(Find("Items.cup"), {500.0f, 200.0f});
  RunField(10000.0f, 50.0f);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 102.0f) << "time out";
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 1.0f);
  EXPECT_EQ(CountPlayerCalls("sound:Play restaurant_closed 1 0.000000"), 1);
  RunField(4000.0f, 50.0f);
  EXPECT_TRUE(place->IsFinished());

  place->Shutdown();
  place = GF::MakeHolder<CPlaceInBonusGameField>();
  Start();
  const char* names[] = {"Items.cup",   "Items.spoon", "Items.teapot",
                         "Items.apple", "Items.vase",  "Items.book"};
  const Point spots[] = {{500, 200}, {580, 300}, {700, 220}, {490, 380}, {650, 400}, {730, 320}};
  for (std::size_t n = 0; n < std::size(names); ++n) {
    SCOPED_TRACE(names[n]);
    RunField(300.0f);
    Drag(Find(names[n]), spots[n]);
    EXPECT_EQ(place->GetPlaced(), static_cast<int>(n) + 1);
  }
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 101.0f) << "all placed";
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 6.0f);
  EXPECT_TRUE(place->GetRow().GetItems().empty());
  RunField(5000.0f, 50.0f);
  EXPECT_TRUE(place->IsFinished());
}
