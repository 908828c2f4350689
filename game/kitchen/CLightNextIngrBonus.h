#pragma once

#include "game/kitchen/CBonusBase.h"
#include "game/kitchen/CCookObject.h"

// For the bonus's time the device holding the selected order's next item lights up; the
// light moves on when the next item changes.
class CLightNextIngrBonus : public CBonusBase {
 public:
  static CActionBase::Holder Create(GF::THolder<CGameFieldBase> field,
                                    const BonusDescription& record, AnimationPtr visual);

  using CBonusBase::CBonusBase;

  void Start() override;
  void Update(const float& dt) override;

  // The light running now, and the object it is on; null without one.
  const CActionBase::Holder& GetLight() const { return m_light; }
  const GF::THolder<CCookObject>& GetTarget() const { return m_target; }

 protected:
  void OnEnd() override;

 private:
  void FollowNextNeeded();
  void EndLight();

  CActionBase::Holder m_light;
  float m_timer = 0.0f;  // ms since the light last moved
  GF::THolder<CCookObject> m_target;
};
