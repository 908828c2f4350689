#include "game/kitchen/CFlyObject.h"

bool CFlyObject::Update(const float& dt) {
  if (m_startDelay <= 0.0f) return CCurve::Update(dt);
  // Held at the start: the strategies' values at time 0, without the curve's arrival check.
  if (IsActive() && !targets_.empty() && Evaluate()) Apply();
  m_startDelay -= dt;
  return true;
}

void CFlyObject::OnFinished() {
  if (m_landed) return;
  m_landed = true;
  const GF::THolder<CFlyObject> self(this);  // a handler may drop the last other holder
  CCurve::OnFinished();
  m_landedEvent.Fire(self);
  if (m_removeOnArrival) ClearTargets(true);
}

GF::THolder<CFlyObject> CreateFlyObject() {
  return GF::MakeHolder<CFlyObject>();
}

GF::IAnimation::AnimationPtr GetFlyObjectTarget(const GF::THolder<CFlyObject>& flight) {
  if (!flight || flight->GetTargets().empty()) return {};
  return flight->GetTargets().front();
}
