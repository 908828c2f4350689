#pragma once

#include <list>
#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CFlyObjectWorker.h"
#include "game/screens/map/CLevelMapStrategy.h"

// One stage on the progress map's carousel.
struct StagePlace {
  std::string key;  // stage key
  GF::IAnimation::AnimationPtr place;
  // The place's picture (its first drawable); the hit circle is inscribed in it.
  GF::TRect<int> rect;
  bool hover = false;
  bool opening = false;  // chosen by the carousel itself after the layout
  float angle = 0.0f;    // radians, on the ellipse
  int index = 0;         // 1-based, in the order of adding
  bool unlocked = false;
  GF::THolder<CLevelMapStrategy> levels;
};

// The stage carousel of the progress map: one place per stage on an ellipse, the chosen
// stage large in its centre. A click on another unlocked place chooses it: the chosen place
// shrinks back onto the top of the ellipse, the ring turns until the new place stands there,
// and the new place grows into the centre and shows its level ribbons. While that runs the
// owner's buttons are off (control event 1, then 0). Only the chosen stage's level strategy
// is stepped; its replay request ends the carousel's Tick with false.
class CStageMapStrategy {
 public:
  using ControlEvent = GF::TEventList<int>;
  using Places = std::list<StagePlace>;  // records never move: the chosen place points in

  CStageMapStrategy();
  CStageMapStrategy(const CStageMapStrategy&) = delete;
  CStageMapStrategy& operator=(const CStageMapStrategy&) = delete;

  // A place for a stage key (one without a stage number, or without its object, is left
  // out). The profile's stage becomes the chosen place; an opening place is chosen 1000 ms
  // after the layout.
  void AddStage(const std::string& key, const GF::IAnimation::AnimationPtr& place, bool unlocked,
                bool opening);
  // The chosen place (added first) in the centre, the others round the ellipse from its top
  // at `step` apart and half size. With profile float 16 set the chosen place starts on the
  // ellipse as well and zooms in (float 16 is cleared).
  void Layout(float rx, float ry, float step, float cx, float cy);
  // Flights, actions, then the state handler; false asks the screen to leave with "play".
  bool Tick(float dt);

  GF::THolder<CLevelMapStrategy> GetLevelStrategy(const std::string& key) const;
  GF::IAnimation::AnimationPtr GetPlaceObject(const std::string& key) const;
  ControlEvent& GetControlEvent() { return m_controlEvent; }
  const Places& GetPlaces() const { return m_places; }
  const StagePlace* GetChosenPlace() const { return m_chosen; }
  // Whether a choice animates (hover and clicks are ignored).
  bool IsAnimating() const { return m_state == &CStageMapStrategy::AlwaysTrue; }

  // The circle of half the rectangle's width around its integer middle; its border is out.
  static bool HitTest(const GF::TRect<int>& rect, int x, int y);
  // The ring's turn from the old chosen place to the new one: k steps of 2 pi / count, less
  // 2 pi when the new place lies right of centreX.
  static float TurnAngle(int oldIndex, int newIndex, int count, float centreX,
                         const GF::TRect<int>& newRect);

 private:
  using StateHandler = bool (CStageMapStrategy::*)(float dt);

  // The state handlers: hover and clicks; a choice animating.
  bool Update(float dt);
  bool AlwaysTrue(float) { return true; }

  // The chosen stage's level strategy; false on its replay request.
  bool StepChosenLevels(float dt);
  // Hover and click on one place; true when the click chose it.
  bool TrackPlace(StagePlace& place, int x, int y);
  void SelectStage(const std::string& key);
  void Zoom(bool in);
  void OnZoomOutDone(GF::THolder<CFlyObject>);
  void Rotate(float delta);
  void OnRotateDone();
  void OnZoomInDone(GF::THolder<CFlyObject>);
  void ShowChosenRibbons();
  void RestoreHover();
  void SelectOpening();
  StagePlace* Find(const std::string& key);
  static void UpdateHitRect(StagePlace& place);
  void UpdateAllHitRects();

  CFlyObjectWorker m_flights;
  CActionWorker m_actions;
  StateHandler m_state = &CStageMapStrategy::Update;
  Places m_places;
  GF::TPoint<float> m_radius{0.0f, 0.0f};
  StagePlace* m_chosen = nullptr;
  StagePlace* m_opening = nullptr;
  GF::TPoint<float> m_centre{0.0f, 0.0f};
  GF::THolder<CFlyObject> m_zoomFlight;  // the last zoom-in
  ControlEvent m_controlEvent;
};
