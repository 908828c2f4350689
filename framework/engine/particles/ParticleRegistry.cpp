#include "framework/engine/particles/ParticleRegistry.h"

#include <algorithm>

#include "framework/core/IDrawable.h"
#include "framework/core/IObjectAnimation.h"

namespace GF::HGENS {
namespace {

using DrawablePtr = GF::TSmartIPtr<GF::IDrawable, GF::kIdDrawable>;
using ObjectPtr = GF::TSmartIPtr<GF::IObjectAnimation, GF::kIdObjectAnimation>;

}  // namespace

ParticleRegistry& ParticleRegistry::Instance() {
  static ParticleRegistry registry;
  return registry;
}

void ParticleRegistry::Add(const ParticlePtr& particle) {
  if (particle) m_particles.push_back(particle);
}

void ParticleRegistry::Update(const float& dt) {
  if (!enabled) return;
  // By index: an update may register new systems, which then wait for the next frame.
  const std::size_t count = m_particles.size();
  std::size_t i = 0;
  for (std::size_t walked = 0; walked < count && i < m_particles.size(); ++walked) {
    const ParticlePtr particle = m_particles[i];  // the list may hold the last reference
    if (!particle->IsFreeStanding()) {
      ++i;
    } else if (particle->IsActive()) {
      if (const ObjectPtr object{particle}) object->Update(dt);
      ++i;
    } else {
      if (const DrawablePtr drawable{particle}) drawable->SetScene({});
      m_particles.erase(m_particles.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

void ParticleRegistry::Clear(const GF::IScene* scene) {
  if (!scene) return;
  std::vector<ParticlePtr> leaving;
  std::erase_if(m_particles, [&](const ParticlePtr& particle) {
    const DrawablePtr drawable{particle};
    if (!drawable || drawable->GetScene().Get() != scene) return false;
    leaving.push_back(particle);
    return true;
  });
  for (const ParticlePtr& particle : leaving) DrawablePtr {
      particle
      } -> SetScene({});
}

void ParticleRegistry::Clear() {
  std::vector<ParticlePtr> particles;
  particles.swap(m_particles);
}

bool ParticleRegistry::Contains(const IParticle* particle) const {
  return std::find(m_particles.begin(), m_particles.end(), particle) != m_particles.end();
}

}  // namespace GF::HGENS
