#pragma once

#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

class CGameFieldBase;

// The rival cooks of a contest level. They do not cook: each rival's score climbs toward its
// target in a fixed number of random steps spread over the level time (plus 30 s), and the
// standings panel shows every step.
//
// The level field holds one; it holds the field back until Clear (the field's shutdown).
class CTurnirStrategy : public GF::CRefCount {
 public:
  struct Rival {
    int id = 0;
    int stepsLeft = 0;
    int target = 0;
    float score = 0.0f;
    float timer = 0.0f;  // ms to the next step
  };

  // Reads the field's rivals afresh and puts them and the player into its standings at 0
  // points; a level without rivals has none.
  void Setup(GF::THolder<CGameFieldBase> field);
  // Rivals whose timer ran out take a step; nothing once stopped.
  void Update(const float& dt);
  void Clear() { m_field.Reset(); }
  // The level is over: the rivals stand still.
  void Stop() { m_stopped = true; }

  const std::vector<Rival>& GetRivals() const { return m_rivals; }
  float GetOrderValue() const { return m_orderValue; }
  float GetTotalTime() const { return m_totalTime; }

 private:
  // The average worth of one of the field's orders; 0 when none names a known recipe.
  float AverageOrderValue() const;
  void Step(Rival& rival, float remaining);

  float m_maxSteps = 0.0f;
  float m_totalTime = 0.0f;  // the level time + 30 s
  bool m_stopped = false;
  GF::THolder<CGameFieldBase> m_field;
  float m_orderValue = 0.0f;
  std::vector<Rival> m_rivals;
};
