#include "platform/GifMask.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>

namespace {

// Masks are texture-sized; this keeps a hostile screen size from asking for gigabytes.
constexpr long long kMaxPixels = 1LL << 26;

struct MemorySource {
  const unsigned char* data;
  std::size_t size;
  std::size_t pos;
};

int ReadSource(GifFileType* gif, GifByteType* buffer, int count) {
  auto* src = static_cast<MemorySource*>(gif->UserData);
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), src->size - src->pos);
  std::memcpy(buffer, src->data + src->pos, n);
  src->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

bool SkipExtension(GifFileType* gif) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  while (block) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// The grey of every palette index; indices past the map's end are black.
std::array<std::uint8_t, 256> GreyTable(const ColorMapObject* map) {
  std::array<std::uint8_t, 256> table{};
  const int n = std::min(map->ColorCount, 256);
  for (int i = 0; i < n; ++i) {
    const GifColorType& c = map->Colors[i];
    table[i] = GifGrey(c.Red, c.Green, c.Blue);
  }
  return table;
}

// Reads the rows of the current image (interlaced ones in their four passes) into the mask.
bool ReadImage(GifFileType* gif, GifMask* mask) {
  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (!map || desc.Width <= 0 || desc.Height <= 0) return false;
  const std::array<std::uint8_t, 256> grey = GreyTable(map);

  if (mask->width <= 0 || mask->height <= 0) {  // no screen size: the image's extent
    mask->width = desc.Left + desc.Width;
    mask->height = desc.Top + desc.Height;
  }
  if (static_cast<long long>(mask->width) * mask->height > kMaxPixels) return false;
  const std::uint8_t background =
      gif->SColorMap ? GreyTable(gif->SColorMap)[gif->SBackGroundColor & 0xFF] : 0;
  mask->grey.assign(static_cast<std::size_t>(mask->width) * mask->height, background);

  std::vector<GifPixelType> line(desc.Width);
  auto putRow = [&](int row) {
    if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return false;
    const int y = desc.Top + row;
    if (y < 0 || y >= mask->height) return true;
    for (int x = 0; x < desc.Width; ++x) {
      const int sx = desc.Left + x;
      if (sx >= 0 && sx < mask->width)
        mask->grey[static_cast<std::size_t>(y) * mask->width + sx] = grey[line[x]];
    }
    return true;
  };
  if (desc.Interlace) {
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int row = kStart[pass]; row < desc.Height; row += kStep[pass]) {
        if (!putRow(row)) return false;
      }
    }
  } else {
    for (int row = 0; row < desc.Height; ++row) {
      if (!putRow(row)) return false;
    }
  }
  return true;
}

}  // namespace

std::uint8_t GifGrey(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint8_t>((299 * r + 587 * g + 114 * b + 500) / 1000);
}

bool DecodeGifMask(const void* data, std::size_t size, GifMask* mask) {
  if (!data || !mask) return false;
  MemorySource source{static_cast<const unsigned char*>(data), size, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadSource, &error));
  if (!gif) return false;

  GifMask result;
  result.width = gif->SWidth;
  result.height = gif->SHeight;
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) return false;
    if (type == EXTENSION_RECORD_TYPE) {
      if (!SkipExtension(gif.get())) return false;
    } else if (type == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif.get()) == GIF_ERROR || !ReadImage(gif.get(), &result)) return false;
      *mask = std::move(result);
      return true;
    } else if (type == TERMINATE_RECORD_TYPE) {
      return false;
    }
  }
}
