#include <gtest/gtest.h>

#include <algorithm>

#include "framework/engine/screens/ControlParts.h"
#include "game/kitchen/CTextRecord.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

class CTextRecordTest : public pm::test::FieldFixture {
 protected:
  CTextRecord Record(int marginX, int marginY) {
    CTextRecord record;
    record.marginX = marginX;
    record.marginY = marginY;
    record.backingName = "interfaces.text_back";
    record.textName = "interfaces.text_line";
    record.scene = scene;
    return record;
  }
  // The text's own width (its font's) and height (its sprite's bounds).
  GF::TPoint<float> TextSize(const std::wstring& text) {
    const auto line = scene->CreateAnimation("interfaces.text_line");
    line->SetText("_text", text);
    line->Update(0.0f);
    GF::THolder<GF::IFont> font;
    int alignment = 0;
    EXPECT_TRUE(GF::HGENS::FindTextFont(*line, "_text", font, alignment));
    GF::TRect<int> rect;
    line->GetBoundingRect(rect);
    line->RemoveFromParent();
    return {font->GetTextWidth(text.c_str()), static_cast<float>(rect.bottom - rect.top)};
  }
  // The backing's bounds before any stretch.
  GF::TPoint<float> PlainBackingSize() {
    const auto backing = scene->CreateAnimation("interfaces.text_back");
    const GF::TPoint<float> size = Size(backing);
    backing->RemoveFromParent();
    return size;
  }
  static GF::TPoint<float> Size(const GF::IAnimation::AnimationPtr& animation) {
    animation->Update(0.0f);
    GF::TRect<int> rect;
    animation->GetBoundingRect(rect);
    return {static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top)};
  }
};

// The backing is scaled so that its bounds, as the framework rounds them, measure the text
// and twice the margins.
TEST_F(CTextRecordTest, TheBackingFitsTheTextAndTwiceTheMargins) {
  const std::wstring text = L"Two eggs, please!";
  const GF::TPoint<float> measured = TextSize(text);
  ASSERT_GT(measured.x, 50.0f);
  ASSERT_GT(measured.y, 10.0f);
  const GF::TPoint<float> plain = PlainBackingSize();
  const auto backing = SetObjectText(Record(28, 13), text, false);
  ASSERT_TRUE(backing);
  EXPECT_FLOAT_EQ(backing->GetScale().x, (measured.x + 56.0f) / plain.x);
  EXPECT_FLOAT_EQ(backing->GetScale().y, (measured.y + 26.0f) / plain.y);
  EXPECT_EQ(scene->GetAnimations().size(), 1u) << "the measuring text left the scene";
  EXPECT_FALSE(backing->GetText("_text"));
}

TEST_F(CTextRecordTest, AnEmbeddedTextKeepsItsNaturalSizeInTheStretchedBacking) {
  const std::wstring text = L"Pancakes";
  const GF::TPoint<float> measured = TextSize(text);
  const GF::TPoint<float> plain = PlainBackingSize();
  const auto backing = SetObjectText(Record(10, 6), text, true);
  ASSERT_TRUE(backing);
  EXPECT_FLOAT_EQ(backing->GetScale().x, (measured.x + 20.0f) / plain.x);
  const GF::IAnimation::ParentPtr place(backing->GetChildAt(0));
  ASSERT_TRUE(place);
  const auto content = place->GetSubstitutedAnimation(0);
  ASSERT_TRUE(content);
  ASSERT_NE(content->GetText("_text"), nullptr);
  EXPECT_EQ(*content->GetText("_text"), text);
  EXPECT_EQ(content->GetLayer(), 10);
  backing->Update(0.0f);
  EXPECT_NEAR(content->GetScale().x, 1.0f, 1e-5f);
  EXPECT_NEAR(Size(content).x, measured.x, 1.0f);
  EXPECT_NEAR(Size(content).y, measured.y, 1.0f);
}

TEST_F(CTextRecordTest, AssignTakesNamesAndSceneButKeepsTheMargins) {
  CTextRecord record = Record(3, 4);
  CTextRecord source;
  source.marginX = 50;
  source.marginY = 60;
  source.backingName = "a.back";
  source.textName = "a.text";
  record.Assign(source);
  EXPECT_EQ(record.marginX, 3);
  EXPECT_EQ(record.marginY, 4);
  EXPECT_EQ(record.backingName, "a.back");
  EXPECT_EQ(record.textName, "a.text");
  EXPECT_FALSE(record.scene);
}

TEST_F(CTextRecordTest, FaultsLeaveTheBackingUnscaled) {
  const struct {
    const char* what;
    int marginX, marginY;
    const char* text;
    std::wstring words;
  } cases[] = {
      {"a text sprite without \"_text\"", 5, 5, "levels.ring", L"Hi"},
      {"an empty text and no margins", 0, 0, "interfaces.text_line", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CTextRecord record = Record(c.marginX, c.marginY);
    record.textName = c.text;
    session.ClearLog();
    const auto backing = SetObjectText(record, c.words, true);
    ASSERT_TRUE(backing);
    EXPECT_EQ(backing->GetScale().x, 1.0f);
    EXPECT_EQ(backing->GetScale().y, 1.0f);
    const auto& lines = session.LogLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.rfind("[W] TEXT", 0) == 0; }),
              1);
  }
  CTextRecord record = Record(5, 5);
  record.backingName = "levels.nothing";
  EXPECT_FALSE(SetObjectText(record, L"Hi", false));
}

}  // namespace
