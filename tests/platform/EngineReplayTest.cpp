#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/OsServices.h"
#include "tests/platform/EngineFixture.h"
#include "tests/support/TestSupport.h"

namespace {

// Everything a frame saw, as text, so two runs compare in one assertion.
std::ostringstream* g_trace = nullptr;
bool g_allowExit = false;

class EngineReplayTest : public pm::test::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    engine->SetStateCharFunc(EngineState::CharInput,
                             [](std::uint16_t unit) { *g_trace << " char " << unit; });
    g_allowExit = false;
    engine->SetStateFunc(EngineState::Exit, [] {
      *g_trace << " exit";
      return g_allowExit;
    });
    engine->SetStateFunc(EngineState::FocusLost, [] {
      *g_trace << " lost";
      return false;
    });
    engine->SetStateFunc(EngineState::FocusGain, [] {
      *g_trace << " gain";
      return false;
    });
  }

  // One whole run of the script: Initiate, Start, Shutdown. Returns the trace.
  std::string RunScript(const std::string& script, bool interrupt = false) {
    const auto path = dir / "script.txt";
    std::ofstream(path) << script;
    pm::test::ScopedEnv replay("PANMASTER_REPLAY", path);
    std::ostringstream trace;
    g_trace = &trace;
    EXPECT_TRUE(engine->Initiate()) << engine->GetErrorMessage();
    // Real input has no say in a replay.
    PushKey(SDLK_q, true);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    Run([&](int frame) {
      if (interrupt && frame == 2) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
      }
      if (frame == 1) engine->RandomSeed(0);  // the clock: the script's seed in a replay
      trace << "\nframe " << frame << " dt " << engine->GetDelta() << " t " << engine->GetTime()
            << " rnd " << engine->RandomInt(0, 1000000) << " key " << engine->GetKey();
      EngineInputEvent event{};
      while (engine->GetEvent(&event)) {
        trace << " [" << event.type << " " << event.key << " " << event.flags << " " << event.chr
              << " " << event.wheel << " " << event.x << "," << event.y << "]";
      }
      float x = 0, y = 0;
      engine->GetMousePos(&x, &y);
      trace << " mouse " << x << "," << y << " A " << engine->GetKeyState(KEY_A);
      const Os::LocalTime clock = Os::GetLocalTime();
      trace << " clock " << clock.hour << ":" << clock.minute << ":" << clock.second;
      engine->BeginScene();
      engine->Clear(frame == 3 ? 0xFF204080u : 0xFF000000u);
      engine->EndScene();
      return false;  // the script's frame count ends the run
    });
    engine->Shutdown();
    g_trace = nullptr;
    return trace.str();
  }

  const std::filesystem::path dir = pm::test::MakeTempDir("replay");
};

const char* const kScript =
    "seed 77\n"
    "step 20\n"
    "frames 6\n"
    "@1 move 400 300\n"
    "@2 keydown 0x41\n"
    "@2 text a\n"
    "@3 keyrepeat 0x41\n"
    "@3 keyup 0x41\n"
    "@3 buttondown 1\n"
    "@3 shot shot3.png\n"
    "@4 buttonup 1\n"
    "@4 text H\\u00e9\\b\n"
    "@4 wheel 2\n"
    "@5 close\n"
    "@5 focuslost\n"
    "@6 focusgain\n";

TEST_F(EngineReplayTest, AScriptedRunRepeatsExactly) {
  const std::string first = RunScript(kScript);
  const std::string second = RunScript(kScript);
  EXPECT_EQ(first, second);
  std::istringstream lines(first);
  std::vector<std::string> frames;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) frames.push_back(line);
  }
  // Frame 5 lost the focus: the program is not called until the focus is back.
  ASSERT_EQ(frames.size(), 5u) << first;
  EXPECT_EQ(frames[0].rfind("frame 1 dt 0.02 t 0.02 ", 0), 0u) << frames[0];
  EXPECT_NE(frames[0].find("[5 0 0 0 0 400,300] mouse 400,300 A 0"), std::string::npos);
  EXPECT_NE(frames[1].find("key 65 [1 65 0 97 0 400,300] mouse 400,300 A 1"), std::string::npos)
      << frames[1];
  EXPECT_NE(frames[2].find("[1 65 8 97 0 400,300] [2 65 0 97 0 400,300] [3 1 0 0 0 400,300]"),
            std::string::npos)
      << frames[2];
  EXPECT_NE(frames[3].find("[4 1 0 0 0 400,300] [6 0 0 0 2 400,300]"), std::string::npos);
  EXPECT_EQ(frames[4].rfind("frame 5 dt 0.02 t 0.12", 0), 0u) << frames[4];
  // Typed text and the callbacks land before the frame they belong to.
  EXPECT_NE(first.find(" char 97\nframe 2"), std::string::npos) << first;
  EXPECT_NE(first.find(" char 72 char 233 char 8\nframe 4"), std::string::npos);
  EXPECT_NE(first.find(" exit lost gain\nframe 5"), std::string::npos) << first;
  EXPECT_EQ(first.find("key 81"), std::string::npos) << "real keys are ignored";
  EXPECT_EQ(first.find(" exit exit"), std::string::npos) << "the real close is ignored";
}

// While the focus is away no frame runs, and a shot then shows the last picture drawn (the
// focus-lost callback's own).
TEST_F(EngineReplayTest, FramesAwayFromTheFocusCountButRunNothing) {
  const std::string trace =
      RunScript("step 20\nframes 8\n@3 focuslost\n@5 shot away.png\n@7 focusgain\n");
  // The trace numbers the calls: the third is the engine's seventh frame.
  EXPECT_NE(trace.find(" lost gain\nframe 3 dt 0.02 t 0.14 "), std::string::npos) << trace;
  EXPECT_NE(trace.find("frame 4 dt 0.02 t 0.16 "), std::string::npos) << trace;
  EXPECT_EQ(trace.find("frame 5 "), std::string::npos) << trace;
  SDL_Surface* shot = IMG_Load((dir / "away.png").c_str());
  ASSERT_NE(shot, nullptr) << IMG_GetError();
  SDL_FreeSurface(shot);
}

TEST_F(EngineReplayTest, ShotsArePngsOfTheScreenAfterTheirFrame) {
  RunScript(kScript);
  SDL_Surface* shot = IMG_Load((dir / "shot3.png").c_str());
  ASSERT_NE(shot, nullptr) << IMG_GetError();
  EXPECT_EQ(shot->w, 800);
  EXPECT_EQ(shot->h, 600);
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_ARGB8888, 0);
  ASSERT_NE(argb, nullptr);
  const auto* pixels = static_cast<const std::uint32_t*>(argb->pixels);
  EXPECT_EQ(pixels[0], 0xFF204080u);
  EXPECT_EQ(pixels[argb->pitch / 4 * 599 + 799], 0xFF204080u);
  SDL_FreeSurface(argb);
  SDL_FreeSurface(shot);
}

TEST_F(EngineReplayTest, AScriptedCloseThatIsAllowedEndsTheRun) {
  g_allowExit = true;
  const std::string trace = RunScript("frames 10\n@3 close\n");
  EXPECT_NE(trace.find("frame 2 "), std::string::npos);
  EXPECT_EQ(trace.find("frame 3 "), std::string::npos) << trace;
  EXPECT_NE(trace.find(" exit"), std::string::npos);
}

TEST_F(EngineReplayTest, AnInterruptStopsAReplayWithoutAsking) {
  const std::string trace = RunScript("frames 10\n", true);
  EXPECT_NE(trace.find("frame 2 "), std::string::npos);
  EXPECT_EQ(trace.find("frame 3 "), std::string::npos) << trace;
  EXPECT_EQ(trace.find(" exit"), std::string::npos);
}

TEST_F(EngineReplayTest, TheLocalTimeStandsAtTheScriptsTimePlusTheReplayedTime) {
  std::string trace = RunScript("frames 1\n");
  EXPECT_NE(trace.find(" clock 12:0:0"), std::string::npos) << trace;
  trace = RunScript("time 23:59:59\nstep 500\nframes 3\n");
  EXPECT_NE(trace.find("frame 1 dt 0.5 t 0.5 rnd"), std::string::npos) << trace;
  EXPECT_NE(trace.find(" clock 23:59:59"), std::string::npos) << trace;
  EXPECT_NE(trace.find("frame 2 dt 0.5 t 1 rnd"), std::string::npos) << trace;
  EXPECT_EQ(trace.find(" clock 23:59:59", trace.find("frame 2 ")), std::string::npos) << trace;
  EXPECT_NE(trace.find(" clock 0:0:0", trace.find("frame 2 ")), std::string::npos) << trace;
  // After the run the system's clock is back.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const Os::LocalTime clock = Os::GetLocalTime();
  EXPECT_EQ(clock.hour * 60 + clock.minute, local.tm_hour * 60 + local.tm_min);
}

TEST_F(EngineReplayTest, ABadScriptStopsInitiate) {
  const auto path = dir / "bad.txt";
  std::ofstream(path) << "step 20\nbounce\n";
  pm::test::ScopedEnv replay("PANMASTER_REPLAY", path);
  EXPECT_FALSE(engine->Initiate());
  EXPECT_EQ(std::string(engine->GetErrorMessage()),
            "replay script line 2: unknown directive \"bounce\"");
}

}  // namespace
