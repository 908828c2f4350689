#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/CDataInputStream.h"
#include "framework/engine/app/CDataOutputStream.h"
#include "platform/OsServices.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::CDataInputStream;
using GF::HGENS::CDataOutputStream;

std::wstring Wide(const std::filesystem::path& path) {
  return Os::Utf8ToUtf16(path.string());
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CDataStreamsTest, WriteThenReadAFile) {
  const auto path = pm::test::MakeTempDir("streams") / "data.bin";
  GF::THolder<CDataOutputStream> out(new CDataOutputStream);
  ASSERT_TRUE(out->Open(Wide(path)));
  GF::WriteUInt32BE(*out, 1);
  GF::WriteWideString(*out, L"abc");
  out->WriteZeros(300);  // more than one block of zeros
  GF::WriteString(*out, "end");
  EXPECT_TRUE(out->Close());

  const std::vector<std::uint8_t> bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 4u + 7u + 300u + 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 11),
            (std::vector<std::uint8_t>{0, 0, 0, 1, 3, 0, 'a', 0, 'b', 0, 'c'}));

  GF::THolder<CDataInputStream> in(new CDataInputStream);
  ASSERT_TRUE(in->Open(path.string().c_str()));
  GF::CStreamReader reader(*in);
  EXPECT_EQ(reader.UInt32BE(), 1u);
  EXPECT_EQ(reader.WideString(), L"abc");
  reader.Skip(300);
  EXPECT_EQ(reader.String(), "end");
  EXPECT_TRUE(reader.Ok());
  EXPECT_EQ(in->Remaining(), 0u);
}

TEST(CDataStreamsTest, ShortReadsAndSkipsReturnTheRealCount) {
  const auto path = pm::test::MakeTempDir("streams") / "five.bin";
  std::ofstream(path, std::ios::binary) << "12345";
  CDataInputStream in;
  ASSERT_TRUE(in.Open(Wide(path)));
  EXPECT_EQ(in.Skip(2), 2u);
  EXPECT_EQ(in.Skip(10), 3u);  // Skip(10) with 3 bytes left
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(in.Read(buffer, 4), 0u);

  ASSERT_TRUE(in.Open(Wide(path)));  // reopening starts over
  EXPECT_EQ(in.Read(buffer, 2), 2u);
  EXPECT_EQ(in.Read(buffer, 4), 3u);
  EXPECT_EQ(std::string(buffer, 4), "345x");  // untouched past the delivered bytes
}

TEST(CDataStreamsTest, OpenFailsForMissingFilesAndFolders) {
  const auto dir = pm::test::MakeTempDir("streams");
  CDataInputStream in;
  EXPECT_FALSE(in.Open(Wide(dir / "missing")));
  EXPECT_FALSE(in.Open(Wide(dir)));
  EXPECT_FALSE(in.IsOpen());
  EXPECT_EQ(in.Remaining(), 0u);

  CDataOutputStream out;
  EXPECT_FALSE(out.Open(Wide(dir / "no folder" / "file")));
  EXPECT_FALSE(out.Close());
}

TEST(CDataStreamsTest, NonAsciiPathsNameTheSameFile) {
  const auto dir = pm::test::MakeTempDir("streams");
  const std::wstring wide = Wide(dir) + L"/K\u00FCche \u20AC.bin";
  CDataOutputStream out;
  ASSERT_TRUE(out.Open(wide));
  GF::WriteUInt32BE(out, 7);
  ASSERT_TRUE(out.Close());

  CDataInputStream byWide;
  ASSERT_TRUE(byWide.Open(wide));
  EXPECT_EQ(byWide.Remaining(), 4u);
  CDataInputStream byUtf8;
  EXPECT_TRUE(byUtf8.Open(Os::Utf16ToUtf8(wide).c_str()));
}

TEST(CDataStreamsTest, AFullDiskFailsTheClose) {
  CDataOutputStream out;
  ASSERT_TRUE(out.Open(L"/dev/full"));
  out.WriteZeros(100);
  EXPECT_FALSE(out.Close());
}

}  // namespace
