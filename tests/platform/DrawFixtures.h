#pragma once

// Small pieces of the drawing tests on the real backend: quads to draw and OpenGL's error.

#include <SDL.h>

#include <cstdint>

#include "platform/Engine.h"

namespace pm::test {

// The first error OpenGL recorded in the current context (0: none).
inline unsigned GlError() {
  using GetError = unsigned (*)();
  auto getError = reinterpret_cast<GetError>(SDL_GL_GetProcAddress("glGetError"));
  return getError ? getError() : ~0u;  // unresolved counts as an error
}

// An axis-aligned quad from (x0, y0) to (x1, y1), one colour, texture coordinates from
// (u0, v0) to (u1, v1).
inline EngineQuad Quad(float x0, float y0, float x1, float y1, EngineTexture tex = 0,
                       std::uint32_t color = 0xFFFFFFFF, int blend = BLEND_DEFAULT, float u0 = 0,
                       float v0 = 0, float u1 = 1, float v1 = 1) {
  EngineQuad q{};
  q.v[0] = {x0, y0, 0.5f, color, u0, v0};
  q.v[1] = {x1, y0, 0.5f, color, u1, v0};
  q.v[2] = {x1, y1, 0.5f, color, u1, v1};
  q.v[3] = {x0, y1, 0.5f, color, u0, v1};
  q.tex = tex;
  q.blend = blend;
  return q;
}

}  // namespace pm::test
