#pragma once

// How the renderer and the mixer read files: through the engine's own file access (packs,
// then disk), so a texture or a sound is found wherever ResourceLoad finds it.

#include <cstdint>
#include <functional>

struct ResourceAccess {
  // The whole file, or null; the size goes to *size. Freed with free.
  std::function<void*(const char* name, std::uint32_t* size)> load;
  std::function<void(void*)> free;
};
