#include "game/kitchen/CReceptPanel.h"

#include <algorithm>
#include <cstdlib>
#include <numbers>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/MotionSetters.h"

namespace {

constexpr int kTwoOrdersTip = 13;
// A click this close to a bubble's left edge still misses it.
constexpr int kHitInset = 10;
constexpr float kFallAboveFirstX = 100.0f;
constexpr int kFallingLayerRaise = 100;

void CloseBubble(CZacaz& order) {
  order.SetOpened(false);
  if (order.GetBubble()) order.GetBubble()->Play("_hide", 1, false);
}

}  // namespace

CReceptPanel::~CReceptPanel() {
  DisposeAll();
}

CReceptPanel::OrderHolder CReceptPanel::AddOrder(const LevelOrderRecord& record) {
  OrderHolder order = CZacaz::Create(record, m_field);
  if (!order) return order;
  PlaySoundByName("client_come");
  if (order->GetType() == 101)
    m_orders.push_front(order);
  else
    m_orders.push_back(order);
  if (!m_selected) SelectOrder(order);
  if (IsSpecial(*order)) order->Open();
  StartSliding();
  return order;
}

void CReceptPanel::SelectOrder(OrderHolder order) {
  if (order == m_selected || (order && order->GetType() == 102)) return;
  if (m_selected && !IsSpecial(*m_selected) && m_selected->IsOpened()) CloseBubble(*m_selected);
  m_selected = std::move(order);
  if (m_selected) m_selected->Open();
  EnableDelivery();
  StartSliding();
}

void CReceptPanel::EnableDelivery() const {
  const GF::THolder<CDeliveryButton> button = m_field ? m_field->GetDeliveryButton() : nullptr;
  if (button) button->SetEnabled(m_selected && m_selected->IsComplete());
}

void CReceptPanel::StartSliding() {
  m_slideTimer = 0.0f;
  m_routine = &CReceptPanel::UpdateSliding;
}

void CReceptPanel::UpdateSliding(const float& dt) {
  m_slideTimer += dt;
  const float total = static_cast<float>(OrderSlideTime);
  if (total < m_slideTimer) {
    m_slideTimer = total;
    m_routine = &CReceptPanel::UpdateIdle;
    if (m_orders.size() == 2) {
      InGameTips.m_triggerId = kTwoOrdersTip;
      InGameTips.Trigger(true);
    }
  }
  // The glide lands exactly when the slide time is up.
  const float u = m_slideTimer == total ? 1.0f : std::min(1.0f, dt / (total - m_slideTimer));
  GF::TPoint<float> slot{OrderSlotFirstX, OrderSlotFirstY};
  for (const OrderHolder& order : m_orders) {
    if (const GF::IAnimation::AnimationPtr bubble = order->GetBubble()) {
      const GF::TPoint<float> at = bubble->GetPosition();
      bubble->SetPosition(at.x + (slot.x - at.x) * u, at.y + (slot.y - at.y) * u);
    }
    slot.y += OrderSlotStep;
    if (order->IsOpened()) slot.y += OrderSlotSelectedOffset;
  }
}

void CReceptPanel::UpdateIdle(const float& dt) {
  for (auto it = m_orders.begin(); it != m_orders.end();) {
    const OrderHolder order = *it++;
    order->Update(dt);
    if (!m_closing || !order->CheckExpired(dt)) continue;
    if (m_field && order->GetRecipe()) m_field->OnOrderExpired(*order->GetRecipe());
    RemoveOrder(order);
  }
}

CReceptPanel::OrderHolder CReceptPanel::HitTest(const GF::TPoint<float>& point) const {
  if (point.x <= static_cast<float>(OrderPanelMinX)) return nullptr;
  for (const OrderHolder& order : m_orders) {
    const GF::IAnimation::AnimationPtr bubble = order->GetBubble();
    if (order->GetType() == 102 || !bubble) continue;
    GF::TRect<int> r;
    bubble->GetBoundingRect(r);
    if (static_cast<float>(r.left + kHitInset) < point.x && point.x < static_cast<float>(r.right) &&
        static_cast<float>(r.top) < point.y && point.y < static_cast<float>(r.bottom))
      return order;
  }
  return nullptr;
}

CReceptPanel::OrderHolder CReceptPanel::FirstSelectable() const {
  const auto found = std::find_if(m_orders.begin(), m_orders.end(),
                                  [](const OrderHolder& order) { return order->GetType() != 102; });
  return found == m_orders.end() ? nullptr : *found;
}

void CReceptPanel::RemoveOrder(OrderHolder order) {
  const auto queued = std::find(m_orders.begin(), m_orders.end(), order);
  if (!order || queued == m_orders.end()) return;
  m_orders.erase(queued);
  if (order == m_selected)
    SelectOrder(FirstSelectable());
  else if (order->IsOpened() && !IsSpecial(*order))
    CloseBubble(*order);
  order->SetLeaving(true);
  ThrowAway(order);
  if (!IsSpecial(*order)) StartSliding();
}

void CReceptPanel::ThrowAway(const OrderHolder& order) {
  const GF::IAnimation::AnimationPtr bubble = order->GetBubble();
  if (!bubble || !m_field) return;
  const GF::THolder<CFlyObject> fall = CreateFlyObject();
  fall->AddTarget(bubble);
  fall->SetDuration(static_cast<float>(OrderSlideTime));
  SetFloatLineMotion2(*fall, 0.0f, std::numbers::pi_v<float> / 2.0f);
  const float g = static_cast<float>(5 + std::rand() % 2) / 10000.0f;
  SetFreeFallMotion(*fall, bubble->GetPosition(), {OrderSlotFirstX + kFallAboveFirstX, 0.0f},
                    {0.0f, g});
  fall->GetFinishedEvent().Subscribe(GF::MakeDelegate(this, &CReceptPanel::OnFlightDone));
  fall->Update(0.0f);
  bubble->SetLayer(bubble->GetLayer() + kFallingLayerRaise);
  AddFlyObject(*m_field, fall);
}

void CReceptPanel::OnFlightDone(GF::THolder<GF::ICurve> flight) {
  if (flight) flight->ClearTargets(true);
}

void CReceptPanel::DisposeAll() {
  for (const OrderHolder& order : m_orders) {
    if (order->GetBubble()) order->GetBubble()->RemoveFromParent();
    order->Dispose();
  }
  m_orders.clear();
  m_selected.Reset();
}

void CReceptPanel::Clear() {
  DisposeAll();
}

void CReceptPanel::Shutdown() {
  DisposeAll();
  m_field.Reset();
}
