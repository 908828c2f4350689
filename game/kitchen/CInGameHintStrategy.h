#pragma once

#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/engine/app/IScreen.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CHintStrategyBase.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CTextRecord.h"

// Shows the kitchen's tips in a balloon over the cook, or in the hint window over the level.
// A lasting balloon stays until it is replaced or hidden; a self-closing one plays once and
// reports its end to InGameTips. While the window is open the cook waits; the window's close
// reports the tip's end, and a click on its target (the first order's bubble) selects that
// order.
//
// The strategy holds the field and the field (through InGameTips) holds the strategy: the
// field's shutdown breaks the cycle by removing the strategy.
class CInGameHintStrategy : public CHintStrategyBase {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  static GF::THolder<CHintStrategyBase> Create(GF::THolder<CGameFieldBase> field,
                                               GF::THolder<CPers> cook);
  CInGameHintStrategy(GF::THolder<CGameFieldBase> field, GF::THolder<CPers> cook);
  ~CInGameHintStrategy() override;
  CInGameHintStrategy(const CInGameHintStrategy&) = delete;
  CInGameHintStrategy& operator=(const CInGameHintStrategy&) = delete;

  void Show(const TipRecord& tip) override;
  // A self-closing balloon is not cut off: it runs on quickly and still reports its end.
  void Hide(const TipRecord& tip) override;

  AnimationPtr GetLastingBalloon() const { return m_lastingBalloon; }
  AnimationPtr GetSelfClosingBalloon() const { return m_selfClosingBalloon; }

 private:
  void ShowBalloon(const TipRecord& tip);
  // "HintScreen" over the level with the tip's layout. Without such a screen the tip closes
  // at once, so that its follow-up still shows and no tip stays pending.
  void OpenHintScreen(const TipRecord& tip);
  // The target of a window tip: the first order's bubble for the two-orders tip, else none.
  GF::TRect<float> HintTarget(const TipRecord& tip) const;
  void OnHintScreenClosed(GF::THolder<GF::IScreen> screen);
  // The balloon sprite of the tip, carrying its text.
  AnimationPtr CreateBalloon(const TipRecord& tip) const;
  // Stands the balloon 5 px above the cook, centred on her.
  void PlaceOverCook(const AnimationPtr& balloon) const;
  void HideLastingBalloon();
  void OnBalloonClosed(AnimationPtr balloon);

  CTextRecord m_balloonTemplate;
  GF::THolder<CGameFieldBase> m_field;
  GF::THolder<CPers> m_cook;
  AnimationPtr m_lastingBalloon;
  AnimationPtr m_selfClosingBalloon;
  // Self-closing balloons whose end is still to be reported, also those hidden early: their
  // delegates are removed when the strategy goes first.
  std::vector<AnimationPtr> m_pendingBalloons;
  // The open hint window, whose closed event calls back here until it is reported.
  GF::THolder<GF::IScreen> m_hintScreen;
};
