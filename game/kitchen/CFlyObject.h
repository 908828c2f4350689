#pragma once

#include <vector>

#include "framework/core/CCurve.h"
#include "framework/core/IAnimation.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"

// A flight: the framework's timed curve moving its targets (sprites, particles, texts) along
// a path while the motion setters' strategies change their opacity, angle or scale, with a
// start delay, a landed event and the option to take the targets out of their scene on
// arrival. An ingredient flying into an order, a bonus flying to its counter, coins, a
// bubble falling away.
//
// Unlike a plain curve it is built active. The creator configures it (targets, duration,
// strategies, the public members below, landed delegates) and hands it to AddFlyObject.
// Arrival is reported one update after the elapsed time reached the duration.
class CFlyObject : public GF::CCurve {
 public:
  using LandedEvent = GF::TEventList<GF::THolder<CFlyObject>>;

  CFlyObject() { SetActive(true); }

  // While the start delay runs the targets stand at the path's start and nothing advances
  // (not even a flight of duration 0 lands).
  bool Update(const float& dt) override;
  // Landing, once: the curve's finished event, then the landed event, then (with the
  // remove-on-arrival flag) every target leaves its parent and scene, so the landed
  // delegates can still read the targets. A second call does nothing.
  void OnFinished() override;

  const std::vector<GF::IAnimation::AnimationPtr>& GetTargets() const { return targets_; }

  // On arrival, every target leaves its scene and the target list is emptied.
  bool m_removeOnArrival = false;
  // Milliseconds the flight holds at its start before it moves.
  float m_startDelay = 0.0f;
  // Fired on arrival with this flight.
  LandedEvent m_landedEvent;
  // Free for the creator's landed handler to read (which order, which slot, ...).
  int m_userValue = 0;

 private:
  bool m_landed = false;
};

// A new active flight: no targets, no strategies, duration 0, no delay.
GF::THolder<CFlyObject> CreateFlyObject();

// The first target of the flight: the node that flew, for landed handlers. Empty when the
// flight has no targets (or none is given).
GF::IAnimation::AnimationPtr GetFlyObjectTarget(const GF::THolder<CFlyObject>& flight);
