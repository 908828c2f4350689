#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "tools/codecs/OggEncoder.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr int kRate = 22050;

struct Tone {
  double startHz, endHz, seconds;
};

// A sine sweep with a short attack and an exponential decay.
std::vector<float> Samples(const Tone& tone) {
  const int count = static_cast<int>(tone.seconds * kRate);
  std::vector<float> samples(static_cast<std::size_t>(count));
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    const double hz = tone.startHz + (tone.endHz - tone.startHz) * t;
    phase += 2.0 * M_PI * hz / kRate;
    const double envelope = std::min(1.0, i / 200.0) * std::exp(-4.0 * t);
    samples[i] = static_cast<float>(0.5 * envelope * std::sin(phase));
  }
  return samples;
}

const Tone kTones[] = {
    {1200.0, 900.0, 0.08},   // click
    {300.0, 1500.0, 0.5},    // whoosh
    {880.0, 880.0, 0.7},     // ding
    {200.0, 600.0, 0.6},     // stage_zoom
    {660.0, 1320.0, 0.5},    // new_ribbon
    {520.0, 260.0, 0.6},     // oops: a falling whistle
    {660.0, 1320.0, 0.3},    // bonus_get: a rising chirp
    {440.0, 880.0, 0.9},     // bonus_level
    {180.0, 90.0, 0.5},      // mach_start_oven: a low hum winding down
    {1760.0, 1760.0, 0.9},   // bell
    {240.0, 300.0, 0.15},    // action_move: a short step
    {600.0, 450.0, 0.8},     // waiting: a sigh
    {150.0, 160.0, 1.5},     // mixer_work: a whirr
    {90.0, 110.0, 1.5},      // griddle_work: a sizzle's rumble
    {120.0, 120.0, 1.5},     // stove_work
    {700.0, 1050.0, 0.2},    // device_start (sound 33)
    {1050.0, 700.0, 0.2},    // device_end (sound 34)
    {880.0, 1320.0, 0.4},    // order_ready (sound 7): a rising chime
    {1400.0, 500.0, 0.35},   // ingredient_fly: a falling swish
    {520.0, 780.0, 0.3},     // client_come: a door chime
    {990.0, 1980.0, 0.25},   // bright_chirp (sound 31): a click series, a difference found
    {400.0, 200.0, 0.8},     // time_up (sound 8)
    {2000.0, 2000.0, 0.05},  // clock_tick (sound 9)
    {660.0, 990.0, 0.4},     // level_go (sound 12)
    {523.0, 523.0, 0.25},    // 3: the count-down's beeps
    {587.0, 587.0, 0.25},    // 2
    {659.0, 659.0, 0.25},    // 1
    {1046.0, 1046.0, 0.5},   // go
    {700.0, 350.0, 1.0},     // restaurant_closed: a falling chime
    {220.0, 180.0, 0.2},     // click_refused (sound 5): a low buzz
    {800.0, 1000.0, 0.1},    // order_select (sound 6): a light tick up
    {500.0, 250.0, 0.5},     // ou: a customer gives up
    {880.0, 1760.0, 0.3},    // hint_ready (sound 14): a bright rise
    {1320.0, 1980.0, 0.35},  // object_found (sound 4): a hidden object found
};

}  // namespace

std::vector<std::uint8_t> EncodeSampleTune(const std::vector<double>& notesHz, double noteSeconds,
                                           double decay) {
  std::vector<float> samples;
  const int count = static_cast<int>(noteSeconds * kRate);
  for (double hz : notesHz)
    for (int i = 0; i < count; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double envelope = std::min(1.0, i / 300.0) * std::exp(-decay * t);
      samples.push_back(
          static_cast<float>(0.3 * envelope * std::sin(2.0 * std::numbers::pi * hz * t)));
    }
  return pm::codecs::EncodeOgg(samples, kRate, 1, 0.4f);
}

std::vector<std::uint8_t> EncodeSampleTone(double startHz, double endHz, double seconds) {
  return pm::codecs::EncodeOgg(Samples({startHz, endHz, seconds}), kRate, 1, 0.4f);
}

const std::vector<std::string>& SampleSoundNames() {
  static const std::vector<std::string> names = {
      "click", "whoosh", "ding", "stage_zoom", "new_ribbon", "oops", "bonus_get", "bonus_level",
      // the kitchen devices and the cook
      "mach_start_oven", "bell", "action_move", "waiting", "mixer_work", "griddle_work",
      "stove_work", "device_start", "device_end", "order_ready",
      // the orders and the cook's fetching
      "ingredient_fly", "client_come", "bright_chirp",
      // the bonus levels
      "time_up", "clock_tick", "level_go", "3", "2", "1", "go", "restaurant_closed",
      // the kitchen's play
      "click_refused", "order_select", "ou", "hint_ready",
      // the hidden-object level
      "object_found"};
  return names;
}

bool WriteSampleSounds(const std::filesystem::path& outDir) {
  bool ok = true;
  for (std::size_t i = 0; i < SampleSoundNames().size(); ++i) {
    const Tone& tone = kTones[i];
    const std::vector<std::uint8_t> ogg = EncodeSampleTone(tone.startHz, tone.endHz, tone.seconds);
    ok = !ogg.empty() && ok;
    // By name, and by the number the script gives it.
    ok = WriteContentFile(outDir, "Sound/" + SampleSoundNames()[i] + ".ogg", ogg) && ok;
    ok = WriteContentFile(outDir, "Sound/" + std::to_string(i), ogg) && ok;
  }
  return ok;
}
