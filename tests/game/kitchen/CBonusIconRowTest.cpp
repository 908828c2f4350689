#include <gtest/gtest.h>

#include <vector>

#include "game/kitchen/CBonusIconRow.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

class CBonusIconRowTest : public pm::test::FieldFixture {
 protected:
  // A bell standing at (x, y).
  GF::IAnimation::AnimationPtr Icon(float x, float y) {
    auto icon = scene->CreateAnimation("levels.ring");
    icon->SetPosition(x, y);
    icon->Play("all", 0, false);
    icon->Pause();
    icon->Update(0.0f);
    return icon;
  }
  static float X(const GF::IAnimation::AnimationPtr& icon) { return icon->GetPosition().x; }
  static float Y(const GF::IAnimation::AnimationPtr& icon) { return icon->GetPosition().y; }
  static float Width(const GF::IAnimation::AnimationPtr& icon) {
    GF::TRect<int> rect;
    icon->GetBoundingRect(rect);
    return static_cast<float>(rect.right - rect.left);
  }
  static float Height(const GF::IAnimation::AnimationPtr& icon) {
    GF::TRect<int> rect;
    icon->GetBoundingRect(rect);
    return static_cast<float>(rect.bottom - rect.top);
  }
};

// Each frame covers dt of the time left after it: with 100 ms frames an icon has gone
// (n / 9) of its way after n frames, and stands in its slot from the ninth.
TEST_F(CBonusIconRowTest, IconsGlideIntoARowCentredOnTheStart) {
  CBonusIconRow row;
  const auto a = Icon(400.0f, 300.0f);
  const auto b = Icon(400.0f, 300.0f);
  row.Add(a);
  row.Add(b);
  const float w = Width(a);
  for (int n = 1; n <= 3; ++n) row.Update(100.0f);
  // Two icons centred on (60, 100): slots at x 60 -+ w / 2 (to a pixel: the framework
  // rounds the bounds).
  EXPECT_NEAR(X(a), 400.0f + (60.0f - w / 2.0f - 400.0f) * 3.0f / 9.0f, 1.0f);
  EXPECT_NEAR(Y(b), 300.0f + (100.0f - 300.0f) * 3.0f / 9.0f, 1e-3f);
  for (int n = 4; n <= 9; ++n) row.Update(100.0f);
  EXPECT_NEAR(X(a), 60.0f - w / 2.0f, 1.0f);
  EXPECT_NEAR(X(b), 60.0f + w / 2.0f, 1.0f);
  EXPECT_NEAR(X(b) - X(a), w, 1.0f);
  EXPECT_FLOAT_EQ(Y(a), 100.0f);
  EXPECT_TRUE(row.running);
  row.Update(100.0f);
  EXPECT_TRUE(row.running) << "the re-layout lasts its full 1000 ms";
  row.Update(1.0f);
  EXPECT_FALSE(row.running);
  EXPECT_EQ(row.elapsed, row.duration);
}

TEST_F(CBonusIconRowTest, ARowTooLongToCentreStartsAtTheScreensEdge) {
  CBonusIconRow row;
  std::vector<GF::IAnimation::AnimationPtr> icons;
  for (int n = 0; n < 4; ++n) {
    icons.push_back(Icon(400.0f, 300.0f));
    row.Add(icons.back());
  }
  row.Update(1000.0f);
  const float w = Width(icons[0]);
  ASSERT_GT(2.0f * w, 60.0f) << "four icons are wider than twice the start's margin";
  for (int n = 0; n < 4; ++n) EXPECT_NEAR(X(icons[n]), w / 2.0f + n * w, 1.0f) << n;
  GF::TRect<int> first;
  icons[0]->GetBoundingRect(first);
  EXPECT_GE(first.left, 0);
  EXPECT_FLOAT_EQ(Y(icons[0]), 100.0f);
}

TEST_F(CBonusIconRowTest, ARowChangeRestartsAFullGlideFromWhereTheIconsStand) {
  CBonusIconRow row;
  const auto a = Icon(400.0f, 100.0f);
  const auto b = Icon(400.0f, 100.0f);
  row.Add(a);
  row.Add(b);
  const float w = Width(a);
  for (int n = 1; n <= 6; ++n) row.Update(100.0f);
  const float aAt = X(a);
  ASSERT_NEAR(aAt, 400.0f + (60.0f - w / 2.0f - 400.0f) * 6.0f / 9.0f, 1.0f);
  row.Remove(b);  // a's slot is now 60, and the glide starts again from where a stands
  EXPECT_EQ(row.icons.size(), 1u);
  EXPECT_TRUE(row.running);
  EXPECT_EQ(row.elapsed, 0.0f);
  for (int n = 1; n <= 3; ++n) row.Update(100.0f);
  EXPECT_NEAR(X(a), aAt + (60.0f - aAt) * 3.0f / 9.0f, 1e-3f);
  for (int n = 4; n <= 11; ++n) row.Update(100.0f);
  EXPECT_FALSE(row.running);
  EXPECT_FLOAT_EQ(X(a), 60.0f);
  a->SetPosition(0.0f, 0.0f);
  row.Update(20.0f);
  EXPECT_EQ(X(a), 0.0f) << "no glide, nothing moves";
}

TEST_F(CBonusIconRowTest, AnUncentredColumnStacksFromTheStart) {
  CBonusIconRow row;
  row.centred = false;
  row.stepX = 0.0f;
  row.stepY = 1.0f;
  row.startX = 700.0f;
  row.startY = 200.0f;
  const auto a = Icon(0.0f, 0.0f);
  const auto b = Icon(0.0f, 0.0f);
  row.Add(a);
  row.Add(b);
  row.Update(1000.0f);
  EXPECT_FLOAT_EQ(X(a), 700.0f);
  const float h = Height(a);
  EXPECT_FLOAT_EQ(Y(a), 200.0f + h / 2.0f);
  EXPECT_FLOAT_EQ(Y(b), 200.0f + h + h / 2.0f);
}

}  // namespace
