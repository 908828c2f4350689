#pragma once

#include <string>

#include "framework/core/CContainerRef.h"
#include "framework/core/IObjectAnimation.h"
#include "framework/core/IObjectData.h"
#include "framework/core/TSmartIPtr.h"

namespace GF::HGENS {

// The part every object data shares: the name and the resource-id keys. The live objects
// live in the scene library, above this one, so it installs their makers here; an object
// data creates its live object through the maker of its kind.
class CObjectData {
 public:
  enum class Kind { Sprite, TextSprite, Clipping, Particle, Sound, Count };
  using ObjectPtr = GF::TSmartIPtr<GF::IObjectAnimation, GF::kIdObjectAnimation>;
  // A new live object without data; empty when it can't be made.
  using Maker = ObjectPtr (*)();

  static void SetMaker(Kind kind, Maker maker);

 protected:
  explicit CObjectData(std::string name) : m_name(std::move(name)) {}
  ~CObjectData() = default;

  // A new live object of the kind, handed a holder of `data` (so it shares the keys);
  // empty when no maker of that kind is installed.
  static ObjectPtr MakeObject(Kind kind, GF::IObjectData* data);

  std::string m_name;
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> m_idTrack =
      GF::CreateKeyContainer<GF::kKindResourceId>();
};

}  // namespace GF::HGENS
