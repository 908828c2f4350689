// "levelsdata.bin" as the game reads it, with the checks that drop a faulty level.
#include <cstddef>
#include <cstdint>

#include "framework/core/CMemoryInputStream.h"
#include "game/app/LevelsData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  GF::CMemoryInputStream in(data, size);
  LoadLevelsData(in);
  return 0;
}
