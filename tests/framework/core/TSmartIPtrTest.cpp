#include <gtest/gtest.h>

#include "framework/core/CBaseObject.h"
#include "framework/core/TSmartIPtr.h"

namespace {

// Two scene-like interfaces with ids 7 and 3; the object below answers 0, 3 and 7.
class IAnimated : public virtual GF::IBase {
 public:
  virtual int Frame() const = 0;
};
class IShown : public virtual GF::IBase {
 public:
  virtual int Layer() const = 0;
};
using AnimatedPtr = GF::TSmartIPtr<IAnimated, GF::kIdAnimation>;
using ShownPtr = GF::TSmartIPtr<IShown, GF::kIdDrawable>;
using BasePtr = GF::TSmartIPtr<GF::IBase, GF::kIdBase>;
using ContainerPtr = GF::TSmartIPtr<GF::IBase, GF::kIdSubstitutedContainer>;

class CNode : public GF::CBaseObject, public IAnimated, public IShown {
 public:
  explicit CNode(int* destroyed) : m_destroyed(destroyed) {}
  ~CNode() override { ++*m_destroyed; }
  int Frame() const override { return 7; }
  int Layer() const override { return 3; }
  bool QueryInterface(const int& id, void** out) override {
    ++queries;
    switch (id) {
      case GF::kIdBase:
        return Grant(static_cast<GF::IBase*>(this), out);
      case GF::kIdAnimation:
        return Grant(static_cast<IAnimated*>(this), out);
      case GF::kIdDrawable:
        return Grant(static_cast<IShown*>(this), out);
      default:
        return Refuse(out);
    }
  }
  int queries = 0;

 private:
  int* m_destroyed;
};

TEST(TSmartIPtr, QueryInterfaceByIdSharesOneCount) {
  int destroyed = 0;
  auto* node = new CNode(&destroyed);
  AnimatedPtr animated(node);
  EXPECT_EQ(node->GetRefCount(), 1);

  ShownPtr shown(animated);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Layer(), 3);
  EXPECT_EQ(node->GetRefCount(), 2);

  BasePtr base(shown);
  EXPECT_EQ(base.Get(), static_cast<GF::IBase*>(node));
  EXPECT_EQ(node->GetRefCount(), 3);

  AnimatedPtr back(base);
  EXPECT_EQ(back.Get(), animated.Get());
  EXPECT_EQ(back->Frame(), 7);
  EXPECT_EQ(node->GetRefCount(), 4);

  // Counting through either interface or the CRefCount part moves the same number.
  EXPECT_EQ(shown->AddRef(), 5);
  EXPECT_EQ(node->CRefCount::Release(), 4);

  animated.Reset();
  shown.Reset();
  base.Reset();
  EXPECT_EQ(destroyed, 0);
  back.Reset();
  EXPECT_EQ(destroyed, 1);
}

TEST(TSmartIPtr, UnsupportedOrEmptySourceGivesEmptyHolder) {
  int destroyed = 0;
  auto* node = new CNode(&destroyed);
  AnimatedPtr animated(node);

  ContainerPtr container(animated);
  EXPECT_FALSE(container);
  EXPECT_EQ(node->GetRefCount(), 1);

  void* out = node;
  EXPECT_FALSE(node->QueryInterface(GF::kIdSound, &out));
  EXPECT_EQ(out, nullptr);

  AnimatedPtr empty;
  node->queries = 0;
  ShownPtr fromEmpty(empty);
  EXPECT_FALSE(fromEmpty);
  ShownPtr assigned(animated);
  assigned.AssignCast(empty);
  EXPECT_FALSE(assigned);
  EXPECT_EQ(node->queries, 1);  // only the non-empty conversion asked
  EXPECT_EQ(node->GetRefCount(), 1);
}

TEST(TSmartIPtr, AssignCastOntoTheSameObjectKeepsItAlive) {
  int destroyed = 0;
  ShownPtr shown(new CNode(&destroyed));
  AnimatedPtr animated(shown);
  animated.Reset();

  // The only holder is cast onto its own object: new reference before the old drops.
  ShownPtr& self = shown;
  shown.AssignCast(self);
  ASSERT_TRUE(shown);
  EXPECT_EQ(destroyed, 0);
  animated.AssignCast(shown);
  shown.AssignCast(animated);
  ASSERT_TRUE(shown);
  EXPECT_EQ(static_cast<CNode*>(shown.Get())->GetRefCount(), 2);
  EXPECT_EQ(destroyed, 0);

  // Cast onto an interface it lacks: empty, and the old object is released.
  ContainerPtr container;
  animated.AssignCast(container);
  shown.AssignCast(container);
  EXPECT_FALSE(shown);
  EXPECT_EQ(destroyed, 1);
}

// Clears a holder that points at itself from its destructor, as scene objects do.
class CSelfHeld : public GF::CBaseObject, public IShown {
 public:
  CSelfHeld(ShownPtr* holder, bool* sawEmpty) : m_holder(holder), m_sawEmpty(sawEmpty) {}
  ~CSelfHeld() override { *m_sawEmpty = !*m_holder; }
  int Layer() const override { return 0; }
  bool QueryInterface(const int& id, void** out) override {
    return id == GF::kIdDrawable ? Grant(static_cast<IShown*>(this), out) : Refuse(out);
  }

 private:
  ShownPtr* m_holder;
  bool* m_sawEmpty;
};

TEST(TSmartIPtr, ResetNullsTheMemberBeforeRelease) {
  bool sawEmpty = false;
  ShownPtr holder;
  holder = new CSelfHeld(&holder, &sawEmpty);
  holder.Reset();
  EXPECT_TRUE(sawEmpty);
  holder.Reset();  // empty: nothing to do
}

}  // namespace
