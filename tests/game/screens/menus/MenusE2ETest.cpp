// The menu screens end to end on the game's application, headless, in frames of 20 ms, on the
// sample content and its flow rules. The manual is opened from the title, turned to its last
// page and closed onto the title; the high scores are opened from the title and closed with
// Escape; the extras menu, opened by the start rule, glides its bar to "credits" under the
// mouse, opens the credits on a click and comes back on Escape. Shots along the way, checked
// at a few pixels; PANMASTER_SHOTS keeps them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/menus/MenuScreensTest.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/ReplayShot.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

using Lines = std::vector<std::string>;
using pm::test::ClickAt;
using pm::test::KeyAt;
using pm::test::Shot;

struct ShotAt {
  int frame;
  const char* file;
};

std::string ShotScript(const std::filesystem::path& folder, std::initializer_list<ShotAt> shots) {
  std::string script;
  for (const ShotAt& shot : shots)
    script += "@" + std::to_string(shot.frame) + " shot " + (folder / shot.file).string() + "\n";
  return script;
}

// Warm, bright pixels: the highlight's glow and the yellow buttons.
bool IsGlow(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 220 && g > 150 && b < 200 && r - b > 60;
}

class MenusE2ETest : public pm::test::MenuScreensTest {
 protected:
  void ExpectNoMissingContent() {
    for (const std::string& line : log) {
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
      EXPECT_EQ(line.find("AnimationData"), std::string::npos) << line;
    }
  }
  // Shots are read through an engine of their own, started after the run.
  static std::unique_ptr<Shot> Load(pm::test::RenderSession& session,
                                    const std::filesystem::path& file) {
    auto shot = std::make_unique<Shot>(session.engine(), file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }
};

TEST_F(MenusE2ETest, TheManualTurnsToItsLastPageAndClosesOntoTheTitle) {
  const std::filesystem::path folder = ShotFolder("menus_help");
  // The title is shown from frame 31. A screen opened over another opens when the other has
  // hidden (15 frames) and is shown 15 frames later: page 1 from frame 74 on, each next page
  // 30 frames after the click that asked for it, the title again 45 frames after the last.
  onCreated = [](GF::IScreen&) { NamePlayer(); };
  const std::string script =
      "frames 270\n" + ClickAt(40 + 2, 270, 434) + ClickAt(85 + 2, 630, 472) +
      ClickAt(125 + 2, 630, 472) + ClickAt(165 + 2, 630, 472) + ClickAt(205 + 2, 630, 472) +
      ShotScript(
          folder,
          {{35, "title.png"}, {80, "page_1.png"}, {200, "page_4.png"}, {265, "title_again.png"}});
  std::map<int, std::string> seen;
  Run(pm::test::kTitle, pm::test::kTitleLayout, script, [&seen](int frame) {
    if (frame % 40 == 0 && frame <= 200)
      seen[frame] = TopName() + " " + NameOf(TopPart("_help_place"));
    if (frame == 265) seen[frame] = TopName();
  });
  EXPECT_EQ(seen, (std::map<int, std::string>{{40, "SplashScreen "},
                                              {80, "HelpScreen help_1"},
                                              {120, "HelpScreen help_2"},
                                              {160, "HelpScreen help_3"},
                                              {200, "HelpScreen help_4"},
                                              {265, "SplashScreen"}}));
  // "next" on the last page leaves with "exit", whose rule sends "back" at once: the
  // announcement of "exit" is heard here after that, with the result "back".
  EXPECT_EQ(commands, (Lines{"SplashScreen:help", "HelpScreen:next", "HelpScreen:next",
                             "HelpScreen:next", "HelpScreen:back", "HelpScreen:back"}));
  EXPECT_EQ(closed.back(), "HelpScreen:back");
  ExpectNoMissingContent();

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto title = Load(session, folder / "title.png");
  const auto first = Load(session, folder / "page_1.png");
  const auto last = Load(session, folder / "page_4.png");
  const auto again = Load(session, folder / "title_again.png");
  // The board covers the middle of the title; closed, the title is as it was, below the
  // cursor's first place (top left) and above the hint it calls up.
  EXPECT_GT(first->CountDifferences(*title, 200, 150, 600, 450), 100000);
  EXPECT_EQ(again->CountDifferences(*title, 0, 40, 800, 420), 0);
  // Each page has a picture of its own; page 1 hides "prev" and page 4 shows it.
  EXPECT_GT(last->CountDifferences(*first, 260, 160, 540, 330), 5000);
  EXPECT_GT(last->CountDifferences(*first, 140, 440, 200, 500), 1000);
}

TEST_F(MenusE2ETest, TheHighScoresShowEightCompetitorsAndEscapeReturns) {
  const std::filesystem::path folder = ShotFolder("menus_scores");
  onCreated = [](GF::IScreen& screen) {
    NamePlayer();
    if (screen.GetName() != "HighScoreScreen") return;
    CurrentProfile().LevelRecords["stage1_1"].Scores = {{0, 80.0f}, {3, 120.0f}, {6, 150.0f}};
    CurrentProfile().LevelRecords["stage1_2"].Scores = {{1, 45.5f}, {6, 30.0f}, {7, 99.9f}};
  };
  // The title's "Best cooks" button, then Escape once the table is shown.
  const std::string script =
      "frames 150\n" + ClickAt(40 + 2, 530, 372) + KeyAt(90, 0x1B) +
      ShotScript(folder, {{35, "title.png"}, {80, "scores.png"}, {145, "title_again.png"}});
  std::vector<std::string> rows;
  std::string back;
  Run(pm::test::kTitle, pm::test::kTitleLayout, script, [&rows, &back](int frame) {
    if (frame == 145) back = TopName();
    if (frame != 80) return;
    const GF::IAnimation::AnimationPtr table = TopPart("_text");
    for (int r = 1; table && r <= 8; ++r) {
      const std::string n = std::to_string(r);
      const std::wstring* name = table->GetText("_text_" + n);
      const std::wstring* total = table->GetText("_num_" + n);
      const auto face = GF::HGENS::FindSubstitutedPart(*table, "_icon_" + n);
      rows.push_back(std::string(name->begin(), name->end()) + " " +
                     std::string(total->begin(), total->end()) + " " + NameOf(face));
    }
  });
  EXPECT_EQ(rows, (Lines{"You 180 pers_6", "Olaf 120 pers_3", "Greta 99 pers_7", "Rosa 80 pers_0",
                         "Marcel 45 pers_1", "Hana 0 pers_2", "Priya 0 pers_4", "Tomas 0 pers_5"}));
  EXPECT_EQ(commands, (Lines{"SplashScreen:score", "HighScoreScreen:back"}));
  EXPECT_EQ(back, pm::test::kTitle);
  ExpectNoMissingContent();

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto title = Load(session, folder / "title.png");
  const auto scores = Load(session, folder / "scores.png");
  const auto again = Load(session, folder / "title_again.png");
  EXPECT_EQ(again->CountDifferences(*title, 0, 40, 800, 340), 0);  // as above
  // Eight rows, each with its portrait on the left and dark lettering.
  for (int r = 0; r < 8; ++r) {
    const int y = 154 + r * 40;
    EXPECT_GT(scores->CountDifferences(*title, 215, y - 12, 245, y + 12), 300) << r;
    EXPECT_GT(scores->Count(270, y - 10, 380, y + 10, 90, true), 20) << r;
    EXPECT_GT(scores->Count(560, y - 10, 620, y + 10, 90, true), 10) << r;
  }
}

TEST_F(MenusE2ETest, TheExtrasBarFollowsTheMouseAndTheCreditsCloseOnEscape) {
  const std::filesystem::path folder = ShotFolder("menus_extras");
  const int credits = kExtrasButtonY[3];
  // The menu is shown at frame 16, the credits 15 frames after the click has hidden it.
  const std::string script = "frames 130\n@20 move 400 " + std::to_string(credits) + "\n" +
                             ClickAt(40 + 2, 400, credits) + KeyAt(90, 0x1B) +
                             ShotScript(folder, {{18, "extras.png"},
                                                 {35, "bar_on_credits.png"},
                                                 {85, "credits.png"},
                                                 {125, "extras_again.png"}});
  std::map<int, std::string> seen;
  Run("MainMenuScreen", kExtrasLayout, script, [&seen](int frame) {
    if (frame == 35 || frame == 85 || frame == 125) seen[frame] = TopName();
  });
  EXPECT_EQ(seen, (std::map<int, std::string>{
                      {35, "MainMenuScreen"}, {85, "CreditsScreen"}, {125, "MainMenuScreen"}}));
  EXPECT_EQ(commands, (Lines{"MainMenuScreen:credits", "CreditsScreen:back"}));
  ExpectNoMissingContent();

  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto before = Load(session, folder / "extras.png");
  const auto bar = Load(session, folder / "bar_on_credits.png");
  const auto creditsShot = Load(session, folder / "credits.png");
  const auto again = Load(session, folder / "extras_again.png");
  // The glow shows beside the button under it: first on "settings", then on "credits".
  const int settings = kExtrasButtonY[0];
  EXPECT_TRUE(IsGlow(before->At(280, settings)));
  EXPECT_FALSE(IsGlow(before->At(280, credits)));
  EXPECT_TRUE(IsGlow(bar->At(280, credits)));
  EXPECT_FALSE(IsGlow(bar->At(280, settings)));
  // The credits board covers the menu; back again, the menu is as the bar left it (the glow
  // pulses, so only the board's top is compared whole).
  EXPECT_GT(creditsShot->CountDifferences(*bar, 150, 150, 650, 450), 100000);
  EXPECT_EQ(again->CountDifferences(*bar, 0, 0, 800, 150), 0);
  EXPECT_TRUE(IsGlow(again->At(280, credits)));
}

}  // namespace
