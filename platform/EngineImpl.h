#pragma once

// The engine on SDL2: window, frame loop, states, input, packs, time, random, log, launch
// and the deterministic mode. Drawing, textures and targets go to GlRenderer, sound to
// AudioMixer, one line each. Platform-internal: only platform/ includes this header.

#include <SDL2/SDL.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Engine.h"
#include "platform/PackArchive.h"
#include "platform/ReplayScript.h"

class AudioMixer;
class GlRenderer;

class EngineImpl final : public Engine {
 public:
  // The process-wide engine, or null when none exists.
  static EngineImpl* Current();
  static EngineImpl* Create();  // the one engine, created on first call (no reference added)

  int AddRef() override;
  int Release() override;

  // System
  bool Initiate() override;
  void Shutdown() override;
  bool Start() override;
  const char* GetErrorMessage() override;
  void Log(const char* format, ...) override __attribute__((format(printf, 2, 3)));
  bool Launch(const char* path) override;
  void SetLogHook(EngineLogHook hook) override;

  // States
  void SetStateFunc(EngineState state, EngineBoolFunc func) override;
  void SetStateCharFunc(EngineState state, EngineCharFunc func) override;
  void SetStateActivateFunc(EngineState state, EngineActivateFunc func) override;
  void SetStateBool(EngineState state, bool value) override;
  void SetStateInt(EngineState state, int value) override;
  void SetStateString(EngineState state, const char* value) override;
  bool GetStateBool(EngineState state) override;
  int GetStateInt(EngineState state) override;
  const char* GetStateString(EngineState state) override;
  std::uintptr_t GetStateHwnd(EngineState state) override;

  // Files
  bool AttachPack(const char* path, const char* password = nullptr) override;
  void* ResourceLoad(const char* name, std::uint32_t* size = nullptr) override;
  void ResourceFree(void* data) override;

  // Random and time
  void RandomSeed(int seed) override;
  int RandomInt(int min, int max) override;
  float RandomFloat(float min, float max) override;
  float GetTime() override;
  float GetDelta() override;

  // Sound
  EngineStream StreamLoad(const char* name, std::uint32_t size = 0) override;
  void StreamFree(EngineStream stream) override;
  EngineChannel StreamPlay(EngineStream stream, bool loop, int volume = 100) override;
  void ChannelSetVolume(EngineChannel channel, int volume) override;
  void ChannelSetPitch(EngineChannel channel, float pitch) override;
  void ChannelPause(EngineChannel channel) override;
  void ChannelResume(EngineChannel channel) override;
  void ChannelStop(EngineChannel channel) override;
  bool ChannelIsPlaying(EngineChannel channel) override;
  void ChannelStopAll() override;

  // Input
  bool GetKeyState(int key) override;
  int GetKey() override;
  int GetChar() override;
  bool GetEvent(EngineInputEvent* event) override;
  void GetMousePos(float* x, float* y) override;

  // Drawing
  bool BeginScene(EngineTarget target = 0) override;
  void EndScene() override;
  void Clear(std::uint32_t color) override;
  void RenderLine(float x1, float y1, float x2, float y2, std::uint32_t color = 0xFFFFFFFF,
                  float z = 0.5f) override;
  void RenderTriple(const EngineTriple* triple) override;
  void RenderQuad(const EngineQuad* quad) override;
  EngineVertex* StartBatch(EngineBatch kind, EngineTexture texture, int blend,
                           int* capacity) override;
  void FinishBatch(int count) override;
  void SetPointSize(float diameter) override;
  void Flush() override;
  void SetClipping(int x = 0, int y = 0, int w = 0, int h = 0) override;
  void SetTransform(float x = 0, float y = 0, float dx = 0, float dy = 0, float rot = 0,
                    float hscale = 0, float vscale = 0) override;
  void SetTextureWrap(bool wrap) override;
  void SetCullMode(EngineCull mode) override;

  // Render targets
  EngineTarget TargetCreate(int width, int height, bool zbuffer = false) override;
  void TargetFree(EngineTarget target) override;
  EngineTexture TargetGetTexture(EngineTarget target) override;
  bool TargetReadPixels(EngineTarget target, std::uint32_t* out) override;

  // Textures
  EngineTexture TextureCreate(int width, int height) override;
  EngineTexture TextureLoad(const char* name, std::uint32_t size = 0, bool mipmap = false) override;
  void TextureFree(EngineTexture texture) override;
  int TextureGetWidth(EngineTexture texture, bool original = false) override;
  int TextureGetHeight(EngineTexture texture, bool original = false) override;
  std::uint32_t* TextureLock(EngineTexture texture, bool readOnly = true, int left = 0, int top = 0,
                             int width = 0, int height = 0) override;
  void TextureUnlock(EngineTexture texture) override;

  // Window services for the OS layer (client = the letterboxed viewport).
  SDL_Window* Window() const { return window_; }
  bool IsWindow(std::uintptr_t hwnd) const;
  void GetCursorClientPos(int* x, int* y) const;
  void SetCursorClientPos(int x, int y);
  void GetClientSize(int* width, int* height) const;
  bool SetClientSize(int width, int height);

  // The renderer behind the drawing calls (null before Initiate), for its statistics.
  GlRenderer* Renderer() const { return renderer_.get(); }

 private:
  struct Viewport {
    int x = 0, y = 0, width = 0, height = 0;  // window coordinates
  };

  EngineImpl();
  ~EngineImpl() override;

  void LogUnknownState(EngineState state, const char* kind);
  void WriteLogLine(const std::string& line);
  void OpenLogFile();

  bool CreateWindow();
  void ApplyWindowed();
  void ApplyHideMouse();
  void ApplySwapInterval();
  void ApplyIcon();
  void UpdateViewport();

  // One pass of the loop's event pump; false when the loop must end (window closed).
  bool PumpEvents();
  void HandleWindowEvent(const SDL_WindowEvent& event);
  void HandleKey(const SDL_KeyboardEvent& event);
  void HandleText(const char* utf8);
  bool RequestClose();
  void ChangeFocus(bool active);
  // Sleeps on the window's events while the program is suspended; false when the window
  // closed meanwhile.
  bool WaitWhileSuspended();

  // A new session starts with no key held, no event queued and the cursor at 0, 0.
  void ResetInput();
  // The input road shared by SDL events and the replay script.
  void InputKey(int key, bool down, bool repeat);
  void InputButton(int key, bool down);
  void InputMove(int clientX, int clientY);
  void InputWheel(int steps);
  void InputText(const std::u16string& units);
  void ClearEvents();
  void PushEvent(std::int32_t type, std::int32_t key, std::int32_t flags, std::int32_t chr,
                 std::int32_t wheel);
  std::int32_t ModifierFlags() const;

  // Feeds a frame's scripted input; false when a scripted close ended the run.
  bool ApplyReplayFrame(std::uint32_t frame);
  void TakeScreenshot(const std::string& path);
  void AdvanceTime();
  void WaitForFrameSlot();
  std::uint64_t NextRandom();

  int refs_ = 0;
  bool initiated_ = false;
  std::string error_;

  // States
  EngineBoolFunc frameFunc_ = nullptr;
  EngineBoolFunc focusLostFunc_ = nullptr;
  EngineBoolFunc focusGainFunc_ = nullptr;
  EngineBoolFunc exitFunc_ = nullptr;
  EngineCharFunc charFunc_ = nullptr;
  EngineActivateFunc activateFunc_ = nullptr;
  EngineSizeMoveFunc sizeMoveFunc_ = nullptr;
  std::string title_ = "Engine";
  std::string icon_;
  bool windowed_ = true;
  bool hideMouse_ = false;
  bool bool18_ = false;
  int screenWidth_ = 800;
  int screenHeight_ = 600;
  int fps_ = 0;
  int pacedFps_ = 0;  // frames a second the loop waits for itself; 0: no waiting
  int int20_ = 0;
  int int21_ = 0;
  std::set<std::pair<int, std::string>> loggedUnknown_;

  // Window
  SDL_Window* window_ = nullptr;
  Viewport viewport_;
  bool active_ = false;
  // From a focus loss to its return the loop calls no frame function: the window keeps the
  // last picture and the game's time stands still. A close the program answers itself (its
  // exit question) ends it too, for the answer needs frames.
  bool suspended_ = false;
  std::unique_ptr<GlRenderer> renderer_;
  std::unique_ptr<AudioMixer> mixer_;

  // Input
  std::array<bool, 256> keyDown_{};
  // Cleared every frame; the vector keeps its storage so queuing events allocates nothing.
  std::vector<EngineInputEvent> events_;
  std::size_t nextEvent_ = 0;  // the first event GetEvent has not handed out
  int lastKey_ = 0;
  int lastChar_ = 0;
  int cursorX_ = 0;  // client coordinates
  int cursorY_ = 0;

  // Files
  std::vector<std::unique_ptr<PackArchive>> packs_;  // newest last, searched first
  std::string programDirectory_;

  // Time
  std::uint64_t startCounter_ = 0;
  std::uint64_t lastCounter_ = 0;
  std::uint64_t frameStartCounter_ = 0;
  double time_ = 0.0;
  float delta_ = 0.0f;

  // Random: splitmix64, the same sequence on every system for a seed.
  std::uint64_t randomState_ = 0;

  // Log
  FILE* logFile_ = nullptr;
  std::vector<std::string> earlyLog_;  // lines before the log file opened
  EngineLogHook logHook_;

  // Deterministic mode
  std::unique_ptr<ReplayScript> replay_;
  std::uint32_t frame_ = 0;
  std::vector<float> mixBuffer_;
};
