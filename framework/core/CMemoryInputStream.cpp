#include "framework/core/CMemoryInputStream.h"

#include <algorithm>
#include <cstring>

namespace GF {

CMemoryInputStream::CMemoryInputStream(std::vector<std::uint8_t> bytes)
    : m_Owned(std::move(bytes)), m_Data(m_Owned.data()), m_Size(m_Owned.size()) {}

CMemoryInputStream::CMemoryInputStream(const void* data, std::size_t size)
    : m_Data(static_cast<const std::uint8_t*>(data)), m_Size(data ? size : 0) {}

bool CMemoryInputStream::Open(const std::wstring& /*path*/) {
  return false;
}

std::size_t CMemoryInputStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = std::min(count, Remaining());
  if (n > 0) std::memcpy(buffer, m_Data + m_Position, n);
  m_Position += n;
  return n;
}

std::size_t CMemoryInputStream::Skip(std::size_t count) {
  const std::size_t n = std::min(count, Remaining());
  m_Position += n;
  return n;
}

}  // namespace GF
