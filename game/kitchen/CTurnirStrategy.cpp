#include "game/kitchen/CTurnirStrategy.h"

#include <algorithm>
#include <cstdlib>

#include "game/app/LevelsData.h"
#include "game/kitchen/CGameFieldBase.h"

namespace {

constexpr float kExtraTime = 30000.0f;  // ms the rivals play on after the level time

}  // namespace

float CTurnirStrategy::AverageOrderValue() const {
  float sum = 0.0f;
  int found = 0;
  for (const LevelOrderRecord& order : m_field->GetOrderRecords()) {
    const auto recipe = RecipeTable.find(order.RecipeKey);
    if (recipe == RecipeTable.end()) continue;
    sum += 0.5f * static_cast<float>(recipe->second.Items.size());
    ++found;
  }
  return found > 0 ? sum / static_cast<float>(found) + 8.0f : 0.0f;
}

void CTurnirStrategy::Setup(GF::THolder<CGameFieldBase> field) {
  m_field = std::move(field);
  m_rivals.clear();
  m_maxSteps = 0.0f;
  m_orderValue = 0.0f;
  m_stopped = false;
  const LevelDescription* level = m_field ? m_field->GetLevelDescription() : nullptr;
  if (!level || level->Rivals.empty()) return;
  m_orderValue = AverageOrderValue();
  CStandingsPanel& standings = m_field->GetStandings();
  standings.Insert(CStandingsPanel::kPlayerId, 0.0f);
  m_totalTime = level->LevelTime + kExtraTime;
  const int orderValue = static_cast<int>(m_orderValue);
  for (const LevelRival& entry : level->Rivals) {
    standings.Insert(entry.CompetitorId, 0.0f);
    // Without a known recipe there is no order value to count in: one step.
    const int steps =
        orderValue > 0 ? static_cast<int>((entry.TargetScore / orderValue + 1) * 2.5f) : 1;
    Rival rival{entry.CompetitorId, steps, entry.TargetScore, 0.0f, 0.0f};
    if (steps > 0)
      rival.timer = static_cast<float>(std::rand() % 90 + 50) * m_totalTime /
                    static_cast<float>(steps + 1) / 100.0f;
    m_rivals.push_back(rival);
    m_maxSteps = std::max(m_maxSteps, static_cast<float>(steps));
  }
}

void CTurnirStrategy::Update(const float& dt) {
  if (m_stopped || !m_field) return;
  const float remaining = m_totalTime - m_field->GetLevelTime();
  for (Rival& rival : m_rivals) {
    if (rival.stepsLeft <= 0) continue;
    rival.timer -= dt;
    if (rival.timer <= 0.0f) Step(rival, remaining);
  }
}

void CTurnirStrategy::Step(Rival& rival, float remaining) {
  // The draws go in this order: the share of the gap, the small extra, the next timer.
  const int share = std::rand() % 40 + 60;
  const int extra = std::rand() % 10;
  float gain =
      static_cast<float>(share) * (static_cast<float>(rival.target) - rival.score) / 100.0f +
      static_cast<float>(extra * rival.stepsLeft) / m_maxSteps;
  rival.stepsLeft -= 1;
  if (rival.stepsLeft > 0) gain /= static_cast<float>(rival.stepsLeft + 1);
  rival.score = std::min(rival.score + gain, static_cast<float>(rival.target));
  rival.timer = static_cast<float>(std::rand() % 20 + 80) * remaining /
                (static_cast<float>(rival.stepsLeft) + 0.2f) / 100.0f;
  m_field->GetStandings().SetScore(rival.id, rival.score);
}
