#include <gtest/gtest.h>

#include <string>

#include "game/kitchen/CGameFieldBase.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

class ShowSpeechBalloonTest : public pm::test::FieldFixture {};

TEST_F(ShowSpeechBalloonTest, TheBalloonsShapeFollowsWhereItStands) {
  const struct {
    float x, y;
    const char* name;
  } cases[] = {
      {540.0f, 100.0f, "balon_2"}, {540.0f, 101.0f, "balon"}, {541.0f, 50.0f, "balon_3"},
      {541.0f, 400.0f, "balon_3"}, {120.0f, 300.0f, "balon"},
  };
  for (const auto& c : cases) {
    ShowSpeechBalloon(L"Hi", {c.x, c.y}, *field);
    ASSERT_TRUE(field->Balloon()) << c.x << "," << c.y;
    EXPECT_STREQ(field->Balloon()->GetName(), c.name) << c.x << "," << c.y;
    EXPECT_EQ(field->Balloon()->GetPosition().x, c.x);
    EXPECT_EQ(field->Balloon()->GetPosition().y, c.y);
    EXPECT_EQ(field->Balloon()->GetLayer(), SpeechBalloonLayer);
  }
}

TEST_F(ShowSpeechBalloonTest, ALongTextPutsItsLastWordOnASecondLine) {
  const struct {
    const wchar_t* text;
    const wchar_t* shown;
  } cases[] = {
      {L"ab cd efghij", L"ab cd efghij"},      // 12 characters: never broken
      {L"ab cd efghijk", L"ab cd\\nefghijk"},  // 13: the last blank breaks
      {L"abcdefghijklm", L"abcdefghijklm"},    // no blank
      {L"abcdefghijkl ", L"abcdefghijkl "},    // only a final blank
      {L"one two three four", L"one two three\\nfour"},
  };
  for (const auto& c : cases) {
    ShowSpeechBalloon(c.text, {300.0f, 300.0f}, *field);
    ASSERT_TRUE(field->Balloon());
    const std::wstring* shown = field->Balloon()->GetText("_text");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(*shown, c.shown);
  }
}

TEST_F(ShowSpeechBalloonTest, AnEmptyTextClosesTheBalloonAndOpensNone) {
  ShowSpeechBalloon(L"Hello", {300.0f, 300.0f}, *field);
  const auto first = field->Balloon();
  ASSERT_TRUE(first);
  ShowSpeechBalloon(L"", {300.0f, 300.0f}, *field);
  EXPECT_FALSE(field->Balloon());
  Run(300.0f);  // the old one hides and leaves
  EXPECT_TRUE(scene->GetAnimations().empty());
  EXPECT_FALSE(first->GetScene());
}

}  // namespace
