#pragma once

#include "framework/core/DoBaseStrategy.h"
#include "framework/core/TParam.h"

namespace GF {

template <class K>
class DoNothing;

// The hold interpolator: the track keeps the value its current key loaded.
template <class T, int N>
class DoNothing<TParam<T, float, N>> : public DoBaseStrategy<TParam<T, float, N>, float> {
 public:
  void Calc(TParam<T, float, N>&, const float&) override {}
};

}  // namespace GF
