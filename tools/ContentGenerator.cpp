// Writes the sample content below the folder given on the command line (default: the
// current folder) and packs it there into "resource.dat".
#include <cstdio>
#include <filesystem>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

int main(int argc, char** argv) {
  const std::filesystem::path outDir = argc > 1 ? argv[1] : ".";
  const bool written = WriteSampleContent(outDir) && WriteSampleResources(outDir);
  if (!written || !WriteResourcePack(outDir, outDir / "resource.dat")) {
    std::fprintf(stderr, "ContentGenerator: could not write the content below %s\n",
                 outDir.c_str());
    return 1;
  }
  return 0;
}
