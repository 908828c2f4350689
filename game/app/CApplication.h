#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/core/IDelegate.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/IScreen.h"
#include "game/app/CFlowRuleRunner.h"
#include "game/app/ScreenTable.h"

// The game's application object, the spine of the game: it reads the three data files,
// registers the game's screens (handed in as a ScreenTable), decides the first screen by the
// flow rules, and whenever a screen closes shows the target of the rule armed on it, or
// answers its own commands "back", "force_quit" and "reloadgamedata". Closing the window
// becomes the command "quit". The program's main() makes exactly one:
//
//   std::make_unique<CApplication>(engine, GetGameScreens())
//
// Screens activate once each time they come to the top: what a closing screen sets up is
// activated by the game manager when the closing is done, never here.
class CApplication : public GF::HGENS::CApplication, public CFlowRuleRunner {
 public:
  using ScreenHandler = GF::THolder<GF::IDelegate<void, GF::THolder<GF::IScreen>>>;

  // Asks the engine for the window icon "icon.png".
  CApplication(Engine* engine, ScreenTable screens);
  ~CApplication() override;

  // The start-up: the framework's Init (false ends it there), the data files, the textures
  // of the group "interfaces", the settings file, the screens, the first-run rule
  // "def_settings", then "show_publisher" (or "test_starting" for a test level) shows the
  // first screen, which is activated.
  bool Init() override;
  // The framework's shutdown (every screen destroyed, settings saved, resources unloaded),
  // with what the screens share released in between.
  void Shutdown() override;
  // The window's close button: OnQuitRequest.
  bool OnExit() override;
  // Alt+Enter: StoreWindowedState.
  void OnWindowModeChanged() override;

  // Sends the top screen "quit" and, when no rule took it, "force_quit"; nothing while the
  // exit question "confirm_exit_screen" is on top or no screen is left. Always false: the
  // screens end the game, never the engine.
  bool OnQuitRequest();
  // The current player's full-screen value: 0 windowed, 1 full screen.
  void StoreWindowedState();
  // Reads "gamedata.bin" and the settings file again (saving first when asked) and runs the
  // start-up rules again. Runs inside a screen's closing: the game manager activates what
  // comes to the top.
  void ReloadGameData(bool saveFirst);

  // The game manager's ScreenClosed (and, with no screen, the start-up): shows the target of
  // the pending rule when it was armed on this screen, else acts on the screen's own
  // command. A rule armed on another screen is dropped.
  void OnScreenClosed(GF::THolder<GF::IScreen> screen);

 protected:
  // The screen leaves with the command (GoTo with the usual flags), which runs the rules.
  void SendScreenCommand(const GF::THolder<GF::IScreen>& screen,
                         const std::string& command) override;

 private:
  void LoadDataFiles();
  void LoadInterfaceTextures();
  void AttachScreenHandlers();
  void AttachScreenHandler(const std::string& name, ScreenHandler handler);
  void SubscribeEvents();
  void UnsubscribeEvents();
  void RegisterScreens();
  // The first-run rule "def_settings" with the first player's settings, then the rule that
  // arms the first screen.
  void RunStartRules();

  // ScreenCommand: the rules for the screen's result.
  void OnScreenResult(GF::THolder<GF::IScreen> screen);
  // ScreenCreated: the close handlers of the screen's name join its deactivation event.
  void DispatchScreenHandlers(GF::THolder<GF::IScreen> screen);
  // The rule's target in place of every screen, over a 1000 ms fade of the closed one's
  // picture when the rule says smooth.
  void SwitchScreen(const GF::THolder<GF::IScreen>& screen, const FlowRule& rule);
  // The rule's target over the closed screen, in its scene; an overlay that closed is
  // removed first when the rule says so.
  void ShowOverScreen(const GF::THolder<GF::IScreen>& screen, const FlowRule& rule);
  void OnOwnCommand(const GF::THolder<GF::IScreen>& screen);

  void OnConfirmExitClosed(GF::THolder<GF::IScreen> screen);
  void OnConfirmClosed(GF::THolder<GF::IScreen> screen);
  void OnSplashScreenClosed(GF::THolder<GF::IScreen> screen);

  ScreenTable m_screens;
  // By screen name: handlers for the deactivation of every screen made under that name.
  std::map<std::string, std::vector<ScreenHandler>> m_closeHandlers;
  ScreenHandler m_onScreenResult;
  ScreenHandler m_onScreenCreated;
  ScreenHandler m_onScreenClosed;
};
