#pragma once

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameField.h"

// The kitchen under load for bench_frame: the kitchen field itself on "stage1_1", its intro
// played through before the first measured frame. Then it plays as a player would: each
// cycle sends the cook to the eggs, the flour and the mixer for the selected order and
// serves it once it is complete, and the next customer comes to the empty queue. The frames
// between those moments show what a steady kitchen frame costs.
class CBenchKitchenScreen : public GF::HGENS::CMenuScreenAbstract {
 public:
  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnInit() override;
  bool IdleUpdate(const float& dt) override;
  void OnDestroy() override;

 private:
  GF::THolder<CCookObject> Device(const std::string& key) const;
  // The player's clicks of the frame, by the frame's place in the cycle.
  void Play();

  GF::THolder<CGameField> m_field;
  GF::IAnimation::AnimationPtr m_kitchen;
  int m_frame = 0;
};
