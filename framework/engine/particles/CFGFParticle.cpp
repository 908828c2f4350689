#include "framework/engine/particles/CFGFParticle.h"

#include <string>

#include "framework/core/AnimatedDrawableQuery.h"
#include "framework/core/IAnimation.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {
namespace {

enum ParticleCommand { kCommandEmit = 1, kCommandStop = 2, kCommandFreeze = 3 };

}  // namespace

CFGFParticle::ObjectPtr CFGFParticle::Create() {
  return ObjectPtr(static_cast<GF::IObjectAnimation*>(new CFGFParticle()));
}

CFGFParticle::CFGFParticle() : m_engine(hgeCreate(ENGINE_VERSION)) {
  ParticleRegistry::Instance().Add(ParticleRegistry::ParticlePtr(static_cast<IParticle*>(this)));
}

CFGFParticle::~CFGFParticle() {
  m_engine->Release();
}

bool CFGFParticle::QueryInterface(const int& id, void** out) {
  if (id == GF::kIdParticle) return Grant(static_cast<IParticle*>(this), out);
  return GF::QueryAnimatedDrawable(*this, id, out);
}

void CFGFParticle::SetObjectData(const GF::THolder<GF::IObjectData>& data) {
  m_particleId.Clear();
  m_blend.Clear();
  m_offset.Clear();
  m_layer.Clear();
  m_opacity.Clear();
  m_command.Clear();
  m_spriteId.Clear();
  data_ = dynamic_cast<GF::IParticleObjectData*>(data.Get());
  if (!data_) return;
  m_particleId.Attach(data_->GetIdTrack());
  m_blend.Attach(data_->GetBlendTrack());
  m_offset.Attach(data_->GetOffsetTrack());
  m_layer.Attach(data_->GetLayerTrack());
  m_opacity.Attach(data_->GetOpacityTrack());
  m_command.Attach(data_->GetParticleCommandTrack());
  m_spriteId.Attach(data_->GetSpriteIdTrack());
}

void CFGFParticle::Detach() {
  animation_.Reset();
  m_emitter.SetEmittingFlag(false);
}

void CFGFParticle::SetPlaying(bool playing) {
  playing_ = playing;
  m_emitter.SetEmittingFlag(playing);
}

void CFGFParticle::UpdateTracks(float t) {
  m_particleId.Update(t);
  m_blend.Update(t);
  m_offset.Update(t);
  m_layer.Update(t);
  m_opacity.Update(t);
  m_command.Update(t);
  m_spriteId.Update(t);
}

void CFGFParticle::ResetTracksChanged() {
  m_particleId.ResetChanged();
  m_blend.ResetChanged();
  m_offset.ResetChanged();
  m_layer.ResetChanged();
  m_opacity.ResetChanged();
  m_command.ResetChanged();
  m_spriteId.ResetChanged();
}

bool CFGFParticle::Update(const float&) {
  if (const AnimationPtr node = animation_) {
    FollowNode(*node);
  } else {
    ResetTracksChanged();
  }
  const GF::THolder<GF::IScene>& scene = SceneRef();
  if ((m_world.changed & GF::CObjectProperties::kChangedLayer) && scene) scene->RequestSort();
  // The node's opacity fades the particles for this frame only.
  ParticleParams& params = m_emitter.GetParams();
  const float startAlpha = params.startAlpha;
  const float endAlpha = params.endAlpha;
  params.startAlpha *= m_world.opacity;
  params.endAlpha *= m_world.opacity;
  m_emitter.SetPosition(m_world.x, m_world.y);
  m_emitter.Update(m_engine->GetDelta());
  params.startAlpha = startAlpha;
  params.endAlpha = endAlpha;
  return true;
}

void CFGFParticle::FollowNode(GF::IAnimation& node) {
  const bool stopped = node.IsStopped();
  if (!playing_ && !stopped) {
    SetPlaying(true);
  } else if (playing_ && stopped) {
    SetPlaying(false);
  }
  if (playing_) {
    UpdateTracks(node.GetTime());
  } else {
    ResetTracksChanged();
  }
  m_world = GF::CObjectProperties();
  GF::PropertiesFromObjectData(m_world, *this);
  GF::ComposeProperties(m_world, node.GetProperties());
  // A new particle id brings its file, a new sprite id its texture.
  if (m_particleId.IsChanged()) LoadFile();
  if (m_spriteId.IsChanged()) {
    FetchSprite();
  } else {
    if (m_command.IsChanged()) ApplyCommand();
    if (m_blend.IsChanged()) ApplyBlend();
  }
}

void CFGFParticle::LoadFile() {
  const std::string file = "Particle\\" + std::to_string(m_particleId.GetValue()) + ".PSI";
  m_emitter.LoadParticleFile(file.c_str());
  m_emitter.SetEnabled(true);
}

void CFGFParticle::FetchSprite() {
  m_emitter.SetEnabled(true);
  const GF::THolder<GF::IImage> image = GetResources()->GetSprite(m_spriteId.GetValue());
  GF::THolder<CHGESprite> sprite = image ? image->GetSprite() : nullptr;
  if (!sprite) return;
  m_sprite = std::move(sprite);
  m_texture = CTextureRef(GetResources()->GetSpriteInfo(m_spriteId.GetValue())->texture);
  ApplyBlend();
  m_sprite->SetHotSpot(m_sprite->GetWidth() / 2.0f, m_sprite->GetHeight() / 2.0f);
  m_emitter.SetTexture(m_sprite->GetTexture());
  ApplyCommand();
}

void CFGFParticle::Render() {
  // The cache may have freed the texture since the last frame, and loads it again.
  if (m_sprite) {
    const EngineTexture texture = m_texture.Get();
    if (texture != m_sprite->GetTexture()) {
      m_sprite->SetTexture(texture);
      m_emitter.SetTexture(texture);
    }
  }
  m_emitter.Render();
}

void CFGFParticle::ApplyCommand() {
  switch (m_command.GetValue()) {
    case kCommandEmit:
      m_emitter.SetEmittingFlag(true);
      break;
    case kCommandStop:
      m_emitter.SetEmittingFlag(false);
      break;
    case kCommandFreeze:
      m_emitter.SetEmittingFlag(false);
      m_emitter.SetEnabled(false);
      break;
    default:
      break;
  }
}

void CFGFParticle::ApplyBlend() {
  if (!m_sprite) return;
  const int value = m_blend.GetValue();
  if (value == 1) {
    m_sprite->SetBlendMode(0);
  } else if (value == 0 || value == 2) {
    m_sprite->SetBlendMode(2);
  }
}

}  // namespace GF::HGENS
