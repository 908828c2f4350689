#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/IDelegate.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/engine/screens/CBaseControl.h"
#include "game/app/LevelDescription.h"
#include "game/app/ProgressBlock.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/screens/CShowHideEffectScreen.h"

// "GameScreen", the screen a level is played on. It makes the field of the current level's
// type, puts the level's scene behind it, drives it every idle frame and hands it the keys,
// pauses it while the screen hides, and offers the hint, the pause menu and help. When the
// field has finished it books the level's new recipes and leaves with "exit". Losing the
// focus draws one frame with the pause picture on top, which the window keeps while away.
class CGameScreen : public CCurtainLevelScreen {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;
  using FieldPtr = GF::THolder<CGameFieldBase>;

  static GF::THolder<GF::IScreen> Create();
  ~CGameScreen() override;

  bool Update(const float& dt) override;

  // The end of a level: a place below 4 or the duel's win 201 books the level's new recipes
  // (StoreLevelResults); any other place sets the new-recipe count (float 29) to 0.
  static void BookLevelEnd(const LevelDescription& level, PlayerProfile& profile);
  // The recipes of the level's orders of type 0 or 101 that the player has not met yet
  // replace the list of new recipes and are marked as met; float 29 := the list's length.
  static void StoreLevelResults(const LevelDescription& level, PlayerProfile& profile);

  const FieldPtr& GetField() const { return m_field; }
  AnimationPtr GetPauseOverlay() const { return m_pauseOverlay; }
  AnimationPtr GetBackground() const { return m_background; }

 protected:
  void OnActivate() override;
  void OnDeactivate() override;
  void OnInit() override;
  void OnDestroy() override;
  void OnShown() override;
  bool IdleUpdate(const float& dt) override;
  void StartHide() override;
  void OnCommand(const std::string& command) override;
  virtual void OnResume();
  // The focus is gone: one frame with the pause picture on top, drawn now.
  virtual void OnSuspend();
  virtual void OnKeyUp(int key);
  virtual void OnKeyDown(int key);

 private:
  using LevelCallback = void (CGameScreen::*)(const float& dt);

  void OnHintClicked(GF::THolder<GF::HGENS::CBaseControl> control, const GF::TPoint<int>& point,
                     int buttons);
  void CreatePauseOverlay();
  void SubscribeEvents();
  void UnsubscribeEvents();
  void PlayStageMusic() const;
  FieldPtr CreateField();
  AnimationPtr LoadLevelScene();
  void UpdateLevel(const float& dt);
  void LevelOver(const float&) {}
  // Keys are the field's only while the level is played: not under a screen shown over it
  // (the pause menu, the hint window), nor while this screen comes or goes.
  bool IsPlaying() const;
  bool IsSpotTheDifference() const;
  // The spot-the-difference level's game cursor, while the player's own is off.
  void SetDifferenceCursor(bool on) const;

  AnimationPtr m_pauseOverlay;
  LevelCallback m_levelCallback = &CGameScreen::UpdateLevel;
  AnimationPtr m_background;
  FieldPtr m_field;
  std::string m_levelKey;
  std::string m_levelType;
  bool m_customCursorOn = false;
  GF::THolder<GF::IDelegate<void, int>> m_onKeyDown;
  GF::THolder<GF::IDelegate<void, int>> m_onKeyUp;
  GF::THolder<GF::IDelegate<void>> m_onResume;
  GF::THolder<GF::IDelegate<void>> m_onSuspend;
};
