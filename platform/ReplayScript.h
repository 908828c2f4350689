#pragma once

// The script of the deterministic mode: a fixed frame step, a seed, a frame count, input by
// frame number and screenshots. Text, one directive a line; '#' starts a comment (except on
// a "text" line, which types everything after its command):
//
//   seed 42                 random seed (default 1)
//   step 20                 milliseconds per frame (default 16.667)
//   frames 300              Start returns after this many frames (default: run on)
//   time 08:30:00           the local time at the first frame (default 12:00:00)
//   @12 keydown 0x0D        key events with Windows key codes; keyrepeat repeats a held key
//   @14 keyup 0x0D
//   @20 move 400 300        cursor, logical screen coordinates
//   @21 buttondown 1        mouse buttons by key code: 1 left, 2 right, 4 middle
//   @22 buttonup 1
//   @23 wheel -1
//   @30 text Hello\b!       typed text (UTF-8); escapes \b \t \r \e \\ \s (space) \uXXXX
//   @40 close               the window's close button
//   @50 focuslost           and focusgain
//   @60 shot frame60.png    PNG of the screen after the frame (relative to the script)
//
// Frames count from 1, the first frame of Engine::Start; input of frame N arrives before
// its frame callback, in the script's order.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct ReplayEvent {
  enum class Kind {
    KeyDown,
    KeyUp,
    KeyRepeat,
    ButtonDown,
    ButtonUp,
    Move,
    Wheel,
    Text,
    Close,
    FocusLost,
    FocusGain,
    Shot
  };
  Kind kind;
  int a = 0;  // key, button, x or wheel steps
  int b = 0;  // y
  std::u16string text;
  std::string path;  // Shot
};

class ReplayScript {
 public:
  // Null with *error ("line N: ...") when the script can't be read or parsed.
  static std::unique_ptr<ReplayScript> Load(const std::string& path, std::string* error);
  // baseDir resolves relative screenshot paths.
  static std::unique_ptr<ReplayScript> Parse(std::string_view text, const std::string& baseDir,
                                             std::string* error);

  std::uint64_t Seed() const { return seed_; }
  double StepSeconds() const { return stepSeconds_; }
  std::uint32_t FrameLimit() const { return frameLimit_; }  // 0: none
  // Seconds since midnight at the start; the local time runs on with the replayed time.
  int StartTimeOfDay() const { return startTimeOfDay_; }
  // The events of a frame, in script order; null when there are none.
  const std::vector<ReplayEvent>* EventsAt(std::uint32_t frame) const;

 private:
  ReplayScript() = default;
  bool ParseLine(std::string_view line, const std::string& baseDir, std::string* error);

  std::uint64_t seed_ = 1;
  double stepSeconds_ = 1.0 / 60.0;
  std::uint32_t frameLimit_ = 0;
  int startTimeOfDay_ = 12 * 60 * 60;
  std::map<std::uint32_t, std::vector<ReplayEvent>> frames_;
};
