#pragma once

#include <string>

#include "game/screens/CShowHideEffectScreen.h"

// The paged manual ("HelpScreen"): shows the page that the current profile names (float
// 32, from 1 to `HelpPageCount`) and leaves with "prev", "next" or "exit"; the flow rules
// turn the page and open the screen again.
class CHelpScreen : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnInit() override;
  // "next" on the last page closes the manual: it becomes "exit".
  void OnCommand(const std::string& command) override;

 private:
  // "help_<n>" into "_help_place".
  void ShowPage();
  // The buttons, those that lead nowhere on this page disabled.
  void AddHelpItems();
};
