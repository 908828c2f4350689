#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The sample content of the cook book: the six frame pieces of a printed recipe page,
// "cookingbook.top_left", "top_centr", "top_right", "bottom_left", "bottom_centr" and
// "bottom_right", cut from the atlas "cookingbook_frame", each its own colour with one
// transparent corner; and a picture per sample dish ("Dishes.batter", ...) from the atlas
// "dishes". Each animation's first drawable is its sprite.

struct SampleCookBookPiece {
  const char* name;         // the object name, also the sprite's
  int x, y, width, height;  // in its atlas
  std::uint32_t colour;     // ARGB of its middle
};
// The frame pieces, then the dishes.
const std::vector<SampleCookBookPiece>& SampleCookBookFrame();
const std::vector<SampleCookBookPiece>& SampleDishPictures();

// The resource script's part, numbered after the textures and sprite infos that `before`
// (the script so far) declares.
std::string MakeCookBookScript(const std::string& before);

// The two atlases under the numbers the resource script gives them.
bool WriteSampleCookBook(const std::filesystem::path& outDir);
