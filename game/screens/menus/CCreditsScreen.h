#pragma once

#include "game/screens/CShowHideEffectScreen.h"

// The credits page ("CreditsScreen"): Enter, Escape, "ok" and "back" all close it.
class CCreditsScreen : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnInit() override;
};
