#pragma once

#include <string>

#include "framework/core/IDelegate.h"
#include "framework/core/THolder.h"
#include "game/screens/CShowHideEffectScreen.h"

// The title screen: play, options, help, high scores, the player (the button shows the
// player's name) and quit, over the main-menu music and the game's cursor. "play" leads to
// the first comics while the story asks for them, and with no player yet the screen leaves
// at once for the creation of one. While it is the active screen, typed characters go to
// the developer-mode watcher.
class CSplashScreen : public CCurtainScreen {
 public:
  CSplashScreen();

  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnActivate() override;
  void OnDeactivate() override;
  void OnInit() override;
  void OnDestroy() override;
  bool IdleUpdate(const float& dt) override;
  // Replaces the template's: the title takes no "show_manual".
  void OnCommand(const std::string& command) override;

 private:
  void ShowPlayerName(const std::wstring& name);
  void ShowRibbon();
  void EnableButtons(bool enabled);
  void StopWatchingTypedLetters();
  std::string RewritePlay() const;

  GF::THolder<GF::IDelegate<void, wchar_t>> m_watcher;
};
