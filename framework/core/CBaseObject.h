#pragma once

#include "framework/core/CRefCount.h"
#include "framework/core/IBase.h"

namespace GF {

// Common base of objects that expose scene interfaces: counting through any interface
// or through the CRefCount part changes the same number. Concrete classes answer
// QueryInterface with Grant/Refuse.
class CBaseObject : public CRefCount, public virtual IBase {
 public:
  int AddRef() override { return CRefCount::AddRef(); }
  int Release() override { return CRefCount::Release(); }

 protected:
  // Hands out `iface` (an interface of this object) with a new reference.
  template <class I>
  bool Grant(I* iface, void** out) {
    *out = iface;
    AddRef();
    return true;
  }
  static bool Refuse(void** out) {
    *out = nullptr;
    return false;
  }
};

}  // namespace GF
