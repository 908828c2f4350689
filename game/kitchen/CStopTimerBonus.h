#pragma once

#include <vector>

#include "game/app/GameData.h"
#include "game/kitchen/CBonusBase.h"

// The customers stop losing patience for the bonus's time: a chain locks every order's
// patience bar meanwhile.
class CStopTimerBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  using CBonusBase::CBonusBase;

  void Start() override;
  void Update(const float& dt) override;

  // One per order the bonus found.
  const std::vector<AnimationPtr>& GetChains() const { return m_chains; }

 protected:
  void OnEnd() override;

 private:
  TuningRestore m_drain{PatienceDrainFactor};
  std::vector<AnimationPtr> m_chains;
};
