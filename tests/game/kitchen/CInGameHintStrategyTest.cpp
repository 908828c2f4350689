#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/CDrawableAbstract.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/kitchen/CInGameHintStrategy.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CZacaz.h"
#include "game/kitchen/FloorQuad.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

// Indices of the sample tips.
constexpr std::size_t kWelcome = 0;    // lasting, follow-up: the second welcome
constexpr std::size_t kServe = 3;      // plays once
constexpr std::size_t kRefused = 4;    // plays once
constexpr std::size_t kHintReady = 7;  // in the hint window

class CInGameHintStrategyTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    KitchenFloor = {{180.0f, 260.0f}, {620.0f, 260.0f}, {80.0f, 560.0f}, {720.0f, 560.0f}};
    std::vector<bool> grid(256, false);
    cook = CPers::Create(0, grid.begin(), grid.end(), scene);
    cook->PlaceSprite(8.0f, 8.0f);
    scene->Update(0.0f);
    InGameTips.m_showing = false;
    InGameTips.SetStrategy(CInGameHintStrategy::Create(field, cook));
  }
  void TearDown() override {
    InGameTips.SetStrategy(nullptr);
    InGameTips.m_showing = false;
    cook.Reset();
    FieldFixture::TearDown();
  }
  CInGameHintStrategy& Strategy() {
    return static_cast<CInGameHintStrategy&>(*InGameTips.GetStrategy());
  }
  void Frames(float ms) {
    for (; ms > 0.0f; ms -= 20.0f) scene->Update(20.0f);
  }
  // The balloon of the lasting welcome tip, or of a tip that plays once.
  AnimationPtr Shown(std::size_t tip) {
    return tip == kWelcome ? Strategy().GetLastingBalloon() : Strategy().GetSelfClosingBalloon();
  }
  // The drawn opacity of the animation's named drawable.
  static float Opacity(const AnimationPtr& animation, const std::string& name) {
    auto* drawable = dynamic_cast<GF::CDrawableAbstract*>(animation->FindDrawable(name).Get());
    return drawable ? drawable->GetProperties().opacity : -1.0f;
  }
  static GF::TRect<int> Bounds(const AnimationPtr& animation) {
    GF::TRect<int> rect;
    animation->GetBoundingRect(rect);
    return rect;
  }

  GF::THolder<CPers> cook;
};

TEST_F(CInGameHintStrategyTest, LastingBalloonStandsCentredFiveAboveTheCook) {
  InGameTips.SetCurrentTip(TipRecords[kWelcome]);
  const AnimationPtr balloon = Strategy().GetLastingBalloon();
  ASSERT_TRUE(balloon);
  EXPECT_FALSE(Strategy().GetSelfClosingBalloon());
  Frames(400);
  const GF::TRect<int> figure = Bounds(cook->GetAnimation());
  const GF::TRect<int> own = Bounds(balloon);
  ASSERT_GT(figure.bottom, figure.top);
  ASSERT_GT(own.right - own.left, 56);  // the backing stretched round a text and its margins
  EXPECT_EQ(own.bottom, figure.top - 5);
  EXPECT_NEAR((own.left + own.right) / 2, (figure.left + figure.right) / 2, 1);
  EXPECT_EQ(balloon->GetLayer(), HudLayerBase);
  EXPECT_EQ(balloon->GetPosition().x, static_cast<float>((figure.left + figure.right) / 2));
}

TEST_F(CInGameHintStrategyTest, ABalloonOverACookAtASideOfTheFloorStaysWholeOnTheScreen) {
  // The serving tip is wider than the room beside a cook in a front corner of the floor.
  for (const float column : {0.0f, 15.0f}) {
    SCOPED_TRACE(column);
    cook->PlaceSprite(column, 15.0f);
    scene->Update(0.0f);
    InGameTips.m_showing = false;
    InGameTips.SetCurrentTip(TipRecords[kServe]);
    const AnimationPtr balloon = Strategy().GetSelfClosingBalloon();
    ASSERT_TRUE(balloon);
    Frames(1000);
    const GF::TRect<int> own = Bounds(balloon);
    const GF::TRect<int> figure = Bounds(cook->GetAnimation());
    EXPECT_GT((own.right - own.left) / 2, std::min(figure.left, 800 - figure.right));
    EXPECT_GE(own.left, 0);
    EXPECT_LE(own.right, 800);
    EXPECT_EQ(own.bottom, figure.top - 5);
  }
}

TEST_F(CInGameHintStrategyTest, NextTipHidesTheLastingBalloon) {
  InGameTips.SetCurrentTip(TipRecords[kWelcome]);
  const AnimationPtr first = Strategy().GetLastingBalloon();
  InGameTips.SetCurrentTip(TipRecords[kServe]);
  EXPECT_FALSE(Strategy().GetLastingBalloon());
  EXPECT_TRUE(Strategy().GetSelfClosingBalloon());
  Frames(400);
  EXPECT_FALSE(first->GetParent());  // "_hide" played once and took it out
}

TEST_F(CInGameHintStrategyTest, SelfClosingBalloonReportsItsEnd) {
  InGameTips.SetCurrentTip(TipRecords[kServe]);
  const AnimationPtr balloon = Strategy().GetSelfClosingBalloon();
  ASSERT_TRUE(balloon);
  Frames(2400.0f / 0.3f - 200.0f);
  EXPECT_TRUE(InGameTips.m_showing);
  Frames(400);
  EXPECT_FALSE(InGameTips.m_showing);
  EXPECT_FALSE(Strategy().GetSelfClosingBalloon());
}

// The text stands over its bubble and fades with it at either speed: no bubble is left
// empty, none runs out under its text.
TEST_F(CInGameHintStrategyTest, TheTextFadesWithItsBubble) {
  for (const std::size_t tip : {kWelcome, kServe}) {
    SCOPED_TRACE(tip);
    InGameTips.SetCurrentTip(TipRecords[tip]);
    const AnimationPtr balloon = Shown(tip);
    ASSERT_TRUE(balloon);
    const AnimationPtr text = GF::HGENS::FindSubstitutedPart(*balloon, "_place");
    ASSERT_TRUE(text);
    ASSERT_GE(Opacity(text, "_text"), 0.0f);
    EXPECT_GT(text->FindDrawable("_text")->GetLayer(), balloon->FindDrawable("back")->GetLayer())
        << "drawn over its bubble";
    for (int ms = 400; ms < 9000; ms += 400) {
      Frames(400.0f);
      if (Shown(tip) != balloon) break;  // the self-closing one has gone
      EXPECT_FLOAT_EQ(Opacity(text, "_text"), Opacity(balloon, "back")) << ms;
    }
    if (tip == kWelcome) {
      EXPECT_GT(Opacity(balloon, "back"), 0.99f) << "it stays";
    }
  }
}

TEST_F(CInGameHintStrategyTest, EarlyHiddenBalloonRunsOnFastAndReportsForTheCurrentTip) {
  InGameTips.SetCurrentTip(TipRecords[kServe]);
  const AnimationPtr first = Strategy().GetSelfClosingBalloon();
  // The welcome tip hides it: the serve balloon hurries on, the welcome balloon stays.
  InGameTips.SetCurrentTip(TipRecords[kWelcome]);
  EXPECT_FALSE(Strategy().GetSelfClosingBalloon());
  ASSERT_TRUE(Strategy().GetLastingBalloon());
  Frames(2400.0f / 7.0f + 40.0f);
  EXPECT_FALSE(first->GetParent());
  // Its end was reported as the welcome tip's: the follow-up welcome shows.
  EXPECT_EQ(InGameTips.GetCurrentTip().Name, "tip_welcome_2");
  EXPECT_FALSE(InGameTips.m_showing);
}

TEST_F(CInGameHintStrategyTest, TheFieldsEventsFireTheirTips) {
  TipRecord pressed = TipRecords[kServe];
  pressed.Name = "tip_deliver";
  pressed.TriggerId = 6;
  TipRecords.push_back(pressed);
  const struct {
    const char* event;
    void (*fire)(CGameFieldBase&);
    const char* tip;
  } cases[] = {
      {"delivery", [](CGameFieldBase& f) { f.CGameFieldBase::OnDelivery(); }, "tip_deliver"},
      {"served", [](CGameFieldBase& f) { f.CGameFieldBase::OnOrderServed(nullptr); }, "tip_serve"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.event);
    InGameTips.m_showing = false;
    c.fire(*field);
    EXPECT_TRUE(InGameTips.m_showing);
    EXPECT_EQ(InGameTips.GetCurrentTip().Name, c.tip);
    EXPECT_EQ(InGameTips.m_triggerId, 0);
    EXPECT_TRUE(Strategy().GetSelfClosingBalloon());
  }
}

TEST_F(CInGameHintStrategyTest, WindowTipWithoutAWindowClosesAtOnce) {
  InGameTips.SetCurrentTip(TipRecords[kHintReady]);
  EXPECT_FALSE(InGameTips.m_showing);
  EXPECT_FALSE(Strategy().GetLastingBalloon());
  EXPECT_FALSE(Strategy().GetSelfClosingBalloon());
}

TEST_F(CInGameHintStrategyTest, ShutdownWithABalloonOpenCallsIntoNothingFreed) {
  InGameTips.SetCurrentTip(TipRecords[kRefused]);
  const AnimationPtr balloon = Strategy().GetSelfClosingBalloon();
  field->Shutdown();
  InGameTips.SetStrategy(nullptr);
  field.Reset();
  Frames(9000);  // the balloon ends with no strategy to tell
  EXPECT_TRUE(InGameTips.m_showing);
  EXPECT_FALSE(balloon->GetParent());
}

}  // namespace
