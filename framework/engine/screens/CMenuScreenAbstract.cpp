#include "framework/engine/screens/CMenuScreenAbstract.h"

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {

void CMenuScreenAbstract::AddMenuItem(const std::string& control, const std::string& command,
                                      bool confirm, std::uint32_t flags) {
  MenuItemRecord record{
      confirm, command, control, GetResources()->GetText("hint_" + control), CreateButton(control),
      flags};
  record.button->clickEvent.Subscribe(MakeDelegate(this, &CMenuScreenAbstract::OnItemClicked));
  record.button->overEvent.Subscribe(MakeDelegate(this, &CMenuScreenAbstract::OnItemOver));
  record.button->leaveEvent.Subscribe(MakeDelegate(this, &CMenuScreenAbstract::OnItemLeave));
  record.button->SetTag(static_cast<int>(m_items.size()));
  m_items.push_back(std::move(record));
}

const CMenuScreenAbstract::MenuItemRecord* CMenuScreenAbstract::ItemOf(
    const THolder<CBaseControl>& control) const {
  const int index = control ? control->GetTag() : -1;
  return index >= 0 && index < static_cast<int>(m_items.size()) ? &m_items[index] : nullptr;
}

void CMenuScreenAbstract::OnItemOver(THolder<CBaseControl> control) {
  const MenuItemRecord* item = ItemOf(control);
  if (item && GetLayout()) GetLayout()->SetText("_hint", item->hint);
}

void CMenuScreenAbstract::OnItemLeave(THolder<CBaseControl> control) {
  if (ItemOf(control) && GetLayout()) GetLayout()->SetText("_hint", L" ");
}

void CMenuScreenAbstract::OnItemClicked(THolder<CBaseControl> control, const TPoint<int>&, int) {
  const MenuItemRecord* item = ItemOf(control);
  if (!item) return;
  const int index = control->GetTag();
  if (!item->confirm) {
    GoToItem(index);
    return;
  }
  // Nothing is announced before the answer: "no" keeps the screen as it was.
  m_showOnActivate = (item->flags & kShowOnActivate) != 0;
  if (AskConfirmation("confirm_" + item->control,
                      MakeDelegate(this, &CMenuScreenAbstract::OnConfirmClosed))) {
    m_pendingItem = index;
  }
}

void CMenuScreenAbstract::OnConfirmClosed(THolder<IScreen> confirmation) {
  StopWatchingConfirmation();
  if (confirmation && confirmation->GetResult() == "yes") m_itemConfirmed = true;
  // The confirmation is not touched after this: destroying it may free it.
  GetGameManager()->DestroyScreen("confirm_screen");
}

void CMenuScreenAbstract::GoToItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return;
  const MenuItemRecord& item = m_items[index];
  GoTo(item.command, item.flags);
}

void CMenuScreenAbstract::GoTo(const std::string& command, std::uint32_t flags) {
  m_leaving = true;
  m_showOnActivate = (flags & kShowOnActivate) != 0;
  m_command = command;
  m_result = command;
  m_hideAnimated = (flags & kHideAnimated) != 0;
  if (!KeepsCommand()) {
    m_leaving = false;
    return;
  }
  GetGameManager()->FireScreenCommand(THolder<IScreen>(this));
}

void CMenuScreenAbstract::OnActivate() {
  m_leaving = false;
  CScreenAbstract::OnActivate();
}

void CMenuScreenAbstract::OnDeactivate() {
  // Cleared before the event: a subscriber may destroy this screen.
  m_itemConfirmed = false;
  CScreenAbstract::OnDeactivate();
}

bool CMenuScreenAbstract::IdleUpdate(const float& dt) {
  if (m_itemConfirmed) {
    m_itemConfirmed = false;
    GoToItem(std::exchange(m_pendingItem, -1));
  }
  if (!m_leaving) return CScreenAbstract::IdleUpdate(dt);
  if (!m_hideAnimated) return false;
  StartHide();
  return CScreenAbstract::IdleUpdate(dt);
}

}  // namespace GF::HGENS
