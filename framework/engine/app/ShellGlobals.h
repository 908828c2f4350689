#pragma once

#include <memory>
#include <string>

#include "platform/OsServices.h"

class Engine;

namespace GF::HGENS {

class CApplication;

// The window title, also the name of the single-instance lock and of the save folder.
inline constexpr const char* kWindowTitle = "Sizzlewick: Panmaster";

// Process-wide records of the program entry and the engine callbacks.
struct ShellGlobals {
  Engine* engine = nullptr;  // the program's engine while RunProgram runs (no own reference)
  std::string programPath;   // the program's own path, to relaunch it; empty when unknown
  int startupColourDepth = 0;
  Os::InstanceLock instanceLock;
  bool createdInstanceMutex = false;
  int windowWidth = 0;       // logical width at start, later the client width
  float mouseScaleX = 1.0f;  // client size / logical size
  float mouseScaleY = 1.0f;
  std::unique_ptr<CApplication> applicationOwner;
  bool altEnterArmed = false;
  bool relayoutPending = false;
  int relayoutCountdown = -1;
};

ShellGlobals& GetShellGlobals();

}  // namespace GF::HGENS
