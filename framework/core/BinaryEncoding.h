#pragma once

// The primitive encodings of every binary data file and of the settings file:
//   packed unsigned integer  LEB128, 7-bit groups lowest first, bit 7 set when more follow
//   narrow string            packed byte count, then the bytes as they are
//   wide string              packed count of UTF-16 units, then each unit high byte first
//   32-bit integer           big-endian
//   float                    IEEE single, little-endian
//   byte / bool              one byte; a bool is written 0 or 1 and read as non-zero
//
// Readers return false on data that ends early or is malformed and never read further than
// the stream holds: every length is checked against CInputStream::Remaining before anything
// is allocated. After a failed read the output means nothing unless the reader says so.
// Writers never fail themselves; a failing stream keeps its own error (see its Close).

#include <cstdint>
#include <string>

#include "framework/core/CInputStream.h"
#include "framework/core/COutputStream.h"

namespace GF {

// At most five bytes; a group past bit 31 is an error.
bool ReadPackedUInt(CInputStream& in, std::uint32_t& value);
// out is emptied first and stays empty on failure.
bool ReadString(CInputStream& in, std::string& out);
bool ReadWideString(CInputStream& in, std::wstring& out);
bool ReadUInt32BE(CInputStream& in, std::uint32_t& value);
bool ReadInt32BE(CInputStream& in, std::int32_t& value);
bool ReadFloat(CInputStream& in, float& value);
bool ReadByte(CInputStream& in, std::uint8_t& value);

void WritePackedUInt(COutputStream& out, std::uint32_t value);
// Lengths above 32 bits cannot be encoded; such strings are cut to 0xFFFFFFFF units.
void WriteString(COutputStream& out, const std::string& text);
// Units are written as they are, surrogate pairs as two units; each wchar_t holds one unit.
void WriteWideString(COutputStream& out, const std::wstring& text);
void WriteUInt32BE(COutputStream& out, std::uint32_t value);
void WriteInt32BE(COutputStream& out, std::int32_t value);
void WriteFloat(COutputStream& out, float value);
void WriteByte(COutputStream& out, std::uint8_t value);
void WriteBool(COutputStream& out, bool value);

}  // namespace GF
