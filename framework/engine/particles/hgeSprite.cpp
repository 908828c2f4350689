#include "framework/engine/particles/hgeSprite.h"

#include <cmath>
#include <utility>

Engine* hgeSprite::hge = nullptr;

hgeSprite::hgeSprite(EngineTexture texture, float x, float y, float w, float h)
    : texX(x), texY(y), width(w), height(h), hotX(0.0f), hotY(0.0f), flipX(false), flipY(false) {
  hge = hgeCreate(ENGINE_VERSION);
  TextureSize(texture, &texWidth, &texHeight);
  quad.tex = texture;
  quad.blend = BLEND_DEFAULT;

  SetTexCoords(x / texWidth, y / texHeight, (x + w) / texWidth, (y + h) / texHeight);
  for (EngineVertex& v : quad.v) {
    v.x = v.y = 0.0f;
    v.z = 0.5f;
    v.col = 0xFFFFFFFF;
  }
}

hgeSprite::hgeSprite(const hgeSprite& o)
    : quad(o.quad),
      texX(o.texX),
      texY(o.texY),
      width(o.width),
      height(o.height),
      texWidth(o.texWidth),
      texHeight(o.texHeight),
      hotX(o.hotX),
      hotY(o.hotY),
      flipX(o.flipX),
      flipY(o.flipY) {
  hge = hgeCreate(ENGINE_VERSION);
}

hgeSprite::~hgeSprite() {
  hge->Release();
}

void hgeSprite::TextureSize(EngineTexture texture, float* w, float* h) const {
  if (texture) {
    *w = static_cast<float>(hge->TextureGetWidth(texture));
    *h = static_cast<float>(hge->TextureGetHeight(texture));
  } else {
    *w = 1.0f;
    *h = 1.0f;
  }
}

void hgeSprite::SetTexCoords(float tx0, float ty0, float tx2, float ty2) {
  const float txs[4] = {tx0, tx2, tx2, tx0}, tys[4] = {ty0, ty0, ty2, ty2};
  for (int i = 0; i < 4; ++i) {
    quad.v[i].tx = txs[i];
    quad.v[i].ty = tys[i];
  }
}

void hgeSprite::Render(float x, float y) {
  const float x1 = x - hotX, y1 = y - hotY;
  const float x2 = x + width - hotX, y2 = y + height - hotY;
  Render4V(x1, y1, x2, y1, x2, y2, x1, y2);
}

void hgeSprite::Corners(float rotation, float hscale, float vscale, float c[8]) const {
  const float t1 = -hotX * hscale, t2 = -hotY * vscale;
  const float t3 = (width - hotX) * hscale, t4 = (height - hotY) * vscale;
  const float plain[8] = {t1, t2, t3, t2, t3, t4, t1, t4};
  if (rotation == 0.0f) {
    for (int i = 0; i < 8; ++i) c[i] = plain[i];
    return;
  }
  const float cs = std::cos(rotation), sn = std::sin(rotation);
  for (int i = 0; i < 8; i += 2) {
    c[i] = plain[i] * cs - plain[i + 1] * sn;
    c[i + 1] = plain[i] * sn + plain[i + 1] * cs;
  }
}

void hgeSprite::RenderEx(float x, float y, float rotation, float hscale, float vscale) {
  if (vscale == 0.0f) vscale = hscale;
  float c[8];
  Corners(rotation, hscale, vscale, c);
  Render4V(c[0] + x, c[1] + y, c[2] + x, c[3] + y, c[4] + x, c[5] + y, c[6] + x, c[7] + y);
}

void hgeSprite::RenderStretch(float x1, float y1, float x2, float y2) {
  Render4V(x1, y1, x2, y1, x2, y2, x1, y2);
}

void hgeSprite::Render4V(float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                         float y3) {
  const float xs[4] = {x0, x1, x2, x3}, ys[4] = {y0, y1, y2, y3};
  for (int i = 0; i < 4; ++i) {
    quad.v[i].x = xs[i];
    quad.v[i].y = ys[i];
  }
  hge->RenderQuad(&quad);
}

hgeBounds* hgeSprite::GetBoundingBoxEx(float x, float y, float rotation, float hscale, float vscale,
                                       hgeBounds* rect) const {
  float c[8];
  Corners(rotation, hscale, vscale, c);
  rect->Clear();
  for (int i = 0; i < 8; i += 2) rect->Encapsulate(c[i] + x, c[i + 1] + y);
  return rect;
}

void hgeSprite::SetTexture(EngineTexture texture) {
  quad.tex = texture;
  float w, h;
  TextureSize(texture, &w, &h);
  if (w == texWidth && h == texHeight) return;

  // Keep the same pixel rectangle (and so any flip) under the new size.
  const float px0 = quad.v[0].tx * texWidth, py0 = quad.v[0].ty * texHeight;
  const float px2 = quad.v[2].tx * texWidth, py2 = quad.v[2].ty * texHeight;
  texWidth = w;
  texHeight = h;
  SetTexCoords(px0 / w, py0 / h, px2 / w, py2 / h);
}

void hgeSprite::SetTextureRect(float x, float y, float w, float h) {
  texX = x;
  texY = y;
  width = w;
  height = h;
  SetTexCoords(x / texWidth, y / texHeight, (x + w) / texWidth, (y + h) / texHeight);

  const bool fx = flipX, fy = flipY;
  flipX = flipY = false;
  SetFlip(fx, fy);
}

void hgeSprite::GetTextureRect(float* x, float* y, float* w, float* h) const {
  *x = texX;
  *y = texY;
  *w = width;
  *h = height;
}

namespace {
void SwapTexCoords(EngineVertex& a, EngineVertex& b) {
  std::swap(a.tx, b.tx);
  std::swap(a.ty, b.ty);
}
}  // namespace

void hgeSprite::SetFlip(bool horizontal, bool vertical) {
  if (horizontal != flipX) {
    SwapTexCoords(quad.v[0], quad.v[1]);
    SwapTexCoords(quad.v[3], quad.v[2]);
    flipX = !flipX;
  }
  if (vertical != flipY) {
    SwapTexCoords(quad.v[0], quad.v[3]);
    SwapTexCoords(quad.v[1], quad.v[2]);
    flipY = !flipY;
  }
}

void hgeSprite::SetColor(std::uint32_t color, int corner) {
  if (corner == -1) {
    for (EngineVertex& v : quad.v) v.col = color;
  } else if (corner >= 0 && corner < 4) {
    quad.v[corner].col = color;
  }
}

void hgeSprite::SetZ(float z, int corner) {
  if (corner == -1) {
    for (EngineVertex& v : quad.v) v.z = z;
  } else if (corner >= 0 && corner < 4) {
    quad.v[corner].z = z;
  }
}
