#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of the framework's own screens: the confirmation layout
// "main_menu.confirm_screen", the new-player layout "main_menu.new_player_screen", a layout
// of the other controls "main_menu.controls" (slider with step buttons, list box with its
// scroll slider, radio group), their textures, texts, the splash images "splash_1.png"
// and "splash_2.png" and the logo screen's empty layout "main_menu.publisher".
//
// The part of the resource script goes last: its textures, sprite infos and text infos are
// numbered after those that `before` (the script so far) declares.
std::string MakeFrameworkScreensScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& FrameworkScreenTexts();

// Its textures, numbered from firstTexture ("Texture/<n>.png"), and the splash images.
bool WriteFrameworkScreenImages(const std::filesystem::path& outDir, int firstTexture);

// The textures "fw_panel" and "fw_widgets".
const std::vector<ArtSheet>& FrameworkScreenSheets();

// The splash images, in order ("splash_1.png" beside the content folders).
struct SplashImage {
  ArtSheet art;
  std::uint32_t colour;  // ARGB of the image's middle
};
const std::vector<SplashImage>& SampleSplashImages();
