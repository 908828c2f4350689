#include "framework/core/CStreamReader.h"

#include "framework/core/BinaryEncoding.h"

namespace GF {

template <typename T, typename ReadFn>
T CStreamReader::Checked(ReadFn read) {
  T value{};
  if (m_Ok && !read(m_In, value)) {
    m_Ok = false;
    value = T{};
  }
  return value;
}

std::uint32_t CStreamReader::PackedUInt() {
  return Checked<std::uint32_t>(
      [](CInputStream& in, std::uint32_t& v) { return ReadPackedUInt(in, v); });
}

std::uint32_t CStreamReader::UInt32BE() {
  return Checked<std::uint32_t>(
      [](CInputStream& in, std::uint32_t& v) { return ReadUInt32BE(in, v); });
}

std::int32_t CStreamReader::Int32BE() {
  return Checked<std::int32_t>(
      [](CInputStream& in, std::int32_t& v) { return ReadInt32BE(in, v); });
}

float CStreamReader::Float() {
  return Checked<float>([](CInputStream& in, float& v) { return ReadFloat(in, v); });
}

std::uint8_t CStreamReader::Byte() {
  return Checked<std::uint8_t>([](CInputStream& in, std::uint8_t& v) { return ReadByte(in, v); });
}

bool CStreamReader::Bool() {
  return Byte() != 0;
}

std::string CStreamReader::String() {
  return Checked<std::string>([](CInputStream& in, std::string& v) { return ReadString(in, v); });
}

std::wstring CStreamReader::WideString() {
  return Checked<std::wstring>(
      [](CInputStream& in, std::wstring& v) { return ReadWideString(in, v); });
}

void CStreamReader::Bytes(void* buffer, std::size_t count) {
  if (m_Ok && (count > m_In.Remaining() || m_In.Read(buffer, count) != count)) m_Ok = false;
}

void CStreamReader::Skip(std::size_t count) {
  if (m_Ok && m_In.Skip(count) != count) m_Ok = false;
}

std::uint32_t CStreamReader::Count(std::size_t minBytes) {
  return CheckCount(UInt32BE(), minBytes);
}

std::uint32_t CStreamReader::PackedCount(std::size_t minBytes) {
  return CheckCount(PackedUInt(), minBytes);
}

std::uint32_t CStreamReader::CheckCount(std::uint32_t count, std::size_t minBytes) {
  if (!m_Ok) return 0;
  // Division, not multiplication: count * minBytes could overflow.
  if (minBytes > 0 && count > m_In.Remaining() / minBytes) {
    m_Ok = false;
    return 0;
  }
  return count;
}

}  // namespace GF
