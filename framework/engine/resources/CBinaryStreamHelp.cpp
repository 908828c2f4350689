#include "framework/engine/resources/CBinaryStreamHelp.h"

#include <cstring>
#include <optional>

#include "framework/engine/resources/BytecodeTrailer.h"
#include "platform/Engine.h"

namespace GF::HGENS {

CBinaryStreamHelp::CBinaryStreamHelp(Engine* engine, void* data, std::uint32_t size)
    : m_engine(engine), m_data(static_cast<const std::uint8_t*>(data)) {
  m_engine->AddRef();
  const std::optional<std::uint32_t> length = BytecodeTrailer::Check(m_data, size);
  m_intact = length.has_value();
  m_size = length.value_or(0);
}

CBinaryStreamHelp::~CBinaryStreamHelp() {
  m_engine->ResourceFree(const_cast<std::uint8_t*>(m_data));
  m_engine->Release();
}

int CBinaryStreamHelp::Read(void* ptr, AngelScript::asUINT size) {
  if (size > m_size - m_pos) return AngelScript::asERROR;
  std::memcpy(ptr, m_data + m_pos, size);
  m_pos += size;
  return AngelScript::asSUCCESS;
}

}  // namespace GF::HGENS
