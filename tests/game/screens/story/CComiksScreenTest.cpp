// The comics screen: the opening comic giving way to the second once seen, and on the real
// program with the sample comics: the three parts played on left clicks once the last has
// rested, other input ignored, the comic recorded as seen on the click after the last part,
// and the closing comic's cheer and late music.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/story/CComiksScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Lines = std::vector<std::string>;
using pm::test::CountPlayerCalls;

PlayerProfile Seen(const char* flag, bool seen) {
  PlayerProfile profile;
  profile.Flags[flag] = seen;
  return profile;
}

TEST(CComiksScreenTest, TheOpeningGivesWayToTheSecondOnceSeen) {
  const struct {
    const char* requested;
    PlayerProfile profile;
    const char* loaded;
  } cases[] = {
      {"comics.comics_1", {}, "comics.comics_1"},
      {"comics.comics_1", Seen("comics_1", false), "comics.comics_1"},
      {"comics.comics_1", Seen("comics_1", true), "comics.comics_2"},
      {"comics.comics_2", {}, "comics.comics_2"},
      {"comics.comics_3", Seen("comics_1", true), "comics.comics_3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CComiksScreen::ChooseLayout(c.requested, c.profile), c.loaded) << c.requested;
}

// The layout's time: the part it plays, or "-".
std::string Playing() {
  GF::IScreen* top = GF::HGENS::GetGameManager()->TopScreen().Get();
  if (!top || !top->GetLayout()) return "-";
  // The sample's parts run 800 ms each from 500 ms; a played part holds at its end.
  const float t = top->GetLayout()->GetTime();
  if (t < 500.0f) return "page";
  if (t > 2900.0f) return "hide";
  return "part " + std::to_string(static_cast<int>((t - 501.0f) / 800.0f) + 1);
}

class CComiksScreenRunTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
  }
};

TEST_F(CComiksScreenRunTest, PartsPlayOnRestedLeftClicksAndTheLastClickLeavesWithOk) {
  // Part 1 plays from the first idle frame (about 20) to 800 ms later, then rests 1000 ms:
  // the click at 50 and the right button, Escape and Enter at 100 come too early or are no
  // left clicks; the clicks at 130 and 230 play parts 2 and 3, the one at 330 leaves.
  std::string script = "frames 340\n@49 move 400 300\n";
  for (int at : {50, 130, 230, 330})
    script +=
        "@" + std::to_string(at) + " buttondown 1\n@" + std::to_string(at + 1) + " buttonup 1\n";
  script += "@100 buttondown 2\n@101 buttonup 2\n@102 keydown 0x1B\n@103 keyup 0x1B\n";
  script += "@104 keydown 0x0D\n@105 keyup 0x0D\n";
  std::vector<std::string> seen;
  bool flagged = true;
  Run("ComicsScreen", "comics.comics_1", script, [&](int frame) {
    if (frame == 10) flagged = CurrentProfile().Flags["comics_1"];
    if (frame % 20 == 0) seen.push_back(Playing());
  });
  EXPECT_FALSE(flagged);
  EXPECT_EQ(seen,
            (std::vector<std::string>{"page", "part 1", "part 1", "part 1", "part 1", "part 1",
                                      "part 2", "part 2", "part 2", "part 2", "part 2", "part 3",
                                      "part 3", "part 3", "part 3", "part 3", "hide"}));
  EXPECT_EQ(commands, Lines{"ComicsScreen:ok"});
  EXPECT_TRUE(CurrentProfile().Flags["comics_1"]);
  EXPECT_EQ(GetCurrentMusicName(), "music_game_menu");
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

TEST_F(CComiksScreenRunTest, TheClosingComicCheersAndBringsTheMusicBackLater) {
  // Idle from about frame 20: the music 7000 ms later.
  std::string before = "-", after = "-";
  int cheers = 0;
  Run("ComicsScreen", "comics.comics_3", "frames 400\n", [&](int frame) {
    if (frame == 30) cheers = CountPlayerCalls("sound:Play Game_won 1 0.000000");
    if (frame == 360) before = GetCurrentMusicName();
    if (frame == 385) after = GetCurrentMusicName();
  });
  EXPECT_EQ(cheers, 1);
  EXPECT_EQ(before, "");
  EXPECT_EQ(after, "music_game_menu");
}

}  // namespace
