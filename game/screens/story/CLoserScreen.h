#pragma once

#include <string>

#include "framework/core/THolder.h"
#include "game/screens/CShowHideEffectScreen.h"

// "LoserScreen": the competitor who drops out of the tournament, portrait and name plate,
// with one button. "ok" goes on to the stage's dialogue when one is due ("dialog"), else to
// its comic on a stage without a rival ("comics"), else stays "ok". One stage shows the
// drop-out layout "main_menu.dropout_screen" instead.
class CLoserScreen final : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

  CLoserScreen();

  // Parameter "diego" shows the stage's own rival, "pierre" the one that dropped out last
  // (profile float 18); the drop-out layout replaces the flow's for rival 7 in stage 5.
  void Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
            const char* parameter) override;

  // Whether the story's next dialogue (profile float 20) is the one after the current
  // stage's last level.
  static bool HasPendingDialogue();

 protected:
  void OnInit() override;
  void OnCommand(const std::string& command) override;

 private:
  void ShowOpponent();

  int m_opponent;
};
