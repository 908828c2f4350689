#include "bench/CBenchKitchenScreen.h"

#include "game/app/GameData.h"
#include "game/kitchen/CGetObjectAction.h"
#include "game/kitchen/CWorkObjectAction.h"
#include "game/kitchen/CZacaz.h"
#include "game/kitchen/FloorQuad.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

constexpr int kOrders = 5;
constexpr int kCycleFrames = 110;  // the mixer's 2000 ms and a little
constexpr float kCounterCells[] = {3.0f, 12.0f};

}  // namespace

GF::THolder<GF::IScreen> CBenchKitchenScreen::Create() {
  return GF::THolder<GF::IScreen>(new CBenchKitchenScreen);
}

void CBenchKitchenScreen::OnInit() {
  SetLevelInterfaceLayer(GetScene());
  m_field = GF::MakeHolder<CGameFieldBase>();
  m_field->BuildHUD(GetLayout(), GF::THolder<GF::IScreen>(this));
  if (m_field->LoadLevel("stage1_1")) {
    const LevelDescription& level = *m_field->GetLevelDescription();
    m_kitchen = GetScene()->CreateAnimation(level.SceneAnimationName());
    m_kitchen->SetPosition(400.0f, 300.0f);
    m_kitchen->Play("all", 0, false);
    m_field->SetupPlates(m_kitchen);
    for (const DeviceSlot& slot : level.DeviceSlots) {
      m_devices.push_back(CCookObject::Create(slot, GetLevelInterfaceLayer()));
      if (const auto animation = m_devices.back()->HolderGetCast())
        animation->Play("_idle", 0, false);
    }
    const auto corners = level.FloorCorners();
    KitchenFloor = {corners[0], corners[1], corners[2], corners[3]};
    m_cook = CPers::Create(DressByUpgradeLevel[0], level.Obstacles.begin(), level.Obstacles.end(),
                           GetLevelInterfaceLayer());
    m_panel.SetField(m_field);
    // Kept here: the orders read their records as long as they live.
    m_records.assign(kOrders, level.Orders.front());
    for (const LevelOrderRecord& record : m_records) m_orders.push_back(m_panel.AddOrder(record));
  }
  CMenuScreenAbstract::OnInit();
}

GF::THolder<CCookObject> CBenchKitchenScreen::Device(const std::string& key) const {
  for (const GF::THolder<CCookObject>& device : m_devices)
    if (device->GetDescription().Key == key) return device;
  return {};
}

void CBenchKitchenScreen::StartCycle() {
  const GF::THolder<CZacaz>& order = m_orders[static_cast<std::size_t>(m_cycle % kOrders)];
  m_cook->MoveTo(kCounterCells[m_cycle % 2], 1.0f);
  m_field->Run(MakeGetObjectAction(Device("Ingredients.eggs"), order, 0));
  m_field->Run(MakeGetObjectAction(Device("Ingredients.flour"), order, 1));
  m_field->Run(MakeWorkObjectAction(Device("Devices.mixer"), order, 2));
  ++m_cycle;
}

bool CBenchKitchenScreen::IdleUpdate(const float& dt) {
  if (!CMenuScreenAbstract::IdleUpdate(dt)) return false;
  if (m_cook && m_frame++ % kCycleFrames == 0) StartCycle();
  m_field->Update(dt);
  m_panel.Update(dt);
  if (m_cook) m_cook->Update(dt);
  return true;
}

void CBenchKitchenScreen::OnDestroy() {
  m_field->Shutdown();
  m_panel.Shutdown();
  m_orders.clear();
  m_field.Reset();
  m_devices.clear();
  m_cook.Reset();
  m_kitchen.Reset();
  SetLevelInterfaceLayer(nullptr);
  CMenuScreenAbstract::OnDestroy();
}
