#include "framework/engine/screens/CNewPlayerMenuScreen.h"

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"

namespace GF::HGENS {
namespace {

constexpr int kKeyEnter = 24;

}  // namespace

THolder<IScreen> CreateNewPlayerMenuScreen() {
  return MakeHolder<CNewPlayerMenuScreen>();
}

void CNewPlayerMenuScreen::OnInit() {
  CMenuScreenAbstract::OnInit();
  AddMenuItem("ok", "back", false, kUsualFlags);
  AddMenuItem("cancel", "back2", false, kUsualFlags);
  m_ok = GetControl("ok");
  if (m_ok) AttachMenuSounds(*m_ok);
  m_edit = CreateEdit("edit", -1);
  m_edit->textChangedEvent.Subscribe(MakeDelegate(this, &CNewPlayerMenuScreen::OnEditChanged));
  OnEditChanged(m_edit);
}

void CNewPlayerMenuScreen::OnEditChanged(THolder<CBaseControl>) {
  const std::wstring& name = m_edit->Text();
  const bool named = name.find_first_not_of(L' ') != std::wstring::npos;
  if (m_ok) m_ok->SetEnabled(named);
  // One Enter record at most: the name changes with every typed character.
  if (!named)
    RemoveShortcut(kKeyEnter);
  else if (!m_enterShortcut)
    AddShortcut(kKeyEnter, "back", false, kUsualFlags);
  m_enterShortcut = named;
}

void CNewPlayerMenuScreen::StartHide() {
  if (m_result == "back" && !m_edit->Text().empty()) {
    CMenuScreenAbstract::StartHide();
  } else if (m_result == "back2") {
    m_edit->SetText(L"");
    CMenuScreenAbstract::StartHide();
    m_command = m_result = "back";
  }
  (*GetGameProperties())["NewPlayerName"] = m_edit->Text();
}

}  // namespace GF::HGENS
