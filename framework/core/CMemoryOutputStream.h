#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/IDataOutputStream.h"

namespace GF {

// An output stream that collects its bytes in memory (data-file writers, the sample-content
// generator, tests). It is open from birth and never fails.
class CMemoryOutputStream : public IDataOutputStream {
 public:
  bool Close() override { return true; }
  // A memory stream has no path to open.
  bool Open(const std::wstring& path) override;

  std::size_t Write(const void* buffer, std::size_t count) override;
  void WriteZeros(std::size_t count) override;

  const std::vector<std::uint8_t>& Bytes() const { return m_Bytes; }
  // Hands the bytes over and leaves the stream empty.
  std::vector<std::uint8_t> TakeBytes() { return std::exchange(m_Bytes, {}); }

 private:
  std::vector<std::uint8_t> m_Bytes;
};

}  // namespace GF
