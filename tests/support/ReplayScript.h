#pragma once

// Lines of a replay script (PANMASTER_REPLAY): "@<frame> <command>", one a line.

#include <string>

namespace pm::test {

inline std::string At(int frame, const std::string& command) {
  return "@" + std::to_string(frame) + " " + command + "\n";
}

// A left click at (x, y): the cursor comes two frames before the button goes down in frame,
// so the control has seen it over itself; the button comes up in the next frame.
inline std::string ClickAt(int frame, int x, int y) {
  return At(frame - 2, "move " + std::to_string(x) + " " + std::to_string(y)) +
         At(frame, "buttondown 1") + At(frame + 1, "buttonup 1");
}

// A key pressed in frame and let go in the next (Windows key codes).
inline std::string KeyAt(int frame, int code) {
  return At(frame, "keydown " + std::to_string(code)) +
         At(frame + 1, "keyup " + std::to_string(code));
}

}  // namespace pm::test
