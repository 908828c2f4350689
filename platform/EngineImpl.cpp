#include "platform/EngineImpl.h"

#include <SDL2/SDL_image.h>
#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>
#endif

#include "platform/AudioMixer.h"
#include "platform/GlRenderer.h"
#include "platform/OsServices.h"

extern char** environ;

namespace {

EngineImpl* g_engine = nullptr;

constexpr const char* kLogFileName = "engine.log";
constexpr const char* kReplayVariable = "PANMASTER_REPLAY";

// The Windows virtual-key code of an SDL key, or 0 for keys the game has no code for.
int VirtualKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return KEY_A + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return KEY_0 + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return KEY_F1 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 0x61 + (key - SDLK_KP_1);
  switch (key) {
    case SDLK_BACKSPACE:
      return KEY_BACKSPACE;
    case SDLK_TAB:
      return KEY_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return KEY_ENTER;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return KEY_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return KEY_CTRL;
    case SDLK_LALT:
    case SDLK_RALT:
      return KEY_ALT;
    case SDLK_PAUSE:
      return KEY_PAUSE;
    case SDLK_CAPSLOCK:
      return 0x14;
    case SDLK_ESCAPE:
      return KEY_ESCAPE;
    case SDLK_SPACE:
      return KEY_SPACE;
    case SDLK_PAGEUP:
      return KEY_PGUP;
    case SDLK_PAGEDOWN:
      return KEY_PGDN;
    case SDLK_END:
      return KEY_END;
    case SDLK_HOME:
      return KEY_HOME;
    case SDLK_LEFT:
      return KEY_LEFT;
    case SDLK_UP:
      return KEY_UP;
    case SDLK_RIGHT:
      return KEY_RIGHT;
    case SDLK_DOWN:
      return KEY_DOWN;
    case SDLK_INSERT:
      return KEY_INSERT;
    case SDLK_DELETE:
      return KEY_DELETE;
    case SDLK_LGUI:
      return 0x5B;
    case SDLK_RGUI:
      return 0x5C;
    case SDLK_KP_0:
      return 0x60;
    case SDLK_KP_MULTIPLY:
      return 0x6A;
    case SDLK_KP_PLUS:
      return 0x6B;
    case SDLK_KP_MINUS:
      return 0x6D;
    case SDLK_KP_PERIOD:
      return 0x6E;
    case SDLK_KP_DIVIDE:
      return 0x6F;
    case SDLK_SEMICOLON:
      return 0xBA;
    case SDLK_EQUALS:
      return 0xBB;
    case SDLK_COMMA:
      return 0xBC;
    case SDLK_MINUS:
      return 0xBD;
    case SDLK_PERIOD:
      return 0xBE;
    case SDLK_SLASH:
      return 0xBF;
    case SDLK_BACKQUOTE:
      return 0xC0;
    case SDLK_LEFTBRACKET:
      return 0xDB;
    case SDLK_BACKSLASH:
      return 0xDC;
    case SDLK_RIGHTBRACKET:
      return 0xDD;
    case SDLK_QUOTE:
      return 0xDE;
    default:
      return 0;
  }
}

// The control character Windows' key translation gives a key, or 0.
std::uint16_t ControlCharacter(int key) {
  switch (key) {
    case KEY_BACKSPACE:
    case KEY_TAB:
    case KEY_ENTER:
    case KEY_ESCAPE:
      return static_cast<std::uint16_t>(key);
    default:
      return 0;
  }
}

// The character of a key event: letters by the Shift state, digits, space and the control
// characters; 0 for the rest.
std::int32_t KeyCharacter(int key, bool shift) {
  if (key >= KEY_A && key < KEY_A + 26) return shift ? key : key - KEY_A + 'a';
  if (key >= KEY_0 && key < KEY_0 + 10 && !shift) return key;
  if (key == KEY_SPACE) return ' ';
  return ControlCharacter(key);
}

int ButtonKey(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return KEY_LBUTTON;
    case SDL_BUTTON_RIGHT:
      return KEY_RBUTTON;
    case SDL_BUTTON_MIDDLE:
      return KEY_MBUTTON;
    default:
      return 0;
  }
}

// A name's path on disk below base, each part matched without regard to case when the
// exact spelling is missing. Empty when some part is not found.
std::string FindOnDisk(const std::string& base, const std::string& name) {
  std::string path = base;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (!path.empty() && path.back() != '/') path += '/';
    struct stat info;
    if (stat((path + part).c_str(), &info) == 0) {
      path += part;
      continue;
    }
    DIR* dir = opendir(path.empty() ? "." : path.c_str());
    if (!dir) return "";
    std::string found;
    while (const dirent* entry = readdir(dir)) {
      if (strcasecmp(entry->d_name, part.c_str()) == 0) {
        found = entry->d_name;
        break;
      }
    }
    closedir(dir);
    if (found.empty()) return "";
    path += found;
  }
  return path;
}

void* ReadWholeFile(const std::string& path, std::uint32_t* size) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  struct stat info;
  void* data = nullptr;
  if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= 0xFFFFFFF0) {
    const auto length = static_cast<std::size_t>(info.st_size);
    auto* bytes = static_cast<char*>(std::malloc(length + 1));
    if (bytes && std::fread(bytes, 1, length, file) == length) {
      bytes[length] = 0;
      if (size) *size = static_cast<std::uint32_t>(length);
      data = bytes;
    } else {
      std::free(bytes);
    }
  }
  std::fclose(file);
  return data;
}

#if defined(__SANITIZE_ADDRESS__)
// LeakSanitizer reports at exit, after SDL has unloaded the GL driver: its leaks would show
// without a library name to suppress them by. Pinning every loaded library keeps the names.
void PinLoadedLibraries() {
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void*) {
        if (info->dlpi_name && info->dlpi_name[0])
          dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        return 0;
      },
      nullptr);
}
#endif

}  // namespace

Engine* hgeCreate(int version) {
  if (version != ENGINE_VERSION) return nullptr;
  EngineImpl* engine = EngineImpl::Create();
  engine->AddRef();
  return engine;
}

EngineImpl* EngineImpl::Current() {
  return g_engine;
}

EngineImpl* EngineImpl::Create() {
  if (!g_engine) g_engine = new EngineImpl();
  return g_engine;
}

EngineImpl::EngineImpl() : programDirectory_(Os::GetProgramDirectory()) {
  RandomSeed(0);
}

EngineImpl::~EngineImpl() {
  Shutdown();
  if (g_engine == this) g_engine = nullptr;
}

int EngineImpl::AddRef() {
  return ++refs_;
}

int EngineImpl::Release() {
  const int left = --refs_;
  if (left <= 0) delete this;
  return left;
}

// ---- System ----

bool EngineImpl::Initiate() {
  if (initiated_) return true;
  error_.clear();
  OpenLogFile();
  if (const char* script = std::getenv(kReplayVariable); script && *script) {
    replay_ = ReplayScript::Load(script, &error_);
    if (!replay_) {
      Log("%s", error_.c_str());
      return false;
    }
    randomState_ = replay_->Seed();
    // The wall clock runs with the replayed time, so every run sees the same hour.
    Os::SetLocalTimeSource([this] { return replay_->StartTimeOfDay() + time_; });
    Log("Deterministic mode: script \"%s\", step %.3f ms, seed %llu", script,
        replay_->StepSeconds() * 1000.0, static_cast<unsigned long long>(replay_->Seed()));
  }
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    error_ = std::string("Can't initialise SDL: ") + SDL_GetError();
    Log("%s", error_.c_str());
    return false;
  }
  initiated_ = true;
  ResetInput();
  if (!CreateWindow()) {
    Log("%s", error_.c_str());
    Shutdown();
    return false;
  }
  ResourceAccess files{
      [this](const char* name, std::uint32_t* size) { return ResourceLoad(name, size); },
      [this](void* data) { ResourceFree(data); }};
  mixer_ = std::make_unique<AudioMixer>(files);
  if (!replay_ && !mixer_->OpenDevice()) Log("No sound device: %s", SDL_GetError());
  startCounter_ = lastCounter_ = frameStartCounter_ = SDL_GetPerformanceCounter();
  time_ = 0.0;
  delta_ = 0.0f;
  active_ = true;
  suspended_ = false;
  Log("Engine started: %dx%d, %s", screenWidth_, screenHeight_,
      windowed_ ? "windowed" : "full screen");
  return true;
}

bool EngineImpl::CreateWindow() {
  GlRenderer::PrepareWindow();
  Uint32 flags = GlRenderer::WindowFlags() | SDL_WINDOW_OPENGL;
  if (!windowed_) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             screenWidth_, screenHeight_, flags);
  if (!window_) {
    error_ = std::string("Can't create the window: ") + SDL_GetError();
    return false;
  }
  ResourceAccess files{
      [this](const char* name, std::uint32_t* size) { return ResourceLoad(name, size); },
      [this](void* data) { ResourceFree(data); }};
  renderer_ = std::make_unique<GlRenderer>(
      files, [this](const std::string& line) { Log("%s", line.c_str()); });
  if (!renderer_->Init(window_, screenWidth_, screenHeight_)) {
    error_ = std::string("Can't start OpenGL: ") + renderer_->ErrorMessage();
    return false;
  }
#if defined(__SANITIZE_ADDRESS__)
  PinLoadedLibraries();
#endif
  UpdateViewport();
  ApplySwapInterval();
  ApplyHideMouse();
  ApplyIcon();
  SDL_StartTextInput();
  return true;
}

void EngineImpl::Shutdown() {
  if (initiated_) {
    mixer_.reset();
    renderer_.reset();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    packs_.clear();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    initiated_ = false;
    Log("Engine shut down");
  }
  // A failed Initiate may have read a script and opened the log before it stopped.
  if (replay_) Os::SetLocalTimeSource(nullptr);
  replay_.reset();
  if (logFile_) std::fclose(logFile_);
  logFile_ = nullptr;
}

bool EngineImpl::Start() {
  if (!initiated_ || !window_) {
    error_ = "Start: the engine is not initiated";
    Log("%s", error_.c_str());
    return false;
  }
  if (!frameFunc_) {
    error_ = "Start: no frame function";
    Log("%s", error_.c_str());
    return false;
  }
  frame_ = 0;
  lastCounter_ = frameStartCounter_ = SDL_GetPerformanceCounter();
  for (;;) {
    ++frame_;
    if (!PumpEvents()) break;
    if (replay_ && !ApplyReplayFrame(frame_)) break;
    // A replay's suspended frames still count, so a script can tell how long it was away.
    if (!replay_ && suspended_ && !WaitWhileSuspended()) break;
    AdvanceTime();
    const bool done = !suspended_ && frameFunc_();
    if (replay_) {
      if (const auto* events = replay_->EventsAt(frame_)) {
        for (const ReplayEvent& event : *events)
          if (event.kind == ReplayEvent::Kind::Shot) TakeScreenshot(event.path);
      }
    }
    ClearEvents();
    lastKey_ = 0;
    lastChar_ = 0;
    if (done || (replay_ && replay_->FrameLimit() != 0 && frame_ >= replay_->FrameLimit())) break;
    WaitForFrameSlot();
  }
  return true;
}

const char* EngineImpl::GetErrorMessage() {
  return error_.c_str();
}

void EngineImpl::Log(const char* format, ...) {
  if (!format) return;
  char stackBuffer[1024];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(stackBuffer, sizeof stackBuffer, format, args);
  va_end(args);
  std::string line;
  if (length < 0) {
    line = format;
  } else if (static_cast<std::size_t>(length) < sizeof stackBuffer) {
    line.assign(stackBuffer, static_cast<std::size_t>(length));
  } else {
    line.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(line.data(), line.size(), format, copy);
    line.resize(static_cast<std::size_t>(length));
  }
  va_end(copy);
  if (!line.empty() && line.back() == '\n') line.pop_back();
  WriteLogLine(line);
}

void EngineImpl::WriteLogLine(const std::string& line) {
  std::fprintf(stderr, "%s\n", line.c_str());
  if (logFile_) {
    std::fprintf(logFile_, "%s\n", line.c_str());
    std::fflush(logFile_);
  } else if (!initiated_ && earlyLog_.size() < 1000) {
    earlyLog_.push_back(line);
  }
  if (logHook_) logHook_(line.c_str());
}

void EngineImpl::OpenLogFile() {
  if (logFile_) return;
  const std::string folder = Os::GetSaveFolder(title_);
  if (!folder.empty()) logFile_ = std::fopen((folder + "/" + kLogFileName).c_str(), "w");
  if (!logFile_) return;
  for (const std::string& line : earlyLog_) std::fprintf(logFile_, "%s\n", line.c_str());
  std::fflush(logFile_);
  earlyLog_.clear();
}

void EngineImpl::SetLogHook(EngineLogHook hook) {
  logHook_ = std::move(hook);
}

bool EngineImpl::Launch(const char* path) {
  if (!path || !*path) return false;
  char* argv[] = {const_cast<char*>(path), nullptr};
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, path, nullptr, nullptr, argv, environ);
  if (rc != 0) Log("Can't launch \"%s\": %s", path, std::strerror(rc));
  return rc == 0;
}

// ---- States ----

void EngineImpl::LogUnknownState(EngineState state, const char* kind) {
  if (loggedUnknown_.emplace(static_cast<int>(state), kind).second)
    Log("Engine: state %d is not a %s state; ignored", static_cast<int>(state), kind);
}

void EngineImpl::SetStateFunc(EngineState state, EngineBoolFunc func) {
  switch (state) {
    case EngineState::Frame:
      frameFunc_ = func;
      break;
    case EngineState::FocusLost:
      focusLostFunc_ = func;
      break;
    case EngineState::FocusGain:
      focusGainFunc_ = func;
      break;
    case EngineState::Exit:
      exitFunc_ = func;
      break;
    default:
      LogUnknownState(state, "callback");
  }
}

void EngineImpl::SetStateCharFunc(EngineState state, EngineCharFunc func) {
  if (state == EngineState::CharInput)
    charFunc_ = func;
  else
    LogUnknownState(state, "character hook");
}

void EngineImpl::SetStateActivateFunc(EngineState state, EngineActivateFunc func) {
  if (state == EngineState::Activate)
    activateFunc_ = func;
  else if (state == EngineState::SizeMove)
    sizeMoveFunc_ = func;
  else
    LogUnknownState(state, "activation hook");
}

void EngineImpl::SetStateBool(EngineState state, bool value) {
  switch (state) {
    case EngineState::Windowed:
      if (value == windowed_) return;
      windowed_ = value;
      ApplyWindowed();
      break;
    case EngineState::HideMouse:
      hideMouse_ = value;
      ApplyHideMouse();
      break;
    case EngineState::Bool18:
      bool18_ = value;
      break;
    default:
      LogUnknownState(state, "bool");
  }
}

void EngineImpl::SetStateInt(EngineState state, int value) {
  switch (state) {
    // The logical screen is fixed once the window exists.
    case EngineState::ScreenWidth:
      if (!window_ && value > 0) screenWidth_ = value;
      break;
    case EngineState::ScreenHeight:
      if (!window_ && value > 0) screenHeight_ = value;
      break;
    case EngineState::ScreenBpp:
      break;
    case EngineState::Fps:
      fps_ = value < 0 ? -1 : value;
      ApplySwapInterval();
      break;
    case EngineState::Int20:
      int20_ = value;
      break;
    case EngineState::Int21:
      int21_ = value;
      break;
    default:
      LogUnknownState(state, "int");
  }
}

void EngineImpl::SetStateString(EngineState state, const char* value) {
  const char* text = value ? value : "";
  switch (state) {
    case EngineState::Title:
      title_ = text;
      if (window_) SDL_SetWindowTitle(window_, title_.c_str());
      break;
    case EngineState::Icon:
      icon_ = text;
      ApplyIcon();
      break;
    default:
      LogUnknownState(state, "string");
  }
}

bool EngineImpl::GetStateBool(EngineState state) {
  switch (state) {
    case EngineState::Windowed:
      return windowed_;
    case EngineState::HideMouse:
      return hideMouse_;
    case EngineState::Bool18:
      return bool18_;
    default:
      LogUnknownState(state, "bool");
      return false;
  }
}

int EngineImpl::GetStateInt(EngineState state) {
  switch (state) {
    case EngineState::ScreenWidth:
      return screenWidth_;
    case EngineState::ScreenHeight:
      return screenHeight_;
    case EngineState::ScreenBpp:
      return 32;
    case EngineState::Fps:
      return fps_;
    case EngineState::Int20:
      return int20_;
    case EngineState::Int21:
      return int21_;
    default:
      LogUnknownState(state, "int");
      return 0;
  }
}

const char* EngineImpl::GetStateString(EngineState state) {
  switch (state) {
    case EngineState::Title:
      return title_.c_str();
    case EngineState::Icon:
      return icon_.c_str();
    default:
      LogUnknownState(state, "string");
      return "";
  }
}

std::uintptr_t EngineImpl::GetStateHwnd(EngineState state) {
  if (state == EngineState::Hwnd) return reinterpret_cast<std::uintptr_t>(window_);
  LogUnknownState(state, "window");
  return 0;
}

// ---- Window ----

void EngineImpl::ApplyWindowed() {
  if (!window_) return;
  if (SDL_SetWindowFullscreen(window_, windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
    Log("Can't switch to %s: %s", windowed_ ? "windowed" : "full screen", SDL_GetError());
  if (windowed_) SDL_SetWindowSize(window_, screenWidth_, screenHeight_);
  UpdateViewport();
}

void EngineImpl::ApplyHideMouse() {
  if (window_) SDL_ShowCursor(hideMouse_ ? SDL_DISABLE : SDL_ENABLE);
}

void EngineImpl::ApplySwapInterval() {
  pacedFps_ = fps_ > 0 ? fps_ : 0;
  if (!renderer_) return;
  // The deterministic mode never waits for the display.
  const bool vsync = fps_ == -1 && !replay_;
  if (renderer_->SetSwapInterval(vsync ? 1 : 0) || !vsync) return;
  // Without vsync the loop keeps to the display's rate itself rather than spin.
  SDL_DisplayMode mode;
  const bool known = SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0;
  pacedFps_ = known ? mode.refresh_rate : 60;
  Log("No vsync on this display; frames are paced at %d a second", pacedFps_);
}

void EngineImpl::ApplyIcon() {
  if (!window_ || icon_.empty()) return;
  std::uint32_t size = 0;
  void* data = ResourceLoad(icon_.c_str(), &size);
  if (!data) {
    Log("Icon \"%s\" not found", icon_.c_str());
    return;
  }
  SDL_Surface* image = IMG_Load_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1);
  ResourceFree(data);
  if (!image) {
    Log("Icon \"%s\": %s", icon_.c_str(), IMG_GetError());
    return;
  }
  SDL_SetWindowIcon(window_, image);
  SDL_FreeSurface(image);
}

void EngineImpl::UpdateViewport() {
  if (!window_) return;
  // The largest rectangle of the logical screen's shape centred in the area: letterbox.
  auto fit = [this](int width, int height) {
    Viewport view;
    const double scale = std::min(static_cast<double>(width) / screenWidth_,
                                  static_cast<double>(height) / screenHeight_);
    view.width = std::max(1, static_cast<int>(std::lround(screenWidth_ * scale)));
    view.height = std::max(1, static_cast<int>(std::lround(screenHeight_ * scale)));
    view.x = (width - view.width) / 2;
    view.y = (height - view.height) / 2;
    return view;
  };
  int width = 0, height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  viewport_ = fit(width, height);
  int drawableWidth = 0, drawableHeight = 0;
  SDL_GL_GetDrawableSize(window_, &drawableWidth, &drawableHeight);
  const Viewport drawable = fit(drawableWidth, drawableHeight);
  if (renderer_) renderer_->SetViewport(drawable.x, drawable.y, drawable.width, drawable.height);
}

bool EngineImpl::IsWindow(std::uintptr_t hwnd) const {
  return window_ && hwnd == reinterpret_cast<std::uintptr_t>(window_);
}

void EngineImpl::GetCursorClientPos(int* x, int* y) const {
  *x = cursorX_;
  *y = cursorY_;
}

void EngineImpl::SetCursorClientPos(int x, int y) {
  cursorX_ = x;
  cursorY_ = y;
  if (window_ && !replay_) SDL_WarpMouseInWindow(window_, x + viewport_.x, y + viewport_.y);
}

void EngineImpl::GetClientSize(int* width, int* height) const {
  *width = viewport_.width;
  *height = viewport_.height;
}

bool EngineImpl::SetClientSize(int width, int height) {
  if (!window_ || !windowed_ || width <= 0 || height <= 0) return false;
  SDL_RestoreWindow(window_);
  SDL_SetWindowSize(window_, width, height);
  UpdateViewport();
  return true;
}

// ---- Loop ----

bool EngineImpl::PumpEvents() {
  SDL_Event event;
  bool open = true;
  while (SDL_PollEvent(&event)) {
    // A replay's input comes from its script alone; an interrupt (Ctrl+C) still stops it.
    if (replay_ && event.type == SDL_QUIT) open = false;
    if (replay_ && event.type != SDL_WINDOWEVENT) continue;
    switch (event.type) {
      case SDL_QUIT:
        if (RequestClose()) open = false;
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE && !replay_) {
          if (RequestClose()) open = false;
        } else {
          HandleWindowEvent(event.window);
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        HandleKey(event.key);
        break;
      case SDL_TEXTINPUT:
        HandleText(event.text.text);
        break;
      case SDL_MOUSEMOTION:
        InputMove(event.motion.x - viewport_.x, event.motion.y - viewport_.y);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        InputMove(event.button.x - viewport_.x, event.button.y - viewport_.y);
        if (const int key = ButtonKey(event.button.button))
          InputButton(key, event.type == SDL_MOUSEBUTTONDOWN);
        break;
      case SDL_MOUSEWHEEL:
        InputWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y
                                                                   : event.wheel.y);
        break;
      default:
        break;
    }
  }
  return open;
}

void EngineImpl::HandleWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      UpdateViewport();
      break;
    case SDL_WINDOWEVENT_MOVED:
      // No modal move loop here: a finished move counts as one entered and left at once.
      if (sizeMoveFunc_ && !replay_) {
        sizeMoveFunc_(true);
        sizeMoveFunc_(false);
      }
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_RESTORED:
      if (!replay_) ChangeFocus(true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
      if (!replay_) ChangeFocus(false);
      break;
    default:
      break;
  }
}

bool EngineImpl::RequestClose() {
  if (!exitFunc_ || exitFunc_()) return true;
  suspended_ = false;
  return false;
}

bool EngineImpl::WaitWhileSuspended() {
  while (suspended_) {
    SDL_WaitEvent(nullptr);
    if (!PumpEvents()) return false;
  }
  // The time away is no frame's time.
  lastCounter_ = frameStartCounter_ = SDL_GetPerformanceCounter();
  return true;
}

void EngineImpl::ChangeFocus(bool active) {
  if (active == active_) return;
  active_ = active;
  suspended_ = !active;
  if (active) {
    // Keys released while away would otherwise stay held.
    keyDown_.fill(false);
    if (focusGainFunc_) focusGainFunc_();
  } else if (focusLostFunc_) {
    focusLostFunc_();
  }
  if (activateFunc_) activateFunc_(active);
}

void EngineImpl::HandleKey(const SDL_KeyboardEvent& event) {
  const int key = VirtualKey(event.keysym.sym);
  if (key) InputKey(key, event.type == SDL_KEYDOWN, event.repeat != 0);
}

void EngineImpl::HandleText(const char* utf8) {
  const std::wstring units = Os::Utf8ToUtf16(utf8);
  InputText(std::u16string(units.begin(), units.end()));
}

void EngineImpl::InputKey(int key, bool down, bool repeat) {
  const bool shift = keyDown_[KEY_SHIFT];
  keyDown_[key & 0xFF] = down;
  const std::int32_t flags = ModifierFlags() | (repeat ? INPUT_FLAG_REPEAT : 0);
  PushEvent(down ? INPUT_KEYDOWN : INPUT_KEYUP, key, flags, KeyCharacter(key, shift), 0);
  if (!down) return;
  lastKey_ = key;
  // With Alt held Windows sends system keys, which its character translation never sees:
  // Alt+Enter switches the screen mode and must not also type a line break.
  const std::uint16_t control = ControlCharacter(key);
  if (control && !keyDown_[KEY_ALT]) InputText(std::u16string(1, control));
}

void EngineImpl::InputButton(int key, bool down) {
  keyDown_[key & 0xFF] = down;
  if (down) lastKey_ = key;
  PushEvent(down ? INPUT_MBUTTONDOWN : INPUT_MBUTTONUP, key, ModifierFlags(), 0, 0);
}

void EngineImpl::InputMove(int clientX, int clientY) {
  if (clientX == cursorX_ && clientY == cursorY_) return;
  cursorX_ = clientX;
  cursorY_ = clientY;
  PushEvent(INPUT_MOUSEMOVE, 0, ModifierFlags(), 0, 0);
}

void EngineImpl::InputWheel(int steps) {
  if (steps) PushEvent(INPUT_MOUSEWHEEL, 0, ModifierFlags(), 0, steps);
}

void EngineImpl::InputText(const std::u16string& units) {
  for (char16_t unit : units) {
    lastChar_ = unit;
    if (charFunc_) charFunc_(static_cast<std::uint16_t>(unit));
  }
}

void EngineImpl::PushEvent(std::int32_t type, std::int32_t key, std::int32_t flags,
                           std::int32_t chr, std::int32_t wheel) {
  events_.push_back({type, key, flags, chr, wheel, cursorX_, cursorY_});
}

std::int32_t EngineImpl::ModifierFlags() const {
  return (keyDown_[KEY_SHIFT] ? INPUT_FLAG_SHIFT : 0) | (keyDown_[KEY_CTRL] ? INPUT_FLAG_CTRL : 0) |
         (keyDown_[KEY_ALT] ? INPUT_FLAG_ALT : 0);
}

void EngineImpl::ResetInput() {
  keyDown_.fill(false);
  ClearEvents();
  lastKey_ = 0;
  lastChar_ = 0;
  cursorX_ = 0;
  cursorY_ = 0;
}

bool EngineImpl::ApplyReplayFrame(std::uint32_t frame) {
  const auto* events = replay_->EventsAt(frame);
  if (!events) return true;
  bool open = true;
  for (const ReplayEvent& event : *events) {
    switch (event.kind) {
      case ReplayEvent::Kind::KeyDown:
        InputKey(event.a, true, false);
        break;
      case ReplayEvent::Kind::KeyRepeat:
        InputKey(event.a, true, true);
        break;
      case ReplayEvent::Kind::KeyUp:
        InputKey(event.a, false, false);
        break;
      case ReplayEvent::Kind::ButtonDown:
        InputButton(event.a, true);
        break;
      case ReplayEvent::Kind::ButtonUp:
        InputButton(event.a, false);
        break;
      case ReplayEvent::Kind::Move:
        // Logical coordinates to the client's pixels, as a real cursor would report them.
        InputMove(event.a * viewport_.width / screenWidth_,
                  event.b * viewport_.height / screenHeight_);
        break;
      case ReplayEvent::Kind::Wheel:
        InputWheel(event.a);
        break;
      case ReplayEvent::Kind::Text:
        InputText(event.text);
        break;
      case ReplayEvent::Kind::Close:
        if (RequestClose()) open = false;
        break;
      case ReplayEvent::Kind::FocusLost:
        ChangeFocus(false);
        break;
      case ReplayEvent::Kind::FocusGain:
        ChangeFocus(true);
        break;
      case ReplayEvent::Kind::Shot:
        break;  // after the frame
    }
  }
  return open;
}

void EngineImpl::TakeScreenshot(const std::string& path) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(screenWidth_) * screenHeight_);
  if (!renderer_ || !renderer_->ReadScreenPixels(pixels.data())) {
    Log("Screenshot \"%s\": can't read the screen", path.c_str());
    return;
  }
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      pixels.data(), screenWidth_, screenHeight_, 32, screenWidth_ * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface || IMG_SavePNG(surface, path.c_str()) != 0)
    Log("Screenshot \"%s\": %s", path.c_str(), SDL_GetError());
  SDL_FreeSurface(surface);
}

void EngineImpl::AdvanceTime() {
  if (replay_) {
    delta_ = static_cast<float>(replay_->StepSeconds());
    time_ = replay_->StepSeconds() * frame_;
    // Sound advances by the same step, so a replay hears what it would have heard live.
    const auto frames = static_cast<int>(
        std::lround(replay_->StepSeconds() * frame_ * AudioMixer::kSampleRate) -
        std::lround(replay_->StepSeconds() * (frame_ - 1) * AudioMixer::kSampleRate));
    if (mixer_ && frames > 0) {
      mixBuffer_.resize(static_cast<std::size_t>(frames) * AudioMixer::kChannels);
      mixer_->Mix(mixBuffer_.data(), frames);
    }
    return;
  }
  const std::uint64_t now = SDL_GetPerformanceCounter();
  const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
  delta_ = static_cast<float>(static_cast<double>(now - lastCounter_) / frequency);
  time_ = static_cast<double>(now - startCounter_) / frequency;
  lastCounter_ = now;
}

void EngineImpl::WaitForFrameSlot() {
  const std::uint64_t frequency = SDL_GetPerformanceFrequency();
  if (pacedFps_ > 0 && !replay_) {
    const std::uint64_t slot = frequency / static_cast<std::uint64_t>(pacedFps_);
    for (;;) {
      const std::uint64_t elapsed = SDL_GetPerformanceCounter() - frameStartCounter_;
      if (elapsed >= slot) break;
      const auto ms = static_cast<Uint32>((slot - elapsed) * 1000 / frequency);
      SDL_Delay(ms > 0 ? ms : 0);
    }
  }
  frameStartCounter_ = SDL_GetPerformanceCounter();
}

// ---- Files ----

bool EngineImpl::AttachPack(const char* path, const char* password) {
  if (!path) return false;
  std::string error;
  auto pack = PackArchive::Open(path, password, &error);
  if (!pack) {
    Log("%s", error.c_str());
    return false;
  }
  // Attaching a pack again replaces it.
  std::erase_if(packs_, [&](const auto& open) { return open->Path() == pack->Path(); });
  packs_.push_back(std::move(pack));
  return true;
}

void* EngineImpl::ResourceLoad(const char* name, std::uint32_t* size) {
  if (size) *size = 0;
  if (!name || !*name) return nullptr;
  const std::string key = PackArchive::NormaliseName(name);
  for (auto it = packs_.rbegin(); it != packs_.rend(); ++it) {
    if (!(*it)->Contains(key)) continue;
    std::string error;
    if (void* data = (*it)->Read(key, size, &error)) return data;
    Log("Can't read \"%s\" from \"%s\": %s", name, (*it)->Path().c_str(), error.c_str());
  }
  std::string disk(name);
  std::replace(disk.begin(), disk.end(), '\\', '/');
  const std::string path =
      disk[0] == '/' ? FindOnDisk("/", disk.substr(1)) : FindOnDisk(programDirectory_, disk);
  return path.empty() ? nullptr : ReadWholeFile(path, size);
}

void EngineImpl::ResourceFree(void* data) {
  std::free(data);
}

// ---- Random and time ----

void EngineImpl::RandomSeed(int seed) {
  // Seed 0 asks for the clock, except in a replay, which keeps its script's seed.
  if (seed == 0 && replay_)
    randomState_ = replay_->Seed();
  else if (seed == 0)
    randomState_ = SDL_GetPerformanceCounter() ^ static_cast<std::uint64_t>(time(nullptr));
  else
    randomState_ = static_cast<std::uint64_t>(static_cast<std::uint32_t>(seed));
}

std::uint64_t EngineImpl::NextRandom() {
  std::uint64_t z = (randomState_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int EngineImpl::RandomInt(int min, int max) {
  if (max < min) std::swap(min, max);
  const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(max) - min) + 1;
  return static_cast<int>(min + static_cast<std::int64_t>(NextRandom() % span));
}

float EngineImpl::RandomFloat(float min, float max) {
  const float unit = static_cast<float>(NextRandom() >> 40) / static_cast<float>(1 << 24);
  return min + (max - min) * unit;
}

float EngineImpl::GetTime() {
  return static_cast<float>(time_);
}

float EngineImpl::GetDelta() {
  return delta_;
}

// ---- Input ----

bool EngineImpl::GetKeyState(int key) {
  return key >= 0 && key < 256 && keyDown_[key];
}

int EngineImpl::GetKey() {
  return lastKey_;
}

int EngineImpl::GetChar() {
  return lastChar_;
}

bool EngineImpl::GetEvent(EngineInputEvent* event) {
  if (nextEvent_ >= events_.size() || !event) return false;
  *event = events_[nextEvent_++];
  if (nextEvent_ == events_.size()) ClearEvents();
  return true;
}

void EngineImpl::ClearEvents() {
  events_.clear();
  nextEvent_ = 0;
}

void EngineImpl::GetMousePos(float* x, float* y) {
  const float scaleX =
      viewport_.width > 0 ? static_cast<float>(screenWidth_) / viewport_.width : 1.0f;
  const float scaleY =
      viewport_.height > 0 ? static_cast<float>(screenHeight_) / viewport_.height : 1.0f;
  if (x) *x = static_cast<float>(cursorX_) * scaleX;
  if (y) *y = static_cast<float>(cursorY_) * scaleY;
}

// ---- Sound ----

EngineStream EngineImpl::StreamLoad(const char* name, std::uint32_t size) {
  return mixer_ ? mixer_->StreamLoad(name, size) : 0;
}
void EngineImpl::StreamFree(EngineStream stream) {
  if (mixer_) mixer_->StreamFree(stream);
}
EngineChannel EngineImpl::StreamPlay(EngineStream stream, bool loop, int volume) {
  return mixer_ ? mixer_->StreamPlay(stream, loop, volume) : 0;
}
void EngineImpl::ChannelSetVolume(EngineChannel channel, int volume) {
  if (mixer_) mixer_->ChannelSetVolume(channel, volume);
}
void EngineImpl::ChannelSetPitch(EngineChannel channel, float pitch) {
  if (mixer_) mixer_->ChannelSetPitch(channel, pitch);
}
void EngineImpl::ChannelPause(EngineChannel channel) {
  if (mixer_) mixer_->ChannelPause(channel);
}
void EngineImpl::ChannelResume(EngineChannel channel) {
  if (mixer_) mixer_->ChannelResume(channel);
}
void EngineImpl::ChannelStop(EngineChannel channel) {
  if (mixer_) mixer_->ChannelStop(channel);
}
bool EngineImpl::ChannelIsPlaying(EngineChannel channel) {
  return mixer_ && mixer_->ChannelIsPlaying(channel);
}
void EngineImpl::ChannelStopAll() {
  if (mixer_) mixer_->ChannelStopAll();
}

// ---- Drawing, targets and textures ----

bool EngineImpl::BeginScene(EngineTarget target) {
  return renderer_ && renderer_->BeginScene(target);
}
void EngineImpl::EndScene() {
  if (renderer_) renderer_->EndScene();
}
void EngineImpl::Clear(std::uint32_t color) {
  if (renderer_) renderer_->Clear(color);
}
void EngineImpl::RenderLine(float x1, float y1, float x2, float y2, std::uint32_t color, float z) {
  if (renderer_) renderer_->RenderLine(x1, y1, x2, y2, color, z);
}
void EngineImpl::RenderTriple(const EngineTriple* triple) {
  if (renderer_) renderer_->RenderTriple(triple);
}
void EngineImpl::RenderQuad(const EngineQuad* quad) {
  if (renderer_) renderer_->RenderQuad(quad);
}
EngineVertex* EngineImpl::StartBatch(EngineBatch kind, EngineTexture texture, int blend,
                                     int* capacity) {
  return renderer_ ? renderer_->StartBatch(kind, texture, blend, capacity) : nullptr;
}
void EngineImpl::FinishBatch(int count) {
  if (renderer_) renderer_->FinishBatch(count);
}
void EngineImpl::SetPointSize(float diameter) {
  if (renderer_) renderer_->SetPointSize(diameter);
}
void EngineImpl::Flush() {
  if (renderer_) renderer_->Flush();
}
void EngineImpl::SetClipping(int x, int y, int w, int h) {
  if (renderer_) renderer_->SetClipping(x, y, w, h);
}
void EngineImpl::SetTransform(float x, float y, float dx, float dy, float rot, float hscale,
                              float vscale) {
  if (renderer_) renderer_->SetTransform(x, y, dx, dy, rot, hscale, vscale);
}
void EngineImpl::SetTextureWrap(bool wrap) {
  if (renderer_) renderer_->SetTextureWrap(wrap);
}
void EngineImpl::SetCullMode(EngineCull mode) {
  if (renderer_) renderer_->SetCullMode(mode);
}

EngineTarget EngineImpl::TargetCreate(int width, int height, bool zbuffer) {
  return renderer_ ? renderer_->TargetCreate(width, height, zbuffer) : 0;
}
void EngineImpl::TargetFree(EngineTarget target) {
  if (renderer_) renderer_->TargetFree(target);
}
EngineTexture EngineImpl::TargetGetTexture(EngineTarget target) {
  return renderer_ ? renderer_->TargetGetTexture(target) : 0;
}
bool EngineImpl::TargetReadPixels(EngineTarget target, std::uint32_t* out) {
  return renderer_ && renderer_->TargetReadPixels(target, out);
}

EngineTexture EngineImpl::TextureCreate(int width, int height) {
  return renderer_ ? renderer_->TextureCreate(width, height) : 0;
}
EngineTexture EngineImpl::TextureLoad(const char* name, std::uint32_t size, bool mipmap) {
  return renderer_ ? renderer_->TextureLoad(name, size, mipmap) : 0;
}
void EngineImpl::TextureFree(EngineTexture texture) {
  if (renderer_) renderer_->TextureFree(texture);
}
int EngineImpl::TextureGetWidth(EngineTexture texture, bool original) {
  return renderer_ ? renderer_->TextureGetWidth(texture, original) : 0;
}
int EngineImpl::TextureGetHeight(EngineTexture texture, bool original) {
  return renderer_ ? renderer_->TextureGetHeight(texture, original) : 0;
}
std::uint32_t* EngineImpl::TextureLock(EngineTexture texture, bool readOnly, int left, int top,
                                       int width, int height) {
  return renderer_ ? renderer_->TextureLock(texture, readOnly, left, top, width, height) : nullptr;
}
void EngineImpl::TextureUnlock(EngineTexture texture) {
  if (renderer_) renderer_->TextureUnlock(texture);
}
