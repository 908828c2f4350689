#pragma once

#include <array>
#include <string>
#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/DoLineCalcStrategy.h"
#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"

// The cook, who walks the kitchen floor's 16 x 16 grid between the devices. Each state of
// her small state machine shows one animation ("lily." + state name + "_" + dress); she
// walks cell by cell down a wave-front distance map toward her target, is drawn larger near
// the front of the floor (KitchenFloor) and blinks and sighs while she stands idle.
//
// The field calls Update every frame; the cook actions move her (MoveTo) and set her
// working states.
class CPers : public GF::CRefCount {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;
  using Obstacles = std::vector<bool>::const_iterator;

  enum State {
    kWork = 0,
    kIdle = 1,
    kStepAcross = 4,
    kStepFront = 5,
    kStepBack = 6,
    kCancel = 7,
    kWait = 8,
    kHide = 9,  // the cook stays where she is
    kBlink = 10,
  };
  static constexpr int kGridSize = 16;

  // The obstacle bits of cell (a, b) at a x 16 + b, true = blocked; bits past the first 256
  // are ignored, missing ones count as free. The layer holds the state animations.
  static GF::THolder<CPers> Create(int dress, Obstacles begin, Obstacles end,
                                   GF::THolder<GF::IScene> layer);
  CPers(int dress, Obstacles begin, Obstacles end, GF::THolder<GF::IScene> layer);
  ~CPers() override;
  CPers(const CPers&) = delete;
  CPers& operator=(const CPers&) = delete;

  // (Re)builds the state animations of the current dress and shows the current state; a
  // state without an animation keeps the shown one.
  void CreateStateAnimations();
  // Takes them out of the scene; the one shown stays the current animation until the next
  // state's takes its place.
  void ReleaseStateAnimations();
  // Shows the state's animation from its start, where the figure stands; the state shown
  // now is not restarted.
  void SetState(int state);
  // Walks to the cell (a, b), or the free cell nearest to it in its column b. Nothing in
  // state kHide.
  void MoveTo(float a, float b);
  // Ends walking: idle again.
  void OnArrived();
  // Holds the cook still in a state until OnArrived.
  void Hold(int state);
  // The frame's routine: idle or walking.
  void Update(const float& dt) { (this->*m_routine)(dt); }
  void UpdateIdle(const float& dt);
  void UpdateMoving(const float& dt);
  // Puts the figure on a cell position of the floor.
  void PlaceSprite(float a, float b);
  // A point on the figure, in screen coordinates.
  bool HitTest(const GF::TPoint<float>& point) const;
  void SetPaused(bool paused);
  // Height of the shown animation's bounding rectangle; 0 without one.
  float GetSpriteHeight() const;
  // Whether the cook may be sent walking (not while hidden).
  bool CanMove() const { return m_state != kHide; }

  bool IsIdle() const { return m_routine == &CPers::UpdateIdle; }
  bool IsWalking() const { return m_routine == &CPers::UpdateMoving; }
  int GetState() const { return m_state; }
  int GetDress() const { return m_dress; }
  // Takes effect at the next CreateStateAnimations.
  void SetDress(int dress) { m_dress = dress; }
  bool IsMirrored() const { return m_mirrored; }
  bool IsPaused() const { return m_paused; }
  GF::TPoint<float> GetPosition() const { return m_position; }
  GF::TPoint<int> GetCell() const { return m_cell; }
  // The walk grid: 0 free, 1 blocked, 2 and more the distance labels of the last search.
  int GetLabel(int a, int b) const { return m_grid[Index(a, b)]; }
  AnimationPtr GetAnimation() const { return m_current; }
  AnimationPtr GetStateAnimation(int state) const;

 private:
  using Routine = void (CPers::*)(const float&);

  static constexpr int Index(int a, int b) { return a * kGridSize + b; }
  static bool Inside(int a, int b) { return a >= 0 && a < kGridSize && b >= 0 && b < kGridSize; }
  void ReloadGrid();
  // The free cell of column b nearest to a (a tie takes the larger a), or 8 when the column
  // is blocked throughout.
  int NearestFreeCell(int a, int b) const;
  // Labels the cells reachable from the target by their distance to it: straight steps
  // count 1, diagonal ones 2.
  void BuildDistanceMap(int ta, int tb);
  // Starts the step to the neighbour with the smallest label, or arrives.
  void Step();
  // An empty routine: the cook is held in a state.
  void Stay(const float&) {}

  std::vector<GF::TRect<float>> m_hitRects;  // relative to the figure's position
  int m_state = kIdle;
  GF::DoLineCalcStrategy<GF::TPoint<float>> m_step;  // over one unit of time
  GF::TPoint<float> m_position{8.0f, 9.0f};
  GF::TPoint<int> m_cell{8, 9};
  bool m_mirrored = false;
  float m_timer = 0.0f;       // ms into the step; while idle, since the last sigh
  float m_blinkTimer = 0.0f;  // ms to the next blink
  // Labels grow past a byte on a long winding path, so the grid keeps ints.
  std::array<int, kGridSize * kGridSize> m_grid{};
  Routine m_routine = &CPers::UpdateIdle;
  std::array<bool, kGridSize * kGridSize> m_obstacles{};
  GF::THolder<GF::IScene> m_layer;
  AnimationPtr m_current;
  std::vector<AnimationPtr> m_stateAnimations;
  int m_dress = 0;
  bool m_paused = false;
};

// An inclusive test of a point in a rectangle.
bool PointInRectF(const GF::TPoint<float>& point, const GF::TRect<float>& rect);
