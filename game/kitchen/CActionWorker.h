#pragma once

#include <cstdint>
#include <list>

#include "game/kitchen/CActionBase.h"

// Runs actions and builds chains of them. Level fields, the map strategies and several
// screens derive from it and call Update once a frame.
//
// Append builds one linear chain through the tail: an action appended while the tail is
// pending waits behind it, an action appended to an idle worker starts at once. Run starts
// an action beside the chain. Actions may Append, Run or AddNext on their own worker from
// any hook: new running actions join at the back and the walk under way reaches them.
//
// StopAll may be called from inside an action of this worker's walk (an execute action that
// ends or resets a level): every running action is finished once, and the walk stops after
// the call it was in; that action stays alive until its call returns.
class CActionWorker {
 public:
  using Holder = CActionBase::Holder;

  CActionWorker() = default;
  CActionWorker(const CActionWorker&) = delete;
  CActionWorker& operator=(const CActionWorker&) = delete;
  // Releases the running actions without finishing them.
  ~CActionWorker() = default;

  // Starts the action (Start runs before it joins the running list) and returns it. A null
  // action is ignored (empty holder back).
  Holder Run(Holder action);
  // Hangs the action behind the pending tail, or runs it at once when nothing is pending;
  // either way it becomes the tail. Returns it; a null action is ignored, the tail unchanged.
  Holder Append(Holder action);
  // The tail while it is not done; empty when the chain has run out (a done tail is dropped
  // here). Owners ask it whether a chain they appended is still in progress.
  Holder GetTail();
  // One walk of the running list: a done action is finished and its follow-ups started,
  // every other action is updated with dt. A follow-up started here is updated in the same
  // walk with the same dt, so a chain of instantaneous actions runs through in one update.
  void Update(const float& dt);
  // Finishes every running action once, in list order, done or not; drops the follow-ups
  // that never started and the tail. No follow-up starts.
  void StopAll();
  // Tells every running action the owner's pause flag; waiting follow-ups are not told.
  void Notify(bool paused);

 private:
  Holder m_tail;
  // An empty element is an action this walk is finishing: StopAll and Notify pass over it.
  std::list<Holder> m_running;
  // Counts StopAll calls, so a walk learns that its list was emptied under it.
  std::uint32_t m_stops = 0;
};
