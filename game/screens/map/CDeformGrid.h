#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/hgeMeshGrid.h"
#include "framework/engine/scene/CTextureRef.h"
#include "game/app/GridAnimation.h"
#include "game/screens/CFreeDrawable.h"

class Engine;

// The progress map's background: one texture seen through a grid of nodes placed from a
// key table, so the picture bends, shaded from white in the middle to a tint at the
// corners. The texture is sampled with wrapping, so a scrolled texture rectangle repeats
// endlessly. The nodes move as the grid is drawn, by the engine's own frame time, and
// settle on the table's last pose once the period has passed.
//
// Key table: the first key frame's Value1 and Value2 are the columns and rows; node
// (column i, row j) of a key frame is Rows[i][j], measured from the mesh's top-left corner.
class CDeformGrid : public CFreeDrawable {
 public:
  static GF::THolder<CDeformGrid> Create();

  ~CDeformGrid() override;
  CDeformGrid(const CDeformGrid&) = delete;
  CDeformGrid& operator=(const CDeformGrid&) = delete;

  void Render() override;

  // The cache's texture `texture`, `period` ms from the first pose to the last, and a copy
  // of the key table (null or unusable: logged, and no mesh, so nothing is drawn).
  void SetGrid(const std::string& texture, float period, const GridAnimation* table);
  // Advances by dt seconds and places and shades every node.
  void UpdateNodes(float dt);

  // 0xFFFFFFFF leaves the node colours alone.
  void SetColor(std::uint32_t color) { m_color = color; }
  void SetPosition(float x, float y) { m_position = {x, y}; }
  void SetDisplacementScale(float x, float y) { m_scale = {x, y}; }
  // Null without a mesh; the owner sets the mesh's texture rectangle.
  hgeMeshGrid* GetMesh() const { return m_mesh.get(); }
  // The width in pixels of the mesh's texture, which repeats every so many; 0 without a mesh.
  int GetTextureWidth() const;

 private:
  CDeformGrid();
  // Why the table cannot drive a mesh, or null.
  static const char* TableFault(const GridAnimation& table);
  void ShadeNodes();

  std::uint32_t m_color = 0xFFFFFFFF;
  GF::TPoint<float> m_position{0.0f, 0.0f};
  GF::TPoint<float> m_scale{1.0f, 1.0f};
  float m_period = 0.0f;   // ms
  float m_elapsed = 0.0f;  // ms
  int m_columns = 0;
  int m_rows = 0;
  // A copy: a reload of the game data must not leave the grid reading freed tables.
  GridAnimation m_table;
  Engine* m_engine;
  std::unique_ptr<hgeMeshGrid> m_mesh;
  GF::HGENS::CTextureRef m_texture;  // the mesh's
};
