#include "tools/content/ArtCanvas.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cstdio>

#include "tools/content/ArtSources.h"

namespace {

const ArtSource* FindSource(const std::string& file) {
  const auto& sources = ArtSources();
  const auto it = std::find_if(sources.begin(), sources.end(),
                               [&file](const ArtSource& s) { return s.file == file; });
  return it == sources.end() ? nullptr : &*it;
}

bool Fail(const std::string& file, const char* what, GError* error) {
  std::fprintf(stderr, "ContentGenerator: art/%s: %s%s%s\n", file.c_str(), what, error ? ": " : "",
               error ? error->message : "");
  if (error) g_error_free(error);
  return false;
}

// cairo keeps premultiplied 0xAARRGGBB in native words.
std::uint32_t Premultiply(std::uint32_t p) {
  const std::uint32_t a = p >> 24;
  auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | channel(p >> 16 & 0xFF) << 16 | channel(p >> 8 & 0xFF) << 8 | channel(p & 0xFF);
}

std::uint32_t Unpremultiply(std::uint32_t p) {
  const std::uint32_t a = p >> 24;
  if (a == 0) return 0;
  auto channel = [a](std::uint32_t c) { return std::min(255u, (c * 255 + a / 2) / a); };
  return a << 24 | channel(p >> 16 & 0xFF) << 16 | channel(p >> 8 & 0xFF) << 8 | channel(p & 0xFF);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

ArtCanvas::ArtCanvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cairo_(cairo_create(surface_)) {}

ArtCanvas::ArtCanvas(int width, int height, const std::vector<std::uint32_t>& argb)
    : ArtCanvas(width, height) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x)
      row[x] = Premultiply(argb[static_cast<std::size_t>(y) * width + x]);
  }
  cairo_surface_mark_dirty(surface_);
}

ArtCanvas::~ArtCanvas() {
  cairo_destroy(cairo_);
  cairo_surface_destroy(surface_);
}

bool ArtCanvas::Draw(const std::string& file, const std::string& element, double x, double y,
                     double w, double h, const std::string& style) {
  const ArtSource* source = FindSource(file);
  if (!source) return Fail(file, "no such file", nullptr);
  GError* error = nullptr;
  RsvgHandle* handle = rsvg_handle_new_from_data(
      reinterpret_cast<const guint8*>(source->text.data()), source->text.size(), &error);
  if (!handle) return Fail(file, "does not parse", error);
  if (!style.empty() &&
      !rsvg_handle_set_stylesheet(handle, reinterpret_cast<const guint8*>(style.data()),
                                  style.size(), &error)) {
    g_object_unref(handle);
    return Fail(file, "takes no such style", error);
  }
  const std::string id = "#" + element;
  if (!element.empty() && !rsvg_handle_has_sub(handle, id.c_str())) {
    g_object_unref(handle);
    return Fail(file, ("has no element " + id).c_str(), nullptr);
  }
  const RsvgRectangle viewport = {x, y, w, h};
  const bool drawn = rsvg_handle_render_layer(
      handle, cairo_, element.empty() ? nullptr : id.c_str(), &viewport, &error);
  g_object_unref(handle);
  return drawn || Fail(file, "does not draw", error);
}

std::vector<std::uint32_t> ArtCanvas::Pixels() const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::vector<std::uint32_t> argb;
  argb.reserve(static_cast<std::size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width_; ++x) argb.push_back(Unpremultiply(row[x]));
  }
  return argb;
}

std::vector<std::uint8_t> ArtCanvas::Png() const {
  std::vector<std::uint8_t> png;
  if (cairo_surface_write_to_png_stream(surface_, AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
    return {};
  return png;
}
