#include "framework/engine/resources/CBlobReader.h"

#include <algorithm>
#include <cstring>

#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace GF::HGENS {

CBlobReader::CBlobReader() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CBlobReader::~CBlobReader() {
  Free();
  m_engine->Release();
}

void CBlobReader::Free() {
  if (m_data) m_engine->ResourceFree(m_data);
  m_data = nullptr;
  m_size = m_pos = 0;
}

bool CBlobReader::Open(const char* name) {
  Free();
  std::uint32_t size = 0;
  m_data = static_cast<std::uint8_t*>(m_engine->ResourceLoad(name, &size));
  m_size = m_data ? size : 0;
  return m_data != nullptr;
}

bool CBlobReader::Open(const std::wstring& name) {
  return Open(Os::Utf16ToUtf8(name).c_str());
}

std::size_t CBlobReader::Read(void* buffer, std::size_t count) {
  count = std::min(count, Remaining());
  if (count) std::memcpy(buffer, m_data + m_pos, count);
  m_pos += count;
  return count;
}

std::size_t CBlobReader::Skip(std::size_t count) {
  count = std::min(count, Remaining());
  m_pos += count;
  return count;
}

THolder<CBlobReader> CreateBlobReader() {
  return THolder<CBlobReader>(new CBlobReader);
}

}  // namespace GF::HGENS
