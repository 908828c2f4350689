#pragma once

#include <string>

#include "framework/core/THolder.h"
#include "game/screens/CShowHideEffectScreen.h"

// The game's yes/no question and message box, under the names "confirm_exit_screen",
// "confirm_screen", "message_screen" and "bonus_message_screen": the framework's question
// behind the curtain, greeting the player by name ("_name" in a line), clicking on every
// answer, and a "yes" to replaying a level already passed makes that level the next one.
class CCookConfirmMenuScreen : public CCurtainConfirmScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

 protected:
  std::wstring GetPhraseText(const std::string& textKey) const override;
  // Replaces the template's: the dialog takes no "show_manual".
  void OnCommand(const std::string& command) override;
};
