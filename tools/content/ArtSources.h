#pragma once

#include <string_view>
#include <vector>

// The SVG files of tools/content/art, built into the content library.
struct ArtSource {
  std::string_view file;  // "cook.svg"
  std::string_view text;
};
const std::vector<ArtSource>& ArtSources();
