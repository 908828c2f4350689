#include <gtest/gtest.h>

#include <vector>

#include "framework/core/CAnimationObject.h"
#include "framework/core/CCurve.h"
#include "framework/core/DoLineCalcStrategy.h"
#include "framework/core/TMethodDelegate.h"

namespace GF {
namespace {

using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;
using P = TPoint<float>;

// A strategy that yields a fixed sequence of points, one per evaluation.
class ScriptedPoints : public DoBaseStrategy<P, float> {
 public:
  explicit ScriptedPoints(std::vector<P> points) : points_(std::move(points)) {}
  void Calc(P& out, const float&) override { out = points_[std::min(next_++, points_.size() - 1)]; }

 private:
  std::vector<P> points_;
  size_t next_ = 0;
};

struct Listener {
  void OnFinished(THolder<ICurve> curve) { finished.push_back(curve.Get()); }
  std::vector<ICurve*> finished;
};

AnimationPtr MakeNode() {
  return AnimationPtr(static_cast<IAnimation*>(new CAnimationObject()));
}

TEST(CCurveTest, FinishIsSeenOneUpdateLateAndFiresOnce) {
  const THolder<CCurve> curve(new CCurve());
  Listener listener;
  curve->GetFinishedEvent().Subscribe(MakeDelegate<Listener>(&listener, &Listener::OnFinished));
  curve->SetDuration(1000.0f);
  EXPECT_TRUE(curve->Update(400.0f));  // inactive: nothing moves
  EXPECT_EQ(curve->GetElapsed(), 0.0f);
  curve->SetActive(true);
  for (float expected : {400.0f, 800.0f, 1000.0f}) {
    EXPECT_TRUE(curve->Update(400.0f));
    EXPECT_EQ(curve->GetElapsed(), expected);
    EXPECT_TRUE(curve->IsActive());
  }
  EXPECT_TRUE(listener.finished.empty());
  EXPECT_TRUE(curve->Update(400.0f));
  EXPECT_FALSE(curve->IsActive());
  ASSERT_EQ(listener.finished.size(), 1u);
  EXPECT_EQ(listener.finished[0], curve.Get());
  EXPECT_TRUE(curve->Update(400.0f));
  EXPECT_EQ(listener.finished.size(), 1u);
  // Reactivated without a reset it finishes at once.
  curve->SetActive(true);
  curve->Update(16.0f);
  EXPECT_EQ(listener.finished.size(), 2u);
}

TEST(CCurveTest, RoundsPositionsAndPushesOnlyChanges) {
  const THolder<CCurve> curve(new CCurve());
  const AnimationPtr node = MakeNode();
  curve->AddTarget(node);
  curve->AddTarget(AnimationPtr());  // ignored
  curve->SetPositionStrategy(THolder<DoBaseStrategy<P, float>>(
      new ScriptedPoints({{10.5f, -2.5f}, {10.6f, -2.9f}, {-0.7f, 3.0f}})));
  curve->SetDuration(1000.0f);
  curve->SetActive(true);
  curve->Update(10.0f);
  EXPECT_EQ(node->GetPosition(), P(11.0f, -2.0f));
  // The second point rounds to the same pixels: the node's position is not touched.
  node->SetPosition(0.0f, 0.0f);
  curve->Update(10.0f);
  EXPECT_EQ(node->GetPosition(), P(0.0f, 0.0f));
  curve->Update(10.0f);
  EXPECT_EQ(node->GetPosition(), P(0.0f, 3.0f));  // -0.2 truncates toward zero
}

TEST(CCurveTest, DrivesOpacityAngleAndScale) {
  const THolder<CCurve> curve(new CCurve());
  const AnimationPtr node = MakeNode();
  curve->AddTarget(node);
  auto fade = THolder<DoLineCalcStrategy<float>>(new DoLineCalcStrategy<float>());
  fade->Setup(1.0f, 0.0f, 100.0f, false);
  auto turn = THolder<DoLineCalcStrategy<float>>(new DoLineCalcStrategy<float>());
  turn->Setup(0.0f, 2.0f, 100.0f, false);
  auto grow = THolder<DoLineCalcStrategy<P>>(new DoLineCalcStrategy<P>());
  grow->Setup({1.0f, 1.0f}, {3.0f, 2.0f}, 100.0f, false);
  curve->SetOpacityStrategy(fade);
  curve->SetAngleStrategy(turn);
  curve->SetScaleStrategy(grow);
  curve->SetDuration(100.0f);
  curve->SetActive(true);
  curve->Update(50.0f);
  EXPECT_FLOAT_EQ(node->GetOpacity(), 0.5f);
  EXPECT_FLOAT_EQ(node->GetAngle(), 1.0f);
  EXPECT_FLOAT_EQ(node->GetProperties().sin, std::sin(1.0f));
  EXPECT_EQ(node->GetScale(), P(2.0f, 1.5f));
  EXPECT_EQ(curve->GetScale(), P(2.0f, 1.5f));
  curve->ClearStrategies();
  node->SetOpacity(0.25f);
  curve->Update(50.0f);
  EXPECT_EQ(node->GetOpacity(), 0.25f);
}

TEST(CCurveTest, HoldsItsTargetsUntilCleared) {
  const THolder<CCurve> curve(new CCurve());
  CAnimationObject* raw = new CAnimationObject();
  {
    const AnimationPtr node(static_cast<IAnimation*>(raw));
    curve->AddTarget(node);
    EXPECT_EQ(raw->GetRefCount(), 2);
  }
  EXPECT_EQ(raw->GetRefCount(), 1);  // no dangling target: the curve keeps it alive
  const AnimationPtr again(static_cast<IAnimation*>(raw));
  curve->ClearTargets(true);
  EXPECT_EQ(raw->GetRefCount(), 1);
}

}  // namespace
}  // namespace GF
