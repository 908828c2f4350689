#include "framework/engine/particles/hgeMeshGrid.h"

#include <algorithm>

Engine* hgeMeshGrid::hge = nullptr;

hgeMeshGrid::hgeMeshGrid(int cols, int rws) : rows(std::max(rws, 0)), columns(std::max(cols, 0)) {
  hge = hgeCreate(ENGINE_VERSION);
  nodes.assign(static_cast<std::size_t>(rows) * columns,
               EngineVertex{0.0f, 0.0f, 0.5f, 0xFFFFFFFF, 0.0f, 0.0f});
  quad = EngineQuad{};
  quad.tex = 0;
  quad.blend = BLEND_ALPHABLEND | BLEND_ZWRITE;  // 6
}

hgeMeshGrid::hgeMeshGrid(const hgeMeshGrid& o) : hgeMeshGrid(0, 0) {
  *this = o;
}

hgeMeshGrid& hgeMeshGrid::operator=(const hgeMeshGrid& o) {
  nodes = o.nodes;
  rows = o.rows;
  columns = o.columns;
  cellWidth = o.cellWidth;
  cellHeight = o.cellHeight;
  texX = o.texX;
  texY = o.texY;
  texW = o.texW;
  texH = o.texH;
  quad = o.quad;
  return *this;
}

hgeMeshGrid::~hgeMeshGrid() {
  hge->Release();
}

void hgeMeshGrid::SetTextureRect(float x, float y, float w, float h) {
  texX = x;
  texY = y;
  texW = w;
  texH = h;
  float tw = w, th = h;
  if (quad.tex) {
    tw = static_cast<float>(hge->TextureGetWidth(quad.tex));
    th = static_cast<float>(hge->TextureGetHeight(quad.tex));
  }
  // A grid of one column or row has no cells; keep its nodes finite.
  cellWidth = columns > 1 ? w / static_cast<float>(columns - 1) : 0.0f;
  cellHeight = rows > 1 ? h / static_cast<float>(rows - 1) : 0.0f;
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < columns; ++col) {
      EngineVertex& n = Node(col, row);
      n.x = static_cast<float>(col) * cellWidth;
      n.y = static_cast<float>(row) * cellHeight;
      n.tx = (n.x + x) / tw;
      n.ty = (n.y + y) / th;
    }
  }
}

void hgeMeshGrid::GetTextureRect(float* x, float* y, float* w, float* h) const {
  *x = texX;
  *y = texY;
  *w = texW;
  *h = texH;
}

void hgeMeshGrid::Clear(std::uint32_t color, float z) {
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < columns; ++col) {
      EngineVertex& n = Node(col, row);
      n.x = static_cast<float>(col) * cellWidth;
      n.y = static_cast<float>(row) * cellHeight;
      n.col = color;
      n.z = z;
    }
  }
}

void hgeMeshGrid::SetColor(int col, int row, std::uint32_t color) {
  if (Inside(col, row)) Node(col, row).col = color;
}

void hgeMeshGrid::SetZ(int col, int row, float z) {
  if (Inside(col, row)) Node(col, row).z = z;
}

std::uint32_t hgeMeshGrid::GetColor(int col, int row) const {
  return Inside(col, row) ? Node(col, row).col : 0;
}

float hgeMeshGrid::GetZ(int col, int row) const {
  return Inside(col, row) ? Node(col, row).z : 0.0f;
}

void hgeMeshGrid::Origin(int col, int row, int reference, float* x, float* y) const {
  switch (reference) {
    case 0:
      *x = static_cast<float>(col) * cellWidth;
      *y = static_cast<float>(row) * cellHeight;
      break;
    case 2:
      *x = static_cast<float>(columns - 1) * cellWidth / 2.0f;
      *y = static_cast<float>(rows - 1) * cellHeight / 2.0f;
      break;
    default:
      *x = *y = 0.0f;
      break;
  }
}

void hgeMeshGrid::SetDisplacement(int col, int row, float dx, float dy, int reference) {
  if (!Inside(col, row)) return;
  float ox, oy;
  Origin(col, row, reference, &ox, &oy);
  EngineVertex& n = Node(col, row);
  n.x = ox + dx;
  n.y = oy + dy;
}

void hgeMeshGrid::GetDisplacement(int col, int row, float* dx, float* dy, int reference) const {
  if (!Inside(col, row)) {
    *dx = *dy = 0.0f;
    return;
  }
  float ox, oy;
  Origin(col, row, reference, &ox, &oy);
  const EngineVertex& n = Node(col, row);
  *dx = n.x - ox;
  *dy = n.y - oy;
}

void hgeMeshGrid::Render(float x, float y) {
  static constexpr int kCorner[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (int row = 0; row + 1 < rows; ++row) {
    for (int col = 0; col + 1 < columns; ++col) {
      for (int i = 0; i < 4; ++i) {
        quad.v[i] = Node(col + kCorner[i][0], row + kCorner[i][1]);
        quad.v[i].x += x;
        quad.v[i].y += y;
      }
      hge->RenderQuad(&quad);
    }
  }
}
