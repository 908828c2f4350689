#pragma once

#include <list>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/app/LevelDescription.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CZacaz.h"

// The queue of the customers' orders: a column of order bubbles at the edge of the kitchen.
// It makes an order when a customer comes, keeps one selected (the one the cook works for),
// slides the bubbles into their slots, finds the bubble under a click, updates every order
// each frame and throws a bubble off the screen when its order is served or lost.
//
// The kitchen field holds one, sets its field and its closing flag and calls Update every
// frame. The rival's orders (type 102) are shown but never selected nor hit: the player's
// clicks and the delivery button only ever act on the player's own orders.
class CReceptPanel {
 public:
  using OrderHolder = GF::THolder<CZacaz>;

  CReceptPanel() = default;
  CReceptPanel(const CReceptPanel&) = delete;
  CReceptPanel& operator=(const CReceptPanel&) = delete;
  ~CReceptPanel();

  // A customer comes with the record: the player's special order (101) joins at the front,
  // every other at the back; special orders open at once. A record the order refuses is not
  // queued (empty holder back).
  OrderHolder AddOrder(const LevelOrderRecord& record);
  // Opens the order (closing the one selected before) and enables the delivery button
  // exactly for a complete selection. Null selects nothing; a rival's order is refused.
  void SelectOrder(OrderHolder order);
  OrderHolder GetSelectedOrder() const { return m_selected; }
  OrderHolder GetFirstOrder() const { return m_orders.empty() ? nullptr : m_orders.front(); }
  const std::list<OrderHolder>& GetOrders() const { return m_orders; }
  // The bubble under the point, the rival's excepted; none left of the panel's edge.
  OrderHolder HitTest(const GF::TPoint<float>& point) const;
  // The order leaves the queue and its bubble falls off the screen. An order not queued is
  // ignored.
  void RemoveOrder(OrderHolder order);
  // The frame's routine: sliding the bubbles into their slots, or updating the orders.
  void Update(const float& dt) { (this->*m_routine)(dt); }
  void UpdateSliding(const float& dt);
  void UpdateIdle(const float& dt);
  bool IsSliding() const { return m_routine == &CReceptPanel::UpdateSliding; }
  // Level reset: every order and its bubble go.
  void Clear();
  // End of the level screen: the bubbles leave the scene and the field is let go.
  void Shutdown();
  // A leaving bubble reached the bottom of the screen.
  void OnFlightDone(GF::THolder<GF::ICurve> flight);

  void SetField(GF::THolder<CGameFieldBase> field) { m_field = std::move(field); }
  // Only once the restaurant closes do orders run out of patience and leave.
  void SetClosing(bool closing) { m_closing = closing; }
  bool IsClosing() const { return m_closing; }

 private:
  using Routine = void (CReceptPanel::*)(const float&);
  static bool IsSpecial(const CZacaz& order) {
    return order.GetType() == 101 || order.GetType() == 102;
  }
  void StartSliding();
  void EnableDelivery() const;
  // The first order the player may work on, or null.
  OrderHolder FirstSelectable() const;
  void ThrowAway(const OrderHolder& order);
  void DisposeAll();

  bool m_closing = false;
  GF::THolder<CGameFieldBase> m_field;
  float m_slideTimer = 0.0f;
  Routine m_routine = &CReceptPanel::UpdateIdle;
  OrderHolder m_selected;
  std::list<OrderHolder> m_orders;
};
