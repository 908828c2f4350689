#pragma once

#include <cstdint>

#include "framework/engine/particles/hgeBounds.h"
#include "platform/Engine.h"

// A rectangle of a texture drawn as one engine quad: at a point, rotated and scaled,
// stretched, or by four free corners. Texture coordinates are kept normalised.
class hgeSprite {
 public:
  hgeSprite(EngineTexture texture, float x, float y, float width, float height);
  hgeSprite(const hgeSprite& other);
  hgeSprite& operator=(const hgeSprite&) = delete;
  ~hgeSprite();

  void Render(float x, float y);
  // A vertical scale of exactly 0 means the horizontal one.
  void RenderEx(float x, float y, float rotation, float hscale = 1.0f, float vscale = 0.0f);
  void RenderStretch(float x1, float y1, float x2, float y2);
  void Render4V(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);

  void SetTexture(EngineTexture texture);
  void SetTextureRect(float x, float y, float width, float height);
  // corner -1: all four vertices; 0 to 3 one vertex (top-left, top-right, bottom-right,
  // bottom-left).
  void SetColor(std::uint32_t color, int corner = -1);
  void SetZ(float z, int corner = -1);
  void SetBlendMode(int blend) { quad.blend = blend; }
  void SetHotSpot(float x, float y) {
    hotX = x;
    hotY = y;
  }
  void SetFlip(bool horizontal, bool vertical);

  EngineTexture GetTexture() const { return quad.tex; }
  void GetTextureRect(float* x, float* y, float* w, float* h) const;
  std::uint32_t GetColor(int corner = 0) const { return quad.v[corner].col; }
  float GetZ(int corner = 0) const { return quad.v[corner].z; }
  int GetBlendMode() const { return quad.blend; }
  void GetHotSpot(float* x, float* y) const {
    *x = hotX;
    *y = hotY;
  }
  void GetFlip(bool* horizontal, bool* vertical) const {
    *horizontal = flipX;
    *vertical = flipY;
  }
  float GetWidth() const { return width; }
  float GetHeight() const { return height; }

  // Unlike RenderEx, a vertical scale of 0 is used as it is.
  hgeBounds* GetBoundingBoxEx(float x, float y, float rotation, float hscale, float vscale,
                              hgeBounds* rect) const;

  // Read and written directly by the framework.
  EngineQuad quad;
  float texX, texY, width, height;
  float texWidth, texHeight;
  float hotX, hotY;
  bool flipX, flipY;

 protected:
  static Engine* hge;  // one engine reference per live sprite

 private:
  void TextureSize(EngineTexture texture, float* w, float* h) const;
  // Vertex 0 takes (tx0, ty0), vertex 2 (tx2, ty2); vertices 1 and 3 the mixed corners.
  void SetTexCoords(float tx0, float ty0, float tx2, float ty2);
  // The corners of RenderEx relative to the sprite, before the move to (x, y).
  void Corners(float rotation, float hscale, float vscale, float out[8]) const;
};
