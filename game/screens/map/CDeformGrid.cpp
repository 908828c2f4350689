#include "game/screens/map/CDeformGrid.h"

#include <algorithm>
#include <cmath>

#include "framework/core/ColorConversion.h"
#include "platform/Engine.h"

namespace {

// Nodes are given from the mesh's top-left corner.
constexpr int kAbsolute = 1;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

}  // namespace

GF::THolder<CDeformGrid> CDeformGrid::Create() {
  return GF::THolder<CDeformGrid>(new CDeformGrid());
}

CDeformGrid::CDeformGrid() : CFreeDrawable(0, {}), m_engine(hgeCreate(ENGINE_VERSION)) {}

CDeformGrid::~CDeformGrid() {
  m_mesh.reset();
  m_engine->Release();
}

const char* CDeformGrid::TableFault(const GridAnimation& table) {
  if (table.KeyFrames.empty()) return "no key frames";
  const GridKeyFrame& first = table.KeyFrames.front();
  if (first.Value1 < 2 || first.Value2 < 2) return "fewer than 2 x 2 nodes";
  const auto columns = static_cast<std::size_t>(first.Value1);
  const auto rows = static_cast<std::size_t>(first.Value2);
  for (const GridKeyFrame& frame : table.KeyFrames) {
    if (frame.Rows.size() < columns) return "a key frame with too few columns";
    for (std::size_t i = 0; i < columns; ++i)
      if (frame.Rows[i].size() < rows) return "a key frame with too few rows";
  }
  return nullptr;
}

int CDeformGrid::GetTextureWidth() const {
  return m_mesh ? m_engine->TextureGetWidth(m_mesh->GetTexture()) : 0;
}

void CDeformGrid::SetGrid(const std::string& texture, float period, const GridAnimation* table) {
  m_texture = GF::HGENS::CTextureRef::ByName(texture);
  m_layer = 0;
  m_elapsed = 0.0f;
  m_period = period;
  m_table = table ? *table : GridAnimation{};
  m_columns = m_rows = 0;
  m_mesh.reset();
  if (const char* fault = table ? TableFault(*table) : "missing") {
    m_engine->Log("[W] GRID ANIMATION \"%s\" UNUSABLE: %s", m_table.Name.c_str(), fault);
    return;
  }
  m_columns = m_table.KeyFrames.front().Value1;
  m_rows = m_table.KeyFrames.front().Value2;
  m_mesh = std::make_unique<hgeMeshGrid>(m_columns, m_rows);
  m_mesh->SetTexture(m_texture.Get());
  m_mesh->SetTextureRect(0.0f, 0.0f, 128.0f, 128.0f);
}

void CDeformGrid::Render() {
  if (!m_shown || !m_mesh || m_period == 0.0f) return;
  UpdateNodes(m_engine->GetDelta());
  // The cache's texture is loaded again after the cache freed its textures.
  if (m_texture.IsSet()) m_mesh->SetTexture(m_texture.Get());
  // Each switch flushes the batch, so exactly the mesh is drawn with wrapping.
  m_engine->SetTextureWrap(true);
  m_mesh->Render(m_position.x + static_cast<float>(m_rect.left),
                 m_position.y + static_cast<float>(m_rect.top));
  m_engine->SetTextureWrap(false);
}

void CDeformGrid::UpdateNodes(float dt) {
  if (!m_mesh || m_period == 0.0f) return;
  m_elapsed += dt * 1000.0f;
  const float t = std::min(m_elapsed / m_period, 1.0f);
  const std::vector<GridKeyFrame>& keys = m_table.KeyFrames;
  const int count = static_cast<int>(keys.size());
  // The segment that ends at the first key at or after t.
  int k = 0;
  while (k < count && keys[k].Time < t) ++k;
  const int lo = std::clamp(k - 1, 0, count - 1);
  const int hi = std::clamp(k, 0, count - 1);
  const float span = keys[hi].Time - keys[lo].Time;
  const float f = span == 0.0f ? 0.0f : (t - keys[lo].Time) / span;
  for (int i = 0; i < m_columns; ++i) {
    for (int j = 0; j < m_rows; ++j) {
      const GF::TPoint<float> p = keys[hi].Rows[i][j] * f + keys[lo].Rows[i][j] * (1.0f - f);
      m_mesh->SetDisplacement(i, j, p.x * m_scale.x, p.y * m_scale.y, kAbsolute);
    }
  }
  if (m_color != kWhite) ShadeNodes();
}

void CDeformGrid::ShadeNodes() {
  hgeColor white, tint;
  GF::ArgbToColor(kWhite, white);
  GF::ArgbToColor(m_color, tint);
  // Integer quarters and halves, as the grid's shading has always been measured.
  const float maxDist =
      std::sqrt(static_cast<float>(m_columns * m_columns / 4 + m_rows * m_rows / 4));
  for (int i = 0; i < m_columns; ++i) {
    for (int j = 0; j < m_rows; ++j) {
      const int di = i - m_columns / 2;
      const int dj = j - m_rows / 2;
      const float w = std::sqrt(static_cast<float>(di * di + dj * dj)) / maxDist;
      m_mesh->SetColor(i, j, GF::ColorToArgb(white * (1.0f - w) + tint * w));
    }
  }
}
