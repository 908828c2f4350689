#include "game/kitchen/CReceptAIAction.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr float kFirstStep = 6000.0f;  // ms before the first item

}  // namespace

CReceptAIAction::CReceptAIAction(GF::THolder<CZacaz> order)
    : m_order(std::move(order)), m_profile(&CurrentProfile()) {}

void CReceptAIAction::Start() {
  m_timer = kFirstStep;
}

void CReceptAIAction::Update(const float& dt) {
  if (m_profile->Floats[ProfileFloat::CurrentPlace] != 0.0f || !m_order || m_order->IsLeaving()) {
    m_done = true;
    return;
  }
  m_timer -= dt;
  if (m_working) m_order->UpdateWorkProgress(dt);
  if (m_timer <= 0.0f) Step();
  if (!m_order->IsComplete()) return;
  if (const GF::THolder<CGameFieldBase> field = m_order->GetField()) field->OnOrderServed(m_order);
  m_done = true;
}

void CReceptAIAction::Step() {
  const LevelOrderRecord* record = m_order->GetRecord();
  const int base = static_cast<int>(record ? record->SelfCookStepTime * 1000.0f : 0.0f);
  // No modulo by zero: a step time under 2 ms re-arms with the base alone.
  m_timer = static_cast<float>(base / 2 == 0 ? base : std::rand() % (base / 2) + base);
  if (m_working) {
    m_working = false;
    m_order->SetWorking(false, m_item, "", 0.0f);
  } else {
    m_item = m_order->GetNextItem(true, true);
    if (m_item < 0) return;
    const RecipeItem& item = m_order->GetRecipe()->Items[static_cast<std::size_t>(m_item)];
    if (item.WorkTime != 0) {
      m_timer = static_cast<float>(item.WorkTime);
      m_order->SetWorking(true, m_item, item.ObjectName, m_timer);
      m_working = true;
      return;
    }
  }
  m_order->SetItemDelivered(m_item);
  m_order->CompleteItem(m_item);
}

CActionBase::Holder MakeReceptAIAction(GF::THolder<CZacaz> order) {
  return CActionBase::Holder(new CReceptAIAction(std::move(order)));
}
