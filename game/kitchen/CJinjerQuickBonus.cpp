#include "game/kitchen/CJinjerQuickBonus.h"

#include <utility>

#include "framework/core/TRect.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

constexpr float kQuicker = 0.5f;

}  // namespace

CActionBase::Holder CJinjerQuickBonus::Create(GF::THolder<CGameFieldBase> field,
                                              const BonusDescription& record, AnimationPtr visual) {
  return CActionBase::Holder(new CJinjerQuickBonus(std::move(field), record, std::move(visual)));
}

void CJinjerQuickBonus::Start() {
  CBonusBase::Start();
  m_step.Set(CookStepTime * kQuicker);
  ShowBanner("bonus_name_4");
  m_particle = GF::HGENS::CFGParticle::Create("Particle\\lilu.fgp", "particles_2",
                                              GF::HGENS::CFGParticle::kEndless, false);
  m_particle->SetScene(GetLevelInterfaceLayer());
  m_particle->SetLayer(CookLayer - 1);
  FollowCook();
}

void CJinjerQuickBonus::Update(const float& dt) {
  m_step.Track();
  CBonusBase::Update(dt);
  FollowCook();
}

void CJinjerQuickBonus::FollowCook() {
  const GF::THolder<CPers> cook = m_field ? m_field->GetPers() : nullptr;
  const AnimationPtr figure = cook ? cook->GetAnimation() : nullptr;
  if (!figure) return;
  GF::TRect<int> rect;
  figure->GetBoundingRect(rect);
  m_particle->SetPosition(static_cast<float>((rect.left + rect.right) / 2),
                          static_cast<float>((rect.top + rect.bottom) / 2));
}

void CJinjerQuickBonus::OnEnd() {
  m_step.Restore();
  m_particle->Stop();
}
