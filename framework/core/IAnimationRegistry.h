#pragma once

#include <string>

#include "framework/core/IAnimationData.h"
#include "framework/core/THolder.h"

namespace GF {

// Where drawables find the animation data of their substituted animations. The resource
// registry implements it and installs itself; the core knows nothing else of resources.
class IAnimationRegistry {
 public:
  // Empty when unknown (the registry writes its own log line).
  virtual THolder<IAnimationData> FindAnimationData(const std::string& module,
                                                    const std::string& name) = 0;
  // The same by one name, module and animation joined by a point.
  virtual THolder<IAnimationData> FindAnimationData(const std::string& fullName) = 0;

 protected:
  ~IAnimationRegistry() = default;
};

// The installed registry, or null; it is not owned.
IAnimationRegistry* GetAnimationRegistry();
void SetAnimationRegistry(IAnimationRegistry* registry);

}  // namespace GF
