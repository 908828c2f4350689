// "libdata.bin" as the game reads it, with the hit-mask check.
#include <cstddef>
#include <cstdint>

#include "framework/core/CMemoryInputStream.h"
#include "game/app/LibraryData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  GF::CMemoryInputStream in(data, size);
  LoadLibraryData(in);
  return 0;
}
