#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

const ArtSheet& SampleIconArt() {
  static const ArtSheet icon{"icon", "icon.svg", 32, 32};
  return icon;
}

bool WriteSampleIcon(const std::filesystem::path& outDir) {
  const std::vector<std::uint8_t> png = DrawArtSheetPng(SampleIconArt());
  return !png.empty() && WriteContentFile(outDir, "icon.png", png);
}
