#pragma once

#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"
#include "framework/core/TParam.h"

namespace GF {

// A reference-counted container: object data and every live track made from it share one
// key list without copying it.
template <class V>
class CContainerRef : public CRefCount, public V {
 public:
  using V::V;
};

// The shared key list of property kind N.
template <int N>
using TKeyContainer = CContainerRef<std::vector<TKey<N>>>;

// A new, empty key list of kind N, held by the returned holder.
template <int N>
THolder<TKeyContainer<N>> CreateKeyContainer() {
  return THolder<TKeyContainer<N>>(new TKeyContainer<N>());
}

}  // namespace GF
