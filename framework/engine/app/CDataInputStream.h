#pragma once

#include <cstddef>
#include <fstream>
#include <string>

#include "framework/core/IDataInputStream.h"

namespace GF::HGENS {

// An input stream over one binary file, created closed; the file closes with the object.
class CDataInputStream : public IDataInputStream {
 public:
  // Narrow paths are UTF-8 here: opened as they are rather than widened byte by byte, so a
  // path with non-ASCII characters still names the right file.
  bool Open(const char* path) override;
  bool Open(const std::wstring& path) override;
  bool IsOpen() const { return m_File.is_open(); }

  // Returns the bytes really delivered, fewer at the end of the file.
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Skip(std::size_t count) override;
  std::size_t Remaining() const override { return m_Size - m_Position; }

 private:
  bool OpenUtf8(const std::string& path);

  std::ifstream m_File;
  std::size_t m_Size = 0;
  std::size_t m_Position = 0;
};

}  // namespace GF::HGENS
