#pragma once

#include <string>

#include "framework/engine/screens/CListBoxControl.h"
#include "game/screens/CShowHideEffectScreen.h"

// The player list ("ChangePlayerScreen"): every player by name, the current one selected.
// Leaving with "ok" or Enter makes the selected player current and applies that player's
// settings; Escape leaves without a change. "remove" makes the selected player current and
// asks for a confirmation over this screen; the answer is settled when the screen comes back.
class CCookChangePlayerScreen : public CCurtainScreen {
 public:
  const GF::THolder<GF::HGENS::CListBoxControl>& GetPlayerList() const { return m_playerList; }
  const GF::THolder<GF::HGENS::CButtonControl>& GetOkButton() const { return m_okButton; }
  const GF::THolder<GF::HGENS::CButtonControl>& GetRemoveButton() const { return m_removeButton; }

 protected:
  void OnInit() override;
  void OnActivate() override;
  void OnDeactivate() override;
  void OnCommand(const std::string& command) override;

 private:
  void BuildControls();
  // A "yes" to the removal removes the player now current; any other answer brings back the
  // player who was current before "remove".
  void SettleRemoval();
  void RemoveCurrentPlayer();
  void FillPlayerList();
  // Enter, Escape, "ok" and "remove" work only while there is a name to choose.
  void UpdateButtons();

  GF::THolder<GF::HGENS::CListBoxControl> m_playerList;
  GF::THolder<GF::HGENS::CButtonControl> m_removeButton;
  GF::THolder<GF::HGENS::CButtonControl> m_okButton;
  std::wstring m_playerBeforeRemove;
};

GF::THolder<GF::IScreen> CreateChangePlayerScreen();
