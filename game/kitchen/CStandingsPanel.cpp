#include "game/kitchen/CStandingsPanel.h"

#include <algorithm>
#include <cmath>

#include "game/app/GameData.h"

namespace {

constexpr int kRibbonLayer = 10;    // over HudLayerBase
constexpr int kPortraitLayer = 30;  // over HudLayerBase
constexpr int kRibbonLooks = 4;

int Truncated(float score) {
  return static_cast<int>(std::trunc(score));
}

}  // namespace

CStandingsPanel::~CStandingsPanel() {
  Clear();
}

void CStandingsPanel::Init(GF::THolder<GF::IScene> scene) {
  m_scene = std::move(scene);
}

int CStandingsPanel::InsertionIndex(float score) const {
  const auto after = std::find_if(m_competitors.begin(), m_competitors.end(),
                                  [score](const Competitor& c) { return c.score > score; });
  return static_cast<int>(after - m_competitors.begin());
}

void CStandingsPanel::Insert(int id, float score) {
  Competitor competitor{id, score, {}};
  if (m_scene)
    competitor.portrait = m_scene->CreateAnimation("interfaces.pers_" + std::to_string(id));
  if (competitor.portrait) competitor.portrait->SetLayer(HudLayerBase + kPortraitLayer);
  const int j = InsertionIndex(score);
  m_competitors.insert(m_competitors.begin() + j, std::move(competitor));
  m_routine = &CStandingsPanel::UpdateArrange;
  m_elapsed = StandingsInterval;
  AddRibbon(score);
  if (id == kPlayerId) m_playerIndex = j;
}

void CStandingsPanel::AddRibbon(float score) {
  const int look = std::min(static_cast<int>(m_ribbons.size()) + 1, kRibbonLooks);
  AnimationPtr ribbon;
  if (m_scene) ribbon = m_scene->CreateAnimation("interfaces.ribbon_" + std::to_string(look));
  if (ribbon) {
    ribbon->SetNumber("_score", Truncated(score));
    ribbon->SetText("_place", L" ");
    ribbon->SetLayer(HudLayerBase + kRibbonLayer);
  }
  m_ribbons.push_back(ribbon);
}

void CStandingsPanel::SetScore(int id, float score) {
  const auto found = std::find_if(m_competitors.begin(), m_competitors.end(),
                                  [id](const Competitor& c) { return c.id == id; });
  if (found == m_competitors.end()) return;
  const int i = static_cast<int>(found - m_competitors.begin());
  Competitor competitor = std::move(*found);
  competitor.score = score;
  m_competitors.erase(found);
  m_competitors.insert(m_competitors.begin() + InsertionIndex(score), std::move(competitor));
  m_elapsed = 0.0f;
  m_movingIndex = i;
  m_routine = &CStandingsPanel::UpdateArrange;
  RefreshRibbons();
}

void CStandingsPanel::RefreshRibbons() {
  const int n = GetCount();
  for (int j = 0; j < n; ++j) {
    const Competitor& competitor = m_competitors[static_cast<std::size_t>(j)];
    const AnimationPtr& ribbon = RibbonOf(j);
    if (ribbon) ribbon->SetNumber("_score", Truncated(competitor.score));
    if (competitor.score != 0.0f) {
      if (ribbon) ribbon->SetText("_place", std::to_wstring(n - j));
      // A competitor below that has not scored yet shows its place once someone passes it.
      if (j > 0 && RibbonOf(j - 1)) RibbonOf(j - 1)->SetText("_place", std::to_wstring(n - j + 1));
    }
    if (competitor.id != kPlayerId || j == m_playerIndex) continue;
    if (const AnimationPtr& old = RibbonOf(m_playerIndex)) old->Play("_idle", 0, false);
    m_playerIndex = j;
    if (ribbon) ribbon->Play("_select", 0, false);
  }
}

void CStandingsPanel::HoldPlayerRibbon() {
  if (m_playerIndex < 0 || m_playerIndex >= GetCount()) return;
  const AnimationPtr& ribbon = RibbonOf(m_playerIndex);
  if (!ribbon) return;
  ribbon->Play("_select", 0, false);
  ribbon->Pause();
  ribbon->Update(0.0f);
}

void CStandingsPanel::UpdateArrange(const float& dt) {
  if (m_competitors.empty()) return;
  m_elapsed += dt;
  if (m_elapsed >= StandingsInterval) {
    if (m_movingIndex == -1) HoldPlayerRibbon();
    m_elapsed = StandingsInterval;
    m_routine = &CStandingsPanel::Idle;
  }
  const bool landing = m_elapsed == StandingsInterval;
  const float k = landing ? 1.0f : std::min(dt / (StandingsInterval - m_elapsed), 1.0f);
  const int n = GetCount();
  GF::TPoint<float> cursor{StandingsCenterX - static_cast<float>(n) * StandingsStep * 0.5f,
                           StandingsY};
  for (int j = 0; j < n; ++j, cursor.x += StandingsStep) {
    if (j == m_movingIndex && landing) m_movingIndex = -1;
    const AnimationPtr& ribbon = RibbonOf(j);
    const AnimationPtr& portrait = m_competitors[static_cast<std::size_t>(j)].portrait;
    if (!ribbon) continue;
    ribbon->SetPosition(cursor);
    ribbon->Update(0.0f);
    const GF::IAnimation::ParentPtr place(ribbon->FindDrawable("_pers_place"));
    if (!place || !portrait) continue;
    const GF::TPoint<float> target{place->GetProperties().x, place->GetProperties().y};
    const GF::TPoint<float> at = portrait->GetPosition();
    portrait->SetPosition(at.x + k * (target.x - at.x), at.y + k * (target.y - at.y));
  }
}

float CStandingsPanel::GetScore(int id) const {
  for (const Competitor& competitor : m_competitors)
    if (competitor.id == id) return competitor.score;
  return 0.0f;
}

int CStandingsPanel::GetPlayerPlace() const {
  const int n = GetCount();
  for (int j = 0; j < n; ++j)
    if (m_competitors[static_cast<std::size_t>(j)].id == kPlayerId) return n - j;
  return n;
}

CStandingsPanel::AnimationPtr CStandingsPanel::GetPortrait(int id) const {
  for (const Competitor& competitor : m_competitors)
    if (competitor.id == id) return competitor.portrait;
  return {};
}

CStandingsPanel::AnimationPtr CStandingsPanel::GetRibbon(int place) const {
  if (place < 1 || place > static_cast<int>(m_ribbons.size())) return {};
  return m_ribbons[static_cast<std::size_t>(place - 1)];
}

void CStandingsPanel::Clear() {
  for (Competitor& competitor : m_competitors)
    if (competitor.portrait) competitor.portrait->RemoveFromParent();
  for (AnimationPtr& ribbon : m_ribbons)
    if (ribbon) ribbon->RemoveFromParent();
  m_ribbons.clear();
  m_competitors.clear();
}
