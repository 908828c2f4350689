#pragma once

#include "framework/core/IAnimation.h"
#include "game/kitchen/CActionBase.h"

// Fades an animation's opacity linearly from 1 to 0 (fade-out) or from 0 to 1 over a
// duration, and is done once the duration has run; with removeAtEnd the animation leaves its
// parent and scene when the action finishes. A duration of 0 or less is done on the first
// update at the end opacity. Without an animation it only runs its time.
class CFaideAnimationAction : public CActionBase {
 public:
  CFaideAnimationAction(const GF::IAnimation::AnimationPtr& animation, float duration, bool fadeOut,
                        bool removeAtEnd)
      : m_animation(animation),
        m_duration(duration),
        m_fadeOut(fadeOut),
        m_removeAtEnd(removeAtEnd) {}

  void Start() override { m_elapsed = 0.0f; }
  void Update(const float& dt) override;
  void Finish() override;

 private:
  GF::IAnimation::AnimationPtr m_animation;
  float m_elapsed = 0.0f;
  float m_duration;
  bool m_fadeOut;
  bool m_removeAtEnd;
};

CActionBase::Holder MakeFaideAnimationAction(const GF::IAnimation::AnimationPtr& animation,
                                             float duration, bool fadeOut, bool removeAtEnd);
