// The leaf's mesh for a progress, on a leaf of 300 x 400 turning as the cook book turns
// its leaves (fold from 0.5 to pi/2).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "game/screens/cookbook/CPaperEffect.h"
#include "tests/support/RenderSession.h"

namespace {

constexpr float kW = 300.0f;
constexpr float kH = 400.0f;
constexpr float kQuarterTurn = 1.5707964f;
constexpr int kLast = CPaperEffect::kNodes - 1;

struct Node {
  float x, y;
  std::uint32_t colour;
};

class CPaperEffectTest : public testing::Test {
 protected:
  GF::THolder<CPaperEffect> Leaf(float width, float start = 0.5f, float end = kQuarterTurn) {
    return CPaperEffect::Create(
        0.0f, start, end, {100, 50, 100 + static_cast<int>(width), 50 + static_cast<int>(kH)});
  }
  static Node At(const CPaperEffect& leaf, int i, int j) {
    Node n{};
    leaf.Mesh().GetDisplacement(i, j, &n.x, &n.y, 1);
    n.colour = leaf.Mesh().GetColor(i, j);
    return n;
  }
  static float GridX(int i, float width) {
    return static_cast<float>(i) / kLast * width - width / 2;
  }
  static float GridY(int j) { return static_cast<float>(j) / kLast * kH - kH / 2; }

  pm::test::RenderSession session;
};

TEST_F(CPaperEffectTest, FlatAtTheStartAndTurnedOverAtTheEnd) {
  const GF::THolder<CPaperEffect> leaf = Leaf(kW);
  ASSERT_TRUE(leaf->SetProgress(0.0f));
  for (int i = 0; i <= kLast; ++i) {
    for (int j = 0; j <= kLast; ++j) {
      const Node n = At(*leaf, i, j);
      EXPECT_EQ(n.x, std::floor(GridX(i, kW))) << i << "," << j;
      EXPECT_EQ(n.y, std::floor(GridY(j))) << i << "," << j;
      EXPECT_EQ(n.colour, 0xFFFFFFFFu);
    }
  }
  // Mirrored over the left edge; the float pi/2 leaves the fold a hair off the vertical.
  ASSERT_TRUE(leaf->SetProgress(1.0f));
  for (int i = 0; i <= kLast; ++i) {
    for (int j = 0; j <= kLast; ++j) {
      const Node n = At(*leaf, i, j);
      EXPECT_NEAR(n.x, -kW / 2 - i * kW / kLast, 1.0f) << i << "," << j;
      EXPECT_NEAR(n.y, GridY(j), 1.0f) << i << "," << j;
      EXPECT_EQ(n.colour, 0xFFFFFFFFu);
    }
  }
}

TEST_F(CPaperEffectTest, NodesOnTheCylinderAreShadedByTheirLift) {
  // Three quarters: some nodes flat, some on the cylinder, some laid over. The shade of a node on
  // the cylinder is 1 - 0.99 s^2, s its lift over the fold (r s / pi) scaled back.
  for (const float width : {kW, 2000.0f}) {
    const GF::THolder<CPaperEffect> leaf = Leaf(width);
    const float t = 0.75f;
    ASSERT_TRUE(leaf->SetProgress(t));
    float nx = (1 - t) * std::sin(0.5f) + t * std::sin(kQuarterTurn);
    float ny = (1 - t) * std::cos(0.5f) + t * std::cos(kQuarterTurn);
    const float length = std::sqrt(nx * nx + ny * ny);
    nx /= length;
    ny /= length;
    const float px = width / 2 - nx * t * width, py = kH / 2 - ny * t * width;
    const float r = std::min(width / 2 + px, 314.15927f);
    int flat = 0, bent = 0, over = 0;
    for (int i = 0; i <= kLast; ++i) {
      for (int j = 0; j <= kLast; ++j) {
        const Node n = At(*leaf, i, j);
        const float dist = nx * GridX(i, width) + ny * GridY(j) - (nx * px + ny * py);
        if (dist < 0.0f || dist >= r) {
          EXPECT_EQ(n.colour, 0xFFFFFFFFu);
          ++(dist < 0.0f ? flat : over);
          continue;
        }
        ++bent;
        const float lift = nx * (n.x - px) + ny * (n.y - py);
        EXPECT_LE(lift, 100.0f + 2.0f) << "never above the capped radius";
        const float s = std::sin(3.14159265f * dist / r) * std::sqrt(1 - t);
        const auto grey = static_cast<float>(n.colour & 0xFF) / 255.0f;
        EXPECT_NEAR(grey, 1.0f - 0.99f * s * s, 1.0f / 255.0f) << i << "," << j;
        EXPECT_EQ(n.colour >> 24, 0xFFu);
        EXPECT_EQ((n.colour >> 8) & 0xFF, n.colour & 0xFF);
        EXPECT_EQ((n.colour >> 16) & 0xFF, n.colour & 0xFF);
      }
    }
    EXPECT_GT(flat, 0) << width;
    EXPECT_GT(bent, 0) << width;
    EXPECT_GT(over, 0) << width;
  }
}

TEST_F(CPaperEffectTest, OppositeFoldAnglesKeepTheEndDirection) {
  // Angles whose sines and cosines cancel exactly half way: the fold has no direction of
  // its own there and takes the end angle's. Sought as the leaf computes them.
  volatile float step = 0.0001f;
  float start = 0.0f, end = 0.0f;
  for (int k = 1; k < 100000 && end == 0.0f; ++k) {
    const float a = static_cast<float>(k) * step, b = a - 3.1415927f;
    if (std::sin(a) == -std::sin(b) && std::cos(a) == -std::cos(b)) start = a, end = b;
  }
  ASSERT_NE(end, 0.0f);
  const GF::THolder<CPaperEffect> leaf = Leaf(kW, start, end);
  const GF::THolder<CPaperEffect> reference = Leaf(kW, end, end);
  ASSERT_TRUE(leaf->SetProgress(0.5f));
  ASSERT_TRUE(reference->SetProgress(0.5f));
  for (int i = 0; i <= kLast; ++i) {
    for (int j = 0; j <= kLast; ++j) {
      const Node a = At(*leaf, i, j), b = At(*reference, i, j);
      ASSERT_TRUE(std::isfinite(a.x) && std::isfinite(a.y)) << i << "," << j;
      EXPECT_NEAR(a.x, b.x, 1.0f) << i << "," << j;
      EXPECT_NEAR(a.y, b.y, 1.0f) << i << "," << j;
    }
  }
}

TEST_F(CPaperEffectTest, IsADrawableOfLayerFive) {
  const GF::THolder<CPaperEffect> leaf = Leaf(kW);
  EXPECT_EQ(leaf->GetLayer(), 5);
  EXPECT_TRUE(leaf->IsShown());
  void* out = nullptr;
  EXPECT_TRUE(leaf->QueryInterface(GF::kIdDrawable, &out));
  static_cast<GF::IDrawable*>(out)->Release();
  EXPECT_TRUE(leaf->QueryInterface(GF::kIdBase, &out));
  static_cast<GF::IBase*>(out)->Release();
  EXPECT_FALSE(leaf->QueryInterface(GF::kIdSprite, &out));
  EXPECT_EQ(out, nullptr);
}

}  // namespace
