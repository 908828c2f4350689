#include "framework/engine/app/EngineCallbacks.h"

#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/app/ShellGlobals.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace GF::HGENS {
namespace {

constexpr int kRelayoutFrames = 3;  // the window is fitted in the fourth frame from now
constexpr int kTallDesktop = 768;

// The window settles a few frames after a focus or mode change; then it is fitted and the
// mouse scale measured.
void ScheduleRelayout(ShellGlobals& shell) {
  shell.relayoutPending = true;
  shell.relayoutCountdown = kRelayoutFrames;
}

void UpdateMouse(Engine& engine, ShellGlobals& shell) {
  int clientX = 0;
  int clientY = 0;
  if (!Os::GetCursorClientPos(engine.GetStateHwnd(EngineState::Hwnd), &clientX, &clientY)) {
    return;
  }
  CMouse& mouse = *GetMouse();
  mouse.fx = static_cast<float>(clientX) / shell.mouseScaleX;
  mouse.fy = static_cast<float>(clientY) / shell.mouseScaleY;
  mouse.x = static_cast<int>(mouse.fx);
  mouse.y = static_cast<int>(mouse.fy);
}

// Alt+Enter flips the window mode when both keys are up again; Ctrl held while pressing
// them never arms it.
void HandleAltEnter(Engine& engine, ShellGlobals& shell) {
  const bool alt = engine.GetKeyState(KEY_ALT);
  const bool enter = engine.GetKeyState(KEY_ENTER);
  if (shell.altEnterArmed && !alt && !enter) {
    shell.altEnterArmed = false;
    engine.SetStateBool(EngineState::Windowed, !engine.GetStateBool(EngineState::Windowed));
    ScheduleRelayout(shell);
    if (shell.applicationOwner) shell.applicationOwner->OnWindowModeChanged();
  }
  if (!engine.GetKeyState(KEY_CTRL) && alt && enter) shell.altEnterArmed = true;
}

void CountDownRelayout(ShellGlobals& shell) {
  if (!shell.relayoutPending) return;
  if (shell.relayoutCountdown-- == 0) {
    shell.relayoutPending = false;
    UpdateWindowPlacement();
  }
}

// Alt is judged by each event's own flags: the key state now may already differ from the
// state when a queued event happened. The mouse's click flag lives for this frame only, so
// a press nobody read is not taken later at a stale spot.
void FeedInput(Engine& engine) {
  THolder<CKeyset> keyset = GetKeyset();
  CMouse& mouse = *GetMouse();
  mouse.click = false;
  EngineInputEvent event{};
  while (engine.GetEvent(&event)) {
    if (event.type == INPUT_MBUTTONDOWN && event.key == KEY_LBUTTON) mouse.click = true;
    keyset->Feed(event.type, event.key, (event.flags & INPUT_FLAG_ALT) != 0);
    event = EngineInputEvent{};
  }
}

// Asks to restart when the desktop's colour depth changed under a windowed game; either
// answer ends the game at the next frame.
void CheckColourDepth(Engine& engine, ShellGlobals& shell) {
  const int depth = Os::GetDesktopColourDepth();
  if (depth == shell.startupColourDepth || !engine.GetStateBool(EngineState::Windowed)) return;
  shell.startupColourDepth = depth;
  const bool ok =
      Os::ShowMessageBox("The game must restart for these changes to take effect", kWindowTitle,
                         Os::MessageBoxButtons::OkCancel, Os::MessageBoxIcon::Question);
  THolder<CGameManager> manager = GetGameManager();
  if (ok && !shell.programPath.empty()) {
    ReleaseSingleInstance();
    manager->SaveSettings();
    engine.Launch(shell.programPath.c_str());
  }
  manager->DestroyAllScreens();
}

}  // namespace

bool EngineFrameFunc() {
  ShellGlobals& shell = GetShellGlobals();
  Engine& engine = *shell.engine;
  UpdateMouse(engine, shell);
  HandleAltEnter(engine, shell);
  CountDownRelayout(shell);
  FeedInput(engine);
  if (!shell.applicationOwner) return true;
  return !shell.applicationOwner->Frame(engine.GetDelta() * 1000.0f);
}

bool EngineFocusLostFunc() {
  Os::DebugOutput("LostFocus\n");
  if (THolder<IMusic> music = GetMusic()) music->Pause("");
  if (THolder<IGameSound> sound = GetGameSound()) sound->PauseAll();
  GetGameManager()->FireSuspend();
  return false;
}

bool EngineFocusGainFunc() {
  Os::DebugOutput("Gain focus\n");
  ShellGlobals& shell = GetShellGlobals();
  Engine& engine = *shell.engine;
  CheckColourDepth(engine, shell);
  shell.mouseScaleX = shell.mouseScaleY = 1.0f;
  ScheduleRelayout(shell);
  engine.SetTextureWrap(false);
  if (THolder<IMusic> music = GetMusic()) music->Resume("");
  if (THolder<IGameSound> sound = GetGameSound()) sound->ResumeAll();
  GetGameManager()->FireResume();
  return false;
}

bool EngineExitFunc() {
  ShellGlobals& shell = GetShellGlobals();
  return !shell.applicationOwner || shell.applicationOwner->OnExit();
}

void AppCharInput(std::uint16_t unit) {
  GetGameManager()->FireCharInput(unit);
}

void AppSizeMove(bool entering) {
  if (entering) {
    GetGameManager()->FireSuspend();
    Os::DebugOutput("Enter size mode\n");
  } else {
    GetGameManager()->FireResume();
    Os::DebugOutput("Exit size mode\n");
  }
}

void UpdateWindowPlacement() {
  ShellGlobals& shell = GetShellGlobals();
  Engine& engine = *shell.engine;
  const std::uintptr_t window = engine.GetStateHwnd(EngineState::Hwnd);
  int clientWidth = 0;
  int clientHeight = 0;
  if (!Os::GetClientSize(window, &clientWidth, &clientHeight)) return;
  THolder<CGameProperties> properties = GetGameProperties();
  const int logicalWidth = properties->GetScreenWidth();
  const int logicalHeight = properties->GetScreenHeight();
  if (engine.GetStateBool(EngineState::Windowed)) {
    const bool tallDesktop = Os::GetDesktopHeight() >= kTallDesktop;
    if (!tallDesktop || shell.windowWidth != logicalWidth || clientWidth < logicalWidth) {
      Os::SetClientSize(window, tallDesktop ? 800 : 640, tallDesktop ? 600 : 480);
      if (!Os::GetClientSize(window, &clientWidth, &clientHeight)) return;
      shell.windowWidth = clientWidth;
    }
  }
  // Measured in every case: full screen letterboxes the logical screen on the desktop's
  // mode, and a window may be larger than the logical screen.
  shell.mouseScaleX = static_cast<float>(clientWidth) / static_cast<float>(logicalWidth);
  shell.mouseScaleY = static_cast<float>(clientHeight) / static_cast<float>(logicalHeight);
}

}  // namespace GF::HGENS
