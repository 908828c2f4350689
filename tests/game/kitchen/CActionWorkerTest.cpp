// The action worker's walk, told by a journal: probe actions write their hooks to it, the
// generic actions' sounds and music reach it through the recording players, and each walk
// starts with a "walk" line.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/TStaticDelegate.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::PlayerCalls;
using Lines = std::vector<std::string>;
using Holder = CActionBase::Holder;

void Note(const std::string& line) {
  PlayerCalls().push_back(line);
}

int& LiveProbes() {
  static int live = 0;
  return live;
}

// Writes its hooks ("A start", "A update 20", "A finish", "A notify 1"); done after a number
// of updates (0: at its start, -1: never); runs an optional function from its start or
// update.
class CProbe : public CActionBase {
 public:
  CProbe(std::string name, int doneAfter) : m_name(std::move(name)), m_left(doneAfter) {
    ++LiveProbes();
  }
  ~CProbe() override { --LiveProbes(); }

  void Start() override {
    Note(m_name + " start");
    if (m_left == 0) m_done = true;
    if (onStart) onStart();
  }
  void Update(const float& dt) override {
    Note(m_name + " update " + std::to_string(static_cast<int>(dt)));
    if (m_left > 0 && --m_left == 0) m_done = true;
    if (onUpdate) onUpdate();
  }
  void Finish() override { Note(m_name + " finish"); }
  void Notify(bool paused) override { Note(m_name + (paused ? " notify 1" : " notify 0")); }

  std::function<void()> onStart;
  std::function<void()> onUpdate;

 private:
  std::string m_name;
  int m_left;
};

GF::THolder<CProbe> Probe(const std::string& name, int doneAfter) {
  return GF::MakeHolder<CProbe>(name, doneAfter);
}

struct Ctx {
  CActionWorker worker;
  void Walk(float dt = 20.0f) {
    Note("walk");
    worker.Update(dt);
  }
  void Tail() { Note(worker.GetTail() ? "tail set" : "tail empty"); }
};

// The execute action's delegate: a plain function, so it reaches the case through a global.
std::function<void()> g_execute;
void Execute() {
  Note("execute");
  if (g_execute) g_execute();
}

struct Case {
  const char* name;
  std::function<void(Ctx&)> script;
  Lines expected;
};

const Case kCases[] = {
    {"an action appended to an idle worker has started when Append returns",
     [](Ctx& c) {
       c.worker.Append(Probe("A", 1));
       Note("appended");
       c.Tail();
     },
     {"A start", "appended", "tail set"}},

    {"B appended behind A starts in the walk that finishes A, the walk after A is done",
     [](Ctx& c) {
       c.worker.Append(Probe("A", 2));
       c.worker.Append(Probe("B", -1));
       c.Walk();
       c.Walk();
       c.Walk();
     },
     {"A start", "walk", "A update 20", "walk", "A update 20", "walk", "A finish", "B start",
      "B update 20"}},

    {"B appended after A is done, before its removal, starts at once beside A's follow-ups",
     [](Ctx& c) {
       c.worker.Append(Probe("A", 1))->AddNext(Probe("C", -1));
       c.Walk();
       c.worker.Append(Probe("B", -1));
       c.Walk();
     },
     {"A start", "walk", "A update 20", "B start", "walk", "A finish", "C start", "B update 20",
      "C update 20"}},

    {"wait(1000) -> execute -> sound: both in the one update after the wait reached 0",
     [](Ctx& c) {
       SoundNameTable[7] = NamedValue{"ding", 7};
       c.worker.Append(MakeWaitAction(1000.0f));
       c.worker.Append(MakeExecuteAction(GF::MakeDelegate(&Execute)));
       c.worker.Append(MakePlaySoundActionById(7));
       for (int i = 0; i < 5; ++i) c.Walk(250.0f);
       c.Tail();
     },
     {"walk", "walk", "walk", "walk", "walk", "execute", "sound:Play ding 1 0.000000",
      "tail empty"}},

    {"a wait of 0 or less is done after its first update",
     [](Ctx& c) {
       c.worker.Append(MakeWaitAction(0.0f));
       c.worker.Append(Probe("B", -1));
       c.worker.Run(MakeWaitAction(-5.0f))->AddNext(Probe("C", -1));
       c.Walk();
       c.Walk();
     },
     {"walk", "walk", "B start", "C start", "B update 20", "C update 20"}},

    {"StopAll half-way finishes each running action once and starts no follow-up",
     [](Ctx& c) {
       c.worker.Run(Probe("R", -1));
       c.worker.Append(Probe("A", 1));
       c.worker.Append(Probe("B", -1));
       c.worker.Append(Probe("C", 0));
       c.Walk();
       c.Walk();
       c.worker.StopAll();
       c.Tail();
       c.Walk();
       Note("live " + std::to_string(LiveProbes()));
     },
     {"R start", "A start", "walk", "R update 20", "A update 20", "walk", "R update 20", "A finish",
      "B start", "B update 20", "R finish", "B finish", "tail empty", "walk", "live 0"}},

    {"Notify reaches the running actions only",
     [](Ctx& c) {
       c.worker.Append(Probe("A", -1));
       c.worker.Append(Probe("B", -1));
       c.worker.Run(Probe("C", -1));
       c.worker.Notify(true);
       c.worker.Notify(false);
     },
     {"A start", "C start", "A notify 1", "C notify 1", "A notify 0", "C notify 0"}},

    {"destroying the worker releases its actions without finishing them",
     [](Ctx&) {
       {
         CActionWorker worker;
         worker.Append(Probe("A", -1));
         worker.Append(Probe("B", -1));
         worker.Run(Probe("C", 1));
         worker.Update(20.0f);
       }
       Note("live " + std::to_string(LiveProbes()));
     },
     {"A start", "C start", "A update 20", "C update 20", "live 0"}},

    {"sounds: an empty name plays by number whatever the flag, else the flag chooses",
     [](Ctx& c) {
       SoundNameTable[7] = NamedValue{"ding", 7};
       c.worker.Run(Holder(new CPlaySoundAction("", 7, false)));
       c.worker.Run(MakePlaySoundAction("whoosh", true));
       c.worker.Run(MakePlaySoundAction("theme", false));
       c.Walk();
       c.Tail();
     },
     {"sound:Play ding 1 0.000000", "sound:Play whoosh 1 0.000000", "music:Play theme fade", "walk",
      "tail empty"}},

    {"actions run from a hook join the back and are reached by the same walk",
     [](Ctx& c) {
       const auto a = Probe("A", -1);
       a->onUpdate = [&c, once = true]() mutable {
         if (std::exchange(once, false)) c.worker.Run(Probe("B", -1));
       };
       c.worker.Run(a);
       c.Walk();
     },
     {"A start", "walk", "A update 20", "B start", "B update 20"}},

    {"StopAll from an execute action: the done action before it is finished once, the rest "
     "of the chain never starts, and what the execute appends runs",
     [](Ctx& c) {
       g_execute = [&c] {
         c.worker.StopAll();
         c.worker.Append(Probe("N", -1));
       };
       c.worker.Run(Probe("R", -1));
       c.worker.Append(Probe("A", 1));
       c.worker.Append(MakeExecuteAction(GF::MakeDelegate(&Execute)));
       c.worker.Append(Probe("D", -1));
       c.Walk();
       c.Walk();
       c.Tail();
       c.Walk();
     },
     {"R start", "A start", "walk", "R update 20", "A update 20", "walk", "R update 20", "A finish",
      "execute", "R finish", "N start", "tail set", "walk", "N update 20"}},

    {"StopAll from an update ends the walk after that call",
     [](Ctx& c) {
       const auto a = Probe("A", -1);
       a->onUpdate = [&c] { c.worker.StopAll(); };
       c.worker.Run(a);
       c.worker.Run(Probe("B", -1));
       c.Walk();
       c.Walk();
     },
     {"A start", "B start", "walk", "A update 20", "A finish", "B finish", "walk"}},

    {"an action whose start stops everything is finished with the rest and does not run",
     [](Ctx& c) {
       const auto a = Probe("A", -1);
       a->onStart = [&c] { c.worker.StopAll(); };
       c.worker.Run(Probe("R", -1));
       c.worker.Append(a);
       c.worker.Append(Probe("B", -1));  // A never became the tail: B starts at once
       c.Tail();
       c.Walk();
     },
     {"R start", "A start", "R finish", "A finish", "B start", "tail set", "walk", "B update 20"}},
};

TEST(CActionWorkerTest, Cases) {
  for (const Case& test : kCases) {
    pm::test::GameAppSession session;
    g_execute = nullptr;
    {
      Ctx ctx;
      test.script(ctx);
    }
    g_execute = nullptr;
    EXPECT_EQ(PlayerCalls(), test.expected) << test.name;
  }
  EXPECT_EQ(LiveProbes(), 0);
}

TEST(CActionWorkerTest, NullActionsAreIgnored) {
  CActionWorker worker;
  const Holder a = Probe("A", -1);
  EXPECT_FALSE(worker.Run(nullptr));
  EXPECT_EQ(worker.Append(a), a);
  EXPECT_FALSE(worker.Append(nullptr));
  EXPECT_EQ(worker.GetTail(), a);
  EXPECT_FALSE(a->AddNext(nullptr));
  EXPECT_TRUE(a->GetFollowUps().empty());
}

}  // namespace
