#pragma once

#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "game/app/LevelDescription.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CReceptPanel.h"

// The kitchen under load for bench_frame: "stage1_1" on a base field with its devices, the
// cook and an order panel of five batter orders, the first open. Every cycle the cook walks
// to the other end of the counter, the eggs and the flour fly into the mixer for the next
// order and the mixer works for it; between those moments nothing new is made, so the
// frames in between show what a steady kitchen frame costs.
class CBenchKitchenScreen : public GF::HGENS::CMenuScreenAbstract {
 public:
  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnInit() override;
  bool IdleUpdate(const float& dt) override;
  void OnDestroy() override;

 private:
  GF::THolder<CCookObject> Device(const std::string& key) const;
  void StartCycle();

  GF::THolder<CGameFieldBase> m_field;
  CReceptPanel m_panel;
  std::vector<LevelOrderRecord> m_records;
  std::vector<GF::THolder<CZacaz>> m_orders;
  std::vector<GF::THolder<CCookObject>> m_devices;
  GF::THolder<CPers> m_cook;
  GF::IAnimation::AnimationPtr m_kitchen;
  int m_frame = 0;
  int m_cycle = 0;
};
