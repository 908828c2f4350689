#pragma once

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "game/kitchen/CFlyObject.h"
#include "game/screens/CShowHideEffectScreen.h"

// The extras menu ("MainMenuScreen"): settings, help, cook book, credits and back, and a
// highlight bar that glides to the row of the button under the mouse.
class CMainMenuScreen : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

  CMainMenuScreen() : selectMover(CreateFlyObject()) {}

  // The glide first, in every state, so the bar moves while the menu shows and hides too.
  bool Update(const float& dt) override;

 protected:
  void OnInit() override;

 private:
  // The bar: the animation that the layout puts into "_select", moved by selectMover.
  void BindSelection();
  void OnItemOver(GF::THolder<GF::HGENS::CBaseControl> control);
  // Glides the bar in 100 ms from where it is to the target's row, keeping its x.
  void MoveSelection(const GF::TPoint<float>& target);

  GF::THolder<CFlyObject> selectMover;
  GF::IAnimation::AnimationPtr selectAnim;
};
