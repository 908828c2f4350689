#include <gtest/gtest.h>

#include <cmath>

#include "framework/core/TMethodDelegate.h"
#include "tests/framework/core/AnimationDoubles.h"

namespace GF::test {
namespace {

struct FinishedCounter {
  void OnFinished(AnimationPtr node) {
    ++count;
    last = node.Get();
  }
  int count = 0;
  IAnimation* last = nullptr;
};

// An animation with a part "all" of 0..1000 ms (played with the clock at 0..999).
THolder<FakeAnimationData> OnePart(int partLoops = 1) {
  THolder<FakeAnimationData> data(new FakeAnimationData("anim"));
  data->AddPart("all", 0.0f, 1000.0f, partLoops);
  return data;
}

TEST(CAnimationObjectTest, ClockPlaysPartsWithLoops) {
  struct Case {
    int loops;      // passed to Play
    int partLoops;  // the part's own count
    bool remove;
    int updates;     // number of 100 ms updates
    int finishedAt;  // the update on which the event fires, 0 for never
  };
  for (const Case c : {Case{1, 5, false, 12, 11},
                       {1, 5, true, 12, 11},
                       {2, 1, false, 30, 22},
                       {-1, 1, false, 60, 0},
                       {0, 1, false, 12, 11},
                       {0, 0, false, 60, 0}}) {
    SCOPED_TRACE(testing::Message() << "loops " << c.loops << " part " << c.partLoops);
    const AnimationPtr node = MakeNode(OnePart(c.partLoops));
    FinishedCounter counter;
    node->GetFinishedEvent().Subscribe(
        MakeDelegate<FinishedCounter>(&counter, &FinishedCounter::OnFinished));
    ASSERT_TRUE(node->Play("all", c.loops, c.remove));
    EXPECT_EQ(node->GetEndTime(), 999.0f);
    for (int i = 1; i <= c.updates; ++i) {
      const bool alive = node->Update(100.0f);
      const bool done = c.finishedAt != 0 && i >= c.finishedAt;
      EXPECT_EQ(counter.count, done ? 1 : 0) << "update " << i;
      EXPECT_EQ(node->IsStopped(), done) << "update " << i;
      EXPECT_EQ(alive, !(done && c.remove)) << "update " << i;
      if (i == 10) {
        EXPECT_EQ(node->GetTime(), 999.0f);  // clamped to the end
      }
      if (i == 11 && c.finishedAt != 11) {
        EXPECT_EQ(node->GetTime(), 0.0f);  // the next pass begins
      }
    }
    if (c.finishedAt) {
      EXPECT_EQ(counter.last, node.Get());
    }
  }
}

TEST(CAnimationObjectTest, SpeedScalesTheClockButNotTheObjectsStep) {
  const AnimationPtr node = MakeNode(OnePart());
  const THolder<FakeSound> sound(new FakeSound());
  sound->SetAnimation(node);
  node->Play("all", 1, false);
  node->SetSpeed(2.0f);
  node->Update(100.0f);
  EXPECT_EQ(node->GetTime(), 200.0f);
  EXPECT_EQ(sound->lastDt, 100.0f);
  sound->SetAnimation(AnimationPtr());
}

TEST(CAnimationObjectTest, DelayHoldsTheNodeThenStartsIt) {
  const AnimationPtr node = MakeNode(OnePart());
  node->Play("all", 1, false);
  node->SetDelay(500.0f, true);
  for (int i = 0; i < 4; ++i) {
    node->Update(100.0f);
    EXPECT_FALSE(node->IsActive());
    EXPECT_EQ(node->GetTime(), 0.0f);
  }
  node->Update(100.0f);  // the delay runs out: active, but this step does not advance
  EXPECT_TRUE(node->IsActive());
  EXPECT_EQ(node->GetTime(), 0.0f);
  node->Update(100.0f);
  EXPECT_EQ(node->GetTime(), 100.0f);

  // A delay without hiding leaves the node running, and active when it is over.
  node->SetDelay(150.0f, false);
  node->Update(100.0f);
  node->Update(100.0f);
  EXPECT_TRUE(node->IsActive());
  node->SetDelay(500.0f, true);
  node->SetDelay(0.0f, true);  // 0 shows the node at once
  EXPECT_TRUE(node->IsActive());
  node->Update(100.0f);
  EXPECT_EQ(node->GetTime(), 300.0f);
}

TEST(CAnimationObjectTest, StopShowFrameAndUnknownParts) {
  const AnimationPtr node = MakeNode(OnePart());
  node->Play("all", 1, true);
  node->Update(100.0f);
  node->Stop();
  EXPECT_TRUE(node->IsStopped());
  EXPECT_EQ(node->GetTime(), 999.0f);
  EXPECT_TRUE(node->IsFinished());  // removal was asked for
  EXPECT_FALSE(node->Update(100.0f));

  ASSERT_TRUE(node->Play("all", 1, false));
  EXPECT_FALSE(node->IsFinished());
  node->ShowFrame(300.0f);
  EXPECT_EQ(node->GetStartTime(), 300.0f);
  EXPECT_EQ(node->GetEndTime(), 300.0f);
  node->Update(100.0f);
  EXPECT_EQ(node->GetTime(), 300.0f);

  ASSERT_TRUE(node->Play("all", 1, false));
  node->Update(100.0f);
  EXPECT_FALSE(node->Play("missing", 1, false));  // stops at its end
  EXPECT_TRUE(node->IsStopped());
  EXPECT_EQ(node->GetTime(), 999.0f);

  const AnimationPtr bare = MakeNode();  // no animation data: "not found"
  EXPECT_FALSE(bare->Play("all", 1, false));
  EXPECT_TRUE(bare->IsStopped());
  EXPECT_EQ(bare->GetName(), nullptr);
}

TEST(CAnimationObjectTest, StopLoopingEndsEndlessNodes) {
  for (int loops : {-1, 0, 3}) {
    const AnimationPtr node = MakeNode(OnePart(0));
    FinishedCounter counter;
    node->GetFinishedEvent().Subscribe(
        MakeDelegate<FinishedCounter>(&counter, &FinishedCounter::OnFinished));
    node->Play("all", loops, false);
    for (int i = 0; i < 15; ++i) node->Update(100.0f);  // into the second pass
    node->StopLooping();
    for (int i = 0; i < 10; ++i) node->Update(100.0f);
    EXPECT_EQ(counter.count, 1) << "loops " << loops;
    EXPECT_TRUE(node->IsStopped()) << "loops " << loops;
  }
}

TEST(CAnimationObjectTest, HideWhenFinishedKeepsTheNodeInactive) {
  const AnimationPtr node = MakeNode(OnePart());
  node->HideWhenFinished();
  node->Play("all", 1, false);
  for (int i = 0; i < 11; ++i) EXPECT_TRUE(node->Update(100.0f));
  EXPECT_FALSE(node->IsActive());
  EXPECT_FALSE(node->IsFinished());
}

TEST(CAnimationObjectTest, SettersUnderAMovedScaledRotatedParentKeepTheWorldValue) {
  const THolder<FakeDrawableData> hostData(new FakeDrawableData("host"));
  const ObjectPtr host = hostData->CreateObject();
  const IAnimation::ParentPtr parent(IAnimation::ParentPtr().AssignCast(host));
  CObjectProperties& p = parent->GetProperties();
  p.x = 100.0f;
  p.y = 50.0f;
  p.SetAngle(0.5f);
  p.scaleX = 2.0f;
  p.scaleY = 3.0f;
  p.opacity = 0.5f;
  p.layer = 10;

  const AnimationPtr node = MakeNode(OnePart());
  node->SetParent(parent, true);
  node->SetPosition(30.0f, 40.0f);
  node->SetAngle(1.0f);
  node->SetScale(4.0f, 6.0f);
  node->SetOpacity(0.25f);
  node->SetLayer(15);
  node->Update(0.0f);  // recomposes the world record from the local one
  const CObjectProperties& w = node->GetProperties();
  EXPECT_NEAR(w.x, 30.0f, 1e-3f);
  EXPECT_NEAR(w.y, 40.0f, 1e-3f);
  EXPECT_NEAR(w.angle, 1.0f, 1e-5f);
  EXPECT_NEAR(w.sin, std::sin(1.0f), 1e-5f);
  EXPECT_NEAR(w.scaleX, 4.0f, 1e-5f);
  EXPECT_NEAR(w.scaleY, 6.0f, 1e-5f);
  EXPECT_NEAR(w.opacity, 0.25f, 1e-6f);
  EXPECT_EQ(w.layer, 15);
  EXPECT_EQ(node->GetLocalProperties().layer, 5);

  // A parent of scale and opacity 0 leaves the local values as they are: no NaN.
  p.scaleX = p.scaleY = 0.0f;
  p.opacity = 0.0f;
  node->SetOpacity(0.75f);
  node->SetScaleX(2.0f);
  EXPECT_TRUE(std::isfinite(node->GetLocalProperties().opacity));
  EXPECT_TRUE(std::isfinite(node->GetLocalProperties().scaleX));
  host->Detach();
  node->Detach();
}

TEST(CAnimationObjectTest, SetXUnderAnOffsetParentAndWithout) {
  const THolder<FakeDrawableData> hostData(new FakeDrawableData("host"));
  const ObjectPtr host = hostData->CreateObject();
  const IAnimation::ParentPtr parent(IAnimation::ParentPtr().AssignCast(host));
  parent->GetProperties().x = 100.0f;
  const AnimationPtr node = MakeNode();
  node->SetParent(parent, true);
  node->SetX(130.0f);
  EXPECT_EQ(node->GetPosition().x, 130.0f);
  EXPECT_EQ(node->GetLocalProperties().x, 30.0f);
  EXPECT_TRUE(node->GetProperties().changed & CObjectProperties::kChangedPosition);
  EXPECT_TRUE(node->GetLocalProperties().changed & CObjectProperties::kChangedPosition);

  const AnimationPtr free = MakeNode();
  free->SetX(130.0f);
  EXPECT_EQ(free->GetLocalProperties().x, 0.0f);  // no parent: local untouched
  node->Detach();
}

TEST(CAnimationObjectTest, ObjectsTextsAndBoundingRect) {
  THolder<FakeAnimationData> data = OnePart();
  data->AddDrawable("a");
  data->AddDrawable("label", true);
  data->AddDrawable("empty");
  const AnimationPtr node = MakeNode(data);
  ASSERT_EQ(node->GetObjectCount(), 3);
  EXPECT_EQ(node->GetName(), std::string("anim"));

  auto rectOf = [&](int i) -> TRect<int>& {
    return dynamic_cast<FakeDrawable*>(node->GetDrawable(i).Get())->rect;
  };
  TRect<int> rect{1, 1, 1, 1};
  node->GetBoundingRect(rect);
  EXPECT_EQ(rect, TRect<int>());
  rectOf(0) = {0, 0, 10, 10};
  rectOf(1) = {5, -5, 20, 8};
  rectOf(2) = {-50, 3, -50, 90};  // no width: ignored
  node->GetBoundingRect(rect);
  EXPECT_EQ(rect, (TRect<int>{0, -5, 20, 10}));

  EXPECT_TRUE(node->SetText("label", L"hi"));
  ASSERT_NE(node->GetText("label"), nullptr);
  EXPECT_EQ(*node->GetText("label"), L"hi");
  EXPECT_TRUE(node->SetNumber("label", 42));
  EXPECT_EQ(*node->GetText("label"), L"42");
  EXPECT_FALSE(node->SetText("a", L"no"));  // not a text sprite
  EXPECT_EQ(node->GetText("a"), nullptr);
  EXPECT_EQ(node->GetText("missing"), nullptr);
  EXPECT_FALSE(node->FindDrawable("missing"));
  EXPECT_EQ(node->FindObject("label").Get(), node->GetChildAt(1).Get());
  EXPECT_FALSE(node->GetDrawable(3));
  EXPECT_FALSE(node->GetChildAt(-1));

  node->ShowObject("a", false);
  EXPECT_FALSE(node->GetDrawable(0)->IsShown());
  EXPECT_TRUE(node->CreateChild("a"));
  EXPECT_EQ(node->GetObjectCount(), 4);
  EXPECT_FALSE(node->CreateChild("nothing"));
  node->Detach();
}

TEST(CAnimationObjectTest, SoundsAndPlainObjects) {
  const AnimationPtr node = MakeNode(OnePart());
  const THolder<FakeSound> sound(new FakeSound());
  sound->SetAnimation(node);
  const THolder<FakeSound> plain(new FakeSound());
  plain->answersSound = false;
  EXPECT_FALSE(node->AddObject(ObjectPtr(static_cast<IObjectAnimation*>(plain.Get()))));
  EXPECT_EQ(node->GetObjectCount(), 0);  // sounds are not drawables
  EXPECT_EQ(node->FindObject("sound").Get(), static_cast<IObjectAnimation*>(sound.Get()));

  node->Play("all", 1, false);
  node->Update(100.0f);
  EXPECT_EQ(sound->updates, 1);
  node->PauseSounds();
  node->ResumeSounds();
  node->ShowFrame(10.0f);  // stops the sounds and freezes the clock
  EXPECT_EQ(sound->pauses, 1);
  EXPECT_EQ(sound->resumes, 1);
  EXPECT_EQ(sound->stops, 1);
  const int updates = sound->updates;
  node->Update(100.0f);
  EXPECT_EQ(sound->updates, updates);  // a stopped node's sounds stand
  node->Detach();
  EXPECT_FALSE(sound->node);
}

TEST(CAnimationObjectTest, SceneMembership) {
  THolder<FakeAnimationData> data = OnePart();
  data->AddDrawable("a");
  const THolder<FakeScene> scene(new FakeScene());
  const AnimationPtr node = MakeNode(data);
  node->SetScene(scene);
  node->SetObjectsScene(scene);
  EXPECT_EQ(scene->animations.size(), 1u);
  EXPECT_EQ(scene->drawables.size(), 1u);
  node->SetShown(false);
  EXPECT_TRUE(scene->drawables.empty());
  node->SetVisible(true);
  EXPECT_EQ(scene->drawables.size(), 1u);
  node->Detach();
  EXPECT_TRUE(scene->animations.empty());
  EXPECT_TRUE(scene->drawables.empty());
  EXPECT_FALSE(node->GetScene());
}

TEST(CAnimationObjectTest, ClockHelpersOfTheGame) {
  const AnimationPtr node = MakeNode(OnePart());
  node->Play("all", 1, true);
  node->SkipToEnd();
  EXPECT_EQ(node->GetTime(), 999.0f);
  EXPECT_FALSE(node->Update(100.0f));  // the pass ends on the next update
  node->SetTime(200.0f);
  EXPECT_FALSE(node->IsFinished());
  node->Rewind();
  EXPECT_EQ(node->GetTime(), 0.0f);
  EXPECT_FALSE(node->IsStopped());
  node->Update(100.0f);
  node->Pause();
  node->Update(100.0f);
  EXPECT_EQ(node->GetTime(), 100.0f);
  node->PlayFrom(500.0f);
  node->Update(100.0f);
  EXPECT_EQ(node->GetTime(), 600.0f);
  EXPECT_EQ(node->GetStartTime(), 500.0f);
}

}  // namespace
}  // namespace GF::test
