#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/THolder.h"

namespace {

TEST(CMemoryInputStreamTest, ShortReadsAndSkipsReportTheRealCount) {
  const std::vector<std::uint8_t> data = {1, 2, 3, 4, 5, 6, 7};
  GF::THolder<GF::CMemoryInputStream> in(new GF::CMemoryInputStream(data));
  EXPECT_EQ(in->Skip(3), 3u);
  std::uint8_t buffer[10] = {};
  buffer[4] = 0xEE;
  EXPECT_EQ(in->Read(buffer, 10), 4u);
  EXPECT_EQ(buffer[0], 4);
  EXPECT_EQ(buffer[3], 7);
  EXPECT_EQ(buffer[4], 0xEE);  // untouched past the delivered bytes
  EXPECT_EQ(in->Read(buffer, 10), 0u);
  EXPECT_EQ(in->Skip(10), 0u);
  EXPECT_FALSE(in->Open("file"));  // a memory stream has no path
}

TEST(CMemoryInputStreamTest, SkipStopsAtTheEnd) {
  const std::uint8_t data[3] = {1, 2, 3};
  GF::CMemoryInputStream in(data, sizeof data);  // a view of the caller's bytes
  EXPECT_EQ(in.Skip(10), 3u);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(CMemoryOutputStreamTest, WritesZerosAndHandsOverItsBytes) {
  GF::THolder<GF::CMemoryOutputStream> out(new GF::CMemoryOutputStream);
  const std::uint8_t ab[2] = {0xA, 0xB};
  EXPECT_EQ(out->Write(ab, 2), 2u);
  out->WriteZeros(3);
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(out->TakeBytes(), (std::vector<std::uint8_t>{0xA, 0xB, 0, 0, 0}));
  EXPECT_TRUE(out->Bytes().empty());
}

}  // namespace
