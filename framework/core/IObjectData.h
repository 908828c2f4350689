#pragma once

#include <string>

#include "framework/core/CContainerRef.h"
#include "framework/core/CRefCount.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

class IObjectAnimation;

// The description of one scene object; it creates the live object, which shares its keys.
class IObjectData : public CRefCount {
 public:
  virtual TSmartIPtr<IObjectAnimation, kIdObjectAnimation> CreateObject() = 0;
  virtual const std::string& GetName() const = 0;
  virtual THolder<TKeyContainer<kKindResourceId>> GetIdTrack() const = 0;
};

}  // namespace GF
