// The screen template on the real program: when a screen waits for the curtain, what it
// takes from the profile, which buttons sound, and who shows the halves. The probes stand
// in for game screens under the names "MainMenuScreen" (a screen), "OptionsScreen" (one
// without curtain runs) and "GameScreen" (the halves hidden while open). The sample menu
// "main_menu.menu" is the layout: "_show" and "_hide" take 500 ms (25 frames) each; the
// curtain's runs 1250 ms, so a screen activated before frame 1 has its opening run behind
// it when frame 64 starts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/engine/screens/CCheckBoxControl.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Lines = std::vector<std::string>;
using pm::test::PlayerCalls;

constexpr int kEscape = 17;
constexpr const char* kProbe = "MainMenuScreen";
constexpr const char* kQuietProbe = "OptionsScreen";
constexpr const char* kLevelProbe = "GameScreen";
constexpr const char* kMenu = "main_menu.menu";
const std::string kCurtainSound = "sound:Play curtain 1 0.000000";

std::string& Request(std::int32_t id) {
  return CurrentProfile().Strings[id];
}

// The menu's two buttons (the second disabled) and its check box, with Escape live only
// while the screen hides.
template <class Base>
class CProbeScreen : public Base {
 public:
  explicit CProbeScreen(bool noEffect) { this->SetNoEffect(noEffect); }

  bool IsWaitingToOpen() { return this->IsStateHandler(&CProbeScreen::ShowAfterEffect); }
  bool IsClosing() { return this->IsStateHandler(&CProbeScreen::IsEffectDone); }
  bool HalvesShown() const { return this->GetEffect()->GetLeftHalf()->IsShown(); }
  void Show() { this->StartShow(); }
  void SetCommand(const std::string& command) { this->m_command = command; }
  const std::string& GetCommand() const { return this->m_command; }
  using Base::HasNoEffect;

 protected:
  void OnInit() override {
    Base::OnInit();
    this->AddMenuItem("play", "play", false, GF::IScreen::kUsualFlags);
    this->AddMenuItem("quit", "quit", false, GF::IScreen::kUsualFlags);
    this->GetControl("quit")->SetEnabled(false);
    this->CreateCheckBox("sound", true);
    this->AddShortcut(kEscape, "escape", false, GF::IScreen::kLiveHiding);
  }
};

using CProbe = CProbeScreen<CCurtainScreen>;
using CLevelProbe = CProbeScreen<CCurtainLevelScreen>;

GF::THolder<GF::IScreen> CreateProbe() {
  return GF::MakeHolder<CProbe>(false);
}
GF::THolder<GF::IScreen> CreateNoEffectProbe() {
  return GF::MakeHolder<CProbe>(true);
}
GF::THolder<GF::IScreen> CreateLevelProbe() {
  return GF::MakeHolder<CLevelProbe>(false);
}

// Null once the probe has closed.
template <class T = CProbe>
T* Top() {
  return dynamic_cast<T*>(GF::HGENS::GetGameManager()->TopScreen().Get());
}

class CShowHideEffectScreenTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
    testScreens = {
        {kProbe, CreateProbe}, {kQuietProbe, CreateNoEffectProbe}, {kLevelProbe, CreateLevelProbe}};
  }
};

TEST_F(CShowHideEffectScreenTest, ASecondOpeningWhileTheCurtainRunsChangesNothing) {
  onCreated = [](GF::IScreen&) { Request(ProfileString::ShadesShowRequest) = "curtain_open"; };
  int opened = 0;
  std::string command, request;
  Run(kProbe, kMenu, "frames 70\n", [&](int frame) {
    CProbe* probe = Top();
    if (!probe) return;
    if (frame == 5) {
      probe->SetCommand("kept");
      Request(ProfileString::ShadesShowRequest) = "curtain_close";
      probe->Show();
      command = probe->GetCommand();
      request = Request(ProfileString::ShadesShowRequest);
    }
    if (!opened && !probe->IsWaitingToOpen()) opened = frame;
  });
  EXPECT_EQ(command, "kept");
  EXPECT_EQ(request, "curtain_close");
  EXPECT_EQ(PlayerCalls(), Lines{kCurtainSound});
  EXPECT_EQ(opened, 64);
}

TEST_F(CShowHideEffectScreenTest, ANoEffectScreenWaitsOnlyForARunningCurtain) {
  onCreated = [](GF::IScreen&) {
    // A run that another screen started, still going when this one opens.
    Request(ProfileString::ShadesShowRequest) = "curtain_open";
    CWindowShadesEffect::Create()->Start(CWindowShadesEffect::kOpening, 1250.0f);
    Request(ProfileString::ShadesShowRequest) = "curtain_close";
    Request(ProfileString::ShadesHideRequest) = "curtain_close";
  };
  int opened = 0;
  int closing = 0;
  Run(kQuietProbe, kMenu, "frames 140\n", [&](int frame) {
    CProbe* probe = Top();
    if (!probe) return;
    if (!opened && !probe->IsWaitingToOpen()) opened = frame;
    if (frame == 100) probe->GoTo("next", GF::IScreen::kUsualFlags);
    if (!closing && probe->IsClosing()) closing = frame;
  });
  EXPECT_EQ(opened, 64);
  EXPECT_EQ(closed, Lines{"OptionsScreen:next"});
  EXPECT_EQ(Request(ProfileString::ShadesShowRequest), "curtain_close");
  EXPECT_EQ(Request(ProfileString::ShadesHideRequest), "curtain_close");
  EXPECT_EQ(PlayerCalls(), Lines{kCurtainSound});  // the other screen's run only
  EXPECT_GT(closing, 100);
}

TEST_F(CShowHideEffectScreenTest, ShowManualWhileIdleReplaysTheOpeningAndPassesOn) {
  bool noEffectBefore = false;
  bool noEffectAfter = true;
  Run(kQuietProbe, kMenu, "frames 42\n", [&](int frame) {
    if (frame != 40) return;
    CProbe* probe = Top();
    if (!probe) return;
    noEffectBefore = probe->HasNoEffect();
    Request(ProfileString::ShadesShowRequest) = "curtain_open";
    probe->GoTo("show_manual", GF::IScreen::kUsualFlags);
    noEffectAfter = probe->HasNoEffect();
  });
  EXPECT_TRUE(noEffectBefore);
  EXPECT_FALSE(noEffectAfter);
  EXPECT_EQ(Request(ProfileString::ShadesShowRequest), "");
  EXPECT_EQ(PlayerCalls(), Lines{kCurtainSound});
  EXPECT_EQ(commands, Lines{"OptionsScreen:show_manual"});
}

// The cursor passes over "play" (a plain button), the disabled "quit" and the check box
// "sound" (a button class of its own), clicks the check box and then "play".
TEST_F(CShowHideEffectScreenTest, OnlyEnabledPlainButtonsSound) {
  Run(kProbe, kMenu,
      "frames 70\n"
      "@40 move 400 240\n@45 move 400 320\n@46 buttondown 1\n@47 buttonup 1\n"
      "@50 move 400 400\n@51 buttondown 1\n@52 buttonup 1\n"
      "@55 move 400 240\n@56 buttondown 1\n@57 buttonup 1\n");
  EXPECT_EQ(PlayerCalls(),
            (Lines{"sound:Play mouse_over 1 0.000000", "sound:Play mouse_over 1 0.000000",
                   "sound:Play click 1 0.000000"}));
  EXPECT_EQ(commands, Lines{"MainMenuScreen:play"});
}

TEST_F(CShowHideEffectScreenTest, ALevelScreenHidesTheHalvesWhileOpen) {
  onCreated = [](GF::IScreen&) { Request(ProfileString::ShadesShowRequest) = "curtain_open"; };
  std::string shown;
  Run(kLevelProbe, kMenu, "frames 150\n", [&](int frame) {
    CLevelProbe* probe = Top<CLevelProbe>();
    if (!probe) return;
    if (frame == 100) {
      Request(ProfileString::ShadesHideRequest) = "curtain_close";
      probe->GoTo("next", GF::IScreen::kUsualFlags);
    }
    // opening, open, hiding, closing
    if (frame == 30 || frame == 70 || frame == 110 || frame == 140)
      shown += probe->HalvesShown() ? "1" : "0";
  });
  EXPECT_EQ(shown, "1001");
}

TEST_F(CShowHideEffectScreenTest, AShortcutWhileHidingStartsTheClosingRunAtOnce) {
  std::string states;
  Run(kProbe, kMenu, "frames 130\n@50 keydown 0x1B\n@51 keyup 0x1B\n", [&](int frame) {
    CProbe* probe = Top();
    if (!probe) return;
    if (frame == 40) {
      Request(ProfileString::ShadesHideRequest) = "curtain_close";
      probe->GoTo("next", GF::IScreen::kUsualFlags);
    }
    if (frame == 49 || frame == 50) {
      states += probe->IsClosing() ? "closing" : "hiding";
      states += Request(ProfileString::ShadesHideRequest).empty() ? "+taken " : " ";
    }
  });
  EXPECT_EQ(states, "hiding closing+taken ");
  EXPECT_EQ(commands, (Lines{"MainMenuScreen:next", "MainMenuScreen:escape"}));
  EXPECT_EQ(closed, Lines{"MainMenuScreen:escape"});
}

}  // namespace
