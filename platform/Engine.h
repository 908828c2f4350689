#pragma once

// The engine interface: the one door through which everything above platform/ reaches the
// window, input, time, files, drawing, textures and sound. Nothing above platform/ includes
// SDL, GL or a system header; it sees this class and the OS services in OsServices.h.

#include <cstddef>
#include <cstdint>
#include <functional>

using EngineTexture = std::uintptr_t;  // 0: none
using EngineTarget = std::uintptr_t;   // 0: none
using EngineStream = std::uintptr_t;   // 0: none
using EngineChannel = std::uintptr_t;  // 0: none; never reused for another sound

constexpr int ENGINE_VERSION = 0x154;

// Callbacks. Frame returns true to end the loop; Exit returns true to let the window close.
using EngineBoolFunc = bool (*)();
// Typed text as UTF-16 units, control characters included (Backspace 0x08, Tab 0x09,
// Enter 0x0D, Escape 0x1B).
using EngineCharFunc = void (*)(std::uint16_t unit);
// The window was (de)activated, or a move/size loop started (true) or ended (false).
using EngineActivateFunc = void (*)(bool active);
using EngineSizeMoveFunc = void (*)(bool entering);
// Receives every log line (without its newline) besides the log file and stderr.
using EngineLogHook = std::function<void(const char* line)>;

enum class EngineState {
  // Callbacks (SetStateFunc)
  Frame,
  FocusLost,
  FocusGain,
  Exit,
  // Window-procedure hooks: CharInput by SetStateCharFunc; Activate and SizeMove (both a
  // function of one bool) by SetStateActivateFunc
  CharInput,
  Activate,
  SizeMove,
  // Strings
  Title,
  Icon,  // resource name or id text of the window icon
  // Bools
  Windowed,   // live after Initiate
  HideMouse,  // live
  Bool18,     // stored only
  // Ints
  ScreenWidth,
  ScreenHeight,
  ScreenBpp,  // always 32
  Fps,        // -1 vsync, 0 unlimited, n: capped at n frames a second
  Int20,      // stored only
  Int21,      // stored only
  // Read only
  Hwnd,  // non-zero while a window exists
};

// Input event types.
enum : std::int32_t {
  INPUT_KEYDOWN = 1,
  INPUT_KEYUP = 2,
  INPUT_MBUTTONDOWN = 3,
  INPUT_MBUTTONUP = 4,
  INPUT_MOUSEMOVE = 5,
  INPUT_MOUSEWHEEL = 6,
};

// Input event flags.
enum : std::int32_t {
  INPUT_FLAG_SHIFT = 1,
  INPUT_FLAG_CTRL = 2,
  INPUT_FLAG_ALT = 4,
  INPUT_FLAG_REPEAT = 8,
};

// Key codes: the Windows virtual-key numbers.
enum : std::int32_t {
  KEY_LBUTTON = 0x01,
  KEY_RBUTTON = 0x02,
  KEY_MBUTTON = 0x04,
  KEY_BACKSPACE = 0x08,
  KEY_TAB = 0x09,
  KEY_ENTER = 0x0D,
  KEY_SHIFT = 0x10,
  KEY_CTRL = 0x11,
  KEY_ALT = 0x12,
  KEY_PAUSE = 0x13,
  KEY_ESCAPE = 0x1B,
  KEY_SPACE = 0x20,
  KEY_PGUP = 0x21,
  KEY_PGDN = 0x22,
  KEY_END = 0x23,
  KEY_HOME = 0x24,
  KEY_LEFT = 0x25,
  KEY_UP = 0x26,
  KEY_RIGHT = 0x27,
  KEY_DOWN = 0x28,
  KEY_INSERT = 0x2D,
  KEY_DELETE = 0x2E,
  KEY_0 = 0x30,   // .. KEY_0 + 9
  KEY_A = 0x41,   // .. KEY_A + 25
  KEY_F1 = 0x70,  // .. KEY_F1 + 11
};

struct EngineInputEvent {
  std::int32_t type;   // INPUT_*
  std::int32_t key;    // KEY_* code
  std::int32_t flags;  // INPUT_FLAG_*
  std::int32_t chr;    // character of a key event, or 0
  std::int32_t wheel;  // wheel steps
  std::int32_t x;      // cursor in client pixels (the viewport, see Os::GetClientSize)
  std::int32_t y;
};

struct EngineVertex {
  float x, y;
  float z;
  std::uint32_t col;  // ARGB
  float tx, ty;
};

// Blend codes: bit 0 set, vertex colour added to the texture colour (else multiplied);
// bit 1 set, alpha blending (else additive); bit 2 set, depth write.
enum : int {
  BLEND_COLORADD = 1,
  BLEND_ALPHABLEND = 2,
  BLEND_ZWRITE = 4,
  BLEND_DEFAULT = BLEND_ALPHABLEND,  // 2
};

struct EngineQuad {
  EngineVertex v[4];  // top-left, top-right, bottom-right, bottom-left
  EngineTexture tex;
  int blend;
};

struct EngineTriple {
  EngineVertex v[3];
  EngineTexture tex;
  int blend;
};

enum class EngineBatch { Lines = 2, Triples = 3, Quads = 4, PointSprites = 5 };

enum class EngineCull { None, Clockwise, CounterClockwise };

class Engine {
 public:
  // Reference counting: hgeCreate hands out a new reference; the last Release shuts down.
  virtual int AddRef() = 0;
  virtual int Release() = 0;

  // System
  virtual bool Initiate() = 0;
  virtual void Shutdown() = 0;
  virtual bool Start() = 0;
  virtual const char* GetErrorMessage() = 0;
  virtual void Log(const char* format, ...) __attribute__((format(printf, 2, 3))) = 0;
  virtual bool Launch(const char* path) = 0;
  // Tests capture the log through a hook; an empty hook removes it.
  virtual void SetLogHook(EngineLogHook hook) = 0;

  // States
  virtual void SetStateFunc(EngineState state, EngineBoolFunc func) = 0;
  virtual void SetStateCharFunc(EngineState state, EngineCharFunc func) = 0;
  virtual void SetStateActivateFunc(EngineState state, EngineActivateFunc func) = 0;
  virtual void SetStateBool(EngineState state, bool value) = 0;
  virtual void SetStateInt(EngineState state, int value) = 0;
  virtual void SetStateString(EngineState state, const char* value) = 0;
  virtual bool GetStateBool(EngineState state) = 0;
  virtual int GetStateInt(EngineState state) = 0;
  virtual const char* GetStateString(EngineState state) = 0;
  virtual std::uintptr_t GetStateHwnd(EngineState state) = 0;

  // Files: names come Windows-style ("Binary\textdata.txt"), matched case-insensitively in
  // the attached packs, then on disk under the program's folder.
  virtual bool AttachPack(const char* path, const char* password = nullptr) = 0;
  virtual void* ResourceLoad(const char* name, std::uint32_t* size = nullptr) = 0;
  virtual void ResourceFree(void* data) = 0;

  // Random and time
  virtual void RandomSeed(int seed) = 0;
  virtual int RandomInt(int min, int max) = 0;  // both ends included
  virtual float RandomFloat(float min, float max) = 0;
  virtual float GetTime() = 0;   // seconds since Initiate
  virtual float GetDelta() = 0;  // seconds of the last frame, never negative

  // Sound
  virtual EngineStream StreamLoad(const char* name, std::uint32_t size = 0) = 0;
  virtual void StreamFree(EngineStream stream) = 0;
  virtual EngineChannel StreamPlay(EngineStream stream, bool loop, int volume = 100) = 0;
  virtual void ChannelSetVolume(EngineChannel channel, int volume) = 0;
  virtual void ChannelSetPitch(EngineChannel channel, float pitch) = 0;
  virtual void ChannelPause(EngineChannel channel) = 0;
  virtual void ChannelResume(EngineChannel channel) = 0;
  virtual void ChannelStop(EngineChannel channel) = 0;
  virtual bool ChannelIsPlaying(EngineChannel channel) = 0;
  virtual void ChannelStopAll() = 0;

  // Input
  virtual bool GetKeyState(int key) = 0;
  virtual int GetKey() = 0;
  virtual int GetChar() = 0;
  virtual bool GetEvent(EngineInputEvent* event) = 0;
  virtual void GetMousePos(float* x, float* y) = 0;  // logical screen coordinates

  // Drawing, in logical screen coordinates (a target's own pixels when drawing to one)
  virtual bool BeginScene(EngineTarget target = 0) = 0;
  virtual void EndScene() = 0;
  virtual void Clear(std::uint32_t color) = 0;
  virtual void RenderLine(float x1, float y1, float x2, float y2, std::uint32_t color = 0xFFFFFFFF,
                          float z = 0.5f) = 0;
  virtual void RenderTriple(const EngineTriple* triple) = 0;
  virtual void RenderQuad(const EngineQuad* quad) = 0;
  virtual EngineVertex* StartBatch(EngineBatch kind, EngineTexture texture, int blend,
                                   int* capacity) = 0;
  // count: primitives for quads, triples and lines; vertices for point sprites.
  virtual void FinishBatch(int count) = 0;
  // Point sprites: in a PointSprites batch, each vertex is one sprite centred on (x, y) with
  // the diameter SetPointSize gave, whole-texture coordinates. A vertex whose tx is above 0
  // has its own diameter tx (particles of many sizes in one batch).
  virtual void SetPointSize(float diameter) = 0;
  virtual void Flush() = 0;
  virtual void SetClipping(int x = 0, int y = 0, int w = 0, int h = 0) = 0;
  virtual void SetTransform(float x = 0, float y = 0, float dx = 0, float dy = 0, float rot = 0,
                            float hscale = 0, float vscale = 0) = 0;
  virtual void SetTextureWrap(bool wrap) = 0;     // flushes; clamp is the default
  virtual void SetCullMode(EngineCull mode) = 0;  // flushes; None is the default

  // Render targets
  virtual EngineTarget TargetCreate(int width, int height, bool zbuffer = false) = 0;
  virtual void TargetFree(EngineTarget target) = 0;
  virtual EngineTexture TargetGetTexture(EngineTarget target) = 0;
  // The target's pixels as ARGB rows, top first, into out (width * height words).
  virtual bool TargetReadPixels(EngineTarget target, std::uint32_t* out) = 0;

  // Textures
  virtual EngineTexture TextureCreate(int width, int height) = 0;
  virtual EngineTexture TextureLoad(const char* name, std::uint32_t size = 0,
                                    bool mipmap = false) = 0;
  virtual void TextureFree(EngineTexture texture) = 0;
  virtual int TextureGetWidth(EngineTexture texture, bool original = false) = 0;
  virtual int TextureGetHeight(EngineTexture texture, bool original = false) = 0;
  // ARGB rows, stride = texture width * 4; written pixels upload on unlock.
  virtual std::uint32_t* TextureLock(EngineTexture texture, bool readOnly = true, int left = 0,
                                     int top = 0, int width = 0, int height = 0) = 0;
  virtual void TextureUnlock(EngineTexture texture) = 0;

 protected:
  virtual ~Engine() = default;
};

// The one process-wide engine, a new reference each call; null for any version but 0x154.
Engine* hgeCreate(int version);
