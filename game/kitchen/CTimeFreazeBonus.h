#pragma once

#include "game/kitchen/CBonusBase.h"

// Stops the level clock for the bonus's time: the field's freeze countdown grows by it, and
// ice covers the clock and its hand until the bonus ends.
class CTimeFreazeBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  using CBonusBase::CBonusBase;

  void Start() override;

  AnimationPtr GetIce() const { return m_ice; }
  AnimationPtr GetIceText() const { return m_iceText; }

 protected:
  void OnEnd() override;

 private:
  AnimationPtr m_ice;      // over the clock
  AnimationPtr m_iceText;  // on the clock's hand
};
