#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/CStreamReader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CStreamReaderTest, ReadsARecordWrittenByTheWriters) {
  GF::CMemoryOutputStream out;
  GF::WriteUInt32BE(out, 2);  // count
  GF::WriteString(out, "onion");
  GF::WriteFloat(out, 2.5f);
  GF::WriteString(out, "leek");
  GF::WriteFloat(out, -1.0f);
  GF::WriteWideString(out, L"Chef");
  GF::WriteBool(out, true);
  GF::WriteByte(out, 7);  // read as a bool: non-zero is true
  GF::WritePackedUInt(out, 300);
  GF::WriteInt32BE(out, -5);

  GF::CMemoryInputStream in(out.Bytes());
  GF::CStreamReader reader(in);
  const std::uint32_t n = reader.Count(5);  // a STR of one or more bytes plus an F32
  ASSERT_EQ(n, 2u);
  EXPECT_EQ(reader.String(), "onion");
  EXPECT_EQ(reader.Float(), 2.5f);
  EXPECT_EQ(reader.String(), "leek");
  EXPECT_EQ(reader.Float(), -1.0f);
  EXPECT_EQ(reader.WideString(), L"Chef");
  EXPECT_TRUE(reader.Bool());
  EXPECT_TRUE(reader.Bool());
  EXPECT_EQ(reader.PackedUInt(), 300u);
  EXPECT_EQ(reader.Int32BE(), -5);
  EXPECT_TRUE(reader.Ok());
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(CStreamReaderTest, FirstFailureIsStickyAndReadsNothingMore) {
  const Bytes data = {0x00, 0x00, 0x01, 0x61, 0x62, 0x63, 0x64};
  GF::CMemoryInputStream in(data);
  GF::CStreamReader reader(in);
  EXPECT_EQ(reader.UInt32BE(), 0x00000161u);
  EXPECT_EQ(reader.String(), "");  // length 0x62, three bytes left
  EXPECT_FALSE(reader.Ok());
  const std::size_t position = in.Position();
  EXPECT_EQ(reader.Byte(), 0);
  EXPECT_EQ(reader.UInt32BE(), 0u);
  EXPECT_EQ(reader.WideString(), L"");
  reader.Skip(1);
  EXPECT_EQ(in.Position(), position);
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(CStreamReaderTest, CountsLargerThanTheBytesLeftFailAtOnce) {
  // A count of 0xFFFFFFF0 with three bytes left, big-endian and packed.
  const Bytes be = {0xFF, 0xFF, 0xFF, 0xF0, 1, 2, 3};
  GF::CMemoryInputStream beIn(be);
  GF::CStreamReader beReader(beIn);
  EXPECT_EQ(beReader.Count(1), 0u);
  EXPECT_FALSE(beReader.Ok());

  const Bytes packed = {0xF0, 0xFF, 0xFF, 0xFF, 0x0F, 1, 2, 3};
  GF::CMemoryInputStream packedIn(packed);
  GF::CStreamReader packedReader(packedIn);
  EXPECT_EQ(packedReader.PackedCount(1), 0u);
  EXPECT_FALSE(packedReader.Ok());

  // Elements of four bytes: three of them need twelve bytes, and there are eleven.
  const Bytes tight = {0, 0, 0, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  GF::CMemoryInputStream tightIn(tight);
  GF::CStreamReader tightReader(tightIn);
  EXPECT_EQ(tightReader.Count(4), 0u);
  EXPECT_FALSE(tightReader.Ok());

  // Count 0 with nothing after it is fine.
  const Bytes zero = {0, 0, 0, 0};
  GF::CMemoryInputStream zeroIn(zero);
  GF::CStreamReader zeroReader(zeroIn);
  EXPECT_EQ(zeroReader.Count(8), 0u);
  EXPECT_TRUE(zeroReader.Ok());
}

TEST(CStreamReaderTest, BytesSkipAndFailByCaller) {
  const Bytes data = {1, 2, 3, 4, 5};
  GF::CMemoryInputStream in(data);
  GF::CStreamReader reader(in);
  std::uint8_t two[2] = {};
  reader.Bytes(two, 2);
  EXPECT_EQ(two[0], 1);
  EXPECT_EQ(two[1], 2);
  reader.Skip(2);
  EXPECT_EQ(reader.Byte(), 5);
  EXPECT_TRUE(reader.Ok());
  reader.Skip(1);  // past the end
  EXPECT_FALSE(reader.Ok());

  GF::CMemoryInputStream again(data);
  GF::CStreamReader checked(again);
  checked.Fail();
  EXPECT_EQ(checked.Byte(), 0);
  EXPECT_EQ(again.Position(), 0u);

  GF::CMemoryInputStream shortIn(data);
  GF::CStreamReader shortReader(shortIn);
  std::uint8_t six[6] = {};
  shortReader.Bytes(six, 6);
  EXPECT_FALSE(shortReader.Ok());
}

}  // namespace
