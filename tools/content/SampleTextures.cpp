#include "tools/content/ArtCanvas.h"
#include "tools/content/SampleResources.h"

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& argb) {
  return ArtCanvas(width, height, argb).Png();
}

const std::vector<ArtSheet>& SampleTextures() {
  static const std::vector<ArtSheet> textures = {
      {"menu_background", "title_background.svg", 800, 600},
      {"button", "button.svg", 192, 144, 192, 48, {"out", "over", "down"}},
      {"logo", "logo.svg", 256, 128, 0, 0, {}, 5000, 5000, false, true},
      {"cursor", "cursor.svg", 32, 32},
  };
  return textures;
}

bool WriteSampleTextures(const std::filesystem::path& outDir) {
  bool ok = true;
  for (std::size_t i = 0; i < SampleTextures().size(); ++i)
    ok = WriteArtTexture(outDir, static_cast<int>(i), SampleTextures()[i]) && ok;
  return ok;
}
