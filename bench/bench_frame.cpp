// Runs the real program headless in the deterministic mode on the sample content
// ("resource.dat" beside this program, made by the sample_content target): the sample menu
// (items "play" and "quit", the check box "sound", the hint line), the custom cursor, the
// looping particle system "effects.glow" and the game's curtain, in seven phases (see
// kPhases): two of cursor moves, one where the curtain closes and opens over the menu, one
// where a cook-book leaf made from the first two sample pages turns over and over, one on a
// kitchen screen over the menu (CBenchKitchenScreen: the kitchen field playing "stage1_1"
// past its count-down, the cook fetching the eggs and the flour, the mixer working, the order
// served and the next customer coming), one on the idle progress map (its background
// grid, the stage carousel and the shelf) that takes the menu's place, and one on the cook
// book screen over the map, whose pages the Right and Left keys turn one after the other.
// From the curtain phase on, the curtain's two halves stay drawn beside the screen (450
// quads): the page-curl phase's quads are theirs, the menu's and the leaf's two passes.
// After the warm-up (the menu's show animation) it prints, for each phase, per-frame
// medians of the renderer's draw calls (one per batch), vertex uploads, quads and other
// primitives, of the heap allocations on the main thread inside the frame callback and in
// the engine loop around it (with their means: changes come every few frames), and of the
// time of the frame callback and of the whole loop pass; and the time that making the
// leaf's two page images once more took, and the median time of the book's frames that start
// a turn (what a page change costs: the next leaf's two page images).
//
//   bench_frame [--where]
//
// --where prints the call stack of every allocation in the measured frames and the loop
// passes after them, to standard error (mangled names; pipe through c++filt).
#include <execinfo.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "bench/CBenchKitchenScreen.h"
#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/CCheckBoxControl.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/CWindowShadesEffect.h"
#include "game/screens/GameScreens.h"
#include "game/screens/cookbook/CCookBook.h"
#include "game/screens/cookbook/CPaperEffect.h"
#include "game/screens/cookbook/PageLayout.h"
#include "game/screens/map/CMapScreen.h"
#include "platform/EngineImpl.h"
#include "platform/GlRenderer.h"

// ---- Allocation counting: every operator new of the main thread while counting is on ----

namespace {

thread_local bool t_counting = false;
thread_local bool t_tracing = false;
thread_local bool t_inTrace = false;
thread_local std::uint64_t t_allocations = 0;

void TraceAllocation(std::size_t size) {
  if (t_inTrace) return;  // backtrace itself may allocate the first time
  t_inTrace = true;
  void* frames[24];
  const int depth = backtrace(frames, 24);
  std::fprintf(stderr, "-- allocation of %zu bytes\n", size);
  backtrace_symbols_fd(frames + 2, depth - 2, STDERR_FILENO);
  t_inTrace = false;
}

void* Allocate(std::size_t size, std::size_t alignment = 0) {
  if (t_counting) {
    ++t_allocations;
    if (t_tracing) TraceAllocation(size);
  }
  if (size == 0) size = 1;
  void* p = nullptr;
  if (alignment > alignof(std::max_align_t)) {
    p = std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
  } else {
    p = std::malloc(size);
  }
  return p;
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, std::align_val_t al) {
  if (void* p = Allocate(size, static_cast<std::size_t>(al))) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t al) {
  if (void* p = Allocate(size, static_cast<std::size_t>(al))) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}

namespace {

constexpr int kStepMs = 20;
constexpr int kWarmupFrames = 60;  // the menu's show animation takes 26 frames of 20 ms
constexpr int kPhaseFrames = 300;

// The cursor in the measured phases. Hover: it circles inside the "play" button,
// (352, 228)-(448, 252), whose hint shows. Sweep: it goes from "play" to the gap below it,
// to "quit" and to the check box "sound", four frames at each, so the controls change
// state and the hint line changes text every few frames. Curtain: as hover, while the
// curtain's runs of 1250 ms close and open over the menu one after the other. Page curl and
// kitchen: as hover. Idle map: as hover, over the chosen stage's plate, which does not react.
struct Phase {
  const char* name;
  void (*cursor)(int frame, int* x, int* y);
};

void HoverCursor(int frame, int* x, int* y) {
  const double angle = frame * 0.3;
  *x = static_cast<int>(std::lround(400.0 + 40.0 * std::cos(angle)));
  *y = static_cast<int>(std::lround(240.0 + 8.0 * std::sin(angle)));
}

void SweepCursor(int frame, int* x, int* y) {
  static const int kStopY[] = {240, 280, 320, 400};
  *x = 400;
  *y = kStopY[frame / 4 % 4];
}

// Book: it rests on the pages.
void RestCursor(int, int* x, int* y) {
  *x = 580;
  *y = 300;
}

const Phase kPhases[] = {{"hover", HoverCursor},   {"sweep", SweepCursor},
                         {"curtain", HoverCursor}, {"page curl", HoverCursor},
                         {"kitchen", HoverCursor}, {"idle map", HoverCursor},
                         {"cook book", RestCursor}};
constexpr int kCurtainPhase = 2;
constexpr int kCurlPhase = 3;
constexpr int kKitchenPhase = 4;
constexpr int kMapPhase = 5;
constexpr int kBookPhase = 6;
constexpr int kBookOpenFrames = 40;             // the book's show animation, and its first spread
constexpr int kPageFrames = 40;                 // a turn of 700 ms, then a rest
constexpr int kTurnFrames = 60;                 // one turn of the leaf
constexpr float kCurtainRun = 1250.0f;          // ms, as every screen runs it
constexpr int kCurtainFrames = 1260 / kStepMs;  // a run and the frame that sees it end
constexpr int kPhaseCount = sizeof kPhases / sizeof kPhases[0];
constexpr int kFrames = kWarmupFrames + kPhaseCount * kPhaseFrames;

// The phase of a frame counted from 0; -1 during the warm-up (which moves like the first).
int PhaseOf(int frame) {
  return frame < kWarmupFrames ? -1 : (frame - kWarmupFrames) / kPhaseFrames;
}

struct FrameFigures {
  double drawCalls = 0, uploads = 0, quads = 0, primitives = 0;
  double frameAllocations = 0, loopAllocations = 0;
  double frameMs = 0, loopMs = 0;
};

std::vector<FrameFigures> g_figures[kPhaseCount];
bool g_where = false;
double g_pageImagesMs = -1.0;        // one SetPageTextures; -1 when it failed
std::vector<double> g_pageChangeMs;  // per turn of the book, its slowest first frame

// The book's frames whose key starts a turn: Right and Left in turn.
bool StartsTurn(int phaseFrame) {
  return phaseFrame >= kBookOpenFrames && (phaseFrame - kBookOpenFrames) % kPageFrames == 0;
}

class CBenchMenu : public GF::HGENS::CMenuScreenAbstract {
 protected:
  void OnInit() override {
    AddMenuItem("play", "play", false, kUsualFlags);
    AddMenuItem("quit", "quit", false, kLiveIdle);
    CreateCheckBox("sound", true);
    CMenuScreenAbstract::OnInit();
  }
};

GF::THolder<GF::IScreen> CreateBenchMenu() {
  return GF::THolder<GF::IScreen>(new CBenchMenu);
}

// Counts around each frame callback: its own figures, and those of the loop pass before it
// (from the end of the previous callback to the start of this one).
class CBenchApplication : public GF::HGENS::CApplication {
 public:
  using CApplication::CApplication;

  bool Init() override {
    CApplication::Init();
    m_gameManager->RegisterScreen("menu", CreateBenchMenu);
    m_gameManager->RegisterScreen("CookingBookScreen", CCookBook::Create);
    m_gameManager->CreateScreen("menu", "main_menu.menu", nullptr, nullptr);
    const GF::THolder<GF::IScreen> menu = m_gameManager->TopScreen();
    if (!menu) return false;
    menu->Activate();
    menu->GetScene()->PlayAnimation("effects.glow", 0.0f, 0.0f, "all", -1, 0.0f);
    if (const GF::THolder<GF::HGENS::ICustomCursor> cursor = GF::HGENS::GetCustomCursor()) {
      cursor->Enable("interfaces.menu_cursor");
    }
    // The curtain's paths and sound come with the game data.
    LoadGameDataFile();
    ResetProgressToDefault();
    m_curtain = CWindowShadesEffect::Create();
    m_curtain->SetScene(menu->GetScene());
    m_renderer = EngineImpl::Current()->Renderer();
    m_gameManager->RegisterScreen("kitchen", CBenchKitchenScreen::Create);
    return m_renderer != nullptr && MakeLeaf(menu->GetScene()) && LoadLibraryDataFile();
  }

  void Shutdown() override {
    CApplication::Shutdown();
    m_curtain.Reset();
    m_leaf.Reset();
    m_pages.Clear();
    ReleaseGameScreenParts();
  }

  bool Frame(float dt) override {
    using Clock = std::chrono::steady_clock;
    const std::uint64_t before = t_allocations;
    const Clock::time_point start = Clock::now();
    const int phase = PhaseOf(m_frame);
    m_renderer->ResetStats();
    if (g_where && phase >= 0)
      std::fprintf(stderr, "-- frame %d (%s)\n", m_frame, kPhases[phase].name);
    t_tracing = g_where && phase >= 0;
    if (phase == kCurtainPhase) RunCurtain(m_frame - kWarmupFrames - kCurtainPhase * kPhaseFrames);
    if (phase == kCurlPhase) TurnLeaf(m_frame - kWarmupFrames - kCurlPhase * kPhaseFrames);
    if (phase == kKitchenPhase && m_frame == kWarmupFrames + kKitchenPhase * kPhaseFrames)
      OpenKitchen();
    if (phase == kMapPhase && m_frame == kWarmupFrames + kMapPhase * kPhaseFrames) OpenMap();
    const int bookFrame = m_frame - kWarmupFrames - kBookPhase * kPhaseFrames;
    if (bookFrame == 0)
      m_gameManager->CreateScreen("CookingBookScreen", "cookingbook.cookbook_screen", nullptr,
                                  nullptr);
    const bool more = CApplication::Frame(dt);
    t_tracing = t_tracing && m_frame + 1 < kFrames;  // not the shutdown after the last
    if (t_tracing) std::fprintf(stderr, "-- engine loop after frame %d\n", m_frame);
    const Clock::time_point end = Clock::now();
    if (phase >= 0) {
      const RenderStats& stats = m_renderer->Stats();
      FrameFigures f;
      f.drawCalls = static_cast<double>(stats.drawCalls);
      f.uploads = static_cast<double>(stats.uploads);
      f.quads = static_cast<double>(stats.quads);
      f.primitives = static_cast<double>(stats.primitives);
      f.frameAllocations = static_cast<double>(t_allocations - before);
      f.frameMs = std::chrono::duration<double, std::milli>(end - start).count();
      // The key reaches the book in the frame after it is pressed, or in the one after.
      if (phase == kBookPhase && StartsTurn(bookFrame)) g_pageChangeMs.push_back(0.0);
      if (phase == kBookPhase && bookFrame >= kBookOpenFrames &&
          (bookFrame - kBookOpenFrames) % kPageFrames < 3)
        g_pageChangeMs.back() = std::max(g_pageChangeMs.back(), f.frameMs);
      f.loopAllocations = static_cast<double>(before - m_lastEndAllocations);
      f.loopMs = std::chrono::duration<double, std::milli>(start - m_lastStart).count();
      g_figures[phase].push_back(f);
    }
    m_lastEndAllocations = t_allocations;
    m_lastStart = start;
    ++m_frame;
    return more;
  }

 private:
  // Closes and opens the curtain in turn, as the flow rules would ask for it.
  void RunCurtain(int frame) {
    if (frame % kCurtainFrames != 0) return;
    const bool close = frame / kCurtainFrames % 2 == 0;
    const int mode = close ? CWindowShadesEffect::kClosing : CWindowShadesEffect::kOpening;
    CurrentProfile()
        .Strings[close ? ProfileString::ShadesHideRequest : ProfileString::ShadesShowRequest] =
        close ? "curtain_close" : "curtain_open";
    m_curtain->Start(mode, kCurtainRun);
  }

  // A leaf over the right half of the menu, fronted by page 0 and backed by page 1 of the
  // sample cook book, as the cook book makes its leaves; it joins the scene for its phase.
  bool MakeLeaf(const GF::THolder<GF::IScene>& scene) {
    if (!LoadLevelsDataFile()) return false;
    m_pages.Init(scene);
    for (const CookBookGroup& entry : CookBookGroups) m_pages.PlaceEntry(entry, true);
    const auto width = static_cast<int>(m_pages.PageWidth());
    const auto height = static_cast<int>(m_pages.PageHeight());
    m_leaf = CPaperEffect::Create(0.0f, 0.5f, 1.5707964f, {424, 37, 424 + width, 37 + height});
    m_leaf->SetTextureSize(width - 2, height - 2);
    m_leaf->SetLayer(100);
    GF::IAnimation::AnimationPtr front, back;
    m_pages.MakeLeftPage(front, 0, -1.0f, false);
    m_pages.MakeRightPage(back, 1, 1.0f, false);
    const EngineTexture mask = GF::HGENS::CResourceCache::Instance()->GetTexture("cookbook_page_1");
    // The first making also loads the pages' textures and fonts; the second is the work of
    // each page turn.
    bool made = m_leaf->SetPageTextures(front, back, mask, mask);
    const auto start = std::chrono::steady_clock::now();
    made = made && m_leaf->SetPageTextures(front, back, mask, mask);
    const auto end = std::chrono::steady_clock::now();
    if (made) g_pageImagesMs = std::chrono::duration<double, std::milli>(end - start).count();
    // The page objects were made for the images only.
    for (GF::IAnimation::AnimationPtr* page : {&front, &back})
      if (*page) (*page)->Detach();
    m_scene = scene;
    return made;
  }

  // The kitchen goes over the menu, which then stands still below it.
  void OpenKitchen() {
    m_gameManager->CreateScreen("kitchen", "main_menu.game_screen", nullptr, nullptr);
    m_gameManager->TopScreen()->Activate();
  }

  // The progress map of the default player in the menu's place; its show takes the first
  // 20 frames of the phase.
  void OpenMap() {
    m_gameManager->DestroyAllScreens();
    m_gameManager->RegisterScreen("ProgressMapScreen", CMapScreen::Create);
    m_gameManager->CreateScreen("ProgressMapScreen", "ProgressMap.layout", nullptr, nullptr);
    if (const GF::THolder<GF::IScreen> map = m_gameManager->TopScreen()) map->Activate();
  }

  void TurnLeaf(int frame) {
    if (frame == 0) m_scene->AddDrawable(GF::IScene::DrawablePtr(m_leaf.Get()));
    const float t = static_cast<float>(frame % kTurnFrames) / (kTurnFrames - 1);
    m_leaf->progress = t;
    m_leaf->SetProgress(t);
  }

  GF::THolder<CWindowShadesEffect> m_curtain;
  PageLayout m_pages;
  GF::THolder<CPaperEffect> m_leaf;
  GF::THolder<GF::IScene> m_scene;
  GlRenderer* m_renderer = nullptr;
  int m_frame = 0;
  std::uint64_t m_lastEndAllocations = 0;
  std::chrono::steady_clock::time_point m_lastStart;
};

std::unique_ptr<GF::HGENS::CApplication> CreateBenchApplication(Engine* engine) {
  return std::make_unique<CBenchApplication>(engine);
}

// The replay script: the frame step, the frame count and the cursor of every frame (the
// script counts frames from 1, the application from 0).
std::string MakeScript() {
  char line[64];
  std::snprintf(line, sizeof line, "step %d\nframes %d\n", kStepMs, kFrames);
  std::string script = line;
  for (int frame = 0; frame < kFrames; ++frame) {
    int x = 0, y = 0;
    kPhases[std::max(PhaseOf(frame), 0)].cursor(frame, &x, &y);
    std::snprintf(line, sizeof line, "@%d move %d %d\n", frame + 1, x, y);
    script += line;
    const int bookFrame = frame - kWarmupFrames - kBookPhase * kPhaseFrames;
    if (bookFrame < 0 || !StartsTurn(bookFrame)) continue;
    // Right (39), then Left (37).
    const int key = (bookFrame - kBookOpenFrames) / kPageFrames % 2 == 0 ? 39 : 37;
    std::snprintf(line, sizeof line, "@%d keydown %d\n@%d keyup %d\n", frame + 1, key, frame + 2,
                  key);
    script += line;
  }
  return script;
}

// The user's folders and the SDL drivers of a headless run, in a folder of the run's own.
std::filesystem::path IsolateRun() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bench_frame." + std::to_string(getpid()));
  for (const char* sub : {"home", "data", "runtime"})
    std::filesystem::create_directories(dir / sub);
  setenv("HOME", (dir / "home").c_str(), 1);
  setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::ofstream(dir / "run.txt") << MakeScript();
  setenv("PANMASTER_REPLAY", (dir / "run.txt").c_str(), 1);
  return dir;
}

double Median(std::vector<FrameFigures> figures, double FrameFigures::*field) {
  std::sort(figures.begin(), figures.end(),
            [field](const FrameFigures& a, const FrameFigures& b) { return a.*field < b.*field; });
  return figures[figures.size() / 2].*field;
}

double Mean(const std::vector<FrameFigures>& figures, double FrameFigures::*field) {
  double sum = 0;
  for (const FrameFigures& f : figures) sum += f.*field;
  return sum / static_cast<double>(figures.size());
}

// One figure of every phase on a line: the label, then a column a phase.
void PrintRow(const char* label,
              double (*reduce)(const std::vector<FrameFigures>&, double FrameFigures::*),
              double FrameFigures::*field, int decimals) {
  std::printf("%-36s", label);
  for (const std::vector<FrameFigures>& figures : g_figures) {
    std::printf(" %9.*f", decimals, reduce(figures, field));
  }
  std::printf("\n");
}

double MedianOf(const std::vector<FrameFigures>& figures, double FrameFigures::*field) {
  return Median(figures, field);
}

}  // namespace

int main(int argc, char** argv) {
  g_where = argc > 1 && std::strcmp(argv[1], "--where") == 0;
  const std::filesystem::path dir = IsolateRun();
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  for (std::vector<FrameFigures>& figures : g_figures) figures.reserve(kPhaseFrames);
  char program[] = "bench_frame";
  char* programArgv[] = {program};
  t_counting = true;
  GF::HGENS::RunProgram(1, programArgv, CreateBenchApplication);
  t_counting = false;
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);

  for (const std::vector<FrameFigures>& figures : g_figures) {
    if (figures.size() == kPhaseFrames) continue;
    std::fprintf(stderr,
                 "bench_frame: the run ended early (is resource.dat beside the program?)\n");
    return 1;
  }
  std::printf(
      "bench_frame: sample menu, hint, particles, curtain, page curl, kitchen, map, cook book; %d "
      "ms frames; "
      "%d frames a "
      "phase after "
      "%d\n",
      kStepMs, kPhaseFrames, kWarmupFrames);
  std::printf("%-36s", "per frame (median unless said)");
  for (const Phase& phase : kPhases) std::printf(" %9s", phase.name);
  std::printf("\n");
  PrintRow("draw calls (one per batch)", MedianOf, &FrameFigures::drawCalls, 0);
  PrintRow("vertex uploads", MedianOf, &FrameFigures::uploads, 0);
  PrintRow("quads", MedianOf, &FrameFigures::quads, 0);
  PrintRow("primitives (quads and others)", MedianOf, &FrameFigures::primitives, 0);
  PrintRow("allocations in the frame", MedianOf, &FrameFigures::frameAllocations, 0);
  PrintRow("allocations in the frame, mean", Mean, &FrameFigures::frameAllocations, 2);
  PrintRow("allocations in the engine loop", MedianOf, &FrameFigures::loopAllocations, 0);
  PrintRow("allocations in the engine loop, mean", Mean, &FrameFigures::loopAllocations, 2);
  PrintRow("frame time (ms)", MedianOf, &FrameFigures::frameMs, 3);
  PrintRow("loop pass time (ms)", MedianOf, &FrameFigures::loopMs, 3);
  std::printf("making the leaf's two page images again (ms): %.3f\n", g_pageImagesMs);
  std::sort(g_pageChangeMs.begin(), g_pageChangeMs.end());
  if (!g_pageChangeMs.empty())
    std::printf("cook book: the frame that starts a page turn (ms, median of %zu): %.3f\n",
                g_pageChangeMs.size(), g_pageChangeMs[g_pageChangeMs.size() / 2]);
  return 0;
}
