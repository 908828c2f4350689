#pragma once

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"

// "BonusStatisticsScreen": after a bonus level, its points in the layout's text, replay and
// continue (or continue alone after a result of exactly 101), and while it stays open the
// level's objects thrown across the screen one after another.
GF::THolder<GF::IScreen> CreateBonusStatisticsScreen();

// Only continue is offered for a bonus result (profile float 5) of exactly 101.
bool OffersOnlyContinue(float placeValue);

// The applause's number: the place for a bonus level with points, else 3.
int BonusApplauseNumber(float points, float placeValue);

// The time between two throws counts down by frame steps: true when this step ran it out
// (once, however long the step). A countdown already out does nothing.
bool RunThrowCountdown(float& countdown, float dt);

// Where a throw from x1 may land: on the other side of the screen's middle (x = 400).
struct ThrowRange {
  float from, to;
};
ThrowRange LandingRange(float x1);
