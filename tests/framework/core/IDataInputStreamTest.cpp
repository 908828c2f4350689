#include <gtest/gtest.h>

#include <string>

#include "framework/core/IDataInputStream.h"
#include "framework/core/THolder.h"

namespace {

// Records the path that reaches the wide Open.
class CPathRecorder : public GF::IDataInputStream {
 public:
  using GF::IDataInputStream::Open;
  bool Open(const std::wstring& path) override {
    m_Path = path;
    return true;
  }
  std::size_t Read(void*, std::size_t) override { return 0; }
  std::size_t Skip(std::size_t) override { return 0; }
  std::size_t Remaining() const override { return 0; }

  std::wstring m_Path;
};

TEST(IDataInputStreamTest, NarrowOpenWidensEachByteToOneUnit) {
  GF::THolder<CPathRecorder> stream(new CPathRecorder);
  EXPECT_TRUE(stream->Open("Binary\\game\xE9.bin"));
  EXPECT_EQ(stream->m_Path, L"Binary\\game\u00E9.bin");  // 0xE9 stays 0x00E9, not negative
}

}  // namespace
