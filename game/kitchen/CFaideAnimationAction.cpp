#include "game/kitchen/CFaideAnimationAction.h"

void CFaideAnimationAction::Update(const float& dt) {
  m_elapsed += dt;
  // The share of the fade; not cut at 1, so the last step may overshoot slightly.
  const float u = m_duration > 0.0f ? m_elapsed / m_duration : 1.0f;
  if (u >= 1.0f) m_done = true;
  const float opacity = m_fadeOut ? 1.0f - u : u;
  if (m_animation) m_animation->SetOpacity(opacity);
}

void CFaideAnimationAction::Finish() {
  if (m_removeAtEnd && m_animation) m_animation->RemoveFromParent();
}

CActionBase::Holder MakeFaideAnimationAction(const GF::IAnimation::AnimationPtr& animation,
                                             float duration, bool fadeOut, bool removeAtEnd) {
  return CActionBase::Holder(new CFaideAnimationAction(animation, duration, fadeOut, removeAtEnd));
}
