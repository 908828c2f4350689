#include "game/screens/menus/CCookNewPlayerMenuScreen.h"

#include "framework/core/TMethodDelegate.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/MenuRows.h"

namespace {

constexpr int kPlayerListSound = 1;
constexpr int kMaxNameLength = 8;
constexpr const char* kOk = "ok";
constexpr MenuItemRow kItems[] = {{"ok", kOk}, {"cancel", "back"}};
constexpr ShortcutRow kEnter = {ScreenKey::kEnter, kOk};

}  // namespace

GF::THolder<GF::IScreen> CreateNewPlayerScreen() {
  return GF::MakeHolder<CCookNewPlayerMenuScreen>();
}

void CCookNewPlayerMenuScreen::OnInit() {
  CCurtainScreen::OnInit();
  ::AddMenuItems(*this, kItems);
  m_okButton = FindButton(*this, "ok");
  m_nameEdit = CreateEdit("edit", -1);
  m_nameEdit->SetMaxLength(kMaxNameLength);
  m_nameEdit->SetKeepFocus(true);
  m_nameEdit->textChangedEvent.Subscribe(
      GF::MakeDelegate(this, &CCookNewPlayerMenuScreen::OnNameChanged));
  OnNameChanged(m_nameEdit);
}

void CCookNewPlayerMenuScreen::OnNameChanged(GF::THolder<GF::HGENS::CBaseControl>) {
  PlaySoundById(kPlayerListSound);
  const bool named = m_nameEdit->Text().find_first_not_of(L' ') != std::wstring::npos;
  if (m_okButton) m_okButton->SetEnabled(named);
  // One Enter binding at most: the name changes with every typed character.
  RemoveShortcut(kEnter.key);
  if (named) ::AddShortcuts(*this, {&kEnter, 1});
}

bool CCookNewPlayerMenuScreen::CreatePlayer() {
  const std::wstring& text = m_nameEdit->Text();
  const auto first = text.find_first_not_of(L' ');
  const std::wstring name = first == std::wstring::npos
                                ? std::wstring()
                                : text.substr(first, text.find_last_not_of(L' ') - first + 1);
  return AddPlayer(name);
}

void CCookNewPlayerMenuScreen::OnCommand(const std::string& command) {
  CCurtainScreen::OnCommand(command);
  if (command != kOk) return;
  if (!CreatePlayer() && !m_nameEdit->Text().empty()) {
    m_command = m_result = "error";
  } else if (CurrentProfile().Strings[ProfileString::Value30].empty()) {
    m_command = m_result = "back";
  }
}
