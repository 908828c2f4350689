#pragma once

#include "framework/engine/particles/CFGParticle.h"
#include "game/app/GameData.h"
#include "game/kitchen/CBonusBase.h"

// The cook walks twice as fast for the bonus's time, trailing sparkles. Made only by the
// random bonus.
class CJinjerQuickBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  using CBonusBase::CBonusBase;

  void Start() override;
  void Update(const float& dt) override;

  GF::THolder<GF::HGENS::CFGParticle> GetParticle() const { return m_particle; }

 protected:
  void OnEnd() override;

 private:
  void FollowCook();

  TuningRestore m_step{CookStepTime};
  GF::THolder<GF::HGENS::CFGParticle> m_particle;
};
