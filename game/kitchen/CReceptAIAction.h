#pragma once

#include "framework/core/THolder.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CZacaz.h"

// The rival's order cooks itself: after 6 s, and then every step time to 1.5 step times
// (the record's SelfCookStepTime), the next item is done; a device's item takes its work
// time with the order's work indicator. Once complete the order is served to the field. It
// stops when the level has a result or the order leaves.
class CReceptAIAction : public CActionBase {
 public:
  explicit CReceptAIAction(GF::THolder<CZacaz> order);
  void Start() override;
  void Update(const float& dt) override;

  float GetTimer() const { return m_timer; }

 private:
  void Step();

  bool m_working = false;
  int m_item = -1;
  GF::THolder<CZacaz> m_order;
  float m_timer = 0.0f;
  PlayerProfile* m_profile;  // the current player's, not owned
};

CActionBase::Holder MakeReceptAIAction(GF::THolder<CZacaz> order);
