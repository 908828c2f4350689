// Writes the sample content below the folder given first on the command line (default: the
// current folder) and packs it into the archive given second (default: "resource.dat" in
// that folder). "--sheet <file.png>" writes instead a contact sheet of every sprite with
// its name, for reviewing the art.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--sheet") == 0) {
    if (argc > 2 && WriteContactSheet(argv[2])) return 0;
    std::fprintf(stderr, "ContentGenerator: could not write the contact sheet\n");
    return 1;
  }
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
