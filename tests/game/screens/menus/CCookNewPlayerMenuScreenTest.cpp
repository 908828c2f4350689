// The new player's name on the real program: what may be typed, when "ok" and Enter work,
// the name that is made, and a name that is taken. The name field stands at (400, 280).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/screens/menus/CCookNewPlayerMenuScreen.h"
#include "tests/game/screens/menus/MenuScreenTest.h"

namespace {

using namespace pm::test;
using Lines = std::vector<std::string>;

const std::string kNameSound = "sound:Play player_list 1 0.000000";

class CCookNewPlayerMenuScreenTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    RecordGameSounds();
  }
};

TEST_F(CCookNewPlayerMenuScreenTest, TheNameDecidesOkAndEnterAndIsMadeWithoutOuterSpaces) {
  struct Case {
    const char* typed;  // a replay "text" line
    std::wstring shown;
    bool ok;  // "ok" enabled
    Lines commands;
    std::vector<std::wstring> players;
  };
  const Case cases[] = {
      {"\\s\\s\\s\\s\\s\\s\\s\\s", L"        ", false, {}, {}},
      {"\\s\\sAbc\\s\\s", L"  Abc  ", true, {"new_player_screen:back"}, {L"Abc"}},
      {"abcdefghi", L"abcdefgh", true, {"new_player_screen:back"}, {L"abcdefgh"}},
  };
  for (const Case& c : cases) {
    commands.clear();
    PlayerCalls().clear();
    std::wstring shown;
    bool ok = !c.ok;
    Run("new_player_screen", kNewPlayerLayout,
        "frames 60\n" + At(25, std::string("text ") + c.typed) + KeyAt(30, kVkEnter),
        [&](int frame) {
          auto* screen = TopAs<CCookNewPlayerMenuScreen>();
          if (frame != 28 || !screen) return;
          shown = screen->GetNameEdit()->Text();
          ok = screen->GetOkButton()->IsEnabled();
        });
    EXPECT_EQ(shown, c.shown) << c.typed;
    EXPECT_EQ(ok, c.ok) << c.typed;
    EXPECT_EQ(commands, c.commands) << c.typed;
    EXPECT_EQ(GetPlayerNames(), c.players) << c.typed;
    // Once as the screen is built, then once for every character taken.
    EXPECT_EQ(CountPlayerCalls(kNameSound), 1 + static_cast<int>(c.shown.size())) << c.typed;
  }
}

TEST_F(CCookNewPlayerMenuScreenTest, ATakenNameLeavesWithError) {
  onCreated = [](GF::IScreen& screen) {
    if (screen.GetName() == "new_player_screen") AddPlayer(L"Abc");
  };
  Run("new_player_screen", kNewPlayerLayout, "frames 60\n@25 text Abc\n" + KeyAt(30, kVkEnter));
  EXPECT_EQ(commands, Lines{"new_player_screen:error"});
  EXPECT_EQ(GetPlayerNames(), std::vector<std::wstring>{L"Abc"});
}

}  // namespace
