#pragma once

#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

// One step of timed work on a level field or a screen: walk the cook, wait, fade a sprite,
// play a sound, call a function. A CActionWorker runs it: Start once, Update every frame
// until the action sets its done flag, then Finish once, and then the follow-ups start.
//
// Derived actions override the four hooks; the base bodies do nothing. An action is started
// at most once and nothing clears its done flag.
class CActionBase : public GF::CRefCount {
 public:
  using Holder = GF::THolder<CActionBase>;

  // Called by the worker when the action is run, before it joins the running list.
  virtual void Start() {}
  // Called by the worker once the action is done (and by CActionWorker::StopAll, done or not).
  virtual void Finish() {}
  // The owner's pause flag, passed to running actions only.
  virtual void Notify(bool /*paused*/) {}
  // Every frame while the action runs and is not done; dt is the frame's step in ms.
  virtual void Update(const float& /*dt*/) {}

  // Hangs `next` behind this action: follow-ups start together, in the order they were
  // added, in the walk that finishes this action. Returns `next`; a null one is ignored.
  Holder AddNext(Holder next);

  bool IsDone() const { return m_done; }
  const std::vector<Holder>& GetFollowUps() const { return m_next; }

 protected:
  // Set by the action itself when its work is over; the worker finishes it on its next walk.
  bool m_done = false;

 private:
  // Follow-ups that never started are dropped with this action.
  std::vector<Holder> m_next;
};
