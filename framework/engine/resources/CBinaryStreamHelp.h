#pragma once

#include <angelscript.h>

#include <cstdint>

class Engine;

namespace GF::HGENS {

// Bytecode read from a whole file that the engine loaded. Only the bytecode in front of an
// intact trailer is readable (BytecodeTrailer.h), and reads never go past it: a cut or
// damaged file reaches the script library not at all.
class CBinaryStreamHelp : public AngelScript::asIBinaryStream {
 public:
  // Takes the engine's buffer (freed with the engine) of `size` bytes.
  CBinaryStreamHelp(Engine* engine, void* data, std::uint32_t size);
  ~CBinaryStreamHelp() override;
  CBinaryStreamHelp(const CBinaryStreamHelp&) = delete;
  CBinaryStreamHelp& operator=(const CBinaryStreamHelp&) = delete;

  // False when the file's trailer fails: it must not be loaded.
  bool IsIntact() const { return m_intact; }

  int Read(void* ptr, AngelScript::asUINT size) override;
  int Write(const void*, AngelScript::asUINT) override { return AngelScript::asNOT_SUPPORTED; }

 private:
  Engine* m_engine;
  const std::uint8_t* m_data;
  bool m_intact;
  std::uint32_t m_size;  // of the bytecode
  std::uint32_t m_pos = 0;
};

}  // namespace GF::HGENS
