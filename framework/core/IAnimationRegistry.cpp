#include "framework/core/IAnimationRegistry.h"

namespace GF {

namespace {
IAnimationRegistry* g_registry = nullptr;
}  // namespace

IAnimationRegistry* GetAnimationRegistry() {
  return g_registry;
}

void SetAnimationRegistry(IAnimationRegistry* registry) {
  g_registry = registry;
}

}  // namespace GF
