#pragma once

#include <vector>

#include "framework/engine/particles/CFGParticle.h"
#include "game/kitchen/CBonusBase.h"

// Cooking runs three times as fast for the bonus's time, and every working device shows its
// own busy particles meanwhile.
class CCookDecreaseBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  using CBonusBase::CBonusBase;

  void Start() override;

  // One per working device, in the field's order.
  const std::vector<GF::THolder<GF::HGENS::CFGParticle>>& GetParticles() const {
    return m_particles;
  }

 protected:
  void OnEnd() override;

 private:
  std::vector<GF::THolder<GF::HGENS::CFGParticle>> m_particles;
};
