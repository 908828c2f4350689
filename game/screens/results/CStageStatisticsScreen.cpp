#include "game/screens/results/CStageStatisticsScreen.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/screens/CBaseControl.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/screens/MenuRows.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr int kFinalStage = 6;  // two cup places instead of three
constexpr int kFirstRibbonIndex = 3;
constexpr int kStageCompleteSound = 28;
constexpr const char* kStageCompleteName = "Stage_complete";
constexpr float kMusicDelay = 9000.0f;  // ms after the show starts
constexpr float kPlayerStartPoints = 0.1f;
constexpr const char* kRibbon = "main_menu.ribbon_5";

// The stage the pictures are of: profile float 1 less one.
int PictureStage() {
  const int stage = IntegerPart(CurrentProfile().Floats[ProfileFloat::StageNumber]);
  return stage == std::numeric_limits<int>::min() ? stage : stage - 1;
}

// The cup places: two in the final stage.
int CupPlaces(int stage) {
  return stage == kFinalStage ? 2 : 3;
}

std::wstring PointsText(const StageStanding& standing) {
  return std::to_wstring(IntegerPart(standing.Total));
}

class CStageStatisticsScreen final : public CResultScreen {
 public:
  void Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
            const char* parameter) override {
    const bool final = GetStageNumber(CurrentProfile().StageKey) == kFinalStage;
    CResultScreen::Init(final ? layout + "_2" : layout, scene, parameter);
  }

 protected:
  void OnInit() override {
    CResultScreen::OnInit();
    const AnimationPtr layout = GetLayout();
    PlayerProfile& profile = CurrentProfile();
    const int stage = GetStageNumber(profile.StageKey);
    m_standings = BuildStandings(profile.StageKey);
    float& dropped = profile.Floats[ProfileFloat::DroppedOutCompetitor];
    dropped = DroppedOutCompetitor(m_standings, stage, dropped);
    if (layout) {
      layout->SetLayer(ScreenLayerBase);
      FillStandings(layout, PictureStage());
      for (int i = 0; i < CupPlaces(stage); ++i)
        layout->SetText("_points_" + std::to_string(i + 1), PointsText(m_standings[i]));
    }
    AddMenuItem("continue", "next", false, kUsualFlags);
    if (const GF::THolder<GF::HGENS::CBaseControl> next = GetControl("continue"))
      next->SetEnabled(false);
  }

  void StartShow() override {
    CResultScreen::StartShow();
    StopMusic();
    PlaySoundById(kStageCompleteSound);
    Append(MakeWaitAction(kMusicDelay));
    Append(MakePlaySoundAction("music_game_menu", false));
  }

  // The player's cup rises with sparkles and its sound, then "continue" shows and is
  // enabled; without a cup only "continue" shows, so the screen can always be left.
  void OnShown() override {
    CResultScreen::OnShown();
    const GF::THolder<GF::HGENS::CButtonControl> next = FindButton(*this, "continue");
    const AnimationPtr button = next ? next->GetAnimation() : AnimationPtr();
    Holder shown = MakeAnimationWaitAction(button, "_show", 0, false);
    if (m_playerCup) {
      Run(MakeAnimationWaitAction(m_playerCup, "_show", 0, false))->AddNext(shown);
      ShowCupSparkles();
      PlaySoundByName("level_place");
    } else {
      Run(shown);
    }
    shown->AddNext(
        MakeExecuteAction(GF::MakeDelegate(this, &CStageStatisticsScreen::EnableContinue)));
  }

  void OnDeactivate() override {
    StopSoundByName(kStageCompleteName);
    CResultScreen::OnDeactivate();
  }

 private:
  void FillStandings(const AnimationPtr& layout, int k) {
    const int places = CupPlaces(k);
    for (int i = 0; i < places; ++i) {
      const std::string figure = "interfaces.pers_big_" + Id(i);
      if (const AnimationPtr made = GetScene()->CreateAnimation(figure)) {
        made->Play("all", 0, false);
        AttachToPart(made, layout, "_place_" + std::to_string(i + 1));
      }
    }
    ShowRibbons(layout, k);
    SubstitutePart(layout, "place_country", "main_menu.country_" + std::to_string(k));
    for (int i = 0; i < places; ++i) FillCup(layout, i, k);
  }

  // The places after the cups, lowest first, left to right under "_place_4".
  void ShowRibbons(const AnimationPtr& layout, int k) {
    const RibbonRow row = LayRibbonRow(k, MeasureRibbon(), RibbonGap);
    float x = static_cast<float>(row.x);
    for (int i = row.first; i > row.first - row.count; --i) {
      const AnimationPtr ribbon = GetScene()->CreateAnimation(kRibbon);
      if (!ribbon) return;
      ribbon->Play("all", 0, false);
      ribbon->SetText("_place", std::to_wstring(i + 1));
      ribbon->SetText("_points", PointsText(m_standings[i]));
      SubstitutePart(ribbon, "_pers_place", "interfaces.pers_" + Id(i));
      ribbon->SetX(x);
      AttachToPart(ribbon, layout, "_place_4");
      x += static_cast<float>(row.step);
    }
  }

  // The width of a ribbon; the measuring one leaves the scene again.
  int MeasureRibbon() {
    const AnimationPtr ribbon = GetScene()->CreateAnimation(kRibbon);
    if (!ribbon) return 0;
    ribbon->Update(0.0f);
    GF::TRect<int> rect;
    ribbon->GetBoundingRect(rect);
    ribbon->Detach();
    return rect.right - rect.left;
  }

  // The cup of place i + 1 in its holder; the player's starts hidden, with its light.
  void FillCup(const AnimationPtr& layout, int i, int k) {
    const std::string place = std::to_string(i + 1);
    const AnimationPtr holder = GF::HGENS::FindRequiredPart(layout, "cup_" + place);
    if (!holder) return;
    SubstitutePart(holder, "_cup_place", "main_menu.cup_" + place + "_" + std::to_string(k));
    if (m_standings[i].CompetitorId == PlayerCompetitorId) {
      m_playerCup = holder;
      holder->Play("_hide", 0, false);
      SubstitutePart(holder, "_light_place", "main_menu.cup_light_1");
    }
    holder->SkipToEnd();
  }

  // Sparkles one layer under the player's cup; the particle registry keeps them while they
  // live.
  void ShowCupSparkles() {
    const GF::THolder<GF::HGENS::CFGParticle> sparkles =
        GF::HGENS::CFGParticle::Create("Particle\\show_cup_1.fgp", "particles_2", 1.0f, true);
    sparkles->SetScene(GetScene());
    sparkles->SetLayer(m_playerCup->GetLayer() - 1);
    const GF::TPoint<float> at = m_playerCup->GetPosition();
    sparkles->SetPosition(at.x, at.y);
  }

  void EnableContinue() {
    const GF::THolder<GF::HGENS::CBaseControl> next = GetControl("continue");
    if (next && !next->IsEnabled()) next->SetEnabled(true);
  }

  std::string Id(int index) const { return std::to_string(m_standings[index].CompetitorId); }

  std::vector<StageStanding> m_standings;
  AnimationPtr m_playerCup;
};

}  // namespace

GF::THolder<GF::IScreen> CreateStageStatisticsScreen() {
  return GF::MakeHolder<CStageStatisticsScreen>();
}

std::vector<StageStanding> BuildStandings(const std::string& stageKey) {
  std::vector<StageStanding> standings;
  for (std::int32_t id = 0; id < CompetitorCount; ++id)
    standings.push_back({id, id == PlayerCompetitorId ? kPlayerStartPoints : 0.0f});
  for (const auto& [id, points] : StageTotals(stageKey))
    if (id >= 0 && id < CompetitorCount) standings[id].Total += points;
  RankStandings(standings);
  return standings;
}

float DroppedOutCompetitor(const std::vector<StageStanding>& standings, int stage, float current) {
  if (stage > CompetitorCount || stage < 1) return current;
  const std::size_t index = static_cast<std::size_t>(CompetitorCount - stage);
  return index < standings.size() ? static_cast<float>(standings[index].CompetitorId) : current;
}

RibbonRow LayRibbonRow(int k, int width, float gap) {
  RibbonRow row;
  row.first = k < 1 ? CompetitorCount - 1 : std::min(CompetitorCount - k, CompetitorCount - 1);
  row.count = std::max(0, row.first - kFirstRibbonIndex + 1);
  row.step = IntegerPart(static_cast<float>(width) + gap);
  const std::int64_t half = static_cast<std::int64_t>(row.count) * row.step / 2;
  row.x = IntegerPart(gap + static_cast<float>(width / 2) - static_cast<float>(half));
  return row;
}
