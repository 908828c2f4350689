#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "framework/engine/resources/CBlobReader.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::CreateBlobReader;

TEST(CBlobReaderTest, ReadsAndSkipsUpToTheEnd) {
  const auto dir = pm::test::MakeTempDir("blob");
  const std::string path = (dir / "data.bin").string();
  std::ofstream(path, std::ios::binary) << "0123456789ABCD";

  auto reader = CreateBlobReader();
  ASSERT_TRUE(reader->Open(path.c_str()));
  EXPECT_EQ(reader->Remaining(), 14u);
  char buf[16] = {};
  EXPECT_EQ(reader->Skip(10), 10u);
  EXPECT_EQ(reader->Read(buf, 10), 4u);  // 10 asked, 4 left
  EXPECT_EQ(std::string(buf, 4), "ABCD");
  EXPECT_EQ(reader->Read(buf, 10), 0u);
  EXPECT_EQ(reader->Skip(3), 0u);

  // Opening again (here by a wide name) starts over on the new file.
  ASSERT_TRUE(reader->Open(std::wstring(path.begin(), path.end())));
  EXPECT_EQ(reader->Read(buf, 3), 3u);
  EXPECT_EQ(std::string(buf, 3), "012");

  EXPECT_FALSE(reader->Open((dir / "missing.bin").string().c_str()));
  EXPECT_EQ(reader->Remaining(), 0u);
  EXPECT_EQ(reader->Read(buf, 1), 0u);
}

}  // namespace
