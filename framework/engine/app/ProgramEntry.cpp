#include "framework/engine/app/ProgramEntry.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/EngineCallbacks.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/app/ShellGlobals.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace GF::HGENS {
namespace {

// The start-up settings of this build.
constexpr bool kWindowed = true;
constexpr int kResolutionIndex = 1;  // 0: 640 x 480, 1: 800 x 600, 2: 1024 x 768
constexpr int kFrameSetting =
    -1;  // > 0: frames a second = 1000 / setting; 0: unlimited; < 0: vsync

// Longest command line kept as the "TestLevelFromLevelEditor" property, in UTF-16 units.
constexpr std::size_t kMaxEditorArgument = 511;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void ShowStartupError(const char* text) {
  Os::ShowMessageBox(text, kWindowTitle, Os::MessageBoxButtons::Ok, Os::MessageBoxIcon::Warning);
}

// The text after the program's path, as one line: the words the shell gave, joined by spaces.
std::string JoinArguments(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

// The "/cr" road: true when the words ask to compile a resource script (and it was done).
bool RunScriptCompiler(const std::vector<std::string>& words) {
  if (words.size() <= 3 || words[1] != "/cr") return false;
  if (auto compile = GetServiceProviders().compileResourceScript) {
    compile(words[2].c_str(), words[3].c_str());
  } else {
    std::fprintf(stderr, "This build has no resource-script compiler\n");
  }
  return true;
}

// The path that relaunches this program: a bare name came through the PATH search, which
// launching does not repeat, so it is completed with the program's folder.
std::string ProgramPath(const std::string& firstWord) {
  if (firstWord.empty() || firstWord.find('/') != std::string::npos) return firstWord;
  return Os::GetProgramDirectory() + firstWord;
}

void SetEngineStates(Engine& engine) {
  engine.SetStateFunc(EngineState::Frame, EngineFrameFunc);
  engine.SetStateString(EngineState::Title, kWindowTitle);
  engine.SetStateBool(EngineState::Windowed, kWindowed);
  engine.SetStateFunc(EngineState::FocusGain, EngineFocusGainFunc);
  engine.SetStateFunc(EngineState::FocusLost, EngineFocusLostFunc);
  engine.SetStateFunc(EngineState::Exit, EngineExitFunc);
  engine.SetStateBool(EngineState::Bool18, true);
  engine.SetStateInt(EngineState::Int20, 0);
  engine.SetStateInt(EngineState::Int21, 0);
}

void StoreEditorArgument(CGameProperties& properties, const std::string& line) {
  if (line.empty()) return;
  std::wstring units = Os::Utf8ToUtf16(line);
  if (units.size() > kMaxEditorArgument) units.resize(kMaxEditorArgument);
  properties["TestLevelFromLevelEditor"] = units;
}

void SetScreenStates(Engine& engine, CGameProperties& properties) {
  static constexpr int kSizes[3][2] = {{640, 480}, {800, 600}, {1024, 768}};
  if (kResolutionIndex >= 0 && kResolutionIndex < 3) {
    const int width = kSizes[kResolutionIndex][0];
    const int height = kSizes[kResolutionIndex][1];
    engine.SetStateInt(EngineState::ScreenWidth, width);
    engine.SetStateInt(EngineState::ScreenHeight, height);
    GetShellGlobals().windowWidth = width;
    properties.SetScreenSize(width, height);
  }
  const int fps = kFrameSetting > 0 ? 1000 / kFrameSetting : (kFrameSetting == 0 ? 0 : -1);
  engine.SetStateInt(EngineState::Fps, fps);
  engine.SetStateBool(EngineState::HideMouse, false);
}

// Makes the application, runs it, and shuts it down; the engine is initiated.
void RunApplication(Engine& engine, ApplicationFactory factory) {
  std::unique_ptr<CApplication> application = factory ? factory(&engine) : nullptr;
  if (!application) {
    engine.Log("No application to run: the application factory made none");
    return;
  }
  SetApplication(std::move(application));
  CApplication& app = *GetShellGlobals().applicationOwner;
  if (app.Init()) engine.Start();
  app.Shutdown();
}

// Everything that calls the engine goes before the engine shuts down: the callbacks are
// unhooked, the application and the services torn down, and the lock released.
void TearDown(Engine& engine) {
  engine.SetStateFunc(EngineState::Frame, nullptr);
  engine.SetStateFunc(EngineState::FocusLost, nullptr);
  engine.SetStateFunc(EngineState::FocusGain, nullptr);
  engine.SetStateFunc(EngineState::Exit, nullptr);
  engine.SetStateCharFunc(EngineState::CharInput, nullptr);
  engine.SetStateActivateFunc(EngineState::SizeMove, nullptr);
  GetShellGlobals().applicationOwner.reset();
  ReleaseEngineServices();
  ReleaseSingleInstance();
  engine.Shutdown();
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (true) {
    while (i < n && IsSpace(text[i])) ++i;
    if (i >= n) break;
    if (text[i] == '"') {
      const std::size_t start = ++i;
      while (i < n && !(text[i] == '"' && (i + 1 == n || IsSpace(text[i + 1])))) ++i;
      words.push_back(text.substr(start, i - start));
      i += 2;  // the closing quote and the white space after it
    } else {
      const std::size_t start = i;
      while (i < n && !IsSpace(text[i])) ++i;
      words.push_back(text.substr(start, i - start));
      ++i;
    }
  }
  return words;
}

bool GetVideoMemorySize() {
  if (Os::GetOsMajorVersion() > 5) return true;
  std::vector<std::uint8_t> value;
  if (!Os::ReadRegistryValue("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", &value)) {
    return true;
  }
  // A text value: up to its terminating zero, at most 255 bytes.
  std::string path(value.begin(), value.end());
  path = path.substr(0, std::min(path.find('\0'), std::size_t{255}));
  constexpr std::size_t kMachinePrefix = 18;  // "\Registry\Machine\"
  if (path.size() <= kMachinePrefix) return true;
  std::vector<std::uint8_t> size;
  if (!Os::ReadRegistryValue(path.substr(kMachinePrefix), "HardwareInformation.MemorySize",
                             &size) ||
      size.size() < 4) {
    return true;
  }
  const std::uint32_t bytes =
      size[0] | size[1] << 8 | size[2] << 16 | static_cast<std::uint32_t>(size[3]) << 24;
  return bytes >= 0x800000;
}

bool CheckSystem() {
  std::vector<std::uint8_t> version;
  if (Os::ReadRegistryValue("SOFTWARE\\Microsoft\\DirectX", "InstalledVersion", &version) &&
      version.size() >= 4) {
    const auto major = static_cast<std::int8_t>(version[3]);
    if (major != 0 && major < 8) {
      ShowStartupError("DirectX 8 or later is required");
      return false;
    }
  }
  ShellGlobals& shell = GetShellGlobals();
  shell.startupColourDepth = Os::GetDesktopColourDepth();
  if (shell.startupColourDepth != 16 && shell.startupColourDepth != 32) {
    ShowStartupError("Please change color depth to 16 or 32 bit");
    return false;
  }
  if (!GetVideoMemorySize()) {
    ShowStartupError("Not enough video memory to start game.");
    return false;
  }
  return true;
}

bool AcquireSingleInstance() {
  ShellGlobals& shell = GetShellGlobals();
  if (!shell.instanceLock.Acquire(kWindowTitle)) return false;
  shell.createdInstanceMutex = true;
  return true;
}

void ReleaseSingleInstance() {
  ShellGlobals& shell = GetShellGlobals();
  shell.instanceLock.Release();
  shell.createdInstanceMutex = false;
}

void SetApplication(std::unique_ptr<CApplication> application) {
  auto& owner = GetShellGlobals().applicationOwner;
  if (owner != application) owner = std::move(application);
}

int RunProgram(int argc, char** argv, ApplicationFactory factory) {
  if (Os::GetOsMajorVersion() > 5) Os::RaiseProcessPriority();

  const std::string arguments = JoinArguments(argc, argv);
  std::vector<std::string> words = SplitCommandLine(arguments);
  words.insert(words.begin(), argc > 0 ? argv[0] : "");
  if (RunScriptCompiler(words)) return 0;

  ShellGlobals& shell = GetShellGlobals();
  shell.programPath = ProgramPath(words.front());
  if (!CheckSystem() || !AcquireSingleInstance()) return 0;
  const std::string programDirectory = Os::GetProgramDirectory();

  Engine* engine = hgeCreate(ENGINE_VERSION);
  shell.engine = engine;
  shell.altEnterArmed = false;  // nothing carries over from an earlier run in this process
  shell.relayoutPending = false;
  GetKeyset()->Reset();
  SetEngineStates(*engine);
  THolder<CGameProperties> properties = GetGameProperties();
  StoreEditorArgument(*properties, arguments);
  SetScreenStates(*engine, *properties);

  if (!engine->Initiate()) {
    Os::ShowMessageBox(engine->GetErrorMessage(), kWindowTitle, Os::MessageBoxButtons::Ok,
                       Os::MessageBoxIcon::Warning);
  } else {
    EngineFocusGainFunc();
    engine->AttachPack((programDirectory + "resource.dat").c_str());
    RunApplication(*engine, factory);
  }
  TearDown(*engine);
  shell.engine = nullptr;
  engine->Release();
  return 0;
}

}  // namespace GF::HGENS
