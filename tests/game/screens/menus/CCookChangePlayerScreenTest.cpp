// The player list on the real program, with the sample flow rules: which player leaving
// makes current, a removal answered yes or no, a player created from the list, and a list
// without names. The list's rows stand at y = 230, 260, ... on the screen; its buttons "new",
// "ok" and "remove" at y = 430.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/menus/CCookChangePlayerScreen.h"
#include "tests/game/screens/menus/MenuScreenTest.h"

namespace {

using namespace pm::test;
using Lines = std::vector<std::string>;
using Names = std::vector<std::wstring>;

constexpr int kSecondRowY = 260;
constexpr int kRowX = 300;
constexpr int kButtonsY = 430;
constexpr int kNewX = 225, kOkX = 400, kRemoveX = 575;

// Counts the list's rebuilds (each clear and each added row).
struct ListChanges {
  int count = 0;
  void On(GF::THolder<GF::HGENS::CBaseControl>) { ++count; }
};

class CCookChangePlayerScreenTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    RecordGameSounds();
  }

  // The players A and B, A current, when the list is made.
  void WithPlayersAAndB() {
    onCreated = [](GF::IScreen& screen) {
      if (screen.GetName() != "ChangePlayerScreen") return;
      AddPlayer(L"A");
      AddPlayer(L"B");
      SelectPlayer(L"A");
    };
  }

  static CCookChangePlayerScreen* List() { return TopAs<CCookChangePlayerScreen>(); }
  static Names Rows() {
    Names rows;
    if (CCookChangePlayerScreen* list = List())
      for (int i = 0; i < list->GetPlayerList()->GetItemCount(); ++i)
        rows.push_back(list->GetPlayerList()->ItemAt(i));
    return rows;
  }
};

// B is chosen in the list; Escape leaves without taking it, Enter and "ok" take it.
TEST_F(CCookChangePlayerScreenTest, EscapeLeavesTheCurrentPlayerEnterAndOkTakeTheChosenOne) {
  struct Case {
    const char* way;
    std::string input;
    const wchar_t* current;
  };
  const Case cases[] = {
      {"Escape", KeyAt(40, kVkEscape), L"A"},
      {"Enter", KeyAt(40, kVkEnter), L"B"},
      {"ok", ClickAt(40, kOkX, kButtonsY), L"B"},
  };
  for (const Case& c : cases) {
    WithPlayersAAndB();
    closed.clear();
    Names before;
    Run("ChangePlayerScreen", kPlayersLayout,
        "frames 70\n" + ClickAt(30, kRowX, kSecondRowY) + c.input, [&](int frame) {
          if (frame == 20) before = Rows();
        });
    EXPECT_EQ(before, (Names{L"A", L"B"})) << c.way;
    EXPECT_EQ(GameProgress.CurrentPlayer, c.current) << c.way;
    EXPECT_EQ(closed, Lines{"ChangePlayerScreen:back"}) << c.way;
  }
}

// "remove" on B makes B current at once; "yes" removes B and A, the first name left, is
// current. A player made from the list then comes back to it as the current one.
TEST_F(CCookChangePlayerScreenTest, ARemovalAnsweredYesRemovesThePlayerAndANewOneIsListed) {
  WithPlayersAAndB();
  const std::string script = "frames 210\n" + ClickAt(30, kRowX, kSecondRowY) +
                             ClickAt(40, kRemoveX, kButtonsY) + KeyAt(80, kVkEnter) +
                             ClickAt(120, kNewX, kButtonsY) + At(160, "text Qrs") +
                             KeyAt(165, kVkEnter);
  std::wstring atOnce;
  Names afterRemoval, afterNew;
  std::wstring currentAfterRemoval;
  int selectedAfterNew = -1;
  Run("ChangePlayerScreen", kPlayersLayout, script, [&](int frame) {
    if (frame == 41) atOnce = GameProgress.CurrentPlayer;
    if (frame == 115) {
      afterRemoval = Rows();
      currentAfterRemoval = GameProgress.CurrentPlayer;
    }
    if (frame == 205 && List()) {
      afterNew = Rows();
      selectedAfterNew = List()->GetPlayerList()->GetSelected();
    }
  });
  EXPECT_EQ(atOnce, L"B");
  EXPECT_EQ(afterRemoval, Names{L"A"});
  EXPECT_EQ(currentAfterRemoval, L"A");
  EXPECT_EQ(GetPlayerNames(), (Names{L"A", L"Qrs"}));
  EXPECT_EQ(afterNew, (Names{L"A", L"Qrs"}));
  EXPECT_EQ(selectedAfterNew, 1);
  EXPECT_EQ(GameProgress.CurrentPlayer, L"Qrs");
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::Value30], "");
}

// Any other answer brings A back; the same names keep their rows.
TEST_F(CCookChangePlayerScreenTest, ARemovalAnsweredNoBringsTheEarlierPlayerBack) {
  WithPlayersAAndB();
  const std::string script = "frames 130\n" + ClickAt(30, kRowX, kSecondRowY) +
                             ClickAt(40, kRemoveX, kButtonsY) + KeyAt(80, kVkEscape);
  ListChanges changes;
  int changesAfterAnswer = -1;
  std::wstring atOnce;
  Run("ChangePlayerScreen", kPlayersLayout, script, [&](int frame) {
    if (frame == 20)
      List()->GetPlayerList()->listChangedEvent.Subscribe(
          GF::MakeDelegate(&changes, &ListChanges::On));
    if (frame == 41) atOnce = GameProgress.CurrentPlayer;
    if (frame == 120) changesAfterAnswer = changes.count;
  });
  EXPECT_EQ(atOnce, L"B");
  EXPECT_EQ(GameProgress.CurrentPlayer, L"A");
  EXPECT_EQ(GetPlayerNames(), (Names{L"A", L"B"}));
  EXPECT_EQ(changesAfterAnswer, 0);
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::Value30], "");
}

// Without names only "new" leaves: Enter, Escape, "ok" and "remove" do nothing.
TEST_F(CCookChangePlayerScreenTest, AnEmptyListLeavesOnlyByNew) {
  const std::string script = "frames 110\n" + KeyAt(30, kVkEnter) + KeyAt(34, kVkEscape) +
                             ClickAt(40, kOkX, kButtonsY) + ClickAt(50, kRemoveX, kButtonsY) +
                             ClickAt(90, kNewX, kButtonsY);
  bool okEnabled = true, removeEnabled = true;
  Run("ChangePlayerScreen", kPlayersLayout, script, [&](int frame) {
    if (frame != 80 || !List()) return;
    okEnabled = List()->GetOkButton()->IsEnabled();
    removeEnabled = List()->GetRemoveButton()->IsEnabled();
  });
  EXPECT_FALSE(okEnabled);
  EXPECT_FALSE(removeEnabled);
  EXPECT_EQ(commands, Lines{"ChangePlayerScreen:new_player"});
}

}  // namespace
