#include "game/kitchen/CCookDecreaseBonus.h"

#include <string>
#include <string_view>
#include <utility>

#include "game/app/GameData.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

constexpr float kSpeedUp = 3.0f;

// "Devices.mixer" -> "Particle\mixer.fgp".
std::string ParticleFileOf(std::string_view animationName) {
  const std::size_t point = animationName.rfind('.');
  const std::string_view name =
      animationName.substr(point == std::string_view::npos ? 0 : point + 1);
  return "Particle\\" + std::string(name) + ".fgp";
}

}  // namespace

CActionBase::Holder CCookDecreaseBonus::Create(GF::THolder<CGameFieldBase> field,
                                               const BonusDescription& record,
                                               AnimationPtr visual) {
  return CActionBase::Holder(new CCookDecreaseBonus(std::move(field), record, std::move(visual)));
}

void CCookDecreaseBonus::Start() {
  CBonusBase::Start();
  CookTimeFactor /= kSpeedUp;
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  for (const GF::THolder<CCookObject>& device : m_field->GetCookObjects()) {
    const AnimationPtr animation = device->HolderGetCast();
    if (!device->GetDescription().WorkFlag || !animation || !animation->GetName()) continue;
    const GF::THolder<GF::HGENS::CFGParticle> particle =
        GF::HGENS::CFGParticle::Create(ParticleFileOf(animation->GetName()), "particles_2",
                                       GF::HGENS::CFGParticle::kEndless, false);
    // The file's spawn shapes are drawn about the device's origin.
    particle->TransformShape(animation->GetProperties());
    particle->SetScene(layer);
    particle->SetLayer(animation->GetLayer() + 1);
    m_particles.push_back(particle);
  }
  ShowBanner("bonus_name_2");
}

void CCookDecreaseBonus::OnEnd() {
  CookTimeFactor *= kSpeedUp;
  for (const GF::THolder<GF::HGENS::CFGParticle>& particle : m_particles) particle->Stop();
}
