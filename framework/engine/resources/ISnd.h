#pragma once

#include "framework/core/CRefCount.h"
#include "platform/Engine.h"

namespace GF {

// A loaded sound: one engine stream, 0 when loading failed.
class ISnd : public CRefCount {
 public:
  virtual EngineStream GetHandle() const = 0;
};

}  // namespace GF
