#pragma once

// The screens' tests run the real program headless in the deterministic mode: a replay
// script moves the mouse, presses buttons and keys frame by frame, and a small application
// of the test's own sets things up in Init and looks at them around every frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "platform/Engine.h"
#include "tests/support/TestSupport.h"

namespace pm::test {

struct ScriptedRun {
  // After the framework application's Init (resources loaded, game manager made).
  std::function<void(GF::HGENS::CGameManager&)> init;
  // Around each frame (frames count from 1); the input of the frame has arrived already.
  std::function<void(int frame)> before;
  std::function<void(int frame)> after;
  // Runs the game manager's frame; without it the loop runs until the script's last frame.
  bool screens = true;
};

class CScriptedApplication : public GF::HGENS::CApplication {
 public:
  CScriptedApplication(Engine* engine, const ScriptedRun& run) : CApplication(engine), m_run(run) {}

  bool Init() override {
    CApplication::Init();
    if (m_run.init) m_run.init(*m_gameManager);
    return true;
  }
  bool Frame(float dt) override {
    ++m_frame;
    if (m_run.before) m_run.before(m_frame);
    const bool more = !m_run.screens || CApplication::Frame(dt);
    if (m_run.after) m_run.after(m_frame);
    return more;
  }

 private:
  const ScriptedRun& m_run;
  int m_frame = 0;
};

using ApplicationMaker = std::function<std::unique_ptr<GF::HGENS::CApplication>(Engine*)>;

inline ApplicationMaker& CurrentMaker() {
  static ApplicationMaker maker;
  return maker;
}

// Runs the program, with the application that make makes, on "step 20" frames with the
// script's other lines; returns its exit code. The engine's log lines are appended to *log
// when given.
inline int RunScriptedApplication(const std::string& script, ApplicationMaker make,
                                  std::vector<std::string>* log = nullptr) {
  const std::filesystem::path file = MakeTempDir("replay") / "run.txt";
  std::ofstream(file) << "step 20\n" << script;
  ScopedEnv replay("PANMASTER_REPLAY", file.string());
  Engine* engine = hgeCreate(ENGINE_VERSION);  // keeps the log hook across the run
  if (log) engine->SetLogHook([log](const char* line) { log->emplace_back(line); });
  CurrentMaker() = std::move(make);
  char program[] = "/bin/true";
  char* argv[] = {program};
  const int code = GF::HGENS::RunProgram(1, argv, [](Engine* e) { return CurrentMaker()(e); });
  CurrentMaker() = nullptr;
  engine->SetLogHook(nullptr);
  engine->Release();
  return code;
}

// The same with a framework application of the test's own (ScriptedRun).
inline int RunScripted(const std::string& script, const ScriptedRun& run,
                       std::vector<std::string>* log = nullptr) {
  return RunScriptedApplication(
      script,
      [&run](Engine* e) {
        return std::unique_ptr<GF::HGENS::CApplication>(new CScriptedApplication(e, run));
      },
      log);
}

// Tests that run the framework's screens: the resource, scene and screen services are
// installed for the run and dropped after it.
class FrameworkServicesTest : public testing::Test {
 protected:
  void SetUp() override {
    GF::HGENS::InstallResourceServices();
    GF::HGENS::InstallSceneServices();
    GF::HGENS::InstallScreenServices();
  }
  void TearDown() override { GF::HGENS::GetServiceProviders() = {}; }
};

inline bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace pm::test
