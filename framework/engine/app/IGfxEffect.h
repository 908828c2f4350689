#pragma once

#include "framework/core/CRefCount.h"

namespace GF::HGENS {

// A transition effect: the screen host lets it begin each frame and draws it over the top
// screen until it reports that it has finished.
class IGfxEffect : public CRefCount {
 public:
  // Begins the frame's drawing in place of the host's own begin.
  virtual void BeginScene() = 0;
  // Draws the effect over the top screen.
  virtual void Render() = 0;
  // True when the host may drop the effect.
  virtual bool IsFinished() = 0;
  // dt in milliseconds.
  virtual void Update(const float& dt) = 0;
};

}  // namespace GF::HGENS
