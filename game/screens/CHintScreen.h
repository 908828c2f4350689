#pragma once

#include "framework/core/THolder.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/screens/CShowHideEffectScreen.h"

// "HintScreen", the window in which a level shows a tip, opened by the in-game tips over the
// level screen. The level screen is not updated while it is open, so the window runs the
// field's effects itself. Enter, Escape, "ok" and "back" close it; so does a click on the
// tip's target, which it reports to the tips (HintWindow.h).
class CHintScreen final : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();
  // The field whose effects keep running under the window; an empty holder clears it.
  static void SetCurrentHint(GF::THolder<CGameFieldBase> hint);

 protected:
  void OnInit() override;
  bool IdleUpdate(const float& dt) override;
  void StartHide() override;
  // Also without hiding ("force_quit"): the field must not outlive the screens.
  void OnDestroy() override;
};
