#pragma once

// Mesa's GL drivers keep some memory for the life of the process and are unloaded when the
// last GL window goes. The leak checker then sees allocations from a module that is gone
// and can't match them to its suppressions. Call this once a GL context exists: it keeps
// the loaded drivers loaded to the end, so their leftovers are named and passed over.

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace pm::test {

inline void KeepDriversLoaded() {
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void*) {
        const char* name = info->dlpi_name;
        if (name && (std::strstr(name, "_dri.so") || std::strstr(name, "gallium") ||
                     std::strstr(name, "EGL_mesa") || std::strstr(name, "GLX_mesa"))) {
          dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        }
        return 0;
      },
      nullptr);
}

}  // namespace pm::test
