#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

// A picture in the making: a cairo image surface that the SVG sources of tools/content/art
// are drawn onto with librsvg, read back as pixels or written as PNG by cairo. The same
// source on the same librsvg gives the same bytes.
class ArtCanvas {
 public:
  ArtCanvas(int width, int height);  // transparent
  // The 0xAARRGGBB pixels (straight alpha, rows from the top) of a picture made elsewhere.
  ArtCanvas(int width, int height, const std::vector<std::uint32_t>& argb);
  ~ArtCanvas();
  ArtCanvas(const ArtCanvas&) = delete;
  ArtCanvas& operator=(const ArtCanvas&) = delete;

  // Draws the SVG file, or only its element of id `element` where the whole document would
  // put it, with the document's view box filling the rectangle. False, with a message that
  // names the file, when the file is unknown, does not parse or lacks the element. A style
  // sheet (CSS) overrides the file's own styles, e.g. to draw it in other colours.
  bool Draw(const std::string& file, const std::string& element, double x, double y, double w,
            double h, const std::string& style = "");

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0xAARRGGBB with straight alpha, rows from the top.
  std::vector<std::uint32_t> Pixels() const;
  // An RGBA PNG; empty when cairo fails.
  std::vector<std::uint8_t> Png() const;
  // For drawing beside the art (the contact sheet's labels).
  cairo_t* Context() { return cairo_; }
  cairo_surface_t* Surface() const { return surface_; }

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cairo_;
};
