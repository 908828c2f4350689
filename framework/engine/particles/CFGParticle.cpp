#include "framework/engine/particles/CFGParticle.h"

#include "framework/core/AnimatedDrawableQuery.h"
#include "framework/engine/particles/ParticleRegistry.h"

namespace GF::HGENS {
namespace {

using ObjectPtr = GF::TSmartIPtr<GF::IObjectAnimation, GF::kIdObjectAnimation>;

}  // namespace

GF::THolder<CFGParticle> CFGParticle::Create(const std::string& file, const std::string& texture,
                                             float lifetime, bool autoStop) {
  GF::THolder<CFGParticle> particle(new CFGParticle());
  particle->LoadParticleFile(file.c_str());
  particle->SetAccumulator(0.0f);
  particle->SetEmittingFlag(true);
  particle->m_lifetime = lifetime;
  particle->m_autoStop = autoStop;
  particle->m_texture = CTextureRef::ByName(texture);
  particle->CFGParticleImpl::SetTexture(particle->m_texture.Get());
  return particle;
}

CFGParticle::CFGParticle() {
  ParticleRegistry::Instance().Add(ParticleRegistry::ParticlePtr(static_cast<IParticle*>(this)));
}

bool CFGParticle::QueryInterface(const int& id, void** out) {
  if (id == GF::kIdParticle) return Grant(static_cast<IParticle*>(this), out);
  return GF::QueryAnimatedDrawable(*this, id, out);
}

const std::string& CFGParticle::GetName() const {
  static const std::string kNoName;
  return kNoName;
}

void CFGParticle::SetObjectData(const GF::THolder<GF::IObjectData>&) {}

void CFGParticle::SetAnimation(const AnimationPtr& animation) {
  // The old owner may hold the last reference.
  const ObjectPtr self(static_cast<GF::IObjectAnimation*>(this));
  if (const AnimationPtr old = m_parent) old->RemoveObject(self);
  m_parent = animation;
  if (m_parent && m_followParent) m_parent->AddObject(self);
}

void CFGParticle::Detach() {
  SetEmittingFlag(false);
  // An owner that drives the effect lets go of it as well: from now on the registry
  // updates it, and a node still updating it too would age its particles twice.
  const AnimationPtr old = std::move(m_parent);
  if (old && m_followParent) {
    old->RemoveObject(ObjectPtr(static_cast<GF::IObjectAnimation*>(this)));
  }
}

void CFGParticle::SetPlaying(bool playing) {
  SetAccumulator(0.0f);
  SetEmittingFlag(playing);
}

bool CFGParticle::Update(const float& dt) {
  if (m_delay > 0.0f) {
    m_delay -= dt;
    return true;
  }
  if (IsEmitting()) PlaceEmitter();
  if (m_lifetime != kEndless) {
    m_lifetime -= dt / 1000.0f;
    if (m_lifetime <= 0.0f) {
      m_lifetime = 0.0f;
      SetEmittingFlag(false);
      if (m_autoStop) Detach();
    }
  }
  CFGParticleImpl::Update(dt / 1000.0f);
  return true;
}

void CFGParticle::Render() {
  // The cache may have freed the texture since the last frame, and loads it again.
  if (m_texture.IsSet()) CFGParticleImpl::SetTexture(m_texture.Get());
  CFGParticleImpl::Render();
}

void CFGParticle::PlaceEmitter() {
  if (!m_parent) {
    m_properties = GF::CObjectProperties();
    const TPoint<float> at = GetPosition();
    m_properties.x = at.x;
    m_properties.y = at.y;
    return;
  }
  if (!m_followRect) {
    m_properties = m_parent->GetProperties();
    SetPosition(m_properties.x + m_offsetX, m_properties.y + m_offsetY);
    return;
  }
  GF::TRect<int> rect;
  m_parent->GetBoundingRect(rect);
  if (rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0) return;
  SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
              static_cast<float>(rect.top + rect.bottom) / 2.0f);
  ParticleParams& params = GetParams();
  params.spawnHalfWidth = static_cast<float>(rect.right - rect.left) / 2.0f;
  params.spawnHalfHeight = static_cast<float>(rect.bottom - rect.top) / 2.0f;
  params.emissionRate = m_density * params.spawnHalfWidth * params.spawnHalfHeight;
}

void CFGParticle::SetLayer(int layer) {
  if (layer == m_layer) return;
  m_layer = layer;
  if (const GF::THolder<GF::IScene>& scene = SceneRef()) scene->RequestSort();
}

}  // namespace GF::HGENS
