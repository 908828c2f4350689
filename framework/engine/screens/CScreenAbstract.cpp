#include "framework/engine/screens/CScreenAbstract.h"

#include <algorithm>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/CScene.h"
#include "framework/engine/screens/CCheckBoxControl.h"
#include "framework/engine/screens/CEditControl.h"
#include "framework/engine/screens/CListBoxControl.h"
#include "framework/engine/screens/CRadioGroupControl.h"
#include "framework/engine/screens/CSliderControl.h"

namespace GF::HGENS {
namespace {

constexpr const char* kConfirmScreen = "confirm_screen";
constexpr const char* kConfirmLayout = "main_menu.confirm_screen";

}  // namespace

CScreenAbstract::CScreenAbstract() : m_keyset(GetKeyset()) {}

CScreenAbstract::~CScreenAbstract() {
  StopWatchingConfirmation();
}

template <class T>
THolder<T> CScreenAbstract::AddControl(const std::string& name) {
  const THolder<T> control = MakeHolder<T>();
  const THolder<IScreen> self(this);
  control->Create(name, self);
  control->Reset(control, self);
  m_controls.push_back(control);
  return control;
}

THolder<CButtonControl> CScreenAbstract::CreateButton(const std::string& name) {
  return AddControl<CButtonControl>(name);
}

THolder<CListBoxControl> CScreenAbstract::CreateListBox(const std::string& name, bool withSlider) {
  const THolder<CListBoxControl> box = AddControl<CListBoxControl>(name);
  box->SetSlider(withSlider, THolder<IScreen>(this));
  return box;
}

THolder<CEditControl> CScreenAbstract::CreateEdit(const std::string& name, int maxLength) {
  const THolder<CEditControl> edit = AddControl<CEditControl>(name);
  edit->SetMaxLength(maxLength);
  return edit;
}

THolder<CSliderControl> CScreenAbstract::CreateSlider(const std::string& name, int value,
                                                      int minimum, int maximum, bool horizontal) {
  const THolder<CSliderControl> slider = AddControl<CSliderControl>(name);
  slider->SetRange(minimum, maximum);
  slider->SetHorizontal(horizontal);
  slider->SetValue(value, false);
  return slider;
}

THolder<CRadioGroupControl> CScreenAbstract::CreateRadioGroup(const std::string& name,
                                                              int selected) {
  const THolder<CRadioGroupControl> group = AddControl<CRadioGroupControl>(name);
  group->Select(selected);
  return group;
}

THolder<CCheckBoxControl> CScreenAbstract::CreateCheckBox(const std::string& name, bool checked) {
  const THolder<CCheckBoxControl> box = AddControl<CCheckBoxControl>(name);
  box->SetChecked(checked);
  return box;
}

THolder<CBaseControl> CScreenAbstract::GetControl(const std::string& name) const {
  for (const THolder<CBaseControl>& control : m_controls) {
    if (control->GetName() == name) return control;
  }
  return nullptr;
}

void CScreenAbstract::AddShortcut(int key, const std::string& name, bool confirm,
                                  std::uint32_t flags) {
  m_shortcuts.push_back({confirm, flags, key, name});
}

void CScreenAbstract::RemoveShortcut(int key) {
  // The open confirmation names its record by index: it follows its record, or is
  // forgotten with it.
  const int count = static_cast<int>(m_shortcuts.size());
  if (m_confirmIndex >= 0 && m_confirmIndex < count) {
    int removedBefore = 0;
    for (int i = 0; i < m_confirmIndex; ++i) removedBefore += m_shortcuts[i].key == key ? 1 : 0;
    m_confirmIndex = m_shortcuts[m_confirmIndex].key == key ? -1 : m_confirmIndex - removedBefore;
  }
  std::erase_if(m_shortcuts, [key](const ShortcutRecord& record) { return record.key == key; });
}

void CScreenAbstract::Init(const std::string& layout, const THolder<IScene>& scene, const char*) {
  m_scene = scene ? scene : THolder<IScene>(MakeHolder<CScene>());
  if (const THolder<IAnimationData> data = GetResources()->GetAnimationData(layout)) {
    m_layout = data->CreateObject();
  }
  if (m_layout) {
    m_layout->SetScene(m_scene);
    m_layout->SetObjectsScene(m_scene);
    const THolder<CGameProperties> properties = GetGameProperties();
    m_layout->SetX(static_cast<float>(properties->GetScreenWidth()) * 0.5f);
    m_layout->SetY(static_cast<float>(properties->GetScreenHeight()) * 0.5f);
  }
  OnInit();
}

void CScreenAbstract::Render() {
  if (m_scene) m_scene->Render();
}

bool CScreenAbstract::Update(const float& dt) {
  // What a state announces may destroy this screen; it lives until the frame is done.
  const THolder<IScreen> self(this);
  if (m_state && !(this->*m_state)(dt)) return false;
  if (m_scene) m_scene->Update(dt);
  return true;
}

void CScreenAbstract::Activate() {
  OnActivate();
  if (!m_showOnActivate) return;
  StartShow();
  m_deferredKey = -1;
}

void CScreenAbstract::Deactivate() {
  const THolder<IScreen> self(this);
  // The screen has finished: a leave it was asked for is done, and a screen brought back
  // later does not leave again by itself.
  m_leaveRequested = false;
  OnDeactivate();
}

void CScreenAbstract::Destroy() {
  const THolder<IScreen> self(this);
  OnDestroy();
  StopWatchingConfirmation();
  for (size_t i = 0; i < m_controls.size(); ++i) {
    const THolder<CBaseControl> control = m_controls[i];
    control->Destroy();
  }
  if (m_layout) {
    if (m_overlay) {
      m_layout->Detach();
    } else {
      m_layout->Clear();
    }
  }
  // A borrowed scene belongs to the screen below and keeps its drawables.
  if (m_scene && !m_overlay) m_scene->Clear();
  m_scene.Reset();
  m_layout.Reset();
}

void CScreenAbstract::RaiseSixthEvent() {
  GetGameManager()->SetNoEffect();
  OnSixthEvent();
}

void CScreenAbstract::OnActivate() {
  ActivateEvent().Fire(THolder<IScreen>(this));
}

void CScreenAbstract::OnDeactivate() {
  DeactivateEvent().Fire(THolder<IScreen>(this));
}

void CScreenAbstract::OnInit() {
  InitEvent().Fire(THolder<IScreen>(this));
}

void CScreenAbstract::OnDestroy() {
  DestroyEvent().Fire(THolder<IScreen>(this));
}

void CScreenAbstract::OnFifthEvent() {
  FifthEvent().Fire(THolder<IScreen>(this));
}

void CScreenAbstract::OnSixthEvent() {
  SixthEvent().Fire(THolder<IScreen>(this));
}

void CScreenAbstract::ClearResultForShow() {
  if (m_leaveRequested) return;
  m_result.clear();
  m_command.clear();
}

void CScreenAbstract::StartShow() {
  ClearResultForShow();
  m_state = &CScreenAbstract::ShowingUpdate;
  if (m_layout) m_layout->Play("_show", 1, false);
}

bool CScreenAbstract::ShowingUpdate(const float&) {
  if (!m_layout || m_layout->IsStopped()) {
    OnShown();
    return true;
  }
  return !ProcessShortcuts(kLiveShowing);
}

void CScreenAbstract::OnShown() {
  m_state = &CScreenAbstract::IdleUpdate;
  if (m_layout) m_layout->Play("_idle", 0, false);
  if (m_deferredKey >= 0) {
    m_keyset->SetDown(m_deferredKey, true);
    m_deferredKey = -1;
  }
  for (size_t i = 0; i < m_controls.size(); ++i) m_controls[i]->UpdateRect();
}

bool CScreenAbstract::IdleUpdate(const float& dt) {
  // By index: a control's handler may add controls.
  for (size_t i = 0; i < m_controls.size(); ++i) {
    const THolder<CBaseControl> control = m_controls[i];
    control->UpdateIfVisible(dt);
  }
  if (!m_leaveRequested && !ProcessShortcuts(kLiveIdle)) return true;
  if (!m_hideAnimated) return false;
  StartHide();
  return true;
}

void CScreenAbstract::StartHide() {
  m_state = &CScreenAbstract::HidingUpdate;
  if (m_layout) m_layout->Play("_hide", 1, false);
}

bool CScreenAbstract::HidingUpdate(const float&) {
  if (m_layout && !m_layout->IsStopped()) return !ProcessShortcuts(kLiveHiding);
  m_result = m_command;
  return false;
}

bool CScreenAbstract::ProcessShortcuts(std::uint32_t stateBit) {
  int taken = -1;
  for (size_t i = 0; i < m_shortcuts.size(); ++i) {
    const ShortcutRecord& record = m_shortcuts[i];
    if ((record.flags & stateBit) && m_keyset->Consume(record.key)) {
      taken = static_cast<int>(i);
      break;
    }
  }
  if (taken < 0) return false;
  // A copy: what follows may change the list.
  const ShortcutRecord record = m_shortcuts[taken];
  if (stateBit == kLiveShowing && (record.flags & kDeferWhileShowing)) {
    m_deferredKey = record.key;
    return false;
  }
  if (record.confirm) {
    if (AskConfirmation("confirm_" + record.name,
                        MakeDelegate(this, &CScreenAbstract::OnConfirmAnswer))) {
      m_confirmIndex = taken;
    }
    return false;
  }
  m_showOnActivate = (record.flags & kShowOnActivate) != 0;
  m_result = record.name;
  if (stateBit == kLiveIdle) {
    m_command = record.name;
    m_hideAnimated = (record.flags & kHideAnimated) != 0;
  }
  if (!KeepsCommand()) return false;
  GetGameManager()->FireScreenCommand(THolder<IScreen>(this));
  return true;
}

bool CScreenAbstract::KeepsCommand() {
  m_commandWithdrawn = false;
  OnCommand(m_result);
  if (!std::exchange(m_commandWithdrawn, false)) return true;
  m_command.clear();
  m_result.clear();
  return false;
}

void CScreenAbstract::OnConfirmAnswer(THolder<IScreen> confirmation) {
  StopWatchingConfirmation();
  const int index = std::exchange(m_confirmIndex, -1);
  if (confirmation && confirmation->GetResult() == "yes" && index >= 0 &&
      index < static_cast<int>(m_shortcuts.size())) {
    const ShortcutRecord& record = m_shortcuts[index];
    m_showOnActivate = (record.flags & kShowOnActivate) != 0;
    m_command = record.name;
    m_result = m_command;
    m_hideAnimated = (record.flags & kHideAnimated) != 0;
    m_leaveRequested = true;
  }
  // The confirmation is not touched after this: destroying it may free it.
  GetGameManager()->DestroyScreen(kConfirmScreen);
}

bool CScreenAbstract::AskConfirmation(const std::string& questionKey, ConfirmDelegate onAnswer) {
  StopWatchingConfirmation();
  const THolder<CGameManager> manager = GetGameManager();
  manager->ShowScreen(kConfirmScreen, kConfirmLayout, m_scene, questionKey.c_str());
  const THolder<IScreen> confirmation = manager->TopScreen();
  // Without a registered confirmation screen this one is still on top.
  if (!confirmation || confirmation.Get() == this) return false;
  confirmation->DeactivateEvent().Subscribe(onAnswer);
  m_confirmation = confirmation;
  m_confirmDelegate = std::move(onAnswer);
  return true;
}

void CScreenAbstract::StopWatchingConfirmation() {
  if (!m_confirmation) return;
  m_confirmation->DeactivateEvent().RemoveDelegate(m_confirmDelegate);
  m_confirmation.Reset();
  m_confirmDelegate.Reset();
}

}  // namespace GF::HGENS
