#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framework/core/CCommandSubst.h"
#include "framework/core/TParamTrack.h"

namespace GF {
namespace {

template <int N>
THolder<TKeyContainer<N>> Keys(std::vector<TKey<N>> keys) {
  THolder<TKeyContainer<N>> c = CreateKeyContainer<N>();
  c->assign(keys.begin(), keys.end());
  return c;
}

TEST(TParamTrackTest, EmptyTrackHoldsTheKindDefault) {
  TParamTrack<kKindResourceId> id;
  TParamTrack<kKindOpacity> opacity;
  TParamTrack<kKindZoom> zoom;
  TParamTrack<kKindColor> color;
  EXPECT_FALSE(id.Update(10.0f));
  EXPECT_FALSE(opacity.Update(10.0f));
  EXPECT_FALSE(zoom.Update(10.0f));
  EXPECT_FALSE(color.Update(10.0f));
  EXPECT_EQ(id.GetValue(), -1);
  EXPECT_EQ(opacity.GetValue(), 1.0f);
  EXPECT_EQ(zoom.GetValue(), TPoint<float>(1.0f, 1.0f));
  EXPECT_EQ(color.GetValue(), hgeColor(1, 1, 1, 1));
  EXPECT_EQ(id.GetSegment(), -1);
}

TEST(TParamTrackTest, FindSegmentBoundariesAreStrict) {
  TParamTrack<kKindLayer> track;
  // The zero-length key in the middle is never selected by the walk.
  track.Attach(Keys<kKindLayer>({{0, 1, 100.0f}, {5, 1, 0.0f}, {10, 0, 100.0f}, {20, 0, 0.0f}}));
  EXPECT_EQ(track.GetLength(), 200.0f);
  struct Case {
    float t;
    int32_t index;
    float start;
    float end;
  };
  for (const Case c : {Case{0.0f, 0, 0.0f, 100.0f},
                       {99.9f, 0, 0.0f, 100.0f},
                       {100.0f, 2, 100.0f, 200.0f},
                       {199.0f, 2, 100.0f, 200.0f},
                       {200.0f, 3, 200.0f, 200.0f},
                       {500.0f, 3, 200.0f, 200.0f},
                       {-5.0f, 0, 0.0f, 100.0f}}) {
    const auto seg = track.FindSegment(c.t);
    EXPECT_EQ(seg.index, c.index) << "t=" << c.t;
    EXPECT_EQ(seg.start, c.start) << "t=" << c.t;
    EXPECT_EQ(seg.end, c.end) << "t=" << c.t;
  }
}

TEST(TParamTrackTest, LinearAndHoldSegments) {
  struct Case {
    int32_t mode;
    float t;
    float value;
  };
  for (const Case c : {Case{1, 50.0f, 5.0f},
                       {1, 100.0f, 10.0f},
                       {1, 200.0f, 10.0f},
                       {1, 500.0f, 10.0f},
                       {0, 99.9f, 0.0f},
                       {0, 100.0f, 10.0f}}) {
    TParamTrack<kKindOpacity> track;
    track.Attach(Keys<kKindOpacity>({{0.0f, c.mode, 100.0f}, {10.0f, 1, 100.0f}}));
    track.Update(c.t);
    EXPECT_FLOAT_EQ(track.GetValue(), c.value) << "mode=" << c.mode << " t=" << c.t;
  }
}

TEST(TParamTrackTest, IntBlendTruncatesAndASingleLinearKeyHolds) {
  TParamTrack<kKindLayer> layer;
  layer.Attach(Keys<kKindLayer>({{0, 1, 100.0f}, {10, 0, 0.0f}}));
  layer.Update(95.0f);
  EXPECT_EQ(layer.GetValue(), 9);

  TParamTrack<kKindOffset> single;
  single.Attach(Keys<kKindOffset>({{{3.0f, 4.0f}, 1, 100.0f}}));
  for (float t : {0.0f, 50.0f, 100.0f, 300.0f}) {
    single.Update(t);
    EXPECT_EQ(single.GetValue(), TPoint<float>(3.0f, 4.0f)) << "t=" << t;
  }
}

TEST(TParamTrackTest, ReportsChangeOnlyWhenTheValueMoved) {
  TParamTrack<kKindOpacity> track;
  track.Attach(Keys<kKindOpacity>({{0.0f, 1, 100.0f}, {1.0f, 0, 100.0f}}));
  EXPECT_TRUE(track.Update(0.0f));  // default 1.0 -> 0.0
  EXPECT_TRUE(track.Update(50.0f));
  EXPECT_TRUE(track.IsChanged());
  EXPECT_FALSE(track.Update(50.0f));
  EXPECT_FALSE(track.IsChanged());
  EXPECT_TRUE(track.Update(150.0f));
  EXPECT_FALSE(track.Update(180.0f));  // the last key holds

  TParamTrack<kKindColor> color;
  color.Attach(Keys<kKindColor>({{{1, 1, 1, 1}, 0, 10.0f}, {{1, 1, 1, 0.5f}, 0, 10.0f}}));
  EXPECT_FALSE(color.Update(0.0f));  // the first key equals the default
  EXPECT_TRUE(color.Update(10.0f));  // only alpha differs

  TParamTrack<kKindRotation> nan;
  nan.Attach(Keys<kKindRotation>({{NAN, 0, 10.0f}}));
  EXPECT_TRUE(nan.Update(0.0f));
  EXPECT_TRUE(nan.Update(1.0f));  // NaN never equals itself
}

TEST(TParamTrackTest, UnknownModeKeepsTheKeyValueWithoutInterpolator) {
  TParamTrack<kKindOpacity> track;
  track.Attach(Keys<kKindOpacity>({{0.25f, 7, 100.0f}, {1.0f, 0, 100.0f}}));
  track.Update(50.0f);
  EXPECT_EQ(track.GetValue(), 0.25f);
  EXPECT_EQ(track.GetTime(), 0.0f);  // the segment start, not t
}

TEST(TParamTrackTest, ClearDropsTheKeysButNotTheSharedContainer) {
  auto keys = Keys<kKindLayer>({{4, 0, 100.0f}});
  TParamTrack<kKindLayer> a;
  TParamTrack<kKindLayer> b;
  a.Attach(keys);
  b.Attach(keys);
  EXPECT_EQ(keys->GetRefCount(), 3);
  EXPECT_TRUE(a.Update(0.0f));
  a.Clear();
  EXPECT_FALSE(a.Update(0.0f));
  EXPECT_EQ(a.GetValue(), 0);
  EXPECT_EQ(a.GetSegment(), -1);
  EXPECT_EQ(keys->GetRefCount(), 2);
  EXPECT_TRUE(b.Update(0.0f));
  EXPECT_EQ(b.GetValue(), 4);
}

TEST(TParamTrackTest, CommandSubstitutionKeysFireAtTheirTimePoints) {
  TParamTrack<kKindCommandSubst> track;
  const auto keys = track.GetKeys();
  keys->push_back({{{}, "first"}, 0, 100.0f});
  keys->push_back({{{}, "second"}, 0, 500.0f});
  track.CalcLength();
  EXPECT_EQ(track.GetLength(), 500.0f);
  struct Case {
    float t;
    int32_t segment;
    bool changed;
  };
  for (const Case c : {Case{50.0f, -1, false},
                       {100.0f, 0, true},
                       {499.0f, 0, false},
                       {500.0f, 1, true},
                       {501.0f, 1, false},
                       {900.0f, 1, false}}) {
    EXPECT_EQ(track.Update(c.t), c.changed) << "t=" << c.t;
    EXPECT_EQ(track.GetSegment(), c.segment) << "t=" << c.t;
  }
  EXPECT_EQ(track.GetValue().command, "second");
  EXPECT_EQ(track.FindSegment(300.0f).start, 500.0f);  // the next key's time
}

}  // namespace
}  // namespace GF
