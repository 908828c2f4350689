#include "game/kitchen/CActionWorker.h"

#include <cstddef>
#include <utility>

CActionWorker::Holder CActionWorker::Run(Holder action) {
  if (!action) return {};
  const std::uint32_t stops = m_stops;
  action->Start();
  if (m_stops != stops) {
    // Its own start stopped everything: it is finished with the rest instead of running.
    action->Finish();
    return action;
  }
  m_running.push_back(action);
  return action;
}

CActionWorker::Holder CActionWorker::Append(Holder action) {
  if (!action) return {};
  if (const Holder tail = GetTail()) {
    tail->AddNext(action);
  } else {
    const std::uint32_t stops = m_stops;
    Run(action);
    // A start that stopped everything may have begun a new chain: its tail stays.
    if (m_stops != stops) return action;
  }
  m_tail = action;
  return action;
}

CActionWorker::Holder CActionWorker::GetTail() {
  if (m_tail && m_tail->IsDone()) m_tail.Reset();
  return m_tail;
}

void CActionWorker::Update(const float& dt) {
  const std::uint32_t stops = m_stops;
  for (auto it = m_running.begin(); it != m_running.end();) {
    // Our own holder: the action outlives a StopAll made from inside its call.
    const Holder action = *it;
    if (!action) {
      ++it;  // being finished by an outer walk
      continue;
    }
    if (!action->IsDone()) {
      action->Update(dt);
      if (m_stops != stops) return;
      ++it;
      continue;
    }
    it->Reset();  // finished here, never by a StopAll from inside its hooks
    action->Finish();
    if (m_stops != stops) return;
    // By index: a follow-up's start may hang more follow-ups on this action.
    const std::vector<Holder>& next = action->GetFollowUps();
    for (std::size_t i = 0; i < next.size(); ++i) {
      Run(Holder(next[i]));
      if (m_stops != stops) return;
    }
    // Erased only now, so the follow-ups just appended lie ahead of the returned element.
    it = m_running.erase(it);
  }
}

void CActionWorker::StopAll() {
  ++m_stops;
  // One at a time from the front: a finish may run, append or stop actions itself.
  while (!m_running.empty()) {
    const Holder action = std::move(m_running.front());
    m_running.pop_front();
    if (action) action->Finish();
  }
  // Last: an append made by a finish must not leave a finished action as the tail.
  m_tail.Reset();
}

void CActionWorker::Notify(bool paused) {
  const std::uint32_t stops = m_stops;
  for (auto it = m_running.begin(); it != m_running.end(); ++it) {
    const Holder action = *it;
    if (!action) continue;
    action->Notify(paused);
    if (m_stops != stops) return;
  }
}
