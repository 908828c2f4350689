#pragma once

// The framework's controls on a screen of the sample content, on the real program driven
// frame by frame: a screen of the test's own builds the controls in its OnInit, and the
// test looks at them around every frame. The layouts' "_show" lasts 300 ms, so the screen
// is idle (and its controls live) from frame 16 of 20 ms on.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/CScreenAbstract.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"

namespace pm::test {

using Lines = std::vector<std::string>;

class CControlsScreen;

struct ControlsRun {
  std::string layout = "main_menu.controls";
  // In the screen's OnInit: creates the controls.
  std::function<void(CControlsScreen&)> build;
  // Before and after each frame; the frame's input has arrived before either.
  std::function<void(CControlsScreen&, int frame)> before;
  std::function<void(CControlsScreen&, int frame)> after;
  // Runs at start-up, before the screen is made.
  std::function<void(GF::HGENS::CGameManager&)> setup;
};

inline const ControlsRun*& CurrentControlsRun() {
  static const ControlsRun* run = nullptr;
  return run;
}

class CControlsScreen : public GF::HGENS::CScreenAbstract {
 protected:
  void OnInit() override {
    if (CurrentControlsRun()->build) CurrentControlsRun()->build(*this);
    CScreenAbstract::OnInit();
  }
};

// Runs the replay script (frames of 20 ms) with the controls screen on top from the start.
inline void RunControls(const std::string& script, const ControlsRun& controls) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  CurrentControlsRun() = &controls;
  GF::THolder<GF::IScreen> screen;
  ScriptedRun run;
  run.init = [&](GF::HGENS::CGameManager& manager) {
    if (controls.setup) controls.setup(manager);
    manager.RegisterScreen("controls",
                           [] { return GF::THolder<GF::IScreen>(new CControlsScreen); });
    manager.CreateScreen("controls", controls.layout, nullptr, nullptr);
    screen = manager.TopScreen();
    screen->Activate();
  };
  const auto call = [&](const std::function<void(CControlsScreen&, int)>& hook, int frame) {
    if (hook && screen) hook(static_cast<CControlsScreen&>(*screen), frame);
  };
  run.before = [&](int frame) { call(controls.before, frame); };
  run.after = [&](int frame) { call(controls.after, frame); };
  RunScripted(script, run);
  screen.Reset();
  CurrentControlsRun() = nullptr;
  GF::HGENS::GetServiceProviders() = {};
}

}  // namespace pm::test
