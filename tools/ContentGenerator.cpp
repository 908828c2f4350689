// Writes the sample content below the folder given first on the command line (default: the
// current folder) and packs it into the archive given second (default: "resource.dat" in
// that folder).
#include <cstdio>
#include <filesystem>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

int main(int argc, char** argv) {
  const std::filesystem::path outDir = argc > 1 ? argv[1] : ".";
  const std::filesystem::path pack = argc > 2 ? argv[2] : outDir / "resource.dat";
  const bool written = WriteSampleContent(outDir) && WriteSampleResources(outDir);
  if (!written || !WriteResourcePack(outDir, pack)) {
    std::fprintf(stderr, "ContentGenerator: could not write the content below %s\n",
                 outDir.c_str());
    return 1;
  }
  return 0;
}
