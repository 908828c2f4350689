#pragma once

#include "framework/core/IAnimation.h"

// The kitchen's wall clock: hands that show the player's local time and a decoration (the
// sun through the window) that plays every 20 s.
struct CWallClock {
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  AnimationPtr dark;    // the layout's "_dark"
  AnimationPtr layout;  // the level layout the clock belongs to
  AnimationPtr clock;   // the layout's "_clock"
  AnimationPtr sun;     // the layout's "_sun"
  // The clock's "_hour", "_min" and "_second", looked up once when the clock is bound.
  AnimationPtr hands[3];
  float timer = 0.0f;  // ms since the sun last played
};

// Binds the clock to a level layout, which starts its "_idle". The sun first plays 15 s
// later.
void SetWallClockState(CWallClock& clock, CWallClock::AnimationPtr layout);
// Once a frame, also while the level is frozen: the hands follow the local time.
void UpdateWallClock(CWallClock& clock, const float& dt);

// The level is closing: the layout and its dusk turn to "_night" and the sun leaves the
// window.
void ShowWallClockNight(CWallClock& clock);

// The hands' angles in radians for a time of day: hours on a 12-hour dial (12 o'clock stays 12),
// minutes with their seconds, seconds alone.
struct HandAngles {
  float hour;
  float minute;
  float second;
};
HandAngles WallClockAngles(int hour, int minute, int second);
