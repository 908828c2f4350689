#pragma once

#include "framework/core/IBase.h"
#include "framework/core/IDrawable.h"
#include "framework/core/IObjectAnimation.h"

namespace GF {

// The interfaces every animated drawable answers: IBase, IObjectAnimation and IDrawable of
// `self` (its concrete object), with a new reference; any other id is refused. Concrete
// classes answer their own ids first and end their QueryInterface with this.
template <class T>
bool QueryAnimatedDrawable(T& self, int id, void** out) {
  IDrawable* const drawable = &self;
  switch (id) {
    case kIdBase:
      *out = static_cast<IBase*>(drawable);
      break;
    case kIdObjectAnimation:
      *out = static_cast<IObjectAnimation*>(&self);
      break;
    case kIdDrawable:
      *out = drawable;
      break;
    default:
      *out = nullptr;
      return false;
  }
  drawable->AddRef();
  return true;
}

}  // namespace GF
