#pragma once

#include <angelscript.h>

#include <cstdint>

class Engine;

namespace GF::HGENS {

// Bytecode read from a whole file that the engine loaded. Reads never go past the file's
// end: a short or corrupt file fails the load instead of reading beyond the buffer.
class CBinaryStreamHelp : public AngelScript::asIBinaryStream {
 public:
  // Takes the engine's buffer (freed with the engine) of `size` bytes.
  CBinaryStreamHelp(Engine* engine, void* data, std::uint32_t size);
  ~CBinaryStreamHelp() override;
  CBinaryStreamHelp(const CBinaryStreamHelp&) = delete;
  CBinaryStreamHelp& operator=(const CBinaryStreamHelp&) = delete;

  int Read(void* ptr, AngelScript::asUINT size) override;
  int Write(const void*, AngelScript::asUINT) override { return AngelScript::asNOT_SUPPORTED; }

 private:
  Engine* m_engine;
  const std::uint8_t* m_data;
  std::uint32_t m_size;
  std::uint32_t m_pos = 0;
};

}  // namespace GF::HGENS
