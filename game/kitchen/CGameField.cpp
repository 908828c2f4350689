#include "game/kitchen/CGameField.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CInGameHintStrategy.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/FloorQuad.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "platform/Engine.h"

namespace {

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
  m_receptPanel.Clear();
  m_pers.Reset();
  RemoveDevices();
}
