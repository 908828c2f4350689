#pragma once

#include "game/app/GameData.h"
#include "game/kitchen/CBonusBase.h"

// Doubles the points of served orders for the bonus's time.
class CQualityBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  using CBonusBase::CBonusBase;

  void Start() override;
  void Update(const float& dt) override;

 protected:
  void OnEnd() override;

 private:
  TuningRestore m_factor{QualityFactor};
};
