// The power-up bonuses on the whole program, end to end: the kitchen field of "stage1_1" in
// a host screen, on the real engine headless in its deterministic mode, on the sample
// content. Two customers wait at the counter, the first one's order selected. Every bonus
// kind is made by the field's CreateBonus with its sample icon, one after the other: each
// icon spins off to scale 3 and back into the bonus row, each banner drops in at (400, 200);
// the ice covers the level clock, sparkles rise off the working devices, chains lock the
// orders' patience bars, the next needed ingredient lights up and the random icon shows the
// bonus it drew. After its ten seconds each icon hides and the row closes up.
// PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/scene/CScene.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/kitchen/CReceptPanel.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenFieldHost.h"
#include "tests/game/kitchen/KitchenHostScreen.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;
using AnimationPtr = GF::IAnimation::AnimationPtr;

// The kitchen field playing, its count-down over, with two customers of the host's own.
class CBonusHost : public pm::test::CKitchenFieldHost {
 public:
  // Two customers come.
  void OpenKitchen() {
    CReceptPanel& panel = *field->GetReceptPanel();
    m_first = panel.AddOrder(field->GetOrderRecords().at(0));
    panel.AddOrder(field->GetOrderRecords().at(1));
  }
  // The first order selected with its ingredients in: the mixer is needed next.
  void SelectFirst() {
    for (int item = 0; item < 2; ++item) {
      m_first->SetItemDelivered(item);
      m_first->CompleteItem(item);
    }
    field->GetReceptPanel()->SelectOrder(m_first);
  }
  // The bonus of that record with its sample icon, as an order hands it over.
  AnimationPtr MakeBonus(int record) {
    const AnimationPtr icon = GetScene()->CreateAnimation(BonusTable.at(record).Name);
    field->CreateBonus(BonusTable.at(record), icon, nullptr);
    return icon;
  }

 private:
  THolder<CZacaz> m_first;
};

// What the replay does, by frame of 20 ms (the screen shows for its first 15 frames, the
// field's intro is over by kOpen).
constexpr int kOpen = 340;               // two customers come
constexpr int kBefore = kOpen + 79;      // shot: the kitchen before any bonus
constexpr int kFreeze = kOpen + 80;      // the time freeze
constexpr int kSpin = kFreeze + 25;      // shot: its icon at scale 3, its banner
constexpr int kIce = kFreeze + 60;       // shot: the ice on the clock
constexpr int kCook = kOpen + 160;       // the quick cooking
constexpr int kSparks = kCook + 40;      // shot: the devices' sparkles
constexpr int kChain = kOpen + 240;      // the patience lock
constexpr int kChains = kChain + 40;     // shot: the chains on the bubbles
constexpr int kQuality = kOpen + 320;    // the double tips
constexpr int kSelect = kOpen + 380;     // the first order selected, the mixer needed next
constexpr int kLight = kOpen + 400;      // the light on the next needed device
constexpr int kLit = kLight + 90;        // shot: the mixer lit
constexpr int kRandom = kOpen + 520;     // the random bonus
constexpr int kDrawn = kRandom + 75;     // shot: the drawn bonus's picture on its icon
constexpr int kFirstGone = kOpen + 670;  // shot: the freeze icon gone, the row closed up
constexpr int kAllGone = kOpen + 1170;   // shot: every bonus over
constexpr int kEnd = kOpen + 1180;

struct Seen {
  std::size_t row = 0;  // icons in the bonus row
  bool gliding = false;
  GF::TPoint<float> freezeScale;
  bool banner = false;  // "bonus_name_1" at (400, 200)
  float freeze = 0.0f;
  bool drawn = false;  // a picture on the random icon
};

using pm::test::Differences;

// Where the effects show on the sample kitchen.
constexpr GF::TRect<int> kClock{38, 0, 98, 56};           // the level clock
constexpr GF::TRect<int> kAboveMixer{180, 90, 260, 150};  // over the mixer's bowl
constexpr GF::TRect<int> kMixer{195, 165, 255, 230};
constexpr GF::TRect<int> kFirstBar{700, 76, 795, 98};  // the first bubble's patience bar
constexpr GF::TRect<int> kSecondBar{700, 334, 795, 356};

TEST(BonusE2ETest, EveryBonusKindShowsItsEffectAndLeavesTheRow) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("bonuses");
  CBonusHost* host = nullptr;
  AnimationPtr freezeIcon, randomIcon;
  std::map<int, Seen> seen;
  float cookTime = 0.0f, drain = 0.0f, quality = 0.0f, step = 0.0f;
  std::vector<std::string> log;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<CBonusHost>(manager);
  };
  run.before = [&](int frame) {
    if (!host || !host->field) return;
    if (frame == kOpen) host->OpenKitchen();
    if (frame == kFreeze) {
      cookTime = CookTimeFactor;
      drain = PatienceDrainFactor;
      quality = QualityFactor;
      step = CookStepTime;
      freezeIcon = host->MakeBonus(0);
    }
    if (frame == kCook) host->MakeBonus(1);
    if (frame == kChain) host->MakeBonus(2);
    if (frame == kQuality) host->MakeBonus(3);
    if (frame == kSelect) host->SelectFirst();
    if (frame == kLight) host->MakeBonus(4);
    if (frame == kRandom) randomIcon = host->MakeBonus(5);
  };
  run.after = [&](int frame) {
    if (!host || !host->field) return;
    Seen& s = seen[frame];
    s.row = host->field->GetBonusRow().icons.size();
    s.gliding = host->field->GetBonusRow().running;
    const GF::IAnimation::ParentPtr onRandom(randomIcon ? randomIcon->GetChildAt(0) : nullptr);
    s.drawn = onRandom && onRandom->GetSubstitutedAnimation(0);
    if (freezeIcon) s.freezeScale = freezeIcon->GetScale();
    s.freeze = host->field->FreezeTime();
    for (const AnimationPtr& a : static_cast<GF::HGENS::CScene&>(*host->GetScene()).GetAnimations())
      if (a->GetName() && std::string(a->GetName()) == "bonus_name_1" &&
          a->GetPosition().x == 400.0f && a->GetPosition().y == 200.0f)
        s.banner = true;
  };
  const std::vector<int> shots = {kBefore, kSpin,  kIce,       kSparks, kChains,
                                  kLit,    kDrawn, kFirstGone, kAllGone};
  std::string script = "step 20\nframes " + std::to_string(kEnd) + "\n";
  script += pm::test::KitchenShots::ScriptLines(folder, shots);
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  EXPECT_NEAR(seen[kSpin].freezeScale.x, 3.0f, 0.15f) << "the icon at scale 3 at 500 ms";
  EXPECT_TRUE(seen[kSpin].banner);
  EXPECT_GE(seen[kFreeze].freeze, BonusTable.at(0).Duration - 20.0f);
  EXPECT_EQ(seen[kRandom].row, 6u);
  EXPECT_EQ(seen[kFirstGone].row, 5u) << "the freeze's icon left the row";
  EXPECT_EQ(seen[kAllGone].row, 0u);
  EXPECT_FLOAT_EQ(CookTimeFactor, cookTime);
  EXPECT_FLOAT_EQ(PatienceDrainFactor, drain);
  EXPECT_FLOAT_EQ(QualityFactor, quality);
  EXPECT_FLOAT_EQ(CookStepTime, step);

  EXPECT_TRUE(seen[kDrawn].drawn) << "the drawn bonus's picture on the random icon";
  EXPECT_FALSE(seen[kFirstGone].gliding) << "the row has closed up";

  const pm::test::KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  const pm::test::Shot& before = shot[kBefore];
  EXPECT_GT(Differences(before, shot[kIce], kClock), 1000) << "the ice on the clock";
  EXPECT_GT(Differences(before, shot[kSparks], kAboveMixer), 100) << "the mixer sparkles";
  EXPECT_GT(Differences(before, shot[kLit], kMixer), 1500) << "the mixer lit";
  EXPECT_GT(Differences(before, shot[kChains], kFirstBar), 500) << "a chain on the first bar";
  EXPECT_GT(Differences(before, shot[kChains], kSecondBar), 500) << "and on the second";
  EXPECT_EQ(Differences(before, shot[kAllGone], kMixer), 0) << "the mixer as it was";
}

}  // namespace
