#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/THolder.h"
#include "game/app/TipRecord.h"
#include "game/kitchen/CHintStrategyBase.h"

// Chooses the tip for a game event and remembers the tip on screen. Each player's profile
// counts how often each tip was offered, so a tip with a maximum stops once seen enough.
class CInGameTips {
 public:
  // Every tip of m_triggerId and that flag still below its maximum, in file order; each of
  // them is counted for the current player.
  std::vector<TipRecord> ChooseTip(bool flag);
  // Shows one of the tips of m_triggerId, drawn at random. Callers set m_triggerId just
  // before; the delivery reminder (flag false) falls back to the general tips of id 0.
  void Trigger(bool flag);
  // Shows the tip, hiding the one shown before.
  void SetCurrentTip(const TipRecord& tip);
  // The strategy reports that the shown tip closed: its follow-up tip, if any, is shown.
  void OnTipClosed();
  // Installs a strategy, or removes it with an empty holder.
  void SetStrategy(GF::THolder<CHintStrategyBase> strategy);

  const TipRecord& GetCurrentTip() const { return m_currentTip; }
  CHintStrategyBase* GetStrategy() const { return m_strategy.Get(); }

  bool m_showing = false;  // a tip is on screen whose closing is still to be handled
  std::int32_t m_triggerId = 0;

 private:
  TipRecord m_currentTip;
  GF::THolder<CHintStrategyBase> m_strategy;
};

// The one tips object of the run.
extern CInGameTips InGameTips;
