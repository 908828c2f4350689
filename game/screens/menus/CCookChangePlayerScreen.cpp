#include "game/screens/menus/CCookChangePlayerScreen.h"

#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/screens/MenuRows.h"

namespace {

constexpr MenuItemRow kItems[] = {{"new", "new_player"}, {"ok", "back"}, {"remove", "remove"}};
// Escape leaves as "back" too, but without choosing the selected player.
constexpr ShortcutRow kKeys[] = {{ScreenKey::kEnter, "back"}, {ScreenKey::kEscape, "back2"}};
constexpr const char* kUnapplied = "back2";
constexpr const char* kRemove = "remove";
constexpr const char* kYes = "yes";

bool SameNames(const GF::HGENS::CListBoxControl& list, const std::vector<std::wstring>& names) {
  if (list.GetItemCount() != static_cast<int>(names.size())) return false;
  for (int i = 0; i < list.GetItemCount(); ++i)
    if (list.ItemAt(i) != names[static_cast<std::size_t>(i)]) return false;
  return true;
}

}  // namespace

GF::THolder<GF::IScreen> CreateChangePlayerScreen() {
  return GF::MakeHolder<CCookChangePlayerScreen>();
}

void CCookChangePlayerScreen::OnInit() {
  CCurtainScreen::OnInit();
  BuildControls();
}

void CCookChangePlayerScreen::BuildControls() {
  ::AddMenuItems(*this, kItems);
  m_okButton = FindButton(*this, "ok");
  m_removeButton = FindButton(*this, "remove");
  m_playerList = CreateListBox("listbox", true);
  m_playerList->SetEnabled(true);
}

void CCookChangePlayerScreen::OnActivate() {
  SettleRemoval();
  FillPlayerList();
  CCurtainScreen::OnActivate();
}

void CCookChangePlayerScreen::SettleRemoval() {
  std::string& answer = CurrentProfile().Strings[ProfileString::Value28];
  if (answer == kYes) {
    answer.clear();
    RemoveCurrentPlayer();
    // Left set, a later return to this screen would bring the earlier player back over the
    // one chosen or created since.
    m_playerBeforeRemove.clear();
  } else if (!m_playerBeforeRemove.empty()) {
    SelectPlayer(m_playerBeforeRemove);
    m_playerBeforeRemove.clear();
  }
}

void CCookChangePlayerScreen::RemoveCurrentPlayer() {
  DeletePlayer(GameProgress.CurrentPlayer);
}

void CCookChangePlayerScreen::FillPlayerList() {
  const std::vector<std::wstring> names = GetPlayerNames();
  // The same names keep their rows (and the slider its place).
  if (!SameNames(*m_playerList, names)) {
    m_playerList->Clear();
    for (const std::wstring& name : names) {
      m_playerList->AddItem(name);
      m_playerList->Select(m_playerList->GetItemCount() - 1);
    }
  }
  const int current = m_playerList->FindItem(GameProgress.CurrentPlayer);
  if (current >= 0) m_playerList->Select(current);
  UpdateButtons();
}

void CCookChangePlayerScreen::UpdateButtons() {
  // Bindings are dropped first: they would pile up with every return to the screen.
  for (const ShortcutRow& row : kKeys) RemoveShortcut(row.key);
  const bool named = m_playerList->GetItemCount() > 0;
  if (named) ::AddShortcuts(*this, kKeys);
  for (const auto& button : {m_okButton, m_removeButton})
    if (button) button->SetEnabled(named);
}

void CCookChangePlayerScreen::OnCommand(const std::string& command) {
  CCurtainScreen::OnCommand(command);
  if (command == kShowManual) return;
  if (command == kUnapplied) {
    m_command = m_result = "back";
    return;
  }
  const int selected = m_playerList->GetSelected();
  if (selected < 0 || selected >= m_playerList->GetItemCount()) return;
  if (command == kRemove) m_playerBeforeRemove = GameProgress.CurrentPlayer;
  SelectPlayer(m_playerList->ItemAt(selected));
}

void CCookChangePlayerScreen::OnDeactivate() {
  if (m_result == "back") ApplyProfileSettings();
  CCurtainScreen::OnDeactivate();
}
