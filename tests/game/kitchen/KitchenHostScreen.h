#pragma once

// A host screen for the kitchen's replays: it stands in for the game screen and the kitchen
// field. It loads "stage1_1" on a base field, builds its kitchen and plates, places the
// level's devices from their slots (idle), puts the cook on the floor and drives field and
// cook each idle frame. Replays that need more hook in when the kitchen is ready and before
// it closes; OpenKitchenHost opens one at a replay's start.

#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/FloorQuad.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace pm::test {

class CKitchenHostScreen : public GF::HGENS::CMenuScreenAbstract {
 public:
  GF::THolder<CGameFieldBase> field;
  std::vector<GF::THolder<CCookObject>> devices;
  GF::THolder<CPers> cook;

 protected:
  void OnInit() override {
    SetLevelInterfaceLayer(GetScene());
    field = MakeField();
    field->BuildHUD(GetLayout(), GF::THolder<GF::IScreen>(this));
    if (!field->LoadLevel("stage1_1")) return;
    const LevelDescription& level = *field->GetLevelDescription();
    m_kitchen = GetScene()->CreateAnimation(level.SceneAnimationName());
    m_kitchen->SetPosition(400.0f, 300.0f);
    m_kitchen->Play("all", 0, false);
    field->SetupPlates(m_kitchen);
    for (const DeviceSlot& slot : level.DeviceSlots) {
      devices.push_back(CCookObject::Create(slot, GetLevelInterfaceLayer()));
      if (const auto animation = devices.back()->HolderGetCast())
        animation->Play("_idle", 0, false);
    }
    const auto corners = level.FloorCorners();
    KitchenFloor = {corners[0], corners[1], corners[2], corners[3]};
    cook = CPers::Create(DressByUpgradeLevel[0], level.Obstacles.begin(), level.Obstacles.end(),
                         GetLevelInterfaceLayer());
    OnKitchenReady();
    CMenuScreenAbstract::OnInit();
  }
  bool IdleUpdate(const float& dt) override {
    if (!CMenuScreenAbstract::IdleUpdate(dt)) return false;
    field->Update(dt);
    if (cook) cook->Update(dt);
    return true;
  }
  void OnDestroy() override {
    field->Shutdown();
    OnKitchenClosing();
    field.Reset();
    devices.clear();
    cook.Reset();
    m_kitchen.Reset();
    SetLevelInterfaceLayer(nullptr);
    CMenuScreenAbstract::OnDestroy();
  }
  // The field the host drives.
  virtual GF::THolder<CGameFieldBase> MakeField() { return GF::MakeHolder<CGameFieldBase>(); }
  // The level is loaded and the cook stands on the floor.
  virtual void OnKitchenReady() {}
  // The field has shut down and is about to be released.
  virtual void OnKitchenClosing() {}

 private:
  GF::IAnimation::AnimationPtr m_kitchen;
};

// Loads the data files and the default progress and opens a host of that type over the game
// screen's layout, as a replay's start does it; returns the host.
template <class Host>
Host* OpenKitchenHost(GF::HGENS::CGameManager& manager) {
  LoadGameDataFile();
  LoadLevelsDataFile();
  LoadLibraryDataFile();
  ResetProgressToDefault();
  manager.RegisterScreen("kitchen_host", [] { return GF::THolder<GF::IScreen>(new Host); });
  manager.CreateScreen("kitchen_host", "main_menu.game_screen", GF::THolder<GF::IScene>(), nullptr);
  Host* host = dynamic_cast<Host*>(manager.TopScreen().Get());
  host->Activate();
  return host;
}

}  // namespace pm::test
