#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/TStaticDelegate.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::GameAppSession;
using pm::test::PlayerCalls;

// What the block looked like at each save: the current player, then every profile name.
std::vector<std::vector<std::wstring>>& Saves() {
  static std::vector<std::vector<std::wstring>> saves;
  return saves;
}

void RecordSave(GF::THolder<GF::IDataOutputStream>) {
  std::vector<std::wstring> state{L"current=" + GameProgress.CurrentPlayer};
  for (const auto& entry : GameProgress.Players) state.push_back(entry.first);
  Saves().push_back(state);
}

class PlayerProfilesTest : public ::testing::Test {
 protected:
  PlayerProfilesTest() {
    Saves().clear();
    GF::HGENS::GetGameManager()->SaveSettingsEvent().Subscribe(GF::MakeDelegate(&RecordSave));
  }

  // Profiles of the names, each with a float 50 to tell it apart; current is selected.
  static void MakePlayers(const std::vector<std::wstring>& names, const std::wstring& current) {
    for (const std::wstring& name : names) {
      GameProgress.Players[name].Name = name;
      GameProgress.Players[name].Floats[50] = 1.0f;
    }
    GameProgress.CurrentPlayer = current;
  }

  GameAppSession session;
};

TEST_F(PlayerProfilesTest, CurrentProfileOfAnEmptyBlockIsTheDefaultProfile) {
  PlayerProfile& profile = CurrentProfile();
  EXPECT_EQ(GameProgress.Players.size(), 1u);
  EXPECT_EQ(&profile, FindProfile(L""));
  // Reading a missing id creates it.
  EXPECT_EQ(profile.Floats[ProfileFloat::StageNumber], 0.0f);
  EXPECT_EQ(profile.Strings[ProfileString::LastScreen], "");
  EXPECT_EQ(profile.Floats.size(), 1u);
  EXPECT_EQ(FindProfile(L"nobody"), nullptr);
}

TEST_F(PlayerProfilesTest, PlayerNamesAreSortedWithoutTheDefaultProfile) {
  MakePlayers({L"", L"zed", L"Ann", L"\u0416"}, L"");
  EXPECT_EQ(GetPlayerNames(), (std::vector<std::wstring>{L"Ann", L"zed", L"\u0416"}));
}

TEST_F(PlayerProfilesTest, AddPlayerCopiesTheDefaultSettingsSelectsAndSaves) {
  MakePlayers({L"", L"Ann"}, L"Ann");
  PlayerProfile& defaults = GameProgress.Players[L""];
  defaults.Floats = {{ProfileFloat::MusicVolume, 40.0f}};
  defaults.Strings = {{ProfileString::CurrentLevelKey, "stage1_1"}};
  defaults.StageKey = "stage_a";
  defaults.Flags["comics_1"] = true;
  PlayerProfile& ann = GameProgress.Players[L"Ann"];
  ann.Strings = {{22, "show"}, {23, "hide"}, {30, "replay"}, {31, "stage2_2"}};

  ASSERT_TRUE(AddPlayer(L"Bob"));
  const PlayerProfile& bob = GameProgress.Players.at(L"Bob");
  EXPECT_EQ(bob.Name, L"Bob");
  EXPECT_EQ(bob.Floats, defaults.Floats);
  EXPECT_EQ(bob.StageKey, "stage_a");
  EXPECT_TRUE(bob.Flags.empty());  // only the settings are copied
  // The curtain requests and string 30 move over; the level override is dropped.
  EXPECT_EQ(bob.Strings, (std::map<std::int32_t, std::string>{
                             {11, "stage1_1"}, {22, "show"}, {23, "hide"}, {30, "replay"}}));
  EXPECT_EQ(ann.Strings,
            (std::map<std::int32_t, std::string>{{22, ""}, {23, ""}, {30, ""}, {31, ""}}));
  EXPECT_EQ(Saves(),
            (std::vector<std::vector<std::wstring>>{{L"current=Bob", L"", L"Ann", L"Bob"}}));
}

TEST_F(PlayerProfilesTest, AddPlayerRefusesEmptyAndExistingNamesSelectingThem) {
  MakePlayers({L"", L"Ann", L"Bob"}, L"Ann");
  EXPECT_FALSE(AddPlayer(L"Ann"));  // the current one: nothing happens
  EXPECT_TRUE(Saves().empty());
  EXPECT_FALSE(AddPlayer(L"Bob"));
  EXPECT_EQ(GameProgress.CurrentPlayer, L"Bob");
  EXPECT_FALSE(AddPlayer(L""));
  EXPECT_EQ(GameProgress.CurrentPlayer, L"");
  EXPECT_EQ(GameProgress.Players.size(), 3u);
  EXPECT_EQ(Saves().size(), 2u);
}

TEST_F(PlayerProfilesTest, SelectPlayerOnlySwitchesToAnotherStoredProfile) {
  MakePlayers({L"", L"Ann", L"Bob"}, L"Ann");
  EXPECT_FALSE(SelectPlayer(L"Ann"));
  EXPECT_FALSE(SelectPlayer(L"Cid"));
  EXPECT_TRUE(Saves().empty());
  EXPECT_EQ(GameProgress.Players.size(), 3u);

  EXPECT_TRUE(SelectPlayer(L""));
  EXPECT_EQ(Saves(), (std::vector<std::vector<std::wstring>>{{L"current=", L"", L"Ann", L"Bob"}}));
}

TEST_F(PlayerProfilesTest, DeletePlayerSelectsTheFirstRemainingAndSavesWithoutTheProfile) {
  struct Case {
    std::vector<std::wstring> players;
    std::wstring current;
    std::wstring removed;
    std::wstring expectedCurrent;
    std::vector<std::wstring> expectedPlayers;
  };
  const std::vector<Case> cases = {
      {{L"", L"Ann", L"Bob"}, L"Bob", L"Bob", L"Ann", {L"", L"Ann"}},
      {{L"", L"Ann"}, L"Ann", L"Ann", L"", {L""}},
      // No default profile left to fall back on: it is made.
      {{L"Ann"}, L"Ann", L"Ann", L"", {L""}},
      // The first remaining name is selected even when another player was removed.
      {{L"", L"Ann", L"Bob", L"Cid"}, L"Cid", L"Bob", L"Ann", {L"", L"Ann", L"Cid"}},
      {{L"", L"Ann", L"Bob"}, L"Ann", L"Bob", L"Ann", {L"", L"Ann"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.removed + L" of current " + c.current);
    GameProgress = ProgressBlock{};
    Saves().clear();
    MakePlayers(c.players, c.current);
    // The current player is named by the stored name itself, which the removal changes.
    EXPECT_TRUE(DeletePlayer(c.removed == c.current ? GameProgress.CurrentPlayer : c.removed));
    std::vector<std::wstring> saved{L"current=" + c.expectedCurrent};
    saved.insert(saved.end(), c.expectedPlayers.begin(), c.expectedPlayers.end());
    EXPECT_EQ(Saves(), std::vector<std::vector<std::wstring>>{saved});
    EXPECT_EQ(GameProgress.CurrentPlayer, c.expectedCurrent);
  }
}

TEST_F(PlayerProfilesTest, DeletePlayerIgnoresTheDefaultProfileAndUnknownNames) {
  MakePlayers({L"", L"Ann"}, L"Ann");
  EXPECT_FALSE(DeletePlayer(L""));
  EXPECT_FALSE(DeletePlayer(L"Bob"));
  EXPECT_EQ(GameProgress.Players.size(), 2u);
  EXPECT_EQ(GameProgress.CurrentPlayer, L"Ann");
  EXPECT_TRUE(Saves().empty());
}

TEST_F(PlayerProfilesTest, ApplyProfileSettingsPutsTheCurrentSettingsInForce) {
  struct Case {
    float cursor, music, sound, fullScreen;
    const char* cursorCall;
    bool windowed;
  };
  for (const Case& c : {Case{0.9f, 40.5f, 70.0f, 1.0f, "cursor:Disable", false},
                        Case{2.0f, 0.0f, 100.0f, 0.0f, "cursor:Enable cursor.custom", true}}) {
    PlayerCalls().clear();
    PlayerProfile& profile = CurrentProfile();
    profile.Floats[ProfileFloat::CustomCursor] = c.cursor;
    profile.Floats[ProfileFloat::MusicVolume] = c.music;
    profile.Floats[ProfileFloat::SoundVolume] = c.sound;
    profile.Floats[ProfileFloat::FullScreen] = c.fullScreen;
    ApplyProfileSettings();
    EXPECT_EQ(PlayerCalls(), (std::vector<std::string>{c.cursorCall, "music:ApplyVolume"}));
    GF::THolder<GF::CGameProperties> properties = GF::HGENS::GetGameProperties();
    EXPECT_EQ(properties->GetInt("MusicVolume"), static_cast<int>(c.music));
    EXPECT_EQ(properties->GetInt("SoundVolume"), static_cast<int>(c.sound));
    EXPECT_EQ(session.engine().GetStateBool(EngineState::Windowed), c.windowed);
  }
}

TEST(IntegerPart, TruncatesAndSaturates) {
  EXPECT_EQ(IntegerPart(2.9f), 2);
  EXPECT_EQ(IntegerPart(-2.9f), -2);
  EXPECT_EQ(IntegerPart(1e20f), std::numeric_limits<int>::max());
  EXPECT_EQ(IntegerPart(-1e20f), std::numeric_limits<int>::min());
  EXPECT_EQ(IntegerPart(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
