// The options and the pause menu on the real program: what the controls take from the
// profile, what a change does at once, what leaving writes, and which buttons each shows.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/CGameProperties.h"
#include "framework/engine/screens/CCustomCursor.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/menus/CIngameMenuScreen.h"
#include "platform/Engine.h"
#include "tests/game/screens/menus/MenuScreenTest.h"

namespace {

using namespace pm::test;
using Lines = std::vector<std::string>;

constexpr int kSoundSliderY = 250;  // the sound slider's track on the screen
constexpr int kSliderLeft = 390;    // where the knob stands at 0 and at 100
constexpr int kSliderRight = 630;
const std::string kMouseOverSound = "sound:Play mouse_over 1 0.000000";

class CCookOptionsMenuScreenTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    RecordGameSounds();
  }

  // The first frame after `from` that ends with the settings file written; 0 for none.
  // It is removed in frame `from`.
  std::function<void(int)> WatchSettings(int from, int& written) {
    return [from, &written](int frame) {
      const std::filesystem::path file = GF::HGENS::GetGameManager()->GetSavePath(L"Setting");
      if (frame == from) std::filesystem::remove(file);
      if (frame > from && !written && std::filesystem::exists(file)) written = frame;
    };
  }
};

TEST_F(CCookOptionsMenuScreenTest, TheControlsShowTheProfileAndAMoveSetsPropertyAndProfileAtOnce) {
  onCreated = [](GF::IScreen&) {
    CurrentProfile().Floats[ProfileFloat::MusicVolume] = 37.9f;
    CurrentProfile().Floats[ProfileFloat::FullScreen] = 0.0f;
    CurrentProfile().Floats[ProfileFloat::CustomCursor] = 1.0f;
  };
  int shownMusic = -1;
  bool fullScreenShown = true, cursorShown = false;
  int musicProperty = -1;
  float musicFloat = -1.0f;
  Run("OptionsScreen", kOptionsLayout, "frames 30\n", [&](int frame) {
    CCookOptionsMenuScreen* screen = TopAs<CCookOptionsMenuScreen>();
    if (!screen) return;
    if (frame == 1) {
      shownMusic = screen->GetMusicSlider()->GetValue();
      fullScreenShown = screen->GetFullScreenBox()->IsChecked();
      cursorShown =
          dynamic_cast<GF::HGENS::CCheckBoxControl*>(screen->GetControl("custom_cursor").Get())
              ->IsChecked();
    }
    if (frame == 20) {
      screen->GetMusicSlider()->SetValue(64, false);
      musicProperty = GF::HGENS::GetGameProperties()->GetInt("MusicVolume");
      musicFloat = CurrentProfile().Floats[ProfileFloat::MusicVolume];
    }
  });
  EXPECT_EQ(shownMusic, 37);
  EXPECT_FALSE(fullScreenShown);
  EXPECT_TRUE(cursorShown);
  EXPECT_EQ(musicProperty, 64);
  EXPECT_EQ(musicFloat, 64.0f);
}

TEST_F(CCookOptionsMenuScreenTest, TheCursorBoxFollowsItsTickWhateverTheStoredFlag) {
  // A stored 0.5 ticks the box; unticking it turns the game's cursor off and stores 0.
  onCreated = [](GF::IScreen&) { CurrentProfile().Floats[ProfileFloat::CustomCursor] = 0.5f; };
  std::vector<bool> custom;
  std::vector<float> stored;
  Run("OptionsScreen", kOptionsLayout, "frames 25\n", [&](int frame) {
    CCookOptionsMenuScreen* screen = TopAs<CCookOptionsMenuScreen>();
    if (!screen || frame < 20 || frame > 21) return;
    const GF::THolder<GF::HGENS::CBaseControl> box = screen->GetControl("custom_cursor");
    box->OnClick(box, {0, 0}, 1);
    const auto* cursor =
        dynamic_cast<GF::HGENS::CCustomCursor*>(GF::HGENS::GetCustomCursor().Get());
    custom.push_back(cursor && cursor->GetAnimation());
    stored.push_back(CurrentProfile().Floats[ProfileFloat::CustomCursor]);
  });
  EXPECT_EQ(custom, (std::vector<bool>{false, true}));
  EXPECT_EQ(stored, (std::vector<float>{0.0f, 1.0f}));
}

TEST_F(CCookOptionsMenuScreenTest, LettingGoOfTheSoundSliderPlaysTheSoundOnce) {
  // Default sound volume 100: the knob stands at the right end; it is dragged to the middle.
  std::string script = "frames 60\n" + At(20, "move " + std::to_string(kSliderRight) + " " +
                                                  std::to_string(kSoundSliderY));
  script += At(22, "buttondown 1");
  for (int step = 1; step <= 6; ++step)
    script += At(22 + step, "move " + std::to_string(kSliderRight - step * 20) + " " +
                                std::to_string(kSoundSliderY));
  script += At(30, "buttonup 1");
  int soundsBeforeRelease = -1;
  int volumeWhileDragging = -1;
  Run("OptionsScreen", kOptionsLayout, script, [&](int frame) {
    if (frame == 19) PlayerCalls().clear();
    if (frame == 29) {
      soundsBeforeRelease = CountPlayerCalls(kMouseOverSound);
      volumeWhileDragging = GF::HGENS::GetGameProperties()->GetInt("SoundVolume");
    }
  });
  EXPECT_EQ(soundsBeforeRelease, 0);
  EXPECT_EQ(CountPlayerCalls(kMouseOverSound), 1);
  EXPECT_EQ(volumeWhileDragging, 50);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::SoundVolume], 50.0f);
}

TEST_F(CCookOptionsMenuScreenTest, AltEnterTicksTheFullScreenBoxWithinTheFrame) {
  const std::string script = "frames 40\n" + At(20, "keydown " + std::to_string(kVkAlt)) +
                             KeyAt(21, kVkEnter) + At(23, "keyup " + std::to_string(kVkAlt));
  int switched = 0, ticked = 0;
  float stored = 0.0f;
  Run("OptionsScreen", kOptionsLayout, script, [&](int frame) {
    CCookOptionsMenuScreen* screen = TopAs<CCookOptionsMenuScreen>();
    if (!screen) return;
    Engine* engine = hgeCreate(ENGINE_VERSION);
    if (!switched && !engine->GetStateBool(EngineState::Windowed)) switched = frame;
    engine->Release();
    if (!ticked && screen->GetFullScreenBox()->IsChecked()) {
      ticked = frame;
      stored = CurrentProfile().Floats[ProfileFloat::FullScreen];
    }
  });
  EXPECT_GT(switched, 20);
  EXPECT_EQ(ticked, switched);
  EXPECT_EQ(stored, 1.0f);
}

// Which parts each variant shows, and that Escape leaves both with "back" and writes the
// settings file as it leaves (not before).
TEST_F(CCookOptionsMenuScreenTest, EachVariantShowsItsButtonsAndEscapeLeavesWritingTheSettings) {
  struct Case {
    const char* screen;
    Lines shown;
    Lines hidden;
  };
  const Case cases[] = {
      {"OptionsScreen",
       {"_item_ok"},
       {"_item_continue", "_item_main_menu", "_item_map", "_item_replay"}},
      {"InGameMenuScreen",
       {"_item_continue", "_item_main_menu", "_item_map", "_item_replay"},
       {"_item_ok"}},
  };
  for (const Case& c : cases) {
    commands.clear();
    closed.clear();
    Lines shown, hidden;
    int written = 0;
    const auto watch = WatchSettings(20, written);
    Run(c.screen, kOptionsLayout, "frames 70\n" + KeyAt(30, kVkEscape), [&](int frame) {
      watch(frame);
      CCookOptionsMenuScreen* screen = TopAs<CCookOptionsMenuScreen>();
      if (!screen || frame != 20) return;
      for (const Lines* parts : {&c.shown, &c.hidden})
        for (const std::string& part : *parts)
          (screen->GetLayout()->FindDrawable(part)->IsShown() ? shown : hidden).push_back(part);
    });
    EXPECT_EQ(shown, c.shown) << c.screen;
    EXPECT_EQ(hidden, c.hidden) << c.screen;
    // Written as the screen closes, after its 300 ms "_hide".
    EXPECT_GE(written, 30 + kShowFrames) << c.screen;
    EXPECT_EQ(commands, Lines{std::string(c.screen) + ":back"});
    EXPECT_EQ(closed, Lines{std::string(c.screen) + ":back"});
  }
}

// The pause menu's buttons leave with their commands; any of them writes the settings.
TEST_F(CCookOptionsMenuScreenTest, ThePauseMenuButtonsLeaveWithTheirCommands) {
  // The buttons' places on the screen (the layout is centred).
  const std::pair<const char*, std::pair<int, int>> buttons[] = {
      {"back", {310, 404}}, {"main_menu", {490, 404}}, {"map", {310, 450}}, {"replay", {490, 450}}};
  for (const auto& [command, at] : buttons) {
    commands.clear();
    int written = 0;
    Run("InGameMenuScreen", kOptionsLayout, "frames 70\n" + ClickAt(30, at.first, at.second),
        WatchSettings(20, written));
    EXPECT_EQ(commands, Lines{std::string("InGameMenuScreen:") + command});
    EXPECT_GE(written, 30 + kShowFrames) << command;
  }
}

}  // namespace
