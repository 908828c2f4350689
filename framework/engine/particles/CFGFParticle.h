#pragma once

#include "framework/core/CBaseObject.h"
#include "framework/core/CObjectAnimationAbstract.h"
#include "framework/core/CObjectProperties.h"
#include "framework/core/CSceneDrawable.h"
#include "framework/core/IParticle.h"
#include "framework/core/IPropertiesTransform.h"
#include "framework/core/TParamTrack.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticleImpl.h"
#include "framework/engine/particles/CHGESprite.h"
#include "framework/engine/resources/IParticleObjectData.h"
#include "framework/engine/scene/CTextureRef.h"

namespace GF::HGENS {

// A particle system of an animation, described by the resource script: its file is
// "Particle\<particle id>.PSI", its texture that of a registered sprite, and its tracks
// switch the file, the sprite and the emission on the node's clock (particle commands:
// 1 emit, 2 stop emitting, 3 stop and freeze).
class CFGFParticle : public GF::CBaseObject,
                     public GF::CObjectAnimationAbstract<GF::THolder<GF::IParticleObjectData>>,
                     public IParticle,
                     public GF::CSceneDrawable,
                     public GF::IPropertiesTransform {
 public:
  using ObjectPtr = GF::TSmartIPtr<GF::IObjectAnimation, GF::kIdObjectAnimation>;
  using AnimationPtr = GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation>;

  // The maker the particle object data creates its objects with.
  static ObjectPtr Create();

  CFGFParticle();
  ~CFGFParticle() override;
  CFGFParticle(const CFGFParticle&) = delete;
  CFGFParticle& operator=(const CFGFParticle&) = delete;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation
  // Shares the keys of a particle object data; other data leave the tracks empty.
  void SetObjectData(const GF::THolder<GF::IObjectData>& data) override;
  // The node dropped and the emission off.
  void Detach() override;
  // Playing switches the emission.
  void SetPlaying(bool playing) override;
  // dt in ms; the emitter itself runs on the engine's frame time.
  bool Update(const float& dt) override;

  // IDrawable
  void Render() override;
  int GetLayer() const override { return m_world.layer; }
  const GF::TRect<int>& GetBoundingRect() override { return m_rect; }

  // IParticle
  bool IsFreeStanding() const override { return !animation_; }
  bool IsActive() const override { return m_emitter.GetLiveCount() > 0; }
  // Particle commands alone switch this system's emission.
  void SetEmitting(bool) override {}

  // IPropertiesTransform: offset, layer and opacity are animated, the rest is not.
  GF::TParamTrack<GF::kKindOffset>* GetOffsetTrack() override { return &m_offset; }
  const GF::TParamTrack<GF::kKindOffset>* GetOffsetTrack() const override { return &m_offset; }
  GF::TParamTrack<GF::kKindHotSpot>* GetHotSpotTrack() override { return nullptr; }
  const GF::TParamTrack<GF::kKindHotSpot>* GetHotSpotTrack() const override { return nullptr; }
  GF::TParamTrack<GF::kKindLayer>* GetLayerTrack() override { return &m_layer; }
  const GF::TParamTrack<GF::kKindLayer>* GetLayerTrack() const override { return &m_layer; }
  GF::TParamTrack<GF::kKindOpacity>* GetOpacityTrack() override { return &m_opacity; }
  const GF::TParamTrack<GF::kKindOpacity>* GetOpacityTrack() const override { return &m_opacity; }
  GF::TParamTrack<GF::kKindRotation>* GetRotationTrack() override { return nullptr; }
  const GF::TParamTrack<GF::kKindRotation>* GetRotationTrack() const override { return nullptr; }
  GF::TParamTrack<GF::kKindZoom>* GetZoomTrack() override { return nullptr; }
  const GF::TParamTrack<GF::kKindZoom>* GetZoomTrack() const override { return nullptr; }

  CFGParticleImpl& GetEmitter() { return m_emitter; }
  const GF::CObjectProperties& GetProperties() const { return m_world; }
  // The sprite whose texture the particles draw with; empty until one is fetched.
  GF::THolder<CHGESprite> GetSprite() const { return m_sprite; }

 private:
  void UpdateTracks(float t);
  void ResetTracksChanged();
  // Playing, tracks, placement, file and sprite from the node.
  void FollowNode(GF::IAnimation& node);
  void LoadFile();
  void FetchSprite();
  void ApplyCommand();
  void ApplyBlend();

  Engine* m_engine;
  GF::TParamTrack<GF::kKindResourceId> m_particleId;
  GF::TParamTrack<GF::kKindBlendMode> m_blend;
  GF::TParamTrack<GF::kKindOffset> m_offset;
  GF::TParamTrack<GF::kKindLayer> m_layer;
  GF::TParamTrack<GF::kKindOpacity> m_opacity;
  GF::TParamTrack<GF::kKindParticleCommand> m_command;
  GF::TParamTrack<GF::kKindResourceId> m_spriteId;
  GF::CObjectProperties m_world;
  GF::TRect<int> m_rect;  // always empty: a particle system is never hit-tested
  CFGParticleImpl m_emitter;
  GF::THolder<CHGESprite> m_sprite;
  CTextureRef m_texture;  // the sprite's texture
};

}  // namespace GF::HGENS
