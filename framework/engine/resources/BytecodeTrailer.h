#pragma once

// The compiled resource script ends with a trailer of our own: magic, bytecode length and
// CRC-32, four bytes each, little-endian. The script library checks nothing when it loads
// bytecode (a cut or damaged file aborts the program inside it), so a file is handed to it
// only when its trailer holds. The CRC also covers the library's version text: bytecode of
// another library version counts as damaged and is compiled again.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace GF::HGENS::BytecodeTrailer {

constexpr std::size_t kSize = 12;

// Appends the trailer for the bytecode `bytes` holds.
void Append(std::vector<std::uint8_t>& bytes);

// The length of the bytecode in front of an intact trailer; nothing for a file that is cut,
// damaged, of another library version or made without a trailer.
std::optional<std::uint32_t> Check(const std::uint8_t* data, std::size_t size);

}  // namespace GF::HGENS::BytecodeTrailer
