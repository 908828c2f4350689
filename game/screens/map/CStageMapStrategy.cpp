#include "game/screens/map/CStageMapStrategy.h"

#include <cmath>
#include <numbers>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/MotionSetters.h"

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kTopAngle = 1.5f * std::numbers::pi_v<float>;
constexpr float kZoomTime = 750.0f;  // ms
constexpr float kRotateTime = 1000.0f;
constexpr float kBounceTime = 500.0f;
constexpr float kZoomSoundDelay = 500.0f;
constexpr float kSettleWait = 500.0f;
constexpr float kOpeningDelay = 1000.0f;
constexpr int kChosenLayerShift = 50;
constexpr float kSmallScale = 0.5f;
constexpr float kOvershootScale = 1.2f;
constexpr int kLeftButton = 18;  // key index of the left mouse button
constexpr std::int32_t kClickSound = 2;
constexpr std::int32_t kZoomSound = 10;
constexpr int kButtonsOn = 0, kButtonsOff = 1;

void Play(const GF::IAnimation::AnimationPtr& animation, const char* part) {
  animation->Play(part, 0, false);
}

void ShiftLayer(const GF::IAnimation::AnimationPtr& animation, int by) {
  animation->SetLayer(animation->GetLayer() + by);
}

}  // namespace

CStageMapStrategy::CStageMapStrategy() {
  RestoreHover();
}

void CStageMapStrategy::AddStage(const std::string& key, const GF::IAnimation::AnimationPtr& place,
                                 bool unlocked, bool opening) {
  if (GetStageNumber(key) <= 0 || !place) return;
  StagePlace& record = m_places.emplace_back();
  record.key = key;
  record.levels = CLevelMapStrategy::Create();
  record.place = place;
  UpdateHitRect(record);
  record.opening = opening;
  record.index = static_cast<int>(m_places.size());
  record.unlocked = unlocked;
  Play(place, unlocked && !opening ? "_zoom" : "_hide");
  if (opening) m_opening = &record;
  place->Rewind();
  if (!m_chosen && key == CurrentProfile().StageKey) {
    m_chosen = &record;
    ShiftLayer(place, kChosenLayerShift);
  }
}

void CStageMapStrategy::Layout(float rx, float ry, float step, float cx, float cy) {
  m_radius = {rx, ry};
  m_centre = {cx, cy};
  auto it = m_places.begin();
  int i = 0;
  float& zoomIn = CurrentProfile().Floats[ProfileFloat::Value16];
  if (zoomIn == 0.0f) {
    if (it != m_places.end()) {
      it->place->Update(0.0f);
      it->place->SetPosition(cx, cy);
      UpdateHitRect(*it);
      it->angle = kTopAngle;
      ++it;
      i = 1;
    }
  } else {
    zoomIn = 0.0f;
  }
  for (; it != m_places.end(); ++it, ++i) {
    const float angle = static_cast<float>(i) * step + kTopAngle;
    it->place->Update(0.0f);
    it->place->SetPosition(cx + std::cos(angle) * rx, cy + std::sin(angle) * ry);
    it->place->SetScale(kSmallScale, kSmallScale);
    UpdateHitRect(*it);
    it->angle = angle;
    if (it != m_places.begin()) continue;
    Play(it->place, "_show");
    ShiftLayer(it->place, -kChosenLayerShift);
    Zoom(true);
    m_controlEvent.Fire(kButtonsOff);
  }
  if (!m_opening) return;
  m_actions.Append(MakeWaitAction(kOpeningDelay));
  m_actions.Append(MakeExecuteAction(GF::MakeDelegate(this, &CStageMapStrategy::SelectOpening)));
  m_controlEvent.Fire(kButtonsOff);
}

bool CStageMapStrategy::Tick(float dt) {
  UpdateFlyObjects(m_flights, dt);
  m_actions.Update(dt);
  return m_state ? (this->*m_state)(dt) : true;
}

GF::THolder<CLevelMapStrategy> CStageMapStrategy::GetLevelStrategy(const std::string& key) const {
  for (const StagePlace& place : m_places)
    if (place.key == key) return place.levels;
  return {};
}

GF::IAnimation::AnimationPtr CStageMapStrategy::GetPlaceObject(const std::string& key) const {
  for (const StagePlace& place : m_places)
    if (place.key == key) return place.place;
  return {};
}

bool CStageMapStrategy::HitTest(const GF::TRect<int>& rect, int x, int y) {
  const int middleX = (rect.left + rect.right) / 2;
  const int middleY = (rect.top + rect.bottom) / 2;
  const float r = static_cast<float>(rect.right - rect.left) * 0.5f;
  const auto dx = static_cast<float>(x - middleX);
  const auto dy = static_cast<float>(y - middleY);
  return r * r > dx * dx + dy * dy;
}

float CStageMapStrategy::TurnAngle(int oldIndex, int newIndex, int count, float centreX,
                                   const GF::TRect<int>& newRect) {
  const float step = kTwoPi / static_cast<float>(count);
  const int k = newIndex <= oldIndex ? oldIndex - newIndex : count + oldIndex - newIndex;
  float delta = static_cast<float>(k) * step;
  if (centreX < static_cast<float>((newRect.left + newRect.right) / 2)) delta -= kTwoPi;
  return delta;
}

bool CStageMapStrategy::Update(float dt) {
  if (!StepChosenLevels(dt)) return false;
  // An "_enter" or "_live" still playing holds the carousel still.
  if (m_actions.GetTail()) return true;
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  for (StagePlace& place : m_places) {
    if (!place.unlocked || &place == m_chosen) continue;
    if (TrackPlace(place, mouse->x, mouse->y)) break;
  }
  return true;
}

bool CStageMapStrategy::StepChosenLevels(float dt) {
  if (!m_chosen) return true;
  CLevelMapStrategy& levels = *m_chosen->levels;
  if (!levels.IsStarted()) levels.Start();
  UpdateFlyObjects(levels, dt);
  levels.Update(dt);
  if (levels.IsReplayRequested()) return false;
  return levels.RunStateHandler(dt);
}

bool CStageMapStrategy::TrackPlace(StagePlace& place, int x, int y) {
  const GF::THolder<GF::CKeyset> keys = GF::HGENS::GetKeyset();
  if (!place.hover && HitTest(place.rect, x, y)) {
    place.hover = true;
    m_actions.Append(MakeAnimationWaitAction(place.place, "_enter", 0, false));
    keys->SetDown(kLeftButton, false);  // a click as the cursor enters is dropped
  }
  if (!place.hover) return false;
  if (!HitTest(place.rect, x, y)) {
    place.hover = false;
    m_actions.Append(MakeAnimationWaitAction(place.place, "_live", 0, false));
  }
  // Read even as the cursor leaves: a click of that frame still chooses the place.
  if (!keys->Consume(kLeftButton)) return false;
  PlaySoundById(kClickSound);
  Play(place.place, "_live");
  place.hover = false;
  SelectStage(place.key);
  return true;
}

void CStageMapStrategy::SelectStage(const std::string& key) {
  PlayerProfile& profile = CurrentProfile();
  profile.StageKey = key;
  profile.Floats[ProfileFloat::Value36] = 0.0f;
  SyncStageUpgrade(false);
  SaveProfiles();
  m_state = &CStageMapStrategy::AlwaysTrue;
  if (m_chosen) m_chosen->levels->SetRibbonsHidden(true);
  Zoom(false);
  m_controlEvent.Fire(kButtonsOff);
}

void CStageMapStrategy::Zoom(bool in) {
  if (!m_chosen) return;
  const GF::IAnimation::AnimationPtr& place = m_chosen->place;
  const GF::THolder<CFlyObject> flight = CreateFlyObject();
  flight->AddTarget(place);
  flight->SetDuration(kZoomTime);
  if (in) {
    SetLineMotion2(*flight, place->GetPosition(), m_centre);
    flight->m_landedEvent.Subscribe(GF::MakeDelegate(this, &CStageMapStrategy::OnZoomInDone));
    m_zoomFlight = flight;
    SetLineMotion3(*flight, kSmallScale, kOvershootScale);
    m_actions.Append(MakeWaitAction(kZoomSoundDelay));
    m_actions.Append(MakePlaySoundActionById(kZoomSound));
  } else {
    SetLineMotion2(*flight, m_centre, {m_centre.x, m_centre.y - m_radius.y});
    flight->m_landedEvent.Subscribe(GF::MakeDelegate(this, &CStageMapStrategy::OnZoomOutDone));
    SetLineMotion3(*flight, 1.0f, kSmallScale);
    ShiftLayer(place, -kChosenLayerShift);
  }
  AddFlyObject(m_flights, flight);
}

void CStageMapStrategy::OnZoomOutDone(GF::THolder<CFlyObject>) {
  StagePlace* next = Find(CurrentProfile().StageKey);
  StagePlace* old = m_chosen;
  if (!next || !old) return;
  const float delta =
      TurnAngle(old->index, next->index, static_cast<int>(m_places.size()), m_centre.x, next->rect);
  old->place->SetScale(kSmallScale, kSmallScale);
  m_chosen = next;
  Rotate(delta);
}

void CStageMapStrategy::Rotate(float delta) {
  // One place has nowhere to turn: without a flight no all-landed event would end the turn.
  if (m_places.size() <= 1) {
    OnRotateDone();
    return;
  }
  for (StagePlace& place : m_places) {
    const GF::THolder<CFlyObject> flight = CreateFlyObject();
    flight->AddTarget(place.place);
    flight->SetDuration(kRotateTime);
    SetCircleMotion2(*flight, m_centre, m_radius.x, m_radius.y, place.angle, place.angle + delta);
    AddFlyObject(m_flights, flight);
    place.angle += delta;
  }
  m_flights.GetAllLandedEvent().Subscribe(GF::MakeDelegate(this, &CStageMapStrategy::OnRotateDone));
}

void CStageMapStrategy::OnRotateDone() {
  m_flights.GetAllLandedEvent().RemoveDelegate(
      GF::MakeDelegate(this, &CStageMapStrategy::OnRotateDone));
  Play(m_chosen->place, "_show");
  UpdateAllHitRects();
  Zoom(true);
}

void CStageMapStrategy::OnZoomInDone(GF::THolder<CFlyObject>) {
  UpdateHitRect(*m_chosen);
  ShiftLayer(m_chosen->place, kChosenLayerShift);
  m_chosen->opening = false;
  const GF::THolder<CFlyObject> bounce = CreateFlyObject();
  bounce->AddTarget(m_chosen->place);
  bounce->SetDuration(kBounceTime);
  SetLineMotion4(*bounce, kOvershootScale, 1.0f);
  AddFlyObject(m_flights, bounce);
  m_actions.Append(MakeWaitAction(kSettleWait));
  m_actions.Append(MakeAnimationWaitAction(m_chosen->place, "_zoom", 0, false));
  m_actions.Append(
      MakeExecuteAction(GF::MakeDelegate(this, &CStageMapStrategy::ShowChosenRibbons)));
  m_actions.Append(MakeExecuteAction(GF::MakeDelegate(this, &CStageMapStrategy::RestoreHover)));
}

void CStageMapStrategy::ShowChosenRibbons() {
  m_chosen->levels->SetRibbonsHidden(false);
}

void CStageMapStrategy::RestoreHover() {
  m_state = &CStageMapStrategy::Update;
  m_controlEvent.Fire(kButtonsOn);
}

void CStageMapStrategy::SelectOpening() {
  if (!m_opening) return;
  SelectStage(m_opening->key);
  m_opening = nullptr;
}

StagePlace* CStageMapStrategy::Find(const std::string& key) {
  for (StagePlace& place : m_places)
    if (place.key == key) return &place;
  return nullptr;
}

void CStageMapStrategy::UpdateHitRect(StagePlace& place) {
  place.place->Update(0.0f);
  if (const GF::IAnimation::DrawablePtr picture = place.place->GetDrawable(0))
    place.rect = picture->GetBoundingRect();
  else
    place.place->GetBoundingRect(place.rect);
}

void CStageMapStrategy::UpdateAllHitRects() {
  for (StagePlace& place : m_places) UpdateHitRect(place);
}
