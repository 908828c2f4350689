#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "tools/codecs/ImageEncoders.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
  PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, static_cast<std::uint32_t>(
                          crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// The alpha bytes of 0xAARRGGBB pixels as a grey GIF (index = grey), rows from the top.
std::vector<std::uint8_t> EncodeGifMask(int width, int height,
                                        const std::vector<std::uint32_t>& argb) {
  pm::codecs::GifImage mask;
  mask.screenW = mask.w = width;
  mask.screenH = mask.h = height;
  mask.palette = pm::codecs::GreyPalette();
  mask.indices.reserve(argb.size());
  for (std::uint32_t px : argb) mask.indices.push_back(static_cast<std::uint8_t>(px >> 24));
  return pm::codecs::EncodeGif(mask);
}

std::uint32_t Argb(int a, int r, int g, int b) {
  return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
         static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

// A warm vertical gradient with a tiled floor.
std::vector<std::uint32_t> Background(int w, int h) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool floor = y > h * 3 / 4;
      const bool dark = floor && ((x / 50 + y / 25) % 2 == 0);
      const int shade = 255 - y * 120 / h;
      px[y * w + x] = floor ? (dark ? Argb(255, 120, 70, 40) : Argb(255, 200, 160, 110))
                            : Argb(255, shade, shade * 3 / 4, shade / 2);
    }
  }
  return px;
}

// Three rounded buttons stacked: out, over, down.
std::vector<std::uint32_t> Buttons(int w, int h) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h, 0);
  const int rows = h / 3;
  const int colours[3][3] = {{70, 130, 200}, {100, 170, 240}, {40, 90, 150}};
  for (int s = 0; s < 3; ++s) {
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < w; ++x) {
        const int dx = std::max({0, 12 - x, x - (w - 13)});
        const int dy = std::max({0, 12 - y, y - (rows - 13)});
        if (dx * dx + dy * dy > 144) continue;
        const int light = y < rows / 2 ? 30 : 0;
        px[(s * rows + y) * w + x] =
            Argb(255, colours[s][0] + light, colours[s][1] + light, colours[s][2] + light / 2);
      }
    }
  }
  return px;
}

// An orange disc with a pan handle, on an elliptical alpha.
std::vector<std::uint32_t> Logo(int w, int h) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double ex = (x - w / 2.0) / (w / 2.0), ey = (y - h / 2.0) / (h / 2.0);
      const double d = ex * ex + ey * ey;
      const int alpha = d >= 1.0 ? 0 : static_cast<int>(255 * std::min(1.0, (1.0 - d) * 4));
      const bool handle = std::abs(y - h / 2) < 8 && x > w * 3 / 4;
      px[y * w + x] = handle ? Argb(alpha, 60, 50, 40) : Argb(alpha, 240, 140 - y / 2, 40);
    }
  }
  return px;
}

// A white arrow with a dark outline.
std::vector<std::uint32_t> Cursor(int w, int h) {
  std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h, 0);
  for (int y = 0; y < h * 3 / 4; ++y) {
    for (int x = 0; x <= y / 2 + y / 4 && x < w; ++x) {
      const bool edge = x == 0 || x == y / 2 + y / 4 || y == h * 3 / 4 - 1;
      px[y * w + x] = edge ? Argb(255, 20, 20, 20) : Argb(255, 255, 255, 255);
    }
  }
  return px;
}

std::vector<std::uint32_t> Pixels(const SampleTexture& t) {
  if (t.name == "menu_background") return Background(t.width, t.height);
  if (t.name == "button") return Buttons(t.width, t.height);
  if (t.name == "logo") return Logo(t.width, t.height);
  return Cursor(t.width, t.height);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& argb) {
  std::vector<std::uint8_t> raw;  // each row: filter 0, then RGBA bytes
  raw.reserve(static_cast<std::size_t>(height) * (width * 4 + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
      raw.insert(raw.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)});
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
    return {};
  packed.resize(packedSize);

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBigEndian32(header, static_cast<std::uint32_t>(width));
  PutBigEndian32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

const std::vector<SampleTexture>& SampleTextures() {
  static const std::vector<SampleTexture> textures = {
      {"menu_background", 800, 600, false},
      {"button", 192, 144, false},
      {"logo", 256, 128, true},
      {"cursor", 32, 32, false},
  };
  return textures;
}

bool WriteSampleTextures(const std::filesystem::path& outDir) {
  bool ok = true;
  for (std::size_t i = 0; i < SampleTextures().size(); ++i) {
    const SampleTexture& t = SampleTextures()[i];
    const std::vector<std::uint32_t> px = Pixels(t);
    const std::string n = std::to_string(i);
    if (t.jpeg2000) {
      // Colour planes only: the alpha comes from the GIF mask.
      const auto jp2 = pm::codecs::EncodeJp2Argb(t.width, t.height, px, 3);
      const auto mask = EncodeGifMask(t.width, t.height, px);
      ok = !jp2.empty() && !mask.empty() && ok;
      ok = WriteContentFile(outDir, "Texture/" + n + ".jp2", jp2) && ok;
      ok = WriteContentFile(outDir, "Texture/m_" + n + ".gif", mask) && ok;
    } else {
      const auto png = EncodePng(t.width, t.height, px);
      ok = !png.empty() && WriteContentFile(outDir, "Texture/" + n + ".png", png) && ok;
    }
  }
  return ok;
}
