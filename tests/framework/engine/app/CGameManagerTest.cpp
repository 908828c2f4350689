#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/IScene.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "tests/framework/engine/app/AppTestSupport.h"

namespace {

using GF::THolder;
using GF::HGENS::CGameManager;
using pm::test::Journal;
using Lines = std::vector<std::string>;

const THolder<GF::IScene> kNoScene;

// The manager of one test on an initiated headless engine, with "a", "b" and "c" registered.
class GameManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    pm::test::ResetScript();
    pm::test::InstallTestPlayers(true);
    ASSERT_TRUE(m_session.IsInitiated());
    m_manager = GF::HGENS::GetGameManager();
    for (const char* name : {"a", "b", "c"})
      m_manager->RegisterScreen(name, pm::test::MakeTestScreen);
  }
  void TearDown() override {
    m_manager.Reset();
    pm::test::InstallTestPlayers(false);
  }

  void Create(const std::string& name) {
    m_manager->CreateScreen(name, "layout", kNoScene, nullptr);
  }
  std::string TopName() const {
    const THolder<GF::IScreen> top = m_manager->TopScreen();
    return top ? top->GetName() : std::string();
  }
  // The journal lines that don't come from the players.
  static Lines ScreenCalls() {
    Lines lines;
    for (const std::string& line : Journal()) {
      if (line.rfind("music:", 0) != 0 && line.rfind("sound:", 0) != 0) lines.push_back(line);
    }
    return lines;
  }
  Lines LogLinesWith(const std::string& part) const {
    Lines lines;
    for (const std::string& line : m_session.LogLines()) {
      if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  pm::test::EngineSession m_session;
  THolder<CGameManager> m_manager;
};

TEST_F(GameManagerTest, UnknownScreenLogsAndLeavesTheStackAlone) {
  EXPECT_FALSE(m_manager->TopScreen());
  Create("a");
  Create("x");
  m_manager->ShowScreen("y", "layout", kNoScene, nullptr);
  m_manager->DestroyScreen("z");

  EXPECT_TRUE(m_session.HasLogLine("Can't find screen \"x\""));
  EXPECT_TRUE(m_session.HasLogLine("Can't find screen \"y\""));
  EXPECT_EQ(LogLinesWith("\"z\"").size(), 1u);
  EXPECT_EQ(TopName(), "a");
  EXPECT_FALSE(m_manager->FindScreen("x"));
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Init layout"}));  // nothing activated by the failed show
}

TEST_F(GameManagerTest, CreateNamesAnnouncesInitialisesAndStacksWithoutActivating) {
  struct Listener {
    void OnCreated(THolder<GF::IScreen> screen) {
      Journal().push_back("created " + screen->GetName());
    }
  } listener;
  m_manager->ScreenCreatedEvent().Subscribe(GF::MakeDelegate(&listener, &Listener::OnCreated));
  m_manager->ScreenCommandEvent().Subscribe(GF::MakeDelegate(
      +[](THolder<GF::IScreen> screen) { Journal().push_back("command " + screen->GetName()); }));

  m_manager->CreateScreen("a", "menu.layout", kNoScene, "question");
  m_manager->FireScreenCommand(m_manager->TopScreen());

  EXPECT_EQ(ScreenCalls(), (Lines{"created a", "a:Init menu.layout question", "command a"}));
  EXPECT_TRUE(m_session.HasLogLine("Create screen \"a\""));
  EXPECT_EQ(TopName(), "a");
  EXPECT_FALSE(m_manager->TopScreen()->IsOverlay());
}

TEST_F(GameManagerTest, RegisteringAnExistingNameReplacesItsCreator) {
  static int made = 0;
  m_manager->RegisterScreen("a", [] {
    ++made;
    return pm::test::MakeTestScreen();
  });
  Create("a");
  EXPECT_EQ(made, 1);
}

TEST_F(GameManagerTest, ShowScreenOpensAnActivatedOverlayOnTop) {
  Create("a");
  m_manager->ShowScreen("b", "layout", kNoScene, nullptr);

  EXPECT_EQ(TopName(), "b");
  EXPECT_TRUE(m_manager->TopScreen()->IsOverlay());
  EXPECT_FALSE(m_manager->FindScreen("a")->IsOverlay());
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Init layout", "b:Init layout", "b:Activate"}));
}

TEST_F(GameManagerTest, FindAndDestroyActOnTheLowestScreenOfAName) {
  Create("a");
  const THolder<GF::IScreen> lower = m_manager->TopScreen();
  Create("b");
  Create("a");
  const THolder<GF::IScreen> upper = m_manager->TopScreen();

  EXPECT_EQ(m_manager->FindScreen("a"), lower);
  m_manager->DestroyScreen("a");

  EXPECT_EQ(m_manager->FindScreen("a"), upper);
  EXPECT_EQ(m_manager->TopScreen(), upper);
  EXPECT_EQ(ScreenCalls().back(), "a:Destroy");
  EXPECT_EQ(LogLinesWith("Destroy screen"), (Lines{"Destroy screen \"a\""}));
}

TEST_F(GameManagerTest, DestroyAllScreensGoesFromTheTopDown) {
  Create("a");
  Create("b");
  Create("c");
  Journal().clear();

  m_manager->DestroyAllScreens();

  EXPECT_EQ(LogLinesWith("Destroy screen"),
            (Lines{"Destroy screen \"c\"", "Destroy screen \"b\"", "Destroy screen \"a\""}));
  EXPECT_EQ(ScreenCalls(), (Lines{"c:Destroy", "b:Destroy", "a:Destroy"}));
  EXPECT_FALSE(m_manager->TopScreen());
}

TEST_F(GameManagerTest, OnlyTheTopScreenIsUpdatedAndDrawnAfterThePlayers) {
  Create("a");
  Create("b");
  Journal().clear();

  EXPECT_TRUE(m_manager->Frame(20.0f));
  EXPECT_EQ(Journal(), (Lines{"music:Update", "sound:Update", "b:Update", "b:Render"}));
}

TEST_F(GameManagerTest, WithoutScreensTheFrameEndsTheLoopAndDrawsNothing) {
  EXPECT_FALSE(m_manager->Frame(20.0f));
  EXPECT_EQ(ScreenCalls(), Lines{});
}

// The game's ScreenClosed handler: destroys the finished screen and creates the next one.
struct ScreenChanger {
  CGameManager* manager;
  std::string next;  // empty: destroy every screen
  void OnClosed(THolder<GF::IScreen> screen) {
    Journal().push_back("closed " + screen->GetName());
    if (next.empty()) {
      manager->DestroyAllScreens();
      return;
    }
    manager->DestroyScreen(screen->GetName());
    manager->CreateScreen(next, "layout", kNoScene, nullptr);
  }
};

TEST_F(GameManagerTest, AFinishedTopScreenIsReplacedAndTheNewOneRunsInTheSameFrame) {
  ScreenChanger changer{m_manager.Get(), "b"};
  m_manager->ScreenClosedEvent().Subscribe(GF::MakeDelegate(&changer, &ScreenChanger::OnClosed));
  pm::test::FinishAfter()["a"] = 0;
  Create("a");
  Journal().clear();

  EXPECT_TRUE(m_manager->Frame(20.0f));

  // The destroyed screen is still deactivated: it may save what it changed.
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Update", "closed a", "a:Destroy", "b:Init layout",
                                  "a:Deactivate", "b:Activate", "b:Update", "b:Render"}));
}

TEST_F(GameManagerTest, AFinishedScreenLeftOnTheStackIsDeactivatedThenRunAgain) {
  pm::test::FinishAfter()["a"] = 0;
  Create("a");
  Journal().clear();

  EXPECT_TRUE(m_manager->Frame(20.0f));
  EXPECT_EQ(ScreenCalls(),
            (Lines{"a:Update", "a:Deactivate", "a:Activate", "a:Update", "a:Render"}));
}

TEST_F(GameManagerTest, AFinishedScreenWhoseSubscribersEmptyTheStackEndsTheLoopUndrawn) {
  ScreenChanger changer{m_manager.Get(), ""};
  m_manager->ScreenClosedEvent().Subscribe(GF::MakeDelegate(&changer, &ScreenChanger::OnClosed));
  pm::test::FinishAfter()["a"] = 1;
  Create("a");
  Journal().clear();

  EXPECT_TRUE(m_manager->Frame(20.0f));
  EXPECT_FALSE(m_manager->Frame(20.0f));

  EXPECT_EQ(ScreenCalls(),
            (Lines{"a:Update", "a:Render", "a:Update", "closed a", "a:Destroy", "a:Deactivate"}));
  EXPECT_FALSE(m_manager->Frame(20.0f));
}

// An effect that journals its calls and finishes after a number of updates.
class CTestEffect : public GF::HGENS::IGfxEffect {
 public:
  explicit CTestEffect(int updates) : m_left(updates) {}
  void BeginScene() override {
    Journal().push_back("effect:BeginScene");
    m_engine->BeginScene(0);
  }
  void Render() override { Journal().push_back("effect:Render"); }
  bool IsFinished() override { return m_left <= 0; }
  void Update(const float&) override { --m_left; }
  ~CTestEffect() override {
    Journal().push_back("effect:gone");
    m_engine->Release();
  }

 private:
  int m_left;
  Engine* m_engine = hgeCreate(ENGINE_VERSION);
};

TEST_F(GameManagerTest, TheEffectBeginsTheFrameDrawsOverTheScreenAndIsDroppedWhenFinished) {
  Create("a");
  m_manager->SetTransitionEffect(GF::MakeHolder<CTestEffect>(2));
  Journal().clear();

  m_manager->Frame(20.0f);
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Update", "effect:BeginScene", "a:Render", "effect:Render"}));
  Journal().clear();
  m_manager->Frame(20.0f);  // the second update finishes it: dropped before the frame begins
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Update", "effect:gone", "a:Render"}));

  m_manager->SetNoEffect();  // never finishes, draws nothing
  Journal().clear();
  m_manager->Frame(20.0f);
  m_manager->Frame(20.0f);
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Update", "a:Render", "a:Update", "a:Render"}));
}

TEST_F(GameManagerTest, SuspendAndResumeFireTheirEventsAndSwitchTheActiveFlag) {
  auto note = +[] { Journal().push_back("notified"); };
  m_manager->SuspendEvent().Subscribe(GF::MakeDelegate(note));
  m_manager->ResumeEvent().Subscribe(GF::MakeDelegate(note));
  static std::vector<wchar_t> typed;
  typed.clear();
  m_manager->CharInputEvent().Subscribe(
      GF::MakeDelegate(+[](wchar_t unit) { typed.push_back(unit); }));

  m_manager->FireSuspend();
  EXPECT_FALSE(GF::HGENS::IsApplicationActive());
  m_manager->FireResume();
  EXPECT_TRUE(GF::HGENS::IsApplicationActive());
  m_manager->FireCharInput(L'x');
  m_manager->FireCharInput(0x08);

  EXPECT_EQ(ScreenCalls(), (Lines{"notified", "notified"}));
  EXPECT_EQ(typed, (std::vector<wchar_t>{L'x', 0x08}));
}

TEST_F(GameManagerTest, SettingsKeepTheGameBlockAfterTheFourValues) {
  struct Game {
    std::vector<std::uint8_t> loaded;
    int resets = 0;
    void OnSave(THolder<GF::IDataOutputStream> stream) {
      const std::uint8_t block[] = {7, 8, 9};
      stream->Write(block, sizeof block);
    }
    void OnLoad(THolder<GF::IDataInputStream> stream) {
      std::uint8_t byte = 0;
      while (stream->Read(&byte, 1) == 1) loaded.push_back(byte);
    }
    void OnReset() { ++resets; }
  } game;
  m_manager->SaveSettingsEvent().Subscribe(GF::MakeDelegate(&game, &Game::OnSave));
  m_manager->LoadSettingsEvent().Subscribe(GF::MakeDelegate(&game, &Game::OnLoad));
  m_manager->ResetSettingsEvent().Subscribe(GF::MakeDelegate(&game, &Game::OnReset));
  const std::wstring path = m_manager->GetSavePath(L"Setting");
  std::filesystem::remove(std::filesystem::path(Os::Utf16ToUtf8(path)));
  THolder<GF::CGameProperties> properties = GF::HGENS::GetGameProperties();

  m_manager->LoadSettings();  // no file: the defaults, and the engine goes full screen
  EXPECT_EQ(game.resets, 1);
  EXPECT_EQ(properties->GetInt("SoundVolume"), 50);
  EXPECT_EQ(properties->GetInt("MusicVolume"), 50);
  EXPECT_EQ(properties->GetInt("FullScreen"), 1);
  EXPECT_FALSE(m_session.engine().GetStateBool(EngineState::Windowed));

  m_session.engine().SetStateBool(EngineState::Windowed, true);
  properties->SetInt("SoundVolume", 70);
  m_manager->SaveSettings();
  properties->SetInt("SoundVolume", 10);
  m_manager->LoadSettings();

  EXPECT_EQ(properties->GetInt("SoundVolume"), 70);
  EXPECT_EQ(properties->GetInt("FullScreen"), 0);
  EXPECT_TRUE(m_session.engine().GetStateBool(EngineState::Windowed));
  EXPECT_EQ(game.loaded, (std::vector<std::uint8_t>{7, 8, 9}));
  EXPECT_EQ(game.resets, 1);
}

TEST_F(GameManagerTest, ShutdownDropsThePlayersDestroysTheScreensAndTheSingleton) {
  Create("a");
  m_manager->Shutdown();
  EXPECT_FALSE(GF::HGENS::HasGameManager());
  EXPECT_EQ(ScreenCalls(), (Lines{"a:Init layout", "a:Destroy"}));
  Journal().clear();
  EXPECT_FALSE(m_manager->Frame(20.0f));
  EXPECT_EQ(Journal(), Lines{});  // the players are gone too
}

}  // namespace
