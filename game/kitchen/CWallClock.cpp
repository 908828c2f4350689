#include "game/kitchen/CWallClock.h"

#include <numbers>

#include "framework/engine/screens/ControlParts.h"
#include "platform/OsServices.h"

namespace {

constexpr float kFirstSunTimer = 5000.0f;
constexpr float kSunInterval = 20000.0f;
constexpr const char* kHandNames[] = {"_hour", "_min", "_second"};

}  // namespace

HandAngles WallClockAngles(int hour, int minute, int second) {
  constexpr float pi = std::numbers::pi_v<float>;
  // Hours after noon come round again; noon itself and the half hour after it stay on
  // the 12 (the hand then stands a turn on, which looks the same).
  const float h =
      static_cast<float>(hour > 12 ? hour - 12 : hour) + static_cast<float>(minute) / 60.0f;
  return {h * pi / 6.0f,
          (static_cast<float>(minute) + static_cast<float>(second) / 60.0f) * pi / 30.0f,
          static_cast<float>(second) * pi / 30.0f};
}

void SetWallClockState(CWallClock& clock, CWallClock::AnimationPtr layout) {
  clock = CWallClock{};
  clock.layout = layout;
  clock.timer = kFirstSunTimer;
  if (!layout) return;
  layout->Play("_idle", 0, false);
  layout->Update(0.0f);
  clock.clock = GF::HGENS::FindRequiredPart(layout, "_clock");
  for (int i = 0; i < 3; ++i)
    clock.hands[i] = GF::HGENS::FindRequiredPart(clock.clock, kHandNames[i]);
  clock.sun = GF::HGENS::FindRequiredPart(layout, "_sun");
  if (clock.sun) clock.sun->Pause();
  clock.dark = GF::HGENS::FindRequiredPart(layout, "_dark");
  if (clock.dark) clock.dark->Play("_idle", 0, false);
}

void UpdateWallClock(CWallClock& clock, const float& dt) {
  clock.timer += dt;
  if (clock.clock) {
    const Os::LocalTime now = Os::GetLocalTime();
    const HandAngles angles = WallClockAngles(now.hour, now.minute, now.second);
    const float values[] = {angles.hour, angles.minute, angles.second};
    for (int i = 0; i < 3; ++i)
      if (clock.hands[i]) clock.hands[i]->SetAngle(values[i]);
  }
  if (clock.sun && clock.timer > kSunInterval) {
    clock.sun->Play("all", 1, false);
    clock.timer = 0.0f;
  }
}

void ShowWallClockNight(CWallClock& clock) {
  if (clock.layout) clock.layout->Play("_night", 0, false);
  // The dusk is the layout's "_dark", which plays on its own clock.
  if (clock.dark) clock.dark->Play("_night", 0, false);
  if (clock.sun) clock.sun->SetVisible(false);
}
