#pragma once

#include <string>

#include "framework/core/THolder.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/map/CDeformGrid.h"
#include "game/screens/map/CStageMapStrategy.h"

// The progress map ("ProgressMapScreen"): the stages on a carousel over a slowly scrolling,
// bending landscape, the ribbons of the won levels under the chosen stage, and the buttons
// to play, to visit the trophy room and to open the menu. "play" on another stage than the
// one reached replays that stage's last level; "play" before a level whose story dialogue is
// due becomes "dialog"; a click on a ribbon replays its level.
class CMapScreen : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

  CMapScreen();

  // The background scrolls by 20 texture pixels a second, then the template's frame.
  bool Update(const float& dt) override;

  const CStageMapStrategy& GetStageStrategy() const { return m_stages; }
  const GF::THolder<CDeformGrid>& GetBackground() const { return m_background; }
  // Whether a story dialogue plays before the level about to start; float 20 then points at
  // the first record at or after it of the reached stage.
  static bool IsDialogDue();

 protected:
  void OnInit() override;
  bool IdleUpdate(const float& dt) override;
  void OnCommand(const std::string& command) override;

 private:
  void MakeBackground();
  void LayOutStages();
  void AddStagePlace(const std::string& key, bool unlocked, bool opening);
  void PlaceLevelRibbons();
  void AddLevelRibbon(const std::string& stageKey, const std::string& levelKey, int place,
                      bool isNew);
  void OnStageEvent(int code);
  void SetControlsEnabled(bool enabled);
  // "play" on a stage before the reached one (or with float 34 set): its last level.
  static bool ChooseReplay();
  // "play_bonus" and "play_bonus_2": the bonus level of the profile's stage 1 to 6.
  void ChooseBonusLevel();

  float m_scroll = 0.0f;  // texture pixels, in (-texture width, 0]
  GF::THolder<CDeformGrid> m_background;
  CStageMapStrategy m_stages;
};
