#include "framework/core/BinaryEncoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace GF {

namespace {

constexpr std::uint8_t kMore = 0x80;
constexpr std::uint8_t kGroup = 0x7F;
constexpr int kMaxPackedBytes = 5;
// Bits of the fifth group that still fit in 32 bits.
constexpr std::uint8_t kLastGroupMask = 0x0F;

template <std::size_t N>
bool ReadExact(CInputStream& in, std::array<std::uint8_t, N>& bytes) {
  return in.Read(bytes.data(), N) == N;
}

template <typename Text>
std::uint32_t ClampedLength(const Text& text) {
  return static_cast<std::uint32_t>(
      std::min<std::size_t>(text.size(), std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

bool ReadPackedUInt(CInputStream& in, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < kMaxPackedBytes; ++i) {
    std::uint8_t b = 0;
    if (in.Read(&b, 1) != 1) return false;
    if (i == kMaxPackedBytes - 1 && (b & ~kLastGroupMask) != 0) return false;
    value |= static_cast<std::uint32_t>(b & kGroup) << (7 * i);
    if ((b & kMore) == 0) return true;
  }
  return false;
}

bool ReadString(CInputStream& in, std::string& out) {
  out.clear();
  std::uint32_t n = 0;
  if (!ReadPackedUInt(in, n)) return false;
  if (n == 0) return true;
  if (n > in.Remaining()) return false;
  out.resize(n);
  if (in.Read(out.data(), n) != n) {
    out.clear();
    return false;
  }
  return true;
}

bool ReadWideString(CInputStream& in, std::wstring& out) {
  out.clear();
  std::uint32_t n = 0;
  if (!ReadPackedUInt(in, n)) return false;
  if (n > in.Remaining() / 2) return false;
  out.reserve(n);
  // Chunked so a long text costs a few stream calls, not one per unit.
  std::array<std::uint8_t, 256> chunk;
  for (std::uint32_t left = n; left > 0;) {
    const std::size_t units = std::min<std::size_t>(left, chunk.size() / 2);
    if (in.Read(chunk.data(), units * 2) != units * 2) {
      out.clear();
      return false;
    }
    for (std::size_t i = 0; i < units; ++i) {
      out.push_back(static_cast<wchar_t>(chunk[2 * i] << 8 | chunk[2 * i + 1]));
    }
    left -= static_cast<std::uint32_t>(units);
  }
  return true;
}

bool ReadUInt32BE(CInputStream& in, std::uint32_t& value) {
  std::array<std::uint8_t, 4> b;
  if (!ReadExact(in, b)) return false;
  value = std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
  return true;
}

bool ReadInt32BE(CInputStream& in, std::int32_t& value) {
  std::uint32_t bits = 0;
  if (!ReadUInt32BE(in, bits)) return false;
  value = static_cast<std::int32_t>(bits);
  return true;
}

bool ReadFloat(CInputStream& in, float& value) {
  std::array<std::uint8_t, 4> b;
  if (!ReadExact(in, b)) return false;
  const std::uint32_t bits =
      std::uint32_t{b[3]} << 24 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[1]} << 8 | b[0];
  value = std::bit_cast<float>(bits);
  return true;
}

bool ReadByte(CInputStream& in, std::uint8_t& value) {
  return in.Read(&value, 1) == 1;
}

void WritePackedUInt(COutputStream& out, std::uint32_t value) {
  std::array<std::uint8_t, kMaxPackedBytes> bytes;
  std::size_t n = 0;
  while (value > kGroup) {
    bytes[n++] = static_cast<std::uint8_t>((value & kGroup) | kMore);
    value >>= 7;
  }
  bytes[n++] = static_cast<std::uint8_t>(value);
  out.Write(bytes.data(), n);
}

void WriteString(COutputStream& out, const std::string& text) {
  const std::uint32_t n = ClampedLength(text);
  WritePackedUInt(out, n);
  if (n > 0) out.Write(text.data(), n);
}

void WriteWideString(COutputStream& out, const std::wstring& text) {
  const std::uint32_t n = ClampedLength(text);
  WritePackedUInt(out, n);
  std::array<std::uint8_t, 256> chunk;
  for (std::size_t done = 0; done < n;) {
    const std::size_t units = std::min<std::size_t>(n - done, chunk.size() / 2);
    for (std::size_t i = 0; i < units; ++i) {
      const auto unit = static_cast<std::uint32_t>(text[done + i]);
      chunk[2 * i] = static_cast<std::uint8_t>(unit >> 8);
      chunk[2 * i + 1] = static_cast<std::uint8_t>(unit);
    }
    out.Write(chunk.data(), units * 2);
    done += units;
  }
}

void WriteUInt32BE(COutputStream& out, std::uint32_t value) {
  const std::array<std::uint8_t, 4> b = {
      static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
      static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
  out.Write(b.data(), b.size());
}

void WriteInt32BE(COutputStream& out, std::int32_t value) {
  WriteUInt32BE(out, static_cast<std::uint32_t>(value));
}

void WriteFloat(COutputStream& out, float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const std::array<std::uint8_t, 4> b = {
      static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
      static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  out.Write(b.data(), b.size());
}

void WriteByte(COutputStream& out, std::uint8_t value) {
  out.Write(&value, 1);
}

void WriteBool(COutputStream& out, bool value) {
  WriteByte(out, value ? 1 : 0);
}

}  // namespace GF
