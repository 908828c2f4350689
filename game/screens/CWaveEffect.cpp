#include "game/screens/CWaveEffect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/core/ColorConversion.h"
#include "framework/engine/particles/hgeSprite.h"
#include "game/app/GameData.h"
#include "platform/Engine.h"

namespace {

// The points of a path of the game data; none when the table lacks it.
std::vector<GF::TPoint<float>> PathKeys(const std::string& name) {
  const auto found = MotionPathTable.find(name);
  return found == MotionPathTable.end() ? std::vector<GF::TPoint<float>>{} : found->second.Points;
}

// The inner edge darkens to 0.3 once the cloth is more than half gathered.
std::uint32_t EdgeColour(float gather) {
  const float spread = 1.0f - gather;
  const float k = spread < 0.5f ? 0.3f : 0.3f + 0.7f * 2.0f * (spread - 0.5f);
  const float channel = std::clamp(k, 0.0f, 1.0f);
  return GF::ColorToArgb(hgeColor(channel, channel, channel, 1.0f));
}

}  // namespace

GF::THolder<CWaveEffect> CWaveEffect::Create(int layer, const hgeSprite& cloth,
                                             const GF::TRect<int>& rect) {
  return GF::MakeHolder<CWaveEffect>(layer, cloth, rect);
}

CWaveEffect::CWaveEffect(int layer, const hgeSprite& cloth, const GF::TRect<int>& rect)
    : CFreeDrawable(layer, rect),
      m_engine(hgeCreate(ENGINE_VERSION)),
      m_mesh(kMeshSize, kMeshSize) {
  m_mesh.SetTexture(cloth.GetTexture());
  float x = 0.0f, y = 0.0f, width = 0.0f, height = 0.0f;
  cloth.GetTextureRect(&x, &y, &width, &height);
  m_mesh.SetTextureRect(x, y, width, height);
}

CWaveEffect::~CWaveEffect() {
  m_engine->Release();
}

void CWaveEffect::Start(const std::string& request, float duration) {
  m_elapsed = 0.0f;
  m_duration = duration;
  m_gather.SetKeys(PathKeys(request));
  m_shape.SetKeys(PathKeys(request + "_2"));
}

float CWaveEffect::GetProgress() const {
  return m_duration == 0.0f ? 1.0f : std::min(m_elapsed / m_duration, 1.0f);
}

void CWaveEffect::Render() {
  if (!m_shown || m_duration == 0.0f) return;
  // The engine's own frame time, so the cloth waves at the same speed whatever the game's
  // frame step.
  m_elapsed += m_engine->GetDelta() * 1000.0f;
  const float t = GetProgress();
  Shape(m_gather.Evaluate(t), m_shape.Evaluate(t));
  m_mesh.Render(static_cast<float>(m_rect.left), static_cast<float>(m_rect.top));
}

void CWaveEffect::Shape(float s1, float s2) {
  const float width = static_cast<float>(m_rect.right - m_rect.left);
  const float height = static_cast<float>(m_rect.bottom - m_rect.top);
  const float n = static_cast<float>(kMeshSize);
  const float last = n - 1.0f;
  const std::uint32_t edge = EdgeColour(s1);
  for (int column = 0; column < kMeshSize; ++column) {
    const float j = static_cast<float>(column);
    const float b = std::sin(9.0f * j / n + 0.002f * m_elapsed);
    for (int row = 0; row < kMeshSize; ++row) {
      const float i = static_cast<float>(row);
      const float a = 2.0f * std::sin(16.0f * j / n + 0.003f * m_elapsed + 2.0f * i / n);
      const float c = s2 * std::cos(std::numbers::pi_v<float> / 2.0f * i / n);
      const float p = c * c * c;
      const float x = j * width / last + a + (p - 1.0f) * width * (j / n) * s1;
      const float y = i * height / last + b;
      m_mesh.SetDisplacement(column, row, x, y, 1);
    }
  }
  for (int row = 0; row < kMeshSize; ++row) m_mesh.SetColor(kMeshSize - 1, row, edge);
}
