#include "game/kitchen/CLightNextIngrBonus.h"

#include <utility>

#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CLightObjectAction.h"

namespace {

// The light follows the order only after the icon's flight.
constexpr float kFirstLook = 1000.0f;
constexpr float kLightTime = 80000.0f;
// Longer than any light: its Update ends it.
constexpr float kEndLight = 100000.0f;

}  // namespace

CActionBase::Holder CLightNextIngrBonus::Create(GF::THolder<CGameFieldBase> field,
                                                const BonusDescription& record,
                                                AnimationPtr visual) {
  return CActionBase::Holder(new CLightNextIngrBonus(std::move(field), record, std::move(visual)));
}

void CLightNextIngrBonus::Start() {
  CBonusBase::Start();
  ShowBanner("bonus_name_4");
}

void CLightNextIngrBonus::Update(const float& dt) {
  CBonusBase::Update(dt);
  m_timer += dt;
  if (m_timer > kFirstLook && !m_done) FollowNextNeeded();
}

void CLightNextIngrBonus::FollowNextNeeded() {
  const GF::THolder<CCookObject> target = m_field->FindNextNeededObject(true);
  if (!target) {
    EndLight();
    // Lit again when it is needed again.
    m_target.Reset();
    return;
  }
  if (target == m_target) return;
  m_target = target;
  m_timer = 0.0f;
  EndLight();
  m_light = m_field->Run(MakeLightObjectAction(target, 0.0f, kLightTime, true, false));
}

void CLightNextIngrBonus::EndLight() {
  if (!m_light) return;
  if (!m_light->IsDone()) m_light->Update(kEndLight);
  m_light.Reset();
}

void CLightNextIngrBonus::OnEnd() {
  EndLight();
}
