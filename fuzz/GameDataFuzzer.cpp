// "gamedata.bin" as the game reads it.
#include <cstddef>
#include <cstdint>

#include "framework/core/CMemoryInputStream.h"
#include "game/app/GameData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  GF::CMemoryInputStream in(data, size);
  LoadGameData(in);
  return 0;
}
