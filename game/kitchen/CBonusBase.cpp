#include "game/kitchen/CBonusBase.h"

#include <numbers>
#include <utility>

#include "framework/core/IScene.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/kitchen/MotionSetters.h"

namespace {

constexpr float kCollectTime = 1000.0f;
constexpr float kCoinHalfTime = 500.0f;
constexpr float kCoinScale = 3.0f;
constexpr float kVisualWait = 2000.0f;
constexpr float kBannerX = 400.0f;
constexpr float kBannerY = 200.0f;
constexpr float kSparkleEmission = 5.0f;

}  // namespace

void CBonusBase::TuningRestore::Set(float value) {
  m_saved = m_value;
  m_set = value;
  m_value = value;
}

void CBonusBase::TuningRestore::Track() {
  if (m_value != m_set) m_saved = m_value;
}

CBonusBase::CBonusBase(GF::THolder<CGameFieldBase> field, const BonusDescription& record,
                       AnimationPtr visual)
    : m_visual(std::move(visual)), m_field(std::move(field)), m_record(&record) {}

void CBonusBase::Start() {
  m_remaining = m_record->Duration;
  if (m_visual)
    Collect(0.0f, 0.0f);
  else
    OnCollected(nullptr);
}

void CBonusBase::Collect(float, float) {
  m_flight = CreateFlyObject();
  m_flight->AddTarget(m_visual);
  m_flight->SetDuration(kCollectTime);
  SetFloatLineMotion2(*m_flight, 0.0f, 2.0f * std::numbers::pi_v<float>);
  SetScaleCoinMotion(*m_flight, kCoinHalfTime, {kCoinScale, kCoinScale});
  m_flight->m_landedEvent.Subscribe(GF::MakeDelegate(this, &CBonusBase::OnCollected));
  if (m_field) AddFlyObject(*m_field, m_flight);

  const GF::THolder<GF::HGENS::CFGParticle> sparkle =
      GF::HGENS::CFGParticle::Create("Particle\\get_object.fgp", "particles_2", 1.0f, true);
  if (!sparkle) return;
  // A burst thicker than the file's trail, carried by the icon alone.
  sparkle->SetSegmentsFollow(false);
  sparkle->SetEmission(sparkle->GetEmission() * kSparkleEmission);
  const GF::TPoint<float> at = m_visual->GetPosition();
  sparkle->SetPosition(at.x, at.y);
  sparkle->SetScene(m_visual->GetScene());
  sparkle->SetOwner(m_visual);
  sparkle->SetLayer(m_visual->GetLayer() - 1);
}

void CBonusBase::OnCollected(GF::THolder<CFlyObject>) {
  PlaySoundByName(m_record->Name);
}

void CBonusBase::ShowBanner(const std::string& name) {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  const AnimationPtr banner = layer ? layer->CreateAnimation(name) : nullptr;
  if (!banner) return;
  banner->SetPosition(kBannerX, kBannerY);
  banner->Play("all", 1, true);
  banner->SetLayer(HudLayerBase);
}

bool CBonusBase::WaitForVisual(const float& dt) {
  if (!m_visual || m_visual->IsStopped() || m_visualWait >= kVisualWait) return false;
  m_visualWait += dt;
  return true;
}

void CBonusBase::Update(const float& dt) {
  if (m_done) return;
  m_remaining -= dt;
  if (m_remaining > 0.0f || WaitForVisual(dt)) return;
  if (m_visual && !m_hiding) {
    m_hiding = true;
    m_visualWait = 0.0f;
    m_visual->Play("_hide", 1, false);
    return;
  }
  m_done = true;
  End();
}

void CBonusBase::End() {
  if (m_ended) return;
  m_ended = true;
  OnEnd();
  if (!m_visual) return;
  m_visual->RemoveFromParent();
  if (m_field) m_field->GetBonusRow().Remove(m_visual);
}

void CBonusBase::Finish() {
  End();
  // The flight may outlive this bonus in the field's fly worker.
  if (m_flight) m_flight->m_landedEvent.Clear();
  m_field.Reset();
}
