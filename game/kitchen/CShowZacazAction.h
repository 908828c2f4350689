#pragma once

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CZacaz.h"

// Serves an order: the dish appears on the opening plate, flies (shrinking and turning once)
// into the order's bubble while the recipe card goes, the customer applauds and pays, and a
// moment later the order leaves the panel. An order the customer gave up meanwhile is
// taken off at once and its dish fades away in flight. The rival's dish (type 102) flies in
// from off the screen and pays nothing; the special orders (101, 102) ask the field for
// their next order before they leave.
class CShowZacazAction : public CActionBase {
 public:
  explicit CShowZacazAction(GF::THolder<CZacaz> order);
  void Start() override;
  void Update(const float& dt) override;

  GF::IAnimation::AnimationPtr GetDish() const { return m_dish; }
  GF::THolder<CFlyObject> GetFlight() const { return m_flight; }
  bool IsDishShown() const { return m_dishShown; }

 private:
  bool IsPlateDone() const;
  void StartFlight();
  // The order closed during the flight: off the panel and paid now.
  void HandOver();
  void Land();
  void CountShowTime(const float& dt);
  void RemoveFromPanel() const;
  bool Pays() const { return m_order->GetType() != 102; }

  bool m_dishShown = false;
  bool m_removePending = false;
  bool m_flightDue = false;  // the dish waits for the plate to fly into the bubble
  GF::THolder<CFlyObject> m_flight;
  GF::IAnimation::AnimationPtr m_dish;
  float m_elapsed = 0.0f;
  GF::THolder<CZacaz> m_order;
  GF::THolder<CGameFieldBase> m_field;
};

CActionBase::Holder MakeShowZacazAction(GF::THolder<CZacaz> order);
