// The framework alone, end to end: a small application of the test's own registers the
// framework's screens through the shell's service providers and runs the logo screen, a
// confirmation question answered by a scripted click, and the new-player screen with a
// typed name, on the real engine headless in its deterministic mode, with the sample
// content beside the program. Screenshots are checked at a few pixels.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/CScene.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/CBaseControl.h"
#include "framework/engine/screens/ScreenServices.h"
#include "platform/Engine.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;
using Lines = std::vector<std::string>;
using pm::test::Near;
using pm::test::Shot;

// Logo -> question -> name entry, the way a game's flow would chain them.
class CFrameworkTestApplication : public GF::HGENS::CApplication {
 public:
  CFrameworkTestApplication(Engine* engine, Lines& closed)
      : CApplication(engine), m_closed(closed) {}

  bool Init() override {
    if (!CApplication::Init()) return false;
    m_gameManager->ScreenClosedEvent().Subscribe(
        GF::MakeDelegate(this, &CFrameworkTestApplication::OnScreenClosed));
    // The first image holds 1500 ms, the second 300 ms.
    m_gameManager->CreateScreen("PublisherScreen", "", THolder<GF::IScene>(), "1500,300");
    return true;
  }

 private:
  void OnScreenClosed(THolder<GF::IScreen> screen) {
    const std::string name = screen->GetName();
    const std::string result = screen->GetResult();
    m_closed.push_back(name + ":" + result);
    m_gameManager->DestroyScreen(name);
    if (name == "PublisherScreen" && result == "starting") {
      m_gameManager->CreateScreen("confirm_screen", "main_menu.confirm_screen",
                                  THolder<GF::IScene>(), "confirm_new_player");
    } else if (name == "confirm_screen" && result == "yes") {
      m_gameManager->CreateScreen("new_player_screen", "main_menu.new_player_screen",
                                  THolder<GF::IScene>(), nullptr);
    } else {
      m_gameManager->DestroyAllScreens();
    }
  }

  Lines& m_closed;
};

Lines* g_closed = nullptr;

std::unique_ptr<GF::HGENS::CApplication> MakeApplication(Engine* engine) {
  return std::make_unique<CFrameworkTestApplication>(engine, *g_closed);
}

constexpr std::uint32_t kSplash1 = 0xE08020;
constexpr std::uint32_t kPanel = 0x283C50;
constexpr std::uint32_t kButtonUp = 0x3C6496;
constexpr std::uint32_t kButtonOver = 0x5A8CC8;
constexpr std::uint32_t kButtonDisabled = 0x707070;
constexpr std::uint32_t kEditBox = 0xF0F0E6;

TEST(FrameworkScreensE2ETest, LogoThenQuestionThenNameEntryReportTheTypedName) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  (*GF::HGENS::GetGameProperties())["NewPlayerName"] = L"";

  // Frames of 20 ms. The logo runs its two images (about 300 frames); the question is idle
  // from about frame 315 and answered at 340; the name is typed from frame 390, with one
  // Backspace, and entered with Enter at 405.
  const std::filesystem::path folder = pm::test::MakeTempDir("framework");
  std::ofstream(folder / "run.txt") << "step 20\nframes 600\n"
                                       "@100 shot splash.png\n"
                                       "@330 shot question.png\n"
                                       "@335 move 310 370\n"
                                       "@340 buttondown 1\n@342 buttonup 1\n"
                                       "@380 shot empty.png\n"
                                       "@390 text Chef Anm\n"
                                       "@392 keydown 0x08\n@393 keyup 0x08\n"
                                       "@395 text n\n"
                                       "@400 shot named.png\n"
                                       "@405 keydown 0x0D\n@406 keyup 0x0D\n";
  pm::test::ScopedEnv replay("PANMASTER_REPLAY", (folder / "run.txt").string());
  Lines closed;
  g_closed = &closed;
  char program[] = "/bin/true";
  char* argv[] = {program};
  EXPECT_EQ(GF::HGENS::RunProgram(1, argv, MakeApplication), 0);
  g_closed = nullptr;
  GF::HGENS::GetServiceProviders() = {};

  EXPECT_EQ(closed,
            (Lines{"PublisherScreen:starting", "confirm_screen:yes", "new_player_screen:back"}));
  EXPECT_EQ(GF::HGENS::GetGameProperties()->GetString("NewPlayerName"), L"Chef Ann");

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    // The first splash image, held at full brightness, centred on a black frame.
    const Shot splash(*engine, folder / "splash.png");
    ASSERT_TRUE(splash.IsLoaded());
    EXPECT_EQ(splash.At(400, 300), kSplash1);
    EXPECT_EQ(splash.At(245, 205), kSplash1);  // 320 x 200 from (240, 200)
    EXPECT_EQ(splash.At(235, 300), 0u);
    EXPECT_EQ(splash.At(400, 405), 0u);

    // The question: its two phrases shown, the third hidden, both answers up.
    const Shot question(*engine, folder / "question.png");
    ASSERT_TRUE(question.IsLoaded());
    EXPECT_TRUE(Near(question.At(220, 400), kPanel, 3));
    EXPECT_GT(question.Count(300, 228, 500, 248, 160, false), 20);  // "_phrase_1"
    EXPECT_GT(question.Count(300, 256, 500, 276, 160, false), 20);  // "_phrase_2"
    EXPECT_EQ(question.Count(300, 284, 500, 304, 160, false), 0);   // "_phrase_3" hidden
    EXPECT_EQ(question.At(250, 358), kButtonUp);                    // "yes"
    EXPECT_EQ(question.At(430, 358), kButtonUp);                    // "no"

    // The name entry before typing: "ok" disabled; after typing it is enabled and, with
    // the cursor still where "yes" was, over.
    const Shot empty(*engine, folder / "empty.png");
    ASSERT_TRUE(empty.IsLoaded());
    EXPECT_EQ(empty.At(250, 358), kButtonDisabled);
    EXPECT_EQ(empty.At(430, 358), kButtonUp);
    EXPECT_EQ(empty.Count(256, 270, 400, 290, 100, true), 0);  // no text, only the cursor

    const Shot named(*engine, folder / "named.png");
    ASSERT_TRUE(named.IsLoaded());
    EXPECT_EQ(named.At(250, 358), kButtonOver);
    EXPECT_EQ(named.At(430, 358), kButtonUp);
    EXPECT_GT(named.Count(256, 270, 320, 290, 100, true), 30);  // the typed name, dark
    EXPECT_EQ(named.At(500, 290), kEditBox);                    // right of it, empty
  }
  engine->Shutdown();
  engine->Release();
}

// One framework screen alone on the real program: the screens registered through the
// providers, the screen created at start-up, its closing noted and the run ended there.
class FrameworkScreenTest : public pm::test::FrameworkServicesTest {
 public:
  void OnClosed(THolder<GF::IScreen> screen) {
    closed.push_back(screen->GetName() + ":" + screen->GetResult());
    GF::HGENS::GetGameManager()->DestroyAllScreens();
  }

 protected:
  void Run(const std::string& screen, const char* parameter, const std::string& script,
           std::function<void(GF::IScreen&, int frame)> after) {
    pm::test::ScriptedRun run;
    THolder<GF::IScreen> top;
    run.init = [&](GF::HGENS::CGameManager& manager) {
      manager.ScreenClosedEvent().Subscribe(GF::MakeDelegate(this, &FrameworkScreenTest::OnClosed));
      manager.CreateScreen(screen, "main_menu." + screen, THolder<GF::IScene>(), parameter);
      top = manager.TopScreen();
      top->Activate();
    };
    run.after = [&](int frame) {
      if (top && GF::HGENS::GetGameManager()->TopScreen() == top) after(*top, frame);
    };
    pm::test::RunScripted(script, run);
  }

  Lines closed;
};

TEST_F(FrameworkScreenTest, TheQuestionShowsThePhrasesItsKeyHasAndEscapeAnswersNo) {
  for (const char* key : {"confirm_new_player", "confirm_nothing"}) {
    closed.clear();
    std::string shown;
    Run("confirm_screen", key, "frames 45\n@20 keydown 0x1B\n@21 keyup 0x1B\n",
        [&shown](GF::IScreen& screen, int frame) {
          if (frame != 18) return;
          for (const char* part : {"_phrase_1", "_phrase_2", "_phrase_3"})
            shown += screen.GetLayout()->FindDrawable(part)->IsShown() ? "1" : "0";
        });
    EXPECT_EQ(shown, std::string(key) == "confirm_nothing" ? "000" : "110") << key;
    EXPECT_EQ(closed, Lines{"confirm_screen:no"});
  }
}

TEST_F(FrameworkScreenTest, ANameOfSpacesKeepsOkOffAndCancelLeavesWithAnEmptyName) {
  (*GF::HGENS::GetGameProperties())["NewPlayerName"] = L"old";
  Lines ok;
  Run("new_player_screen", nullptr,
      "frames 60\n"
      "@20 text \\s\\s\\s\n"
      "@22 keydown 0x0D\n@23 keyup 0x0D\n"                     // Enter: no effect
      "@25 text a\n"                                           // now named: ok and Enter live
      "@27 move 490 370\n@28 buttondown 1\n@29 buttonup 1\n",  // "cancel"
      [&ok](GF::IScreen& screen, int frame) {
        if (frame == 21 || frame == 24 || frame == 26)
          ok.push_back(std::to_string(frame) +
                       (screen.GetControl("ok")->IsEnabled() ? " on" : " off"));
      });
  EXPECT_EQ(ok, (Lines{"21 off", "24 off", "26 on"}));
  EXPECT_EQ(closed, Lines{"new_player_screen:back"});
  EXPECT_EQ(GF::HGENS::GetGameProperties()->GetString("NewPlayerName"), L"");
}

TEST_F(FrameworkScreenTest, ALogoShownOverAnotherScreenLeavesNothingInItsScene) {
  pm::test::ScriptedRun run;
  THolder<GF::IScene> scene;
  std::size_t before = 0;
  run.init = [&](GF::HGENS::CGameManager& manager) {
    manager.ScreenClosedEvent().Subscribe(GF::MakeDelegate(+[](THolder<GF::IScreen> screen) {
      GF::HGENS::GetGameManager()->DestroyScreen(screen->GetName());
    }));
    manager.CreateScreen("confirm_screen", "main_menu.confirm_screen", THolder<GF::IScene>(),
                         "confirm_new_player");
    scene = manager.TopScreen()->GetScene();
    before = static_cast<GF::HGENS::CScene&>(*scene).GetDrawables().size();
    manager.ShowScreen("PublisherScreen", "", scene, "100,100");
  };
  std::size_t during = 0;
  std::size_t after = 0;
  std::string top;
  run.after = [&](int frame) {
    const auto& drawables = static_cast<GF::HGENS::CScene&>(*scene).GetDrawables();
    if (frame == 10) during = drawables.size();
    if (frame == 290) {
      after = drawables.size();
      top = GF::HGENS::GetGameManager()->TopScreen()->GetName();
    }
  };
  pm::test::RunScripted("frames 291\n", run);
  scene.Reset();
  EXPECT_EQ(during, before + 1);  // the splash
  EXPECT_EQ(top, "confirm_screen");
  EXPECT_EQ(after, before);
}

}  // namespace
