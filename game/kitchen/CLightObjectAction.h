#pragma once

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CCookObject.h"

// A hint pulse on a device, an ingredient source or a bare animation: it swells and shrinks
// once (scale x amplitude sin(pi u) + 1) under a sparkle, optionally tinted red and fading
// out. A pulse on an object ends at once when the player takes the object. However it ends,
// the node gets its scale and tint back and the sparkle stops, once.
class CLightObjectAction : public CActionBase {
 public:
  CLightObjectAction(GF::IAnimation::AnimationPtr node, GF::THolder<CCookObject> object,
                     float amplitude, float duration, bool tint, bool fade);
  void Start() override;
  void Update(const float& dt) override;
  // Stopped early (a level left or reset): the node as it was, the sparkle off.
  void Finish() override;

  GF::THolder<GF::HGENS::CFGParticle> GetParticle() const { return m_particle; }

 private:
  void Tint(std::uint32_t color) const;
  void Restore();

  bool m_fade;
  float m_duration;
  float m_elapsed = 0.0f;
  float m_amplitude;
  bool m_tint;
  GF::IAnimation::AnimationPtr m_node;
  GF::TPoint<float> m_baseScale;
  GF::THolder<CCookObject> m_object;
  GF::THolder<GF::HGENS::CFGParticle> m_particle;
  bool m_particleFollows = true;
  bool m_lit = false;  // started and not restored yet
};

// The pulse on the object's animation.
CActionBase::Holder MakeLightObjectAction(GF::THolder<CCookObject> object, float amplitude,
                                          float duration, bool tint, bool fade);
// The same on a bare animation (the bonus levels, the hint).
CActionBase::Holder MakeLightAnimationAction(GF::IAnimation::AnimationPtr animation,
                                             float amplitude, float duration, bool tint, bool fade);
