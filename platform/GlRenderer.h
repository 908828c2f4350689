#pragma once

// The OpenGL 3.3 core renderer behind the engine's drawing, texture and render-target
// operations. Its public drawing methods carry the names and signatures of Engine.h, so the
// engine forwards each call in one line.
//
// The logical screen is drawn into an off-screen framebuffer of the logical size, which
// EndScene copies into the window's viewport and presents. So the picture persists between
// frames (a frame that draws nothing leaves the last one), the screen can be read back at
// any time, and the scaling to the window is one blit.
//
// Quads, triples, lines and point sprites collect in vertex batches; on hardware up to 16
// textures share a batch (each vertex picks its texture unit), so a change of texture alone
// does not cost a draw call. A change of blend mode or primitive, a full batch, or one
// texture too many starts a new batch. Batches queue up and go out with one vertex upload
// when something needs them drawn: a change of transform, clipping, addressing or culling,
// a clear, the end of the scene, a lock, a read-back or a free.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Engine.h"
#include "platform/ResourceAccess.h"

struct SDL_Window;

struct RenderStats {
  std::uint64_t drawCalls = 0;   // GL draw calls issued, one per batch
  std::uint64_t uploads = 0;     // vertex uploads, each for every batch queued until then
  std::uint64_t primitives = 0;  // quads, triangles, lines and point sprites submitted
  std::uint64_t quads = 0;       // of which quads and point sprites
};

// Where the renderer reports what it refused to draw.
using RendererLog = std::function<void(const std::string& line)>;

class GlRenderer {
 public:
  // Sets the SDL GL attributes; call after SDL_Init(SDL_INIT_VIDEO), before the window is
  // created with the flags WindowFlags() gives.
  static void PrepareWindow();
  static std::uint32_t WindowFlags();

  // Texture and target handles are checked on every use: a freed or unknown one draws
  // nothing and is logged once.
  explicit GlRenderer(ResourceAccess files, RendererLog log = {});
  GlRenderer(const GlRenderer&) = delete;
  GlRenderer& operator=(const GlRenderer&) = delete;
  ~GlRenderer();

  // Creates the GL context on the window and a logical screen of the given size; false with
  // ErrorMessage() on failure. The viewport starts as the whole window. textureSlots: how
  // many textures one batch may mix; 0 lets the driver decide (1 on software rasterisers,
  // where the multi-texture shader costs more than the draw calls it saves; 16 otherwise).
  bool Init(SDL_Window* window, int logicalWidth, int logicalHeight, int textureSlots = 0);
  // Frees every texture, target and the context; also done by the destructor.
  void Shutdown();
  const char* ErrorMessage() const;

  // The logical screen size (drawing coordinates) and where it shows in the window's
  // drawable, in drawable pixels (y down). Letterboxing outside it is black.
  void SetLogicalSize(int width, int height);
  void SetViewport(int x, int y, int width, int height);
  // 0 immediate, 1 vsync; false when the driver refuses.
  bool SetSwapInterval(int interval);

  // The logical screen's pixels as ARGB rows, top first (logical width x height words), as
  // the last EndScene presented them (or as drawn so far inside a scene).
  bool ReadScreenPixels(std::uint32_t* out);

  const RenderStats& Stats() const;
  void ResetStats();

  // Drawing (as Engine.h)
  bool BeginScene(EngineTarget target = 0);
  void EndScene();
  void Clear(std::uint32_t color);
  void RenderLine(float x1, float y1, float x2, float y2, std::uint32_t color = 0xFFFFFFFF,
                  float z = 0.5f);
  void RenderTriple(const EngineTriple* triple);
  void RenderQuad(const EngineQuad* quad);
  EngineVertex* StartBatch(EngineBatch kind, EngineTexture texture, int blend, int* capacity);
  void FinishBatch(int count);
  void SetPointSize(float diameter);
  void Flush();
  void SetClipping(int x = 0, int y = 0, int w = 0, int h = 0);
  void SetTransform(float x = 0, float y = 0, float dx = 0, float dy = 0, float rot = 0,
                    float hscale = 0, float vscale = 0);
  void SetTextureWrap(bool wrap);
  void SetCullMode(EngineCull mode);

  // Render targets (as Engine.h)
  EngineTarget TargetCreate(int width, int height, bool zbuffer = false);
  void TargetFree(EngineTarget target);
  EngineTexture TargetGetTexture(EngineTarget target);
  bool TargetReadPixels(EngineTarget target, std::uint32_t* out);

  // Textures (as Engine.h). TextureLoad with size 0 reads the named file through the
  // engine's files; with a size, name points at that many bytes of the file in memory.
  EngineTexture TextureCreate(int width, int height);
  EngineTexture TextureLoad(const char* name, std::uint32_t size = 0, bool mipmap = false);
  void TextureFree(EngineTexture texture);
  int TextureGetWidth(EngineTexture texture, bool original = false);
  int TextureGetHeight(EngineTexture texture, bool original = false);
  std::uint32_t* TextureLock(EngineTexture texture, bool readOnly = true, int left = 0, int top = 0,
                             int width = 0, int height = 0);
  void TextureUnlock(EngineTexture texture);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
