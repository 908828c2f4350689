#include <gtest/gtest.h>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

namespace {

// Counts its own destruction; optionally records whether a holder was empty as it died.
class CTracked : public GF::CRefCount {
 public:
  explicit CTracked(int* destroyed) : m_destroyed(destroyed) {}
  CTracked(int* destroyed, GF::THolder<CTracked>* watched, bool* sawEmpty)
      : m_destroyed(destroyed), m_watched(watched), m_sawEmpty(sawEmpty) {}
  ~CTracked() override {
    ++*m_destroyed;
    if (m_watched) *m_sawEmpty = !*m_watched;
  }

 private:
  int* m_destroyed;
  GF::THolder<CTracked>* m_watched = nullptr;
  bool* m_sawEmpty = nullptr;
};

TEST(CRefCount, CountsAndDeletesAtZero) {
  int destroyed = 0;
  auto* object = new CTracked(&destroyed);
  EXPECT_EQ(object->GetRefCount(), 0);
  GF::THolder<CTracked> holder(object);
  EXPECT_EQ(object->GetRefCount(), 1);
  EXPECT_EQ(object->AddRef(), 2);
  EXPECT_EQ(object->Release(), 1);
  holder.Reset();
  EXPECT_EQ(destroyed, 1);
}

TEST(CRefCount, CopyStartsUnowned) {
  int destroyed = 0;
  GF::THolder<CTracked> original(new CTracked(&destroyed));
  GF::THolder<CTracked> copy(new CTracked(*original));
  EXPECT_EQ(original->GetRefCount(), 1);
  EXPECT_EQ(copy->GetRefCount(), 1);
}

#ifndef NDEBUG
TEST(CRefCountDeathTest, ReleasePastZeroAsserts) {
  int destroyed = 0;
  CTracked object(&destroyed);
  EXPECT_DEATH(object.Release(), "Release on an object nobody holds");
}
#endif

TEST(THolder, CopiesMovesAndAssignmentsKeepTheCount) {
  int destroyed = 0;
  auto* object = new CTracked(&destroyed);
  GF::THolder<CTracked> a(object);
  {
    GF::THolder<CTracked> b(a);
    EXPECT_EQ(object->GetRefCount(), 2);
    GF::THolder<CTracked> c(std::move(b));
    EXPECT_FALSE(b);
    EXPECT_EQ(object->GetRefCount(), 2);
    c = a;  // the same object: must not free it on the way
    EXPECT_EQ(object->GetRefCount(), 2);
    GF::THolder<CTracked>& self = c;
    c = self;
    EXPECT_EQ(object->GetRefCount(), 2);
    c = object;
    EXPECT_EQ(object->GetRefCount(), 2);
  }
  EXPECT_EQ(object->GetRefCount(), 1);
  GF::THolder<GF::CRefCount> base(a);  // derived to base
  EXPECT_EQ(object->GetRefCount(), 2);
  a = nullptr;
  base = nullptr;
  EXPECT_EQ(destroyed, 1);
}

TEST(THolder, ReassignmentReleasesTheOldObjectOnly) {
  int destroyed = 0;
  GF::THolder<CTracked> holder(new CTracked(&destroyed));
  holder = new CTracked(&destroyed);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(holder->GetRefCount(), 1);
  holder = GF::THolder<CTracked>();
  EXPECT_EQ(destroyed, 2);
  holder.Reset();  // empty: nothing to do
  EXPECT_EQ(destroyed, 2);
}

TEST(THolder, ResetEmptiesTheHolderBeforeTheObjectDies) {
  int destroyed = 0;
  bool sawEmpty = false;
  GF::THolder<CTracked> holder;
  holder = new CTracked(&destroyed, &holder, &sawEmpty);
  holder.Reset();
  EXPECT_EQ(destroyed, 1);
  EXPECT_TRUE(sawEmpty);
}

TEST(THolder, MakeHolderOwnsANewObject) {
  int destroyed = 0;
  {
    auto holder = GF::MakeHolder<CTracked>(&destroyed);
    EXPECT_EQ(holder->GetRefCount(), 1);
    EXPECT_TRUE(holder == holder.Get());
    EXPECT_FALSE(holder == nullptr);
  }
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
