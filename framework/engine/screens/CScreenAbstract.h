#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/CKeyset.h"
#include "framework/core/IAnimation.h"
#include "framework/core/IDelegate.h"
#include "framework/core/IScene.h"
#include "framework/engine/app/IScreen.h"
#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

class CEditControl;
class CListBoxControl;
class CRadioGroupControl;
class CSliderControl;

// The base of every screen: a scene (its own, or borrowed from the screen it is shown
// over), one layout animation from the resources, its menu controls and keyboard shortcuts,
// and a three-state machine (showing, idle, hiding) that plays the layout's "_show", "_idle"
// and "_hide". A screen that leaves carries its command as its result.
class CScreenAbstract : public IScreen {
 public:
  CScreenAbstract();
  ~CScreenAbstract() override;

  THolder<CCheckBoxControl> CreateCheckBox(const std::string& name, bool checked) override;
  THolder<CButtonControl> CreateButton(const std::string& name) override;
  // The list box, with its scroll slider "<name>_slider" when asked for.
  virtual THolder<CListBoxControl> CreateListBox(const std::string& name, bool withSlider);
  // A negative maximum length is unlimited.
  virtual THolder<CEditControl> CreateEdit(const std::string& name, int maxLength);
  virtual THolder<CSliderControl> CreateSlider(const std::string& name, int value, int minimum,
                                               int maximum, bool horizontal);
  // The check boxes "<name>_radio_1", ... of the layout as one choice; -1 selects none.
  virtual THolder<CRadioGroupControl> CreateRadioGroup(const std::string& name, int selected);
  THolder<CBaseControl> GetControl(const std::string& name) const override;
  int GetControlCount() const override { return static_cast<int>(m_controls.size()); }
  THolder<IScene> GetScene() const override { return m_scene; }
  void AddShortcut(int key, const std::string& name, bool confirm, std::uint32_t flags) override;
  void RemoveShortcut(int key) override;
  // The layout "module.object" from the resources, placed at the middle of the screen.
  void Init(const std::string& layout, const THolder<IScene>& scene,
            const char* parameter) override;
  void Render() override;
  AnimationPtr GetLayout() const override { return m_layout; }
  const std::string& GetResult() const override { return m_result; }
  const std::string& GetName() const override { return m_name; }
  void SetName(const std::string& name) override { m_name = name; }
  bool Update(const float& dt) override;
  void Activate() override;
  void Deactivate() override;
  void Destroy() override;
  void RaiseFifthEvent() override { OnFifthEvent(); }
  // Switches the game manager to no transition effect first.
  void RaiseSixthEvent() override;
  bool IsOverlay() const override { return m_overlay; }
  void SetOverlay(bool overlay) override { m_overlay = overlay; }

 protected:
  using ConfirmDelegate = THolder<IDelegate<void, THolder<IScreen>>>;

  // Each fires its own event with this screen.
  virtual void OnActivate();
  virtual void OnDeactivate();
  virtual void OnInit();
  virtual void OnDestroy();
  virtual void OnFifthEvent();
  virtual void OnSixthEvent();

  virtual void StartShow();
  virtual bool ShowingUpdate(const float& dt);
  virtual void OnShown();
  virtual bool IdleUpdate(const float& dt);
  virtual void StartHide();
  virtual bool HidingUpdate(const float& dt);
  // A command about to be announced; derived screens act on it, rewrite the result or
  // withdraw it.
  virtual void OnCommand(const std::string&) {}
  // From OnCommand: the command is dropped; nothing is announced and the screen stays.
  void WithdrawCommand() { m_commandWithdrawn = true; }
  // Runs OnCommand on the result; false, with command and result cleared, when the hook
  // withdrew it.
  bool KeepsCommand();

  // Takes the first live shortcut whose key is down (consuming the key) and acts on it;
  // true when it fired (the screen leaves or finishes).
  bool ProcessShortcuts(std::uint32_t stateBit);
  // The answer of the confirmation asked for a shortcut.
  void OnConfirmAnswer(THolder<IScreen> confirmation);

  // The strings a new show starts from: cleared, unless a confirmed leave still has to
  // carry its command through the show that brings the screen back.
  void ClearResultForShow();

  // Handlers that a derived screen adds take their turn here; virtual ones dispatch to the
  // most derived override, as the framework's own do.
  using StateHandler = bool (CScreenAbstract::*)(const float& dt);
  template <class D>
  void SetStateHandler(bool (D::*handler)(const float&)) {
    m_state = static_cast<StateHandler>(handler);
  }
  template <class D>
  bool IsStateHandler(bool (D::*handler)(const float&)) const {
    return m_state == static_cast<StateHandler>(handler);
  }
  const std::vector<THolder<CBaseControl>>& GetControls() const { return m_controls; }

  // Opens "confirm_screen" over this one, asking the question of that text key, and has
  // `onAnswer` called from its deactivation. False when no confirmation screen came up.
  bool AskConfirmation(const std::string& questionKey, ConfirmDelegate onAnswer);
  // Unsubscribes from the open confirmation, if any.
  void StopWatchingConfirmation();

  std::string m_command;
  std::string m_result;
  bool m_showOnActivate = true;
  bool m_hideAnimated = true;

 private:
  struct ShortcutRecord {
    bool confirm;
    std::uint32_t flags;
    int key;
    std::string name;
  };

  // Create and Reset, then the list.
  template <class T>
  THolder<T> AddControl(const std::string& name);

  std::string m_name;
  AnimationPtr m_layout;
  THolder<IScene> m_scene;
  std::vector<ShortcutRecord> m_shortcuts;
  StateHandler m_state = &CScreenAbstract::ShowingUpdate;
  std::vector<THolder<CBaseControl>> m_controls;
  int m_deferredKey = -1;
  bool m_overlay = false;
  int m_confirmIndex = -1;
  // A confirmed shortcut: the next idle frame leaves with its command.
  bool m_leaveRequested = false;
  bool m_commandWithdrawn = false;
  THolder<CKeyset> m_keyset;
  // The open confirmation and our delegate in its deactivate event.
  THolder<IScreen> m_confirmation;
  ConfirmDelegate m_confirmDelegate;
};

}  // namespace GF::HGENS
