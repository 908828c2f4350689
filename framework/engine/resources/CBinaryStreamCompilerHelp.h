#pragma once

#include <angelscript.h>

#include <fstream>
#include <string>

namespace GF::HGENS {

// Bytecode written to a file, truncated when opened.
class CBinaryStreamCompilerHelp : public AngelScript::asIBinaryStream {
 public:
  explicit CBinaryStreamCompilerHelp(const std::string& path)
      : m_out(path, std::ios::binary | std::ios::trunc) {}

  bool IsOpen() const { return m_out.is_open(); }
  // False when a write failed.
  bool Close() {
    m_out.close();
    return !m_out.fail();
  }

  int Read(void*, AngelScript::asUINT) override { return AngelScript::asNOT_SUPPORTED; }
  int Write(const void* ptr, AngelScript::asUINT size) override {
    m_out.write(static_cast<const char*>(ptr), size);
    return m_out ? AngelScript::asSUCCESS : AngelScript::asERROR;
  }

 private:
  std::ofstream m_out;
};

}  // namespace GF::HGENS
