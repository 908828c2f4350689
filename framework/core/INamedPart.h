#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF {

// A named part of an animation: x is its start time, y its end time (ms), the value its
// loop count.
class INamedPart : public CRefCount {
 public:
  virtual float GetX() const = 0;
  virtual float GetY() const = 0;
  virtual int GetValue() const = 0;
  virtual const std::string& GetName() const = 0;
};

}  // namespace GF
