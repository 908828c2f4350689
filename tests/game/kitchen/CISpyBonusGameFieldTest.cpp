#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/CCheatClass.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileFloat.h"
#include "game/kitchen/CISpyBonusGameField.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CStandingsPanel.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::PlayerCalls;
using Object = CISpyBonusGameField::ObjectPtr;

constexpr const char* kMiss = "sound:Play click_refused 1 0.000000";
constexpr const char* kFound = "sound:Play object_found 1 0.000000";

// The field with its level clock set by the test.
class CTestISpyField : public CISpyBonusGameField {
 public:
  explicit CTestISpyField(bool dark = false) : CISpyBonusGameField(dark) {}
  void SetLevelTime(float ms) { m_levelTime = ms; }
  using CISpyBonusGameField::m_hider;
};

class CISpyBonusGameFieldTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    spy = GF::MakeHolder<CTestISpyField>();
  }
  void TearDown() override {
    CheatModeEnabled = false;
    if (spy) spy->Shutdown();
    spy.Reset();
    FieldFixture::TearDown();
  }

  // A list search "spy" made from the sample's, with these objects.
  static void AddLevel(std::vector<DeviceSlot> slots, const std::wstring& hint = L"Find them") {
    AddBonusLevel("bonus_ispy_1", "spy", std::move(slots), 90000.0f);
    LevelTable["spy"].HintText = hint;
  }
  // The level set up as the game screen does it, the opening cut short: the level plays.
  void Start(const std::string& key = "spy") {
    SetUpLevel(*spy, key, "levels.bonus_ispy");
    if (HasFatalFailure()) return;
    spy->StopAll();
    for (const Object& object : spy->GetCookObjects())
      if (object->IsActive()) object->SetShown(true);
    Step(0.0f);
    ASSERT_TRUE(spy->IsPlaying());
    PlayerCalls().clear();
  }
  void Step(float dt) {
    spy->Update(dt);
    scene->Update(dt);
  }
  // The n-th object of the level that is `name`.
  Object Find(const std::string& name, int n = 0) const {
    for (const Object& object : spy->GetCookObjects())
      if (object->GetDescription().Key == name && n-- == 0) return object;
    return nullptr;
  }
  static float& Profile(std::int32_t n) { return CurrentProfile().Floats[n]; }
  // An object of the list, and one in the picture.
  static DeviceSlot Listed(const std::string& name) { return DrawnSlot(name, 700.0f, 300.0f); }
  static DeviceSlot Hidden(const std::string& name, float x, float y = 300.0f) {
    return DrawnSlot(name, x, y);
  }
  std::wstring PanelText() const {
    const std::wstring* text = spy->GetListPanel()->GetText("_item_placeghgf");
    return text ? *text : L"";
  }

  GF::THolder<CTestISpyField> spy;
};

}  // namespace

TEST_F(CISpyBonusGameFieldTest, TheObjectsRightOfX650NameWhatIsWantedAndTheRestCount) {
  const struct {
    const char* what;
    std::vector<DeviceSlot> slots;
    std::vector<std::string> wanted;
    int total;
  } cases[] = {
      {"x 650 stays in the picture",
       {Listed("Items.cup"), Hidden("Items.cup", 200.0f), Hidden("Items.spoon", 650.0f)},
       {"Items.cup"},
       1},
      {"a listed name no picture object has adds nothing",
       {Listed("Items.cup"), Listed("Items.key"), Hidden("Items.cup", 200.0f)},
       {"Items.cup", "Items.key"},
       1},
      {"two of one name count two",
       {Listed("Items.cup"), Hidden("Items.cup", 200.0f), Hidden("Items.cup", 400.0f),
        Hidden("Items.book", 300.0f)},
       {"Items.cup"},
       2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AddLevel(c.slots);
    spy = GF::MakeHolder<CTestISpyField>();
    Start();
    std::vector<std::string> wanted(spy->GetWanted().begin(), spy->GetWanted().end());
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(wanted, c.wanted);
    EXPECT_EQ(spy->GetTotal(), c.total);
    // The listed ones left the picture and take no click.
    const Object listed = spy->GetCookObjects().front();
    EXPECT_FALSE(listed->IsActive());
    EXPECT_FALSE(listed->HolderGetCast()->GetParent() || listed->HolderGetCast()->GetScene());
    EXPECT_EQ(spy->GetQueueCapacity(), 0);
    EXPECT_FALSE(spy->GetOrderBubble());
    EXPECT_FALSE(spy->GetPers()->GetStateAnimation(CPers::kIdle)) << "the cook is not drawn";
    spy->Shutdown();
  }
}

TEST_F(CISpyBonusGameFieldTest, HintTextsBreakIntoTwoLinesPastThirtySevenCharacters) {
  EXPECT_EQ(ReplaceAll(L"a\\nb", L"\\n", L" "), L"a b ");
  EXPECT_EQ(ReplaceAll(L"", L"\\n", L" "), L" ");
  EXPECT_EQ(SplitText(L"a  b", L" "), (std::vector<std::wstring>{L"a", L"", L"b"}));
  EXPECT_EQ(WrapText(L"a  b", 10), L"a  b") << "the empty word keeps its space";
  EXPECT_EQ(WrapText(L"aaaa bbbb cccc", 10), L"aaaa bbbb\\ncccc");
  EXPECT_EQ(WrapText(L"aaaa bbbbbb", 10), L"aaaa\\nbbbbbb") << "strictly under 10";

  const std::wstring words36 = L"Find the cups and spoons in the room";  // 36 characters
  const std::wstring words37 = L"Find the cups and spoons in the rooms";
  ASSERT_EQ(words36.size(), 36u);
  const struct {
    std::wstring hint, shown;
  } cases[] = {
      {words36, words36 + L" "},
      // 38 with the trailing space: lines of fewer than 38 / 2 + 2 = 21 characters.
      {words37, L"Find the cups and\\nspoons in the rooms "},
      {L"Find the cups\\nand spoons", L"Find the cups and spoons "},
  };
  for (const auto& c : cases) {
    AddLevel({Listed("Items.cup"), Hidden("Items.cup", 200.0f)}, c.hint);
    spy = GF::MakeHolder<CTestISpyField>();
    Start();
    EXPECT_EQ(PanelText(), c.shown);
    spy->Shutdown();
  }
}

TEST_F(CISpyBonusGameFieldTest, OneWantedNameShowsItsPictureCentredOnThePlace) {
  AddLevel({Listed("Items.cup"), Listed("Items.spoon"), Hidden("Items.cup", 200.0f)});
  Start();
  const auto place = GF::HGENS::FindRequiredPlace(spy->GetListPanel(), "_item_place");
  ASSERT_TRUE(place);
  EXPECT_FALSE(place->GetSubstitutedAnimation(0)) << "two names: no picture";
  spy->Shutdown();

  // The mixer stands on its base: its picture is lifted onto the place, which the sample
  // panel has 246 px over its middle.
  AddLevel({Listed("Devices.mixer"), Hidden("Devices.mixer", 200.0f)});
  spy = GF::MakeHolder<CTestISpyField>();
  Start();
  const auto one = GF::HGENS::FindRequiredPlace(spy->GetListPanel(), "_item_place");
  const GF::IAnimation::AnimationPtr picture = one ? one->GetSubstitutedAnimation(0) : nullptr;
  ASSERT_TRUE(picture);
  EXPECT_STREQ(picture->GetName(), "mixer");
  GF::TRect<int> bounds;
  picture->GetBoundingRect(bounds);
  EXPECT_NEAR((bounds.top + bounds.bottom) / 2.0f, 300.0f - 246.0f, 1.0f);
}

TEST_F(CISpyBonusGameFieldTest, FindingEveryWantedObjectWinsOnce) {
  AddLevel({Listed("Items.cup"), Listed("Items.apple"), Hidden("Items.cup", 200.0f),
            Hidden("Items.apple", 400.0f), Hidden("Items.book", 300.0f, 450.0f)});
  Start();
  const Object book = Find("Items.book");
  spy->OnObjectClicked(book);
  EXPECT_EQ(CountPlayerCalls(kMiss), 1) << "not wanted";
  EXPECT_TRUE(book->IsActive());
  EXPECT_EQ(spy->GetFound(), 0);

  // Hidden (a listed one) or found already: nothing.
  spy->OnObjectClicked(Find("Items.cup"));
  EXPECT_EQ(spy->GetFound(), 0);
  const Object cup = Find("Items.cup", 1);
  spy->OnObjectClicked(cup);
  spy->OnObjectClicked(cup);
  EXPECT_EQ(spy->GetFound(), 1);
  EXPECT_EQ(CountPlayerCalls(kFound), 1);
  EXPECT_FALSE(cup->IsActive());
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 1.0f);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 0.0f);

  // While the cook works the find is silent, and still counts once.
  spy->GetPers()->SetState(CPers::kWork);
  const Object apple = Find("Items.apple", 1);
  spy->OnObjectClicked(apple);
  spy->OnObjectClicked(apple);
  EXPECT_EQ(CountPlayerCalls(kFound), 1);
  EXPECT_EQ(spy->GetFound(), 2);
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 2.0f);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 101.0f) << "won";
  EXPECT_TRUE(spy->IsStopped());
}

TEST_F(CISpyBonusGameFieldTest, TheHintLightsAWantedObjectAndNoBalloonNamesIt) {
  AddLevel({Listed("Items.cup"), Hidden("Items.book", 200.0f), Hidden("Items.cup", 400.0f),
            Hidden("Items.cup", 500.0f)});
  Start();
  const Object cup = Find("Items.cup", 1);
  EXPECT_EQ(spy->FindNextNeededObject(true), cup);
  spy->OnObjectClicked(cup);
  EXPECT_EQ(spy->FindNextNeededObject(true), Find("Items.cup", 2)) << "the next one";

  const GF::TPoint<float> at = cup->HolderGetCast()->GetPosition();
  spy->OnHoverStart(at);
  EXPECT_FALSE(spy->Balloon());

  // Once charged, the hint button makes the next one pulse.
  for (float ms = 0.0f; ms <= HintChargeThreshold; ms += 50.0f) Step(50.0f);
  const Object next = Find("Items.cup", 2);
  const GF::TPoint<float> scale = next->HolderGetCast()->GetScale();
  spy->UseHint();
  Step(250.0f);
  EXPECT_NE(next->HolderGetCast()->GetScale().x, scale.x);
  EXPECT_TRUE(next->IsActive()) << "lit, not found";
}

TEST_F(CISpyBonusGameFieldTest, TheWinKeyWorksOnlyInCheatMode) {
  AddLevel({Listed("Items.cup"), Hidden("Items.cup", 200.0f)});
  Start();
  for (int code : {6, 7, 0x12}) spy->OnKeyDown(code);
  EXPECT_FALSE(spy->IsStopped());
  CheatModeEnabled = true;
  spy->OnKeyDown(7);
  EXPECT_FALSE(spy->IsStopped());
  spy->OnKeyDown(6);
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 10000000.0f);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 102.0f);
}

TEST_F(CISpyBonusGameFieldTest, TheOrderSearchShufflesItsRecipeAndPutsItBack) {
  const std::vector<RecipeItem> items = RecipeTable.at("Dishes.tea_set").Items;
  // A seed whose shuffle moves something.
  bool moved = false;
  for (unsigned seed = 1; !moved && seed < 50; ++seed) {
    std::srand(seed);
    spy = GF::MakeHolder<CTestISpyField>();
    Start("bonus_ispy_2");
    moved = RecipeTable.at("Dishes.tea_set").Items != items;
    if (moved) break;
    spy->Shutdown();
  }
  ASSERT_TRUE(moved);
  EXPECT_EQ(spy->GetQueueCapacity(), 1);
  ASSERT_EQ(spy->GetReceptPanel()->GetOrders().size(), 1u);
  EXPECT_EQ(spy->GetReceptPanel()->GetOrders().front()->GetRecipe()->Items,
            RecipeTable.at("Dishes.tea_set").Items)
      << "the order shows the shuffled items";
  // Until the opening shows it, only the bubble's list stands.
  const GF::IAnimation::AnimationPtr bubble = spy->GetOrderBubble();
  ASSERT_TRUE(bubble);
  EXPECT_FALSE(bubble->FindDrawable("_recept")->IsShown());
  EXPECT_TRUE(bubble->FindDrawable("_list")->IsShown());
  EXPECT_TRUE(std::is_permutation(items.begin(), items.end(),
                                  RecipeTable.at("Dishes.tea_set").Items.begin(),
                                  [](const RecipeItem& a, const RecipeItem& b) { return a == b; }));
  spy->Shutdown();
  EXPECT_EQ(RecipeTable.at("Dishes.tea_set").Items, items);
}

TEST_F(CISpyBonusGameFieldTest, TheOrderSearchEndsWonTimedOutOrAtThePlace) {
  const float limit = LevelTable.at("bonus_ispy_2").LevelTime;
  // Served: won, with the items handed in.
  Start("bonus_ispy_2");
  const auto order = spy->GetReceptPanel()->GetOrders().front();
  order->SetItemDelivered(0);
  order->SetItemDelivered(1);
  spy->OnOrderServed(order);
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 101.0f);
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 2.0f);
  spy->Shutdown();

  // Time out, strictly past the level's time.
  spy = GF::MakeHolder<CTestISpyField>();
  Start("bonus_ispy_2");
  spy->GetReceptPanel()->GetOrders().front()->SetItemDelivered(0);
  spy->SetLevelTime(limit);
  Step(0.0f);
  EXPECT_FALSE(spy->IsStopped()) << "at the level's time";
  Step(1.0f);
  EXPECT_TRUE(spy->IsStopped());
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 102.0f);
  EXPECT_EQ(Profile(ProfileFloat::BonusResult), 1.0f) << "the selected order's items";
  spy->EndLevel();
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 102.0f) << "ended once";
  spy->Shutdown();

  // Without a time limit nothing times out.
  LevelDescription endless = LevelTable.at("bonus_ispy_2");
  endless.LevelKey = "endless";
  endless.LevelTime = 0.0f;
  LevelTable["endless"] = endless;
  spy = GF::MakeHolder<CTestISpyField>();
  Start("endless");
  spy->SetLevelTime(10.0f * limit);
  Step(20.0f);
  EXPECT_FALSE(spy->IsStopped());
  spy->Shutdown();

  // In a contest the kitchen's closing books the place first: two rivals ahead.
  LevelDescription contest = LevelTable.at("bonus_ispy_2");
  contest.LevelKey = "contest";
  contest.Rivals = {{300, 2}, {450, 3}};
  LevelTable["contest"] = contest;
  spy = GF::MakeHolder<CTestISpyField>();
  Start("contest");
  for (std::int32_t rival : {2, 3}) spy->GetStandings().SetScore(rival, 50.0f);
  spy->GetStandings().UpdateArrange(0.0f);
  spy->GetReceptPanel()->Clear();
  spy->SetLevelTime(limit + 1.0f);
  for (int frame = 0; frame < 50 && !spy->IsStopped(); ++frame) Step(20.0f);
  EXPECT_TRUE(spy->IsStopped());
  EXPECT_EQ(Profile(ProfileFloat::CurrentPlace), 103.0f);
}

TEST_F(CISpyBonusGameFieldTest, TheDarkRoomsCursorIsTheVeil) {
  for (bool dark : {false, true}) {
    spy = GF::MakeHolder<CTestISpyField>(dark);
    EXPECT_FALSE(spy->IsIntroDone());
    Start("bonus_ispy_dark_1");
    ASSERT_TRUE(spy->m_hider);
    // "_dark" runs from 1000 ms on; the magnifier's "all" from 0.
    EXPECT_EQ(spy->m_hider->GetStartTime(), dark ? 1000.0f : 0.0f) << dark;
    spy->Shutdown();
  }
}

TEST_F(CISpyBonusGameFieldTest, ALevelWithoutAFloorIsRefusedAndEndsAtOnce) {
  AddLevel({Listed("Items.cup"), Hidden("Items.cup", 200.0f)});
  LevelTable["spy"].FloorPoints.clear();
  spy->BuildHUD(MakeHud(), nullptr);
  EXPECT_FALSE(spy->LoadLevel("spy"));
  EXPECT_FALSE(spy->GetListPanel());
  spy->Update(20.0f);
  EXPECT_TRUE(spy->IsFinished());
}
