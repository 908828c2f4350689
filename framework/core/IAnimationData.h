#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/INamedPart.h"
#include "framework/core/IObjectData.h"
#include "framework/core/THolder.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

class IAnimation;

// A named animation description: its named parts and the ordered descriptions of the
// objects that a live animation node creates from it.
class IAnimationData : public CRefCount {
 public:
  // A new animation node built from this data.
  virtual TSmartIPtr<IAnimation, kIdAnimation> CreateObject() = 0;
  virtual const std::string& GetName() const = 0;
  // The first part of that name; empty when none.
  virtual THolder<INamedPart> GetNamedPart(const std::string& name) const = 0;
  virtual THolder<IObjectData> GetObjectData(int index) const = 0;
  virtual int GetObjectDataCount() const = 0;
};

}  // namespace GF
