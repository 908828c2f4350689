#include "game/kitchen/CStopTimerBonus.h"

#include <utility>

#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/CZacaz.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

constexpr int kChainLayer = 100;

}  // namespace

CActionBase::Holder CStopTimerBonus::Create(GF::THolder<CGameFieldBase> field,
                                            const BonusDescription& record, AnimationPtr visual) {
  return CActionBase::Holder(new CStopTimerBonus(std::move(field), record, std::move(visual)));
}

void CStopTimerBonus::Start() {
  CBonusBase::Start();
  m_drain.Set(0.0f);
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  const CReceptPanel* panel = m_field->GetReceptPanel();
  if (layer && panel) {
    for (const CReceptPanel::OrderHolder& order : panel->GetOrders()) {
      const AnimationPtr chain = layer->CreateAnimation("bonus.chain");
      if (!chain) break;
      chain->Play("_show", 1, false);
      chain->SetLayer(kChainLayer);
      order->AddBonusIcon(chain, 0.0f);
      m_chains.push_back(chain);
    }
  }
  ShowBanner("bonus_name_3");
}

void CStopTimerBonus::Update(const float& dt) {
  m_drain.Track();
  CBonusBase::Update(dt);
}

void CStopTimerBonus::OnEnd() {
  m_drain.Restore();
  for (const AnimationPtr& chain : m_chains) chain->Play("_hide", 1, true);
}
