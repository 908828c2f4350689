#include "game/screens/map/CLevelMapStrategy.h"

#include <cmath>
#include <numbers>

#include "framework/core/CObjectProperties.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/MotionSetters.h"

namespace {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2.0f;
constexpr float kHoverDelay = 250.0f;  // ms of rest before the tooltip
constexpr float kReplayDelay = 200.0f;
constexpr float kFlightTime = 250.0f;
constexpr float kFlightRadius = 105.0f;
constexpr int kLeftButton = 18;  // key index of the left mouse button
constexpr std::int32_t kHoverSound = 3;
constexpr std::int32_t kNewRibbonSound = 19;
constexpr int kTooltipLayer = 5000;
constexpr int kParticleBelowRibbon = 5;

GF::TPoint<float> Centre(const GF::TRect<int>& rect) {
  return {static_cast<float>((rect.left + rect.right) / 2),
          static_cast<float>((rect.top + rect.bottom) / 2)};
}

bool Contains(const GF::TRect<int>& rect, int x, int y) {
  return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

GF::THolder<GF::IScene> TopScene() {
  const GF::THolder<GF::IScreen> top = GF::HGENS::GetGameManager()->TopScreen();
  return top ? top->GetScene() : GF::THolder<GF::IScene>();
}

void Play(const GF::IAnimation::AnimationPtr& animation, const char* part) {
  if (animation) animation->Play(part, 0, false);
}

}  // namespace

GF::THolder<CLevelMapStrategy> CLevelMapStrategy::Create() {
  return GF::THolder<CLevelMapStrategy>(new CLevelMapStrategy());
}

void CLevelMapStrategy::AddLevel(const GF::IAnimation::AnimationPtr& ribbon, const std::string& key,
                                 bool isNew) {
  if (!ribbon) return;
  ribbon->Update(0.0f);
  LevelRibbon& entry = m_ribbons[key];
  entry = LevelRibbon{key, ribbon, {}, false, isNew, 0.0f};
  if (isNew) {
    m_current = &entry;
    Play(ribbon, "_hide");
  } else {
    const bool ownStage = FindLevel(key).StageKey == CurrentProfile().StageKey;
    Play(ribbon, ownStage ? "_show" : "_hide");
  }
  ribbon->Rewind();
}

void CLevelMapStrategy::Layout(float ry, float rx, float step, float refX, float refY) {
  const float first = kHalfPi + (static_cast<float>(m_ribbons.size()) - 1.0f) * step / 2.0f;
  GF::TPoint<float> reference{refX, refY};
  int i = 0;
  for (auto& [key, entry] : m_ribbons) {
    UpdateRibbonRect(entry);
    if (i == 0 && refX == 0.0f && refY == 0.0f) reference = Centre(entry.rect);
    entry.angle = first - static_cast<float>(i++) * step;
    entry.ribbon->Update(0.0f);
    entry.ribbon->SetPosition(reference.x + std::cos(entry.angle) * rx,
                              reference.y + std::sin(entry.angle) * ry);
    UpdateRibbonRect(entry);
  }
  KeepFlightCentre(reference);
}

void CLevelMapStrategy::SetRibbonsHidden(bool hidden) {
  for (auto& [key, entry] : m_ribbons) {
    if (!hidden) FlyRibbon(entry);
    Play(entry.ribbon, hidden ? "_hide" : "_show");
  }
  // Once per fly-in: a delegate left from an earlier call would end a later wait early.
  CFlyObjectWorker::AllLandedEvent& landed = GetAllLandedEvent();
  if (!hidden && !m_ribbons.empty() && landed.IsEmpty())
    landed.Subscribe(GF::MakeDelegate(this, &CLevelMapStrategy::OnRibbonsShown));
}

void CLevelMapStrategy::FlyRibbon(const LevelRibbon& ribbon) {
  const GF::THolder<CFlyObject> flight = CreateFlyObject();
  flight->AddTarget(ribbon.ribbon);
  flight->SetDuration(kFlightTime);
  SetCircleMotion(*flight, FlightCentre(), kFlightRadius, kFlightRadius, kHalfPi, ribbon.angle);
  AddFlyObject(*this, flight);
}

void CLevelMapStrategy::OnRibbonsShown() {
  GetAllLandedEvent().RemoveDelegate(GF::MakeDelegate(this, &CLevelMapStrategy::OnRibbonsShown));
  UpdateAllRibbonRects();
  m_state = &CLevelMapStrategy::UpdateHover;
}

void CLevelMapStrategy::ShowNewRibbon() {
  m_state = &CLevelMapStrategy::WaitNewRibbon;
  PlaySoundById(kNewRibbonSound);
  if (!m_current) return;
  Play(m_current->ribbon, "_show");
  m_particle =
      GF::HGENS::CFGParticle::Create("Particle\\map_level.fgp", "particles_2", 0.5f, false);
  m_particle->SetScene(TopScene());
  m_particle->SetPosition(Centre(m_current->rect));
  m_particle->SetLayer(m_current->ribbon->GetLayer() - kParticleBelowRibbon);
}

void CLevelMapStrategy::Start() {
  m_started = true;
  if (m_current) ShowNewRibbon();
}

bool CLevelMapStrategy::RunStateHandler(float dt) {
  return m_state ? (this->*m_state)(dt) : true;
}

bool CLevelMapStrategy::WaitNewRibbon(float) {
  if (!m_current || !m_current->ribbon->IsStopped()) return true;
  // A completed stage's ribbons stay still for the rest of the visit (float 34 aside).
  const int levels = LevelCountOfStage(FindLevel(m_current->key).StageKey);
  if (levels > static_cast<int>(m_ribbons.size()) ||
      CurrentProfile().Floats[ProfileFloat::Value34] != 0.0f) {
    m_state = &CLevelMapStrategy::UpdateHover;
    m_current = nullptr;
  }
  return true;
}

bool CLevelMapStrategy::UpdateHover(float dt) {
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  LevelRibbon* candidate = HitRibbon(mouse->x, mouse->y);
  if (candidate && !candidate->hover) EnterRibbon(*candidate);
  if (m_current) {
    if (!m_hoverDelay && m_current->hover && GF::HGENS::GetKeyset()->Consume(kLeftButton)) {
      ClickRibbon();
    } else if (!Contains(m_current->rect, mouse->x, mouse->y)) {
      LeaveRibbon();
      m_current = nullptr;
    }
  }
  CountDownHover(dt);
  return true;
}

LevelRibbon* CLevelMapStrategy::HitRibbon(int x, int y) {
  for (auto& [key, entry] : m_ribbons)
    if (Contains(entry.rect, x, y)) return &entry;
  return nullptr;
}

void CLevelMapStrategy::EnterRibbon(LevelRibbon& ribbon) {
  if (m_current && m_current->hover) LeaveRibbon();
  m_current = &ribbon;
  ribbon.hover = true;
  m_hoverDelay = kHoverDelay;
  GF::HGENS::GetKeyset()->SetDown(kLeftButton, false);  // a click as the cursor enters is dropped
}

void CLevelMapStrategy::ClickRibbon() {
  LeaveRibbon();
  PlayerProfile& profile = CurrentProfile();
  profile.Strings[ProfileString::LevelKeyOverride] = m_current->key;
  if (!m_current->key.empty()) profile.Floats[ProfileFloat::Value35] = 1.0f;
  Append(MakeWaitAction(kReplayDelay));
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CLevelMapStrategy::RequestReplay)));
  m_state = nullptr;
}

void CLevelMapStrategy::CountDownHover(float dt) {
  if (!m_hoverDelay) return;
  if (*m_hoverDelay > 0.0f) *m_hoverDelay -= dt;
  if (*m_hoverDelay > 0.0f) return;
  m_hoverDelay.reset();
  Play(m_current->ribbon, "_enter");
  PlaySoundById(kHoverSound);
  ShowTooltip();
}

void CLevelMapStrategy::LeaveRibbon() {
  m_current->hover = false;
  if (m_hoverDelay) {
    m_hoverDelay.reset();
    return;
  }
  Play(m_current->ribbon, "_leave");
  Play(m_tooltip, "_hide");
}

void CLevelMapStrategy::ShowTooltip() {
  if (!m_tooltip) {
    const GF::THolder<GF::IScene> scene = TopScene();
    if (scene) m_tooltip = scene->CreateAnimation("hints.hint_level");
    if (!m_tooltip) return;
    m_tooltip->SetPosition(400.0f, 300.0f);
    m_tooltip->SetLayer(kTooltipLayer);
    m_tooltip->Update(0.0f);
  }
  std::wstring text = GF::HGENS::GetResources()->GetText("replay_level");
  const std::size_t mark = text.find(L"_num");
  if (mark != std::wstring::npos)
    text.replace(mark, 4, std::to_wstring(FindLevel(m_current->key).LevelNumber()));
  m_tooltip->SetText("_text", text);
  Play(m_tooltip, "_show");
}

void CLevelMapStrategy::UpdateRibbonRect(LevelRibbon& ribbon) {
  ribbon.ribbon->Update(0.0f);
  if (const GF::IAnimation::DrawablePtr button = ribbon.ribbon->FindDrawable("_button_rect"))
    ribbon.rect = button->GetBoundingRect();
  else
    ribbon.ribbon->GetBoundingRect(ribbon.rect);
}

void CLevelMapStrategy::UpdateAllRibbonRects() {
  for (auto& [key, entry] : m_ribbons) UpdateRibbonRect(entry);
}

GF::IAnimation::ParentPtr CLevelMapStrategy::Host() const {
  return m_ribbons.empty() ? nullptr : m_ribbons.begin()->second.ribbon->GetParent();
}

void CLevelMapStrategy::KeepFlightCentre(const GF::TPoint<float>& point) {
  GF::CObjectProperties place;
  place.x = point.x;
  place.y = point.y;
  if (const GF::IAnimation::ParentPtr host = Host())
    GF::DecomposeProperties(place, host->GetProperties());
  m_centre = {place.x, place.y};
}

GF::TPoint<float> CLevelMapStrategy::FlightCentre() const {
  GF::CObjectProperties place;
  place.x = m_centre.x;
  place.y = m_centre.y;
  if (const GF::IAnimation::ParentPtr host = Host())
    GF::ComposeProperties(place, host->GetProperties());
  return {place.x, place.y};
}
