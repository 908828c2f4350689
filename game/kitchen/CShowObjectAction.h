#pragma once

#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CCookObject.h"

// Reveals the hidden objects of a level with a sweep from left to right: a vertical line
// crosses the screen from x 0 to 900 over the duration; each hidden ingredient source (and
// a hidden "Devices.griddle_4") rises in a reddish glow as the line nears it and settles to
// its own colours 300 px behind it. At the end every hidden object is shown.
class CShowObjectAction : public CActionBase {
 public:
  CShowObjectAction(std::vector<GF::THolder<CCookObject>> devices, float duration);
  void Start() override;
  void Update(const float& dt) override;

  // The glow of a node k of the way through its ramp (0: the line is 300 px away, 1: it
  // is 300 px past), as ARGB: fading in red below 0.5, dying out to black above.
  static std::uint32_t GlowColor(float k);

 private:
  void Collect(const GF::IAnimation::AnimationPtr& animation);
  void Glow(const GF::IAnimation::AnimationPtr& node, float k) const;
  void RevealAll() const;

  float m_duration;
  float m_elapsed = 0.0f;
  std::vector<GF::THolder<CCookObject>> m_devices;
  std::vector<GF::IAnimation::AnimationPtr> m_sweepNodes;
};

CActionBase::Holder MakeShowObjectAction(std::vector<GF::THolder<CCookObject>> devices,
                                         float duration);
