#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct PackedCase {
  std::uint32_t value;
  Bytes bytes;
};

class PackedUIntTest : public testing::TestWithParam<PackedCase> {};

TEST_P(PackedUIntTest, EncodesAndDecodesExactBytes) {
  GF::CMemoryOutputStream out;
  GF::WritePackedUInt(out, GetParam().value);
  EXPECT_EQ(out.Bytes(), GetParam().bytes);

  Bytes data = GetParam().bytes;
  data.push_back(0xEE);  // the reader must stop at the last group
  GF::CMemoryInputStream in(data);
  std::uint32_t value = 0;
  ASSERT_TRUE(GF::ReadPackedUInt(in, value));
  EXPECT_EQ(value, GetParam().value);
  EXPECT_EQ(in.Position(), GetParam().bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Examples, PackedUIntTest,
                         testing::Values(PackedCase{0, {0x00}}, PackedCase{127, {0x7F}},
                                         PackedCase{128, {0x80, 0x01}},
                                         PackedCase{300, {0xAC, 0x02}},
                                         PackedCase{16384, {0x80, 0x80, 0x01}},
                                         PackedCase{4294967295u, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F}}));

TEST(BinaryEncodingTest, NarrowStringsBothWays) {
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"abc", {0x03, 'a', 'b', 'c'}},
      {"", {0x00}},
      {std::string("\0\xFF", 2), {0x02, 0x00, 0xFF}},  // bytes as they are
  };
  for (const auto& [text, bytes] : cases) {
    GF::CMemoryOutputStream out;
    GF::WriteString(out, text);
    EXPECT_EQ(out.Bytes(), bytes);
    GF::CMemoryInputStream in(bytes);
    std::string read = "old";
    ASSERT_TRUE(GF::ReadString(in, read));
    EXPECT_EQ(read, text);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(BinaryEncodingTest, WideStringsKeepUnitsHighByteFirst) {
  const std::vector<std::pair<std::wstring, Bytes>> cases = {
      {L"abc", {0x03, 0x00, 'a', 0x00, 'b', 0x00, 'c'}},
      {std::wstring(1, wchar_t{0x20AC}), {0x01, 0x20, 0xAC}},
      // A surrogate pair stays two units.
      {std::wstring{wchar_t{0xD83D}, wchar_t{0xDE00}}, {0x02, 0xD8, 0x3D, 0xDE, 0x00}},
      {L"", {0x00}},
  };
  for (const auto& [text, bytes] : cases) {
    GF::CMemoryOutputStream out;
    GF::WriteWideString(out, text);
    EXPECT_EQ(out.Bytes(), bytes);
    GF::CMemoryInputStream in(bytes);
    std::wstring read = L"old";
    ASSERT_TRUE(GF::ReadWideString(in, read));
    EXPECT_EQ(read, text);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(BinaryEncodingTest, LongWideStringCrossesChunks) {
  std::wstring text;
  for (int i = 0; i < 1000; ++i) text.push_back(static_cast<wchar_t>(0x0100 + i * 61));
  GF::CMemoryOutputStream out;
  GF::WriteWideString(out, text);
  ASSERT_EQ(out.Bytes().size(), 2u + 2000u);  // two-byte count, then the units
  GF::CMemoryInputStream in(out.Bytes().data(), out.Bytes().size());
  std::wstring read;
  ASSERT_TRUE(GF::ReadWideString(in, read));
  EXPECT_EQ(read, text);
}

TEST(BinaryEncodingTest, FixedSizeValuesBothWays) {
  GF::CMemoryOutputStream out;
  GF::WriteUInt32BE(out, 1);
  GF::WriteUInt32BE(out, 0x12345678);
  GF::WriteInt32BE(out, -2);
  GF::WriteFloat(out, 1.0f);
  GF::WriteByte(out, 0xAB);
  GF::WriteBool(out, true);
  const Bytes expected = {0x00, 0x00, 0x00, 0x01, 0x12, 0x34, 0x56, 0x78, 0xFF,
                          0xFF, 0xFF, 0xFE, 0x00, 0x00, 0x80, 0x3F, 0xAB, 0x01};
  EXPECT_EQ(out.Bytes(), expected);

  GF::CMemoryInputStream in(expected);
  std::uint32_t u1 = 0, u2 = 0;
  std::int32_t i = 0;
  float f = 0;
  std::uint8_t b = 0, flag = 0;
  ASSERT_TRUE(GF::ReadUInt32BE(in, u1) && GF::ReadUInt32BE(in, u2) && GF::ReadInt32BE(in, i) &&
              GF::ReadFloat(in, f) && GF::ReadByte(in, b) && GF::ReadByte(in, flag));
  EXPECT_EQ(u1, 1u);
  EXPECT_EQ(u2, 0x12345678u);
  EXPECT_EQ(i, -2);
  EXPECT_EQ(f, 1.0f);
  EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(flag, 1);
}

struct BadInput {
  const char* name;
  Bytes bytes;
  std::function<bool(GF::CInputStream&)> read;
};

TEST(BinaryEncodingTest, TruncatedAndMalformedInputFailsCleanly) {
  auto packed = [](GF::CInputStream& in) {
    std::uint32_t v;
    return GF::ReadPackedUInt(in, v);
  };
  auto narrow = [](GF::CInputStream& in) {
    std::string s;
    const bool ok = GF::ReadString(in, s);
    EXPECT_TRUE(s.empty());
    EXPECT_LT(s.capacity(), 1024u);
    return ok;
  };
  auto wide = [](GF::CInputStream& in) {
    std::wstring s;
    const bool ok = GF::ReadWideString(in, s);
    EXPECT_TRUE(s.empty());
    EXPECT_LT(s.capacity(), 1024u);
    return ok;
  };
  auto be32 = [](GF::CInputStream& in) {
    std::uint32_t v;
    return GF::ReadUInt32BE(in, v);
  };
  auto flt = [](GF::CInputStream& in) {
    float v;
    return GF::ReadFloat(in, v);
  };
  const std::vector<BadInput> cases = {
      {"empty packed", {}, packed},
      {"packed cut after a continuation", {0x80}, packed},
      {"packed group past bit 31", {0xFF, 0xFF, 0xFF, 0xFF, 0x1F}, packed},
      {"packed sixth byte", {0x80, 0x80, 0x80, 0x80, 0x80, 0x00}, packed},
      {"string shorter than its length", {0x05, 'a', 'b'}, narrow},
      {"string length 0xFFFFFFF0, three bytes left",
       {0xF0, 0xFF, 0xFF, 0xFF, 0x0F, 'a', 'b', 'c'},
       narrow},
      {"wide string cut inside a unit", {0x02, 0x00, 'a', 0x00}, wide},
      {"wide count 0xFFFFFFF0, three bytes left", {0xF0, 0xFF, 0xFF, 0xFF, 0x0F, 1, 2, 3}, wide},
      {"wide string without its count", {}, wide},
      {"big-endian integer cut", {0x00, 0x00, 0x01}, be32},
      {"float cut", {0x00}, flt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GF::CMemoryInputStream in(c.bytes);
    EXPECT_FALSE(c.read(in));
  }
}

TEST(BinaryEncodingTest, EndlessContinuationBytesStopAfterFive) {
  const Bytes data(64, 0xFF);
  GF::CMemoryInputStream in(data);
  std::uint32_t v;
  EXPECT_FALSE(GF::ReadPackedUInt(in, v));
  EXPECT_EQ(in.Position(), 5u);
}

}  // namespace
