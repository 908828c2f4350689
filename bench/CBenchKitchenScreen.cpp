#include "bench/CBenchKitchenScreen.h"

#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileString.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/CZacaz.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

constexpr const char* kLevel = "stage1_1";
constexpr float kIntroStep = 20.0f;  // ms, as the measured frames
constexpr int kIntroFrames = 2000;   // far more than the intro takes
constexpr int kCycleFrames = 150;    // a batter's walks, flights and mixing, and a little
constexpr int kFlourFrame = 10;      // the second click of a cycle
constexpr int kMixerFrame = 80;      // the mixer, once both ingredients are on their way

}  // namespace

GF::THolder<GF::IScreen> CBenchKitchenScreen::Create() {
  return GF::THolder<GF::IScreen>(new CBenchKitchenScreen);
}

void CBenchKitchenScreen::OnInit() {
  SetLevelInterfaceLayer(GetScene());
  CurrentProfile().Strings[ProfileString::CurrentLevelKey] = kLevel;
  m_field = CGameField::Create();
  m_field->BuildHUD(GetLayout(), GF::THolder<GF::IScreen>(this));
  if (m_field->LoadLevel(kLevel)) {
    m_kitchen = GetScene()->CreateAnimation(m_field->GetLevelDescription()->SceneAnimationName());
    m_kitchen->SetPosition(400.0f, 300.0f);
    m_kitchen->Play("all", 0, false);
    m_field->SetupPlates(m_kitchen);
    // The count-down is no steady frame: it runs before the phase.
    for (int frame = 0; frame < kIntroFrames && !m_field->IsPlaying(); ++frame) {
      m_field->Update(kIntroStep);
      GetScene()->Update(kIntroStep);
    }
  }
  CMenuScreenAbstract::OnInit();
}

GF::THolder<CCookObject> CBenchKitchenScreen::Device(const std::string& key) const {
  for (const GF::THolder<CCookObject>& device : m_field->GetCookObjects())
    if (device->GetDescription().Key == key) return device;
  return {};
}

void CBenchKitchenScreen::Play() {
  const int step = m_frame++ % kCycleFrames;
  if (step == 0) m_field->OnObjectClicked(Device("Ingredients.eggs"));
  if (step == kFlourFrame) m_field->OnObjectClicked(Device("Ingredients.flour"));
  if (step == kMixerFrame) m_field->OnObjectClicked(Device("Devices.mixer"));
  const GF::THolder<CZacaz> order = m_field->GetReceptPanel()->GetSelectedOrder();
  if (order && order->IsComplete()) m_field->OnDelivery();
}

bool CBenchKitchenScreen::IdleUpdate(const float& dt) {
  if (!CMenuScreenAbstract::IdleUpdate(dt)) return false;
  if (m_field->IsPlaying()) Play();
  m_field->Update(dt);
  return true;
}

void CBenchKitchenScreen::OnDestroy() {
  m_field->Shutdown();
  m_field.Reset();
  m_kitchen.Reset();
  SetLevelInterfaceLayer(nullptr);
  CMenuScreenAbstract::OnDestroy();
}
