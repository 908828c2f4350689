#include "framework/engine/app/ShellGlobals.h"

#include "framework/engine/app/CApplication.h"

namespace GF::HGENS {

ShellGlobals& GetShellGlobals() {
  static ShellGlobals shell;
  return shell;
}

}  // namespace GF::HGENS
