#include "framework/engine/resources/CBinaryStreamCompilerHelp.h"

#include "framework/engine/resources/BytecodeTrailer.h"
#include "platform/OsServices.h"

namespace GF::HGENS {

int CBinaryStreamCompilerHelp::Write(const void* ptr, AngelScript::asUINT size) {
  const auto* bytes = static_cast<const std::uint8_t*>(ptr);
  m_bytes.insert(m_bytes.end(), bytes, bytes + size);
  return AngelScript::asSUCCESS;
}

bool CBinaryStreamCompilerHelp::Save(const std::string& path) {
  std::vector<std::uint8_t> file = m_bytes;
  BytecodeTrailer::Append(file);
  return Os::WriteFileAtomically(path, file.data(), file.size());
}

}  // namespace GF::HGENS
