#include "game/kitchen/CDiferenceGameField.h"

#include <cmath>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CLightObjectAction.h"
#include "game/kitchen/CShowObjectAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/kitchen/ScreenSize.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = CGameFieldBase::AnimationPtr;

constexpr int kLeftButton = 0x12;
constexpr float kPictureWidth = 400.0f;
constexpr float kTwinDistance = 20.0f;  // px on each axis, exclusive
constexpr std::int32_t kMissSound = 5;
constexpr std::int32_t kTimeOutSound = 8;
constexpr std::int32_t kFoundSound = 31;
constexpr float kWon = 101.0f;
constexpr float kTimedOut = 102.0f;
constexpr float kClosingWait = 1000.0f;      // ms
constexpr float kShowObjectsTimings = 4.0f;  // intro timings the objects' sweep takes
constexpr float kFoundPulse = 0.5f;          // scale amplitude
constexpr float kFoundPulseTime = 1000.0f;   // ms

void Log(const char* format, const char* text) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log(format, text);
  engine->Release();
}

GF::TPoint<float> MousePoint() {
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  return {mouse->fx, mouse->fy};
}

}  // namespace

float MirrorX(float x) {
  return x >= kPictureWidth ? x - kPictureWidth : x + kPictureWidth;
}

GF::THolder<CGameFieldBase> CDiferenceGameField::Create() {
  return GF::THolder<CGameFieldBase>(GF::MakeHolder<CDiferenceGameField>());
}

CDiferenceGameField::CDiferenceGameField() {
  SetIntroDone(false);
}

CDiferenceGameField::~CDiferenceGameField() {
  m_counterPanel.Reset();
  m_mirrorCursor.Reset();
  m_objects.clear();
}

bool CDiferenceGameField::LoadLevel(const std::string& levelKey) {
  if (!CGameFieldBase::LoadLevel(levelKey)) return false;
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  for (const DeviceSlot& slot : m_levelDesc->DeviceSlots) {
    const ObjectPtr object = CCookObject::Create(slot, layer);
    const AnimationPtr animation = object->HolderGetCast();
    if (animation && object->GetDescription().WorkFlag != 0) animation->Play("_idle", 0, false);
    object->SetShown(false);
    m_objects.push_back(object);
  }
  m_total = 0;
  for (const ObjectPtr& object : m_objects)
    if (IsUnpaired(*object)) ++m_total;
  if (m_total == 0) Log("[W] LEVEL %s HAS NO DIFFERENCES", levelKey.c_str());
  return true;
}

bool CDiferenceGameField::IsUnpaired(const CCookObject& object) const {
  const AnimationPtr animation = object.HolderGetCast();
  if (!animation) return false;  // never drawn, never clicked: no difference
  const std::string& name = object.GetDescription().Key;
  const GF::TPoint<float> at = animation->GetPosition();
  const float mirroredX = MirrorX(at.x);
  for (const ObjectPtr& candidate : m_objects) {
    const AnimationPtr other = candidate->HolderGetCast();
    if (candidate.Get() == &object || !other || candidate->GetDescription().Key != name) continue;
    const GF::TPoint<float> place = other->GetPosition();
    if (std::fabs(place.x - mirroredX) < kTwinDistance && std::fabs(place.y - at.y) < kTwinDistance)
      return false;
  }
  return true;
}

CDiferenceGameField::ObjectPtr CDiferenceGameField::FindObjectAt(
    const GF::TPoint<float>& point) const {
  const GF::TPoint<int> at{static_cast<int>(point.x), static_cast<int>(point.y)};
  ObjectPtr first;
  for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
    CCookObject& object = **it;
    if (!object.IsShown() || !object.IsActive() || !HitTestObject(at, object, true)) continue;
    if (IsUnpaired(object)) return *it;
    if (!first) first = *it;
  }
  return first;
}

void CDiferenceGameField::OnKeyDown(int code) {
  if (code != kLeftButton || m_routine != &CDiferenceGameField::UpdatePlaying) return;
  const GF::TPoint<float> mouse = MousePoint();
  ObjectPtr object = FindObjectAt(mouse);
  if (!object) object = FindObjectAt({MirrorX(mouse.x), mouse.y});
  if (!object) return;
  if (IsUnpaired(*object))
    OnDifferenceFound(object);
  else
    PlaySoundById(kMissSound);
}

void CDiferenceGameField::OnDifferenceFound(const ObjectPtr& object) {
  PlaySoundById(kFoundSound);
  const GF::TPoint<float> at = object->HolderGetCast()->GetPosition();
  const ObjectPtr copy = CCookObject::Create(object->GetSlot(), GetLevelInterfaceLayer());
  m_objects.push_back(copy);
  const AnimationPtr animation = copy->HolderGetCast();
  if (animation) animation->SetPosition(MirrorX(at.x), at.y);
  // Both pulse beside the chain: the copy first, then the one found.
  for (const AnimationPtr& node : {animation, object->HolderGetCast()})
    Run(MakeLightAnimationAction(node, kFoundPulse, kFoundPulseTime, true, true));
  ++m_found;
  ShowCount();
  if (m_found < m_total) return;
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = kWon;
  ShowLevelCompleteBanner(*this, 1);
  EndLevel();
}

void CDiferenceGameField::ShowCount() {
  if (m_counterPanel) m_counterPanel->SetNumber("_number", m_total - m_found);
}

void CDiferenceGameField::SetupPlates(AnimationPtr layout) {
  m_counterPanel = GF::HGENS::FindRequiredPart(layout, "_panel");
  ShowCount();
  CGameFieldBase::SetupPlates(layout);
}

void CDiferenceGameField::SetPause(bool paused) {
  if (paused && m_mirrorCursor)
    m_mirrorCursor->RemoveFromParent();
  else
    CreateMirrorCursor();
  Notify(paused);
}

void CDiferenceGameField::CreateMirrorCursor() {
  if (m_mirrorCursor) {
    m_mirrorCursor->RemoveFromParent();
    m_mirrorCursor.Reset();
  }
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  if (!layer) return;
  const bool gameCursor = CurrentProfile().Floats[ProfileFloat::CustomCursor] != 0.0f;
  m_mirrorCursor = layer->CreateAnimation(gameCursor ? "cursor.custom" : "cursor.custom_2");
  if (m_mirrorCursor) m_mirrorCursor->SetLayer(HudLayerBase);
}

void CDiferenceGameField::Update(const float& dt) {
  CGameFieldBase::Update(dt);
  if (!m_levelDesc) return;
  (this->*m_routine)(dt);
  UpdateMirrorCursor();
}

void CDiferenceGameField::UpdateMirrorCursor() {
  if (!m_mirrorCursor) return;
  const GF::TPoint<float> mouse = MousePoint();
  const bool onScreen = mouse.x >= 0.0f && mouse.x <= kScreenWidth;
  if (onScreen) m_mirrorCursor->SetPosition(MirrorX(mouse.x), mouse.y);
  m_mirrorCursor->SetVisible(onScreen);
}

void CDiferenceGameField::BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) {
  CGameFieldBase::BuildHUD(hudRoot, screen);
  if (hudRoot) {
    hudRoot->ShowObject("_delivery_progres", false);
    hudRoot->ShowObject("_item_hint", false);
  }
  CreateMirrorCursor();
}

void CDiferenceGameField::Reset() {
  CGameFieldBase::Reset();
  m_found = 0;
}

void CDiferenceGameField::UpdateIntro(const float&) {
  if (GetTail()) return;
  m_routine = &CDiferenceGameField::UpdatePlaying;
  // Neither a difference to find nor a clock to run out: nothing would ever end the level.
  if (m_total == 0 && m_levelDesc->LevelTime == 0.0f) TimeOut();
}

void CDiferenceGameField::UpdatePlaying(const float& dt) {
  UpdateLevelTime(dt);
}

void CDiferenceGameField::UpdateLevelTime(const float& dt) {
  if (UpdateBonusLevelClock(dt, m_blinking, m_tickTimer) >= 1.0f) TimeOut();
}

void CDiferenceGameField::TimeOut() {
  PlaySoundById(kTimeOutSound);
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = kTimedOut;
  EndLevel();
}

void CDiferenceGameField::UpdateClosing(const float&) {
  UpdateBonusClosing();
}

void CDiferenceGameField::StartLevel() {
  ShowBonusBanner();
  Append(MakeAnimationWaitAction(m_clockPanel, "_work", 0, false));
  ShowHintText(m_levelDesc->HintText, 400.0f, 300.0f);
  if (m_counterPanel) m_counterPanel->SetVisible(false);
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CDiferenceGameField::ShowStartParticles)));
  Append(MakeAnimationWaitAction(m_counterPanel, "_show", 0, false));
  // Both pictures appear behind a sweeping glow before the count-down.
  Append(MakeShowObjectAction(m_objects, IntroTimings * kShowObjectsTimings));
  AppendCountDown({kScreenWidth / 2, kScreenHeight / 2});
}

void CDiferenceGameField::ShowStartParticles() {
  ShowBonusParticles(400.0f, 375.0f);
}

void CDiferenceGameField::EndLevel() {
  CurrentProfile().Floats[ProfileFloat::BonusResult] = static_cast<float>(m_found);
  LogBonusResult();
  PlaySoundByName("restaurant_closed");
  Append(MakeAnimationWaitAction(m_clockPanel, "_closed", 0, false));
  Append(MakeWaitAction(kClosingWait));
  m_routine = &CDiferenceGameField::UpdateClosing;
  ShowWallClockNight(m_wallClock);
}
