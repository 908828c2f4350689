// Customers' orders on the whole program, end to end: the kitchen host (stage1_1) with two
// orders in the order column, on the real engine headless in its deterministic mode, on the
// sample content. A pancakes order stands closed (customer, patience bar, "10.0"), is
// opened (its recipe card: tabs, pictures, the steps greyed), gets its ingredients (struck
// and scrolled out), the mixer works and the griddle, and it is paid (the points panel). A
// customer with little patience waits below it until she is cross and her lamps blink.
// Shots show each stage; at the end disposing the orders takes every piece out of the
// scene. PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/CScene.h"
#include "framework/engine/scene/CTextSpriteObject.h"
#include "framework/engine/scene/ISprite.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ControlParts.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/kitchen/CZacaz.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/kitchen/KitchenHostScreen.h"
#include "tests/game/kitchen/KitchenShots.h"
#include "tests/game/kitchen/OrderField.h"
#include "tests/support/TestSupport.h"

namespace {

using AnimationPtr = CZacaz::AnimationPtr;
using GF::THolder;

// The kitchen with its two customers, whose orders run every frame.
class COrdersHostScreen : public pm::test::CKitchenHostScreen {
 public:
  THolder<CZacaz> pancakes;
  THolder<CZacaz> impatient;
  std::size_t animationsBefore = 0;

  void Arrive() {
    animationsBefore = Scene().GetAnimations().size();
    // The first customer brings the quality bonus, if served within 40 s.
    LevelTable["stage1_1"].BonusEntries = {{3, 40.0f}};
    pancakes = CZacaz::Create(m_pancakes, field);
    pancakes->GetBubble()->SetPosition(690.0f, 110.0f);
    impatient = CZacaz::Create(m_impatient, field);
    impatient->GetBubble()->SetPosition(690.0f, 470.0f);
  }
  // Both leave, as the order panel takes them off; the scene count after it.
  std::size_t Leave() {
    for (THolder<CZacaz>* order : {&pancakes, &impatient}) {
      const AnimationPtr bubble = (*order)->GetBubble();
      (*order)->Dispose();
      bubble->RemoveFromParent();
      order->Reset();
    }
    return Scene().GetAnimations().size();
  }

 protected:
  THolder<CGameFieldBase> MakeField() override { return GF::MakeHolder<pm::test::TOrderField<>>(); }
  bool IdleUpdate(const float& dt) override {
    if (!CKitchenHostScreen::IdleUpdate(dt)) return false;
    for (const THolder<CZacaz>& order : {pancakes, impatient}) {
      if (!order) continue;
      order->Update(dt);
      order->UpdateWorkProgress(dt);
      order->CheckExpired(dt);
    }
    return true;
  }
  void OnKitchenClosing() override {
    if (pancakes) Leave();
  }

 private:
  GF::HGENS::CScene& Scene() { return dynamic_cast<GF::HGENS::CScene&>(*GetScene()); }

  // The man wants pancakes and waits a minute; the granny's batter, two seconds closed.
  LevelOrderRecord m_pancakes{0.0f, 2, 60, 0, "Dishes.pancakes", 60};
  LevelOrderRecord m_impatient{0.0f, 3, 2, 0, "Dishes.batter", 60};
};

// What the replay does, by frame of 20 ms (the screen shows for its first 15 frames).
constexpr int kEmpty = 16;      // shot: the kitchen without customers
constexpr int kArrive = 17;     // the customers come
constexpr int kClosed = 22;     // shot: both closed
constexpr int kOpen = 24;       // the pancakes order opens
constexpr int kOpened = 45;     // shot: its recipe card
constexpr int kFetched = 50;    // eggs and flour arrive in the same frame, the milk next
constexpr int kStriking = 66;   // shot: struck
constexpr int kScrolled = 130;  // shot: scrolled out; the impatient customer is cross
constexpr int kMixing = 135;    // the mixer works for a second
constexpr int kMixed = 190;     // the batter is made
constexpr int kFried = 195;     // and fried
constexpr int kDone = 250;      // shot: all done
constexpr int kPaid = 255;      // paid
constexpr int kPanel = 275;     // shot: the points panel
constexpr int kEnd = 280;       // both leave

using pm::test::Differences;

int Area(const GF::TRect<int>& r) {
  return (r.right - r.left) * (r.bottom - r.top);
}

// The rectangle, cut to the screen.
GF::TRect<int> OnScreen(GF::TRect<int> rect) {
  rect.left = std::clamp(rect.left, 0, 800);
  rect.right = std::clamp(rect.right, 0, 800);
  rect.top = std::clamp(rect.top, 0, 600);
  rect.bottom = std::clamp(rect.bottom, 0, 600);
  return rect;
}

GF::TRect<int> Bounds(const AnimationPtr& animation) {
  GF::TRect<int> rect;
  animation->GetBoundingRect(rect);
  return OnScreen(rect);
}

// The bubble itself, without its card.
GF::TRect<int> BubbleBounds(const AnimationPtr& bubble) {
  return OnScreen(bubble->FindDrawable("back")->GetBoundingRect());
}

std::uint32_t TextColour(const AnimationPtr& line) {
  const GF::IAnimation::ObjectPtr text = line->GetChildAt(1);
  auto* sprite = dynamic_cast<GF::HGENS::CTextSpriteObject*>(text.Get());
  return sprite ? sprite->GetColor() : 0;
}

std::uint32_t PictureColour(const AnimationPtr& picture) {
  const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite(picture->GetDrawable(0));
  return sprite ? sprite->GetColor() & 0x00FFFFFF : 0;  // the opacity aside
}

// The start of the named part of the animation data.
float PartStart(const AnimationPtr& animation, const char* part) {
  return animation->GetAnimationData()->GetNamedPart(part)->GetX();
}

TEST(OrderBubbleE2ETest, AnOrderFromItsArrivalToItsPayment) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::KitchenShots::Folder("orders");
  COrdersHostScreen* host = nullptr;
  std::vector<std::string> log;
  // What the frames saw.
  GF::TRect<int> bubble, card, impatientBubble, ring, mixerPicture, panel;
  std::wstring closedPoints;
  std::uint32_t mixerText = 0, mixerColour = 0, mixerColourLater = 0, milkText = 0;
  bool friedHidden = false, friedShownLater = false, completeAtEnd = false;
  float mixerY = 0.0f, mixerYLater = 0.0f, linesAbove = 0.0f, bedStart = -1.0f;
  int impatientMood = 0;
  std::size_t before = 0, after = 0;
  std::wstring paidText;

  pm::test::ScriptedRun run;
  run.init = [&host](GF::HGENS::CGameManager& manager) {
    host = pm::test::OpenKitchenHost<COrdersHostScreen>(manager);
  };
  run.before = [&](int frame) {
    if (!host || !host->field) return;
    CZacaz* order = host->pancakes.Get();
    if (frame == kArrive) host->Arrive();
    if (frame == kOpen) order->Open();
    if (frame == kFetched || frame == kFetched + 1) {
      for (int item : frame == kFetched ? std::vector<int>{0, 1} : std::vector<int>{2})
        order->SetItemDelivered(item);
      for (int item : frame == kFetched ? std::vector<int>{0, 1} : std::vector<int>{2})
        order->CompleteItem(item);
    }
    if (frame == kMixing) order->SetWorking(true, 3, "Devices.mixer", 1000.0f);
    if (frame == kMixed || frame == kFried) {
      const int item = frame == kMixed ? 3 : 4;
      order->SetItemDelivered(item);
      if (frame == kMixed) order->SetWorking(false, item, "", 0.0f);
      order->CompleteItem(item);
    }
    if (frame == kPaid) {
      order->GiveBonuses();
      order->Pay();
    }
  };
  run.after = [&](int frame) {
    if (!host || !host->pancakes) return;
    CZacaz& order = *host->pancakes;
    const auto& lines = order.GetLines();
    if (frame == kClosed) {
      bubble = BubbleBounds(order.GetBubble());
      impatientBubble = BubbleBounds(host->impatient->GetBubble());
      closedPoints = *order.GetBubble()->GetText("_points");
    }
    if (frame == kOpened) {
      card = Bounds(order.GetItemsPanel());
      mixerText = TextColour(order.GetItemLines()[3]);
      milkText = TextColour(order.GetItemLines()[2]);
      mixerColour = PictureColour(order.GetItemPicture(3));
      mixerPicture = Bounds(order.GetItemPicture(3));
      friedHidden = !order.GetItemLines()[4]->IsShown();
      mixerY = lines[4]->GetPosition().y;
      for (std::size_t i : {1, 2, 3}) {
        const GF::TRect<int> r = Bounds(lines[i]);
        linesAbove += static_cast<float>(r.bottom - r.top);
      }
    }
    if (frame == kScrolled) {
      mixerYLater = lines[4]->GetPosition().y;
      mixerColourLater = PictureColour(order.GetItemPicture(3));
      friedShownLater = order.GetItemLines()[4]->IsShown();
      impatientMood = host->impatient->GetMood();
      const AnimationPtr lamp =
          GF::HGENS::FindRequiredPart(host->impatient->GetBubble(), "_ring_2");
      bedStart = lamp->GetStartTime() - PartStart(lamp, "_bed");
      ring = Bounds(lamp);
    }
    if (frame == kDone) completeAtEnd = order.IsComplete();
    if (frame == kPanel) {
      panel = Bounds(order.GetPointsPanel());
      paidText = *order.GetPointsPanel()->GetText("_many");
    }
    if (frame == kEnd) {
      before = host->animationsBefore;
      after = host->Leave();
    }
  };
  std::string script = "step 20\nframes " + std::to_string(kEnd + 2) + "\n";
  const std::vector<int> shots = {kEmpty, kClosed, kOpened, kStriking, kScrolled, kDone, kPanel};
  script += pm::test::KitchenShots::ScriptLines(folder, shots);
  pm::test::RunScripted(script, run, &log);
  GF::HGENS::GetServiceProviders() = {};
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  // The states behind the pictures.
  EXPECT_EQ(closedPoints, L"10.0");
  EXPECT_EQ(mixerText, OrderTextColor2) << "the steps wait their turn";
  EXPECT_EQ(milkText, OrderTextColor3);
  EXPECT_EQ(mixerColour, 0x808080u) << "greyed";
  EXPECT_TRUE(friedHidden) << "the griddle's line is below the card's lines";
  EXPECT_NEAR(mixerY - mixerYLater, linesAbove, 1.0f) << "three lines scrolled out";
  EXPECT_EQ(mixerColourLater, 0xFFFFFFu) << "its own colours: its turn";
  EXPECT_TRUE(friedShownLater);
  EXPECT_EQ(impatientMood, 3);
  EXPECT_EQ(bedStart, 0.0f) << "the alarm lamps";
  EXPECT_TRUE(completeAtEnd);
  EXPECT_EQ(paidText.rfind(L"Points: ", 0), 0u) << std::string(paidText.begin(), paidText.end());
  EXPECT_EQ(after, before + 1) << "every piece left the scene but the bonus the field took";

  const pm::test::KitchenShots shot(folder, shots);
  ASSERT_TRUE(shot.IsLoaded());
  EXPECT_GT(Differences(shot[kClosed], shot[kEmpty], bubble), Area(bubble) / 2)
      << "the bubble came";
  EXPECT_GT(Differences(shot[kClosed], shot[kEmpty], impatientBubble), Area(impatientBubble) / 2);
  EXPECT_GT(Differences(shot[kOpened], shot[kClosed], card), Area(card) / 2)
      << "the recipe card opened";
  EXPECT_GT(Differences(shot[kStriking], shot[kOpened], card), 200) << "the strokes";
  EXPECT_GT(Differences(shot[kScrolled], shot[kOpened], mixerPicture), 0)
      << "the mixer's picture took its colours";
  // The lamps blink red: some of their pixels are red over green and blue.
  int red = 0;
  for (int y = ring.top; y < ring.bottom; ++y)
    for (int x = ring.left; x < ring.right; ++x) {
      const std::uint32_t p = shot[kScrolled].At(x, y);
      red += ((p >> 16) & 0xFF) > 150 && ((p >> 8) & 0xFF) < 120 && (p & 0xFF) < 120;
    }
  EXPECT_GT(red, 20) << "the alarm lamp";
  EXPECT_GT(Differences(shot[kPanel], shot[kDone], panel), 50) << "the points panel";
}

}  // namespace
