#pragma once

#include "game/kitchen/CActionBase.h"

// Waits a number of milliseconds of frame time; a wait of 0 or less is done after its first
// update.
class CWaitAction : public CActionBase {
 public:
  explicit CWaitAction(float ms) : m_remaining(ms) {}

  void Update(const float& dt) override;

 private:
  float m_remaining;
};

CActionBase::Holder MakeWaitAction(float ms);
