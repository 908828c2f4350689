#pragma once

// A level field that records what customers' orders hand to it: the bonuses (kind, icon,
// order) and the served orders. Base is the field the test builds on.

#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/app/BonusDescription.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CZacaz.h"

namespace pm::test {

template <class Base = CGameFieldBase>
class TOrderField : public Base {
 public:
  struct Bonus {
    int kind;
    GF::IAnimation::AnimationPtr icon;
    CZacaz* order;
  };

  void CreateBonus(const BonusDescription& record, GF::IAnimation::AnimationPtr icon,
                   GF::THolder<CZacaz> order) override {
    bonuses.push_back({record.Kind, icon, order.Get()});
  }
  void OnOrderServed(GF::THolder<CZacaz> order) override { served.push_back(order.Get()); }
  void SetLevelTime(float ms) { this->m_levelTime = ms; }

  std::vector<Bonus> bonuses;
  std::vector<CZacaz*> served;
};

}  // namespace pm::test
