#include "game/kitchen/CQualityBonus.h"

#include <utility>

#include "game/kitchen/CGameFieldBase.h"

namespace {

constexpr float kDoubled = 2.0f;

}  // namespace

CActionBase::Holder CQualityBonus::Create(GF::THolder<CGameFieldBase> field,
                                          const BonusDescription& record, AnimationPtr visual) {
  return CActionBase::Holder(new CQualityBonus(std::move(field), record, std::move(visual)));
}

void CQualityBonus::Start() {
  CBonusBase::Start();
  m_factor.Set(kDoubled);
  ShowBanner("bonus_name_5");
}

void CQualityBonus::Update(const float& dt) {
  m_factor.Track();
  CBonusBase::Update(dt);
}

void CQualityBonus::OnEnd() {
  m_factor.Restore();
}
