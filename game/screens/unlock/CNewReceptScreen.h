#pragma once

#include "game/screens/CShowHideEffectScreen.h"

// "new_recept_screen": the recipes the last level added to the cook book, each with its
// picture and name in a plate, under a heading that counts them. It consumes the count (float
// 29) and the list of new recipes that the level left in the player's profile, so a second
// opening shows an empty plate. Leaves with "ok" or "cookbook".
class CNewReceptScreen : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnInit() override;
  void StartShow() override;
  // The plate "main_menu.recept_place_<count>" in the layout's "_place": recipe j's picture
  // in its drawable 2j, its name in drawable 2j + 1; then the list is emptied. Returns the
  // plate (empty when there is none).
  virtual GF::IAnimation::AnimationPtr ShowRecipes();
};
