#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/OsServices.h"
#include "tests/platform/EngineFixture.h"
#include "tests/support/TestSupport.h"

namespace {

using EngineWindowTest = pm::test::EngineFixture;

TEST_F(EngineWindowTest, OneProcessWideEngineForVersion0x154Only) {
  EXPECT_EQ(hgeCreate(0x153), nullptr);
  EXPECT_EQ(hgeCreate(0), nullptr);
  Engine* second = hgeCreate(ENGINE_VERSION);
  EXPECT_EQ(second, engine);
  Initiate();
  EXPECT_EQ(second->Release(), 1) << "one reference left: the engine lives on";
  EXPECT_NE(engine->GetStateHwnd(EngineState::Hwnd), 0u);
}

TEST_F(EngineWindowTest, LastReleaseShutsTheEngineDown) {
  Initiate();
  Engine* other = hgeCreate(ENGINE_VERSION);
  ASSERT_EQ(other->Release(), 1);
  engine->Release();
  engine = hgeCreate(ENGINE_VERSION);  // a new engine for TearDown
  EXPECT_EQ(engine->GetStateHwnd(EngineState::Hwnd), 0u);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "the window and video were closed";
}

TEST_F(EngineWindowTest, StatesAreStoredAndTheWindowFollowsThem) {
  EXPECT_EQ(engine->GetStateHwnd(EngineState::Hwnd), 0u);
  engine->SetStateBool(EngineState::Windowed, true);
  engine->SetStateInt(EngineState::ScreenWidth, 640);
  engine->SetStateInt(EngineState::ScreenHeight, 480);
  engine->SetStateInt(EngineState::Fps, -1);
  engine->SetStateBool(EngineState::Bool18, true);
  engine->SetStateInt(EngineState::Int20, 7);
  engine->SetStateInt(EngineState::Int21, 9);
  engine->SetStateBool(EngineState::HideMouse, false);
  Initiate();
  ASSERT_NE(Window(), nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "Engine Test");
  EXPECT_TRUE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_OPENGL);
  int w = 0, h = 0;
  SDL_GetWindowSize(Window(), &w, &h);
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  EXPECT_EQ(engine->GetStateInt(EngineState::ScreenWidth), 640);
  EXPECT_EQ(engine->GetStateInt(EngineState::ScreenHeight), 480);
  EXPECT_EQ(engine->GetStateInt(EngineState::ScreenBpp), 32);
  EXPECT_EQ(engine->GetStateInt(EngineState::Fps), -1);
  EXPECT_TRUE(engine->GetStateBool(EngineState::Bool18));
  EXPECT_EQ(engine->GetStateInt(EngineState::Int20), 7);
  EXPECT_EQ(engine->GetStateInt(EngineState::Int21), 9);

  // Live states.
  engine->SetStateString(EngineState::Title, "Renamed");
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "Renamed");
  engine->SetStateBool(EngineState::HideMouse, true);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  engine->SetStateBool(EngineState::HideMouse, false);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  // The logical screen stays as the window was made.
  engine->SetStateInt(EngineState::ScreenWidth, 1024);
  EXPECT_EQ(engine->GetStateInt(EngineState::ScreenWidth), 640);
  for (const std::string& line : log) EXPECT_EQ(line.find("ignored"), std::string::npos) << line;
  engine->SetStateString(EngineState::Icon, "Icon\\missing.png");
  EXPECT_STREQ(engine->GetStateString(EngineState::Icon), "Icon\\missing.png");
  EXPECT_EQ(log.back(), "Icon \"Icon\\missing.png\" not found");
  const auto icon = pm::test::MakeTempDir("icon") / "icon.png";
  SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_EQ(IMG_SavePNG(image, icon.c_str()), 0);
  SDL_FreeSurface(image);
  const std::size_t lines = log.size();
  engine->SetStateString(EngineState::Icon, icon.c_str());
  EXPECT_EQ(log.size(), lines) << log.back();
}

TEST_F(EngineWindowTest, UnknownStatesAreIgnoredAndLoggedOnce) {
  engine->SetStateBool(EngineState::Title, true);
  engine->SetStateBool(EngineState::Title, false);
  EXPECT_EQ(engine->GetStateInt(EngineState::Frame), 0);
  engine->SetStateString(EngineState::Fps, "60");
  EXPECT_EQ(engine->GetStateInt(EngineState::Fps), 0);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_NE(log[0].find("not a bool state"), std::string::npos) << log[0];
}

TEST_F(EngineWindowTest, WindowedIsALiveToggleAndFullScreenIsLetterboxed) {
  Initiate();
  engine->SetStateBool(EngineState::Windowed, false);
  EXPECT_TRUE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
  const auto hwnd = engine->GetStateHwnd(EngineState::Hwnd);
  int w = 0, h = 0;
  ASSERT_TRUE(Os::GetClientSize(hwnd, &w, &h));
  // The offscreen desktop is 1024 x 768: an 800 x 600 screen fills it.
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);
  EXPECT_FALSE(Os::SetClientSize(hwnd, 640, 480)) << "full screen keeps its size";
  engine->SetStateBool(EngineState::Windowed, true);
  EXPECT_FALSE(SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
  ASSERT_TRUE(Os::GetClientSize(hwnd, &w, &h));
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
  EXPECT_FALSE(engine->GetStateBool(EngineState::Windowed) == false);
}

TEST_F(EngineWindowTest, FullScreenKeepsTheLogicalScreensShape) {
  engine->SetStateInt(EngineState::ScreenWidth, 640);
  engine->SetStateInt(EngineState::ScreenHeight, 400);
  engine->SetStateBool(EngineState::Windowed, false);
  Initiate();
  const auto hwnd = engine->GetStateHwnd(EngineState::Hwnd);
  int w = 0, h = 0;
  ASSERT_TRUE(Os::GetClientSize(hwnd, &w, &h));
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 640);  // bars of 64 pixels above and below on the 1024 x 768 desktop
  PushMotion(512, 64 + 320);
  NextFrameEvents();
  float x = 0, y = 0;
  engine->GetMousePos(&x, &y);
  EXPECT_FLOAT_EQ(x, 320.0f);
  EXPECT_FLOAT_EQ(y, 200.0f);
}

TEST_F(EngineWindowTest, TheClientIsTheLetterboxedViewport) {
  Initiate();
  const auto hwnd = engine->GetStateHwnd(EngineState::Hwnd);
  struct Case {
    int windowW, windowH;    // window size
    int clientW, clientH;    // viewport
    int pointerX, pointerY;  // cursor in the window
    int clientX, clientY;    // cursor in the client
    float logicalX, logicalY;
  };
  const Case cases[] = {
      {800, 600, 800, 600, 400, 300, 400, 300, 400.0f, 300.0f},
      {1000, 600, 800, 600, 600, 150, 500, 150, 500.0f, 150.0f},  // bars left and right
      {400, 400, 400, 300, 200, 200, 200, 150, 400.0f, 300.0f},   // bars above and below
      {640, 480, 640, 480, 320, 240, 320, 240, 400.0f, 300.0f},
      {400, 400, 400, 300, 0, 10, 0, -40, 0.0f, -80.0f},  // on the bar
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.windowW << "x" << c.windowH);
    ASSERT_TRUE(Os::SetClientSize(hwnd, c.windowW, c.windowH));
    int w = 0, h = 0;
    ASSERT_TRUE(Os::GetClientSize(hwnd, &w, &h));
    EXPECT_EQ(w, c.clientW);
    EXPECT_EQ(h, c.clientH);
    PushMotion(c.pointerX, c.pointerY);
    const auto events = NextFrameEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, INPUT_MOUSEMOVE);
    EXPECT_EQ(events[0].x, c.clientX);
    EXPECT_EQ(events[0].y, c.clientY);
    int x = 0, y = 0;
    ASSERT_TRUE(Os::GetCursorClientPos(hwnd, &x, &y));
    EXPECT_EQ(x, c.clientX);
    EXPECT_EQ(y, c.clientY);
    float lx = 0, ly = 0;
    engine->GetMousePos(&lx, &ly);
    EXPECT_FLOAT_EQ(lx, c.logicalX);
    EXPECT_FLOAT_EQ(ly, c.logicalY);
  }
  ASSERT_TRUE(Os::SetCursorClientPos(hwnd, 12, 34));
  int x = 0, y = 0;
  ASSERT_TRUE(Os::GetCursorClientPos(hwnd, &x, &y));
  EXPECT_EQ(x, 12);
  EXPECT_EQ(y, 34);
}

int g_exitCalls = 0;
bool g_allowExit = false;

TEST_F(EngineWindowTest, ClosingAsksTheExitCallbackFirst) {
  Initiate();
  g_exitCalls = 0;
  g_allowExit = false;
  engine->SetStateFunc(EngineState::Exit, [] {
    ++g_exitCalls;
    return g_allowExit;
  });
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  int frames = 0;
  Run([&](int frame) {
    frames = frame;
    return frame == 3;
  });
  EXPECT_EQ(g_exitCalls, 1);
  EXPECT_EQ(frames, 3) << "false keeps the window and the loop";
  EXPECT_NE(engine->GetStateHwnd(EngineState::Hwnd), 0u);

  g_allowExit = true;
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  frames = 0;
  Run([&](int frame) {
    frames = frame;
    return false;
  });
  EXPECT_EQ(g_exitCalls, 2);
  EXPECT_EQ(frames, 0) << "true ends the loop before the next frame";
  // A quit request (a signal, the session ending) asks the same way.
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  Run([](int) { return false; });
  EXPECT_EQ(g_exitCalls, 3);
}

std::string g_focus;

TEST_F(EngineWindowTest, FocusChangesCallTheCallbacksOnce) {
  g_focus.clear();
  engine->SetStateFunc(EngineState::FocusLost, [] {
    g_focus += "lost ";
    return false;
  });
  engine->SetStateFunc(EngineState::FocusGain, [] {
    g_focus += "gain ";
    return false;
  });
  engine->SetStateActivateFunc(EngineState::Activate,
                               [](bool active) { g_focus += active ? "on " : "off "; });
  Initiate();
  EXPECT_EQ(g_focus, "") << "the window starts active; the shell calls its gain itself";
  for (auto id : {SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_MINIMIZED,
                  SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_RESTORED})
    PushWindowEvent(id);
  NextFrameEvents();
  EXPECT_EQ(g_focus, "lost off gain on ");
  g_focus.clear();
  engine->SetStateBool(EngineState::Windowed, false);
  PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
  PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
  NextFrameEvents();
  EXPECT_EQ(g_focus, "lost off gain on ") << "full screen too";
}

// Away from the focus the loop sleeps on the window's events and runs no frame until the
// focus is back; the time away is no frame's time.
TEST_F(EngineWindowTest, NoFrameRunsWhileTheFocusIsAway) {
  Initiate();
  Uint32 lostAt = 0, backAt = 0;
  float delta = 1.0f;
  Run([&](int frame) {
    if (frame == 1) {
      PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
      SDL_AddTimer(
          150,
          [](Uint32, void*) -> Uint32 {
            PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
            return 0;
          },
          nullptr);
      lostAt = SDL_GetTicks();
      return false;
    }
    backAt = SDL_GetTicks();
    delta = engine->GetDelta();
    return true;
  });
  EXPECT_GE(backAt - lostAt, 140u);  // the timer comes at 150 ms, give or take a tick
  EXPECT_LT(delta, 0.05f);
}

std::string g_sizeMove;

TEST_F(EngineWindowTest, AFinishedMoveIsAnEnteredAndLeftMoveLoop) {
  g_sizeMove.clear();
  engine->SetStateActivateFunc(EngineState::SizeMove,
                               [](bool entering) { g_sizeMove += entering ? "enter " : "exit "; });
  Initiate();
  PushWindowEvent(SDL_WINDOWEVENT_MOVED);
  NextFrameEvents();
  EXPECT_EQ(g_sizeMove, "enter exit ");
}

TEST_F(EngineWindowTest, InitiateFailsWithAMessageWithoutAVideoDriver) {
  {
    pm::test::ScopedEnv driver("SDL_VIDEODRIVER", "no-such-driver");
    EXPECT_FALSE(engine->Initiate());
  }
  EXPECT_EQ(std::string(engine->GetErrorMessage()).rfind("Can't initialise SDL: ", 0), 0u)
      << engine->GetErrorMessage();
  EXPECT_EQ(engine->GetStateHwnd(EngineState::Hwnd), 0u);
  Initiate();  // the next attempt may succeed
}

TEST_F(EngineWindowTest, StartNeedsAnInitiatedEngineAndAFrameFunction) {
  EXPECT_FALSE(engine->Start());
  Initiate();
  EXPECT_FALSE(engine->Start());
  EXPECT_NE(std::string(engine->GetErrorMessage()).find("frame"), std::string::npos);
}

TEST_F(EngineWindowTest, LogLinesGoToTheHookStderrAndTheLogFileInTheSaveFolder) {
  engine->Log("before %s", "start");
  Initiate();
  testing::internal::CaptureStderr();
  engine->Log("FPS:%d\t, AnimationCount %d, DrawableCount %d", 60, 2, 3);
  engine->Log("ANGELSCRIPT: %s (%d, %d) | %s | %s\n", "a.as", 1, 2, "ERR", "text");
  engine->Log("%s", "");
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err,
            "FPS:60\t, AnimationCount 2, DrawableCount 3\n"
            "ANGELSCRIPT: a.as (1, 2) | ERR | text\n\n");
  const std::string longText(3000, 'x');
  testing::internal::CaptureStderr();
  engine->Log("%s!", longText.c_str());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), longText + "!\n");
  ASSERT_GE(log.size(), 5u);
  EXPECT_EQ(log[log.size() - 4], "FPS:60\t, AnimationCount 2, DrawableCount 3");
  EXPECT_EQ(log[log.size() - 3], "ANGELSCRIPT: a.as (1, 2) | ERR | text");
  EXPECT_EQ(log.back(), longText + "!");
  std::ifstream file(Os::GetSaveFolder("Engine Test") + "/engine.log");
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("before start\n"), std::string::npos) << "early lines are kept";
  EXPECT_NE(text.str().find("ANGELSCRIPT: a.as (1, 2) | ERR | text\n\n"), std::string::npos);
}

TEST_F(EngineWindowTest, TimeStepsAreNeverNegative) {
  Initiate();
  float lastTime = -1;
  Run([&](int frame) {
    EXPECT_GE(engine->GetDelta(), 0.0f);
    EXPECT_GE(engine->GetTime(), lastTime);
    lastTime = engine->GetTime();
    return frame == 5;
  });
}

TEST_F(EngineWindowTest, RandomNumbersRepeatForASeedAndIncludeBothEnds) {
  engine->RandomSeed(1234);
  std::vector<int> first;
  for (int i = 0; i < 20; ++i) first.push_back(engine->RandomInt(-1000, 1000));
  engine->RandomSeed(1234);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(engine->RandomInt(-1000, 1000), first[i]);
  bool seen[3] = {};
  for (int i = 0; i < 200; ++i) {
    const int value = engine->RandomInt(1, 3);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 3);
    seen[value - 1] = true;
  }
  EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
  EXPECT_EQ(engine->RandomInt(5, 5), 5);
  EXPECT_EQ(engine->RandomInt(INT32_MIN, INT32_MIN), INT32_MIN);
  const int wide = engine->RandomInt(INT32_MIN, INT32_MAX);  // no overflow
  (void)wide;
  for (int i = 0; i < 200; ++i) {
    const float value = engine->RandomFloat(-2.0f, 3.0f);
    ASSERT_GE(value, -2.0f);
    ASSERT_LE(value, 3.0f);
  }
}

TEST_F(EngineWindowTest, LaunchStartsANewProcess) {
  const auto dir = pm::test::MakeTempDir("launch");
  const auto script = dir / "program.sh";
  const auto marker = dir / "started";
  std::ofstream(script) << "#!/bin/sh\ntouch '" << marker.string() << "'\n";
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  ASSERT_TRUE(engine->Launch(script.c_str()));
  // The child runs on its own; wait for its mark rather than for a time.
  for (int i = 0; i < 1000 && !std::filesystem::exists(marker); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(std::filesystem::exists(marker));
  EXPECT_FALSE(engine->Launch((dir / "missing").c_str()));
  EXPECT_FALSE(engine->Launch(""));
}

}  // namespace
