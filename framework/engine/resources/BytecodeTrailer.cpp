#include "framework/engine/resources/BytecodeTrailer.h"

#include <angelscript.h>
#include <zlib.h>

#include <cstring>

namespace GF::HGENS::BytecodeTrailer {
namespace {

constexpr std::uint8_t kMagic[4] = {'P', 'M', 'B', 'C'};

std::uint32_t Crc(const std::uint8_t* data, std::size_t size) {
  const char* version = AngelScript::asGetLibraryVersion();
  uLong crc =
      crc32(0L, reinterpret_cast<const Bytef*>(version), static_cast<uInt>(std::strlen(version)));
  // zlib takes at most 4 GiB a call; bytecode lengths fit 32 bits anyway.
  return static_cast<std::uint32_t>(crc32(crc, data, static_cast<uInt>(size)));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Get32(const std::uint8_t* in) {
  return static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
         static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
}

}  // namespace

void Append(std::vector<std::uint8_t>& bytes) {
  const auto length = static_cast<std::uint32_t>(bytes.size());
  const std::uint32_t crc = Crc(bytes.data(), bytes.size());
  bytes.insert(bytes.end(), std::begin(kMagic), std::end(kMagic));
  Put32(bytes, length);
  Put32(bytes, crc);
}

std::optional<std::uint32_t> Check(const std::uint8_t* data, std::size_t size) {
  if (!data || size < kSize) return std::nullopt;
  const std::uint8_t* trailer = data + size - kSize;
  if (std::memcmp(trailer, kMagic, sizeof kMagic) != 0) return std::nullopt;
  const std::uint32_t length = Get32(trailer + 4);
  if (length != size - kSize || Get32(trailer + 8) != Crc(data, length)) return std::nullopt;
  return length;
}

}  // namespace GF::HGENS::BytecodeTrailer
