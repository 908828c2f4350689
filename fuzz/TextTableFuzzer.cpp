// "Binary\textdata.txt" as the registry loads it.
#include <cstddef>
#include <cstdint>

#include "framework/engine/resources/TextTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  GF::HGENS::TextTable::Instance().Parse(data, size);
  return 0;
}
