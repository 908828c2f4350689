#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF::HGENS {

// The custom cursor (CCustomCursor): an animation from the resources that follows the mouse
// while the system cursor is hidden. The screen host updates and draws it every frame.
class ICustomCursor : public CRefCount {
 public:
  virtual void Enable(const std::string& animationName) = 0;
  virtual void Disable() = 0;
  // dt in milliseconds.
  virtual void Update(const float& dt) = 0;
  virtual void Render() = 0;
};

}  // namespace GF::HGENS
