#pragma once

#include <cstdint>
#include <vector>

#include "platform/Engine.h"

// A grid of textured vertices whose nodes can be displaced and coloured one by one, drawn
// as one engine quad per cell.
class hgeMeshGrid {
 public:
  hgeMeshGrid(int columns, int rows);
  hgeMeshGrid(const hgeMeshGrid& other);
  hgeMeshGrid& operator=(const hgeMeshGrid& other);
  ~hgeMeshGrid();

  void Render(float x, float y);
  // Every node back to its grid point with this colour and z.
  void Clear(std::uint32_t color = 0xFFFFFFFF, float z = 0.5f);

  void SetTexture(EngineTexture texture) { quad.tex = texture; }
  void SetTextureRect(float x, float y, float width, float height);
  void SetBlendMode(int blend) { quad.blend = blend; }
  // Outside the grid the setters do nothing and the getters give 0.
  void SetColor(int col, int row, std::uint32_t color);
  void SetZ(int col, int row, float z);
  // reference 0: from the node's grid point; 2: from the grid's centre; else absolute,
  // from the grid's top-left corner.
  void SetDisplacement(int col, int row, float dx, float dy, int reference);

  EngineTexture GetTexture() const { return quad.tex; }
  void GetTextureRect(float* x, float* y, float* w, float* h) const;
  int GetBlendMode() const { return quad.blend; }
  std::uint32_t GetColor(int col, int row) const;
  float GetZ(int col, int row) const;
  void GetDisplacement(int col, int row, float* dx, float* dy, int reference) const;
  int GetRows() const { return rows; }
  int GetCols() const { return columns; }

 private:
  bool Inside(int col, int row) const {
    return col >= 0 && row >= 0 && col < columns && row < rows;
  }
  EngineVertex& Node(int col, int row) { return nodes[row * columns + col]; }
  const EngineVertex& Node(int col, int row) const { return nodes[row * columns + col]; }
  // The point that a displacement of the given reference is measured from.
  void Origin(int col, int row, int reference, float* x, float* y) const;

  static Engine* hge;  // one engine reference per live mesh

  std::vector<EngineVertex> nodes;  // row order
  int rows;
  int columns;
  float cellWidth = 0.0f, cellHeight = 0.0f;
  float texX = 0.0f, texY = 0.0f, texW = 0.0f, texH = 0.0f;
  EngineQuad quad;  // scratch vertices, the texture and the blend mode
};
