#pragma once

#include <string>

#include "framework/core/CBaseObject.h"
#include "framework/core/CObjectProperties.h"
#include "framework/core/CSceneDrawable.h"
#include "framework/core/IAnimation.h"
#include "framework/core/IObjectAnimation.h"
#include "framework/core/IParticle.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticleImpl.h"
#include "framework/engine/scene/CTextureRef.h"

namespace GF::HGENS {

// A particle effect made by the game's code from a ".fgp" file: it may follow an owner
// node (its position, or its rectangle), waits out a start delay and stops emitting after
// its lifetime. Registered at birth, so a free-standing one runs until its last particle
// has died. SetScene is its way into a scene: a system only added with the scene's
// AddDrawable doesn't know its scene and so can't leave it when it expires.
class CFGParticle : public GF::CBaseObject,
                    public GF::IObjectAnimation,
                    public GF::CSceneDrawable,
                    public IParticle,
                    public CFGParticleImpl {
 public:
  using AnimationPtr = GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation>;
  static constexpr float kEndless = -1.0f;
  static constexpr int kDefaultLayer = 10000;

  // Loads `file` ("Particle\fire_big.fgp"; an unreadable one leaves the defaults), starts
  // emitting and draws with the cache's texture `texture` (none when unknown). Lifetime in
  // seconds or kEndless; with autoStop the effect also lets go of its owner then.
  static GF::THolder<CFGParticle> Create(const std::string& file, const std::string& texture,
                                         float lifetime, bool autoStop);

  CFGParticle();
  ~CFGParticle() override = default;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation
  bool IsPlaying() const override { return IsEmitting(); }
  const std::string& GetName() const override;
  GF::THolder<GF::IObjectData> GetObjectData() const override { return {}; }
  AnimationPtr GetAnimation() const override { return m_parent; }
  void SetObjectData(const GF::THolder<GF::IObjectData>& data) override;
  // Leaves the old owner; joins the new one only while the follow-parent flag is set.
  void SetAnimation(const AnimationPtr& animation) override;
  // Emission off and the owner dropped (the particles run out where they are).
  void Detach() override;
  // Restarts the emission count and switches emission.
  void SetPlaying(bool playing) override;
  // dt in ms.
  bool Update(const float& dt) override;

  // IDrawable
  void Render() override;
  int GetLayer() const override { return m_layer; }
  const GF::TRect<int>& GetBoundingRect() override { return m_rect; }

  // IParticle
  bool IsFreeStanding() const override { return !m_parent || !m_followParent; }
  bool IsActive() const override { return GetLiveCount() != 0 || IsEmitting(); }
  void SetEmitting(bool emitting) override { SetPlaying(emitting); }

  // A texture of the caller's own, in place of the cache's texture named at Create.
  void SetTexture(EngineTexture texture) {
    m_texture = CTextureRef();
    CFGParticleImpl::SetTexture(texture);
  }
  // The owner the effect travels with (SetAnimation).
  void SetOwner(const AnimationPtr& owner) { SetAnimation(owner); }
  // Ends the emission; the particles in flight run out.
  void Stop() { SetPlaying(false); }
  void SetLayer(int layer);
  // Cleared: the owner is followed but does not drive the effect (the registry does).
  bool GetFollowParent() const { return m_followParent; }
  void SetFollowParent(bool follow) { m_followParent = follow; }
  void SetDelay(float ms) { m_delay = ms; }
  float GetDelay() const { return m_delay; }
  float GetLifetime() const { return m_lifetime; }
  // Emission per unit of area while following the owner's rectangle.
  void SetFollowRect(bool follow, float density) {
    m_followRect = follow;
    m_density = density;
  }
  void SetOffset(float x, float y) {
    m_offsetX = x;
    m_offsetY = y;
  }
  const GF::CObjectProperties& GetProperties() const { return m_properties; }

 private:
  void PlaceEmitter();

  bool m_followParent = true;
  float m_delay = 0.0f;  // ms
  float m_density = 0.0f;
  bool m_followRect = false;
  float m_offsetX = 0.0f;
  float m_offsetY = 0.0f;
  bool m_autoStop = false;
  float m_lifetime = kEndless;  // seconds
  GF::CObjectProperties m_properties;
  GF::TRect<int> m_rect;  // always empty: a particle effect is never hit-tested
  int m_layer = kDefaultLayer;
  AnimationPtr m_parent;
  CTextureRef m_texture;  // the cache's texture the particles draw with
};

}  // namespace GF::HGENS
