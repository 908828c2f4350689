#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/TEventList.h"
#include "framework/core/TMethodDelegate.h"

namespace {

using Event = GF::TEventList<int>;
using Delegate = GF::THolder<GF::IDelegate1<void, int>>;

// A subscriber that logs its calls and may run an action on the event while it is called.
class CListener {
 public:
  CListener(std::string name, std::vector<std::string>* log) : m_name(name), m_log(log) {}
  void OnEvent(int value) {
    m_log->push_back(m_name + std::to_string(value));
    if (action) action();
  }
  Delegate Make() { return GF::MakeDelegate(this, &CListener::OnEvent); }
  std::function<void()> action;

 private:
  std::string m_name;
  std::vector<std::string>* m_log;
};

// An event with its subscribers.
struct CBench {
  // Subscribes listeners "a", "b", ... in order.
  void Subscribe(int count) {
    for (int i = 0; i < count; ++i) {
      listeners.push_back(
          std::make_unique<CListener>(std::string(1, char('a' + listeners.size())), &log));
      event.Subscribe(listeners.back()->Make());
    }
  }
  CListener& L(int i) { return *listeners[i]; }
  void Remove(int i) { GF::RemoveDelegate(event, L(i).Make()); }

  std::vector<std::string> log;
  std::vector<std::unique_ptr<CListener>> listeners;
  Event event;
};

using Log = std::vector<std::string>;

class TEventListFixture : public ::testing::Test, protected CBench {};

TEST_F(TEventListFixture, FiresInOrderIncludingDuplicates) {
  GF::FireEvent(event, 1);
  EXPECT_TRUE(log.empty());

  Subscribe(1);
  GF::FireEvent(event, 1);
  EXPECT_EQ(log, Log({"a1"}));

  Subscribe(1);
  event.Subscribe(L(0).Make());
  log.clear();
  GF::FireEvent(event, 2);
  EXPECT_EQ(log, Log({"a2", "b2", "a2"}));
}

TEST_F(TEventListFixture, RemoveDelegateTakesTheFirstEqualEntryOnly) {
  Subscribe(2);
  event.Subscribe(L(0).Make());  // a b a
  Remove(0);
  GF::FireEvent(event, 1);
  EXPECT_EQ(log, Log({"b1", "a1"}));
  Remove(0);
  Remove(0);  // nothing equal left: no-op
  log.clear();
  GF::FireEvent(event, 2);
  EXPECT_EQ(log, Log({"b2"}));
  EXPECT_EQ(event.Size(), 1u);
}

TEST_F(TEventListFixture, ChangesWhileFiring) {
  struct Case {
    const char* name;
    int listeners;
    int actor;  // the listener that acts when called
    std::function<void(CBench&)> action;
    Log firstFiring, secondFiring;
  };
  const Case cases[] = {
      {"removes itself", 3, 1, [](CBench& t) { t.Remove(1); }, {"a1", "b1", "c1"}, {"a2", "c2"}},
      {"removes itself as the last entry",
       2,
       1,
       [](CBench& t) { t.Remove(1); },
       {"a1", "b1"},
       {"a2"}},
      {"removes the last entry", 3, 0, [](CBench& t) { t.Remove(2); }, {"a1", "b1"}, {"a2", "b2"}},
      {"removes the entry that follows",
       3,
       0,
       [](CBench& t) { t.Remove(1); },
       {"a1", "c1"},
       {"a2", "c2"}},
      {"removes an entry already called",
       3,
       1,
       [](CBench& t) { t.Remove(0); },
       {"a1", "b1", "c1"},
       {"b2", "c2"}},
      {"removes every entry", 3, 0, [](CBench& t) { t.event.Clear(); }, {"a1"}, {}},
      {"appends",
       2,
       0,
       [](CBench& t) {
         t.L(0).action = nullptr;  // append once
         t.event.Subscribe(t.L(1).Make());
       },
       {"a1", "b1", "b1"},
       {"a2", "b2", "b2"}},
      {"appends from the last entry",
       2,
       1,
       [](CBench& t) {
         t.L(1).action = nullptr;
         t.event.Subscribe(t.L(0).Make());
       },
       {"a1", "b1", "a1"},
       {"a2", "b2", "a2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CBench t;
    t.Subscribe(c.listeners);
    t.L(c.actor).action = [&t, &c] { c.action(t); };
    GF::FireEvent(t.event, 1);
    EXPECT_EQ(t.log, c.firstFiring);
    for (auto& l : t.listeners) l->action = nullptr;
    t.log.clear();
    GF::FireEvent(t.event, 2);
    EXPECT_EQ(t.log, c.secondFiring);
  }
}

// A delegate whose death is observable, to prove a removed one is never called after.
class CSelfRemoving {
 public:
  explicit CSelfRemoving(Event* event) : m_event(event) {}
  void OnEvent(int) {
    ++calls;
    GF::RemoveDelegate(*m_event, GF::MakeDelegate(this, &CSelfRemoving::OnEvent));
    delegateCountInCall = m_event->Size();
  }
  int calls = 0;
  std::size_t delegateCountInCall = 99;

 private:
  Event* m_event;
};

TEST_F(TEventListFixture, SelfRemovingDelegateSurvivesItsOwnCall) {
  CSelfRemoving remover(&event);
  event.Subscribe(GF::MakeDelegate(&remover, &CSelfRemoving::OnEvent));  // the list's only ref
  Subscribe(1);
  GF::FireEvent(event, 1);
  GF::FireEvent(event, 2);
  EXPECT_EQ(remover.calls, 1);
  EXPECT_EQ(remover.delegateCountInCall, 1u);
  EXPECT_EQ(log, Log({"a1", "a2"}));
}

TEST_F(TEventListFixture, NestedFiringSeesRemovalsOfTheInnerWalk) {
  Subscribe(3);
  int depth = 0;
  L(0).action = [&] {
    if (depth++ > 0) return;
    Remove(2);
    GF::FireEvent(event, 9);
  };
  GF::FireEvent(event, 1);
  EXPECT_EQ(log, Log({"a1", "a9", "b9", "b1"}));
  EXPECT_EQ(event.Size(), 2u);
}

TEST(TEventList, DestroyedByADelegateWhileFiring) {
  Log log;
  auto event = std::make_unique<Event>();
  CListener first("a", &log), second("b", &log);
  first.action = [&] { event.reset(); };
  event->Subscribe(first.Make());
  event->Subscribe(second.Make());
  GF::FireEvent(*event, 1);
  EXPECT_EQ(log, Log({"a1"}));
}

}  // namespace
