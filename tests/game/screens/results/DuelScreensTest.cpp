// The duel screens on the real program, frame by frame (20 ms each), without pictures: what
// they write into their card, which buttons they offer and what their commands do to the
// player's profile. Each opens as the game's first screen on its sample layout after the
// sample duel (stage1_duel: the player's batter order of first int 1, then the rival's of 2).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/engine/screens/CBaseControl.h"
#include "game/app/SoundShortcuts.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"
#include "tests/support/ReplayScript.h"

namespace {

using pm::test::TopScreen;
using pm::test::TopText;

constexpr const char* kDuel = "stage1_duel";
constexpr const char* kElsewhere = "stage1_2";  // a level override set before the screen
// What the flow rules leave of it once the player leaves the level's screens for the map.
constexpr const char* kForgotten = "";
constexpr int kButtonY = 520;
// The lost screen's buttons, left to right.
const std::vector<const char*> kLostControls = {"replay", "map", "replay_2", "continue"};
constexpr int kLostButtonX[] = {145, 315, 485, 655};

class DuelScreensTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
    StopMusic();  // forget the name an earlier run left
  }

  // Opens the screen after the duel with that best place, time and points.
  void Open(const std::string& screen, const std::string& layout, int best, float time,
            float points, const std::string& script, std::function<void(int)> after) {
    onCreated = [best, time, points](GF::IScreen&) {
      pm::test::SetLevelResult({points, 202.0f, 0.0f, 0.0f, kDuel, best});
      PlayerProfile& profile = CurrentProfile();
      profile.LevelRecords[kDuel].Number2 = time;
      profile.Strings[ProfileString::LevelKeyOverride] = kElsewhere;
    };
    Run(screen, layout, script, std::move(after));
  }

  // The animation shown in the top screen's country place; "-" for none.
  static std::string Country() {
    const GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer> place(
        TopScreen()->GetLayout()->FindDrawable("_place_country"));
    const auto shown = place ? place->GetSubstitutedAnimation(0) : nullptr;
    return shown ? shown->GetName() : "-";
  }

  // The card: the country, the round and the second text.
  static std::vector<std::string> Card() {
    std::vector<std::string> card = {Country()};
    for (const char* part : {"_round", "_time"}) {
      const std::wstring text = TopText(part);
      card.emplace_back(text.begin(), text.end());
    }
    return card;
  }

  static std::vector<bool> Enabled() {
    std::vector<bool> enabled;
    for (const char* name : kLostControls) {
      const GF::THolder<GF::HGENS::CBaseControl> control = TopScreen()->GetControl(name);
      enabled.push_back(control && control->IsEnabled());
    }
    return enabled;
  }
};

TEST_F(DuelScreensTest, TheLostScreenShowsTheRivalsCountryTheRoundAndTheTime) {
  std::vector<std::string> seen;
  Open("DuelLoseScreen", "main_menu.duel_lose", 0, 95400.0f, 0.0f, "frames 30\n", [&](int frame) {
    if (frame == 30) seen = Card();
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"country_3", "Round 3", "1:35"}));
  EXPECT_EQ(GetCurrentMusicName(), "music_game_menu");
}

TEST_F(DuelScreensTest, TheLostScreenOffersThePairThatFitsABestPlaceOfExactlyOne) {
  const struct {
    int best;
    std::vector<bool> enabled;
    int click;  // index of the button clicked
    const char* command;
    const char* override;  // profile string 31 afterwards
  } cases[] = {
      {1, {false, false, true, true}, 2, "replay", kDuel},
      {1, {false, false, true, true}, 3, "next", kForgotten},
      {0, {true, true, false, false}, 0, "replay", kElsewhere},
      {2, {true, true, false, false}, 1, "map", kForgotten},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.best) + " " + kLostControls[c.click]);
    commands.clear();
    std::vector<bool> enabled;
    Open("DuelLoseScreen", "main_menu.duel_lose", c.best, 0.0f, 0.0f,
         "frames 45\n" + pm::test::ClickAt(40, kLostButtonX[c.click], kButtonY), [&](int frame) {
           if (frame == 30) enabled = Enabled();
         });
    EXPECT_EQ(enabled, c.enabled);
    EXPECT_EQ(commands, Lines{std::string("DuelLoseScreen:") + c.command});
    EXPECT_EQ(CurrentProfile().Strings[ProfileString::LevelKeyOverride], c.override);
  }
}

TEST_F(DuelScreensTest, ShowManualOnTheLostScreenReplaysTheOpeningAndPassesOn) {
  Open("DuelLoseScreen", "main_menu.duel_lose", 0, 0.0f, 0.0f, "frames 32\n", [](int frame) {
    if (frame != 30) return;
    CurrentProfile().Strings[ProfileString::ShadesShowRequest] = "curtain_open";
    TopScreen()->GoTo("show_manual", GF::IScreen::kUsualFlags);
  });
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::ShadesShowRequest], "");
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play curtain 1 0.000000"), 1);
  EXPECT_EQ(commands, Lines{"DuelLoseScreen:show_manual"});
}

TEST_F(DuelScreensTest, TheResultScreenShowsTheStagesCountryAndThePointsThenGoesOn) {
  std::vector<std::string> seen;
  std::string musicBeforeShown;
  Open("DuelStatisticsScreen", "main_menu.duel_statistics", 0, 0.0f, 123.5f,
       "frames 45\n" + pm::test::ClickAt(40, 400, kButtonY), [&](int frame) {
         if (frame == 1) musicBeforeShown = GetCurrentMusicName();
         if (frame == 30) seen = Card();
       });
  EXPECT_EQ(seen, (std::vector<std::string>{"country_1", "Round 3", "123.5"}));
  EXPECT_EQ(musicBeforeShown, "") << "the music waits for the end of the show";
  EXPECT_EQ(commands, Lines{"DuelStatisticsScreen:next"});
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::LevelKeyOverride], kForgotten);
}

// A level the data lack ends at once, with the duel's result given: the rules after the
// level's open the duel's screen, whose card then has no dish, and no country (no order
// record for the lost duel's, stage 0 for the won duel's).
TEST_F(DuelScreensTest, ADuelsEndOpensItsScreenEvenForALevelWithoutOrders) {
  const struct {
    float place;
    const char* screen;
    std::vector<std::string> card;
  } cases[] = {{201.0f, "DuelStatisticsScreen", {"-", "Round 0", "0"}},
               {202.0f, "DuelLoseScreen", {"-", "Round 0", "0:00"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.screen);
    std::vector<std::string> created;
    std::vector<std::string> card;
    onCreated = [&created](GF::IScreen& screen) {
      created.push_back(screen.GetName());
      if (screen.GetName() == "GameScreen")
        CurrentProfile().Strings[ProfileString::LevelKeyOverride] = "no_such_level";
    };
    Run("GameScreen", "main_menu.game_screen", "frames 60\n", [&](int frame) {
      if (frame == 1) CurrentProfile().Floats[ProfileFloat::CurrentPlace] = c.place;
      if (frame == 60) card = Card();
    });
    EXPECT_EQ(created, (std::vector<std::string>{"GameScreen", c.screen}));
    EXPECT_EQ(card, c.card);
  }
}

}  // namespace
