#pragma once

#include <cstdint>
#include <list>

#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "game/kitchen/CFlyObject.h"

// Keeps flights in the air: level fields, the map strategies and some screens derive from
// it and call UpdateFlyObjects once a frame (a field before its actions).
//
// Landed handlers may add flights during the walk (they join at the back and fly in the
// same walk); a handler that empties the list (LandAllFlyObjects, from a level reset) ends
// the walk after its call.
class CFlyObjectWorker {
 public:
  using FlightList = std::list<GF::THolder<CFlyObject>>;
  using AllLandedEvent = GF::TEventList<>;

  CFlyObjectWorker() = default;
  CFlyObjectWorker(const CFlyObjectWorker&) = delete;
  CFlyObjectWorker& operator=(const CFlyObjectWorker&) = delete;

  // The flights in the air, in the order they were added.
  const FlightList& GetFlyObjects() const { return m_flying; }
  // Fired whenever the walk drops the last flight; never for a list that was already empty.
  AllLandedEvent& GetAllLandedEvent() { return m_allLanded; }

 private:
  friend void AddFlyObject(CFlyObjectWorker& worker, const GF::THolder<CFlyObject>& flight);
  friend void UpdateFlyObjects(CFlyObjectWorker& worker, const float& dt);
  friend void LandAllFlyObjects(CFlyObjectWorker& worker);

  // Declared first: released after the event, as the owners expect.
  FlightList m_flying;
  AllLandedEvent m_allLanded;
  // Counts LandAllFlyObjects calls, so a walk learns that its list was emptied under it.
  std::uint32_t m_clears = 0;
};

// Puts a configured flight in the air; a null one is ignored.
void AddFlyObject(CFlyObjectWorker& worker, const GF::THolder<CFlyObject>& flight);
// One walk: active flights are updated with dt, landed ones (inactive) are dropped, and the
// all-landed event fires when a drop leaves the list empty.
void UpdateFlyObjects(CFlyObjectWorker& worker, const float& dt);
// Lands every flight at once (its landed event fires even mid-flight, once), then empties
// the list without the all-landed event. A level's reset calls it.
void LandAllFlyObjects(CFlyObjectWorker& worker);
