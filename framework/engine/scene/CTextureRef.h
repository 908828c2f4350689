#pragma once

#include <string>

#include "platform/Engine.h"

namespace GF::HGENS {

// A texture of the cache held by its id, not by its engine handle: after the cache freed its
// textures the handle is asked for again (loading the file anew), so its holder never draws
// with a freed handle.
class CTextureRef {
 public:
  CTextureRef() = default;  // no texture: handle 0
  // Takes the handle of texture `id` now (loading it when needed).
  explicit CTextureRef(int id);
  // The same for the texture registered under `name`, first taken by its name.
  static CTextureRef ByName(const std::string& name);

  // The current handle; 0 for no texture or a failed load.
  EngineTexture Get();
  // False for no texture (a name or id the cache doesn't know).
  bool IsSet() const { return m_id >= 0; }

 private:
  void Resolve();

  int m_id = -1;
  unsigned m_freeCount = 0;  // the cache's free count when the handle was taken
  EngineTexture m_handle = 0;
};

}  // namespace GF::HGENS
