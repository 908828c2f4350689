// The hint window on the real program over a real level field: the kitchen host (the sample
// kitchen stage1_1 on a base field that counts its play frames) opens as the game's level
// screen, and the test opens "HintScreen" over it as the in-game tips do, frame by frame
// (20 ms each).

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/engine/app/CGameManager.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/HintWindow.h"
#include "game/kitchen/MotionSetters.h"
#include "game/screens/CHintScreen.h"
#include "tests/game/kitchen/KitchenHostScreen.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/ReplayScript.h"

namespace {

using GF::THolder;

constexpr int kOpen = 20;  // the frame in which the window opens over the idle level
constexpr int kEscapeKey = 27;

// A level field that counts the frames of its play.
class CCountingField : public CGameFieldBase {
 public:
  void Update(const float& dt) override {
    ++plays;
    CGameFieldBase::Update(dt);
  }
  int plays = 0;
};

class CCountingHost : public pm::test::CKitchenHostScreen {
 public:
  static CCountingHost* last;
  CCountingField& Field() { return static_cast<CCountingField&>(*field); }

 protected:
  THolder<CGameFieldBase> MakeField() override {
    last = this;
    return GF::MakeHolder<CCountingField>();
  }
};
CCountingHost* CCountingHost::last = nullptr;

// What a frame shows of the field under the window.
struct Seen {
  int plays = 0;
  GF::TPoint<float> flying;
  std::string top;
};

class CHintScreenTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    testScreens = {{"GameScreen", [] { return THolder<GF::IScreen>(new CCountingHost); }}};
    CCountingHost::last = nullptr;
    HintTargetRect = {};
    HintTargetClicked = 0;
  }

  // Runs the level; in frame kOpen a flight starts on the field and the window opens over it
  // with the target; `during` looks at each later frame.
  void Run(const GF::TRect<float>& target, int frames, const std::string& script,
           std::function<void(int)> during = {}) {
    GameScreenTest::Run("GameScreen", "main_menu.game_screen",
                        "frames " + std::to_string(frames) + "\n" + script, [=, this](int frame) {
                          CCountingHost* host = CCountingHost::last;
                          if (!host || !host->field) return;
                          if (frame == kOpen) Open(*host, target);
                          Seen& s = seen[frame];
                          s.plays = host->Field().plays;
                          if (m_flying) s.flying = m_flying->GetPosition();
                          const auto top = GF::HGENS::GetGameManager()->TopScreen();
                          s.top = top ? top->GetName() : "";
                          if (during) during(frame);
                        });
  }

  void Open(CCountingHost& host, const GF::TRect<float>& target) {
    m_flying = host.GetScene()->CreateAnimation("Dishes.batter");
    const THolder<CFlyObject> flight = CreateFlyObject();
    flight->AddTarget(m_flying);
    flight->SetDuration(2000.0f);
    SetLineMotion(*flight, {100.0f, 500.0f}, {600.0f, 500.0f});
    AddFlyObject(*host.field, flight);
    field = host.field;
    fieldReferences = field->GetRefCount();
    CHintScreen::SetCurrentHint(host.field);
    HintTargetRect = target;
    GF::HGENS::GetGameManager()->ShowScreen("HintScreen", "main_menu.hint_window", host.GetScene(),
                                            nullptr);
  }

  std::map<int, Seen> seen;
  THolder<CGameFieldBase> field;  // the level's, held past the run
  int fieldReferences = 0;        // before the window took its own

 private:
  GF::IAnimation::AnimationPtr m_flying;
};

TEST_F(CHintScreenTest, WhileOpenTheFieldsEffectsRunAndItsPlayWaitsUntilEscape) {
  Run({300.0f, 200.0f, 400.0f, 260.0f}, 100, pm::test::KeyAt(50, kEscapeKey));
  ASSERT_TRUE(field);
  EXPECT_EQ(seen[kOpen + 1].top, "HintScreen");
  // Idle once its "_show" has played (250 ms): the flight moves every frame until Escape.
  for (int frame = kOpen + 16; frame < 50; ++frame)
    EXPECT_GT(seen[frame].flying.x, seen[frame - 1].flying.x) << frame;
  for (int frame = kOpen + 1; frame <= 60; ++frame)
    EXPECT_EQ(seen[frame].plays, seen[kOpen].plays) << frame;
  EXPECT_EQ(closed, Lines{"HintScreen:back"});
  EXPECT_EQ(HintTargetClicked, 0);
  EXPECT_EQ(seen[79].top, "GameScreen");
  EXPECT_GT(seen[100].plays, seen[kOpen].plays) << "the level plays on";
  EXPECT_FALSE(CurrentHint());
}

TEST_F(CHintScreenTest, AClickOnTheTargetsEdgeClosesTheWindowAndIsReported) {
  const struct {
    int x, y;
    bool closes;
  } cases[] = {{400, 260, true}, {300, 200, true}, {401, 230, false}, {350, 199, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    closed.clear();
    int references = 0;
    Run({300.0f, 200.0f, 400.0f, 260.0f}, 70, pm::test::ClickAt(40, c.x, c.y), [&](int frame) {
      if (frame == 69) references = field->GetRefCount();
    });
    EXPECT_EQ(HintTargetClicked, c.closes ? 1 : 0);
    EXPECT_EQ(closed, c.closes ? Lines{"HintScreen:back"} : Lines{});
    EXPECT_EQ(seen[69].top, c.closes ? "GameScreen" : "HintScreen");
    if (c.closes) {
      EXPECT_EQ(references, fieldReferences) << "the window let the field go";
    }
  }
}

TEST_F(CHintScreenTest, ATipWithoutATargetTakesNoClickAtTheCorner) {
  Run({}, 70, pm::test::ClickAt(40, 0, 0));
  EXPECT_EQ(HintTargetClicked, 0);
  EXPECT_EQ(closed, Lines{});
  EXPECT_EQ(seen[70].top, "HintScreen");
}

TEST_F(CHintScreenTest, DestroyingEveryScreenWithTheWindowOpenLetsTheFieldGo) {
  Run({}, 40, "", [](int frame) {
    if (frame == 30) GF::HGENS::GetGameManager()->DestroyAllScreens();
  });
  ASSERT_TRUE(field);
  EXPECT_EQ(seen[29].top, "HintScreen");
  EXPECT_FALSE(CurrentHint());
  EXPECT_EQ(field->GetRefCount(), 1) << "only the test holds it";
}

}  // namespace
