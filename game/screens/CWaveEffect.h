#pragma once

#include <cstdint>
#include <string>

#include "framework/core/FunctionSpline.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/hgeMeshGrid.h"
#include "game/screens/CFreeDrawable.h"

class Engine;
class hgeSprite;

// One half of the stage curtain: the cloth's texture on a 16 x 16 mesh that waves and
// gathers towards the half's outer edge. Two curves of the game data's path table drive it
// over the run: the gather (0 spread over the rectangle, 1 gathered) and the shape (how
// much less the upper rows gather). A rectangle of negative width draws the cloth mirrored.
// The half's clock advances only while it is drawn.
class CWaveEffect : public CFreeDrawable {
 public:
  static constexpr int kMeshSize = 16;

  // The sprite gives the texture and its rectangle.
  static GF::THolder<CWaveEffect> Create(int layer, const hgeSprite& cloth,
                                         const GF::TRect<int>& rect);

  CWaveEffect(int layer, const hgeSprite& cloth, const GF::TRect<int>& rect);
  ~CWaveEffect() override;
  CWaveEffect(const CWaveEffect&) = delete;
  CWaveEffect& operator=(const CWaveEffect&) = delete;

  // A run of duration ms along the paths `request` (gather) and `request` + "_2" (shape); a
  // path the table lacks leaves that curve without keys.
  void Start(const std::string& request, float duration);
  // 1.0 without a run, else the share of the run drawn so far, at most 1.0.
  float GetProgress() const;
  float GetDuration() const { return m_duration; }
  const hgeMeshGrid& GetMesh() const { return m_mesh; }

  // The curtain, not the scene, decides where a half is listed and whether it shows.
  void Render() override;

 private:
  // The nodes for gather s1 and shape s2 at the current time.
  void Shape(float s1, float s2);

  GF::FunctionSpline<GF::TPoint<float>> m_gather;
  GF::FunctionSpline<GF::TPoint<float>> m_shape;
  float m_duration = 0.0f;
  float m_elapsed = 0.0f;
  Engine* m_engine;
  hgeMeshGrid m_mesh;
};
