#pragma once

// The kitchen host with an order panel, standing in for the kitchen field in the replays of
// taking and serving orders: the field finds the placed devices by key, holds the panel and
// serves as the kitchen field will (the delivery button serves the selected order when it
// is complete; a served order is carried to its bubble by the serving action; a special
// order asks for the next record of its type, and a rival's order cooks itself). The host
// runs the panel after the field each frame, lets a left click on a bubble select its order
// and sends the cook as the kitchen field does on a click (Click).

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/app/Services.h"
#include "game/app/LevelDescription.h"
#include "game/kitchen/CGetObjectAction.h"
#include "game/kitchen/CPersMoveAction.h"
#include "game/kitchen/CReceptAIAction.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/CShowZacazAction.h"
#include "game/kitchen/CZacaz.h"
#include "platform/Engine.h"
#include "tests/game/kitchen/KitchenHostScreen.h"

namespace pm::test {

class CPanelField : public CGameFieldBase {
 public:
  explicit CPanelField(const std::vector<GF::THolder<CCookObject>>& devices) : m_devices(devices) {}

  GF::THolder<CCookObject> FindObject(const std::string& key, bool) override {
    for (const GF::THolder<CCookObject>& device : m_devices)
      if (device->GetDescription().Key == key) return device;
    return {};
  }
  CReceptPanel* GetReceptPanel() override { return &panel; }
  void OnDelivery() override {
    const GF::THolder<CZacaz> selected = panel.GetSelectedOrder();
    if (selected && selected->IsComplete()) OnOrderServed(selected);
  }
  void OnOrderServed(GF::THolder<CZacaz> order) override {
    CGameFieldBase::OnOrderServed(order);
    Append(MakeShowZacazAction(order));
  }
  // The next record of that type not queued yet, from the records given.
  bool AddOrder(int type) override {
    for (; records && m_next < records->size(); ++m_next) {
      const LevelOrderRecord& record = (*records)[m_next];
      if (record.OrderType != type) continue;
      ++m_next;
      const GF::THolder<CZacaz> order = panel.AddOrder(record);
      if (order && type == 102) Run(MakeReceptAIAction(order));
      return order != nullptr;
    }
    return false;
  }

  CReceptPanel panel;
  const std::vector<LevelOrderRecord>* records = nullptr;

 private:
  const std::vector<GF::THolder<CCookObject>>& m_devices;
  std::size_t m_next = 0;
};

class CPanelHostScreen : public CKitchenHostScreen {
 public:
  CPanelField& Kitchen() { return static_cast<CPanelField&>(*field); }
  CReceptPanel& Panel() { return Kitchen().panel; }

  // A customer comes with the level's record.
  GF::THolder<CZacaz> Arrive(std::size_t record) {
    return Panel().AddOrder(field->GetLevelDescription()->Orders.at(record));
  }
  // The player clicked the device or source of that key for the selected order: it is
  // taken (busy, its item delivered) and the cook walks to the floor cell in front of it,
  // then fetches it.
  void Click(const std::string& key) {
    const GF::THolder<CCookObject> object = field->FindObject(key, false);
    const GF::THolder<CZacaz> order = Panel().GetSelectedOrder();
    const int item = order->FindItemForObject(key);
    object->SetActive(false);
    order->SetItemDelivered(item);
    const GF::TPoint<float> at = object->HolderGetCast()->GetPosition();
    const float across = (at.x - KitchenFloor.TL.x) / (KitchenFloor.TR.x - KitchenFloor.TL.x);
    field->Append(MakePersMoveAction(cook, across * CPers::kGridSize, 1.0f));
    field->Append(MakeGetObjectAction(object, order, item));
  }

 protected:
  GF::THolder<CGameFieldBase> MakeField() override { return GF::MakeHolder<CPanelField>(devices); }
  void OnKitchenReady() override { Panel().SetField(field); }
  bool IdleUpdate(const float& dt) override {
    if (!CKitchenHostScreen::IdleUpdate(dt)) return false;
    Panel().Update(dt);
    Engine* engine = hgeCreate(ENGINE_VERSION);
    const bool down = engine->GetKeyState(KEY_LBUTTON);
    engine->Release();
    if (down && !m_buttonDown) {
      const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
      if (const GF::THolder<CZacaz> hit = Panel().HitTest({mouse->fx, mouse->fy}))
        Panel().SelectOrder(hit);
    }
    m_buttonDown = down;
    return true;
  }
  void OnKitchenClosing() override { Panel().Shutdown(); }

 private:
  bool m_buttonDown = false;
};

}  // namespace pm::test
