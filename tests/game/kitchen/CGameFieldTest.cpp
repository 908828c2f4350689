#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CGameField.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/FloorQuad.h"
#include "tests/game/kitchen/KitchenFieldFixture.h"

namespace {

using pm::test::KitchenFieldFixture;

class CGameFieldTest : public KitchenFieldFixture {
 protected:
  static PlayerProfile& Profile() { return CurrentProfile(); }
  // The stage record's replacement of the mixer, granted last when pending.
  static void GrantUpgradedMixer(bool pending) {
    PlayerProfile& profile = Profile();
    profile.StageRecords[profile.StageKey].Items["Devices.mixer"] = "UPG_mixer";
    if (pending) profile.LastGrantedItem = "Devices.mixer";
  }
  std::vector<std::string> DeviceNames() const {
    std::vector<std::string> names;
    for (const auto& device : kitchenField->GetCookObjects())
      names.push_back(device->GetSlot().Name);
    return names;
  }
};

TEST_F(CGameFieldTest, UpgradeNamesChangeTheLevelTuningFirstNameFirst) {
  struct Case {
    const char* name;
    float bonusPoints;
    float stepTime;
    float patience;
    bool flag;
  };
  const Case cases[] = {
      {"UPG_Judge_pateince+UPG_Bonus_Points", 5.0f, 60.0f, 1.0f, false},
      {"UPG_Makes_Ginger_faster", 0.0f, 60.0f / 1.3f, 1.0f, false},
      {"UPG_Judge_pateince", 0.0f, 60.0f, 1.0f / 1.3f, false},
      {"UPG_Gives_possibility_to_earn_bonuses_7", 0.0f, 60.0f, 1.0f, true},
      {"UPG_mixer", 0.0f, 60.0f, 1.0f, false},
  };
  for (const Case& c : cases) {
    kitchenField->Reset();
    kitchenField->UpgradeFlag() = false;
    ApplyUpgradeName(c.name, *kitchenField);
    EXPECT_EQ(BonusPointsPerOrder, c.bonusPoints) << c.name;
    EXPECT_FLOAT_EQ(CookStepTime, c.stepTime) << c.name;
    EXPECT_FLOAT_EQ(PatienceDrainFactor, c.patience) << c.name;
    EXPECT_EQ(kitchenField->UpgradeFlag(), c.flag) << c.name;
  }
}

TEST_F(CGameFieldTest, TheStageUpgradeLevelPicksItsUpgradeAndItsDress) {
  struct Case {
    float level;
    float stored;  // profile float 3 after the load
    float bonusPoints;
    float stepTime;
  };
  // The sample's five dresses; 1 gives the bonus points, 2 the faster cook, 7 and -1 are
  // out of the list: stored back as 0, no upgrade and the first dress.
  const Case cases[] = {{1.0f, 1.0f, 5.0f, 60.0f},
                        {2.0f, 2.0f, 0.0f, 60.0f / 1.3f},
                        {7.0f, 0.0f, 0.0f, 60.0f},
                        {-1.0f, 0.0f, 0.0f, 60.0f}};
  ASSERT_EQ(DressByUpgradeLevel.size(), 5u);
  for (const Case& c : cases) {
    Profile().Floats[ProfileFloat::StageUpgrade] = c.level;
    ASSERT_TRUE(LoadKitchen("stage1_1"));
    EXPECT_EQ(Profile().Floats[ProfileFloat::StageUpgrade], c.stored) << c.level;
    EXPECT_EQ(BonusPointsPerOrder, c.bonusPoints) << c.level;
    EXPECT_FLOAT_EQ(CookStepTime, c.stepTime) << c.level;
    ASSERT_TRUE(kitchenField->GetPers());
    EXPECT_EQ(kitchenField->GetPers()->GetDress(),
              DressByUpgradeLevel[static_cast<std::size_t>(c.stored)])
        << c.level;
  }
  DressByUpgradeLevel.clear();
  Profile().Floats[ProfileFloat::StageUpgrade] = 2.0f;
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  EXPECT_EQ(kitchenField->GetPers()->GetDress(), 0);
  EXPECT_EQ(Profile().Floats[ProfileFloat::StageUpgrade], 0.0f);
}

TEST_F(CGameFieldTest, TheOrderScriptShufflesOnlyBetweenItsMarks) {
  LevelDescription& level = LevelTable.at("stage1_1");
  auto order = [](const char* recipe) { return LevelOrderRecord{0.0f, 1, 40, 0, recipe, 30}; };
  level.Orders = {order("Dishes.batter"),   {0.0f, 0, 0, 1, "", 0}, order("Dishes.pancakes"),
                  order("Dishes.omelette"), {0.0f, 0, 0, 2, "", 0}, order("Dishes.berry_pancakes")};
  bool pancakesFirst = false;
  bool omeletteFirst = false;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::srand(seed);
    ASSERT_TRUE(LoadKitchen("stage1_1"));
    const std::vector<LevelOrderRecord>& records = kitchenField->GetOrderRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].RecipeKey, "Dishes.batter");
    EXPECT_EQ(records[3].RecipeKey, "Dishes.berry_pancakes");
    pancakesFirst |= records[1].RecipeKey == "Dishes.pancakes";
    omeletteFirst |= records[1].RecipeKey == "Dishes.omelette";
    EXPECT_NE(records[1].RecipeKey, records[2].RecipeKey);
  }
  EXPECT_TRUE(pancakesFirst && omeletteFirst);
}

TEST_F(CGameFieldTest, ALoadPlacesTheLevelHiddenWithItsFloorCookRivalsAndTips) {
  ASSERT_TRUE(LoadKitchen("stage1_2"));
  EXPECT_EQ(DeviceNames(),
            (std::vector<std::string>{"Devices.mixer", "Ingredients.eggs", "Ingredients.flour",
                                      "Devices.griddle", "Ingredients.milk"}));
  for (const auto& device : kitchenField->GetCookObjects()) {
    EXPECT_FALSE(device->IsShown()) << device->GetSlot().Name;
    EXPECT_FALSE(device->HolderGetCast()->IsShown()) << device->GetSlot().Name;
  }
  const auto corners = LevelTable.at("stage1_2").FloorCorners();
  EXPECT_EQ(KitchenFloor.TL, corners[0]);
  EXPECT_EQ(KitchenFloor.BR, corners[3]);
  ASSERT_TRUE(kitchenField->GetPers());
  EXPECT_EQ(kitchenField->GetQueueCapacity(), OrderQueueCapacity);
  // The player and the seven rivals, all at 0: the player stands last.
  EXPECT_EQ(kitchenField->GetStandings().GetCount(), 8);
  EXPECT_EQ(Profile().Floats[ProfileFloat::CurrentPlace], 8.0f);
  EXPECT_TRUE(InGameTips.GetStrategy());
  EXPECT_FALSE(kitchenField->GetNewDevice());
}

TEST_F(CGameFieldTest, TheStageRecordSwapsTheMixerAndAPendingGrantIsIntroducedOnce) {
  GrantUpgradedMixer(true);
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  const auto mixer = kitchenField->GetCookObjects().front();
  EXPECT_EQ(mixer->GetSlot().Name, "Devices.UPG_mixer");
  EXPECT_EQ(kitchenField->GetNewDevice(), mixer);
  EXPECT_EQ(mixer->HolderGetCast()->GetOpacity(), 0.0f);
  const auto old = kitchenField->GetOldDevice();
  ASSERT_TRUE(old);
  EXPECT_EQ(old->GetSlot().Name, "Devices.mixer");
  EXPECT_EQ(kitchenField->GetCookObjects().size(), 3u);
  EXPECT_TRUE(Profile().LastGrantedItem.empty());

  kitchenField->Shutdown();
  kitchenField = GF::MakeHolder<pm::test::CKitchenTestField>();
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  EXPECT_EQ(kitchenField->GetCookObjects().front()->GetSlot().Name, "Devices.UPG_mixer");
  EXPECT_EQ(kitchenField->GetCookObjects().front()->HolderGetCast()->GetOpacity(), 1.0f);
  EXPECT_FALSE(kitchenField->GetNewDevice());
  EXPECT_FALSE(kitchenField->GetOldDevice());
}

TEST_F(CGameFieldTest, AFieldWithoutItsUpgradesKeepsTheLevelsDevices) {
  struct CPlainField : pm::test::CKitchenTestField {
    CPlainField() { m_upgradeDevices = false; }
  };
  GrantUpgradedMixer(true);
  kitchenField = GF::MakeHolder<CPlainField>();
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  EXPECT_EQ(kitchenField->GetCookObjects().front()->GetSlot().Name, "Devices.mixer");
  EXPECT_EQ(Profile().LastGrantedItem, "Devices.mixer");
}

TEST_F(CGameFieldTest, ALevelWithoutAUsableFloorIsRefusedAndFinishes) {
  struct Case {
    const char* why;
    std::vector<GF::TPoint<float>> floor;
  };
  const Case cases[] = {
      {"three corners", {{100.0f, 200.0f}, {300.0f, 200.0f}, {50.0f, 400.0f}}},
      {"no depth", {{100.0f, 200.0f}, {300.0f, 200.0f}, {50.0f, 200.0f}, {350.0f, 200.0f}}},
      {"no front width", {{100.0f, 200.0f}, {300.0f, 200.0f}, {200.0f, 400.0f}, {200.0f, 400.0f}}},
  };
  for (const Case& c : cases) {
    LevelTable.at("stage1_1").FloorPoints = c.floor;
    EXPECT_FALSE(LoadKitchen("stage1_1")) << c.why;
    EXPECT_TRUE(kitchenField->GetCookObjects().empty()) << c.why;
    kitchenField->Update(20.0f);
    EXPECT_TRUE(kitchenField->IsFinished()) << c.why;
  }
}

TEST_F(CGameFieldTest, DevicesAreFoundByTheirShownNameAndUnderTheCursor) {
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  const auto& devices = kitchenField->GetCookObjects();
  const auto mixer = devices[0];
  const auto eggs = devices[1];
  EXPECT_EQ(kitchenField->FindObject("Devices.mixer", false), mixer);
  EXPECT_FALSE(kitchenField->FindObject("Devices.mixer", true));  // hidden until the intro
  EXPECT_FALSE(kitchenField->FindObject("Devices.nothing", false));
  eggs->SetShown(true);
  EXPECT_EQ(kitchenField->FindObject("Ingredients.eggs", true), eggs);
  eggs->SetActive(false);
  EXPECT_FALSE(kitchenField->FindObject("Ingredients.eggs", true));

  const GF::TPoint<float> onEggs = eggs->HolderGetCast()->GetPosition();
  EXPECT_EQ(kitchenField->ObjectAt({onEggs.x, onEggs.y - 10.0f}), eggs);
  EXPECT_FALSE(kitchenField->ObjectAt({400.0f, 500.0f}));
  EXPECT_FALSE(kitchenField->FindNextNeededObject(false));  // no order selected
}

TEST_F(CGameFieldTest, CreateMakesAFieldWithoutACook) {
  const GF::THolder<CGameField> field = CGameField::Create();
  EXPECT_FALSE(field->GetPers());
  EXPECT_EQ(field->GetQueueCapacity(), OrderQueueCapacity);
}

TEST_F(CGameFieldTest, ResetEmptiesTheKitchenAndShutdownLetsTheFieldGo) {
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  kitchenField->Reset();
  EXPECT_TRUE(kitchenField->GetCookObjects().empty());
  EXPECT_FALSE(kitchenField->GetPers());
  EXPECT_EQ(kitchenField->GetStandings().GetCount(), 0);
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  kitchenField->Shutdown();
  EXPECT_FALSE(InGameTips.GetStrategy());
  // Nothing holds the field any more but the test.
  EXPECT_EQ(kitchenField->AddRef(), 2);
  kitchenField->Release();
}

TEST_F(CGameFieldTest, TheNextNeededDeviceIsTheShownOneHoldingTheSelectedOrdersNextItem) {
  ASSERT_TRUE(LoadKitchen("stage1_1"));
  CReceptPanel& panel = *kitchenField->GetReceptPanel();
  const GF::THolder<CZacaz> order = panel.AddOrder(kitchenField->GetOrderRecords().front());
  ASSERT_TRUE(order);
  panel.SelectOrder(order);
  for (int frame = 0; frame < 150; ++frame) {
    panel.Update(20.0f);
    scene->Update(20.0f);
  }
  const int item = order->GetNextItem(false, false);
  ASSERT_GE(item, 0);
  const std::string& needed = order->GetRecipe()->Items[static_cast<std::size_t>(item)].ObjectName;
  EXPECT_FALSE(kitchenField->FindNextNeededObject(false)) << "every device is hidden";
  for (const auto& device : kitchenField->GetCookObjects()) device->SetShown(true);
  const GF::THolder<CCookObject> found = kitchenField->FindNextNeededObject(false);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->GetSlot().Name, needed);
}

}  // namespace
