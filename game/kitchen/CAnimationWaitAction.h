#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "game/kitchen/CActionBase.h"

// Shows an animation, plays one of its parts and waits until the play has ended (its last
// pass ran out, or it is held). With an empty part name it only shows the animation and
// waits for the part it is already playing. Parts waited on must not loop for ever.
class CAnimationWaitAction : public CActionBase {
 public:
  // loops and removeWhenFinished go to IAnimation::Play unchanged.
  CAnimationWaitAction(const GF::IAnimation::AnimationPtr& animation, const std::string& part,
                       int loops, bool removeWhenFinished);

  // Without an animation the action is done at once.
  void Start() override;
  void Update(const float& dt) override;

 private:
  GF::IAnimation::AnimationPtr m_animation;
  std::string m_part;
  int m_loops;
  bool m_removeWhenFinished;
};

CActionBase::Holder MakeAnimationWaitAction(const GF::IAnimation::AnimationPtr& animation,
                                            const std::string& part, int loops,
                                            bool removeWhenFinished);
