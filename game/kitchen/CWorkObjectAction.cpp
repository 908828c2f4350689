#include "game/kitchen/CWorkObjectAction.h"

#include <utility>

#include "framework/engine/app/Services.h"
#include "game/app/GameData.h"

namespace {

constexpr float kSoundRepeat = 4000.0f;
// Past the repeat time, so the next update starts the sound.
constexpr float kSoundDue = kSoundRepeat + 1.0f;
constexpr float kUpgradeFactor = 0.6666667f;

float ItemWorkTime(const CZacaz& order, int item) {
  const RecipeRecord* recipe = order.GetRecipe();
  if (!recipe || item < 0 || static_cast<std::size_t>(item) >= recipe->Items.size()) return 0.0f;
  return static_cast<float>(recipe->Items[static_cast<std::size_t>(item)].WorkTime);
}

}  // namespace

CWorkObjectAction::CWorkObjectAction(GF::THolder<CCookObject> device, GF::THolder<CZacaz> order,
                                     int item)
    : m_item(item), m_device(std::move(device)), m_order(std::move(order)) {}

GF::THolder<CGameFieldBase> CWorkObjectAction::Field() const {
  return m_order ? m_order->GetField() : GF::THolder<CGameFieldBase>();
}

void CWorkObjectAction::Start() {
  if (!m_device || !m_order) {
    m_done = true;
    return;
  }
  const bool upgraded = m_device->GetDescription().Key.find("UPG_") != std::string::npos;
  const float factor = upgraded ? kUpgradeFactor : 1.0f;
  m_duration = ItemWorkTime(*m_order, m_item) * CookTimeFactor * factor;
  m_soundTimer = kSoundDue;
  m_order->SetWorking(true, m_item, m_device->GetDescription().Key, m_duration);
  m_device->SetActive(false);
  m_working = true;
  CCookObject::StartWork(m_device, Field());
}

void CWorkObjectAction::Update(const float& dt) {
  m_elapsed += dt;
  m_soundTimer += dt;
  m_order->UpdateWorkProgress(dt);
  if (m_soundTimer > kSoundRepeat) {
    m_soundTimer = 0.0f;
    PlayWorkSound();
  }
  if (m_elapsed <= m_duration && !m_order->IsLeaving()) return;
  m_done = true;
  if (!m_order->IsLeaving()) {
    m_order->SetWorking(false, m_item, "", 0.0f);
    m_order->CompleteItem(m_item);
  }
  End(false);
}

void CWorkObjectAction::PlayWorkSound() const {
  const std::string& sound = m_device->GetDescription().WorkSound;
  const GF::THolder<GF::HGENS::IGameSound> player = GF::HGENS::GetGameSound();
  if (sound.empty() || !player) return;
  // A bonus that changed the cooking speed plays the sound twice, faster.
  if (CookTimeFactor == 1.0f)
    player->Play(sound, 1, 0.0f, 0.0f, 0.0f);
  else
    player->Play(sound, 2, 0.0f, 0.0f, 2.0f);
}

void CWorkObjectAction::Notify(bool paused) {
  if (!m_working) return;
  if (!paused) {
    m_soundTimer = kSoundDue;
    return;
  }
  const GF::THolder<GF::HGENS::IGameSound> player = GF::HGENS::GetGameSound();
  if (player && !m_device->GetDescription().WorkSound.empty())
    player->Stop(m_device->GetDescription().WorkSound);
}

void CWorkObjectAction::Finish() {
  if (m_working) End(true);
}

void CWorkObjectAction::End(bool quiet) {
  m_working = false;
  m_device->SetActive(true);
  CCookObject::EndWork(m_device, Field(), quiet);
}

CActionBase::Holder MakeWorkObjectAction(GF::THolder<CCookObject> device, GF::THolder<CZacaz> order,
                                         int item) {
  return CActionBase::Holder(new CWorkObjectAction(std::move(device), std::move(order), item));
}
