#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/hgeMeshGrid.h"
#include "game/screens/CFreeDrawable.h"
#include "platform/Engine.h"

// One leaf of the cook book: a rectangle with a page image on its front and another on its
// back, bent over a moving fold into a half cylinder as it turns. Progress 0.0 lies flat,
// front up; 1.0 lies turned over onto the other side of its left edge, back up. The page
// images are page objects drawn into a render target and written, with the alpha of a page
// mask, into two textures of the leaf's own.
class CPaperEffect : public CFreeDrawable {
 public:
  // Angles in radians; the fold turns from the start angle's direction to the end angle's.
  static GF::THolder<CPaperEffect> Create(float rotation, float foldStart, float foldEnd,
                                          const GF::TRect<int>& rect);

  ~CPaperEffect() override;
  CPaperEffect(const CPaperEffect&) = delete;
  CPaperEffect& operator=(const CPaperEffect&) = delete;

  // Draws the front and the back pass, each culling the other side's winding.
  void Render() override;

  // Draws the given page objects into the textures (made on first use); an empty side keeps
  // its image. False, logged, when no image could be made.
  bool SetPageTextures(const GF::IAnimation::AnimationPtr& front,
                       const GF::IAnimation::AnimationPtr& back, EngineTexture frontMask,
                       EngineTexture backMask);
  // Bends the mesh for progress t; the owner keeps the same value in `progress`.
  bool SetProgress(float t);

  // The size of the page image inside the textures; taken from the first front page when
  // still 0 x 0.
  void SetTextureSize(int width, int height);

  static constexpr int kTextureSize = 512;
  static constexpr int kNodes = 16;  // per row and per column

  float progress = 0.0f;  // what Render draws: written by the owner
  // The cook book draws its leaves at layers of its own.
  void SetLayer(int layer) { m_layer = layer; }
  EngineTexture FrontTexture() const { return m_front; }
  EngineTexture BackTexture() const { return m_back; }
  const hgeMeshGrid& Mesh() const { return *m_mesh; }

 private:
  CPaperEffect(float rotation, float foldStart, float foldEnd, const GF::TRect<int>& rect);

  // Makes the side's texture when missing and writes the page into it; false is logged.
  bool WriteSide(const GF::IAnimation::AnimationPtr& page, EngineTexture mask,
                 EngineTexture& texture, int side);
  bool RenderToTexture(GF::IAnimation& page, EngineTexture mask, EngineTexture texture);
  // Null, or the failure's log line.
  const char* WritePageImage(GF::IAnimation& page, EngineTexture mask, EngineTexture texture);
  const char* DrawPage(GF::IAnimation& page, EngineTarget target);
  // The image's colours with the mask's alpha; `mirrored` turns the page image over (the
  // back, which the leaf shows turned over, so that it reads the right way round).
  const char* CopyWithMask(EngineTexture mask, EngineTexture texture, int mw, int mh,
                           bool mirrored);
  void DrawPass(EngineCull cull, EngineTexture texture, float x, float y);

  float m_sinRotation, m_cosRotation;
  float m_sinStart, m_cosStart;
  float m_sinEnd, m_cosEnd;
  Engine* m_engine;
  int m_textureWidth = 0;
  int m_textureHeight = 0;
  EngineTexture m_front = 0;
  EngineTexture m_back = 0;
  std::unique_ptr<hgeMeshGrid> m_mesh;
  bool m_texturesReady = false;
  std::vector<std::uint32_t> m_pixels;  // the render target read back
};
