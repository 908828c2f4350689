#pragma once

#include <cstddef>
#include <utility>

#include "framework/core/IBase.h"

namespace GF {

// Owning pointer to a scene interface I whose interface id is Id. It counts through the
// object's IBase and converts between interfaces of one object by QueryInterface.
template <class I, int Id>
class TSmartIPtr {
 public:
  using Interface = I;
  static constexpr int kId = Id;

  TSmartIPtr() noexcept = default;
  TSmartIPtr(std::nullptr_t) noexcept {}
  TSmartIPtr(I* p) : m_p(p) {
    if (m_p) AsBase(m_p)->AddRef();
  }
  // Same interface, same object: one more reference.
  TSmartIPtr(const TSmartIPtr& other) : TSmartIPtr(other.m_p) {}
  TSmartIPtr(TSmartIPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  // Another interface of the source's object; empty when the object lacks interface Id.
  // The reference that QueryInterface adds is this holder's.
  template <class J, int JId>
  explicit TSmartIPtr(const TSmartIPtr<J, JId>& other) {
    m_p = Query(other.Get());
  }
  ~TSmartIPtr() { Reset(); }

  TSmartIPtr& operator=(const TSmartIPtr& other) { return *this = other.m_p; }
  TSmartIPtr& operator=(TSmartIPtr&& other) noexcept {
    if (this != &other) Replace(std::exchange(other.m_p, nullptr));
    return *this;
  }
  TSmartIPtr& operator=(I* p) {
    if (p) AsBase(p)->AddRef();
    Replace(p);
    return *this;
  }
  TSmartIPtr& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  // Takes the source object's interface Id. The new reference is taken before the old
  // object is released, so casting a holder onto the object it already holds is safe.
  template <class J, int JId>
  TSmartIPtr& AssignCast(const TSmartIPtr<J, JId>& other) {
    J* source = other.Get();
    IBase* old = m_p ? AsBase(m_p) : nullptr;
    m_p = nullptr;
    m_p = Query(source);
    if (old) old->Release();
    return *this;
  }

  // The member is null before the old object is released.
  void Reset() { Replace(nullptr); }

  I* Get() const noexcept { return m_p; }
  I* operator->() const noexcept { return m_p; }
  I& operator*() const noexcept { return *m_p; }
  explicit operator bool() const noexcept { return m_p != nullptr; }

  friend bool operator==(const TSmartIPtr& a, const TSmartIPtr& b) { return a.m_p == b.m_p; }
  friend bool operator==(const TSmartIPtr& a, std::nullptr_t) { return a.m_p == nullptr; }
  friend bool operator==(const TSmartIPtr& a, const I* b) { return a.m_p == b; }

 private:
  template <class J>
  static IBase* AsBase(J* p) {
    return static_cast<IBase*>(p);
  }
  template <class J>
  static I* Query(J* source) {
    void* out = nullptr;
    if (source && AsBase(source)->QueryInterface(Id, &out)) return static_cast<I*>(out);
    return nullptr;
  }
  void Replace(I* p) {
    I* old = std::exchange(m_p, p);
    if (old) AsBase(old)->Release();
  }

  I* m_p = nullptr;
};

}  // namespace GF
