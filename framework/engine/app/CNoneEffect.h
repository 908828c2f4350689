#pragma once

#include "framework/engine/app/IGfxEffect.h"

class Engine;

namespace GF::HGENS {

struct ScreenTransform;

// No transition: the frame begins on the screen with the host's transform, nothing is drawn
// over it, and it never finishes (it stays until replaced).
class CNoneEffect : public IGfxEffect {
 public:
  // The transform is the host's, shared: it outlives every effect the host holds.
  explicit CNoneEffect(const ScreenTransform* transform);
  ~CNoneEffect() override;

  void BeginScene() override;
  void Render() override {}
  bool IsFinished() override { return false; }
  void Update(const float&) override {}

 private:
  Engine* m_engine;  // own reference
  const ScreenTransform* m_transform;
};

}  // namespace GF::HGENS
