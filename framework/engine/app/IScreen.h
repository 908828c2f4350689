#pragma once

#include <cstdint>
#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/IBase.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

class IAnimation;
class IScene;

namespace HGENS {
class CBaseControl;
class CButtonControl;
class CCheckBoxControl;
}  // namespace HGENS

// A screen as the game manager drives it: created by name, initialised, stacked, activated,
// updated and drawn while on top, deactivated when it finishes, and destroyed. The screen
// framework's CScreenAbstract implements it and adds the rest of a screen's operations.
//
// The operations past the game manager's (controls, shortcuts, menu items, the layout and
// the screen's events) have neutral bodies here, so a screen that only the manager drives
// needs none of them; CScreenAbstract gives them their meaning.
class IScreen : public CRefCount {
 public:
  using ScreenEvent = TEventList<THolder<IScreen>>;
  using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;

  // The flag word of shortcuts, menu items and GoTo.
  enum Flags : std::uint32_t {
    kLiveShowing = 0x01,
    kLiveIdle = 0x02,
    kLiveHiding = 0x04,
    kDeferWhileShowing = 0x08,  // a key pressed while showing acts when the screen is shown
    kShowOnActivate = 0x10,     // the next activation plays "_show" again
    kHideAnimated = 0x20,       // leaving plays "_hide" first
    kUsualFlags = 0x32,
  };

  // The scene is an empty holder for a screen that makes its own, or the scene of the screen
  // it is shown over; the parameter text is the screen's own business (null when none).
  virtual void Init(const std::string& layout, const THolder<IScene>& scene,
                    const char* parameter) = 0;
  virtual void Render() = 0;
  // What a finished screen reports (the command it left with).
  virtual const std::string& GetResult() const = 0;
  virtual const std::string& GetName() const = 0;
  virtual void SetName(const std::string& name) = 0;
  // dt in milliseconds; false when the screen has finished.
  virtual bool Update(const float& dt) = 0;
  virtual void Activate() = 0;
  virtual void Deactivate() = 0;
  // Tears the screen down before the stack drops it.
  virtual void Destroy() = 0;
  virtual bool IsOverlay() const = 0;
  virtual void SetOverlay(bool overlay) = 0;

  // Controls bound by name to the layout's "_item_" + name part.
  virtual THolder<HGENS::CCheckBoxControl> CreateCheckBox(const std::string& name, bool checked);
  virtual THolder<HGENS::CButtonControl> CreateButton(const std::string& name);
  // The first control of that name, in creation order; empty when none.
  virtual THolder<HGENS::CBaseControl> GetControl(const std::string& name) const;
  virtual int GetControlCount() const;
  virtual THolder<IScene> GetScene() const;
  // Leaves the screen with a command (menu screens).
  virtual void GoTo(const std::string& command, std::uint32_t flags);
  // Makes the control a menu item that leaves with the command (menu screens).
  virtual void AddMenuItem(const std::string& control, const std::string& command, bool confirm,
                           std::uint32_t flags);
  // key: a key index of the key set. Records are kept in order and never merged.
  virtual void AddShortcut(int key, const std::string& name, bool confirm, std::uint32_t flags);
  // Removes every record of that key.
  virtual void RemoveShortcut(int key);
  virtual AnimationPtr GetLayout() const;
  virtual void RaiseFifthEvent();
  virtual void RaiseSixthEvent();

  // Fired with the screen by its activation, deactivation, Init, Destroy and the two raises.
  ScreenEvent& ActivateEvent() { return m_activateEvent; }
  ScreenEvent& DeactivateEvent() { return m_deactivateEvent; }
  ScreenEvent& InitEvent() { return m_initEvent; }
  ScreenEvent& DestroyEvent() { return m_destroyEvent; }
  ScreenEvent& FifthEvent() { return m_fifthEvent; }
  ScreenEvent& SixthEvent() { return m_sixthEvent; }

 private:
  ScreenEvent m_activateEvent;
  ScreenEvent m_deactivateEvent;
  ScreenEvent m_initEvent;
  ScreenEvent m_destroyEvent;
  ScreenEvent m_fifthEvent;
  ScreenEvent m_sixthEvent;
};

}  // namespace GF
