#pragma once

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/engine/screens/CButtonControl.h"

// A button laid over an animation that no screen layout hosts (the delivery item on the
// plate, a bookmark of the cook book). Its owner runs Update every frame. With follow set
// the hit rectangle moves with the animation.
class CDeliveryButton : public GF::HGENS::CButtonControl {
 public:
  // A button named after the animation's own name, showing the text "item_" + that name.
  static GF::THolder<CDeliveryButton> Create(AnimationPtr animation, bool follow);

  // Follows the animation, then runs the state while the button is visible; always true.
  bool Update(const float& dt) override;

  // Free for the owner (the cook book keeps a bookmark's number here); 0 at creation.
  int index = 0;

 private:
  bool m_follow = true;
};
