#pragma once

// The menus on the real program, opened through the sample game data's start rule: the
// screen under test by name, the top screen by type, and where the layout's parts stand on
// the 800 x 600 screen (the layouts are centred).

#include <string>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/ReplayScript.h"

namespace pm::test {

inline constexpr const char* kOptionsLayout = "main_menu.options";
inline constexpr const char* kPlayersLayout = "main_menu.change_player";
inline constexpr const char* kNewPlayerLayout = "main_menu.new_player_screen";

// The layouts take 300 ms (15 frames of 20 ms) to come in and as long to go.
inline constexpr int kShowFrames = 15;

// The top screen as T; null when another screen (or none) is on top.
template <class T>
T* TopAs() {
  return dynamic_cast<T*>(GF::HGENS::GetGameManager()->TopScreen().Get());
}

inline constexpr int kVkEnter = 0x0D;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkAlt = 0x12;

}  // namespace pm::test
