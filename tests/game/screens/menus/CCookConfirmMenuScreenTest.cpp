// The game's question dialog on the real program and the sample content, started as the
// first screen under "confirm_screen" in the framework's question layout; the player is
// "Abc". Sound number 2 of the sample data is "click".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/engine/resources/TextTable.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/menus/CCookConfirmMenuScreen.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tools/content/SampleResources.h"

namespace {

using Lines = std::vector<std::string>;
using pm::test::CountPlayerCalls;

constexpr const char* kQuestion = "confirm_screen";
constexpr const char* kLayout = "main_menu.confirm_screen";
const std::string kClick = "sound:Play click 1 0.000000";

GF::HGENS::CConfirmMenuScreen* Question() {
  return dynamic_cast<GF::HGENS::CConfirmMenuScreen*>(
      GF::HGENS::GetGameManager()->TopScreen().Get());
}

// The sample texts and the test's own, after them.
void UseTexts(const std::vector<std::pair<std::string, std::u16string>>& extra) {
  std::vector<std::uint8_t> bytes = MakeSampleTextTable();
  const auto line = [&bytes](const std::u16string& text) {
    for (char16_t unit : text + u"\r\n") {
      bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
  };
  for (const auto& [key, text] : extra) {
    line(std::u16string(key.begin(), key.end()));
    line(u"00000000" + text);
  }
  GF::HGENS::TextTable::Instance().Parse(bytes.data(), bytes.size());
}

// Levels "L2", "L6" and "L7" of stages 2, 6 and 7.
void AddLevels() {
  for (int stage : {2, 6, 7}) {
    const std::string stageKey = "replay_stage" + std::to_string(stage);
    StageTable[stageKey] = StageDescription{0, 5, stage, stageKey};
    LevelTable["L" + std::to_string(stage)].StageKey = stageKey;
  }
}

class CCookConfirmMenuScreenTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
    onCreated = [](GF::IScreen&) {
      GameProgress.CurrentPlayer = L"Abc";
      CurrentProfile();
    };
  }
};

TEST_F(CCookConfirmMenuScreenTest, LinesShowTheirTextsAndTheFirstNameMarkGreetsThePlayer) {
  Lines texts;
  std::vector<bool> shown;
  onCreated = [](GF::IScreen&) {
    GameProgress.CurrentPlayer = L"Abc";
    CurrentProfile();
    UseTexts({{"q_01", u"Hello _name, _name!"}, {"q_03", u"Third"}});
  };
  Run(kQuestion, kLayout, "frames 12\n", [&](int frame) {
    if (frame != 10 || !Question()) return;
    Question()->SetQuestion("q");
    const GF::IAnimation::AnimationPtr layout = Question()->GetLayout();
    for (const char* part : {"_phrase_1", "_phrase_2", "_phrase_3"}) {
      const std::wstring* text = layout->GetText(part);
      texts.push_back(text ? std::string(text->begin(), text->end()) : "-");
      shown.push_back(layout->FindDrawable(part)->IsShown());
    }
  });
  EXPECT_EQ(texts[0], "Hello Abc, _name!");
  EXPECT_EQ(texts[2], "Third");
  EXPECT_EQ(shown, (std::vector<bool>{true, false, true}));
}

TEST_F(CCookConfirmMenuScreenTest, AYesToReplayingAPassedLevelMakesItTheNextOne) {
  struct Case {
    const char* level;
    std::int32_t best;  // 0: no record
    const char* question;
    const char* answer;
    bool replays;
  };
  const Case cases[] = {
      {"L2", 3, "replay", "yes", true},  {"L2", 1, "replay", "yes", true},
      {"L2", 4, "replay", "yes", false}, {"L2", 0, "replay", "yes", false},
      {"L6", 2, "replay", "yes", true},  {"L6", 3, "replay", "yes", false},
      {"L7", 1, "replay", "yes", false}, {"L2", 3, "replay", "no", false},
      {"L2", 3, "other", "yes", false},
  };
  std::vector<bool> replays;
  std::vector<bool> recorded;
  Run(kQuestion, kLayout, "frames 12\n", [&](int frame) {
    if (frame != 10 || !Question()) return;
    AddLevels();
    for (const Case& c : cases) {
      PlayerProfile& profile = CurrentProfile();
      profile.Strings[ProfileString::CurrentLevelKey] = c.level;
      profile.Strings[ProfileString::Value30] = c.question;
      profile.Strings[ProfileString::LevelKeyOverride].clear();
      profile.LevelRecords.clear();
      if (c.best) profile.LevelRecords[c.level].BestPlace = c.best;
      Question()->GoTo(c.answer, GF::IScreen::kUsualFlags);
      replays.push_back(profile.Strings[ProfileString::LevelKeyOverride] == c.level);
      recorded.push_back(profile.LevelRecords.contains(c.level));
    }
  });
  std::vector<bool> expected;
  for (const Case& c : cases) expected.push_back(c.replays);
  EXPECT_EQ(replays, expected);
  // Asking about a level without a record adds none.
  EXPECT_FALSE(recorded[3]);
  EXPECT_EQ(CountPlayerCalls(kClick), static_cast<int>(std::size(cases)));
}

TEST_F(CCookConfirmMenuScreenTest, EachAnswerClicksOnce) {
  for (const auto& [key, answer] : {std::pair{"0x0D", "yes"}, std::pair{"0x1B", "no"}}) {
    SCOPED_TRACE(answer);
    pm::test::PlayerCalls().clear();
    closed.clear();
    Run(kQuestion, kLayout,
        std::string("frames 60\n@30 keydown ") + key + "\n@31 keyup " + key + "\n");
    EXPECT_EQ(closed, Lines{std::string(kQuestion) + ":" + answer});
    EXPECT_EQ(CountPlayerCalls(kClick), 1);
  }
}

}  // namespace
