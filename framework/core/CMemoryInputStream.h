#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/IDataInputStream.h"

namespace GF {

// An input stream over bytes already in memory: a whole resource file, or a block cut from
// one. It is open from birth; it either owns its bytes or views bytes its creator keeps
// alive for the stream's life.
class CMemoryInputStream : public IDataInputStream {
 public:
  explicit CMemoryInputStream(std::vector<std::uint8_t> bytes);
  CMemoryInputStream(const void* data, std::size_t size);
  // m_Data may point into m_Owned.
  CMemoryInputStream(const CMemoryInputStream&) = delete;
  CMemoryInputStream& operator=(const CMemoryInputStream&) = delete;

  // A memory stream has no path to open.
  using IDataInputStream::Open;
  bool Open(const std::wstring& path) override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Skip(std::size_t count) override;
  std::size_t Remaining() const override { return m_Size - m_Position; }

  std::size_t Position() const { return m_Position; }

 private:
  std::vector<std::uint8_t> m_Owned;
  const std::uint8_t* m_Data;
  std::size_t m_Size;
  std::size_t m_Position = 0;
};

}  // namespace GF
