#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/engine/scene/CResourceCache.h"
#include "game/screens/map/CDeformGrid.h"
#include "tests/support/RenderSession.h"

namespace {

using Place = std::function<GF::TPoint<float>(int column, int row)>;

// A key frame of columns x rows nodes, node (i, j) placed by `place`.
GridKeyFrame Frame(int columns, int rows, float time, const Place& place) {
  GridKeyFrame frame{columns, rows, time, {}};
  for (int i = 0; i < columns; ++i) {
    frame.Rows.emplace_back();
    for (int j = 0; j < rows; ++j) frame.Rows.back().push_back(place(i, j));
  }
  return frame;
}

Place Flat() {
  return [](int i, int j) { return GF::TPoint<float>(i * 10.0f, j * 10.0f); };
}

// Every node shifted by (dx, dy) from its flat place.
Place Shifted(float dx, float dy) {
  return [dx, dy](int i, int j) { return GF::TPoint<float>(i * 10.0f + dx, j * 10.0f + dy); };
}

class CDeformGridTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.IsInitiated()); }
  void TearDown() override { GF::HGENS::CResourceCache::ReleaseInstance(); }

  GF::TPoint<float> Node(int i, int j) const {
    GF::TPoint<float> p;
    grid->GetMesh()->GetDisplacement(i, j, &p.x, &p.y, 1);
    return p;
  }

  pm::test::RenderSession session;
  GF::THolder<CDeformGrid> grid = CDeformGrid::Create();
};

TEST_F(CDeformGridTest, SettlesOnTheLastPoseOncePeriodHasPassed) {
  const GridAnimation table{"map", {Frame(3, 2, 0.0f, Flat()), Frame(3, 2, 1.0f, Shifted(8, -4))}};
  grid->SetGrid("no_texture", 5.0f, &table);
  grid->SetDisplacementScale(2.0f, 0.5f);
  ASSERT_NE(grid->GetMesh(), nullptr);
  EXPECT_EQ(grid->GetMesh()->GetCols(), 3);
  EXPECT_EQ(grid->GetMesh()->GetRows(), 2);
  grid->UpdateNodes(0.0025f);  // half way
  EXPECT_NEAR(Node(2, 1).x, 48.0f, 1e-3f);
  EXPECT_NEAR(Node(2, 1).y, 4.0f, 1e-3f);
  grid->UpdateNodes(0.0025f);
  EXPECT_EQ(Node(2, 1), GF::TPoint<float>(56.0f, 3.0f));
  for (int frame = 0; frame < 3; ++frame) {  // no restart
    grid->UpdateNodes(0.02f);
    EXPECT_EQ(Node(2, 1), GF::TPoint<float>(56.0f, 3.0f));
  }
}

TEST_F(CDeformGridTest, TimeOnAKeyEndsTheSegmentBeforeIt) {
  // Two keys at 0.5: t = 0.5 is the end of the segment from 0.0, so the first of them.
  const GridAnimation table{"map",
                            {Frame(2, 2, 0.0f, Flat()), Frame(2, 2, 0.5f, Shifted(6, 0)),
                             Frame(2, 2, 0.5f, Shifted(0, 9)), Frame(2, 2, 1.0f, Flat())}};
  grid->SetGrid("no_texture", 1000.0f, &table);
  grid->UpdateNodes(0.5f);
  EXPECT_EQ(Node(1, 1), GF::TPoint<float>(16.0f, 10.0f));
  grid->UpdateNodes(0.25f);  // half way from the second 0.5 key back to flat
  EXPECT_EQ(Node(1, 1), GF::TPoint<float>(10.0f, 14.5f));
}

TEST_F(CDeformGridTest, ShadesFromWhiteInTheMiddleToTheTintAtTheCorners) {
  struct Case {
    int size, i, j;
    std::uint32_t color;
  } cases[] = {
      {8, 4, 4, 0xFFFFFFFF},  // the integer middle
      {8, 0, 0, 0xFF775555},  // w = sqrt(32) / sqrt(32)
      {9, 0, 0, 0xFF856666},  // w = sqrt(32) / sqrt(40): 81 / 4 counts as 20
  };
  for (const Case& c : cases) {
    const GridAnimation table{"map", {Frame(c.size, c.size, 0.0f, Flat())}};
    grid->SetGrid("no_texture", 5.0f, &table);
    grid->SetColor(0xFF775555);
    grid->UpdateNodes(0.001f);
    EXPECT_EQ(grid->GetMesh()->GetColor(c.i, c.j), c.color) << c.size << " " << c.i;
  }
}

TEST_F(CDeformGridTest, WhiteLeavesTheNodeColoursAlone) {
  const GridAnimation table{"map", {Frame(4, 4, 0.0f, Flat())}};
  grid->SetGrid("no_texture", 5.0f, &table);
  grid->GetMesh()->SetColor(0, 0, 0x12345678);
  grid->UpdateNodes(0.001f);
  EXPECT_EQ(grid->GetMesh()->GetColor(0, 0), 0x12345678u);
}

TEST_F(CDeformGridTest, PeriodZeroDrawsNothingAndKeepsShown) {
  const GridAnimation table{"map", {Frame(2, 2, 0.0f, Flat())}};
  const EngineTexture texture = session.MakeTexture(1, 1, {0xFFFF0000});
  for (float period : {0.0f, 5.0f}) {
    grid->SetGrid("no_texture", period, &table);
    grid->GetMesh()->SetTexture(texture);
    grid->GetMesh()->SetTextureRect(0, 0, 1, 1);
    const auto pixels = session.Draw(16, 16, [&] { grid->Render(); });
    EXPECT_EQ(pixels[5 * 16 + 5], period == 0.0f ? 0xFF000000u : 0xFFFF0000u) << period;
    EXPECT_TRUE(grid->IsShown());
  }
  session.engine().TextureFree(texture);
}

TEST_F(CDeformGridTest, ShortTablesAreRefused) {
  const GridAnimation narrow{"narrow", {Frame(1, 6, 0.0f, Flat())}};
  const GridAnimation flat{"flat", {Frame(10, 1, 0.0f, Flat())}};
  GridAnimation fewColumns{"few_columns", {Frame(3, 3, 0.0f, Flat()), Frame(3, 3, 1.0f, Flat())}};
  fewColumns.KeyFrames[1].Rows.pop_back();
  GridAnimation fewRows{"few_rows", {Frame(3, 3, 0.0f, Flat()), Frame(3, 3, 1.0f, Flat())}};
  fewRows.KeyFrames[1].Rows[2].pop_back();
  const GridAnimation empty{"empty", {}};
  const GridAnimation usable{"usable", {Frame(2, 2, 0.0f, Flat())}};
  const GridAnimation* tables[] = {&narrow, &flat, &fewColumns, &fewRows, &empty, nullptr};
  for (const GridAnimation* table : tables) {
    grid->SetGrid("no_texture", 5.0f, &usable);
    ASSERT_NE(grid->GetMesh(), nullptr);
    session.ClearLog();
    grid->SetGrid("no_texture", 5.0f, table);
    const std::string name = table ? table->Name : "";
    EXPECT_EQ(grid->GetMesh(), nullptr) << name;
    EXPECT_EQ(session.LogLines().size(), 1u) << name;
    EXPECT_NE(session.LogLines().front().find("\"" + name + "\""), std::string::npos);
    grid->UpdateNodes(1.0f);
    grid->Render();
  }
}

}  // namespace
