#include "game/screens/menus/CHighScoreScreen.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/MenuRows.h"

namespace {

using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr std::int32_t kCompetitors = 8;
constexpr std::int32_t kPlayer = 6;
// Puts the player above a rival of the same whole-number total.
constexpr float kPlayerEdge = 0.1f;
constexpr int kRowsShown = 8;

constexpr MenuItemRow kItems[] = {{"back", "back"}};
constexpr ShortcutRow kKeys[] = {{ScreenKey::kEscape, "back"}};

// Highest first; a total that is not a number (a damaged save) ranks below every other.
bool RanksAbove(const CHighScoreScreen::ScoreEntry& a, const CHighScoreScreen::ScoreEntry& b) {
  if (std::isnan(a.total)) return false;
  return std::isnan(b.total) || a.total > b.total;
}

void PlaySound(const char* name) {
  if (const GF::THolder<GF::HGENS::IGameSound> sound = GF::HGENS::GetGameSound())
    sound->Play(name, 1, 0.0f, 0.0f, 0.0f);
}

}  // namespace

GF::THolder<GF::IScreen> CHighScoreScreen::Create() {
  return GF::MakeHolder<CHighScoreScreen>();
}

void CHighScoreScreen::OnInit() {
  CCurtainScreen::OnInit();
  AddMenuItems(*this, kItems);
  AddShortcuts(*this, kKeys);
  BuildStandings();
  const AnimationPtr table = GF::HGENS::FindRequiredPart(GetLayout(), "_text");
  if (!table) return;
  const int rows = std::min(kRowsShown, static_cast<int>(standings.size()));
  for (int r = 1; r <= rows; ++r) ShowRow(*table, r, standings[r - 1]);
}

void CHighScoreScreen::BuildStandings() {
  std::map<std::int32_t, float> totals;
  for (std::int32_t id = 0; id < kCompetitors; ++id) totals[id] = 0.0f;
  totals[kPlayer] = kPlayerEdge;
  for (const auto& [level, record] : CurrentProfile().LevelRecords)
    for (const auto& [id, points] : record.Scores) totals[id] += points;
  standings.clear();
  for (const auto& [id, total] : totals) standings.push_back({id, total});
  std::stable_sort(standings.begin(), standings.end(), RanksAbove);
}

void CHighScoreScreen::ShowRow(GF::IAnimation& table, int row, const ScoreEntry& entry) const {
  const std::string r = std::to_string(row);
  table.SetText("_text_" + r,
                GF::HGENS::GetResources()->GetText("pers_name_" + std::to_string(entry.id + 1)));
  table.SetNumber("_num_" + r, IntegerPart(entry.total));
  if (const ContainerPtr icon{table.FindDrawable("_icon_" + r)})
    icon->AddSubstitutedAnimation("interfaces.pers_" + std::to_string(entry.id));
}

void CHighScoreScreen::StartShow() {
  CCurtainScreen::StartShow();
  PlaySound("face_fadein");
}

void CHighScoreScreen::StartHide() {
  CCurtainScreen::StartHide();
  PlaySound("face_fadeout");
}
