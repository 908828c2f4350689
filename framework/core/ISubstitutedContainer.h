#pragma once

#include <string>

#include "framework/core/CObjectProperties.h"
#include "framework/core/IBase.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

class IAnimation;

// A drawable that hosts other animations in its place (interface id 4). It parents them,
// updates them and starts them by its command-substitution keys.
class ISubstitutedContainer : public virtual IBase {
 public:
  using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;

  // Appends a new animation made from the registry's data of that module and name and
  // plays its part "all"; empty when the registry has no such data.
  virtual AnimationPtr AddSubstitutedAnimation(const std::string& module,
                                               const std::string& name) = 0;
  // The same by one name, module and animation joined by a point.
  virtual AnimationPtr AddSubstitutedAnimation(const std::string& fullName) = 0;
  virtual void Detach() = 0;
  // Empty when index is out of range.
  virtual AnimationPtr GetSubstitutedAnimation(int index) const = 0;
  virtual AnimationPtr FindSubstitutedAnimation(const std::string& name) const = 0;
  // The host's composed placement, with which its animations compose theirs.
  virtual CObjectProperties& GetProperties() = 0;
  // Removes the named animation and the keys that play it, and clears it.
  virtual bool RemoveSubstitutedAnimation(const std::string& name) = 0;
  // The same for one animation (an animation that leaves its place).
  virtual bool RemoveSubstitutedAnimation(const AnimationPtr& animation) = 0;

 protected:
  ~ISubstitutedContainer() = default;
};

}  // namespace GF
