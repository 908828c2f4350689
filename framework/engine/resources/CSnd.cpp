#include "framework/engine/resources/CSnd.h"

namespace GF::HGENS {

CSnd::CSnd(EngineStream stream) : m_engine(hgeCreate(ENGINE_VERSION)), m_stream(stream) {}

CSnd::~CSnd() {
  if (m_stream) m_engine->StreamFree(m_stream);
  m_engine->Release();
}

}  // namespace GF::HGENS
