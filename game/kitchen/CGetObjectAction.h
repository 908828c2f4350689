#pragma once

#include "framework/core/THolder.h"
#include "game/app/GameTuning.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CZacaz.h"

// The series of quick clicks on ordinary orders, one for the whole program: a click less
// than the combo window after the last one counts on, any slower click starts a new series.
class CClickSeries {
 public:
  // Counts a click at `now` (seconds). Returns the bonus table entry the series reached (the
  // series then starts again from 0), or null.
  const IntFloatPair* Count(float now);
  int GetCount() const { return m_count; }
  static CClickSeries& Instance();

 private:
  float m_last = 0.0f;
  int m_count = 0;
};

// The cook arrived at what the player clicked. A device starts working for the order at
// once, beside the chain; an ingredient's copy flies with a sparkling trail into the device
// of the order's current step (or onto the plate), and the item is done when it lands. The
// click itself shows a sign on the object and counts in the click series.
class CGetObjectAction : public CActionBase {
 public:
  CGetObjectAction(GF::THolder<CCookObject> object, GF::THolder<CZacaz> order, int item);
  void Start() override;
  void Update(const float& dt) override;
  GF::THolder<CFlyObject> GetFlight() const { return m_flight; }

 private:
  void ShowClickSign() const;
  void CountClick() const;
  void ShowSeriesBonus(const IntFloatPair& entry) const;
  void StartFlight();
  GF::IAnimation::AnimationPtr MakeFlyingCopy() const;
  GF::TPoint<float> FlightTarget() const;

  int m_item;
  GF::THolder<CFlyObject> m_flight;
  GF::THolder<CCookObject> m_object;
  GF::THolder<CZacaz> m_order;
  GF::THolder<CGameFieldBase> m_orderField;
};

CActionBase::Holder MakeGetObjectAction(GF::THolder<CCookObject> object, GF::THolder<CZacaz> order,
                                        int item);
