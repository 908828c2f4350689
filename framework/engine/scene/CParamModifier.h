#pragma once

#include <vector>

#include "framework/engine/scene/IParamModifier.h"

class Engine;

namespace GF::HGENS {

// The records' fields as the script gives them: the parameter id (1 angle in radians, 2 x,
// 3 y), the kind (1 sine, any other contributes 0), the harmonic count, the minimum, the
// maximum and the period range in seconds. Each harmonic draws its period once.
class CParamModifier : public GF::IParamModifier {
 public:
  // A modifier over the records; empty when there are none.
  static GF::THolder<GF::IParamModifier> Create(const GF::THolder<CParamModifierList>& data);

  CParamModifier();
  ~CParamModifier() override;
  CParamModifier(const CParamModifier&) = delete;
  CParamModifier& operator=(const CParamModifier&) = delete;

  bool Update(const float& dt) override;
  float GetValue(int id) const override;
  void SetData(const GF::THolder<CParamModifierList>& data) override;

 private:
  struct Harmonic {
    float period;  // seconds
    float weight;
  };
  struct State {
    std::vector<Harmonic> harmonics;
    float value = 0.0f;
  };

  static float Evaluate(const CParamModifierData& record, const State& state, float t);

  Engine* m_engine;
  GF::THolder<CParamModifierList> m_data;
  std::vector<State> m_states;  // one per record
  float m_time = 0.0f;          // seconds
};

}  // namespace GF::HGENS
