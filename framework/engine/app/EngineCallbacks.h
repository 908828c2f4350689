#pragma once

#include <cstdint>

// The engine's callbacks and window hooks, registered by the program entry and the
// application's Init. They reach the application through ShellGlobals.

namespace GF::HGENS {

// Every frame: mouse, Alt+Enter, the deferred re-layout and the input events, then the
// application's frame. True ends the engine loop.
bool EngineFrameFunc();
// Pauses music and sounds and fires Suspend. Returns false.
bool EngineFocusLostFunc();
// Asks to restart after a desktop colour-depth change, schedules the re-layout, resumes
// music and sounds and fires Resume. Returns false.
bool EngineFocusGainFunc();
// The window's close button: the application's OnExit.
bool EngineExitFunc();

// Window hooks: a typed UTF-16 unit goes to the game manager's CharInput event; a window
// move or size loop suspends and resumes the game.
void AppCharInput(std::uint16_t unit);
void AppSizeMove(bool entering);

// Fits the window in windowed mode and recomputes the mouse scale.
void UpdateWindowPlacement();

}  // namespace GF::HGENS
