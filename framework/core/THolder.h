#pragma once

#include <compare>
#include <concepts>
#include <cstddef>
#include <utility>

namespace GF {

// Owning pointer to a CRefCount object: holds one reference while it points at it.
template <class T>
class THolder {
 public:
  THolder() noexcept = default;
  THolder(std::nullptr_t) noexcept {}
  THolder(T* p) : m_p(p) {
    if (m_p) m_p->AddRef();
  }
  THolder(const THolder& other) : THolder(other.m_p) {}
  THolder(THolder&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  // Holder of a derived class to holder of its base.
  template <class U>
  requires std::convertible_to<U*, T*> THolder(const THolder<U>& other) : THolder(other.Get()) {}
  ~THolder() { Reset(); }

  THolder& operator=(const THolder& other) { return *this = other.m_p; }
  THolder& operator=(THolder&& other) noexcept {
    if (this != &other) Replace(std::exchange(other.m_p, nullptr));
    return *this;
  }
  // The new reference is taken before the old one is dropped, so assigning the object a
  // holder already has never frees it on the way.
  THolder& operator=(T* p) {
    if (p) p->AddRef();
    Replace(p);
    return *this;
  }
  THolder& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  // The member is already null when the old object is released, so a destructor that
  // reaches this holder sees it empty.
  void Reset() { Replace(nullptr); }

  T* Get() const noexcept { return m_p; }
  T* operator->() const noexcept { return m_p; }
  T& operator*() const noexcept { return *m_p; }
  explicit operator bool() const noexcept { return m_p != nullptr; }

  friend bool operator==(const THolder& a, const THolder& b) { return a.m_p == b.m_p; }
  friend bool operator==(const THolder& a, std::nullptr_t) { return a.m_p == nullptr; }
  friend bool operator==(const THolder& a, const T* b) { return a.m_p == b; }
  friend auto operator<=>(const THolder& a, const THolder& b) { return a.m_p <=> b.m_p; }

 private:
  // Takes `p` (whose reference the caller already counted) and drops the old pointer.
  void Replace(T* p) {
    T* old = std::exchange(m_p, p);
    if (old) old->Release();
  }

  T* m_p = nullptr;
};

// Makes a new object owned by a holder (count 1).
template <class T, class... Args>
THolder<T> MakeHolder(Args&&... args) {
  return THolder<T>(new T(std::forward<Args>(args)...));
}

}  // namespace GF
