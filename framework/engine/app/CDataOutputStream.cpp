#include "framework/engine/app/CDataOutputStream.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "platform/OsServices.h"

namespace GF::HGENS {

bool CDataOutputStream::Open(const std::wstring& path) {
  if (m_File.is_open()) m_File.close();
  m_File.clear();
  m_File.open(std::filesystem::path(Os::Utf16ToUtf8(path)),
              std::ios::out | std::ios::binary | std::ios::trunc);
  return m_File.is_open();
}

bool CDataOutputStream::Close() {
  if (!m_File.is_open()) return false;
  // A write error may first show when the buffer is flushed; the stream keeps it.
  m_File.close();
  const bool ok = !m_File.fail();
  m_File.clear();
  return ok;
}

std::size_t CDataOutputStream::Write(const void* buffer, std::size_t count) {
  if (!m_File.is_open() || !m_File) return 0;
  m_File.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(count));
  return m_File ? count : 0;
}

void CDataOutputStream::WriteZeros(std::size_t count) {
  static constexpr std::array<char, 256> kZeros{};
  while (count > 0) {
    const std::size_t n = std::min(count, kZeros.size());
    if (Write(kZeros.data(), n) != n) return;
    count -= n;
  }
}

}  // namespace GF::HGENS
