#pragma once

#include <cstddef>

namespace GF {

// The reading half of every framework input stream (files, whole resource files in memory).
class CInputStream {
 public:
  virtual ~CInputStream() = default;

  // Copies up to count bytes into buffer and returns how many it delivered: fewer only at
  // the end of the data (or on a read error), and the buffer past them is left untouched.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Moves past up to count bytes; returns how many were skipped.
  virtual std::size_t Skip(std::size_t count) = 0;
  // Bytes still to read. Readers check every length taken from the data against it, so a
  // corrupt length fails at once instead of allocating or reading for ever.
  virtual std::size_t Remaining() const = 0;
};

}  // namespace GF
