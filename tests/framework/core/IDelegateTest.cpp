#include <gtest/gtest.h>

#include <string>

#include "framework/core/IDelegate.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/core/TStaticDelegate.h"

namespace {

using IntDelegate = GF::THolder<GF::IDelegate1<void, int>>;

class CReceiver {
 public:
  void OnA(int v) { last = v; }
  void OnB(int v) { last = -v; }
  virtual void OnVirtual(int v) { last = v * 10; }
  virtual ~CReceiver() = default;
  int last = 0;
};

class CDerivedReceiver : public CReceiver {};

int g_staticLast = 0;
void StaticA(int v) {
  g_staticLast = v;
}
void StaticB(int v) {
  g_staticLast = -v;
}

TEST(IDelegate, EqualityByObjectAndFunction) {
  CReceiver first, second;
  struct Case {
    const char* name;
    IntDelegate a, b;
    bool equal;
  };
  const Case cases[] = {
      {"same object and method", GF::MakeDelegate(&first, &CReceiver::OnA),
       GF::MakeDelegate(&first, &CReceiver::OnA), true},
      {"same virtual method", GF::MakeDelegate(&first, &CReceiver::OnVirtual),
       GF::MakeDelegate(&first, &CReceiver::OnVirtual), true},
      {"different object", GF::MakeDelegate(&first, &CReceiver::OnA),
       GF::MakeDelegate(&second, &CReceiver::OnA), false},
      {"different method", GF::MakeDelegate(&first, &CReceiver::OnA),
       GF::MakeDelegate(&first, &CReceiver::OnB), false},
      {"method vs static", GF::MakeDelegate(&first, &CReceiver::OnA), GF::MakeDelegate(&StaticA),
       false},
      {"same static", GF::MakeDelegate(&StaticA), GF::MakeDelegate(&StaticA), true},
      {"different static", GF::MakeDelegate(&StaticA), GF::MakeDelegate(&StaticB), false},
      {"empty other", GF::MakeDelegate(&first, &CReceiver::OnA), IntDelegate(), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(c.a.Get(), c.b.Get());
    EXPECT_EQ(c.a->IsEqual(c.b), c.equal);
    if (c.b) {
      EXPECT_EQ(c.b->IsEqual(c.a), c.equal);
      EXPECT_EQ(c.b->GetRefCount(), 1);  // the by-value argument was let go
    }
  }
}

TEST(IDelegate, InvokesTheBoundFunction) {
  CDerivedReceiver receiver;
  // A derived object binds an inherited method; a virtual one dispatches.
  GF::MakeDelegate(&receiver, &CReceiver::OnA)->Invoke(4);
  EXPECT_EQ(receiver.last, 4);
  GF::MakeDelegate(&receiver, &CReceiver::OnVirtual)->Invoke(4);
  EXPECT_EQ(receiver.last, 40);
  auto fromStatic = GF::MakeDelegate(&StaticB);
  fromStatic->Invoke(3);
  EXPECT_EQ(g_staticLast, -3);
  EXPECT_EQ(fromStatic->GetObject(), nullptr);
  EXPECT_EQ(fromStatic->GetRefCount(), 1);
}

class CCounted : public GF::CRefCount {};

class CHolderReceiver {
 public:
  void OnHolder(GF::THolder<CCounted> held, const std::string& text, int code) {
    countDuringCall = held->GetRefCount();
    seen = text + std::to_string(code);
  }
  int countDuringCall = 0;
  std::string seen;
};

TEST(IDelegate, HolderArgumentGainsAReferenceForTheCallOnly) {
  CHolderReceiver receiver;
  GF::THolder<GF::IDelegate3<void, GF::THolder<CCounted>, const std::string&, int>> delegate =
      GF::MakeDelegate(&receiver, &CHolderReceiver::OnHolder);
  auto counted = GF::MakeHolder<CCounted>();
  delegate->Invoke(counted, "code", 5);
  EXPECT_GE(receiver.countDuringCall, 2);
  EXPECT_EQ(receiver.seen, "code5");
  EXPECT_EQ(counted->GetRefCount(), 1);
}

}  // namespace
