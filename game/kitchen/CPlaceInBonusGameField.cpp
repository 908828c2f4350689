#include "game/kitchen/CPlaceInBonusGameField.h"

#include <algorithm>
#include <cmath>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CLightObjectAction.h"
#include "game/kitchen/CShowObjectAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/kitchen/MotionSetters.h"
#include "game/kitchen/ScreenSize.h"

namespace {

using AnimationPtr = CGameFieldBase::AnimationPtr;

constexpr int kLeftButton = 0x12;
constexpr float kFitDistance = 20.0f;   // px on each axis, exclusive
constexpr float kDragDistance = 50.0f;  // px on either axis a release must be away to drop
constexpr int kPickedLayer = 110;       // over the interface base, above the row
constexpr int kPlacedLayer = 5;         // just above the room's drawings
constexpr int kRefusedLayer = 3900;
constexpr std::int32_t kMissSound = 5;
constexpr std::int32_t kTimeOutSound = 8;
constexpr std::int32_t kPlacedSound = 31;
constexpr float kWon = 101.0f;
constexpr float kTimedOut = 102.0f;
constexpr float kClosingWait = 3000.0f;      // ms
constexpr float kFirstSlide = 2000.0f;       // ms: long enough for the row to stand in place
constexpr float kShowObjectsTimings = 4.0f;  // intro timings the places' sweep takes
constexpr float kPlacedPulse = 0.5f;         // scale amplitude
constexpr float kPlacedPulseTime = 1000.0f;  // ms

GF::TPoint<float> MousePoint() {
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  return {mouse->fx, mouse->fy};
}

}  // namespace

GF::THolder<CGameFieldBase> CPlaceInBonusGameField::Create() {
  return GF::THolder<CGameFieldBase>(GF::MakeHolder<CPlaceInBonusGameField>());
}

CPlaceInBonusGameField::~CPlaceInBonusGameField() {
  m_listPanel.Reset();
  m_row = CPlaceInItemRow();
  m_items.clear();
  m_places.clear();
  m_dragged.Reset();
}

bool CPlaceInBonusGameField::LoadLevel(const std::string& levelKey) {
  if (!CGameFieldBase::LoadLevel(levelKey)) return false;
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  auto make = [&layer](const DeviceSlot& slot) {
    const ObjectPtr object = CCookObject::Create(slot, layer);
    const AnimationPtr animation = object->HolderGetCast();
    if (animation && object->GetDescription().WorkFlag != 0) animation->Play("_idle", 0, false);
    return object;
  };
  for (const DeviceSlot& slot : m_levelDesc->DeviceSlots) {
    const ObjectPtr place = make(slot);
    place->SetShown(false);
    m_places.push_back(place);
    const ObjectPtr item = make(slot);
    m_items.push_back(item);
    m_row.Add(item);
  }
  return true;
}

void CPlaceInBonusGameField::SetupPlates(AnimationPtr layout) {
  // Without it (logged) the row runs along the screen's bottom.
  m_listPanel = GF::HGENS::FindRequiredPart(layout, "_list");
  CGameFieldBase::SetupPlates(layout);
  m_row.Init(m_listPanel);
  m_row.Relayout();
  m_row.Update(kFirstSlide);
}

void CPlaceInBonusGameField::BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) {
  CGameFieldBase::BuildHUD(hudRoot, screen);
  if (!hudRoot) return;
  hudRoot->ShowObject("_delivery_progres", false);
  hudRoot->ShowObject("_item_hint", false);
}

void CPlaceInBonusGameField::Reset() {
  CGameFieldBase::Reset();
  m_placed = 0;
}

CPlaceInBonusGameField::ObjectPtr CPlaceInBonusGameField::FindObjectAt(
    const GF::TPoint<float>& point) const {
  const GF::TPoint<int> at{static_cast<int>(point.x), static_cast<int>(point.y)};
  for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
    if ((*it)->IsShown() && (*it)->IsActive() && HitTestObject(at, **it, true)) return *it;
  return nullptr;
}

void CPlaceInBonusGameField::OnKeyDown(int code) {
  if (code != kLeftButton || m_routine != &CPlaceInBonusGameField::UpdatePlaying) return;
  if (m_dragged) {
    DropItem(m_dragged);
    m_dragged.Reset();
    return;
  }
  const GF::TPoint<float> mouse = MousePoint();
  if (const ObjectPtr item = FindObjectAt(mouse)) PickItem(item, mouse);
}

void CPlaceInBonusGameField::PickItem(const ObjectPtr& item, const GF::TPoint<float>& mouse) {
  m_dragged = item;
  const AnimationPtr animation = item->HolderGetCast();
  const GF::TPoint<float> at = animation->GetPosition();
  m_dragOffset = {at.x - mouse.x, at.y - mouse.y};
  m_pressPoint = mouse;
  // Hidden and shown again: every property of it is worked out afresh on the next frame.
  item->SetShown(false);
  item->SetShown(true);
  animation->SetLayer(HudLayerBase + kPickedLayer);
  // Last in the list, it is the first the next press finds.
  m_items.erase(std::remove(m_items.begin(), m_items.end(), item), m_items.end());
  m_items.push_back(item);
}

void CPlaceInBonusGameField::OnKeyUp(int code) {
  if (code != kLeftButton || m_routine != &CPlaceInBonusGameField::UpdatePlaying || !m_dragged)
    return;
  const GF::TPoint<float> mouse = MousePoint();
  // A click without a move keeps the item on the mouse: the next press drops it.
  if (std::fabs(m_pressPoint.x - mouse.x) <= kDragDistance &&
      std::fabs(m_pressPoint.y - mouse.y) <= kDragDistance)
    return;
  DropItem(m_dragged);
  m_dragged.Reset();
}

void CPlaceInBonusGameField::DropItem(ObjectPtr item) {
  const AnimationPtr animation = item->HolderGetCast();
  if (TryPlace(item)) {
    m_row.Remove(item);
    if (animation) animation->SetLayer(kPlacedLayer);
    return;
  }
  PlaySoundById(kMissSound);
  m_row.Relayout();
  if (animation) animation->SetLayer(kRefusedLayer);
}

bool CPlaceInBonusGameField::TryPlace(const ObjectPtr& item) {
  const AnimationPtr animation = item->HolderGetCast();
  if (!animation) return false;
  const std::string& name = item->GetDescription().Key;
  const GF::TPoint<float> at = animation->GetPosition();
  for (const ObjectPtr& place : m_places) {
    const AnimationPtr target = place->HolderGetCast();
    // A filled place takes no second item.
    if (!target || !place->IsActive() || place->GetDescription().Key != name) continue;
    const GF::TPoint<float> spot{target->GetPosition().x + static_cast<float>(m_placeOffset),
                                 target->GetPosition().y};
    if (std::fabs(spot.x - at.x) >= kFitDistance || std::fabs(spot.y - at.y) >= kFitDistance)
      continue;
    place->SetActive(false);
    FlyItemToPlace(item, spot);
    return true;
  }
  return false;
}

void CPlaceInBonusGameField::FlyItemToPlace(const ObjectPtr& item, const GF::TPoint<float>& point) {
  PlaySoundById(kPlacedSound);
  const AnimationPtr animation = item->HolderGetCast();
  const GF::THolder<CFlyObject> flight = CreateFlyObject();
  flight->AddTarget(animation);
  flight->SetDuration(IngredientFlyTime / 3.0f);
  flight->m_startDelay = 0.0f;
  SetLineMotion(*flight, animation->GetPosition(), point);
  AddFlyObject(*this, flight);
  item->SetActive(false);
  Run(MakeLightAnimationAction(animation, kPlacedPulse, kPlacedPulseTime, true, false));
  ++m_placed;
  if (m_placed < static_cast<int>(m_places.size())) return;
  ShowLevelCompleteBanner(*this, 1);
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = kWon;
  m_dragged.Reset();
  EndLevel();
}

void CPlaceInBonusGameField::Update(const float& dt) {
  CGameFieldBase::Update(dt);
  if (!m_levelDesc) return;
  (this->*m_routine)(dt);
}

void CPlaceInBonusGameField::UpdateIntro(const float&) {
  if (!GetTail()) m_routine = &CPlaceInBonusGameField::UpdatePlaying;
}

void CPlaceInBonusGameField::UpdatePlaying(const float& dt) {
  if (m_dragged) {
    const GF::TPoint<float> mouse = MousePoint();
    m_dragged->HolderGetCast()->SetPosition(mouse.x + m_dragOffset.x, mouse.y + m_dragOffset.y);
  }
  UpdateLevelTime(dt);
  m_row.Update(dt);
}

void CPlaceInBonusGameField::UpdateLevelTime(const float& dt) {
  if (UpdateBonusLevelClock(dt, m_blinking, m_tickTimer) < 1.0f) return;
  PlaySoundById(kTimeOutSound);
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = kTimedOut;
  Append(MakeAnimationWaitAction(m_clockPanel, "_closed", 0, false));
  EndLevel();
}

void CPlaceInBonusGameField::UpdateClosing(const float&) {
  UpdateBonusClosing();
}

void CPlaceInBonusGameField::StartLevel() {
  ShowBonusBanner();
  Append(MakeAnimationWaitAction(m_clockPanel, "_work", 0, false));
  if (m_listPanel) m_listPanel->Play("_hide", 0, false);
  ShowHintText(m_levelDesc->HintText, 400.0f, 300.0f);
  if (m_listPanel) {
    Append(MakeExecuteAction(GF::MakeDelegate(this, &CPlaceInBonusGameField::ShowStartParticles)));
    Append(MakeAnimationWaitAction(m_listPanel, "_show", 1, false));
  }
  // The places appear in the left picture behind a sweeping glow before the count-down.
  Append(MakeShowObjectAction(m_places, IntroTimings * kShowObjectsTimings));
  AppendCountDown({kScreenWidth / 2, kScreenHeight / 2});
}

void CPlaceInBonusGameField::ShowStartParticles() {
  ShowBonusParticles(400.0f, 300.0f);
}

void CPlaceInBonusGameField::EndLevel() {
  if (m_dragged && m_dragged->HolderGetCast()) m_dragged->HolderGetCast()->SetVisible(false);
  CurrentProfile().Floats[ProfileFloat::BonusResult] = static_cast<float>(m_placed);
  LogBonusResult();
  PlaySoundByName("restaurant_closed");
  Append(MakeWaitAction(kClosingWait));
  m_routine = &CPlaceInBonusGameField::UpdateClosing;
  ShowWallClockNight(m_wallClock);
}
