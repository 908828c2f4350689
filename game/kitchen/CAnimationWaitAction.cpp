#include "game/kitchen/CAnimationWaitAction.h"

CAnimationWaitAction::CAnimationWaitAction(const GF::IAnimation::AnimationPtr& animation,
                                           const std::string& part, int loops,
                                           bool removeWhenFinished)
    : m_animation(animation),
      m_part(part),
      m_loops(loops),
      m_removeWhenFinished(removeWhenFinished) {}

void CAnimationWaitAction::Start() {
  if (!m_animation) {
    m_done = true;
    return;
  }
  m_animation->SetVisible(true);
  if (!m_part.empty()) m_animation->Play(m_part.c_str(), m_loops, m_removeWhenFinished);
}

void CAnimationWaitAction::Update(const float&) {
  // Stopped, not finished: only a play that removes its node ever reports finished.
  if (m_animation->IsStopped()) m_done = true;
}

CActionBase::Holder MakeAnimationWaitAction(const GF::IAnimation::AnimationPtr& animation,
                                            const std::string& part, int loops,
                                            bool removeWhenFinished) {
  return CActionBase::Holder(new CAnimationWaitAction(animation, part, loops, removeWhenFinished));
}
