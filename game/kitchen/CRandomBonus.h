#pragma once

#include "game/kitchen/CBonusBase.h"

// One of the other bonuses, drawn when it is made: once its icon lands the drawn bonus
// starts on the same icon, whose picture shows on it, and this bonus lasts as long as that
// one. Its own record gives only the sound.
class CRandomBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  CRandomBonus(GF::THolder<CGameFieldBase> field, const BonusDescription& record,
               AnimationPtr visual);

  void Finish() override;
  void Update(const float& dt) override;
  void OnCollected(GF::THolder<CFlyObject> flight) override;

  // The drawn bonus; null when the levels data lack its record.
  const GF::THolder<CBonusBase>& GetInner() const { return m_inner; }

 private:
  void ShowInnerPicture();

  bool m_running = false;
  GF::THolder<CBonusBase> m_inner;
};
