#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/IDataOutputStream.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/CScreenHost.h"
#include "framework/engine/app/IGameSound.h"
#include "framework/engine/app/IGfxEffect.h"
#include "framework/engine/app/IMusic.h"
#include "framework/engine/app/IScreen.h"

class Engine;

namespace GF::HGENS {

// Makes a new screen of one class; the game manager registers one per screen name.
using ScreenCreator = THolder<IScreen> (*)();

// False between a Suspend and the next Resume of the game manager (the particle renderer
// draws nothing then); true at start.
bool IsApplicationActive();

// The hub between the framework and the game: the registry of screens by name, the stack of
// live screens (only the top one is updated and drawn), the screen host, the music and sound
// players, the settings file, and the events through which the game learns of screens
// created, closed and commanded, of settings saved, loaded and reset, of typed characters,
// and of the application being suspended and resumed. One per process (GetGameManager).
class CGameManager : public CRefCount {
 public:
  using ScreenCreator = HGENS::ScreenCreator;
  using ScreenEvent = TEventList<THolder<IScreen>>;
  using SaveEvent = TEventList<THolder<IDataOutputStream>>;
  using LoadEvent = TEventList<THolder<IDataInputStream>>;
  using CharEvent = TEventList<wchar_t>;
  using NotifyEvent = TEventList<>;

  CGameManager();
  ~CGameManager() override;

  // A registration by an existing name replaces it.
  virtual void RegisterScreen(const std::string& name, ScreenCreator creator);
  // Makes the screen by name, names it, fires ScreenCreated, initialises it and puts it on
  // top of the stack (not activated). An unknown name logs and changes nothing.
  virtual void CreateScreen(const std::string& name, const std::string& layout,
                            const THolder<IScene>& scene, const char* parameter);
  // CreateScreen, then the new screen is marked as an overlay and activated: a screen shown
  // over the current one.
  virtual void ShowScreen(const std::string& name, const std::string& layout,
                          const THolder<IScene>& scene, const char* parameter);
  // Destroys every screen, from the top down.
  virtual void DestroyAllScreens();
  // Destroys the lowest screen of that name.
  virtual void DestroyScreen(const std::string& name);
  virtual void SetTransitionEffect(const THolder<IGfxEffect>& effect);
  // The effect drawn over the screens until it finishes; empty when none.
  const THolder<IGfxEffect>& GetTransitionEffect() const { return m_host.GetEffect(); }
  virtual void SetNoEffect();

  CharEvent& CharInputEvent() { return m_charInput; }
  NotifyEvent& SuspendEvent() { return m_suspend; }
  NotifyEvent& ResumeEvent() { return m_resume; }
  ScreenEvent& ScreenCreatedEvent() { return m_screenCreated; }
  ScreenEvent& ScreenClosedEvent() { return m_screenClosed; }
  ScreenEvent& ScreenCommandEvent() { return m_screenCommand; }
  SaveEvent& SaveSettingsEvent() { return m_saveSettings; }
  LoadEvent& LoadSettingsEvent() { return m_loadSettings; }
  NotifyEvent& ResetSettingsEvent() { return m_resetSettings; }

  virtual void FireSuspend();
  virtual void FireCharInput(wchar_t unit);
  virtual void FireResume();
  virtual void FireScreenCommand(const THolder<IScreen>& screen);

  // One frame of dt milliseconds: music and sounds, then the top screen updated and, while a
  // screen exists, drawn. False when no screen is left (the engine loop ends).
  virtual bool Frame(const float& dt);
  // The lowest screen of that name, or an empty holder.
  virtual THolder<IScreen> FindScreen(const std::string& name) const;
  // The top screen, or an empty holder when the stack is empty.
  virtual THolder<IScreen> TopScreen() const;

  // The "Setting" file: the four settings, then the SaveSettings subscribers' block.
  virtual void SaveSettings();
  virtual void LoadSettings();
  virtual void ResetSettings();
  // Drops the players, destroys every screen and lets GetGameManager make a new manager.
  virtual void Shutdown();

  virtual void RequestQuit() { m_quitRequested = true; }
  virtual bool IsQuitRequested() const { return m_quitRequested; }

  // The save folder (created when missing) joined with the file name; empty without one.
  virtual std::wstring GetSavePath(const std::wstring& name);

 protected:
  virtual void FireScreenCreated(const THolder<IScreen>& screen);
  virtual void FireScreenClosed(const THolder<IScreen>& screen);
  virtual void FireSaveSettings(const THolder<IDataOutputStream>& stream);
  virtual void FireLoadSettings(const THolder<IDataInputStream>& stream);
  virtual void FireResetSettings();
  // The top screen's update; when it finishes, ScreenClosed lets the game change the stack,
  // and the screen then on top is activated and updated once. False when no screen is left.
  virtual bool UpdateTopScreen(const float& dt);

 private:
  THolder<IScreen> Create(const std::string& name, const std::string& layout,
                          const THolder<IScene>& scene, const char* parameter);

  Engine* m_engine;  // own reference
  ScreenEvent m_screenCreated;
  ScreenEvent m_screenClosed;
  ScreenEvent m_screenCommand;
  SaveEvent m_saveSettings;
  LoadEvent m_loadSettings;
  NotifyEvent m_resetSettings;
  CharEvent m_charInput;
  NotifyEvent m_resume;
  NotifyEvent m_suspend;
  std::map<std::string, ScreenCreator> m_registry;
  std::vector<THolder<IScreen>> m_stack;  // the top screen is the last one
  CScreenHost m_host;
  bool m_quitRequested = false;
  THolder<IMusic> m_music;
  THolder<IGameSound> m_sound;
};

}  // namespace GF::HGENS
