// The three result screens on the real program, frame by frame (20 ms each), without
// pictures: what they write into their texts and the player's profile, which buttons they
// offer, and when their sounds and the win particle come. The screens open as the game's
// first screen on their sample layouts; the curtain runs only where a test asks for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/screens/CBaseControl.h"
#include "game/app/LevelsData.h"
#include "game/app/SoundShortcuts.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"

namespace {

using pm::test::CountPlayerCalls;
using pm::test::LevelResult;
using pm::test::PlayerCalls;
using pm::test::TopScreen;
using pm::test::TopText;

const std::string kOpeningSound = "sound:Play result_open 1 0.000000";
const std::string kFailedSound = "sound:Play level_failed 1 0.000000";

class ResultScreensTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
    GF::HGENS::ParticleRegistry::Instance().Clear();
  }

  // Opens the screen on the result; with `curtain` its opening run plays first.
  void Open(const std::string& screen, const std::string& layout, const LevelResult& result,
            bool curtain, int frames, std::function<void(int)> after,
            const std::string& script = "") {
    onCreated = [result, curtain](GF::IScreen&) {
      pm::test::SetLevelResult(result);
      LevelTable["stage1_1"].Value1 = 7;  // the level's number
      if (curtain) CurrentProfile().Strings[ProfileString::ShadesShowRequest] = "curtain_open";
    };
    Run(screen, layout, "frames " + std::to_string(frames) + "\n" + script, std::move(after));
  }

  // The first frame after which the call had been made; 0 for none.
  std::function<void(int)> FrameOf(const std::string& call, int& frame) {
    return [call, &frame](int now) {
      if (!frame && CountPlayerCalls(call) > 0) frame = now;
    };
  }

  static std::vector<bool> Enabled(const std::vector<const char*>& controls) {
    std::vector<bool> enabled;
    for (const char* name : controls) {
      const GF::THolder<GF::HGENS::CBaseControl> control = TopScreen()->GetControl(name);
      enabled.push_back(control && control->IsEnabled());
    }
    return enabled;
  }
};

TEST_F(ResultScreensTest, TheStatisticsScreenShowsTheResultAndKeepsTheBetterPlace) {
  std::vector<std::wstring> texts;
  int particle = 0;
  std::string music;
  const LevelResult result{123.9f, 2.0f, 5.0f, 0.0f, "stage1_1", 3};
  // "replay" is clicked in frame 132.
  Open(
      "StatisticsScreen", "main_menu.statistics_screen", result, false, 140,
      [&](int frame) {
        if (frame == 30)
          for (const char* part : {"_points", "_place", "_dish", "_round", "_place_index"})
            texts.push_back(TopText(part));
        if (!particle && GF::HGENS::ParticleRegistry::Instance().GetCount() > 0) particle = frame;
        if (frame == 60) music = GetCurrentMusicName();
      },
      "@128 move 300 520\n@130 buttondown 1\n@132 buttonup 1\n");
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"123", L"2", L"5", L"Level 7", L"Second place!"}));
  // 2000 ms after the show started; a chain starts the step after a wait in the next frame.
  EXPECT_EQ(particle, 101);
  PlayerProfile& profile = CurrentProfile();
  EXPECT_EQ(profile.LevelRecords["stage1_1"].BestPlace, 2);
  EXPECT_EQ(profile.Strings[ProfileString::LevelKeyOverride], "stage1_1");
  EXPECT_EQ(commands, Lines{"StatisticsScreen:replay"});
  EXPECT_EQ(CountPlayerCalls(kOpeningSound), 1);
  EXPECT_EQ(CountPlayerCalls("sound:Play Applause2 1 0.000000"), 1);
  EXPECT_EQ(music, "music_game_menu");
}

TEST_F(ResultScreensTest, WhileTheCurtainOpensTheParticleWaitsLonger) {
  int particle = 0;
  Open("StatisticsScreen", "main_menu.statistics_screen", {0.0f, 1.0f}, true, 170, [&](int frame) {
    if (!particle && GF::HGENS::ParticleRegistry::Instance().GetCount() > 0) particle = frame;
  });
  EXPECT_EQ(particle, 164);  // 3250 ms
}

TEST_F(ResultScreensTest, ALayoutWithoutThePlacesShowsNoParticleAndLogsEachPlaceOnce) {
  int particles = 0;
  Open("StatisticsScreen", "main_menu.bonus_statistics_screen", {0.0f, 1.0f}, false, 120, [&](int) {
    particles =
        std::max(particles, static_cast<int>(GF::HGENS::ParticleRegistry::Instance().GetCount()));
  });
  EXPECT_EQ(particles, 0);
  for (const char* part : {"_ribbon_place", "place_country", "_part_place"}) {
    const std::string line = std::string("[W] PART bonus_statistics_screen/") + part + " NOT FOUND";
    EXPECT_EQ(std::count(log.begin(), log.end(), line), 1) << part;
  }
}

TEST_F(ResultScreensTest, TheLoseScreenLeavesOutTheControlsItsLayoutLacks) {
  int controls = 0;
  Open("LoseScreen", "main_menu.statistics_screen", {0.0f, 4.0f, 0.0f, 0.0f, "stage1_1", 3}, false,
       30, [&](int frame) {
         if (frame != 30) return;
         controls = TopScreen()->GetControlCount();
         EXPECT_EQ(Enabled({"continue"}), std::vector<bool>{true});
         EXPECT_EQ(Enabled({"replay"}), std::vector<bool>{false});
       });
  EXPECT_EQ(controls, 2);
}

TEST_F(ResultScreensTest, TheLoseScreenOffersThePairThatFitsTheBestPlace) {
  const std::vector<const char*> controls = {"replay", "menu", "replay_2", "continue"};
  const struct {
    int best;
    std::vector<bool> enabled;
  } cases[] = {{0, {true, true, false, false}}, {3, {false, false, true, true}}};
  for (const auto& c : cases) {
    std::vector<bool> enabled;
    std::wstring place;
    Open("LoseScreen", "main_menu.lose_screen", {10.0f, 2.0f, 1.0f, 0.0f, "stage1_1", c.best},
         false, 30, [&](int frame) {
           if (frame != 30) return;
           enabled = Enabled(controls);
           place = TopText("_place");
         });
    EXPECT_EQ(enabled, c.enabled) << c.best;
    EXPECT_EQ(place, L"2");
  }
}

TEST_F(ResultScreensTest, TheFailedSoundWaitsForTheCurtain) {
  for (const bool curtain : {false, true}) {
    PlayerCalls().clear();
    int sound = 0;
    Open("LoseScreen", "main_menu.lose_screen", {}, curtain, 70, FrameOf(kFailedSound, sound));
    // 1250 ms, or at once: in the frame after the wait.
    EXPECT_EQ(sound, curtain ? 64 : 2) << curtain;
  }
}

TEST_F(ResultScreensTest, TheBonusScreenShowsItsPointsAndTheButtonsOfItsResult) {
  const std::vector<const char*> controls = {"replay", "continue", "continue_2"};
  const struct {
    float place;
    std::vector<bool> enabled;
  } cases[] = {{101.0f, {false, false, true}}, {2.0f, {true, true, false}}};
  for (const auto& c : cases) {
    PlayerCalls().clear();
    std::vector<bool> enabled;
    std::wstring points;
    Open("BonusStatisticsScreen", "main_menu.bonus_statistics_screen",
         {0.0f, c.place, 0.0f, 250.6f}, false, 30, [&](int frame) {
           if (frame != 30) return;
           enabled = Enabled(controls);
           points = TopText("_texts");
         });
    EXPECT_EQ(enabled, c.enabled) << c.place;
    EXPECT_EQ(points, L"You scored 250 points!");
    EXPECT_EQ(CountPlayerCalls(kOpeningSound), 1);
    const std::string applause = c.place == 2.0f ? "Applause2" : "Applause1";
    EXPECT_EQ(CountPlayerCalls("sound:Play " + applause + " 1 0.000000"), 1) << c.place;
  }
}

}  // namespace
