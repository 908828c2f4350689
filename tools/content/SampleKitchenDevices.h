#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The sample content of the kitchen's devices and its cook, drawn from the sample art:
// - an animation per device of the catalogue ("Devices.mixer", "Devices.UPG_mixer",
//   "Devices.griddle", "Devices.stove", "Devices.electric_stove_4") with the parts "_idle",
//   "_work" (its two working frames in turn) and "_closed" (done);
// - an animation per ingredient stand ("Ingredients.eggs", ...) with "_idle" and "_work"
//   (the stand bobs);
// - the cook "lily.<state>_<dress>" for every state and dress, each playing "all", with the
//   badge of its state over her hat.

struct SampleCookState {
  const char* name;  // "idle": the animation "lily.idle_<dress>", the badge "cook_marks_idle"
  std::vector<std::pair<const char*, int>> frames;  // the cook sheet's frames, ms each
  int loops;                                        // of "all": 0 endless
};
const std::vector<SampleCookState>& SampleCookStates();
// The art's sheet of each dress (0 to 4, as DressByUpgradeLevel names them).
const std::vector<std::string>& SampleCookDressSheets();

// Each state's badge (art/cook_marks.svg): its fill, 0xRRGGBB, which shows a little below
// the badge's middle.
struct SampleCookMark {
  const char* state;
  std::uint32_t colour;
};
inline constexpr SampleCookMark kSampleCookMarks[] = {
    {"work", 0xF59A3B},        {"idle", 0x7CC46A},   {"diagonal_down", 0x3E7CB1},
    {"diagonal_up", 0x9B6BC3}, {"cancel", 0xE8503A}, {"wait", 0xFFD45A},
    {"hide", 0x8A99A6},        {"blink", 0xF7A1B5},
};
// Where the badge's middle stands above the cook's position, at scale 1.
inline constexpr float kSampleCookMarkY = -58.0f;

// The resource script's part; `script` is the script so far, which names the art sprites.
// Empty when it lacks one of them.
std::string MakeKitchenDevicesScript(const std::string& script);
