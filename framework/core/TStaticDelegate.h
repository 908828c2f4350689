#pragma once

#include <utility>

#include "framework/core/IDelegate.h"

namespace GF {

// Binds a plain function; its object is null, so it never equals a method delegate.
template <class R, class... Args>
class TStaticDelegate : public IDelegate<R, Args...> {
 public:
  using Function = R (*)(Args...);

  explicit TStaticDelegate(Function function) : m_function(function) {}

  R Invoke(Args... args) override { return m_function(std::forward<Args>(args)...); }
  bool IsEqual(THolder<IDelegate<R, Args...>> other) const override { return this->Matches(other); }
  const void* GetObject() const override { return nullptr; }
  const void* GetFunctionData() const override { return &m_function; }
  unsigned int GetFunctionSize() const override { return sizeof(m_function); }

 private:
  Function m_function;
};

template <class R, class A1>
using CStaticDelegate1 = TStaticDelegate<R, A1>;
template <class R, class A1, class A2, class A3>
using CStaticDelegate3 = TStaticDelegate<R, A1, A2, A3>;

// Makes a static delegate, held (count 1) by the returned holder.
template <class R, class... Args>
THolder<IDelegate<R, Args...>> MakeDelegate(R (*function)(Args...)) {
  return THolder<IDelegate<R, Args...>>(new TStaticDelegate<R, Args...>(function));
}

}  // namespace GF
