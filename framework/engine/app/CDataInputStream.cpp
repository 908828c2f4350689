#include "framework/engine/app/CDataInputStream.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/OsServices.h"

namespace GF::HGENS {

bool CDataInputStream::Open(const char* path) {
  return OpenUtf8(path);
}

bool CDataInputStream::Open(const std::wstring& path) {
  return OpenUtf8(Os::Utf16ToUtf8(path));
}

bool CDataInputStream::OpenUtf8(const std::string& path) {
  if (m_File.is_open()) m_File.close();
  m_File.clear();
  m_Size = m_Position = 0;
  // A folder opens as a file here but yields no bytes; only regular files are data.
  std::error_code error;
  const std::filesystem::path file(path);
  if (!std::filesystem::is_regular_file(file, error)) {
    m_File.setstate(std::ios::failbit);
    return false;
  }
  m_File.open(file, std::ios::in | std::ios::binary);
  if (!m_File.is_open()) return false;
  m_File.seekg(0, std::ios::end);
  const std::streamoff size = m_File.tellg();
  m_File.seekg(0, std::ios::beg);
  if (size < 0 || !m_File) {
    m_File.close();
    m_File.setstate(std::ios::failbit);
    return false;
  }
  m_Size = static_cast<std::size_t>(size);
  return true;
}

std::size_t CDataInputStream::Read(void* buffer, std::size_t count) {
  const std::size_t wanted = std::min(count, Remaining());
  if (wanted == 0 || !m_File.is_open()) return 0;
  m_File.read(static_cast<char*>(buffer), static_cast<std::streamsize>(wanted));
  const auto got = static_cast<std::size_t>(m_File.gcount());
  m_Position += got;
  if (got < wanted) {
    // The file shrank under us: nothing more can be read.
    m_File.clear();
    m_Size = m_Position;
  }
  return got;
}

std::size_t CDataInputStream::Skip(std::size_t count) {
  const std::size_t n = std::min(count, Remaining());
  if (n == 0 || !m_File.is_open()) return 0;
  m_File.seekg(static_cast<std::streamoff>(n), std::ios::cur);
  m_Position += n;
  return n;
}

}  // namespace GF::HGENS
