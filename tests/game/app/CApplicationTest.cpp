// The game's application on the real game manager, with flow rules served as "gamedata.bin"
// through the data-file source and small screens of the test's own under the game's names.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/scene/CScene.h"
#include "framework/engine/screens/CSmoothShow.h"
#include "game/app/CApplication.h"
#include "game/app/LevelsData.h"
#include "tests/game/app/CTestDataFileSource.h"
#include "tests/game/app/DataFileBytes.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using GF::THolder;
using Names = std::vector<std::string>;

// Screens in creation order while they live (the game manager's stack, bottom first), and
// what happened to them.
std::vector<class CFlowScreen*> g_live;
Names g_journal;

// A screen that leaves on GoTo at its next update, as a menu screen does, in its own scene
// or the one it was shown over.
class CFlowScreen : public GF::IScreen {
 public:
  void Init(const std::string&, const THolder<GF::IScene>& scene, const char* parameter) override {
    m_scene = scene ? scene : THolder<GF::IScene>(GF::MakeHolder<GF::HGENS::CScene>());
    m_parameter = parameter ? parameter : "";
    g_live.push_back(this);
  }
  void Render() override {}
  const std::string& GetResult() const override { return m_result; }
  const std::string& GetName() const override { return m_name; }
  void SetName(const std::string& name) override { m_name = name; }
  bool Update(const float&) override { return !m_leaving; }
  void Activate() override {
    m_leaving = false;
    g_journal.push_back(m_name + ":Activate");
  }
  void Deactivate() override { DeactivateEvent().Fire(THolder<GF::IScreen>(this)); }
  void Destroy() override { std::erase(g_live, this); }
  bool IsOverlay() const override { return m_overlay; }
  void SetOverlay(bool overlay) override { m_overlay = overlay; }
  THolder<GF::IScene> GetScene() const override { return m_scene; }
  void GoTo(const std::string& command, std::uint32_t) override {
    m_result = command;
    m_leaving = true;
    g_journal.push_back(m_name + ":GoTo " + command);
    GF::HGENS::GetGameManager()->FireScreenCommand(THolder<GF::IScreen>(this));
  }

  const std::string& Parameter() const { return m_parameter; }

 private:
  std::string m_name;
  std::string m_result;
  std::string m_parameter;
  THolder<GF::IScene> m_scene;
  bool m_leaving = false;
  bool m_overlay = false;
};

THolder<GF::IScreen> MakeFlowScreen() {
  return GF::MakeHolder<CFlowScreen>();
}

constexpr ScreenTableRow TestScreens[] = {
    {"SplashScreen", MakeFlowScreen},   {"GameScreen", MakeFlowScreen},
    {"MainMenuScreen", MakeFlowScreen}, {"OptionsScreen", MakeFlowScreen},
    {"HelpScreen", MakeFlowScreen},     {"confirm_exit_screen", MakeFlowScreen},
    {"confirm_screen", MakeFlowScreen}, {"PublisherScreen", MakeFlowScreen},
};

bool g_releasedWithScreensLeft = false;
int g_releases = 0;

void ReleaseShared() {
  ++g_releases;
  g_releasedWithScreensLeft = !g_live.empty();
}

FlowRule Modal(const std::string& screen, const std::string& event, const std::string& target,
               bool closeFirst = false) {
  FlowRule rule = MakeFlowRule(screen, event, target);
  rule.modal = true;
  rule.closeFirst = closeFirst;
  return rule;
}

// The first screen is the main menu unless a test says otherwise.
std::vector<FlowRule> StartingOn(const std::string& first, std::vector<FlowRule> more = {}) {
  more.insert(more.begin(), MakeFlowRule("None", "show_publisher", first));
  return more;
}

class CApplicationTest : public testing::Test {
 protected:
  CApplicationTest() {
    g_live.clear();
    g_journal.clear();
    g_releases = 0;
    LevelsDatabase = {};
    (*GF::HGENS::GetGameProperties())["TestLevelFromLevelEditor"].clear();
  }
  ~CApplicationTest() override {
    Stop();
    (*GF::HGENS::GetGameProperties())["TestLevelFromLevelEditor"].clear();
  }

  void Serve(std::vector<FlowRule> rules, int players = 1) {
    GameData data;
    data.FlowRules = std::move(rules);
    data.DefaultProgressBlock.Version = 1;
    for (int i = 0; i < players; ++i) {
      const std::wstring name = i == 0 ? L"" : L"player" + std::to_wstring(i);
      data.DefaultProgressBlock.Players[name].Name = name;
    }
    source.files["Binary\\gamedata.bin"] = pm::test::EncodeFile(&WriteGameData, data);
  }
  void Start(std::vector<FlowRule> rules, int players = 1,
             ScreenTable screens = {TestScreens, &ReleaseShared}) {
    Serve(std::move(rules), players);
    app = std::make_unique<CApplication>(&session.engine(), screens);
    ASSERT_TRUE(app->Init());
  }
  // Shuts the application down and forgets the settings file it wrote.
  void Stop() {
    if (app) app->Shutdown();
    app.reset();
    std::filesystem::remove(pm::test::GameAppSession::SettingsPath());
    g_live.clear();
    g_journal.clear();
  }
  // One frame of the game manager: false once no screen is left.
  bool Frame() { return GF::HGENS::GetGameManager()->Frame(20.0f); }
  CFlowScreen& Top() { return *g_live.back(); }
  CFlowScreen& Screen(const std::string& name) {
    return **std::find_if(g_live.begin(), g_live.end(),
                          [&](CFlowScreen* s) { return s->GetName() == name; });
  }
  // The top screen leaves with the command and closes.
  void Leave(const std::string& command) {
    Top().GoTo(command, GF::IScreen::kUsualFlags);
    Frame();
  }
  static Names Stack() {
    Names names;
    for (const CFlowScreen* screen : g_live) names.push_back(screen->GetName());
    return names;
  }
  static int Activations(const std::string& name) {
    return static_cast<int>(std::count(g_journal.begin(), g_journal.end(), name + ":Activate"));
  }

  pm::test::GameAppSession session;
  CTestDataFileSource source;
  std::unique_ptr<CApplication> app;
};

TEST_F(CApplicationTest, StartUpRunsTheFirstRunRuleForFewerThanTwoPlayersThenTheFirstScreen) {
  FlowRule firstRun = MakeFlowRule("None", "def_settings", "None");
  firstRun.actions = {FloatAssignment(40, 1.0f)};
  for (int players : {1, 2}) {
    SCOPED_TRACE(players);
    Start(StartingOn("MainMenuScreen", {firstRun}), players);
    EXPECT_EQ(CurrentProfile().Floats[40], players < 2 ? 1.0f : 0.0f);
    EXPECT_EQ(Stack(), Names{"MainMenuScreen"});
    EXPECT_EQ(Activations("MainMenuScreen"), 1);
    EXPECT_TRUE(Frame());
    EXPECT_EQ(Activations("MainMenuScreen"), 1);
    Stop();
  }
}

TEST_F(CApplicationTest, TheFirstRunGivesThePlayerTheKeyOfTheirStage) {
  LevelsData levels;
  levels.StageTable["stage2"] = {0, 3, 2, "stage2"};
  source.files["Binary\\levelsdata.bin"] = pm::test::EncodeFile(&WriteLevelsData, levels);
  FlowRule firstRun = MakeFlowRule("None", "def_settings", "None");
  firstRun.actions = {FloatAssignment(ProfileFloat::StageNumber, 2.0f)};
  Start(StartingOn("MainMenuScreen", {firstRun}));
  EXPECT_EQ(CurrentProfile().StageKey, "stage2");
}

TEST_F(CApplicationTest, ALevelOnTheCommandLineStartsThroughTheTestRule) {
  (*GF::HGENS::GetGameProperties())["TestLevelFromLevelEditor"] = L"stage1_2";
  Start(StartingOn("MainMenuScreen", {MakeFlowRule("None", "test_starting", "GameScreen")}));
  EXPECT_EQ(TestLevelKey, "stage1_2");
  EXPECT_EQ(Stack(), Names{"GameScreen"});
  EXPECT_EQ(Activations("GameScreen"), 1);
}

TEST_F(CApplicationTest, WithoutAFirstScreenTheLogSaysWhyAndTheLoopEnds) {
  Start({});
  EXPECT_TRUE(session.HasLogLine("No first screen: no flow rule armed one"));
  EXPECT_FALSE(Frame());
}

TEST_F(CApplicationTest, OnlyTheGamesScreenNamesAreRegistered) {
  static constexpr ScreenTableRow screens[] = {{"MainMenuScreen", MakeFlowScreen},
                                               {"NotAScreenOfTheGame", MakeFlowScreen}};
  Start(StartingOn("NotAScreenOfTheGame"), 1, {screens});
  EXPECT_TRUE(session.HasLogLine(
      "[W] \"NotAScreenOfTheGame\" is not a screen of the game: not registered"));
  EXPECT_TRUE(session.HasLogLine("Can't find screen \"NotAScreenOfTheGame\""));
  EXPECT_TRUE(Stack().empty());
  EXPECT_FALSE(session.HasLogLine("No first screen: no flow rule armed one"));
}

TEST_F(CApplicationTest, SharedPiecesAreReleasedOnceAfterTheLastScreen) {
  Start(StartingOn("MainMenuScreen"));
  app->Shutdown();
  app.reset();
  EXPECT_EQ(g_releases, 1);
  EXPECT_FALSE(g_releasedWithScreensLeft);
}

// The options screen stands over the main menu; a rule armed on the menu must not fire when
// the options close first, and the options' own command then acts.
TEST_F(CApplicationTest, ARuleArmedOnAnotherScreenIsDroppedAndTheClosingScreensCommandActs) {
  struct Case {
    std::string command;
    bool ruled;  // a rule for the command is armed on the closing screen
    Names stack;
  };
  const Case cases[] = {
      {"back", false, {"MainMenuScreen"}},         {"force_quit", false, {}},
      {"reloadgamedata", false, {"SplashScreen"}}, {"back", true, {"HelpScreen"}},
      {"force_quit", true, {"HelpScreen"}},        {"reloadgamedata", true, {"HelpScreen"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command + (c.ruled ? " ruled" : ""));
    std::vector<FlowRule> rules =
        StartingOn("MainMenuScreen", {Modal("MainMenuScreen", "options", "OptionsScreen"),
                                      MakeFlowRule("MainMenuScreen", "later", "GameScreen")});
    if (c.ruled) rules.push_back(MakeFlowRule("OptionsScreen", c.command, "HelpScreen"));
    Start(rules);
    Leave("options");
    ASSERT_EQ(Stack(), (Names{"MainMenuScreen", "OptionsScreen"}));
    // Once the start-up has run, a reload shows the title first.
    FlowRules.front().target = "SplashScreen";
    source.files["Binary\\gamedata.bin"] = pm::test::EncodeFile(&WriteGameData, GameDatabase);
    Screen("MainMenuScreen").GoTo("later", GF::IScreen::kUsualFlags);
    EXPECT_EQ(app->ArmedScreenName(), "MainMenuScreen");
    Leave(c.command);
    EXPECT_EQ(Stack(), c.stack);
    EXPECT_FALSE(app->PendingRule());
    Stop();
  }
}

TEST_F(CApplicationTest, ClosingTheWindowAsksTheTopScreenToQuit) {
  // No rule for "quit": the game ends through "force_quit".
  Start(StartingOn("MainMenuScreen"));
  EXPECT_FALSE(app->OnExit());
  EXPECT_EQ(g_journal, (Names{"MainMenuScreen:Activate", "MainMenuScreen:GoTo quit",
                              "MainMenuScreen:GoTo force_quit"}));
  EXPECT_FALSE(Frame());
  EXPECT_TRUE(Stack().empty());
  Stop();

  // A rule asks first; a second close while the question is up does nothing.
  for (const char* answer : {"no", "yes"}) {
    SCOPED_TRACE(answer);
    Start(StartingOn("MainMenuScreen", {Modal("MainMenuScreen", "quit", "confirm_exit_screen")}));
    EXPECT_FALSE(app->OnExit());
    Frame();
    ASSERT_EQ(Stack(), (Names{"MainMenuScreen", "confirm_exit_screen"}));
    g_journal.clear();
    EXPECT_FALSE(app->OnExit());
    EXPECT_TRUE(g_journal.empty());
    Leave(answer);
    EXPECT_EQ(Stack(), answer == std::string("yes") ? Names{} : Names{"MainMenuScreen"});
    Stop();
  }
}

TEST_F(CApplicationTest, OverlaysNeverBecomeTheLastScreen) {
  Start(StartingOn("MainMenuScreen", {Modal("MainMenuScreen", "ask", "confirm_screen"),
                                      MakeFlowRule("confirm_screen", "yes", "OptionsScreen")}));
  Leave("ask");
  EXPECT_EQ(app->LastScreenName(), "MainMenuScreen");
  Leave("yes");
  EXPECT_EQ(Stack(), Names{"OptionsScreen"});
  EXPECT_EQ(app->LastScreenName(), "MainMenuScreen");
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::LastScreen], "MainMenuScreen");
}

TEST_F(CApplicationTest, AConfirmationThatNoRuleTakesIsRemoved) {
  Start(StartingOn("MainMenuScreen", {Modal("MainMenuScreen", "ask", "confirm_screen")}));
  Leave("ask");
  Leave("no");
  EXPECT_EQ(Stack(), Names{"MainMenuScreen"});
  EXPECT_EQ(Activations("MainMenuScreen"), 2);
}

TEST_F(CApplicationTest, TheTitlesStartingDeletesTheSettingsUntilTheNextSave) {
  Start(StartingOn("SplashScreen"));
  ASSERT_TRUE(AddPlayer(L"Ann"));  // saves
  const std::filesystem::path settings = pm::test::GameAppSession::SettingsPath();
  ASSERT_TRUE(std::filesystem::exists(settings));
  Leave("starting");
  EXPECT_FALSE(std::filesystem::exists(settings));
  EXPECT_EQ(FindProfile(L"Ann"), nullptr);  // every player back to the default block
  EXPECT_EQ(Stack(), Names{"SplashScreen"});
  EXPECT_EQ(Activations("SplashScreen"), 2);
  SaveProfiles();
  EXPECT_TRUE(std::filesystem::exists(settings));
}

TEST_F(CApplicationTest, ASmoothRuleFadesTheOldPictureOutOverASecond) {
  ASSERT_TRUE(session.engine().Initiate());
  for (bool smooth : {false, true}) {
    SCOPED_TRACE(smooth);
    FlowRule options = MakeFlowRule("MainMenuScreen", "options", "OptionsScreen");
    options.smooth = smooth;
    Start(StartingOn("MainMenuScreen", {options}));
    Leave("options");  // the fade has run 20 ms of this frame
    auto* fade = dynamic_cast<GF::HGENS::CSmoothShow*>(
        GF::HGENS::GetGameManager()->GetTransitionEffect().Get());
    ASSERT_EQ(fade != nullptr, smooth);
    if (smooth) {
      fade->Update(480.0f);
      EXPECT_EQ(fade->GetAlpha(), 127);  // half of 255, halfway through
    }
    EXPECT_EQ(Stack(), Names{"OptionsScreen"});
    Stop();
  }
}

TEST_F(CApplicationTest, AModalTargetSharesTheClosedScreensSceneAndCloseFirstRemovesAnOverlay) {
  for (bool closeFirst : {false, true}) {
    SCOPED_TRACE(closeFirst);
    FlowRule options = Modal("MainMenuScreen", "options", "OptionsScreen");
    options.parameter = "from_menu";
    Start(StartingOn("MainMenuScreen",
                     {options, Modal("OptionsScreen", "help", "HelpScreen", closeFirst)}));
    Leave("options");
    const THolder<GF::IScene> scene = Screen("MainMenuScreen").GetScene();
    EXPECT_EQ(Top().GetScene(), scene);
    EXPECT_TRUE(Top().IsOverlay());
    EXPECT_EQ(Top().Parameter(), "from_menu");
    Leave("help");
    EXPECT_EQ(Top().GetScene(), scene);
    EXPECT_EQ(Stack(), closeFirst ? (Names{"MainMenuScreen", "HelpScreen"})
                                  : (Names{"MainMenuScreen", "OptionsScreen", "HelpScreen"}));
    Stop();
  }
}

TEST_F(CApplicationTest, AScreenIsActivatedOnceOnTheModalAndTheReloadRoads) {
  Start(StartingOn("MainMenuScreen", {Modal("MainMenuScreen", "options", "OptionsScreen")}));
  Leave("options");
  EXPECT_EQ(Activations("OptionsScreen"), 1);
  Leave("reloadgamedata");  // shows the first screen again
  EXPECT_EQ(Stack(), Names{"MainMenuScreen"});
  EXPECT_EQ(Activations("MainMenuScreen"), 2);  // at start-up and after the reload
}

TEST_F(CApplicationTest, TheFullScreenValueFollowsTheWindowMode) {
  Start(StartingOn("MainMenuScreen"));
  for (bool windowed : {false, true}) {
    session.engine().SetStateBool(EngineState::Windowed, windowed);
    app->OnWindowModeChanged();
    EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::FullScreen], windowed ? 0.0f : 1.0f);
  }
}

}  // namespace
