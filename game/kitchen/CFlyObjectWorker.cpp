#include "game/kitchen/CFlyObjectWorker.h"

#include <utility>

void AddFlyObject(CFlyObjectWorker& worker, const GF::THolder<CFlyObject>& flight) {
  if (flight) worker.m_flying.push_back(flight);
}

void UpdateFlyObjects(CFlyObjectWorker& worker, const float& dt) {
  CFlyObjectWorker::FlightList& flying = worker.m_flying;
  const std::uint32_t clears = worker.m_clears;
  for (auto it = flying.begin(); it != flying.end();) {
    const GF::THolder<CFlyObject> flight = *it;  // alive through its own landing
    if (flight->IsActive()) {
      flight->Update(dt);
      if (worker.m_clears != clears) return;
      ++it;
      continue;
    }
    it = flying.erase(it);
    if (flying.empty()) {
      worker.m_allLanded.Fire();
      if (worker.m_clears != clears) return;
    }
  }
}

void LandAllFlyObjects(CFlyObjectWorker& worker) {
  ++worker.m_clears;
  // One at a time from the front: a landed handler may add flights, or land all again.
  CFlyObjectWorker::FlightList& flying = worker.m_flying;
  while (!flying.empty()) {
    const GF::THolder<CFlyObject> flight = std::move(flying.front());
    flying.pop_front();
    flight->OnFinished();
  }
}
