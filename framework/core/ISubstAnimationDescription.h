#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF {

// One substituted animation of an object data: the module name and the animation name
// that the registry resolves.
class ISubstAnimationDescription : public CRefCount {
 public:
  virtual const std::string& GetFirstName() const = 0;
  virtual const std::string& GetSecondName() const = 0;
};

}  // namespace GF
