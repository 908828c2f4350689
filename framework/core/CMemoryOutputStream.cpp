#include "framework/core/CMemoryOutputStream.h"

namespace GF {

bool CMemoryOutputStream::Open(const std::wstring& /*path*/) {
  return false;
}

std::size_t CMemoryOutputStream::Write(const void* buffer, std::size_t count) {
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  m_Bytes.insert(m_Bytes.end(), bytes, bytes + count);
  return count;
}

void CMemoryOutputStream::WriteZeros(std::size_t count) {
  m_Bytes.resize(m_Bytes.size() + count, 0);
}

}  // namespace GF
