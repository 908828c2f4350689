#pragma once

#include "framework/core/THolder.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CPers.h"

// Walks the cook to a cell of the floor; done once she stands idle there (or the walk ended
// at once) or she is hidden.
class CPersMoveAction : public CActionBase {
 public:
  CPersMoveAction(GF::THolder<CPers> cook, float a, float b);
  void Start() override;
  void Update(const float& dt) override;

 private:
  int m_targetA;
  int m_targetB;
  GF::THolder<CPers> m_cook;
};

CActionBase::Holder MakePersMoveAction(GF::THolder<CPers> cook, float a, float b);
