// The dialogue screen: its choices by table (the dialogue for a story progress, what leaving
// gives, a pose's place, a line's balloon), and on the real program with the sample story
// (four lines with a customer stepping up, a short line and two speakers; a question): the
// lines stepped with "next", a press while a line changes dropped, the characters kept or
// faded, the question's buttons and closing text, and the faults it does not repeat.

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "framework/engine/scene/ISprite.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/story/CDialogScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;
using Lines = std::vector<std::string>;

constexpr const char* kScreen = "DialogScreen";
constexpr const char* kLayout = "dialog.dialog_screen";

PlayerProfile WithProgress(float progress, float level = 1.0f, float place = 0.0f) {
  PlayerProfile profile;
  profile.Floats = {{ProfileFloat::StoryProgress, progress},
                    {ProfileFloat::LevelInStage, level},
                    {ProfileFloat::CurrentPlace, place}};
  return profile;
}

TEST(CDialogScreenTest, TheStoryProgressChoosesTheDialogueAndMovesOn) {
  const struct {
    PlayerProfile profile;
    int index;
    bool advance;
  } cases[] = {
      {WithProgress(0.0f), 0, true},
      {WithProgress(3.9f), 3, true},
      {WithProgress(4.0f), 4, false},  // count - 2
      {WithProgress(5.0f), 5, false},  // count - 1
      {WithProgress(8.0f), 8, false},  // past the dialogues
      {WithProgress(1.0f, 7.0f, 202.0f), 5, true},
      {WithProgress(1.0f, 7.0f, 201.0f), 1, true},
      {WithProgress(1.0f, 6.0f, 202.0f), 1, true},
  };
  for (const auto& c : cases) {
    const CDialogScreen::DialogChoice choice = CDialogScreen::ChooseDialog(c.profile, 6);
    EXPECT_EQ(choice.index, c.index) << c.profile.Floats.at(ProfileFloat::StoryProgress);
    EXPECT_EQ(choice.advance, c.advance) << c.profile.Floats.at(ProfileFloat::StoryProgress);
  }
}

TEST(CDialogScreenTest, LeavingPosesAndBalloonsByTable) {
  EXPECT_EQ(CDialogScreen::ExitResult(0, 30), "exit");
  EXPECT_EQ(CDialogScreen::ExitResult(15, 30), "remove");
  EXPECT_EQ(CDialogScreen::ExitResult(21, 30), "remove");
  EXPECT_EQ(CDialogScreen::ExitResult(28, 30), "comics");
  EXPECT_EQ(CDialogScreen::ExitResult(29, 30), "exit");
  EXPECT_EQ(CDialogScreen::ExitResult(15, 17), "comics");  // "comics" wins

  EXPECT_EQ(CDialogScreen::PlaceDigit("pose_1"), 1);
  EXPECT_EQ(CDialogScreen::PlaceDigit("stand0"), 0);
  EXPECT_EQ(CDialogScreen::PlaceDigit("wave"), -1);
  EXPECT_EQ(CDialogScreen::PlaceDigit(""), -1);

  const struct {
    const char* speaker;
    std::size_t length;
    const char* balloon;
    int margin;
  } balloons[] = {
      {"ginger", 8, "dialog.baloon_left_2", 0},    {"customer", 0, "dialog.baloon_right_2", 0},
      {"ginger", 9, "dialog.baloon_left", 75},     {"customer", 10, "dialog.baloon_right", 75},
      {"customer", 11, "dialog.baloon_right", 25}, {"gingerly", 40, "dialog.baloon_right", 25},
  };
  for (const auto& b : balloons) {
    const CDialogScreen::BalloonLook look = CDialogScreen::ChooseBalloon(b.speaker, b.length);
    EXPECT_EQ(look.balloon, b.balloon) << b.speaker << " " << b.length;
    EXPECT_EQ(look.marginX, b.margin) << b.speaker << " " << b.length;
  }
}

struct Balloon {
  std::string speaker;
  std::wstring text;
  std::string name;
  std::uint32_t colour = 0;  // of its body, RGB
};
// The balloons the screens made.
std::vector<Balloon> gBalloons;

class CProbe : public CDialogScreen {
 protected:
  AnimationPtr CreateBalloon(const std::string& speaker, const std::wstring& text) override {
    const AnimationPtr balloon = CDialogScreen::CreateBalloon(speaker, text);
    const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> body(balloon ? balloon->GetChildAt(1)
                                                                  : nullptr);
    gBalloons.push_back({speaker, text, balloon && balloon->GetName() ? balloon->GetName() : "-",
                         body ? body->GetColor() & 0xFFFFFFu : 0u});
    return balloon;
  }
};

// The profile the screen is made with.
PlayerProfile gStart;

GF::THolder<GF::IScreen> CreateProbe() {
  for (const auto& [id, value] : gStart.Floats) CurrentProfile().Floats[id] = value;
  return GF::MakeHolder<CProbe>();
}

CProbe* Top() {
  return dynamic_cast<CProbe*>(GF::HGENS::GetGameManager()->TopScreen().Get());
}

// The dialogue's scene, and a place of it.
AnimationPtr Scene() {
  CProbe* probe = Top();
  return probe && probe->GetLayout()
             ? GF::HGENS::FindSubstitutedPart(*probe->GetLayout(), "_pers_place")
             : AnimationPtr();
}

AnimationPtr InPlace(const char* place, int index) {
  const AnimationPtr scene = Scene();
  const ContainerPtr host(scene ? scene->FindDrawable(place) : nullptr);
  return host ? host->GetSubstitutedAnimation(index) : AnimationPtr();
}

bool Enabled(const char* name) {
  const GF::THolder<GF::HGENS::CBaseControl> control = Top()->GetControl(name);
  return control && control->IsEnabled();
}

// A click on a button of the shelf, pressed in frame `at`.
std::string Click(int at, int x) {
  return "@" + std::to_string(at - 1) + " move " + std::to_string(x) + " 568\n@" +
         std::to_string(at) + " buttondown 1\n@" + std::to_string(at + 1) + " buttonup 1\n";
}
constexpr int kSkipX = 110, kYesX = 305, kNextX = 690;
// A press while the second line comes in.
constexpr int kDroppedPress = 95;

class CDialogScreenRunTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    testScreens = {{kScreen, CreateProbe}};
    reopens = [](const std::string&) { return true; };
    gStart = WithProgress(0.0f);
    gBalloons.clear();
  }

  // The commands of the dialogue, without those of the screens after it.
  Lines DialogCommands() const {
    Lines own;
    for (const std::string& command : commands)
      if (command.starts_with("DialogScreen:")) own.push_back(command);
    return own;
  }
};

TEST_F(CDialogScreenRunTest, TheProgressShowsItsDialogueAndMovesOnBelowTheClosingPair) {
  // The sample has four dialogues: the closing pair is 2 and 3.
  const struct {
    PlayerProfile start;
    const char* scene;
    float progress;
  } cases[] = {
      {WithProgress(0.0f), "stage1_start", 1.0f},
      {WithProgress(1.0f), "stage1_contest", 2.0f},
      {WithProgress(2.0f), "final_win", 2.0f},
      {WithProgress(3.0f), "final_second", 3.0f},
      {WithProgress(0.0f, 7.0f, 202.0f), "final_second", 1.0f},
  };
  for (const auto& c : cases) {
    gStart = c.start;
    std::string scene = "-";
    Run(kScreen, kLayout, "frames 5\n", [&](int frame) {
      const AnimationPtr shown = Scene();
      if (frame == 5 && shown && shown->GetName()) scene = shown->GetName();
    });
    EXPECT_EQ(scene, c.scene);
    EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::StoryProgress], c.progress) << c.scene;
  }
}

TEST_F(CDialogScreenRunTest, AProgressPastTheDialoguesShowsNothingAndLeaves) {
  gStart = WithProgress(4.0f);
  bool scene = true;
  Run(kScreen, kLayout, "frames 40\n" + Click(20, kNextX), [&](int frame) {
    if (frame == 10) scene = static_cast<bool>(Scene());
  });
  EXPECT_FALSE(scene);
  EXPECT_EQ(DialogCommands(), Lines{"DialogScreen:exit"});
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

// What the four-line dialogue shows frame by frame.
struct Watch {
  AnimationPtr ginger, customer;
  int customers = 0;
  bool busy = false;
};

TEST_F(CDialogScreenRunTest, FourLinesStepOnNextAndAPressDuringAChangeIsDropped) {
  std::vector<Watch> frames(1);
  std::string script = "frames 330\n" + Click(40, kNextX) + Click(kDroppedPress, kNextX) +
                       Click(150, kNextX) + Click(220, kNextX) + Click(300, kNextX);
  Run(kScreen, kLayout, script, [&](int) {
    CProbe* probe = Top();
    Watch watch;
    if (probe && probe->GetLayout()) {
      watch.ginger = InPlace("_ginger", 0);
      watch.customer =
          InPlace("_pers_place_1", 1) ? InPlace("_pers_place_1", 1) : InPlace("_pers_place_1", 0);
      while (InPlace("_pers_place_1", watch.customers)) ++watch.customers;
      watch.busy = static_cast<bool>(probe->GetTail());
    }
    frames.push_back(watch);
  });
  ASSERT_GE(frames.size(), 300u);
  EXPECT_EQ(DialogCommands(), (Lines{"DialogScreen:", "DialogScreen:", "DialogScreen:",
                                     "DialogScreen:", "DialogScreen:exit"}));
  // The dropped press came while the second line was still coming in.
  EXPECT_TRUE(frames[kDroppedPress + 1].busy);
  // The cook keeps her place on the second line; the customer steps up: a new figure that
  // fades in while the old one fades out.
  EXPECT_EQ(frames[35].ginger, frames[140].ginger);
  EXPECT_NE(frames[35].customer, frames[140].customer);
  EXPECT_EQ(frames[140].customers, 1);
  // Until it has faded out the old figure shares the place with the new one.
  EXPECT_EQ(frames[60].customers, 2);
  EXPECT_EQ(frames[100].customers, 1);

  // One balloon per speaker and line; both speakers of the last line say its text.
  // Tinted in the speakers' colours.
  constexpr std::uint32_t kGinger = 0xFFE9B8, kCustomer = 0xCFE8FF;
  const Balloon expected[] = {
      {"ginger", L"Welcome to my diner!", "baloon_left", kGinger},
      {"customer", L"Pancakes with syrup, please!", "baloon_right", kCustomer},
      {"ginger", L"Right up", "baloon_left_2", kGinger},
      {"ginger", L"Have a nice day!", "baloon_left", kGinger},
      {"customer", L"Have a nice day!", "baloon_right", kCustomer},
  };
  ASSERT_EQ(gBalloons.size(), std::size(expected));
  for (std::size_t i = 0; i < gBalloons.size(); ++i) {
    EXPECT_EQ(gBalloons[i].speaker, expected[i].speaker) << i;
    EXPECT_EQ(gBalloons[i].text, expected[i].text) << i;
    EXPECT_EQ(gBalloons[i].name, expected[i].name) << i;
    EXPECT_EQ(gBalloons[i].colour, expected[i].colour) << i;
  }
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

TEST_F(CDialogScreenRunTest, AQuestionEndsOnYesAndNoWithItsClosingText) {
  gStart = WithProgress(1.0f);
  std::vector<bool> first, last;
  std::wstring text;
  Run(kScreen, kLayout, "frames 170\n" + Click(40, kNextX) + Click(150, kYesX), [&](int frame) {
    const std::vector<const char*> buttons = {"next", "skip", "yes", "no"};
    if (frame == 30)
      for (const char* name : buttons) first.push_back(Enabled(name));
    if (frame == 140) {
      for (const char* name : buttons) last.push_back(Enabled(name));
      text = *Top()->GetLayout()->GetText("_text");
    }
  });
  EXPECT_EQ(first, (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(last, (std::vector<bool>{false, false, true, true}));
  EXPECT_EQ(text, L"Will you enter the contest?");
  EXPECT_EQ(DialogCommands(), (Lines{"DialogScreen:", "DialogScreen:yes"}));
}

TEST_F(CDialogScreenRunTest, ALineWithoutSpeakersPosesWithoutDigitsAndAColourlessSpeakerPass) {
  // The customer's pose has no place digit (so she never stays), nobody speaks on the second
  // line, and on the third she speaks with no pose and no colour of her own.
  onCreated = [](GF::IScreen&) {
    DialogRecords[0].Entries = {
        {{{"ginger", "pose_1", true}, {"customer", "wave", false}}},
        {{{"ginger", "pose_1", false}, {"customer", "wave", false}}},
        {{{"customer", "", true}}},
    };
    DialogNameTable.erase("customer");
  };
  int customersOnSecond = 0;
  Run(kScreen, kLayout, "frames 250\n" + Click(40, kNextX) + Click(150, kNextX), [&](int frame) {
    if (frame == 50)
      while (InPlace("_pers_place_1", customersOnSecond)) ++customersOnSecond;
  });
  EXPECT_EQ(customersOnSecond, 2);
  ASSERT_EQ(gBalloons.size(), 2u);
  EXPECT_EQ(gBalloons[1].speaker, "customer");
  EXPECT_EQ(gBalloons[1].text, L"Right up");
  EXPECT_EQ(gBalloons[1].colour, 0xFFFFFFu);
  EXPECT_EQ(DialogNameTable.count("customer"), 0u);
}

TEST_F(CDialogScreenRunTest, ACustomerBackAfterALineAwayComesInAnew) {
  // Away on the second line, back at the same place digit on the third: she did not stand
  // on the line before, so she comes in as a new figure instead of keeping the one that left.
  onCreated = [](GF::IScreen&) {
    DialogRecords[0].Entries = {
        {{{"ginger", "pose_1", true}, {"customer", "pose_2", false}}},
        {{{"ginger", "pose_2", true}}},
        {{{"ginger", "pose_1", false}, {"customer", "pose_2", true}}},
    };
  };
  AnimationPtr first, away, back;
  Run(kScreen, kLayout, "frames 250\n" + Click(40, kNextX) + Click(150, kNextX), [&](int frame) {
    if (frame == 30) first = InPlace("_pers_place_1", 0);
    if (frame == 140) away = InPlace("_pers_place_1", 0);
    if (frame == 240) back = InPlace("_pers_place_1", 0);
  });
  ASSERT_TRUE(first);
  EXPECT_FALSE(away);
  ASSERT_TRUE(back);
  EXPECT_NE(back, first);
  EXPECT_FLOAT_EQ(back->GetOpacity(), 1.0f);
}

TEST_F(CDialogScreenRunTest, NextDialogMovesTheProgressOnAndGoesOnWhileDialoguesRemain) {
  // The progress after the screen's own step, then "next_dialog"'s.
  const struct {
    float start;
    const char* command;
    float progress;
  } cases[] = {
      {0.0f, "DialogScreen:next", 2.0f},
      {2.0f, "DialogScreen:next", 3.0f},
      {3.0f, "DialogScreen:exit", 4.0f},
  };
  for (const auto& c : cases) {
    gStart = WithProgress(c.start);
    commands.clear();
    float progress = -1.0f;
    Run(kScreen, kLayout, "frames 30\n", [&progress](int frame) {
      if (frame == 20) Top()->GoTo("next_dialog", GF::IScreen::kUsualFlags);
      if (frame == 21) progress = CurrentProfile().Floats[ProfileFloat::StoryProgress];
    });
    const Lines own = DialogCommands();
    ASSERT_FALSE(own.empty()) << c.start;
    EXPECT_EQ(own.front(), c.command) << c.start;
    EXPECT_EQ(progress, c.progress) << c.start;
  }
}

}  // namespace
