#include <gtest/gtest.h>

#include "tests/framework/core/AnimationDoubles.h"

namespace GF::test {
namespace {

FakeDrawable* AsFake(const DrawablePtr& drawable) {
  return dynamic_cast<FakeDrawable*>(drawable.Get());
}

// A node over one drawable "a" whose opacity runs 0 -> 1 over 0..1000 ms.
struct FadingNode {
  FadingNode() {
    data->AddPart("all", 0.0f, 2000.0f, 1);
    FakeDrawableData* a = data->AddDrawable("a");
    a->opacity->push_back({0.0f, kParamLinear, 1000.0f});
    a->opacity->push_back({1.0f, kParamHold, 1000.0f});
    node = MakeNode(data);
    drawable = AsFake(node->GetDrawable(0));
  }
  ~FadingNode() { node->Detach(); }

  THolder<FakeAnimationData> data{new FakeAnimationData("fade")};
  AnimationPtr node;
  FakeDrawable* drawable = nullptr;
};

TEST(CDrawableAbstractTest, FollowsItsNodeOneFrameLate) {
  FadingNode f;
  ASSERT_TRUE(f.drawable);
  // A new drawable evaluates once at the node's time although the node is stopped ...
  f.node->SetTime(500.0f);
  f.node->Update(100.0f);
  EXPECT_FLOAT_EQ(f.drawable->GetProperties().opacity, 0.5f);
  EXPECT_FALSE(f.drawable->IsPlaying());
  // ... then stands while the node does.
  f.node->SetTime(700.0f);
  f.node->Update(100.0f);
  EXPECT_FLOAT_EQ(f.drawable->GetProperties().opacity, 0.5f);

  f.node->Play("all", 1, false);
  f.node->Update(100.0f);  // clock 100, but the drawable only wakes up
  EXPECT_FLOAT_EQ(f.drawable->GetProperties().opacity, 0.5f);
  EXPECT_TRUE(f.drawable->IsPlaying());
  EXPECT_FALSE(f.drawable->GetOpacityTrack()->IsChanged());
  f.node->Update(100.0f);
  EXPECT_FLOAT_EQ(f.drawable->GetProperties().opacity, 0.2f);
}

TEST(CDrawableAbstractTest, ComposesWithTheNodeAndIgnoresAMissingNode) {
  FadingNode f;
  f.node->SetPosition(10.0f, 20.0f);
  f.node->SetOpacity(0.5f);
  f.node->Play("all", 1, false);
  f.node->Update(0.0f);
  f.node->Update(500.0f);
  const CObjectProperties& p = f.drawable->GetProperties();
  EXPECT_EQ(p.x, 10.0f);
  EXPECT_EQ(p.y, 20.0f);
  EXPECT_FLOAT_EQ(p.opacity, 0.25f);

  const THolder<FakeDrawableData> data(new FakeDrawableData("orphan"));
  const ObjectPtr orphan = data->CreateObject();
  EXPECT_FALSE(orphan->Update(16.0f));
}

TEST(CDrawableAbstractTest, AsksForOneSortPerLayerChange) {
  THolder<FakeAnimationData> data(new FakeAnimationData("layers"));
  data->AddPart("all", 0.0f, 1000.0f, 1);
  FakeDrawableData* a = data->AddDrawable("a");
  a->layer->push_back({0, kParamHold, 300.0f});
  a->layer->push_back({5, kParamHold, 300.0f});
  const THolder<FakeScene> scene(new FakeScene());
  const AnimationPtr node = MakeNode(data);
  node->SetObjectsScene(scene);
  node->Play("all", 1, false);
  struct Step {
    float dt;
    int sorts;
    int layer;
  };
  for (const Step s : {Step{0.0f, 0, 0},
                       {100.0f, 0, 0},
                       {100.0f, 0, 0},
                       {100.0f, 1, 5},
                       {100.0f, 1, 5},
                       {100.0f, 1, 5}}) {
    node->Update(s.dt);
    EXPECT_EQ(scene->sortRequests, s.sorts) << "clock " << node->GetTime();
    EXPECT_EQ(node->GetDrawable(0)->GetLayer(), s.layer);
  }
  node->SetLayer(3);  // the node's own layer change reaches its drawables too
  node->Update(100.0f);
  EXPECT_EQ(scene->sortRequests, 2);
  EXPECT_EQ(node->GetDrawable(0)->GetLayer(), 8);
  node->Detach();
}

TEST(CDrawableAbstractTest, ShownDrawablesStayInTheirScene) {
  const THolder<FakeDrawableData> data(new FakeDrawableData("a"));
  const ObjectPtr object = data->CreateObject();
  const DrawablePtr drawable(DrawablePtr().AssignCast(object));
  const THolder<FakeScene> scene(new FakeScene());
  drawable->SetShown(false);
  drawable->SetScene(scene);
  EXPECT_TRUE(scene->drawables.empty());  // hidden: kept out
  drawable->SetShown(true);
  EXPECT_EQ(scene->drawables.size(), 1u);
  drawable->SetShown(true);
  EXPECT_EQ(scene->drawables.size(), 1u);
  drawable->SetShown(false);
  drawable->SetShown(false);
  EXPECT_TRUE(scene->drawables.empty());
  drawable->SetShown(true);
  drawable->Detach();
  EXPECT_TRUE(scene->drawables.empty());
  EXPECT_FALSE(drawable->GetScene());
}

// A host animation whose drawable "place" carries "fx.coin" and plays its "_show" at 500 ms.
struct SubstitutionTree {
  SubstitutionTree() {
    FakeAnimationData* coin = registry.Add("fx", "coin");
    coin->AddPart("all", 0.0f, 1000.0f, 1);
    coin->AddPart("_show", 100.0f, 400.0f, 1);
    coin->AddDrawable("spark")->offset->push_back({{5.0f, 0.0f}, kParamHold, 10.0f});
    host->AddPart("all", 0.0f, 2000.0f, 1);
    FakeDrawableData* place = host->AddDrawable("place");
    place->AddSubst("fx", "coin");
    place->AddSubst("fx", "unknown");  // not in the registry: skipped
    place->commands->push_back({500.0f, "coin._show"});
    place->commands->push_back({700.0f, "nobody"});  // names no substituted animation
  }

  FakeRegistry registry;
  THolder<FakeAnimationData> host{new FakeAnimationData("host")};
};

TEST(CDrawableAbstractTest, SubstitutedPartPlaysAtItsKeyTime) {
  SubstitutionTree tree;
  const THolder<FakeScene> scene(new FakeScene());
  const AnimationPtr node = MakeNode(tree.host);
  node->SetScene(scene);
  node->SetObjectsScene(scene);
  const auto place = IAnimation::ParentPtr().AssignCast(node->FindObject("place"));
  ASSERT_TRUE(place);
  const AnimationPtr coin = place->GetSubstitutedAnimation(0);
  ASSERT_TRUE(coin);
  EXPECT_FALSE(place->GetSubstitutedAnimation(1));
  EXPECT_EQ(place->FindSubstitutedAnimation("coin").Get(), coin.Get());
  EXPECT_EQ(AsFake(node->GetDrawable(0))->GetCommandSubstTrack().GetKeys()->size(), 1u);
  EXPECT_FALSE(coin->IsActive());          // waits for its key
  EXPECT_FALSE(coin->GetScene());          // its host updates it ...
  EXPECT_EQ(scene->drawables.size(), 2u);  // ... while its drawables are in the scene

  node->Play("all", 1, false);
  for (int i = 0; i < 4; ++i) node->Update(100.0f);
  EXPECT_FALSE(coin->IsActive());
  EXPECT_EQ(coin->GetEndTime(), 999.0f);
  node->Update(100.0f);  // clock 500: the key plays "_show", which runs in the same frame
  EXPECT_TRUE(coin->IsActive());
  EXPECT_EQ(coin->GetStartTime(), 100.0f);
  EXPECT_EQ(coin->GetEndTime(), 399.0f);
  EXPECT_EQ(coin->GetTime(), 200.0f);
  node->Update(100.0f);
  EXPECT_EQ(coin->GetTime(), 300.0f);

  // The coin's drawable composes with the place, which composes with the node.
  node->SetPosition(100.0f, 0.0f);
  node->Update(0.0f);
  node->Update(0.0f);
  EXPECT_EQ(coin->GetDrawable(0)->GetScene().Get(), scene.Get());
  EXPECT_EQ(AsFake(coin->GetDrawable(0))->GetProperties().x, 105.0f);

  TRect<int> rect;
  AsFake(coin->GetDrawable(0))->rect = {50, 50, 60, 70};
  AsFake(node->GetDrawable(0))->rect = {0, 0, 10, 10};
  node->GetBoundingRect(rect);
  EXPECT_EQ(rect, (TRect<int>{0, 0, 60, 70}));

  EXPECT_FALSE(place->RemoveSubstitutedAnimation("missing"));
  EXPECT_TRUE(place->RemoveSubstitutedAnimation("coin"));
  EXPECT_FALSE(place->GetSubstitutedAnimation(0));
  EXPECT_TRUE(AsFake(node->GetDrawable(0))->GetCommandSubstTrack().GetKeys()->empty());
  EXPECT_EQ(scene->drawables.size(), 1u);  // the coin's drawable left with it
  node->Detach();
}

TEST(CDrawableAbstractTest, AddSubstitutedAnimationAppends) {
  SubstitutionTree tree;
  const THolder<FakeDrawableData> data(new FakeDrawableData("a"));
  const auto place = IAnimation::ParentPtr().AssignCast(data->CreateObject());
  EXPECT_FALSE(place->AddSubstitutedAnimation("fx.unknown"));
  const AnimationPtr first = place->AddSubstitutedAnimation("fx", "coin");
  const AnimationPtr second = place->AddSubstitutedAnimation("fx.coin");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(place->GetSubstitutedAnimation(1).Get(), second.Get());
  EXPECT_EQ(first->GetParent().Get(), place.Get());
  EXPECT_TRUE(first->IsActive());  // plays "all" at once
  EXPECT_FALSE(first->IsStopped());
  second->RemoveFromParent();
  EXPECT_FALSE(place->GetSubstitutedAnimation(1));
  EXPECT_FALSE(second->GetParent());
  place->Detach();
}

TEST(CDrawableAbstractTest, PlayedAndDroppedTreesFreeEverything) {
  const int before = LiveObjects();
  {
    SubstitutionTree tree;
    const THolder<FakeScene> scene(new FakeScene());
    const AnimationPtr node = MakeNode(tree.host);
    node->SetScene(scene);
    node->SetObjectsScene(scene);
    node->HideWhenFinished();
    node->Play("all", 1, false);
    for (int i = 0; i < 30; ++i) scene->Update(100.0f);
    EXPECT_GT(LiveObjects(), before);
    node->Detach();
  }
  EXPECT_EQ(LiveObjects(), before);
  {
    // The same through the scene's own teardown.
    SubstitutionTree tree;
    const THolder<FakeScene> scene(new FakeScene());
    const AnimationPtr node = MakeNode(tree.host);
    node->SetScene(scene);
    node->SetObjectsScene(scene);
    node->Play("all", 1, false);
    for (int i = 0; i < 8; ++i) scene->Update(100.0f);
    scene->Clear();
  }
  EXPECT_EQ(LiveObjects(), before);
}

}  // namespace
}  // namespace GF::test
