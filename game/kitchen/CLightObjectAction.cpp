#include "game/kitchen/CLightObjectAction.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "framework/engine/scene/ISprite.h"
#include "game/app/GameData.h"

namespace {

constexpr std::uint32_t kTintColor = 0xFF663333;
constexpr std::uint32_t kNoTint = 0xFF000000;  // nothing added
constexpr int kAddBlend = 3;
// The electric stove sparks where it stands; every other object sparkles as it moves.
constexpr std::string_view kStove = "electric_stove_4";

bool IsStove(const GF::IAnimation& node) {
  const std::string_view name = node.GetName();
  const std::size_t point = name.rfind('.');
  return name.substr(point == std::string_view::npos ? 0 : point + 1) == kStove;
}

}  // namespace

CLightObjectAction::CLightObjectAction(GF::IAnimation::AnimationPtr node,
                                       GF::THolder<CCookObject> object, float amplitude,
                                       float duration, bool tint, bool fade)
    : m_fade(fade),
      m_duration(duration),
      m_amplitude(amplitude),
      m_tint(tint),
      m_node(std::move(node)),
      m_object(std::move(object)) {}

void CLightObjectAction::Start() {
  if (!m_node) {
    m_done = true;
    return;
  }
  m_baseScale = m_node->GetScale();
  if (m_tint) Tint(kTintColor);
  m_particleFollows = !IsStove(*m_node);
  m_particle = GF::HGENS::CFGParticle::Create(
      m_particleFollows ? "Particle\\hint.fgp" : "Particle\\electric_stove_4.fgp", "particles_2",
      GF::HGENS::CFGParticle::kEndless, false);
  m_particle->SetLayer(IngredientFlyLayer);
  const GF::TPoint<float> at = m_node->GetPosition();
  m_particle->SetPosition(at.x, at.y);
  m_particle->SetScene(m_node->GetScene());
  m_lit = true;
}

void CLightObjectAction::Update(const float& dt) {
  m_elapsed += dt;
  float u = m_duration > 0.0f ? m_elapsed / m_duration : 1.0f;
  const bool taken = m_object && (!m_object->IsActive() || !m_object->IsShown());
  if (taken) u = 1.0f;
  const float s = m_amplitude * std::sin(std::numbers::pi_v<float> * u) + 1.0f;
  m_node->SetScale(s * m_baseScale.x, s * m_baseScale.y);
  if (m_particleFollows) {
    const GF::TPoint<float> at = m_node->GetPosition();
    m_particle->SetPosition(at.x, at.y);
  }
  if (u >= 1.0f) {
    Restore();
    m_done = true;
  }
  if (m_fade) m_node->SetOpacity(std::max(0.0f, 1.0f - u));
}

void CLightObjectAction::Finish() {
  Restore();
}

void CLightObjectAction::Tint(std::uint32_t color) const {
  for (int i = 0; i < m_node->GetObjectCount(); ++i) {
    if (const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{m_node->GetDrawable(i)}) {
      sprite->SetColor(color, kAddBlend);
      return;
    }
  }
}

void CLightObjectAction::Restore() {
  if (!m_lit) return;
  m_lit = false;
  m_particle->Stop();
  if (m_tint) Tint(kNoTint);
  m_node->SetScale(m_baseScale.x, m_baseScale.y);
}

CActionBase::Holder MakeLightObjectAction(GF::THolder<CCookObject> object, float amplitude,
                                          float duration, bool tint, bool fade) {
  GF::IAnimation::AnimationPtr node = object ? object->HolderGetCast() : nullptr;
  return CActionBase::Holder(
      new CLightObjectAction(std::move(node), std::move(object), amplitude, duration, tint, fade));
}

CActionBase::Holder MakeLightAnimationAction(GF::IAnimation::AnimationPtr animation,
                                             float amplitude, float duration, bool tint,
                                             bool fade) {
  return CActionBase::Holder(
      new CLightObjectAction(std::move(animation), nullptr, amplitude, duration, tint, fade));
}
