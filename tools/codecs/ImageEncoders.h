#pragma once

#include <gif_lib.h>

#include <cstdint>
#include <vector>

// Writers of the JPEG-2000 and GIF files the engine decodes. Each returns no bytes when
// its encoder fails.
namespace pm::codecs {

// One JPEG-2000 component plane: w x h samples (already subsampled by dx, dy).
struct Jp2Plane {
  int w = 0, h = 0;
  int dx = 1, dy = 1;
  int prec = 8;
  bool sgnd = false;
  std::vector<int> samples;  // rows from the top
};

// Lossless encoding of the planes over a width x height grid, as a JP2 file or a bare
// codestream. Two planes are grey and alpha, four RGBA.
std::vector<std::uint8_t> EncodeJp2(int width, int height, const std::vector<Jp2Plane>& planes,
                                    bool codestream = false, bool ycc = false);

// An RGBA (4 components), RGB (3), grey and alpha (2) or grey (1) JP2 image of
// width x height from 0xAARRGGBB words; grey is taken from the red channel.
std::vector<std::uint8_t> EncodeJp2Argb(int width, int height,
                                        const std::vector<std::uint32_t>& argb, int components);

struct GifImage {
  int screenW = 0, screenH = 0;
  int left = 0, top = 0, w = 0, h = 0;
  bool interlace = false;
  int background = 0;
  std::vector<GifColorType> palette;  // a power of two of entries
  std::vector<std::uint8_t> indices;  // w x h, rows from the top
};

// A GIF with one image; interlaced images are written in the four-pass row order.
std::vector<std::uint8_t> EncodeGif(const GifImage& g);

// A palette of 256 greys (index i is grey i).
std::vector<GifColorType> GreyPalette();

}  // namespace pm::codecs
