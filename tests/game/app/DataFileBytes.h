#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/CInputStream.h"
#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/COutputStream.h"

// Data files as bytes in memory: written by the game's writers, read by its loaders.
namespace pm::test {

using Bytes = std::vector<std::uint8_t>;

// What `write` puts out into a memory stream.
template <typename WriteFn>
Bytes Encode(WriteFn write) {
  GF::CMemoryOutputStream out;
  write(out);
  return out.TakeBytes();
}

// `data` as the file writer `write` encodes it.
template <typename Data>
Bytes EncodeFile(void (*write)(GF::COutputStream&, const Data&), const Data& data) {
  return Encode([&](GF::COutputStream& out) { write(out, data); });
}

// The file loader `load`'s verdict on `bytes`.
inline bool LoadFile(bool (*load)(GF::CInputStream&), const Bytes& bytes) {
  GF::CMemoryInputStream in(bytes.data(), bytes.size());
  return load(in);
}

}  // namespace pm::test
