#include <gtest/gtest.h>

#include <climits>

#include "framework/core/CGameProperties.h"

namespace {

TEST(CGameProperties, GetIntReadsTheLeadingNumber) {
  auto props = GF::MakeHolder<GF::CGameProperties>();
  struct Case {
    const wchar_t* text;
    int expected;
  };
  const Case cases[] = {
      {L"-5", -5},
      {L"12ab", 12},
      {L"abc", 0},
      {L"", 0},
      {L" \t+42", 42},
      {L"- 3", 0},
      {L"2147483647", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"2147483648", INT_MAX},
      {L"-99999999999999999999999", INT_MIN},
      {L"99999999999999999999999x", INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    (*props)["Value"] = c.text;
    EXPECT_EQ(props->GetInt("Value"), c.expected);
  }
}

TEST(CGameProperties, AbsentKeysReadEmptyWithoutBeingCreated) {
  auto props = GF::MakeHolder<GF::CGameProperties>();
  EXPECT_EQ(props->GetInt("MusicVolume"), 0);
  EXPECT_EQ(props->GetString("MusicVolume"), L"");
  (*props)["MusicVolume"] = L"60";  // proves the reads above did not create an empty value
  EXPECT_EQ(props->GetInt("MusicVolume"), 60);

  std::wstring& created = (*props)["NewPlayerName"];
  EXPECT_TRUE(created.empty());
  EXPECT_EQ(props->GetInt("NewPlayerName"), 0);
  created = L"Cook";
  EXPECT_EQ(props->GetString("NewPlayerName"), L"Cook");
}

TEST(CGameProperties, SetIntStoresDecimalText) {
  auto props = GF::MakeHolder<GF::CGameProperties>();
  props->SetInt("SoundVolume", -5);
  EXPECT_EQ(props->GetString("SoundVolume"), L"-5");
  EXPECT_EQ(props->GetInt("SoundVolume"), -5);
  props->SetInt("SoundVolume", INT_MIN);
  EXPECT_EQ(props->GetInt("SoundVolume"), INT_MIN);
}

TEST(CGameProperties, InstanceIsOneObjectWithTheDefaultScreenSize) {
  auto first = GF::CGameProperties::Instance();
  auto second = GF::CGameProperties::Instance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->GetScreenWidth(), 640);
  EXPECT_EQ(first->GetScreenHeight(), 480);
  first->SetScreenSize(800, 600);
  EXPECT_EQ(second->GetScreenWidth(), 800);
  EXPECT_EQ(second->GetScreenHeight(), 600);
}

}  // namespace
