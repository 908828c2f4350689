#pragma once

#include <map>
#include <optional>
#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CFlyObjectWorker.h"

// One won level on the progress map: its ribbon (the picture shows the place reached).
struct LevelRibbon {
  std::string key;  // level key
  GF::IAnimation::AnimationPtr ribbon;
  // Its child "_button_rect", or the ribbon itself when it has none; bounds count as inside.
  GF::TRect<int> rect;
  bool hover = false;
  bool isNew = false;  // won in the last level
  float angle = 0.0f;  // radians, on the arc under the stage's picture
};

// The ribbons of one stage on the progress map: laid out on an arc under the stage's
// picture, flown in when the stage becomes the chosen one and hidden when it stops being
// it; a newly won ribbon shows with a sound and a sparkle burst; resting on a ribbon for a
// quarter of a second shows the level's number in a tooltip, and a click on it then asks
// for the level to be replayed.
//
// The stage carousel owns one per stage and steps only the chosen stage's: it starts it
// once (Start), advances its flights (UpdateFlyObjects) and actions (CActionWorker::Update)
// and runs its state handler; a requested replay makes the map leave with "play".
class CLevelMapStrategy : public GF::CRefCount, public CFlyObjectWorker, public CActionWorker {
 public:
  // A per-frame state, dt in ms; false asks the carousel to stop.
  using StateHandler = bool (CLevelMapStrategy::*)(float dt);
  using Ribbons = std::map<std::string, LevelRibbon>;

  static GF::THolder<CLevelMapStrategy> Create();

  // The ribbon of a won level (made by the screen in its stage's place), shown when the
  // level belongs to the profile's stage; a new one waits hidden for ShowNewRibbon.
  void AddLevel(const GF::IAnimation::AnimationPtr& ribbon, const std::string& key, bool isNew);
  // Fans the ribbons out in key order, the first on the left, at angles from
  // pi/2 + (n - 1) step / 2 down by step, around the reference point; (0, 0) takes the
  // first ribbon's centre.
  void Layout(float ry, float rx, float step, float refX, float refY);
  // Hidden: every ribbon hides. Shown: every ribbon flies in from below the reference point
  // to its place, and the ribbons react to the mouse once the last one has landed.
  void SetRibbonsHidden(bool hidden);
  // Shows the new ribbon with its sound and sparkles; the ribbons then wait for it.
  void ShowNewRibbon();

  // The carousel's first step: a pending new ribbon is shown.
  void Start();
  bool IsStarted() const { return m_started; }
  // Set 200 ms after a click on a ribbon; the level is then in profile string 31.
  bool IsReplayRequested() const { return m_replayRequested; }
  // The state handler's answer; true without one.
  bool RunStateHandler(float dt);
  const Ribbons& GetRibbons() const { return m_ribbons; }

 private:
  CLevelMapStrategy() = default;

  // The state handlers. Hover: tooltips and replay clicks. Both always answer true.
  bool UpdateHover(float dt);
  bool WaitNewRibbon(float dt);

  LevelRibbon* HitRibbon(int x, int y);
  void EnterRibbon(LevelRibbon& ribbon);
  void ClickRibbon();
  void CountDownHover(float dt);
  void ShowTooltip();
  void LeaveRibbon();
  void FlyRibbon(const LevelRibbon& ribbon);
  void OnRibbonsShown();
  static void UpdateRibbonRect(LevelRibbon& ribbon);
  void UpdateAllRibbonRects();
  void RequestReplay() { m_replayRequested = true; }
  // The flights' centre is the reference point of the layout, kept in the frame of the
  // ribbons' host part, so that it goes with the stage's picture when the carousel moves it.
  void KeepFlightCentre(const GF::TPoint<float>& point);
  GF::TPoint<float> FlightCentre() const;
  GF::IAnimation::ParentPtr Host() const;

  Ribbons m_ribbons;
  StateHandler m_state = &CLevelMapStrategy::UpdateHover;
  LevelRibbon* m_current = nullptr;  // the new ribbon waiting to show, later the hovered one
  bool m_started = false;
  GF::THolder<GF::HGENS::CFGParticle> m_particle;
  GF::IAnimation::AnimationPtr m_tooltip;
  GF::TPoint<float> m_centre;
  std::optional<float> m_hoverDelay;  // ms left before the tooltip
  bool m_replayRequested = false;
};
