#include <gtest/gtest.h>

#include "framework/engine/particles/hgeMeshGrid.h"
#include "tests/support/RenderSession.h"

namespace {

class hgeMeshGridRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.IsInitiated()); }
  pm::test::RenderSession session;
};

TEST_F(hgeMeshGridRenderTest, NodesAndDisplacements) {
  hgeMeshGrid mesh(3, 5);
  EXPECT_EQ(mesh.GetBlendMode(), 6);
  mesh.SetTextureRect(10, 20, 40, 80);  // cells 20 x 20
  float dx, dy;
  mesh.GetDisplacement(2, 4, &dx, &dy, 1);
  EXPECT_EQ(dx, 40);
  EXPECT_EQ(dy, 80);

  struct Case {
    int reference;
    float x, y;  // where a displacement of (1, 2) puts node (1, 1)
  } cases[] = {{0, 21, 22}, {1, 1, 2}, {2, 21, 42}, {7, 1, 2}};
  for (const Case& c : cases) {
    mesh.SetDisplacement(1, 1, 1, 2, c.reference);
    mesh.GetDisplacement(1, 1, &dx, &dy, 1);
    EXPECT_EQ(dx, c.x) << c.reference;
    EXPECT_EQ(dy, c.y) << c.reference;
    mesh.GetDisplacement(1, 1, &dx, &dy, c.reference);
    EXPECT_EQ(dx, 1);
    EXPECT_EQ(dy, 2);
  }
  mesh.SetDisplacement(1, 2, 0, 0, 2);  // the grid's centre
  mesh.GetDisplacement(1, 2, &dx, &dy, 0);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, 0);

  // Outside the grid: setters do nothing, getters give 0.
  for (auto [col, row] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 5}}) {
    mesh.SetColor(col, row, 0x12345678);
    mesh.SetZ(col, row, 0.1f);
    EXPECT_EQ(mesh.GetColor(col, row), 0u);
    EXPECT_EQ(mesh.GetZ(col, row), 0.0f);
  }
  mesh.SetColor(2, 4, 0x12345678);
  EXPECT_EQ(mesh.GetColor(2, 4), 0x12345678u);
  mesh.Clear(0xFF00FF00, 0.3f);
  EXPECT_EQ(mesh.GetColor(2, 4), 0xFF00FF00u);
  EXPECT_EQ(mesh.GetZ(0, 0), 0.3f);
  mesh.GetDisplacement(1, 1, &dx, &dy, 1);
  EXPECT_EQ(dx, 20);
  EXPECT_EQ(dy, 20);
}

TEST_F(hgeMeshGridRenderTest, TwoByTwoMeshDrawsOneQuad) {
  hgeMeshGrid mesh(2, 2);
  mesh.SetBlendMode(BLEND_ALPHABLEND);
  mesh.SetTextureRect(0, 0, 8, 6);
  mesh.Clear(0xFFFF0000);
  mesh.SetDisplacement(1, 1, 2, 2, 0);  // bottom-right corner pulled out to (10, 8)
  const auto px = session.Draw(16, 16, [&] { mesh.Render(3, 4); });
  ASSERT_EQ(px.size(), 256u);
  EXPECT_EQ(px[4 * 16 + 3], 0xFFFF0000u);    // the top-left node at (3, 4)
  EXPECT_EQ(px[10 * 16 + 11], 0xFFFF0000u);  // inside the pulled corner
  EXPECT_EQ(px[3 * 16 + 3], 0xFF000000u);
  EXPECT_EQ(px[4 * 16 + 2], 0xFF000000u);
  EXPECT_EQ(px[13 * 16 + 14], 0xFF000000u);
}

TEST_F(hgeMeshGridRenderTest, TexturedCellsAndDegenerateGrids) {
  const EngineTexture tex = session.MakeTexture(2, 1, {0xFF0000FF, 0xFFFFFF00});
  hgeMeshGrid mesh(3, 2);
  mesh.SetTexture(tex);
  mesh.SetBlendMode(BLEND_ALPHABLEND);
  mesh.SetTextureRect(0, 0, 2, 1);  // cell 1 x 1 texel
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) mesh.SetDisplacement(col, row, col * 4.0f, row * 4.0f, 1);
  hgeMeshGrid column(1, 4), row(4, 1);
  column.SetTextureRect(0, 0, 8, 8);  // no cells: nothing drawn, nothing undefined
  row.SetTextureRect(0, 0, 8, 8);
  const auto px = session.Draw(8, 4, [&] {
    mesh.Render(0, 0);
    column.Render(0, 0);
    row.Render(0, 0);
  });
  ASSERT_EQ(px.size(), 32u);
  EXPECT_EQ(px[1 * 8 + 1], 0xFF0000FFu);  // the left cell shows the left texel
  EXPECT_EQ(px[2 * 8 + 6], 0xFFFFFF00u);
  session.engine().TextureFree(tex);
}

}  // namespace
