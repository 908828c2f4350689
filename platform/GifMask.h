#pragma once

// Alpha masks stored as GIF images: the first image of the file, one grey byte per pixel.

#include <cstddef>
#include <cstdint>
#include <vector>

struct GifMask {
  int width = 0;  // the GIF's logical screen
  int height = 0;
  // width * height grey values, rows from the top, the first image placed at its offset in
  // the screen (the rest is the background colour's grey); interlaced images de-interlaced.
  std::vector<std::uint8_t> grey;
};

// Grey of a colour: luminance 0.299 R + 0.587 G + 0.114 B, rounded, so grey maps to itself.
std::uint8_t GifGrey(std::uint8_t r, std::uint8_t g, std::uint8_t b);

// Decodes the first image of a GIF held in memory; false when the bytes hold none.
bool DecodeGifMask(const void* data, std::size_t size, GifMask* mask);
