// The title screen on the real program and the sample content: "main_menu.title" is its
// layout; without a curtain request it opens at once and its "_show" takes 600 ms
// (30 frames). The quit button's middle is (530, 434).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/menus/CSplashScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kTitle = "SplashScreen";
constexpr const char* kLayout = "main_menu.title";
const Lines kButtons = {"options", "help", "hight_score", "play", "new_player", "quit"};

CSplashScreen* Title() {
  return dynamic_cast<CSplashScreen*>(GF::HGENS::GetGameManager()->TopScreen().Get());
}

void NamePlayer(GF::IScreen&) {
  GameProgress.CurrentPlayer = L"Abc";
  CurrentProfile();
}

class CSplashScreenTest : public pm::test::GameScreenTest {
 protected:
  // The lines of the log that are one typed letter, joined.
  std::string LoggedLetters() const {
    std::string letters;
    for (const std::string& line : log)
      if (line.size() == 1 && line[0] >= 'a' && line[0] <= 'z') letters += line;
    return letters;
  }
};

TEST_F(CSplashScreenTest, PlayLeadsToTheComicsWhileTheStoryAsksForThem) {
  struct Case {
    const char* flags;  // the comics flags set
    float stage;
    const char* result;
  };
  const Case cases[] = {
      {"", 1.0f, "comics"},       {"comics_2", 4.0f, "comics"}, {"comics_1", 4.0f, "comics"},
      {"comics_1", 3.0f, "play"}, {"comics_1", 5.0f, "play"},   {"comics_1 comics_2", 4.0f, "play"},
  };
  onCreated = NamePlayer;
  Lines results;
  Run(kTitle, kLayout, "frames 12\n", [&](int frame) {
    if (frame != 10 || !Title()) return;
    for (const Case& c : cases) {
      PlayerProfile& profile = CurrentProfile();
      profile.Flags.clear();
      for (const char* flag : {"comics_1", "comics_2"})
        if (std::string(c.flags).find(flag) != std::string::npos) profile.Flags[flag] = true;
      profile.Floats[ProfileFloat::StageNumber] = c.stage;
      Title()->GoTo("play", GF::IScreen::kUsualFlags);
      results.push_back(Title()->GetResult());
    }
  });
  Lines expected;
  for (const Case& c : cases) expected.push_back(c.result);
  EXPECT_EQ(results, expected);
}

TEST_F(CSplashScreenTest, DialogStartsTheStoryAgainOnceItHasRunThrough) {
  const std::size_t dialogues = MakeSampleGameData().DialogRecords.size();
  ASSERT_GT(dialogues, 0u);
  const std::pair<float, float> cases[] = {
      {static_cast<float>(dialogues), 0.0f},
      {static_cast<float>(dialogues + 1), 0.0f},
      {static_cast<float>(dialogues - 1), static_cast<float>(dialogues - 1)},
  };
  onCreated = NamePlayer;
  std::vector<float> after;
  Lines results;
  Run(kTitle, kLayout, "frames 12\n", [&](int frame) {
    if (frame != 10 || !Title()) return;
    for (const auto& [story, expected] : cases) {
      CurrentProfile().Floats[ProfileFloat::StoryProgress] = story;
      Title()->GoTo("dialog", GF::IScreen::kUsualFlags);
      after.push_back(CurrentProfile().Floats[ProfileFloat::StoryProgress]);
      results.push_back(Title()->GetResult());
    }
  });
  EXPECT_EQ(after, (std::vector<float>{0.0f, 0.0f, cases[2].second}));
  EXPECT_EQ(results, (Lines{"dialog", "dialog", "dialog"}));
}

TEST_F(CSplashScreenTest, ANamedPlayerSeesTheNameAndTheQuitButtonPublishesBack) {
  onCreated = NamePlayer;
  std::wstring name;
  int enabled = 0;
  bool ribbon = false;
  Run(kTitle, kLayout, "frames 60\n@40 move 530 434\n@42 buttondown 1\n@43 buttonup 1\n",
      [&](int frame) {
        if (frame != 35 || !Title()) return;
        const GF::IAnimation::AnimationPtr layout = Title()->GetLayout();
        const GF::IAnimation::AnimationPtr button =
            GF::HGENS::FindSubstitutedPart(*layout, "_item_new_player");
        if (button && button->GetText("_text")) name = *button->GetText("_text");
        for (const std::string& control : kButtons)
          enabled += Title()->GetControl(control)->IsEnabled();
        const GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer> place(
            layout->GetDrawable(10));
        ribbon = place && place->FindSubstitutedAnimation("lenta");
      });
  EXPECT_EQ(name, L"Abc");
  EXPECT_EQ(enabled, 6);
  EXPECT_TRUE(ribbon);
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.front(), "SplashScreen:back");
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

TEST_F(CSplashScreenTest, WithoutAPlayerTheButtonsAreOffAndTheFirstIdleFrameAsksForOne) {
  int enabled = -1;
  int shownAt = 0;
  int leftAt = 0;
  Run(kTitle, kLayout, "frames 60\n", [&](int frame) {
    CSplashScreen* title = Title();
    if (!title) return;
    if (enabled < 0) {
      enabled = 0;
      for (const std::string& control : kButtons)
        enabled += title->GetControl(control)->IsEnabled();
    }
    if (!shownAt && title->GetLayout()->IsStopped()) shownAt = frame;
    if (!leftAt && !commands.empty()) leftAt = frame;
  });
  EXPECT_EQ(enabled, 0);
  EXPECT_EQ(commands, Lines{"SplashScreen:new_player"});
  // "_show" ends in one frame, the next one turns to "_idle", and the one after that, the
  // first idle frame, leaves.
  EXPECT_GT(shownAt, 25);
  EXPECT_EQ(leftAt, shownAt + 2);
}

TEST_F(CSplashScreenTest, LettersTypedWhileAnotherScreenIsOnTopMissTheWatcher) {
  onCreated = NamePlayer;
  std::string top;
  // "p" matches the word's first letter; the "a" typed over the exit question is lost, so
  // back on the title "a" and "n" go on with the word, each seen once.
  Run(kTitle, kLayout,
      "frames 200\n@40 text xp\n@100 text a\n@120 keydown 0x1B\n@121 keyup 0x1B\n"
      "@180 text an\n",
      [&](int frame) {
        if (frame == 50 && Title()) Title()->GoTo("back", GF::IScreen::kUsualFlags);
        if (frame == 100) top = GF::HGENS::GetGameManager()->TopScreen()->GetName();
      });
  EXPECT_EQ(top, "confirm_exit_screen");
  EXPECT_EQ(closed, (Lines{"SplashScreen:back", "confirm_exit_screen:no"}));
  EXPECT_EQ(LoggedLetters(), "pan");
}

TEST_F(CSplashScreenTest, LettersTypedAfterTheTitleHasMadeWayMissTheWatcher) {
  onCreated = NamePlayer;
  testScreens = {{"MainMenuScreen",
                  [] { return GF::THolder<GF::IScreen>(GF::MakeHolder<CCurtainScreen>()); }}};
  rules = {Rule(kTitle, "help", "MainMenuScreen", "main_menu.curtain_stage")};
  std::string top;
  Run(kTitle, kLayout, "frames 120\n@40 text p\n@100 text a\n", [&](int frame) {
    if (frame == 50 && Title()) Title()->GoTo("help", GF::IScreen::kUsualFlags);
    if (frame == 100) top = GF::HGENS::GetGameManager()->TopScreen()->GetName();
  });
  EXPECT_EQ(top, "MainMenuScreen");
  EXPECT_EQ(LoggedLetters(), "p");
}

}  // namespace
