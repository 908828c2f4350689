// The animation wait and the fade on animation nodes of their own, driven by a worker.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CFaideAnimationAction.h"
#include "tests/framework/core/AnimationDoubles.h"

namespace {

using GF::test::FakeAnimationData;
using GF::test::MakeNode;
using AnimationPtr = GF::IAnimation::AnimationPtr;

// A node with the part "_show" of 100 ms, played once.
AnimationPtr ShowNode() {
  const GF::THolder<FakeAnimationData> data = GF::MakeHolder<FakeAnimationData>("banner");
  data->AddPart("_show", 0.0f, 100.0f, 1);
  return MakeNode(data);
}

// Walks the worker and then the node, 20 ms a frame, until the chain has run out; returns
// the frame on which the worker found it done (0 when it was done before the first).
int FramesUntilDone(CActionWorker& worker, const AnimationPtr& node) {
  int frame = 0;
  while (worker.GetTail() && frame < 100) {
    ++frame;
    worker.Update(20.0f);
    if (node) node->Update(20.0f);
  }
  return frame;
}

TEST(CAnimationWaitActionTest, ShowsThePlaysThePartAndEndsWhenThePlayHasStopped) {
  const AnimationPtr node = ShowNode();
  node->SetVisible(false);
  CActionWorker worker;
  worker.Append(MakeAnimationWaitAction(node, "_show", 0, false));
  EXPECT_TRUE(node->IsShown());
  // The clock reaches the part's end (99) on the 5th frame and stops on the 6th; the walk of
  // the 7th sees it. The play never reports "finished": it does not remove its node.
  EXPECT_EQ(FramesUntilDone(worker, node), 7);
  EXPECT_TRUE(node->IsStopped());
  EXPECT_FALSE(node->IsFinished());
}

TEST(CAnimationWaitActionTest, AnEmptyPartWaitsForThePlayUnderWay) {
  const AnimationPtr node = ShowNode();
  node->Play("_show", 0, false);
  node->Update(60.0f);
  CActionWorker worker;
  worker.Append(MakeAnimationWaitAction(node, "", 0, false));
  EXPECT_EQ(FramesUntilDone(worker, node), 4);  // not restarted: 40 ms left
}

TEST(CAnimationWaitActionTest, WithoutAnAnimationItIsDoneAtItsStart) {
  CActionWorker worker;
  worker.Append(MakeAnimationWaitAction(nullptr, "_show", 0, false));
  EXPECT_FALSE(worker.GetTail());
}

TEST(CFaideAnimationActionTest, OpacityFollowsTheElapsedShareToItsEnd) {
  struct Case {
    float duration;
    bool fadeOut;
    std::vector<float> opacities;  // after each 25 ms walk; done after the last
  };
  const Case cases[] = {
      {100.0f, true, {0.75f, 0.5f, 0.25f, 0.0f}},
      {100.0f, false, {0.25f, 0.5f, 0.75f, 1.0f}},
      {0.0f, true, {0.0f}},  // no duration: the end opacity at once, never inf or NaN
      {-10.0f, false, {1.0f}},
  };
  for (const Case& c : cases) {
    const AnimationPtr node = MakeNode();
    CActionWorker worker;
    worker.Append(MakeFaideAnimationAction(node, c.duration, c.fadeOut, false));
    std::vector<float> seen;
    while (worker.GetTail() && seen.size() < 10) {
      worker.Update(25.0f);
      seen.push_back(node->GetOpacity());
    }
    EXPECT_EQ(seen, c.opacities) << c.duration << (c.fadeOut ? " out" : " in");
  }
}

TEST(CFaideAnimationActionTest, RemovesItsAnimationWhenFinishedAndRunsItsTimeWithoutOne) {
  const GF::THolder<GF::test::FakeScene> scene = GF::MakeHolder<GF::test::FakeScene>();
  const AnimationPtr node = MakeNode();
  node->SetScene(scene);
  CActionWorker worker;
  worker.Append(MakeFaideAnimationAction(node, 50.0f, true, true));
  worker.Update(50.0f);
  EXPECT_EQ(node->GetScene(), scene);  // done, not finished yet
  worker.Update(50.0f);
  EXPECT_FALSE(node->GetScene());

  worker.Append(MakeFaideAnimationAction(nullptr, 50.0f, false, true));
  worker.Update(25.0f);
  EXPECT_TRUE(worker.GetTail());
  worker.Update(25.0f);
  EXPECT_FALSE(worker.GetTail());
}

}  // namespace
