#include "game/kitchen/CInGameTips.h"

#include <cstdlib>
#include <utility>

#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "platform/Engine.h"

CInGameTips InGameTips;

std::vector<TipRecord> CInGameTips::ChooseTip(bool flag) {
  std::map<std::int32_t, std::int32_t>& counts = CurrentProfile().TipCounts;
  std::vector<TipRecord> candidates;
  for (std::size_t i = 0; i < TipRecords.size(); ++i) {
    const TipRecord& tip = TipRecords[i];
    if (tip.TriggerId != m_triggerId || tip.TriggerFlag != flag) continue;
    std::int32_t& count = counts[static_cast<std::int32_t>(i)];
    if (tip.MaxShows != -1 && count >= tip.MaxShows) continue;
    ++count;
    candidates.push_back(tip);
  }
  return candidates;
}

void CInGameTips::Trigger(bool flag) {
  // Between levels and on the bonus fields nothing can show a tip: nothing is counted.
  if (!m_strategy) return;
  std::vector<TipRecord> candidates = ChooseTip(flag);
  if (candidates.empty() && m_triggerId != 0 && !flag) {
    m_triggerId = 0;
    candidates = ChooseTip(false);
  }
  if (candidates.empty()) return;
  m_triggerId = 0;
  SetCurrentTip(candidates[static_cast<std::size_t>(std::rand()) % candidates.size()]);
}

void CInGameTips::SetCurrentTip(const TipRecord& tip) {
  // The strategy may release itself while it works; keep it for the call.
  GF::THolder<CHintStrategyBase> strategy = m_strategy;
  if (m_showing) {
    if (strategy) strategy->Hide(m_currentTip);
    m_showing = false;
  }
  m_currentTip = tip;
  m_showing = true;
  if (strategy) strategy->Show(m_currentTip);
}

void CInGameTips::OnTipClosed() {
  if (!m_showing) return;
  const std::int32_t next = m_currentTip.NextTip;
  if (next >= 0 && static_cast<std::size_t>(next) < TipRecords.size()) {
    SetCurrentTip(TipRecords[static_cast<std::size_t>(next)]);
  } else if (next != -1) {
    // A follow-up index comes from the data file: one outside the list ends the chain.
    Engine* engine = hgeCreate(ENGINE_VERSION);
    engine->Log("[E] TIP %s: NO FOLLOW-UP TIP %d", m_currentTip.Name.c_str(), next);
    engine->Release();
  }
  m_showing = false;
}

void CInGameTips::SetStrategy(GF::THolder<CHintStrategyBase> strategy) {
  m_strategy = std::move(strategy);
}
