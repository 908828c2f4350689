#include <gtest/gtest.h>

#include <string>

#include "game/app/GameData.h"
#include "game/kitchen/CStandingsPanel.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

class CStandingsPanelTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    panel.Init(scene);
  }
  void TearDown() override {
    panel.Clear();
    FieldFixture::TearDown();
  }
  std::wstring PlaceShown(int place) const {
    const auto ribbon = panel.GetRibbon(place);
    const std::wstring* text = ribbon ? ribbon->GetText("_place") : nullptr;
    return text ? *text : L"?";
  }
  static GF::TPoint<float> PersPlace(const GF::IAnimation::AnimationPtr& ribbon) {
    const GF::IAnimation::ParentPtr place(ribbon->FindDrawable("_pers_place"));
    return {place->GetProperties().x, place->GetProperties().y};
  }

  CStandingsPanel panel;
};

TEST_F(CStandingsPanelTest, OfEqualScoresTheLaterInsertedOrUpdatedStandsBetter) {
  panel.Insert(CStandingsPanel::kPlayerId, 0.0f);
  panel.Insert(2, 0.0f);
  EXPECT_EQ(panel.GetPlayerPlace(), 2);
  panel.SetScore(CStandingsPanel::kPlayerId, 10.0f);
  EXPECT_EQ(panel.GetPlayerPlace(), 1);
  panel.SetScore(2, 10.0f);
  EXPECT_EQ(panel.GetPlayerPlace(), 2);
  panel.SetScore(CStandingsPanel::kPlayerId, 10.0f);
  EXPECT_EQ(panel.GetPlayerPlace(), 1);
  EXPECT_EQ(panel.GetScore(2), 10.0f);
}

TEST_F(CStandingsPanelTest, FiveCompetitorsShareTheFourthRibbonAndShowTheirPlacesOnceScored) {
  panel.Insert(CStandingsPanel::kPlayerId, 0.0f);
  for (int id : {2, 3, 4, 5}) panel.Insert(id, 0.0f);
  ASSERT_EQ(panel.GetCount(), 5);
  const char* looks[] = {"ribbon_1", "ribbon_2", "ribbon_3", "ribbon_4", "ribbon_4"};
  for (int place = 1; place <= 5; ++place) {
    ASSERT_TRUE(panel.GetRibbon(place)) << place;
    EXPECT_NE(std::string(panel.GetRibbon(place)->GetName()).find(looks[place - 1]),
              std::string::npos)
        << panel.GetRibbon(place)->GetName();
    EXPECT_EQ(PlaceShown(place), L" ");
  }
  // Rival 3 scores: it leads, and the one it passed shows its place; the others stay blank.
  panel.SetScore(3, 12.5f);
  EXPECT_EQ(PlaceShown(1), L"1");
  EXPECT_EQ(PlaceShown(2), L"2");
  EXPECT_EQ(PlaceShown(3), L" ");
  const std::wstring* score = panel.GetRibbon(1)->GetText("_score");
  ASSERT_TRUE(score);
  EXPECT_EQ(*score, L"12");
}

TEST_F(CStandingsPanelTest, UnknownIdsAndAnEmptyPanelChangeNothing) {
  panel.Update(20.0f);  // an empty panel's routine
  EXPECT_EQ(panel.GetPlayerPlace(), 0);
  panel.SetScore(CStandingsPanel::kPlayerId, 5.0f);  // a level without rivals scores
  EXPECT_EQ(panel.GetScore(CStandingsPanel::kPlayerId), 0.0f);
  EXPECT_EQ(panel.GetCount(), 0);

  panel.Insert(2, 4.0f);
  panel.Update(0.0f);
  EXPECT_EQ(panel.GetPlayerPlace(), 1);  // the count, without the player
  panel.SetScore(9, 50.0f);
  EXPECT_FALSE(panel.IsGliding());
  EXPECT_EQ(panel.GetScore(2), 4.0f);
}

TEST_F(CStandingsPanelTest, APortraitGlidesToItsNewRibbonOverTheInterval) {
  panel.Insert(CStandingsPanel::kPlayerId, 0.0f);
  panel.Insert(2, 0.0f);
  panel.Update(0.0f);
  EXPECT_FALSE(panel.IsGliding());
  const auto portrait = panel.GetPortrait(CStandingsPanel::kPlayerId);
  ASSERT_TRUE(portrait);
  const GF::TPoint<float> start = portrait->GetPosition();
  EXPECT_EQ(start, PersPlace(panel.GetRibbon(2)));
  // The row runs from the last place on the left.
  EXPECT_EQ(panel.GetRibbon(2)->GetPosition().x, StandingsCenterX - StandingsStep);
  EXPECT_EQ(panel.GetRibbon(1)->GetPosition().x, StandingsCenterX);

  panel.SetScore(CStandingsPanel::kPlayerId, 20.0f);
  const GF::TPoint<float> target = PersPlace(panel.GetRibbon(1));
  for (float t = 0.0f; t < StandingsInterval * 0.5f; t += 50.0f) panel.Update(50.0f);
  const float halfway = portrait->GetPosition().x;
  EXPECT_GT(halfway, start.x);
  EXPECT_LT(halfway, target.x);
  for (float t = 0.0f; t < StandingsInterval * 0.5f; t += 50.0f) panel.Update(50.0f);
  EXPECT_FALSE(panel.IsGliding());
  EXPECT_EQ(portrait->GetPosition(), target);
}

}  // namespace
