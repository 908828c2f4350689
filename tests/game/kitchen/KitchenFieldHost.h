#pragma once

// A small host screen that stands in for the game screen around the kitchen field: it makes
// the field on the level interface layer of its own scene, binds the HUD, loads "stage1_1",
// builds the kitchen scene and drives the field each idle frame (its frame runs the cook).

#include "framework/core/THolder.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "game/kitchen/CGameField.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace pm::test {

class CKitchenFieldHost : public GF::HGENS::CMenuScreenAbstract {
 public:
  GF::THolder<CGameField> field;

 protected:
  void OnInit() override {
    SetLevelInterfaceLayer(GetScene());
    field = CGameField::Create();
    field->BuildHUD(GetLayout(), GF::THolder<GF::IScreen>(this));
    if (!field->LoadLevel("stage1_1")) return;
    m_kitchen = GetScene()->CreateAnimation(field->GetLevelDescription()->SceneAnimationName());
    m_kitchen->SetPosition(400.0f, 300.0f);
    m_kitchen->Play("all", 0, false);
    field->SetupPlates(m_kitchen);
    CMenuScreenAbstract::OnInit();
  }
  bool IdleUpdate(const float& dt) override {
    if (!CMenuScreenAbstract::IdleUpdate(dt)) return false;
    field->Update(dt);
    return true;
  }
  void OnDestroy() override {
    field->Shutdown();
    field.Reset();
    m_kitchen.Reset();
    SetLevelInterfaceLayer(nullptr);
    CMenuScreenAbstract::OnDestroy();
  }

 private:
  GF::IAnimation::AnimationPtr m_kitchen;
};

}  // namespace pm::test
