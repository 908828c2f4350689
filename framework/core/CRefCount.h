#pragma once

namespace GF {

// Intrusive reference count. An object is born with count 0 and is handed at once to a
// holder (THolder, TSmartIPtr), whose reference makes it 1; the last release deletes it.
// Single-threaded by design: the count is a plain integer.
class CRefCount {
 public:
  CRefCount() = default;
  // A copy is a new object: it starts unowned and does not inherit the source's holders.
  CRefCount(const CRefCount&) {}
  CRefCount& operator=(const CRefCount&) { return *this; }
  virtual ~CRefCount() = default;

  // Adds one reference and returns the new count.
  virtual int AddRef();
  // Drops one reference; at 0 the object deletes itself and 0 is returned.
  virtual int Release();

  int GetRefCount() const { return m_refCount; }

 private:
  int m_refCount = 0;
};

}  // namespace GF
