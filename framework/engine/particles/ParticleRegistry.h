#pragma once

#include <cstddef>
#include <vector>

#include "framework/core/IParticle.h"
#include "framework/core/IScene.h"
#include "framework/core/TSmartIPtr.h"

namespace GF::HGENS {

// The particle systems of the program, each registered at birth. The scene updates the
// registry every frame: it advances the systems no node drives and lets go of those that
// have nothing left to show.
class ParticleRegistry {
 public:
  using ParticlePtr = GF::TSmartIPtr<IParticle, GF::kIdParticle>;

  static ParticleRegistry& Instance();

  void Add(const ParticlePtr& particle);
  // dt in ms. Nothing while disabled. A free-standing system that is still active gets its
  // update; an inactive one leaves its scene and the registry.
  void Update(const float& dt);
  // The systems shown in `scene` leave it and the registry; other scenes' systems stay.
  void Clear(const GF::IScene* scene);
  // Every system leaves the registry (their scenes keep them).
  void Clear();

  std::size_t GetCount() const { return m_particles.size(); }
  bool Contains(const IParticle* particle) const;

  // Cleared by the in-level game screen while it pauses: no particle ages or leaves.
  bool enabled = true;

 private:
  std::vector<ParticlePtr> m_particles;
};

}  // namespace GF::HGENS
