#pragma once

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

namespace GF {

// A reference-counted callback. Delegates compare by the object and the function they bind,
// so a subscriber can remove "its" delegate with a freshly made equal one.
template <class R, class... Args>
class IDelegate : public CRefCount {
 public:
  virtual R Invoke(Args... args) = 0;
  virtual bool IsEqual(THolder<IDelegate> other) const = 0;
  // The bound object; null for a plain function.
  virtual const void* GetObject() const = 0;
  // The stored function reference as raw bytes, for comparison across delegate classes.
  virtual const void* GetFunctionData() const = 0;
  virtual unsigned int GetFunctionSize() const = 0;

 protected:
  // Equal when `other` binds the same object and a byte-identical function reference.
  bool Matches(const THolder<IDelegate>& other) const {
    if (!other || other->GetObject() != GetObject()) return false;
    const unsigned int size = GetFunctionSize();
    if (other->GetFunctionSize() != size) return false;
    const auto* a = static_cast<const unsigned char*>(GetFunctionData());
    const auto* b = static_cast<const unsigned char*>(other->GetFunctionData());
    for (unsigned int i = 0; i < size; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }
};

template <class R>
using IDelegate0 = IDelegate<R>;
template <class R, class A1>
using IDelegate1 = IDelegate<R, A1>;
template <class R, class A1, class A2, class A3>
using IDelegate3 = IDelegate<R, A1, A2, A3>;

}  // namespace GF
