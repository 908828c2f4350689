#pragma once

#include <string>

#include "framework/core/IDelegate.h"
#include "game/app/ProgressBlock.h"
#include "game/kitchen/CActionWorker.h"
#include "game/screens/CShowHideEffectScreen.h"

// "ComicsScreen": a story comic whose panels appear part by part ("_part_1", "_part_2", ...
// of its layout), the next on a left click once the last has played and rested. After the
// last part a click records the comic as seen (the player's flag of its name) and leaves
// with "ok". The opening comic gives way to the second once it has been seen; the closing
// one ("comics_3") cheers with "Game_won" and brings the menu music back after a while.
class CComiksScreen : public CCurtainScreen, public CActionWorker {
 public:
  static GF::THolder<GF::IScreen> Create();

  CComiksScreen();

  // "comics.comics_2" in place of "comics.comics_1" once the player has seen the opening.
  static std::string ChooseLayout(const std::string& requested, const PlayerProfile& profile);

  void Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
            const char* parameter) override;

 protected:
  void OnActivate() override;
  void OnDeactivate() override;
  void OnDestroy() override;
  void OnInit() override;
  void OnShown() override;
  bool IdleUpdate(const float& dt) override;

 private:
  void OnKey(int key);
  void ShowNextPart();
  bool IsClosingComic() const;
  void StopWatchingKeys();

  int m_partNumber = 1;
  GF::THolder<GF::IDelegate<void, int>> m_keyHandler;
};
