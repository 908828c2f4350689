#pragma once

#include "framework/core/THolder.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CWaitAction.h"

// Holds the cook still in one of her states for a time, then lets her stand idle again.
// State -1 only waits. A cook at work (state 0) is not held, but is still sent idle at the
// end.
class CWaitPersAction : public CWaitAction {
 public:
  CWaitPersAction(float ms, GF::THolder<CPers> cook, int state);
  void Start() override;
  void Update(const float& dt) override;

 private:
  GF::THolder<CPers> m_cook;
  int m_state;
};

CActionBase::Holder MakeWaitPersAction(float ms, GF::THolder<CPers> cook, int state);
