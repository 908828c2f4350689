#pragma once

#include <cstddef>
#include <fstream>
#include <string>

#include "framework/core/IDataOutputStream.h"

namespace GF::HGENS {

// An output stream over one binary file, created closed; the file closes with the object
// (or by Close, which also says whether every byte reached the file).
class CDataOutputStream : public IDataOutputStream {
 public:
  bool Close() override;
  // Creates or truncates the file; the path is UTF-16 units.
  bool Open(const std::wstring& path) override;
  bool IsOpen() const { return m_File.is_open(); }

  // Returns count, or 0 once the stream has failed.
  std::size_t Write(const void* buffer, std::size_t count) override;
  void WriteZeros(std::size_t count) override;

 private:
  std::ofstream m_File;
};

}  // namespace GF::HGENS
