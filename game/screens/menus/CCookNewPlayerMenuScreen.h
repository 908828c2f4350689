#pragma once

#include <string>

#include "framework/engine/screens/CEditControl.h"
#include "game/screens/CShowHideEffectScreen.h"

// The new player's name ("new_player_screen"): up to eight characters; "ok" (and Enter)
// only while the name holds more than spaces. "ok" creates the player, or leaves with
// "error" when the name is taken.
class CCookNewPlayerMenuScreen : public CCurtainScreen {
 public:
  const GF::THolder<GF::HGENS::CEditControl>& GetNameEdit() const { return m_nameEdit; }
  const GF::THolder<GF::HGENS::CButtonControl>& GetOkButton() const { return m_okButton; }

 protected:
  void OnInit() override;
  void OnCommand(const std::string& command) override;

 private:
  void OnNameChanged(GF::THolder<GF::HGENS::CBaseControl> control);
  // The typed name without its leading and trailing spaces, made a player; false when it is
  // empty or taken.
  bool CreatePlayer();

  GF::THolder<GF::HGENS::CButtonControl> m_okButton;
  GF::THolder<GF::HGENS::CEditControl> m_nameEdit;
};

GF::THolder<GF::IScreen> CreateNewPlayerScreen();
