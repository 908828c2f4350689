#pragma once

#include <angelscript.h>

#include <cstdint>
#include <string>
#include <vector>

namespace GF::HGENS {

// Bytecode collected in memory and saved whole with its trailer (BytecodeTrailer.h): the
// file on disk is the old one or the new one, never a part.
class CBinaryStreamCompilerHelp : public AngelScript::asIBinaryStream {
 public:
  // Writes the bytecode and its trailer to `path` through a temporary file; false when that
  // failed (the old file, if any, stays).
  bool Save(const std::string& path);

  int Read(void*, AngelScript::asUINT) override { return AngelScript::asNOT_SUPPORTED; }
  int Write(const void* ptr, AngelScript::asUINT size) override;

 private:
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace GF::HGENS
