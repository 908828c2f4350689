#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/core/CInputStream.h"

namespace GF {

// The checked reader that every data-file loader builds on. The first failed read (data
// ending early, a malformed packed integer, a length or count larger than the bytes left, or
// a Fail() of the caller) makes the reader fail for good: every later read returns 0 or
// empty without touching the stream, so a loader reads straight through and checks Ok()
// once at the end. Loaders parse into fresh tables and keep them only when Ok() holds, so a
// bad file leaves the tables in use as they were.
class CStreamReader {
 public:
  explicit CStreamReader(CInputStream& in) : m_In(in) {}

  bool Ok() const { return m_Ok; }
  // Marks the data as bad for a reason only the caller can see (an unknown version, a value
  // out of range).
  void Fail() { m_Ok = false; }
  std::size_t Remaining() const { return m_Ok ? m_In.Remaining() : 0; }

  std::uint32_t PackedUInt();
  std::uint32_t UInt32BE();
  std::int32_t Int32BE();
  float Float();
  std::uint8_t Byte();
  bool Bool();  // non-zero is true
  std::string String();
  std::wstring WideString();
  // Exactly count bytes into buffer, or fails (the buffer then holds no meaningful bytes).
  void Bytes(void* buffer, std::size_t count);
  void Skip(std::size_t count);

  // An element count (big-endian 32-bit or packed) for elements of at least minBytes bytes
  // each. A count that the bytes left cannot hold fails at once, so it is safe to reserve.
  std::uint32_t Count(std::size_t minBytes);
  std::uint32_t PackedCount(std::size_t minBytes);

 private:
  template <typename T, typename ReadFn>
  T Checked(ReadFn read);
  std::uint32_t CheckCount(std::uint32_t count, std::size_t minBytes);

  CInputStream& m_In;
  bool m_Ok = true;
};

}  // namespace GF
