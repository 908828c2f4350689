// The whole program on the real engine, headless, in its deterministic mode: a replay script
// drives the frames and the input, and a small application of the test's own registers a
// screen and records what it sees.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "framework/core/IScene.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/app/ShellGlobals.h"
#include "platform/OsServices.h"
#include "tests/framework/engine/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;
using pm::test::Journal;
using Lines = std::vector<std::string>;

int g_frames = 0;
std::function<void(int frame)> g_onFrame;  // runs before each frame of the application

class CTestApplication : public GF::HGENS::CApplication {
 public:
  using CApplication::CApplication;

  bool Init() override {
    CApplication::Init();
    Engine& engine = *GetEngine();
    Journal().push_back("app:Init " + std::to_string(engine.GetStateInt(EngineState::ScreenWidth)) +
                        "x" + std::to_string(engine.GetStateInt(EngineState::ScreenHeight)) +
                        (engine.GetStateBool(EngineState::Windowed) ? " windowed" : " full") +
                        " fps " + std::to_string(engine.GetStateInt(EngineState::Fps)) +
                        (engine.GetStateBool(EngineState::HideMouse) ? " hidden" : " cursor"));
    m_gameManager->RegisterScreen("a", pm::test::MakeTestScreen);
    m_gameManager->ScreenClosedEvent().Subscribe(
        GF::MakeDelegate(this, &CTestApplication::OnScreenClosed));
    m_gameManager->SuspendEvent().Subscribe(
        GF::MakeDelegate(+[] { Journal().push_back("app:Suspend"); }));
    m_gameManager->ResumeEvent().Subscribe(
        GF::MakeDelegate(+[] { Journal().push_back("app:Resume"); }));
    m_gameManager->SaveSettingsEvent().Subscribe(
        GF::MakeDelegate(+[](THolder<GF::IDataOutputStream>) {
          Journal().push_back(GF::HGENS::GetShellGlobals().instanceLock.IsHeld() ? "save locked"
                                                                                 : "save unlocked");
        }));
    m_gameManager->CreateScreen("a", "layout", THolder<GF::IScene>(), nullptr);
    return true;
  }
  void Shutdown() override {
    CApplication::Shutdown();
    Journal().push_back("app:Shutdown");
  }
  bool Frame(float dt) override {
    ++g_frames;
    if (g_onFrame) g_onFrame(g_frames);
    return CApplication::Frame(dt);
  }
  void OnWindowModeChanged() override {
    Journal().push_back("app:WindowMode " + std::to_string(g_frames + 1) +
                        (GetEngine()->GetStateBool(EngineState::Windowed) ? " windowed" : " full"));
  }

 private:
  void OnScreenClosed(THolder<GF::IScreen>) { m_gameManager->DestroyAllScreens(); }
};

std::unique_ptr<GF::HGENS::CApplication> MakeTestApplication(Engine* engine) {
  Journal().push_back("factory");
  return std::make_unique<CTestApplication>(engine);
}

std::unique_ptr<GF::HGENS::CApplication> MakeNoApplication(Engine*) {
  return nullptr;
}

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    pm::test::ResetScript();
    g_frames = 0;
    g_onFrame = nullptr;
    m_engine->SetLogHook([this](const char* line) { m_log.push_back(line); });
    Os::SetMessageBoxResponder(
        [this](const std::string& text, const std::string&, Os::MessageBoxButtons) {
          Journal().push_back("message: " + text);
          return m_answer;
        });
  }
  void TearDown() override {
    unsetenv("PANMASTER_REPLAY");
    Os::SetMessageBoxResponder(nullptr);
    Os::SetDesktopColourDepthOverride(0);
    GF::HGENS::GetServiceProviders() = {};
    m_engine->SetLogHook(nullptr);
    m_engine->Release();
  }

  // Runs the program with these arguments after the program's path, driven by the script.
  int Run(const std::string& script, Lines arguments,
          GF::HGENS::ApplicationFactory factory = MakeTestApplication) {
    const std::filesystem::path file = pm::test::MakeTempDir("replay") / "run.txt";
    std::ofstream(file) << "step 20\nframes 60\n" << script;
    setenv("PANMASTER_REPLAY", file.c_str(), 1);
    arguments.insert(arguments.begin(), "/bin/true");
    std::vector<char*> argv;
    for (std::string& word : arguments) argv.push_back(word.data());
    return GF::HGENS::RunProgram(static_cast<int>(argv.size()), argv.data(), factory);
  }
  bool Logged(const std::string& line) const {
    return std::find(m_log.begin(), m_log.end(), line) != m_log.end();
  }
  bool Journaled(const std::string& line) const {
    return std::find(Journal().begin(), Journal().end(), line) != Journal().end();
  }

  Engine* m_engine = hgeCreate(ENGINE_VERSION);  // keeps the log hook across the run
  Lines m_log;
  bool m_answer = true;
};

TEST_F(ProgramTest, RunsWithTheDefaultStatesUntilNoScreenIsLeft) {
  pm::test::FinishAfter()["a"] = 3;
  EXPECT_EQ(Run("", {}), 0);

  EXPECT_EQ(Journal().front(), "factory");
  EXPECT_EQ(Journal()[1], "app:Init 800x600 windowed fps -1 cursor");
  EXPECT_EQ(g_frames, 4);  // three updates, then the screen finishes and nothing is left
  EXPECT_EQ(std::count(Journal().begin(), Journal().end(), "a:Render"), 3);
  EXPECT_EQ(Journal().back(), "app:Shutdown");
  EXPECT_TRUE(Logged("Create screen \"a\""));
  EXPECT_TRUE(Logged("mutext rel"));
  const std::wstring setting = GF::HGENS::GetGameManager()->GetSavePath(L"Setting");
  EXPECT_TRUE(std::filesystem::exists(Os::Utf16ToUtf8(setting)));
  GF::HGENS::ReleaseEngineServices();
}

TEST_F(ProgramTest, WithoutAnApplicationTheProgramEndsCleanlySayingWhy) {
  EXPECT_EQ(Run("", {}, MakeNoApplication), 0);
  EXPECT_TRUE(Logged("No application to run: the application factory made none"));
  EXPECT_TRUE(Logged("Engine shut down"));
  EXPECT_FALSE(GF::HGENS::HasGameManager());
}

TEST_F(ProgramTest, AltEnterFlipsTheWindowModeOnReleaseButNotWithCtrl) {
  EXPECT_EQ(Run("@2 keydown 0x12\n@3 keydown 0x0D\n@4 keyup 0x0D\n@6 keyup 0x12\n"
                "@8 keydown 0x11\n@9 keydown 0x12\n@10 keydown 0x0D\n"
                "@11 keyup 0x0D\n@11 keyup 0x12\n@11 keyup 0x11\n@14 close\n",
                {}),
            0);
  Lines modes;
  for (const std::string& line : Journal()) {
    if (line.rfind("app:WindowMode", 0) == 0) modes.push_back(line);
  }
  EXPECT_EQ(modes, Lines{"app:WindowMode 6 full"});
}

TEST_F(ProgramTest, TheCursorIsMappedFromTheViewportToTheLogicalScreen) {
  // A desktop below 768 pixels: the window is fitted to a 640 x 480 client for the 800 x 600
  // logical screen in the fourth frame after the start's focus gain.
  Os::SetDesktopHeightOverride(720);
  Lines seen;
  g_onFrame = [&seen](int frame) {
    if (frame != 3 && frame != 8) return;
    int width = 0, height = 0;
    Engine* engine = hgeCreate(ENGINE_VERSION);
    Os::GetClientSize(engine->GetStateHwnd(EngineState::Hwnd), &width, &height);
    engine->Release();
    const THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
    seen.push_back(std::to_string(width) + "x" + std::to_string(height) + " " +
                   std::to_string(mouse->x) + "," + std::to_string(mouse->y) + " " +
                   std::to_string(mouse->fx));
  };
  EXPECT_EQ(Run("@2 move 100 50\n@6 move 401 300\n@9 close\n", {}), 0);
  Os::SetDesktopHeightOverride(0);
  // The client pixel of logical x 401 is 320 (320.8 truncated), which maps back to 400.
  EXPECT_EQ(seen, (Lines{"800x600 100,50 100.000000", "640x480 400,300 400.000000"}));
}

TEST_F(ProgramTest, InputEventsReachTheKeySetAndTypedTextTheCharEvent) {
  static std::wstring typed;
  typed.clear();
  Lines keys;
  g_onFrame = [&keys](int frame) {
    if (frame == 2) {
      GF::HGENS::GetGameManager()->CharInputEvent().Subscribe(
          GF::MakeDelegate(+[](wchar_t unit) { typed.push_back(unit); }));
    }
    const THolder<GF::CKeyset> keyset = GF::HGENS::GetKeyset();
    keys.push_back(std::string(keyset->IsDown(24) ? "enter" : "-") +
                   (keyset->IsDown(7) ? " 2" : " -"));
  };
  EXPECT_EQ(Run("@3 keydown 0x0D\n@4 text hi\n@5 keyup 0x0D\n"
                "@6 keydown 0x12\n@7 keydown 0x32\n@8 keyup 0x32\n@8 keyup 0x12\n@9 close\n",
                {}),
            0);
  // While Alt is held the digit key never reaches the key set.
  EXPECT_EQ(keys, (Lines{"- -", "- -", "enter -", "enter -", "- -", "- -", "- -", "- -"}));
  EXPECT_EQ(typed, L"\rhi");  // Enter types a carriage return
}

TEST_F(ProgramTest, TheMouseClickFlagLivesForTheFrameOfALeftPress) {
  Lines clicks;
  g_onFrame = [&clicks](int) { clicks.push_back(GF::HGENS::GetMouse()->click ? "click" : "-"); };
  // The right button and the left button's release set nothing; nobody reads the flag here.
  EXPECT_EQ(Run("@2 buttondown 2\n@3 buttonup 2\n@4 buttondown 1\n@6 buttonup 1\n@7 close\n", {}),
            0);
  EXPECT_EQ(clicks, (Lines{"-", "-", "-", "click", "-", "-"}));
}

TEST_F(ProgramTest, AKeyHeldAtTheEndOfOneRunIsUpInTheNext) {
  EXPECT_EQ(Run("@2 keydown 0x0D\n@3 close\n", {}), 0);  // Enter's up never comes
  Lines keys;
  g_onFrame = [&keys](int frame) {
    const THolder<GF::CKeyset> keyset = GF::HGENS::GetKeyset();
    if (frame == 1 || frame == 4) keys.push_back(keyset->Consume(24) ? "enter" : "-");
  };
  g_frames = 0;
  EXPECT_EQ(Run("@4 keydown 0x0D\n@5 close\n", {}), 0);
  EXPECT_EQ(keys, (Lines{"-", "enter"}));  // a new press, not a repeat of the old one
}

TEST_F(ProgramTest, LosingTheFocusPausesEveryChannelAndSuspends) {
  pm::test::InstallTestPlayers(true);
  EXPECT_EQ(Run("@3 focuslost\n@5 focusgain\n@6 close\n", {}), 0);
  Lines focus;
  for (const std::string& line : Journal()) {
    if (line.find("Pause") != std::string::npos || line.find("Resume") != std::string::npos ||
        line.find("Suspend") != std::string::npos) {
      focus.push_back(line);
    }
  }
  // The start's own focus gain comes before the application subscribed.
  EXPECT_EQ(focus, (Lines{"music:Resume", "sound:ResumeAll", "music:Pause", "sound:PauseAll",
                          "app:Suspend", "music:Resume", "sound:ResumeAll", "app:Resume"}));
  pm::test::InstallTestPlayers(false);
}

TEST_F(ProgramTest, AFailedStartupCheckShowsItsMessageAndStartsNothing) {
  Os::SetDesktopColourDepthOverride(24);
  EXPECT_EQ(Run("", {}), 0);
  EXPECT_EQ(Journal(), Lines{"message: Please change color depth to 16 or 32 bit"});
  EXPECT_FALSE(Logged("Engine started: 800x600, windowed"));
}

TEST_F(ProgramTest, ASecondInstanceEndsSilently) {
  Os::InstanceLock first;
  ASSERT_TRUE(first.Acquire(GF::HGENS::kWindowTitle));
  EXPECT_EQ(Run("", {}), 0);
  EXPECT_EQ(Journal(), Lines{});
  EXPECT_TRUE(m_log.empty());
}

TEST_F(ProgramTest, TheCompileCommandRunsTheCompilerWithoutAWindow) {
  GF::HGENS::GetServiceProviders().compileResourceScript = [](const char* source,
                                                              const char* destination) {
    Journal().push_back(std::string("compile ") + source + " -> " + destination);
  };
  EXPECT_EQ(Run("", {"/cr", "effects.as", "effects.bs"}), 0);
  EXPECT_EQ(Journal(), Lines{"compile effects.as -> effects.bs"});
  EXPECT_TRUE(m_log.empty());  // no engine was started
}

TEST_F(ProgramTest, OtherCommandLinesBecomeTheEditorLevelProperty) {
  THolder<GF::CGameProperties> properties = GF::HGENS::GetGameProperties();
  (*properties)["TestLevelFromLevelEditor"] = L"";
  pm::test::FinishAfter()["a"] = 0;
  Run("", {"/cr", "level3.txt"});  // three words: not the compile command
  EXPECT_TRUE(Journaled("factory"));
  EXPECT_EQ(properties->GetString("TestLevelFromLevelEditor"), L"/cr level3.txt");

  (*properties)["TestLevelFromLevelEditor"] = L"";
  Run("", {});
  EXPECT_EQ(properties->GetString("TestLevelFromLevelEditor"), L"");
}

TEST_F(ProgramTest, AColourDepthChangeAsksToRestartAndEndsTheGameEitherWay) {
  for (bool ok : {false, true}) {
    pm::test::ResetScript();
    g_frames = 0;
    m_answer = ok;
    g_onFrame = [](int frame) {
      if (frame == 3) Os::SetDesktopColourDepthOverride(16);
    };
    EXPECT_EQ(Run("@4 focuslost\n@5 focusgain\n", {}), 0);

    EXPECT_TRUE(Journaled("message: The game must restart for these changes to take effect"));
    // Frame 4 runs nothing while away; every screen destroyed on the return: frame 5 ends
    // the loop.
    EXPECT_EQ(g_frames, 4) << ok;
    // OK frees the lock and saves before the relaunch; shutdown saves in both cases.
    Lines saves;
    std::copy_if(Journal().begin(), Journal().end(), std::back_inserter(saves),
                 [](const std::string& line) { return line.rfind("save", 0) == 0; });
    EXPECT_EQ(saves, ok ? (Lines{"save unlocked", "save unlocked"}) : Lines{"save locked"});
    Os::SetDesktopColourDepthOverride(0);
  }
}

}  // namespace
