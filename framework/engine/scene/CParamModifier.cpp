#include "framework/engine/scene/CParamModifier.h"

#include <cmath>

#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

constexpr int kKindSine = 1;
constexpr float kTwoPi = 6.28318531f;

}  // namespace

GF::THolder<GF::IParamModifier> CParamModifier::Create(
    const GF::THolder<CParamModifierList>& data) {
  if (!data || data->empty()) return {};
  GF::THolder<GF::IParamModifier> modifier(new CParamModifier());
  modifier->SetData(data);
  return modifier;
}

CParamModifier::CParamModifier() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CParamModifier::~CParamModifier() {
  m_engine->Release();
}

void CParamModifier::SetData(const GF::THolder<CParamModifierList>& data) {
  m_data = data;
  m_time = 0.0f;
  m_states.clear();
  if (!m_data) return;
  m_states.resize(m_data->size());
  for (std::size_t i = 0; i < m_data->size(); ++i) {
    const CParamModifierData& record = (*m_data)[i];
    float weight = 1.0f;
    for (int k = 0; k < record.b; ++k) {
      m_states[i].harmonics.push_back(
          {m_engine->RandomFloat(record.periodMin, record.periodMax), weight});
      weight /= 1.5f;
    }
  }
}

float CParamModifier::Evaluate(const CParamModifierData& record, const State& state, float t) {
  if (record.a != kKindSine || state.harmonics.empty()) return 0.0f;
  const float count = static_cast<float>(state.harmonics.size());
  float sum = 0.0f;
  for (const Harmonic& h : state.harmonics) {
    // A zero period would divide by zero: such a harmonic stands at its phase 0.
    const float phase = h.period != 0.0f ? std::sin(kTwoPi * t / h.period) : 0.0f;
    const float term = record.f1 + (record.f2 - record.f1) * (0.5f + 0.5f * phase);
    sum += h.weight * term / count;
  }
  return sum;
}

bool CParamModifier::Update(const float& dt) {
  if (dt == 0.0f || !m_data) return true;
  for (std::size_t i = 0; i < m_states.size(); ++i)
    m_states[i].value = Evaluate((*m_data)[i], m_states[i], m_time);
  m_time += dt;
  return true;
}

float CParamModifier::GetValue(int id) const {
  if (!m_data) return 0.0f;
  for (std::size_t i = 0; i < m_states.size(); ++i) {
    if ((*m_data)[i].kind == id) return m_states[i].value;
  }
  return 0.0f;
}

}  // namespace GF::HGENS
