#pragma once

#include "framework/engine/screens/CEditControl.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"

namespace GF::HGENS {

// The player-name entry ("new_player_screen"): the name field "edit", "ok" (enabled, with
// Enter, while the name holds more than spaces) and "cancel". It leaves with "back" either
// way and reports the typed name, or an empty one after "cancel", in the game property
// "NewPlayerName".
class CNewPlayerMenuScreen : public CMenuScreenAbstract {
 public:
  const THolder<CEditControl>& GetEdit() const { return m_edit; }

 protected:
  void OnInit() override;
  void StartHide() override;

 private:
  void OnEditChanged(THolder<CBaseControl> control);

  THolder<CEditControl> m_edit;
  THolder<CBaseControl> m_ok;
  bool m_enterShortcut = false;  // Enter is a shortcut of "ok" now
};

THolder<IScreen> CreateNewPlayerMenuScreen();

}  // namespace GF::HGENS
