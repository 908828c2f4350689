#pragma once

#include <type_traits>
#include <utility>

#include "framework/core/IDelegate.h"

namespace GF {

// Binds a member function to an object it does not own: the delegate never keeps its
// object alive, so owners remove their delegates when they are torn down.
template <class C, class R, class... Args>
class TMethodDelegate : public IDelegate<R, Args...> {
 public:
  using Method = R (C::*)(Args...);

  TMethodDelegate(C* object, Method method) : m_object(object), m_method(method) {}

  R Invoke(Args... args) override { return (m_object->*m_method)(std::forward<Args>(args)...); }
  bool IsEqual(THolder<IDelegate<R, Args...>> other) const override { return this->Matches(other); }
  const void* GetObject() const override { return m_object; }
  const void* GetFunctionData() const override { return &m_method; }
  unsigned int GetFunctionSize() const override { return sizeof(m_method); }

 private:
  C* m_object;
  Method m_method;
};

template <class C, class R>
using CMethodDelegate0 = TMethodDelegate<C, R>;
template <class C, class R, class A1>
using CMethodDelegate1 = TMethodDelegate<C, R, A1>;
template <class C, class R, class A1, class A2, class A3>
using CMethodDelegate3 = TMethodDelegate<C, R, A1, A2, A3>;

// Makes a method delegate, held (count 1) by the returned holder. The class comes from the
// method alone, so a derived object binds an inherited method.
template <class C, class R, class... Args>
THolder<IDelegate<R, Args...>> MakeDelegate(std::type_identity_t<C>* object,
                                            R (C::*method)(Args...)) {
  return THolder<IDelegate<R, Args...>>(new TMethodDelegate<C, R, Args...>(object, method));
}

}  // namespace GF
