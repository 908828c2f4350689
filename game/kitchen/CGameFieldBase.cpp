#include "game/kitchen/CGameFieldBase.h"

#include <algorithm>
#include <cstdlib>
#include <numbers>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CCookDecreaseBonus.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CLightNextIngrBonus.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CQualityBonus.h"
#include "game/kitchen/CRandomBonus.h"
#include "game/kitchen/CStopTimerBonus.h"
#include "game/kitchen/CTimeFreazeBonus.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/CWaitButtonAction.h"
#include "game/kitchen/CZacaz.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/kitchen/ScreenSize.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = CGameFieldBase::AnimationPtr;

constexpr std::int32_t kBonusSound = 25;
constexpr std::int32_t kDeliveryTip = 6;  // the tips' event: the delivery button was pressed
constexpr std::int32_t kServedTip = 1;    // the tips' event: an order was served
constexpr std::int32_t kBonusLevelSound = 27;
constexpr int kHiderLayer = 2030;
constexpr int kBonusBannerLayer = 15000;
constexpr float kHintBoxDelay = 100.0f;  // ms before a hint box shows
constexpr std::size_t kBalloonLineLength = 12;
constexpr std::int32_t kClockTickSound = 9;
constexpr std::int32_t kGoSound = 12;
constexpr float kClockTickInterval = 1000.0f;  // ms

void Log(const char* format, const char* text) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log(format, text);
  engine->Release();
}

AnimationPtr CreateInLevelLayer(const std::string& name) {
  const GF::THolder<GF::IScene> scene = GetLevelInterfaceLayer();
  return scene ? scene->CreateAnimation(name) : AnimationPtr();
}

}  // namespace

CGameFieldBase::CGameFieldBase() = default;

CGameFieldBase::~CGameFieldBase() {
  ReleaseDeliveryButton();
}

void CGameFieldBase::AddScore(float points) {
  m_score += points;
  m_standings.SetScore(CStandingsPanel::kPlayerId, m_score);
  CurrentProfile().Floats[ProfileFloat::LevelPoints] = m_score;
}

void CGameFieldBase::Shutdown() {
  StopAll();
  m_turnir.Clear();
}

bool CGameFieldBase::LoadLevel(const std::string& levelKey) {
  Reset();
  const auto found = LevelTable.find(levelKey);
  if (found == LevelTable.end()) {
    Log("[E] LEVEL %s NOT FOUND", levelKey.c_str());
    return false;
  }
  m_levelDesc = &found->second;
  m_levelKey = levelKey;
  if (m_levelDesc->LevelTime == 0.0f && m_clockPanel) m_clockPanel->SetVisible(false);
  if (m_levelDesc->BonusLevel) {
    m_hider = CreateInLevelLayer(m_levelDesc->LevelType() == "bonus_diference" ? "bonus.hider_2"
                                                                               : "bonus.hider");
    if (m_hider) m_hider->SetLayer(kHiderLayer);
  }
  return true;
}

void CGameFieldBase::SetupPlates(AnimationPtr layout) {
  m_plate = GF::HGENS::FindRequiredPart(layout, "_plate");
  if (m_plate) {
    m_plate->Play("_hide", 0, false);
    m_plate->Pause();
    layout->Update(0.0f);
    if (m_itemDelivery) {
      m_itemDelivery->SetPosition(m_plate->GetPosition());
      m_itemDelivery->SetLayer(m_plate->GetLayer() + 10);
      ReleaseDeliveryButton();
      m_deliveryButton = CDeliveryButton::Create(m_itemDelivery, false);
      m_deliveryButton->SetEnabled(false);
      // Nothing else connects the button to the field.
      m_deliveryButton->clickEvent.Subscribe(
          GF::MakeDelegate(this, &CGameFieldBase::OnDeliveryClicked));
      m_itemDelivery->Pause();
    }
  }
  m_ring = GF::HGENS::FindRequiredPart(layout, "_ring");
  SetWallClockState(m_wallClock, layout);
  StartLevel();
}

void CGameFieldBase::SetPause(bool paused) {
  Notify(paused);
}

void CGameFieldBase::Update(const float& dt) {
  // A level the data lacks ends before it starts, without a place.
  if (!m_levelDesc) {
    m_finished = true;
    return;
  }
  UpdateFlyObjects(*this, dt);
  CActionWorker::Update(dt);
  UpdateHover(dt);
  m_bonusRow.Update(dt);
  UpdateWallClock(m_wallClock, dt);
  m_standings.Update(dt);
  if (m_deliveryButton) m_deliveryButton->Update(dt);
  UpdateHider();
}

void CGameFieldBase::UpdateHover(const float& dt) {
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  const GF::TPoint<float> at{mouse->fx, mouse->fy};
  if (at.x == m_hoverX && at.y == m_hoverY) {
    m_hoverTime += dt;
    if (m_hoverTime > static_cast<float>(HoverDelay) && !m_hoverShown) {
      m_hoverShown = true;
      OnHoverStart(at);
    }
    return;
  }
  if (m_hoverShown) {
    m_hoverShown = false;
    OnHoverEnd(at);
  }
  m_hoverTime = 0.0f;
  m_hoverX = at.x;
  m_hoverY = at.y;
}

void CGameFieldBase::UpdateHider() {
  if (!m_hider) return;
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  m_hider->SetPosition(std::clamp(static_cast<float>(mouse->x), 0.0f, kScreenWidth),
                       std::clamp(static_cast<float>(mouse->y), 0.0f, kScreenHeight));
}

void CGameFieldBase::BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) {
  m_profile = &CurrentProfile();
  m_hudRoot = hudRoot;
  m_deliveryBar = GF::HGENS::FindRequiredPart(hudRoot, "_delivery_progres");
  if (m_deliveryBar) {
    // The kitchen fills the bar by setting its time between 0 and the part's length, so
    // the bar's "_idle" starts at time 0.
    m_deliveryBar->Play("_idle", 0, false);
    m_deliveryBarLength = m_deliveryBar->GetEndTime() - m_deliveryBar->GetStartTime();
    m_deliveryBar->SetTime(0.0f);
  }
  m_hintButton = screen ? screen->GetControl("hint") : nullptr;
  if (m_hintButton) m_hintButton->SetEnabled(false);
  m_clockPanel = GF::HGENS::FindRequiredPart(hudRoot, "_flip");
  const AnimationPtr clock = GF::HGENS::FindRequiredPart(m_clockPanel, "_clock");
  m_clockSecond = GF::HGENS::FindRequiredPart(clock, "_second");
  m_clockSegment = GF::HGENS::FindRequiredPart(clock, "_segment");
  m_standings.Init(GetLevelInterfaceLayer());
  m_itemDelivery = CreateInLevelLayer("interfaces.item_delivery");
  if (m_itemDelivery) m_itemDelivery->Play("_disabled", 0, false);
  m_screen = screen;
}

void CGameFieldBase::OnKeyDown(int) {}

void CGameFieldBase::OnKeyUp(int) {}

void CGameFieldBase::UpdateEffectsOnly(const float& dt) {
  UpdateFlyObjects(*this, dt);
  CActionWorker::Update(dt);
  UpdateWallClock(m_wallClock, dt);
}

void CGameFieldBase::UseHint() {}

void CGameFieldBase::OnDelivery() {
  InGameTips.m_triggerId = kDeliveryTip;
  InGameTips.Trigger(true);
}

void CGameFieldBase::UpdateResult() {}

void CGameFieldBase::EndLevel() {
  m_finished = true;
}

void CGameFieldBase::StartLevel() {}

void CGameFieldBase::OnOrderExpired(RecipeRecord) {}

void CGameFieldBase::OnOrderServed(GF::THolder<CZacaz>) {
  InGameTips.m_triggerId = kServedTip;
  InGameTips.Trigger(true);
}

bool CGameFieldBase::AddOrder(int) {
  return false;
}

namespace {

template <class Bonus>
CActionBase::Holder MakeBonus(GF::IAnimation::AnimationPtr icon, const BonusDescription& record,
                              CGameFieldBase& field) {
  return Bonus::Create(GF::THolder<CGameFieldBase>(&field), record, std::move(icon));
}

}  // namespace

CGameFieldBase::BonusMaker CGameFieldBase::bonusMakers[kBonusKinds] = {
    &MakeBonus<CTimeFreazeBonus>, &MakeBonus<CCookDecreaseBonus>,  &MakeBonus<CStopTimerBonus>,
    &MakeBonus<CQualityBonus>,    &MakeBonus<CLightNextIngrBonus>, &MakeBonus<CRandomBonus>,
};

void CGameFieldBase::CreateBonus(const BonusDescription& record, AnimationPtr icon,
                                 GF::THolder<CZacaz>) {
  const bool known = record.Kind >= 0 && record.Kind < kBonusKinds;
  const BonusMaker maker = known ? bonusMakers[record.Kind] : nullptr;
  const CActionBase::Holder bonus = maker ? maker(icon, record, *this) : nullptr;
  if (!bonus) return;
  if (icon) {
    icon->Play("_show", 0, false);
    icon->Pause();
    m_bonusRow.Add(icon);
  }
  PlaySoundById(kBonusSound);
  Run(bonus);
}

const CGameFieldBase::CookObjects& CGameFieldBase::GetCookObjects() const {
  static const CookObjects kNone;
  return kNone;
}

CReceptPanel* CGameFieldBase::GetReceptPanel() {
  return nullptr;
}

GF::THolder<CPers> CGameFieldBase::GetPers() const {
  return {};
}

void CGameFieldBase::AddNextCustomer() {}

void CGameFieldBase::Reset() {
  m_levelTime = 0.0f;
  m_freezeTime = 0.0f;
  m_score = 0.0f;
  m_bonusEntryCounter = 0;
  m_bonusCounter = 0;
  m_finished = false;
  LandAllFlyObjects(*this);
  StopAll();
  if (m_clockPanel) m_clockPanel->SetVisible(false);
  if (m_clockSegment) m_clockSegment->Play("_idle", 0, false);
  m_levelKey.clear();
  m_standings.Clear();
  m_orderRecords.clear();
  ResetLevelTuning(Tuning);
  PlayerProfile& profile = CurrentProfile();
  profile.Floats[ProfileFloat::CurrentPlace] = 0.0f;
  profile.Floats[ProfileFloat::LevelPoints] = 0.0f;
  profile.Floats[ProfileFloat::OrdersServed] = 0.0f;
  m_lastPlace = 0;
}

void CGameFieldBase::OnHoverStart(const GF::TPoint<float>&) {}

void CGameFieldBase::OnHoverEnd(const GF::TPoint<float>&) {}

const LevelBonusEntry* CGameFieldBase::GetNextBonusEntry() {
  if (!m_levelDesc || m_levelDesc->BonusEntries.empty()) return nullptr;
  const std::vector<LevelBonusEntry>& entries = m_levelDesc->BonusEntries;
  const auto count = static_cast<int>(entries.size());
  int index = 0;
  if (m_levelDesc->RandomBonuses) {
    index = std::rand() % count;
  } else {
    ++m_bonusEntryCounter;
    index = (m_bonusEntryCounter - 1) % count;
  }
  return &entries[static_cast<std::size_t>(index)];
}

void CGameFieldBase::ShowManual() {
  m_introDone = true;
  if (m_screen) m_screen->GoTo("show_manual", GF::IScreen::kUsualFlags);
}

GF::THolder<CCookObject> CGameFieldBase::FindObject(const std::string&, bool) {
  return {};
}

GF::THolder<CCookObject> CGameFieldBase::FindNextNeededObject(bool) {
  return {};
}

void CGameFieldBase::AddDelayedObject(GF::THolder<CCookObject>) {}

void CGameFieldBase::OnIngredientLanded(GF::THolder<CFlyObject> flight) {
  // A plate that plays on is left alone; a held one (or one whose part ran out) works.
  if (m_plate && m_plate->IsStopped()) m_plate->Play("_work", 0, false);
  if (flight) flight->ClearTargets(true);
}

void CGameFieldBase::ShowBonusBanner() {
  PlaySoundById(kBonusLevelSound);
  const std::string music = GetCurrentMusicName();
  StopMusic();
  const AnimationPtr banner = CreateInLevelLayer("main_menu.bonus_text");
  if (banner) {
    banner->SetLayer(kBonusBannerLayer);
    banner->SetPosition(400.0f, 300.0f);
  }
  Append(MakeAnimationWaitAction(banner, "all", 1, true));
  Append(MakePlaySoundAction(music, false));
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CGameFieldBase::ShowManual)));
}

void CGameFieldBase::ShowHintText(const std::wstring& text, float x, float y) {
  const AnimationPtr box = CreateInLevelLayer("hints.hint_text");
  if (box) {
    box->SetText("_text", text);
    box->SetVisible(false);
    box->SetPosition(x, y);
    box->SetLayer(HudLayerBase);
  }
  // The box fades in and its button waits from the same moment, both behind the pause.
  Append(MakeWaitAction(kHintBoxDelay))->AddNext(MakeAnimationWaitAction(box, "_show", 1, false));
  Append(MakeWaitButtonAction("_item_back", box));
  Append(MakeAnimationWaitAction(box, "_hide", 1, true));
}

float CGameFieldBase::UpdateBonusLevelClock(const float& dt, bool& blinking, float& tickTimer) {
  const float limit = m_levelDesc ? m_levelDesc->LevelTime : 0.0f;
  if (limit == 0.0f) return 0.0f;
  m_levelTime += dt * GameSpeedFactor;
  const float t = std::min(m_levelTime / limit, 1.0f);
  ShowLevelClock(t, dt, GameSpeedFactor == 1.0f, blinking, tickTimer);
  return t;
}

void CGameFieldBase::ShowLevelClock(float t, const float& dt, bool tick, bool& blinking,
                                    float& tickTimer) {
  const bool lastQuarter = t > 0.75f && t < 1.0f;
  // The segment's play has ended (a play kept in its scene never reads finished).
  if (m_clockSegment && m_clockSegment->IsStopped() && lastQuarter) {
    m_clockSegment->Play("_blink", 0, false);
    blinking = true;
  }
  if (blinking) {
    tickTimer -= dt;
    if (tickTimer <= 0.0f && t > 0.95f && t < 1.0f && tick) {
      PlaySoundById(kClockTickSound);
      tickTimer = kClockTickInterval;
    }
  }
  if (m_clockSecond) m_clockSecond->SetAngle(2.0f * std::numbers::pi_v<float> * t);
}

void CGameFieldBase::UpdateBonusClosing() {
  if (GetTail()) return;
  SetPause(true);
  m_finished = true;
}

void CGameFieldBase::AppendCountDown(GF::TPoint<float> at) {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  const AnimationPtr countDown = layer ? layer->CreateAnimation("main_menu.level_start") : nullptr;
  if (countDown) {
    countDown->SetPosition(at);
    countDown->SetLayer(HudLayerBase);
  }
  const char* parts[][2] = {
      {"3", "_part_1"}, {"2", "_part_2"}, {"1", "_part_3"}, {"go", "_part_4"}};
  for (const auto& [sound, part] : parts) {
    Append(MakePlaySoundAction(sound, true));
    Append(MakeAnimationWaitAction(countDown, part, 1, false));
  }
  Append(MakePlaySoundActionById(kGoSound));
}

void CGameFieldBase::ShowBonusParticles(float x, float y) {
  const GF::THolder<GF::HGENS::CFGParticle> particle =
      GF::HGENS::CFGParticle::Create("Particle\\bonus_place_in_1.fgp", "particles_2", 3.2f, true);
  particle->SetScene(GetLevelInterfaceLayer());
  particle->SetPosition(x, y);
  particle->SetLayer((m_deliveryBar ? m_deliveryBar->GetLayer() : HudLayerBase) + 10);
}

void CGameFieldBase::LogBonusResult() const {
  PlayerProfile& profile = CurrentProfile();
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("BONUS %s END result %d count %d", m_levelKey.c_str(),
              static_cast<int>(profile.Floats[ProfileFloat::CurrentPlace]),
              static_cast<int>(profile.Floats[ProfileFloat::BonusResult]));
  engine->Release();
}

void CGameFieldBase::OnDeliveryClicked(GF::THolder<GF::HGENS::CBaseControl>, const GF::TPoint<int>&,
                                       int) {
  OnDelivery();
}

void CGameFieldBase::ReleaseDeliveryButton() {
  if (!m_deliveryButton) return;
  m_deliveryButton->clickEvent.RemoveDelegate(
      GF::MakeDelegate(this, &CGameFieldBase::OnDeliveryClicked));
  m_deliveryButton.Reset();
}

void ShowSpeechBalloon(const std::wstring& text, const GF::TPoint<float>& position,
                       CGameFieldBase& field) {
  AnimationPtr& balloon = field.Balloon();
  if (balloon) {
    balloon->Play("_hide", 1, true);
    balloon.Reset();
  }
  if (text.empty()) return;
  const char* name = position.x > 540.0f   ? "interfaces.balon_3"
                     : position.y > 100.0f ? "interfaces.balon"
                                           : "interfaces.balon_2";
  balloon = CreateInLevelLayer(name);
  if (!balloon) return;
  balloon->SetLayer(SpeechBalloonLayer);
  balloon->SetPosition(position);
  balloon->Play("_show", 0, false);
  std::wstring shown = text;
  if (shown.size() > kBalloonLineLength) {
    // The last word goes to a second line (the text sprites' line break is "\n" as text).
    const std::size_t blank = shown.rfind(L' ');
    if (blank != std::wstring::npos && blank + 1 != shown.size()) shown.replace(blank, 1, L"\\n");
  }
  balloon->SetText("_text", shown);
}

void ShowLevelCompleteBanner(CGameFieldBase& field, int n) {
  const AnimationPtr banner = CreateInLevelLayer("interfaces.level_complete_" + std::to_string(n));
  if (banner) {
    banner->SetPosition(400.0f, 300.0f);
    banner->SetLayer(HudLayerBase);
  }
  if (n == 4) field.Append(MakePlaySoundAction("oops", true));
  field.Append(MakeAnimationWaitAction(banner, "all", 1, true));
}
