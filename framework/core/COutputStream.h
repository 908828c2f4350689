#pragma once

#include <cstddef>

namespace GF {

// The writing half of every framework output stream.
class COutputStream {
 public:
  virtual ~COutputStream() = default;

  // Writes count bytes; returns how many were accepted (fewer only when the stream failed).
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  virtual void WriteZeros(std::size_t count) = 0;
};

}  // namespace GF
