#pragma once

#include "framework/core/CRefCount.h"

namespace GF {

// A value calculator: the value of type T at a time offset t (milliseconds). Parameter
// tracks make one per segment; curves use them as motion strategies.
template <class T, class F>
class DoBaseStrategy : public CRefCount {
 public:
  virtual void Calc(T& out, const F& t) = 0;
};

}  // namespace GF
