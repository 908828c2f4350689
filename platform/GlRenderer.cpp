#include "platform/GlRenderer.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/glcorearb.h>
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kBatchQuads = 4096;
constexpr int kBatchVertices = kBatchQuads * 4;     // fits 16-bit indices
constexpr int kQueueVertices = kBatchVertices * 4;  // queued for one upload
constexpr int kMaxSlots = 16;
constexpr GLenum kScratchUnit = GL_TEXTURE0 + kMaxSlots;  // uploads never disturb drawing units

struct GlTexture {
  EngineTexture handle = 0;
  GLuint id = 0;
  int width = 0;
  int height = 0;
  bool ownedByTarget = false;
  // While locked: the whole texture, rows top first.
  std::vector<std::uint32_t> lockPixels;
  bool locked = false;
  bool lockReadOnly = true;
  int lockX = 0, lockY = 0, lockW = 0, lockH = 0;
};

struct GlTarget {
  EngineTarget handle = 0;
  GLuint fbo = 0;
  GlTexture texture;
};

enum class Prim { Quads, Triangles, Lines };

// An affine 2D map: x' = a*x + b*y + c, y' = d*x + e*y + f.
struct Affine {
  float a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;
  bool operator==(const Affine&) const = default;
};

const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 aPos;
layout(location = 1) in float aSlot;
layout(location = 2) in vec4 aCol;
layout(location = 3) in vec2 aUv;
uniform vec3 uRow0;
uniform vec3 uRow1;
out vec4 vCol;
out vec2 vUv;
flat out int vSlot;
void main() {
  vec3 p = vec3(aPos, 1.0);
  gl_Position = vec4(dot(uRow0, p), dot(uRow1, p), 0.0, 1.0);
  vCol = aCol.bgra;  // the bytes of an ARGB word are B, G, R, A
  vUv = aUv;
  vSlot = int(aSlot);
}
)";

// The pixel shader of one colour mode: the vertex colour multiplies the texel, or is added
// to it (alpha always multiplies). With one texture per batch it is the plain
// texture-times-colour that software rasterisers have fast paths for; with several, each
// vertex names its texture unit, sampled with an explicit LOD since the branches need not
// agree across a 2 x 2 pixel block.
std::string FragmentShader(int slots, bool colorAdd) {
  std::string header = "#version 330 core\nin vec4 vCol;\nin vec2 vUv;\nflat in int vSlot;\n";
  std::string sample;
  if (slots == 1) {
    header += "uniform sampler2D uTex0;\n";
    sample = "  vec4 t = texture(uTex0, vUv);\n";
  } else {
    header += "uniform sampler2D uTex[" + std::to_string(slots) + "];\n";
    sample = "  vec4 t = vec4(1.0);\n  switch (vSlot) {\n";
    for (int i = 0; i < slots; ++i) {
      const std::string n = std::to_string(i);
      sample += "    case " + n + ": t = textureLod(uTex[" + n + "], vUv, 0.0); break;\n";
    }
    sample += "  }\n";
  }
  const std::string combine =
      colorAdd ? "  oCol = vec4(t.rgb + vCol.rgb, t.a * vCol.a);\n" : "  oCol = t * vCol;\n";
  return header + "out vec4 oCol;\nvoid main() {\n" + sample + combine + "}\n";
}

GLuint CompileShader(GLenum type, const char* source, std::string* error) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[1024] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    *error = std::string("shader: ") + log;
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

}  // namespace

struct GlRenderer::Impl {
  ResourceAccess files;
  RendererLog log;
  std::string error;
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;

  struct Program {
    GLuint id = 0;
    GLint row0 = -1, row1 = -1;
  };
  Program programs[2];  // colour multiplied, colour added
  GLuint vao = 0, vbo = 0, ibo = 0;
  GLuint samplers[2] = {};  // clamp, wrap
  int slotLimit = 1;

  GlTarget screen;
  int viewX = 0, viewY = 0, viewW = 0, viewH = 0;
  bool viewportSet = false;

  // Handles are numbers handed out once, never addresses: a freed handle, or one that was
  // never given, finds nothing, however stale.
  std::uintptr_t nextHandle = 1;
  std::unordered_map<EngineTexture, GlTexture*> textures;  // target textures included
  std::unordered_map<EngineTarget, GlTarget*> targets;
  std::unordered_set<EngineTexture> reported;  // unknown handles already logged
  // The texture drawn last, so that a run of quads of one texture looks it up once.
  EngineTexture drawnHandle = 0;
  GlTexture* drawn = nullptr;
  GlTexture white;  // stands for texture 0

  // Scene and batch state.
  GlTarget* current = nullptr;  // null: no scene open
  // Draws queue up (vertices of all batches, one command per batch) until something needs
  // them drawn; then one upload serves them all.
  struct Command {
    Prim prim;
    int blend;
    int first, count;          // vertices
    int slotFirst, slotCount;  // textures in commandSlots
  };
  std::vector<EngineVertex> vertices = std::vector<EngineVertex>(kQueueVertices);
  std::vector<EngineVertex> points = std::vector<EngineVertex>(kBatchQuads);
  std::vector<Command> commands;
  std::vector<GlTexture*> commandSlots;
  int vertexCount = 0;
  int batchStart = 0;  // first vertex of the open batch
  Prim prim = Prim::Quads;
  int blend = BLEND_DEFAULT;
  GlTexture* slots[kMaxSlots] = {};
  int slotCount = 0;
  bool batchOpen = false;
  EngineBatch openKind = EngineBatch::Quads;
  float pointSize = 1.0f;

  // GL state as last applied, to skip redundant calls.
  GLuint boundTexture[kMaxSlots] = {};
  int appliedBlend = -1;
  Affine transform;
  // The open scene's clipping rectangle; all zero when it clips nothing. A scene ends its
  // drawing by clearing a clipping it may never have set, and that must not cut the batch.
  struct Clip {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Clip&) const = default;
  } clip;
  bool wrap = false;
  EngineCull cull = EngineCull::None;

  RenderStats stats;

  // ---- Setup ----

  bool CreatePrograms() {
    for (int add = 0; add < 2; ++add) {
      GLuint vs = CompileShader(GL_VERTEX_SHADER, kVertexShader, &error);
      const std::string fsSource = FragmentShader(slotLimit, add == 1);
      GLuint fs = vs ? CompileShader(GL_FRAGMENT_SHADER, fsSource.c_str(), &error) : 0;
      if (!fs) {
        glDeleteShader(vs);
        return false;
      }
      Program& p = programs[add];
      p.id = glCreateProgram();
      glAttachShader(p.id, vs);
      glAttachShader(p.id, fs);
      glLinkProgram(p.id);
      glDeleteShader(vs);
      glDeleteShader(fs);
      GLint ok = 0;
      glGetProgramiv(p.id, GL_LINK_STATUS, &ok);
      if (!ok) {
        error = "shader program does not link";
        return false;
      }
      glUseProgram(p.id);
      p.row0 = glGetUniformLocation(p.id, "uRow0");
      p.row1 = glGetUniformLocation(p.id, "uRow1");
      if (slotLimit == 1) {
        glUniform1i(glGetUniformLocation(p.id, "uTex0"), 0);
      }
      for (int i = 0; slotLimit > 1 && i < slotLimit; ++i) {
        const std::string name = "uTex[" + std::to_string(i) + "]";
        glUniform1i(glGetUniformLocation(p.id, name.c_str()), i);
      }
    }
    glUseProgram(programs[0].id);
    return true;
  }

  void CreateBuffers() {
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, sizeof(EngineVertex) * kBatchVertices, nullptr, GL_STREAM_DRAW);
    const GLsizei stride = sizeof(EngineVertex);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(EngineVertex, x)));
    glEnableVertexAttribArray(1);  // z carries the vertex's texture slot
    glVertexAttribPointer(1, 1, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(EngineVertex, z)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<void*>(offsetof(EngineVertex, col)));
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(EngineVertex, tx)));

    std::vector<std::uint16_t> indices(kBatchQuads * 6);
    for (int q = 0; q < kBatchQuads; ++q) {
      const auto base = static_cast<std::uint16_t>(q * 4);
      const std::uint16_t quad[6] = {base,
                                     static_cast<std::uint16_t>(base + 1),
                                     static_cast<std::uint16_t>(base + 2),
                                     static_cast<std::uint16_t>(base + 2),
                                     static_cast<std::uint16_t>(base + 3),
                                     base};
      std::copy(quad, quad + 6, indices.begin() + q * 6);
    }
    glGenBuffers(1, &ibo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * sizeof(std::uint16_t), indices.data(),
                 GL_STATIC_DRAW);

    glGenSamplers(2, samplers);
    for (int i = 0; i < 2; ++i) {
      const GLint mode = i == 0 ? GL_CLAMP_TO_EDGE : GL_REPEAT;
      glSamplerParameteri(samplers[i], GL_TEXTURE_MIN_FILTER, GL_LINEAR);
      glSamplerParameteri(samplers[i], GL_TEXTURE_MAG_FILTER, GL_LINEAR);
      glSamplerParameteri(samplers[i], GL_TEXTURE_WRAP_S, mode);
      glSamplerParameteri(samplers[i], GL_TEXTURE_WRAP_T, mode);
    }
    for (int i = 0; i < slotLimit; ++i) glBindSampler(i, samplers[0]);
  }

  // Software rasterisers pay for every branch of the multi-texture shader on every pixel,
  // so they draw one texture per batch; hardware takes sixteen.
  void ChooseSlotLimit(int requested) {
    if (requested <= 0) {
      const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
      const std::string renderer = name ? name : "";
      const bool software = renderer.find("llvmpipe") != std::string::npos ||
                            renderer.find("softpipe") != std::string::npos;
      requested = software ? 1 : kMaxSlots;
    }
    GLint units = 1;
    glGetIntegerv(GL_MAX_TEXTURE_IMAGE_UNITS, &units);
    slotLimit = std::clamp(requested, 1, std::min<int>(kMaxSlots, units));
  }

  // Another GL user on this thread (SDL's own renderer, say) may have switched contexts.
  bool MakeCurrent() {
    if (!context) return false;
    if (SDL_GL_GetCurrentContext() != context) SDL_GL_MakeCurrent(window, context);
    return true;
  }

  // ---- Textures ----

  bool MakeTexture(GlTexture* t, int width, int height, const void* argb, int rowLength) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (width <= 0 || height <= 0 || width > maxSize || height > maxSize) return false;
    std::vector<std::uint32_t> zeros;
    if (!argb) {
      zeros.assign(static_cast<std::size_t>(width) * height, 0);
      argb = zeros.data();
      rowLength = width;
    }
    glActiveTexture(kScratchUnit);
    glGenTextures(1, &t->id);
    glBindTexture(GL_TEXTURE_2D, t->id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, argb);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    t->width = width;
    t->height = height;
    return true;
  }

  void DeleteTexture(GlTexture* t) {
    for (GLuint& bound : boundTexture) {
      if (bound == t->id) bound = 0;  // GL may hand the name out again
    }
    glDeleteTextures(1, &t->id);
    t->id = 0;
  }

  GlTexture* LiveTexture(EngineTexture handle) {
    const auto it = textures.find(handle);
    return it == textures.end() ? nullptr : it->second;
  }

  GlTarget* LiveTarget(EngineTarget handle) {
    const auto it = targets.find(handle);
    return it == targets.end() ? nullptr : it->second;
  }

  EngineTexture AddTexture(GlTexture* t) {
    t->handle = nextHandle++;
    textures.emplace(t->handle, t);
    return t->handle;
  }

  void ForgetTexture(GlTexture* t) {
    textures.erase(t->handle);
    if (drawnHandle == t->handle) drawnHandle = 0;
  }

  // The texture to draw with: the white one for 0, null (logged once) for a handle that was
  // freed or never given, which then draws nothing.
  GlTexture* DrawTexture(EngineTexture handle) {
    if (!handle) return &white;
    if (handle == drawnHandle) return drawn;
    GlTexture* t = LiveTexture(handle);
    if (!t) {
      if (reported.insert(handle).second && log) {
        log("Texture handle " + std::to_string(handle) + " is freed or unknown; not drawn");
      }
      return nullptr;
    }
    drawnHandle = handle;
    drawn = t;
    return t;
  }

  // ---- Targets ----

  bool MakeTarget(GlTarget* target, int width, int height) {
    target->texture.ownedByTarget = true;
    if (!MakeTexture(&target->texture, width, height, nullptr, 0)) return false;
    glGenFramebuffers(1, &target->fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, target->fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target->texture.id,
                           0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    BindDrawTarget();
    if (!complete) DeleteTarget(target);
    return complete;
  }

  void DeleteTarget(GlTarget* target) {
    if (target->fbo) glDeleteFramebuffers(1, &target->fbo);
    target->fbo = 0;
    if (target->texture.id) DeleteTexture(&target->texture);
  }

  // Rebinds the framebuffer of the open scene (or none) after a helper bound another.
  void BindDrawTarget() { glBindFramebuffer(GL_FRAMEBUFFER, current ? current->fbo : 0); }

  bool ReadTarget(GlTarget* target, std::uint32_t* out) {
    if (current == target) Flush();
    glBindFramebuffer(GL_FRAMEBUFFER, target->fbo);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, target->texture.width, target->texture.height, GL_BGRA, GL_UNSIGNED_BYTE,
                 out);
    BindDrawTarget();
    return true;
  }

  // ---- Drawing ----

  // Maps the open target's pixels (y down) to clip space through the transform. Row 0 of
  // every framebuffer here is the picture's top row, so targets read back top first and
  // sample the right way up; EndScene flips the screen into the window.
  void ApplyMatrix() {
    if (!current) return;
    const float sx = 2.0f / static_cast<float>(current->texture.width);
    const float sy = 2.0f / static_cast<float>(current->texture.height);
    const Affine& m = transform;
    for (const Program& p : programs) {
      glUseProgram(p.id);
      glUniform3f(p.row0, m.a * sx, m.b * sx, m.c * sx - 1.0f);
      glUniform3f(p.row1, m.d * sy, m.e * sy, m.f * sy - 1.0f);
    }
    appliedBlend = -1;  // the program in use is chosen again at the next draw
  }

  void ApplyBlend(int mode) {
    if (mode == appliedBlend) return;
    appliedBlend = mode;
    glBlendFunc(GL_SRC_ALPHA, (mode & BLEND_ALPHABLEND) ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
    glUseProgram(programs[(mode & BLEND_COLORADD) ? 1 : 0].id);
  }

  // Ends the open batch: its vertices become one queued draw.
  void CloseBatch() {
    if (vertexCount > batchStart) {
      commands.push_back({prim, blend, batchStart, vertexCount - batchStart,
                          static_cast<int>(commandSlots.size()), slotCount});
      commandSlots.insert(commandSlots.end(), slots, slots + slotCount);
    }
    batchStart = vertexCount;
    slotCount = 0;
  }

  // Draws everything queued. Called before any change of GL state that queued draws must
  // not see, and before anything reads or frees what they draw with or into.
  void Flush() {
    CloseBatch();
    if (!commands.empty()) Submit();
    vertexCount = batchStart = 0;
  }

  // One upload for all queued draws; new storage each time, since rewriting storage that a
  // draw still reads would wait for the GPU.
  void Submit() {
    glBufferData(GL_ARRAY_BUFFER, sizeof(EngineVertex) * vertexCount, vertices.data(),
                 GL_STREAM_DRAW);
    ++stats.uploads;
    for (const Command& c : commands) {
      for (int i = 0; i < c.slotCount; ++i) {
        const GLuint id = commandSlots[c.slotFirst + i]->id;
        if (boundTexture[i] != id) {
          glActiveTexture(GL_TEXTURE0 + i);
          glBindTexture(GL_TEXTURE_2D, id);
          boundTexture[i] = id;
        }
      }
      ApplyBlend(c.blend);
      switch (c.prim) {
        case Prim::Quads:
          glDrawElementsBaseVertex(GL_TRIANGLES, c.count / 4 * 6, GL_UNSIGNED_SHORT, nullptr,
                                   c.first);
          stats.primitives += c.count / 4;
          stats.quads += c.count / 4;
          break;
        case Prim::Triangles:
          glDrawArrays(GL_TRIANGLES, c.first, c.count);
          stats.primitives += c.count / 3;
          break;
        case Prim::Lines:
          glDrawArrays(GL_LINES, c.first, c.count);
          stats.primitives += c.count / 2;
          break;
      }
      ++stats.drawCalls;
    }
    commands.clear();
    commandSlots.clear();
  }

  // The texture's slot in the batch, adding it when there is room; -1 when the batch is full.
  int SlotOf(GlTexture* t) {
    for (int i = slotCount - 1; i >= 0; --i) {
      if (slots[i] == t) return i;
    }
    if (slotCount == slotLimit) return -1;
    slots[slotCount] = t;
    return slotCount++;
  }

  // Room for `count` more vertices of this kind, texture and blend; starts a new batch when
  // the open one can't take them. Returns the slot the vertices must carry, or -1 for a
  // texture that can't be drawn.
  float Reserve(Prim kind, EngineTexture handle, int mode, int count) {
    GlTexture* t = DrawTexture(handle);
    if (!t) return -1.0f;
    if (vertexCount + count > kQueueVertices) Flush();
    if (kind != prim || mode != blend || vertexCount - batchStart + count > kBatchVertices) {
      CloseBatch();
      prim = kind;
      blend = mode;
    }
    int slot = SlotOf(t);
    if (slot < 0) {
      CloseBatch();
      slot = SlotOf(t);
    }
    return static_cast<float>(slot);
  }

  void Append(const EngineVertex* v, int count, float slot) {
    EngineVertex* out = vertices.data() + vertexCount;
    for (int i = 0; i < count; ++i) {
      out[i] = v[i];
      out[i].z = slot;
    }
    vertexCount += count;
  }

  void SetCull(EngineCull mode) {
    // Logical y runs up the framebuffer, so a triangle clockwise on the screen is
    // counter-clockwise to GL, which is its front face.
    if (mode == EngineCull::None) {
      glDisable(GL_CULL_FACE);
    } else {
      glEnable(GL_CULL_FACE);
      glCullFace(mode == EngineCull::Clockwise ? GL_FRONT : GL_BACK);
    }
  }
};

// ---- Setup ----

void GlRenderer::PrepareWindow() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

std::uint32_t GlRenderer::WindowFlags() {
  return SDL_WINDOW_OPENGL;
}

GlRenderer::GlRenderer(ResourceAccess files, RendererLog log) : impl_(std::make_unique<Impl>()) {
  impl_->files = std::move(files);
  impl_->log = std::move(log);
}

GlRenderer::~GlRenderer() {
  Shutdown();
}

bool GlRenderer::Init(SDL_Window* window, int logicalWidth, int logicalHeight, int textureSlots) {
  Impl& r = *impl_;
  r.window = window;
  r.context = SDL_GL_CreateContext(window);
  if (!r.context) {
    r.error = std::string("no OpenGL 3.3 context: ") + SDL_GetError();
    return false;
  }
  SDL_GL_MakeCurrent(window, r.context);
  r.ChooseSlotLimit(textureSlots);
  if (!r.CreatePrograms()) {
    Shutdown();
    return false;
  }
  r.CreateBuffers();
  const std::uint32_t white = 0xFFFFFFFF;
  r.MakeTexture(&r.white, 1, 1, &white, 1);
  glEnable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  SetLogicalSize(logicalWidth, logicalHeight);
  if (!r.screen.fbo) {
    r.error = "no framebuffer for the logical screen";
    Shutdown();
    return false;
  }
  return true;
}

void GlRenderer::Shutdown() {
  Impl& r = *impl_;
  if (!r.context) return;
  SDL_GL_MakeCurrent(r.window, r.context);
  // Textures first: the table also lists the targets' own textures, which die with their
  // targets, so their flag must be read while the targets still exist.
  for (const auto& [handle, t] : r.textures) {
    if (t->ownedByTarget) continue;
    r.DeleteTexture(t);
    delete t;
  }
  r.textures.clear();
  r.drawnHandle = 0;
  for (const auto& [handle, t] : r.targets) {
    r.DeleteTarget(t);
    delete t;
  }
  r.targets.clear();
  r.DeleteTarget(&r.screen);
  if (r.white.id) r.DeleteTexture(&r.white);
  glDeleteSamplers(2, r.samplers);
  glDeleteBuffers(1, &r.vbo);
  glDeleteBuffers(1, &r.ibo);
  glDeleteVertexArrays(1, &r.vao);
  for (const auto& p : r.programs) glDeleteProgram(p.id);
  SDL_GL_DeleteContext(r.context);
  r.context = nullptr;
  r.current = nullptr;
}

const char* GlRenderer::ErrorMessage() const {
  return impl_->error.c_str();
}

void GlRenderer::SetLogicalSize(int width, int height) {
  Impl& r = *impl_;
  if (r.screen.fbo && r.screen.texture.width == width && r.screen.texture.height == height) {
    return;
  }
  r.Flush();
  const bool drawingScreen = r.current == &r.screen;
  r.DeleteTarget(&r.screen);
  if (!r.MakeTarget(&r.screen, width, height)) r.error = "no framebuffer for the logical screen";
  if (drawingScreen) {
    r.BindDrawTarget();
    glViewport(0, 0, width, height);
    r.ApplyMatrix();
  }
}

void GlRenderer::SetViewport(int x, int y, int width, int height) {
  Impl& r = *impl_;
  r.viewX = x;
  r.viewY = y;
  r.viewW = width;
  r.viewH = height;
  r.viewportSet = true;
}

bool GlRenderer::SetSwapInterval(int interval) {
  return SDL_GL_SetSwapInterval(interval) == 0;
}

bool GlRenderer::ReadScreenPixels(std::uint32_t* out) {
  Impl& r = *impl_;
  if (!r.screen.fbo || !out || !r.MakeCurrent()) return false;
  return r.ReadTarget(&r.screen, out);
}

const RenderStats& GlRenderer::Stats() const {
  return impl_->stats;
}

void GlRenderer::ResetStats() {
  impl_->stats = RenderStats{};
}

// ---- Drawing ----

bool GlRenderer::BeginScene(EngineTarget target) {
  Impl& r = *impl_;
  if (r.current || !r.MakeCurrent()) return false;
  GlTarget* t = &r.screen;
  if (target) {
    t = r.LiveTarget(target);
    if (!t) return false;
  }
  r.current = t;
  r.BindDrawTarget();
  glViewport(0, 0, t->texture.width, t->texture.height);
  glDisable(GL_SCISSOR_TEST);
  r.clip = {};
  r.transform = Affine{};
  r.ApplyMatrix();
  r.SetCull(r.cull);
  return true;
}

void GlRenderer::EndScene() {
  Impl& r = *impl_;
  if (!r.current) return;
  if (r.batchOpen) FinishBatch(0);
  r.Flush();
  const bool screen = r.current == &r.screen;
  r.current = nullptr;
  if (!screen) {
    r.BindDrawTarget();
    return;
  }
  int drawableW = 0, drawableH = 0;
  SDL_GL_GetDrawableSize(r.window, &drawableW, &drawableH);
  const int vx = r.viewportSet ? r.viewX : 0;
  const int vy = r.viewportSet ? r.viewY : 0;
  const int vw = r.viewportSet ? r.viewW : drawableW;
  const int vh = r.viewportSet ? r.viewH : drawableH;
  const int sw = r.screen.texture.width, sh = r.screen.texture.height;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, r.screen.fbo);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glDisable(GL_SCISSOR_TEST);
  // Only letterboxing needs the black: a picture that fills the window covers every pixel.
  if (vx != 0 || vy != 0 || vw != drawableW || vh != drawableH) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  // The window counts rows from the bottom; the viewport is given from the top.
  glBlitFramebuffer(0, 0, sw, sh, vx, drawableH - vy, vx + vw, drawableH - vy - vh,
                    GL_COLOR_BUFFER_BIT, (vw == sw && vh == sh) ? GL_NEAREST : GL_LINEAR);
  SDL_GL_SwapWindow(r.window);
  r.BindDrawTarget();
}

void GlRenderer::Clear(std::uint32_t color) {
  Impl& r = *impl_;
  if (!r.current) return;
  r.Flush();
  const bool scissor = r.clip != Impl::Clip{};
  glDisable(GL_SCISSOR_TEST);
  glClearColor(static_cast<float>((color >> 16) & 0xFF) / 255.0f,
               static_cast<float>((color >> 8) & 0xFF) / 255.0f,
               static_cast<float>(color & 0xFF) / 255.0f, static_cast<float>(color >> 24) / 255.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}

void GlRenderer::RenderLine(float x1, float y1, float x2, float y2, std::uint32_t color, float z) {
  Impl& r = *impl_;
  if (!r.current) return;
  const EngineVertex v[2] = {{x1, y1, z, color, 0, 0}, {x2, y2, z, color, 0, 0}};
  r.Append(v, 2, r.Reserve(Prim::Lines, 0, BLEND_DEFAULT, 2));
}

void GlRenderer::RenderTriple(const EngineTriple* triple) {
  Impl& r = *impl_;
  if (!r.current || !triple) return;
  const float slot = r.Reserve(Prim::Triangles, triple->tex, triple->blend, 3);
  if (slot >= 0.0f) r.Append(triple->v, 3, slot);
}

void GlRenderer::RenderQuad(const EngineQuad* quad) {
  Impl& r = *impl_;
  if (!r.current || !quad) return;
  const float slot = r.Reserve(Prim::Quads, quad->tex, quad->blend, 4);
  if (slot >= 0.0f) r.Append(quad->v, 4, slot);
}

EngineVertex* GlRenderer::StartBatch(EngineBatch kind, EngineTexture texture, int blend,
                                     int* capacity) {
  Impl& r = *impl_;
  if (capacity) *capacity = 0;
  if (!r.current) return nullptr;
  if (r.batchOpen) FinishBatch(0);
  int room = 0;
  Prim prim = Prim::Quads;
  switch (kind) {
    case EngineBatch::Quads:
      room = kBatchQuads;
      break;
    case EngineBatch::Triples:
      room = kBatchVertices / 3;
      prim = Prim::Triangles;
      break;
    case EngineBatch::Lines:
      room = kBatchVertices / 2;
      prim = Prim::Lines;
      break;
    case EngineBatch::PointSprites:
      room = kBatchQuads;  // each sprite becomes a quad
      break;
    default:
      return nullptr;
  }
  if (!r.DrawTexture(texture)) return nullptr;
  if (r.vertexCount + kBatchVertices > kQueueVertices) r.Flush();
  r.CloseBatch();
  r.Reserve(prim, texture, blend, 0);  // slot 0
  r.batchOpen = true;
  r.openKind = kind;
  if (capacity) *capacity = room;
  return kind == EngineBatch::PointSprites ? r.points.data() : r.vertices.data() + r.vertexCount;
}

void GlRenderer::FinishBatch(int count) {
  Impl& r = *impl_;
  if (!r.batchOpen) return;
  r.batchOpen = false;
  count = std::max(count, 0);
  if (r.openKind == EngineBatch::PointSprites) {
    count = std::min(count, kBatchQuads);
    for (int i = 0; i < count; ++i) {
      const EngineVertex& p = r.points[i];
      const float h = (p.tx > 0.0f ? p.tx : r.pointSize) * 0.5f;  // a sprite's own size first
      const EngineVertex quad[4] = {{p.x - h, p.y - h, 0, p.col, 0, 0},
                                    {p.x + h, p.y - h, 0, p.col, 1, 0},
                                    {p.x + h, p.y + h, 0, p.col, 1, 1},
                                    {p.x - h, p.y + h, 0, p.col, 0, 1}};
      r.Append(quad, 4, 0.0f);
    }
    return;
  }
  const int perPrimitive = static_cast<int>(r.openKind);  // 2, 3 or 4 vertices
  const int vertices = std::min(count * perPrimitive, kBatchVertices / perPrimitive * perPrimitive);
  EngineVertex* first = r.vertices.data() + r.vertexCount;
  for (int i = 0; i < vertices; ++i) first[i].z = 0.0f;
  r.vertexCount += vertices;
}

void GlRenderer::SetPointSize(float diameter) {
  impl_->pointSize = std::max(diameter, 0.0f);
}

void GlRenderer::Flush() {
  impl_->Flush();
}

void GlRenderer::SetClipping(int x, int y, int w, int h) {
  Impl& r = *impl_;
  if (!r.current) return;
  const Impl::Clip clip{x, y, w, h};
  if (clip == r.clip) return;
  r.Flush();
  r.clip = clip;
  if (clip == Impl::Clip{}) {
    glDisable(GL_SCISSOR_TEST);
    return;
  }
  // Framebuffer rows run with logical y, so the rectangle needs no flip.
  glEnable(GL_SCISSOR_TEST);
  glScissor(x, y, std::max(w, 0), std::max(h, 0));
}

void GlRenderer::SetTransform(float x, float y, float dx, float dy, float rot, float hscale,
                              float vscale) {
  Impl& r = *impl_;
  Affine m;
  if (vscale != 0.0f) {
    // Scale about (x, y), rotate (clockwise on the screen for a positive angle), then move
    // the centre by (dx, dy).
    const float c = std::cos(rot), s = std::sin(rot);
    m.a = c * hscale;
    m.b = -s * vscale;
    m.d = s * hscale;
    m.e = c * vscale;
    m.c = x + dx - (m.a * x + m.b * y);
    m.f = y + dy - (m.d * x + m.e * y);
  }
  // The same transform again (the screen's, set at every frame's start) changes nothing.
  if (m == r.transform) return;
  r.Flush();
  r.transform = m;
  r.ApplyMatrix();
}

void GlRenderer::SetTextureWrap(bool wrap) {
  Impl& r = *impl_;
  if (!r.context || wrap == r.wrap) return;
  r.Flush();
  r.wrap = wrap;
  for (int i = 0; i < r.slotLimit; ++i) glBindSampler(i, r.samplers[wrap ? 1 : 0]);
}

void GlRenderer::SetCullMode(EngineCull mode) {
  Impl& r = *impl_;
  if (!r.context || mode == r.cull) return;
  r.Flush();
  r.cull = mode;
  r.SetCull(mode);
}

// ---- Render targets ----

EngineTarget GlRenderer::TargetCreate(int width, int height, bool /*zbuffer*/) {
  Impl& r = *impl_;
  if (!r.MakeCurrent()) return 0;
  auto* target = new GlTarget;
  if (!r.MakeTarget(target, width, height)) {
    delete target;
    return 0;
  }
  r.AddTexture(&target->texture);
  target->handle = r.nextHandle++;
  r.targets.emplace(target->handle, target);
  return target->handle;
}

void GlRenderer::TargetFree(EngineTarget handle) {
  Impl& r = *impl_;
  GlTarget* target = r.LiveTarget(handle);
  if (!target || !r.MakeCurrent()) return;
  r.Flush();
  if (r.current == target) {
    r.current = nullptr;  // the scene drawing into it ends with it
    r.batchOpen = false;
  }
  r.ForgetTexture(&target->texture);
  r.targets.erase(target->handle);
  r.DeleteTarget(target);
  r.BindDrawTarget();
  delete target;
}

EngineTexture GlRenderer::TargetGetTexture(EngineTarget handle) {
  GlTarget* target = impl_->LiveTarget(handle);
  return target ? target->texture.handle : 0;
}

bool GlRenderer::TargetReadPixels(EngineTarget handle, std::uint32_t* out) {
  GlTarget* target = impl_->LiveTarget(handle);
  return target && out && impl_->MakeCurrent() && impl_->ReadTarget(target, out);
}

// ---- Textures ----

EngineTexture GlRenderer::TextureCreate(int width, int height) {
  Impl& r = *impl_;
  if (!r.MakeCurrent()) return 0;
  auto* t = new GlTexture;
  if (!r.MakeTexture(t, width, height, nullptr, 0)) {
    delete t;
    return 0;
  }
  return r.AddTexture(t);
}

EngineTexture GlRenderer::TextureLoad(const char* name, std::uint32_t size, bool /*mipmap*/) {
  Impl& r = *impl_;
  if (!name || !r.MakeCurrent()) return 0;
  void* owned = nullptr;
  const void* bytes = name;
  if (size == 0) {
    owned = r.files.load ? r.files.load(name, &size) : nullptr;
    if (!owned) return 0;
    bytes = owned;
  }
  SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
  SDL_Surface* image = IMG_Load_RW(rw, 0);
  if (!image) {
    // TGA has no signature to recognise it by.
    SDL_RWseek(rw, 0, RW_SEEK_SET);
    image = IMG_LoadTyped_RW(rw, 0, "TGA");
  }
  SDL_RWclose(rw);
  SDL_Surface* argb =
      image ? SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
  SDL_FreeSurface(image);
  if (owned && r.files.free) r.files.free(owned);
  if (!argb) return 0;
  auto* t = new GlTexture;
  const bool made = r.MakeTexture(t, argb->w, argb->h, argb->pixels, argb->pitch / 4);
  SDL_FreeSurface(argb);
  if (!made) {
    delete t;
    return 0;
  }
  return r.AddTexture(t);
}

void GlRenderer::TextureFree(EngineTexture handle) {
  Impl& r = *impl_;
  GlTexture* t = r.LiveTexture(handle);
  if (!t || t->ownedByTarget || !r.MakeCurrent()) return;
  r.Flush();
  r.ForgetTexture(t);
  r.DeleteTexture(t);
  delete t;
}

int GlRenderer::TextureGetWidth(EngineTexture handle, bool /*original*/) {
  GlTexture* t = impl_->LiveTexture(handle);
  return t ? t->width : 0;
}

int GlRenderer::TextureGetHeight(EngineTexture handle, bool /*original*/) {
  GlTexture* t = impl_->LiveTexture(handle);
  return t ? t->height : 0;
}

std::uint32_t* GlRenderer::TextureLock(EngineTexture handle, bool readOnly, int left, int top,
                                       int width, int height) {
  Impl& r = *impl_;
  GlTexture* t = r.LiveTexture(handle);
  if (!t || t->locked || !r.MakeCurrent()) return nullptr;
  if (width == 0 || height == 0) {
    left = top = 0;
    width = t->width;
    height = t->height;
  }
  if (left < 0 || top < 0 || width < 0 || height < 0 || left + width > t->width ||
      top + height > t->height) {
    return nullptr;
  }
  r.Flush();  // pending draws into or from it come first
  t->lockPixels.resize(static_cast<std::size_t>(t->width) * t->height);
  glActiveTexture(kScratchUnit);
  glBindTexture(GL_TEXTURE_2D, t->id);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, t->lockPixels.data());
  t->locked = true;
  t->lockReadOnly = readOnly;
  t->lockX = left;
  t->lockY = top;
  t->lockW = width;
  t->lockH = height;
  return t->lockPixels.data() + static_cast<std::size_t>(top) * t->width + left;
}

void GlRenderer::TextureUnlock(EngineTexture handle) {
  Impl& r = *impl_;
  GlTexture* t = r.LiveTexture(handle);
  if (!t || !t->locked || !r.MakeCurrent()) return;
  if (!t->lockReadOnly) {
    r.Flush();  // draws queued while it was locked see the old pixels
    glActiveTexture(kScratchUnit);
    glBindTexture(GL_TEXTURE_2D, t->id);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, t->width);
    const std::uint32_t* first =
        t->lockPixels.data() + static_cast<std::size_t>(t->lockY) * t->width + t->lockX;
    glTexSubImage2D(GL_TEXTURE_2D, 0, t->lockX, t->lockY, t->lockW, t->lockH, GL_BGRA,
                    GL_UNSIGNED_BYTE, first);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  }
  t->locked = false;
  t->lockPixels = {};
}
