#include "framework/engine/particles/ParticleServices.h"

#include "framework/engine/particles/CFGFParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/resources/CObjectData.h"
#include "framework/engine/scene/CScene.h"

namespace GF::HGENS {
namespace {

void UpdateParticles(const float& dt) {
  ParticleRegistry::Instance().Update(dt);
}

void LeaveScene(const GF::IScene* scene) {
  ParticleRegistry::Instance().Clear(scene);
}

}  // namespace

void InstallParticleServices() {
  CObjectData::SetMaker(CObjectData::Kind::Particle, &CFGFParticle::Create);
  CScene::ParticleHooks& hooks = CScene::GetParticleHooks();
  hooks.update = &UpdateParticles;
  hooks.leaveScene = &LeaveScene;
}

}  // namespace GF::HGENS
