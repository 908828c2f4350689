// Times the printing of the sample recipe page, which blocks the frame that asked for it:
// the engine runs headless on the sample content ("resource.dat" beside this program, made
// by the sample_content target), the frame pieces and a dish picture are taken from their
// layout objects, and PrintRecipePage writes a PDF (and, for comparison, a PNG) into a
// temporary folder. Prints the median and the slowest of the runs, in milliseconds.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "game/screens/cookbook/RecipePrinting.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace {

constexpr int kRuns = 15;

struct Page {
  std::vector<PrintImage> images;  // the six frame pieces, then the picture
};

// Milliseconds of each run of one page into the file.
std::vector<double> TimePrinting(const Page& page, const std::string& file) {
  setenv("PANMASTER_PRINT_FILE", file.c_str(), 1);
  std::vector<double> ms;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const auto& i = page.images;
    PrintRecipePage(GetPrintContext(), i[0], i[1], i[2], i[3], i[4], i[5], i[6],
                    L"Berry\\npancakes",
                    L"Whisk the eggs with the flour and the milk until the batter is smooth and "
                    L"thick enough to coat a spoon, then let it rest.\\nFry on a hot griddle.",
                    L"");
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  return ms;
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateBool(EngineState::Windowed, true);
  if (!engine->Initiate() ||
      !engine->AttachPack((Os::GetProgramDirectory() + "resource.dat").c_str()) ||
      !GF::HGENS::GetResources()->Load()) {
    std::fprintf(stderr, "bench_print: no engine or sample content\n");
    return 1;
  }
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bench_print_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  double pdfMedian = 0, pdfMax = 0, pngMedian = 0, pngMax = 0;
  {
    const auto scene = GF::MakeHolder<GF::HGENS::CScene>();
    Page page;
    for (const char* name :
         {"cookingbook.top_left", "cookingbook.top_centr", "cookingbook.top_right",
          "cookingbook.bottom_left", "cookingbook.bottom_centr", "cookingbook.bottom_right",
          "Dishes.pancakes"})
      page.images.push_back(GetAnimationImage(name, GF::THolder<GF::IScene>(scene.Get()), 0));
    const auto pdf = TimePrinting(page, (dir / "page.pdf").string());
    const auto png = TimePrinting(page, (dir / "page.png").string());
    pdfMedian = pdf[pdf.size() / 2];
    pdfMax = pdf.back();
    pngMedian = png[png.size() / 2];
    pngMax = png.back();
    page.images.clear();
    scene->Clear();
  }
  std::filesystem::remove_all(dir);
  GF::HGENS::GetResources()->Unload();
  GF::HGENS::CResourceCache::ReleaseInstance();
  engine->Shutdown();
  engine->Release();
  std::printf("recipe page, %d runs each\n", kRuns);
  std::printf("pdf: median %.1f ms, slowest %.1f ms\n", pdfMedian, pdfMax);
  std::printf("png: median %.1f ms, slowest %.1f ms\n", pngMedian, pngMax);
  return 0;
}
