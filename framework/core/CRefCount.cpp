#include "framework/core/CRefCount.h"

#include <cassert>

namespace GF {

int CRefCount::AddRef() {
  return ++m_refCount;
}

int CRefCount::Release() {
  // A surplus release is a caller's bug; catch it where it happens rather than let the
  // count go negative and the object leak.
  assert(m_refCount > 0 && "Release on an object nobody holds");
  if (--m_refCount != 0) return m_refCount;
  delete this;
  return 0;
}

}  // namespace GF
