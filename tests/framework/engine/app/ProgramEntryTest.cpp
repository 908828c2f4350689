#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/engine/app/ProgramEntry.h"
#include "platform/OsServices.h"

namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLineTest, SplitsOnWhiteSpaceAndKeepsQuotedWordsWhole) {
  struct Case {
    const char* text;
    Words words;
  };
  const Case cases[] = {
      {"", {}},
      {" \t\r\n\v\f ", {}},
      {"/cr  a\tb", {"/cr", "a", "b"}},
      {"\"C:\\Program Files\\game.exe\" level3", {"C:\\Program Files\\game.exe", "level3"}},
      {"\"a\"b\" c", {"a\"b", "c"}},  // a quote inside a word does not end it
      {"\"\" x", {"", "x"}},
      {"\"runs to the end", {"runs to the end"}},
      {"x\"y z", {"x\"y", "z"}},  // a plain word keeps its quotes
      {"\"q\"", {"q"}},
  };
  for (const Case& c : cases) EXPECT_EQ(GF::HGENS::SplitCommandLine(c.text), c.words) << c.text;
}

// Scripted registry values, colour depth and system version; the message boxes are recorded.
class CheckSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    Os::SetMessageBoxResponder(
        [this](const std::string& text, const std::string& caption, Os::MessageBoxButtons) {
          m_messages.push_back(caption + ": " + text);
          return true;
        });
  }
  void TearDown() override {
    Os::SetMessageBoxResponder(nullptr);
    Os::ClearRegistryValues();
    Os::SetDesktopColourDepthOverride(0);
    Os::SetOsMajorVersionOverride(0);
  }

  static void SetDirectX(std::vector<std::uint8_t> value) {
    Os::SetRegistryValue("SOFTWARE\\Microsoft\\DirectX", "InstalledVersion", std::move(value));
  }
  static void SetVideoMemory(std::uint32_t bytes) {
    const std::string path = "\\Registry\\Machine\\System\\Video\\Card0";
    Os::SetRegistryValue("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0",
                         std::vector<std::uint8_t>(path.begin(), path.end()));
    Os::SetRegistryValue(
        "System\\Video\\Card0", "HardwareInformation.MemorySize",
        {static_cast<std::uint8_t>(bytes), static_cast<std::uint8_t>(bytes >> 8),
         static_cast<std::uint8_t>(bytes >> 16), static_cast<std::uint8_t>(bytes >> 24)});
  }

  Words m_messages;
};

TEST_F(CheckSystemTest, ThisSystemPasses) {
  EXPECT_TRUE(GF::HGENS::CheckSystem());
  EXPECT_EQ(m_messages, Words{});
}

TEST_F(CheckSystemTest, TheDirectXVersionByteDecides) {
  const std::string message = "Sizzlewick: Panmaster: DirectX 8 or later is required";
  struct Case {
    std::vector<std::uint8_t> value;
    bool passes;
  };
  const Case cases[] = {
      {{4, 0, 9, 7}, false}, {{4, 0, 9, 1}, false}, {{4, 0, 9, 0x80}, false},
      {{4, 0, 9, 8}, true},  {{4, 0, 9, 0}, true},  {{4, 0, 1}, true},  // short value
  };
  for (const Case& c : cases) {
    m_messages.clear();
    SetDirectX(c.value);
    EXPECT_EQ(GF::HGENS::CheckSystem(), c.passes) << int(c.value.back());
    EXPECT_EQ(m_messages, c.passes ? Words{} : Words{message}) << int(c.value.back());
  }
}

TEST_F(CheckSystemTest, OnlySixteenAndThirtyTwoBitDesktopsPass) {
  for (int depth : {8, 15, 16, 24, 32}) {
    m_messages.clear();
    Os::SetDesktopColourDepthOverride(depth);
    const bool passes = depth == 16 || depth == 32;
    EXPECT_EQ(GF::HGENS::CheckSystem(), passes) << depth;
    EXPECT_EQ(m_messages, passes ? Words{}
                                 : Words{"Sizzlewick: Panmaster: Please change color depth to "
                                         "16 or 32 bit"})
        << depth;
  }
}

TEST_F(CheckSystemTest, VideoMemoryIsReadOnOldSystemsOnly) {
  SetVideoMemory(0x400000);
  EXPECT_TRUE(GF::HGENS::CheckSystem());  // a modern system never reads it

  Os::SetOsMajorVersionOverride(5);
  EXPECT_FALSE(GF::HGENS::CheckSystem());
  EXPECT_EQ(m_messages, Words{"Sizzlewick: Panmaster: Not enough video memory to start game."});

  SetVideoMemory(0x800000);
  EXPECT_TRUE(GF::HGENS::GetVideoMemorySize());
  Os::ClearRegistryValues();
  EXPECT_TRUE(GF::HGENS::GetVideoMemorySize());  // nothing to read passes
}

}  // namespace
