#include "game/kitchen/CGameField.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <list>
#include <map>
#include <utility>

#include "framework/core/ColorConversion.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/ISprite.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/CCheatClass.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CFaideAnimationAction.h"
#include "game/kitchen/CGetObjectAction.h"
#include "game/kitchen/CInGameHintStrategy.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CLightObjectAction.h"
#include "game/kitchen/CPersMoveAction.h"
#include "game/kitchen/CReceptAIAction.h"
#include "game/kitchen/CShowObjectAction.h"
#include "game/kitchen/CShowZacazAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/CWaitButtonAction.h"
#include "game/kitchen/CWaitPersAction.h"
#include "game/kitchen/FloorQuad.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = CGameFieldBase::AnimationPtr;

constexpr int kPlayerSpecial = 101;  // the player's order of a duel
constexpr int kRivalSpecial = 102;   // the rival's order of a duel, which cooks itself
constexpr float kPlayerWon = 201.0f;
constexpr float kRivalWon = 202.0f;
constexpr float kDuelWinPoints = 100.0f;
constexpr int kSpecialCapacity = 2;
constexpr float kDuelEndWait = 2000.0f;      // ms the failed dish shows before the end
constexpr float kShowDevicesTimings = 4.0f;  // intro timings the devices' sweep takes
constexpr float kFirstCustomerWait = 500.0f;
constexpr GF::TPoint<float> kCountDownAt{350.0f, 300.0f};
constexpr float kMixerStepAside = -2.0f;  // cells: the cook stands left of the mixer
constexpr float kShrugTime = 1000.0f;     // ms of the cook's refusal
// Sounds by number.
constexpr std::int32_t kRefusedSound = 5;
constexpr std::int32_t kSelectSound = 6;
constexpr std::int32_t kClosingSound = 8;
constexpr std::int32_t kHintReadySound = 14;
constexpr std::int32_t kHintSound = 31;
// The tips' events.
constexpr std::int32_t kNotInOrderTip = 4;
constexpr std::int32_t kDeviceBusyTip = 3;
constexpr std::int32_t kNotNowTip = 2;
constexpr std::int32_t kFetchTip = 5;
constexpr std::int32_t kIntroDoneTip = 10;
constexpr std::int32_t kBonusLevelTip = 11;
constexpr std::int32_t kClosedTip = 12;
constexpr std::int32_t kHintUsedTip = 7;
constexpr std::int32_t kHintReadyTip = 8;
constexpr std::int32_t kPlateWaitsTip = 9;
// The hint's light and the device under the cursor.
constexpr float kSourceLight = 0.2f;  // pulse amplitude; a working device does not swell
constexpr float kHintLightTime = 3000.0f;
constexpr float kHighlight = 0.3f;  // brightness added at most
constexpr int kAddBlend = 3;        // the colour is added over the sprite's own
constexpr int kLastCell = 15;
// The developer keys (key indices of the digits 1, 3, 5 and 9).
constexpr int kWinKey = 6;
constexpr int kDressKey = 8;
constexpr int kBonusKey = 10;
constexpr int kSpeedKey = 14;
constexpr float kCheatSpeed = 4.0f;
// The new device's introduction.
constexpr float kIntroduceWait = 1000.0f;     // ms before the cook sets off
constexpr float kIntroduceStepAside = -3.0f;  // cells: she stops left of the device
constexpr float kCrossFadeTime = 1000.0f;
constexpr GF::TPoint<float> kNewDeviceTextAt{400.0f, 300.0f};
// The last stage's opening window, over the order card and under the curtain.
constexpr const char* kLastStageLevel = "stage7_1";
constexpr GF::TPoint<float> kLastStageHintAt{400.0f, 300.0f};
constexpr int kLastStageHintAboveHud = 200;

bool IsSpecial(int type) {
  return type == kPlayerSpecial || type == kRivalSpecial;
}

void FireTip(std::int32_t trigger) {
  InGameTips.m_triggerId = trigger;
  InGameTips.Trigger(true);
}

// The level's end in the log, for the replays to read.
void LogEnd(const std::string& key, int place, int points, int served) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("LEVEL %s END place %d points %d served %d", key.c_str(), place, points, served);
  engine->Release();
}

AnimationPtr CreateInLevelLayer(const std::string& name) {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  return layer ? layer->CreateAnimation(name) : AnimationPtr();
}

// The end banner of a result: none without a place, 1 for a won duel and 4 for a lost one,
// else the place up to 4, and 4 for a failed level.
int BannerOf(float result, float lastOutcome) {
  const int v = static_cast<int>(result);
  if (v <= 0) return 0;
  if (v > 200) return v == static_cast<int>(kPlayerWon) ? 1 : 4;
  return lastOutcome < 0.0f ? 4 : std::min(v, 4);
}

constexpr std::int32_t kMarkOrders = 1;     // remembers where the next shuffle starts
constexpr std::int32_t kShuffleOrders = 2;  // shuffles the orders since the mark

void Log(const char* format, const char* text) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log(format, text);
  engine->Release();
}

// The floor of the level, or why it has none the kitchen can walk.
const char* ReadFloor(const LevelDescription& level, FloorQuad& floor) {
  if (level.FloorPoints.size() < 4) return "[E] LEVEL %s HAS NO FLOOR";
  const auto corners = level.FloorCorners();
  floor = {corners[0], corners[1], corners[2], corners[3]};
  return IsFloorDegenerate(floor) ? "[E] LEVEL %s HAS A FLAT FLOOR" : nullptr;
}

// The stage record's replacement of the device, or null.
const std::string* ReplacementOf(const std::string& device) {
  const PlayerProfile& profile = CurrentProfile();
  const auto stage = profile.StageRecords.find(profile.StageKey);
  if (stage == profile.StageRecords.end()) return nullptr;
  const auto replaced = stage->second.Items.find(device);
  return replaced == stage->second.Items.end() ? nullptr : &replaced->second;
}

// The catalogue's shown name of the key, or null for a key it lacks.
const std::wstring* WideNameOf(const std::string& key) {
  const ObjectDescription* found = GetLibraryData().FindObject(key);
  return found ? &found->WideName : nullptr;
}

bool IsAvailable(const CCookObject& device) {
  return device.IsShown() && device.IsActive();
}

}  // namespace

GF::THolder<CGameField> CGameField::Create() {
  return GF::MakeHolder<CGameField>();
}

CGameField::CGameField() : m_queueCapacity(OrderQueueCapacity) {}

CGameField::~CGameField() {
  if (m_newDeviceParticle) m_newDeviceParticle->Stop();
  m_newDeviceParticle.Reset();
  m_newDevice.Reset();
  m_oldDevice.Reset();
  m_cookObjects.clear();
  m_pers.Reset();
}

void CGameField::AddScore(float points) {
  CGameFieldBase::AddScore(points);
  UpdateResult();
}

GF::THolder<CCookObject> CGameField::FindObject(const std::string& key, bool availableOnly) {
  const std::wstring* name = WideNameOf(key);
  if (!name) return {};
  GF::THolder<CCookObject> match;
  for (const GF::THolder<CCookObject>& device : m_cookObjects) {
    if (device->GetDescription().WideName != *name) continue;
    const bool available = IsAvailable(*device);
    if (availableOnly && !available) continue;
    match = device;
    if (available) break;
  }
  return match;
}

void CGameField::Shutdown() {
  InGameTips.SetStrategy({});
  CGameFieldBase::Shutdown();
  m_receptPanel.Shutdown();
  m_balloon.Reset();
}

bool CGameField::LoadLevel(const std::string& levelKey) {
  if (!CGameFieldBase::LoadLevel(levelKey)) return false;
  if (const char* fault = ReadFloor(*m_levelDesc, KitchenFloor)) {
    Log(fault, levelKey.c_str());
    // As a missing level: the field finishes at its first frame.
    m_levelDesc = nullptr;
    return false;
  }
  CreateDevices();
  BuildOrderRecords();
  CreateCook();
  UpdateResult();
  m_queueCapacity = OrderQueueCapacity;
  SetupRivals();
  ApplyUpgrade();
  InGameTips.SetStrategy(CInGameHintStrategy::Create(GF::THolder<CGameFieldBase>(this), m_pers));
  return true;
}

GF::THolder<CCookObject> CGameField::CreateDevice(const DeviceSlot& slot) {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  const std::string* replacement = m_upgradeDevices ? ReplacementOf(slot.Name) : nullptr;
  if (!replacement) return CCookObject::Create(slot, layer);
  DeviceSlot upgraded = slot;
  upgraded.Name = "Devices." + *replacement;
  GF::THolder<CCookObject> device = CCookObject::Create(upgraded, layer);
  std::string& pending = CurrentProfile().LastGrantedItem;
  if (slot.Name == pending) {
    // The intro fades the new device in over the old one, once per grant.
    m_newDevice = device;
    if (const AnimationPtr animation = device->HolderGetCast()) animation->SetOpacity(0.0f);
    m_oldDevice = CCookObject::Create(slot, layer);
    pending.clear();
  }
  return device;
}

void CGameField::CreateDevices() {
  for (const DeviceSlot& slot : m_levelDesc->DeviceSlots) {
    const GF::THolder<CCookObject> device = CreateDevice(slot);
    const AnimationPtr animation = device->HolderGetCast();
    if (animation && device->GetDescription().WorkFlag != 0) animation->Play("_idle", 0, false);
    device->SetShown(false);
    m_cookObjects.push_back(device);
  }
}

void ShuffleOrderRecords(std::vector<LevelOrderRecord>& records, std::size_t from) {
  if (from >= records.size()) return;
  // The runtime's generator gives 31 bits here: one draw covers any range.
  for (std::size_t i = 1; from + i < records.size(); ++i) {
    const auto j = static_cast<std::size_t>(std::rand()) % (i + 1);
    std::swap(records[from + i], records[from + j]);
  }
}

void CGameField::BuildOrderRecords() {
  std::size_t mark = 0;
  for (const LevelOrderRecord& record : m_levelDesc->Orders) {
    if (record.OrderType == kMarkOrders)
      mark = m_orderRecords.size();
    else if (record.OrderType == kShuffleOrders)
      ShuffleOrderRecords(m_orderRecords, mark);
    else
      m_orderRecords.push_back(record);
  }
}

void CGameField::CreateCook() {
  float& level = CurrentProfile().Floats[ProfileFloat::StageUpgrade];
  const auto dresses = static_cast<float>(DressByUpgradeLevel.size());
  if (!(level >= 0.0f && level < dresses)) level = 0.0f;
  const std::int32_t dress = std::max(Tuning.DressForUpgradeLevel(static_cast<int>(level)), 0);
  if (m_pers) {
    m_pers->SetDress(dress);
    m_pers->CreateStateAnimations();
    return;
  }
  m_pers = CPers::Create(dress, m_levelDesc->Obstacles.begin(), m_levelDesc->Obstacles.end(),
                         GetLevelInterfaceLayer());
}

void CGameField::UpdateResult() {
  const int place = m_standings.GetPlayerPlace();
  if (place == m_lastPlace) return;
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] = static_cast<float>(place);
  m_lastPlace = place;
}

void CGameField::SetupRivals() {
  m_turnir.Setup(GF::THolder<CGameFieldBase>(this));
  m_standings.UpdateArrange(0.0f);
  CurrentProfile().Floats[ProfileFloat::CurrentPlace] =
      static_cast<float>(m_standings.GetPlayerPlace());
}

bool ApplyUpgradeName(const std::string& name, CGameFieldBase& field) {
  auto holds = [&name](const char* part) { return name.find(part) != std::string::npos; };
  if (holds("UPG_Bonus_Points"))
    BonusPointsPerOrder = 5.0f;
  else if (holds("UPG_Makes_Ginger_faster"))
    CookStepTime /= 1.3f;
  else if (holds("UPG_Judge_pateince"))
    PatienceDrainFactor /= 1.3f;
  else if (holds("UPG_Gives_possibility_to_earn_bonuses_7"))
    field.UpgradeFlag() = true;
  else
    return false;
  return true;
}

void CGameField::ApplyUpgrade() {
  const auto id = static_cast<std::int32_t>(CurrentProfile().Floats[ProfileFloat::StageUpgrade]);
  // The upgrades are keyed by the level that grants them; the earliest level's one counts.
  const UpgradeRecord* found = nullptr;
  std::int32_t foundLevel = 0;
  for (const auto& [levelIndex, upgrade] : UpgradeTable) {
    if (upgrade.UpgradeId != id || (found && levelIndex >= foundLevel)) continue;
    found = &upgrade;
    foundLevel = levelIndex;
  }
  if (found) ApplyUpgradeName(found->Name, *this);
}

void CGameField::SetupPlates(AnimationPtr layout) {
  CGameFieldBase::SetupPlates(std::move(layout));
}

void CGameField::BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) {
  CGameFieldBase::BuildHUD(std::move(hudRoot), std::move(screen));
  m_receptPanel.SetField(GF::THolder<CGameFieldBase>(this));
}

GF::THolder<CCookObject> CGameField::FindNextNeededObject(bool advance) {
  const GF::THolder<CZacaz> order = m_receptPanel.GetSelectedOrder();
  if (!order || !order->GetRecipe()) return {};
  const int item = order->GetNextItem(advance, false);
  const std::vector<RecipeItem>& items = order->GetRecipe()->Items;
  if (item < 0 || static_cast<std::size_t>(item) >= items.size()) return {};
  const std::wstring* name = WideNameOf(items[static_cast<std::size_t>(item)].ObjectName);
  if (!name) return {};
  for (const GF::THolder<CCookObject>& device : m_cookObjects)
    if (IsAvailable(*device) && device->GetDescription().WideName == *name) return device;
  return {};
}

GF::THolder<CCookObject> CGameField::ObjectAt(const GF::TPoint<float>& point) const {
  const GF::TPoint<int> at{static_cast<int>(point.x), static_cast<int>(point.y)};
  for (const GF::THolder<CCookObject>& device : m_cookObjects)
    if (HitTestObject(at, *device, false)) return device;
  return {};
}

void CGameField::RemoveDevices() {
  for (const GF::THolder<CCookObject>& device : m_cookObjects)
    if (const AnimationPtr animation = device->HolderGetCast()) animation->RemoveFromParent();
  m_cookObjects.clear();
}

void CGameField::Reset() {
  CGameFieldBase::Reset();
  m_idleTimer = 0.0f;
  m_arrivalTimer = 0.0f;
  m_nextOrderRecord = 0;
  m_closed = false;
  m_clockBlinking = false;
  m_orderBits.clear();
  m_hintCharge = 0.0f;
  m_receptPanel.Clear();
  m_pending.clear();
  m_pers.Reset();
  RemoveDevices();
}

// ---- The frame ----------------------------------------------------------------------------

void CGameField::Update(const float& dt) {
  CGameFieldBase::Update(dt);
  if (!m_levelDesc) return;
  m_receptPanel.Update(dt);
  (this->*m_routine)(dt);
  if (m_pers) m_pers->Update(dt);
}

void CGameField::UpdateEffectsOnly(const float& dt) {
  CGameFieldBase::UpdateEffectsOnly(dt);
  const float drain = std::exchange(PatienceDrainFactor, 0.0f);
  m_receptPanel.Update(dt);
  PatienceDrainFactor = drain;
}

void CGameField::SetPause(bool paused) {
  CGameFieldBase::SetPause(paused);
  if (m_pers) m_pers->SetPaused(paused);
  if (m_plate && !m_plate->IsStopped()) m_plate->SetActive(!paused);
  if (m_hoverShown) {
    m_hoverShown = false;
    ShowSpeechBalloon(L"", {}, *this);
  }
}

void CGameField::StartLevel() {
  SetIntroDone(false);
  PlayerProfile& profile = CurrentProfile();
  LevelRecord& record = profile.LevelRecords[m_levelKey];
  if (record.BestPlace == 0) {
    // A score carried over from a bonus level counts toward a level not yet passed.
    m_score = std::exchange(profile.Floats[ProfileFloat::BonusResult], 0.0f);
    if (m_score != 0.0f)
      record.Number1 = m_score;
    else
      m_score = record.Number1;
    profile.Floats[ProfileFloat::LevelPoints] = m_score;
    if (m_score != 0.0f) m_standings.SetScore(CStandingsPanel::kPlayerId, m_score);
  }
  if (m_levelKey == kLastStageLevel) ShowLastStageHint();
  if (m_newDevice && m_oldDevice) IntroduceNewDevice();
  Append(MakeShowObjectAction(m_cookObjects, IntroTimings * kShowDevicesTimings));
  Append(MakeAnimationWaitAction(m_plate, "_show", 0, false));
  if (m_levelDesc->LevelTime != 0.0f)
    Append(MakeAnimationWaitAction(m_clockPanel, "_work", 0, false));
  AppendCountDown(kCountDownAt);
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CGameField::AddNextCustomer)));
  Append(MakeWaitAction(kFirstCustomerWait));
  m_routine = &CGameField::UpdateIntro;
  // No order loses patience before the count-down is over.
  m_savedPatienceFactor = std::exchange(PatienceDrainFactor, 0.0f);
}

void CGameField::UpdateIntro(const float&) {
  if (GetTail()) return;
  PatienceDrainFactor = m_savedPatienceFactor;
  SetIntroDone(true);
  FireTip(kIntroDoneTip);
  if (!m_levelDesc->BonusEntries.empty()) FireTip(kBonusLevelTip);
  m_routine = &CGameField::UpdatePlaying;
}

void CGameField::UpdatePlaying(const float& dt) {
  GF::CMouse& mouse = *GF::HGENS::GetMouse();
  const GF::TPoint<float> at{static_cast<float>(mouse.x), static_cast<float>(mouse.y)};
  const GF::THolder<CZacaz> selected = m_receptPanel.GetSelectedOrder();
  if (selected && selected->IsComplete() && m_plate && m_plate->IsStopped()) ShowPlateEffect(dt);
  if (std::exchange(mouse.click, false)) HandleClick(at);
  // A click may have ended the level.
  if (m_stopped) return;
  UpdateLevelTime(dt);
  UpdateDelayedObjects(dt);
  UpdateHintCharge(dt);
  UpdateDeviceHighlight(dt);
  m_turnir.Update(dt);
}

void CGameField::UpdateClosing(const float&) {
  UpdateBonusClosing();
}

// ---- Clicks -------------------------------------------------------------------------------

void CGameField::HandleClick(const GF::TPoint<float>& at) {
  if (InGameTips.m_showing) {
    if (CHintStrategyBase* strategy = InGameTips.GetStrategy())
      strategy->Hide(InGameTips.GetCurrentTip());
    InGameTips.m_showing = false;
  }
  const GF::THolder<CZacaz> hit = m_receptPanel.HitTest(at);
  const GF::THolder<CZacaz> selected = m_receptPanel.GetSelectedOrder();
  if (hit && hit != selected && !m_receptPanel.IsSliding()) {
    if (m_plate && m_plate->IsStopped()) m_plate->Play("_swich", 0, false);
    PlaySoundById(kSelectSound);
    m_receptPanel.SelectOrder(hit);
    m_idleTimer = 0.0f;
    return;
  }
  if (hit && hit == selected && selected->IsComplete()) OnOrderServed(selected);
  GF::TRect<int> plate;
  if (m_plate) m_plate->GetBoundingRect(plate);
  if (m_plate && plate.left <= at.x && at.x <= plate.right && plate.top <= at.y &&
      at.y <= plate.bottom) {
    if (!selected) return;
    if (selected->IsComplete())
      OnOrderServed(selected);
    else
      RejectClick(true, false);
    return;
  }
  GF::TRect<int> ring;
  if (m_ring) m_ring->GetBoundingRect(ring);
  if (m_ring && PointInRectF(at, {static_cast<float>(ring.left), static_cast<float>(ring.top),
                                  static_cast<float>(ring.right), static_cast<float>(ring.bottom)}))
    return;
  if (const GF::THolder<CCookObject> device = ObjectAt(at)) {
    OnObjectClicked(device);
    return;
  }
  const GF::TPoint<float> cell = FloorPointToCell(KitchenFloor, at);
  if (m_pers && IsWalkTarget(cell)) Append(MakePersMoveAction(m_pers, cell.x, cell.y));
}

void CGameField::OnObjectClicked(GF::THolder<CCookObject> device) {
  const GF::THolder<CZacaz> order = m_receptPanel.GetSelectedOrder();
  const ObjectDescription& description = device->GetDescription();
  const bool working = description.WorkFlag != 0;
  if (!device->IsShown() || !device->IsActive()) {
    if (working) RejectClick(true, true);
    return;
  }
  if (!order) return;
  int item = order->FindItemForObject(description.Key);
  if (item < 0 && working) item = order->FindItemForDevice(description.Key);
  if (item < 0) {
    RejectClick(order->CanUseObject(description), false);
    return;
  }
  order->SetItemDelivered(item);
  device->SetActive(false);
  if (m_pers && m_pers->CanMove()) {
    const float across = description.Key == "Devices.mixer" ? kMixerStepAside : 0.0f;
    const GF::TPoint<float> cell = CellBefore(*device, across);
    Append(MakePersMoveAction(m_pers, cell.x, cell.y));
  }
  Append(MakeGetObjectAction(device, order, item));
  FireTip(kFetchTip);
}

GF::TPoint<float> CGameField::CellBefore(const CCookObject& device, float across) const {
  const AnimationPtr animation = device.HolderGetCast();
  const GF::TPoint<float> p = animation ? animation->GetPosition() : GF::TPoint<float>{};
  const float scale = FloorDepthScale(KitchenFloor, p);
  const float height = m_pers ? m_pers->GetSpriteHeight() : 0.0f;
  GF::TPoint<float> cell = FloorPointToCell(KitchenFloor, {p.x, p.y + 0.5f * scale * height});
  cell.x += across;
  return cell;
}

void CGameField::RejectClick(bool itemInOrder, bool deviceBusy) {
  if (!GetTail()) {
    FireTip(!itemInOrder ? kNotInOrderTip : deviceBusy ? kDeviceBusyTip : kNotNowTip);
    Append(MakeWaitPersAction(kShrugTime, m_pers, CPers::kCancel));
  }
  PlaySoundById(kRefusedSound);
}

void CGameField::AddDelayedObject(GF::THolder<CCookObject> device) {
  device->SetShown(false);
  m_pending.push_back({0.0f, std::move(device)});
}

void CGameField::UpdateDelayedObjects(const float& dt) {
  if (m_pending.empty()) return;
  std::vector<GF::THolder<CCookObject>> back;
  std::erase_if(m_pending, [&](PendingEntry& entry) {
    entry.elapsed += dt;
    if (entry.elapsed < PendingItemDelay) return false;
    back.push_back(entry.device);
    return true;
  });
  if (!back.empty()) Run(MakeShowObjectAction(std::move(back), IntroTimings));
}

// ---- The level clock and the customers -------------------------------------------------

void CGameField::UpdateLevelTime(const float& dt) {
  m_idleTimer = GetTail() ? 0.0f : m_idleTimer + dt;
  if (m_idleTimer >= DeliveryReminderInterval && !m_receptPanel.GetOrders().empty()) {
    RemindDelivery();
    m_idleTimer = 0.0f;
  }
  if (m_freezeTime > 0.0f)
    m_freezeTime -= dt;
  else
    m_levelTime += dt * GameSpeedFactor;
  // A level without a time limit never closes: its special orders end it.
  const float limit = m_levelDesc->LevelTime;
  const float f = limit == 0.0f ? 0.0f : std::min(m_levelTime / limit, 1.0f);
  ShowLevelClock(f, dt, m_freezeTime <= 0.0f, m_clockBlinking, m_tickTimer);
  if (f >= 1.0f) {
    if (!m_closed) CloseRestaurant();
    if (m_receptPanel.GetOrders().empty() && !m_receptPanel.IsSliding() &&
        GetFlyObjects().empty() && (!m_lastStageHint || m_lastStageHint->IsStopped())) {
      CurrentProfile().Floats[ProfileFloat::CurrentPlace] =
          static_cast<float>(m_standings.GetPlayerPlace());
      EndLevel();
    }
    return;
  }
  // In the first level the next customer waits for an empty queue.
  if (m_levelKey != "stage1_1") m_arrivalTimer += dt;
  if (m_receptPanel.GetOrders().empty() ||
      m_arrivalTimer > static_cast<float>(CustomerArrivalInterval))
    AddNextCustomer();
}

void CGameField::CloseRestaurant() {
  PlaySoundById(kClosingSound);
  m_receptPanel.SetClosing(true);
  m_closed = true;
  if (m_clockPanel) m_clockPanel->Play("_closed", 0, false);
  ShowWallClockNight(m_wallClock);
  if (m_clockSegment) m_clockSegment->Play("_idle", 0, false);
  FireTip(kClosedTip);
}

void CGameField::RemindDelivery() {
  if (m_hoverShown) {
    m_hoverShown = false;
    ShowSpeechBalloon(L"", {}, *this);
  }
  const GF::THolder<CZacaz> selected = m_receptPanel.GetSelectedOrder();
  if (!selected) return;
  if (m_receptPanel.GetOrders().size() > 1 || (!selected->IsComplete() && !selected->IsWorking()))
    InGameTips.Trigger(false);
}

void CGameField::AddNextCustomer() {
  m_arrivalTimer = 0.0f;
  const int count = static_cast<int>(m_orderRecords.size());
  // A special record lets the next one join at once; one pass over the ring at most, so a
  // ring of special records taken already ends.
  for (int pass = 0; pass < count; ++pass) {
    if (m_nextOrderRecord >= count) m_nextOrderRecord = 0;
    if (m_receptPanel.GetOrders().size() >= static_cast<std::size_t>(m_queueCapacity)) return;
    const LevelOrderRecord& record = m_orderRecords[static_cast<std::size_t>(m_nextOrderRecord++)];
    if (!IsSpecial(record.OrderType)) {
      m_receptPanel.AddOrder(record);
      return;
    }
    AddOrder(record.OrderType);
    m_queueCapacity = kSpecialCapacity;
  }
}

int CGameField::FindFreeOrderRecord(int type) {
  m_orderBits.resize(m_orderRecords.size(), false);
  for (std::size_t i = 0; i < m_orderRecords.size(); ++i)
    if (!m_orderBits[i] && m_orderRecords[i].OrderType == type) return static_cast<int>(i);
  return -1;
}

bool CGameField::AddOrder(int type) {
  const int i = FindFreeOrderRecord(type);
  if (i < 0) return false;
  m_orderBits[static_cast<std::size_t>(i)] = true;
  const GF::THolder<CZacaz> order =
      m_receptPanel.AddOrder(m_orderRecords[static_cast<std::size_t>(i)]);
  // A record without a recipe makes no order, and nothing may cook an empty one.
  if (!order) return false;
  if (type == kRivalSpecial) Run(MakeReceptAIAction(order));
  return true;
}

// ---- Serving and the end ------------------------------------------------------------------

void CGameField::OnOrderServed(GF::THolder<CZacaz> order) {
  if (m_stopped) return;
  CGameFieldBase::OnOrderServed(order);
  m_plateEffectTimer = ServedOrderBonusTime;
  CurrentProfile().Floats[ProfileFloat::OrdersServed] += 1.0f;
  order->SetWorking(true, 100, "", 0.0f);
  const GF::TPoint<std::int32_t> serving = m_levelDesc->ServingCell;
  Append(MakePersMoveAction(m_pers, static_cast<float>(serving.x), static_cast<float>(serving.y)));
  Append(MakeShowZacazAction(order));
  const int type = order->GetType();
  if (type == kPlayerSpecial && FindFreeOrderRecord(kPlayerSpecial) == -1)
    EndDuel(order, kPlayerWon);
  else if (type == kRivalSpecial && FindFreeOrderRecord(kRivalSpecial) == -1)
    EndDuel(order, kRivalWon);
}

void CGameField::EndDuel(const GF::THolder<CZacaz>& order, float result) {
  const std::list<GF::THolder<CZacaz>>& orders = m_receptPanel.GetOrders();
  if (orders.size() == 2) {
    // The player's orders stand first, so the other order is at the far end.
    const GF::THolder<CZacaz>& other =
        order->GetType() == kPlayerSpecial ? orders.back() : orders.front();
    if (const AnimationPtr dish = CreateInLevelLayer("interfaces.failed_recept")) {
      dish->Play("all", 0, false);
      other->ShowDish(dish, false);
    }
  }
  PlayerProfile& profile = CurrentProfile();
  profile.Floats[ProfileFloat::CurrentPlace] = result;
  Append(MakeWaitAction(kDuelEndWait));
  EndLevel();
  if (result == kPlayerWon) {
    std::map<std::int32_t, float>& scores = profile.LevelRecords[m_levelKey].Scores;
    scores.clear();
    scores[CStandingsPanel::kPlayerId] = kDuelWinPoints;
    profile.Floats[ProfileFloat::LevelPoints] = kDuelWinPoints;
  } else {
    profile.Floats[ProfileFloat::LevelPoints] = 0.0f;
  }
}

void CGameField::OnDelivery() {
  const GF::THolder<CZacaz> selected = m_receptPanel.GetSelectedOrder();
  if (selected && selected->IsComplete()) OnOrderServed(selected);
}

void CGameField::OnOrderExpired(RecipeRecord) {
  PlaySoundByName("ou");
}

void CGameField::CreateBonus(const BonusDescription& record, AnimationPtr icon,
                             GF::THolder<CZacaz> order) {
  if (order && order->GetType() == kRivalSpecial) return;
  CGameFieldBase::CreateBonus(record, std::move(icon), std::move(order));
}

void CGameField::EndLevel() {
  if (m_stopped) return;
  m_stopped = true;
  m_turnir.Stop();
  StopMusic();
  ShowSpeechBalloon(L"", {}, *this);
  PlayerProfile& profile = CurrentProfile();
  LevelRecord& record = profile.LevelRecords[m_levelKey];
  const float score = m_standings.GetScore(CStandingsPanel::kPlayerId);
  const auto stored = record.Scores.find(CStandingsPanel::kPlayerId);
  if (score > (stored == record.Scores.end() ? 0.0f : stored->second)) {
    record.Scores.clear();
    for (const LevelRival& rival : m_levelDesc->Rivals)
      record.Scores[rival.CompetitorId] = std::trunc(m_standings.GetScore(rival.CompetitorId));
    record.Scores[CStandingsPanel::kPlayerId] = std::trunc(score);
  }
  UpdateLevelProgress();
  record.Number2 = m_levelTime;
  m_routine = &CGameField::UpdateClosing;
  const float result = profile.Floats[ProfileFloat::CurrentPlace];
  LogEnd(m_levelKey, static_cast<int>(result),
         static_cast<int>(profile.Floats[ProfileFloat::LevelPoints]),
         static_cast<int>(profile.Floats[ProfileFloat::OrdersServed]));
  if (const int banner = BannerOf(result, profile.Floats[ProfileFloat::LastLevelOutcome]))
    ShowLevelCompleteBanner(*this, banner);
}

// ---- Hints, effects and the developer keys ------------------------------------------------

void CGameField::UpdateHintCharge(const float& dt) {
  m_hintCharge += dt;
  float ratio = m_hintCharge / HintChargeThreshold;
  if (ratio >= 1.0f) {
    if (m_hintButton && !m_hintButton->IsEnabled()) {
      FireTip(kHintReadyTip);
      ShowHintIconParticles();
    }
    if (m_hintButton) m_hintButton->SetEnabled(true);
    ratio = 1.0f;
  } else if (m_hintButton) {
    m_hintButton->SetEnabled(false);
  }
  if (m_deliveryBar) m_deliveryBar->SetTime(m_deliveryBarLength * ratio);
  if (m_idleTimer <= HintPointerInterval || !m_pers) return;
  const GF::TPoint<int> serving{std::min(m_levelDesc->ServingCell.x, kLastCell),
                                std::min(m_levelDesc->ServingCell.y, kLastCell)};
  if (m_pers->GetCell() == serving) return;
  m_idleTimer = 0.0f;
  Append(MakePersMoveAction(m_pers, static_cast<float>(serving.x), static_cast<float>(serving.y)));
}

void CGameField::ShowHintIconParticles() {
  if (!m_deliveryBar) return;
  const GF::CObjectProperties& bar = m_deliveryBar->GetProperties();
  for (const char* file : {"Particle\\hint_icon.fgp", "Particle\\hint_icon_2.fgp"}) {
    const GF::THolder<GF::HGENS::CFGParticle> particle =
        GF::HGENS::CFGParticle::Create(file, "particles_2", 1.2f, true);
    particle->SetScene(GetLevelInterfaceLayer());
    particle->SetPosition(bar.x - 5.0f, bar.y + 3.0f);
    particle->SetLayer(m_deliveryBar->GetLayer() + 10);
  }
  PlaySoundById(kHintReadySound);
}

void CGameField::UseHint() {
  if (m_hintCharge < HintChargeThreshold || m_stopped) return;
  FireTip(kHintUsedTip);
  const GF::THolder<CZacaz> selected = m_receptPanel.GetSelectedOrder();
  if (selected && selected->IsComplete()) {
    SpendHint();
    Run(MakeLightAnimationAction(m_plate, kSourceLight, kHintLightTime, true, false));
    return;
  }
  const GF::THolder<CCookObject> device = FindNextNeededObject(true);
  if (!device) return;
  SpendHint();
  const float swell = device->GetDescription().WorkFlag != 0 ? 0.0f : kSourceLight;
  Run(MakeLightObjectAction(device, swell, kHintLightTime, true, false));
}

void CGameField::SpendHint() {
  m_hintCharge = 0.0f;
  if (m_deliveryBar) m_deliveryBar->SetTime(0.0f);
  PlaySoundById(kHintSound);
}

void CGameField::ShowPlateEffect(const float& dt) {
  FireTip(kPlateWaitsTip);
  m_plateEffectTimer += dt;
  if (m_plateEffectTimer <= ServedOrderBonusTime) return;
  m_plateEffectTimer = 0.0f;
  Engine* engine = hgeCreate(ENGINE_VERSION);
  const int side = engine->RandomInt(1, 4);
  engine->Release();
  // Half the periods show nothing; else a puff right of the plate, or left and mirrored.
  if (side <= 2) return;
  const GF::THolder<GF::HGENS::CFGParticle> fog =
      GF::HGENS::CFGParticle::Create("Particle\\fog_plate.fgp", "particles_3", 0.5f, true);
  const GF::CObjectProperties& plate = m_plate->GetProperties();
  fog->SetScene(GetLevelInterfaceLayer());
  fog->SetPosition(plate.x + (side == 3 ? 50.0f : -50.0f), plate.y);
  if (side == 4) fog->SetDirection(-fog->GetDirection());
  fog->SetLayer(m_plate->GetLayer() + 2);
}

namespace {

// Every opaque sprite of the device's animation brightened by `amount` (0 is its own look).
void Brighten(const CCookObject& device, float amount) {
  const AnimationPtr node = device.HolderGetCast();
  if (!node) return;
  const std::uint32_t color = GF::ColorToArgb({amount, amount, amount, 1.0f});
  for (int i = 0; i < node->GetObjectCount(); ++i) {
    const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{node->GetDrawable(i)};
    if (sprite && (sprite->GetColor() >> 24) == 0xFF) sprite->SetColor(color, kAddBlend);
  }
}

}  // namespace

void CGameField::UpdateDeviceHighlight(const float& dt) {
  const GF::CMouse& mouse = *GF::HGENS::GetMouse();
  GF::THolder<CCookObject> target = ObjectAt({mouse.fx, mouse.fy});
  if (target && !target->IsShown()) target.Reset();
  if (target != m_highlightIn) {
    if (m_highlightOut) Brighten(*m_highlightOut, 0.0f);
    m_highlightOut = m_highlightIn;
    m_highlightOutRamp = m_highlightInRamp;
    m_highlightIn = target;
    m_highlightInRamp = 0.0f;
  }
  if (m_highlightIn) {
    m_highlightInRamp += dt;
    const float q = m_highlightInRamp / HoverHighlightRamp;
    if (q > 1.0f)
      m_highlightInRamp = HoverHighlightRamp;
    else
      Brighten(*m_highlightIn, kHighlight * q);
  }
  if (m_highlightOut) {
    m_highlightOutRamp -= dt;
    const float q = std::max(m_highlightOutRamp / HoverHighlightRamp, 0.0f);
    Brighten(*m_highlightOut, kHighlight * q);
    if (q == 0.0f) m_highlightOut.Reset();
  }
}

void CGameField::OnHoverStart(const GF::TPoint<float>& mouse) {
  if (!IsPlaying()) return;
  const GF::THolder<CCookObject> device = ObjectAt(mouse);
  if (!device || !device->IsShown() || InGameTips.m_showing) {
    m_hoverShown = false;
    return;
  }
  if (m_balloon && ObjectAt(m_balloon->GetPosition()) == device) return;
  ShowSpeechBalloon(device->GetDescription().WideName, mouse, *this);
}

void CGameField::OnHoverEnd(const GF::TPoint<float>& mouse) {
  const GF::THolder<CCookObject> under = ObjectAt(mouse);
  if (m_balloon && under && ObjectAt(m_balloon->GetPosition()) == under) {
    m_hoverShown = true;
    return;
  }
  ShowSpeechBalloon(L"", {}, *this);
}

void CGameField::OnKeyDown(int code) {
  if (!CheatModeEnabled) return;
  PlayerProfile& profile = CurrentProfile();
  switch (code) {
    case kWinKey:
      if (m_stopped || m_receptPanel.GetOrders().empty()) return;
      profile.Floats[ProfileFloat::CurrentPlace] =
          m_queueCapacity == kSpecialCapacity ? kPlayerWon : 1.0f;
      EndLevel();
      CheatCompleteLevel(m_levelKey);
      return;
    case kDressKey:
      profile.Floats[ProfileFloat::StageUpgrade] += 1.0f;
      CreateCook();
      return;
    case kBonusKey:
      CreateNextBonus();
      return;
    case kSpeedKey:
      GameSpeedFactor *= kCheatSpeed;
      PatienceDrainFactor *= kCheatSpeed;
      return;
    default:
      return;
  }
}

void CGameField::CreateNextBonus() {
  const LevelBonusEntry* entry = GetNextBonusEntry();
  if (!entry) return;
  const auto found = BonusTable.find(entry->Kind);
  if (found == BonusTable.end()) return;
  const AnimationPtr icon = CreateInLevelLayer(found->second.Name);
  if (icon) icon->Play("_show", 0, false);
  CreateBonus(found->second, icon, m_receptPanel.GetSelectedOrder());
}

void CGameField::IntroduceNewDevice() {
  // The device's text is keyed by its catalogue key behind the module's point.
  const std::string& key = m_newDevice->GetDescription().Key;
  const std::size_t dot = key.find('.');
  const std::wstring text =
      GF::HGENS::GetResources()->GetText(dot == std::string::npos ? key : key.substr(dot + 1));
  Append(MakeWaitAction(kIntroduceWait));
  if (m_pers) {
    const GF::TPoint<float> cell = CellBefore(*m_newDevice, kIntroduceStepAside);
    Append(MakePersMoveAction(m_pers, cell.x, cell.y));
  }
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CGameField::ToggleNewDeviceHint)));
  // The new one fades in once the old one has gone, beside the hint box.
  Append(MakeFaideAnimationAction(m_oldDevice->HolderGetCast(), kCrossFadeTime, true, true))
      ->AddNext(
          MakeFaideAnimationAction(m_newDevice->HolderGetCast(), kCrossFadeTime, false, false));
  ShowHintText(text, kNewDeviceTextAt.x, kNewDeviceTextAt.y);
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CGameField::ToggleNewDeviceHint)));
  const GF::TPoint<std::int32_t> serving = m_levelDesc->ServingCell;
  Append(MakePersMoveAction(m_pers, static_cast<float>(serving.x), static_cast<float>(serving.y)));
}

void CGameField::ToggleNewDeviceHint() {
  if (m_newDeviceParticle) {
    m_newDeviceParticle->Stop();
    m_newDeviceParticle.Reset();
    return;
  }
  PlaySoundById(kHintSound);
  m_newDeviceParticle = GF::HGENS::CFGParticle::Create("Particle\\hint.fgp", "particles_2",
                                                       GF::HGENS::CFGParticle::kEndless, false);
  const AnimationPtr device = m_newDevice ? m_newDevice->HolderGetCast() : nullptr;
  if (device) m_newDeviceParticle->SetPosition(device->GetPosition());
  m_newDeviceParticle->SetLayer(IngredientFlyLayer);
  m_newDeviceParticle->SetScene(GetLevelInterfaceLayer());
}

void CGameField::ShowLastStageHint() {
  m_lastStageHint = CreateInLevelLayer("hints.hint_last_stage");
  if (!m_lastStageHint) return;
  if (const AnimationPtr next = GF::HGENS::FindRequiredPart(m_lastStageHint, "_item_continue"))
    next->Play("_disabled", 1, false);
  m_lastStageHint->SetPosition(kLastStageHintAt);
  m_lastStageHint->SetLayer(HudLayerBase + kLastStageHintAboveHud);
  for (const char* part : {"_part_1", "_part_2", "_part_3", "_part_4"}) {
    Append(MakeAnimationWaitAction(m_lastStageHint, part, 1, false));
    Append(MakeWaitButtonAction("_item_ok", m_lastStageHint));
  }
  Append(MakeAnimationWaitAction(m_lastStageHint, "_part_5", 1, false));
  Append(MakeWaitButtonAction("_item_continue", m_lastStageHint));
  Append(MakeAnimationWaitAction(m_lastStageHint, "_part_6", 1, false));
  Append(MakeExecuteAction(GF::MakeDelegate(this, &CGameFieldBase::ShowManual)));
}
