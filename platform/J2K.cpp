#include "platform/J2K.h"

#include <openjpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Textures never come near this; it keeps a hostile header from asking for gigabytes.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

thread_local int g_lastError = J2K_OK;

struct MemorySource {
  const unsigned char* data;
  std::size_t size;
  std::size_t pos;
};

OPJ_SIZE_T ReadSource(void* buffer, OPJ_SIZE_T count, void* user) {
  auto* src = static_cast<MemorySource*>(user);
  if (src->pos >= src->size) return static_cast<OPJ_SIZE_T>(-1);
  const std::size_t n = std::min<std::size_t>(count, src->size - src->pos);
  std::memcpy(buffer, src->data + src->pos, n);
  src->pos += n;
  return n;
}

OPJ_OFF_T SkipSource(OPJ_OFF_T count, void* user) {
  auto* src = static_cast<MemorySource*>(user);
  if (count < 0) {
    const std::size_t back = std::min<std::size_t>(static_cast<std::size_t>(-count), src->pos);
    src->pos -= back;
    return -static_cast<OPJ_OFF_T>(back);
  }
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(count), src->size - src->pos);
  src->pos += n;
  return static_cast<OPJ_OFF_T>(n);
}

OPJ_BOOL SeekSource(OPJ_OFF_T pos, void* user) {
  auto* src = static_cast<MemorySource*>(user);
  if (pos < 0 || static_cast<std::uint64_t>(pos) > src->size) return OPJ_FALSE;
  src->pos = static_cast<std::size_t>(pos);
  return OPJ_TRUE;
}

void Quiet(const char*, void*) {}

bool StartsWith(const unsigned char* data, std::size_t size, const unsigned char* sig,
                std::size_t n) {
  return size >= n && std::memcmp(data, sig, n) == 0;
}

// The codec by the file's signature: the JP2 box header, or a codestream's SOC and SIZ markers.
bool DetectCodec(const unsigned char* data, std::size_t size, OPJ_CODEC_FORMAT* codec) {
  static constexpr unsigned char kJp2[] = {0x00, 0x00, 0x00, 0x0C, 'j',  'P',
                                           ' ',  ' ',  0x0D, 0x0A, 0x87, 0x0A};
  static constexpr unsigned char kCodestream[] = {0xFF, 0x4F, 0xFF, 0x51};
  if (StartsWith(data, size, kJp2, sizeof kJp2)) {
    *codec = OPJ_CODEC_JP2;
  } else if (StartsWith(data, size, kCodestream, sizeof kCodestream)) {
    *codec = OPJ_CODEC_J2K;
  } else {
    return false;
  }
  return true;
}

}  // namespace

struct J2K_ImageRec {
  MemorySource source{};
  opj_codec_t* codec = nullptr;
  opj_stream_t* stream = nullptr;
  opj_image_t* image = nullptr;
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;

  ~J2K_ImageRec() {
    if (image) opj_image_destroy(image);
    if (stream) opj_stream_destroy(stream);
    if (codec) opj_destroy_codec(codec);
  }
};

namespace {

int OpenHeader(J2K_ImageRec& rec) {
  OPJ_CODEC_FORMAT format;
  if (!DetectCodec(rec.source.data, rec.source.size, &format)) return J2K_ERR_FORMAT;
  rec.codec = opj_create_decompress(format);
  rec.stream = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_TRUE);
  if (!rec.codec || !rec.stream) return J2K_ERR_MEMORY;
  opj_set_error_handler(rec.codec, Quiet, nullptr);
  opj_set_warning_handler(rec.codec, Quiet, nullptr);
  opj_set_info_handler(rec.codec, Quiet, nullptr);
  opj_dparameters_t params;
  opj_set_default_decoder_parameters(&params);
  if (!opj_setup_decoder(rec.codec, &params)) return J2K_ERR_HEADER;

  opj_stream_set_user_data(rec.stream, &rec.source, nullptr);
  opj_stream_set_user_data_length(rec.stream, rec.source.size);
  opj_stream_set_read_function(rec.stream, ReadSource);
  opj_stream_set_skip_function(rec.stream, SkipSource);
  opj_stream_set_seek_function(rec.stream, SeekSource);
  if (!opj_read_header(rec.stream, rec.codec, &rec.image)) return J2K_ERR_HEADER;

  const opj_image_t& im = *rec.image;
  if (im.numcomps == 0 || im.x1 <= im.x0 || im.y1 <= im.y0) return J2K_ERR_COMPONENTS;
  const std::uint64_t w = im.x1 - im.x0, h = im.y1 - im.y0;
  if (w * h > kMaxPixels) return J2K_ERR_TOO_LARGE;
  rec.width = static_cast<int>(w);
  rec.height = static_cast<int>(h);
  return J2K_OK;
}

// One component's samples as 8-bit values over the full image grid.
class ComponentReader {
 public:
  ComponentReader(const opj_image_t& image, const opj_image_comp_t& comp)
      : m_comp(comp), m_x0(image.x0), m_y0(image.y0) {
    const int prec = static_cast<int>(std::clamp<OPJ_UINT32>(comp.prec, 1, 31));
    m_offset = comp.sgnd ? (std::int64_t{1} << (prec - 1)) : 0;
    m_max = (std::int64_t{1} << prec) - 1;
    m_shift = prec > 8 ? prec - 8 : 0;
  }

  unsigned char At(int x, int y) const {
    const std::int64_t sx = Sample(m_x0 + x, m_comp.dx, m_comp.x0, m_comp.w);
    const std::int64_t sy = Sample(m_y0 + y, m_comp.dy, m_comp.y0, m_comp.h);
    std::int64_t v = std::int64_t{m_comp.data[sy * m_comp.w + sx]} + m_offset;
    v = std::clamp<std::int64_t>(v, 0, m_max);
    if (m_shift) return static_cast<unsigned char>(v >> m_shift);
    return static_cast<unsigned char>(v * 255 / m_max);
  }

 private:
  // The sample that covers reference-grid coordinate pos, clamped to the component.
  static std::int64_t Sample(std::int64_t pos, OPJ_UINT32 step, OPJ_UINT32 origin,
                             OPJ_UINT32 count) {
    const std::int64_t i = pos / std::max<OPJ_UINT32>(step, 1) - origin;
    return std::clamp<std::int64_t>(i, 0, std::int64_t{count} - 1);
  }

  const opj_image_comp_t& m_comp;
  std::int64_t m_x0, m_y0;
  std::int64_t m_offset = 0, m_max = 255;
  int m_shift = 0;
};

// In place: r, g, b enter as Y, Cb, Cr (chroma centred on 128) and leave as R, G, B.
void YccToRgb(unsigned char* r, unsigned char* g, unsigned char* b) {
  const float l = *r, u = *g - 128.0f, v = *b - 128.0f;
  auto channel = [](float c) {
    return static_cast<unsigned char>(std::clamp(std::lround(c), 0L, 255L));
  };
  *r = channel(l + 1.402f * v);
  *g = channel(l - 0.344136f * u - 0.714136f * v);
  *b = channel(l + 1.772f * u);
}

int ToPixels(J2K_ImageRec& rec) {
  const opj_image_t& im = *rec.image;
  const int used = static_cast<int>(std::min<OPJ_UINT32>(im.numcomps, 4));
  std::vector<ComponentReader> comps;
  for (int c = 0; c < used; ++c) {
    const opj_image_comp_t& comp = im.comps[c];
    if (!comp.data || comp.w == 0 || comp.h == 0) return J2K_ERR_COMPONENTS;
    comps.emplace_back(im, comp);
  }
  try {
    rec.pixels.resize(static_cast<std::size_t>(rec.width) * rec.height * 4);
  } catch (const std::bad_alloc&) {
    return J2K_ERR_MEMORY;
  }
  // Luma and chroma (the usual form of subsampled colour) become RGB here; the codec
  // itself only undoes its own component transform.
  const bool ycc = im.color_space == OPJ_CLRSPC_SYCC;
  unsigned char* out = rec.pixels.data();
  for (int y = 0; y < rec.height; ++y) {
    for (int x = 0; x < rec.width; ++x, out += 4) {
      const unsigned char first = comps[0].At(x, y);
      unsigned char r = first, g = first, b = first, a = 255;
      if (used == 2) a = comps[1].At(x, y);
      if (used >= 3) {
        g = comps[1].At(x, y);
        b = comps[2].At(x, y);
        if (ycc) YccToRgb(&r, &g, &b);
      }
      if (used == 4) a = comps[3].At(x, y);
      out[0] = b;
      out[1] = g;
      out[2] = r;
      out[3] = a;
    }
  }
  return J2K_OK;
}

}  // namespace

J2K_Image J2K_OpenMemory(const void* data, std::size_t size) {
  if (!data) {
    g_lastError = J2K_ERR_ARGUMENT;
    return nullptr;
  }
  auto* rec = new (std::nothrow) J2K_ImageRec;
  if (!rec) {
    g_lastError = J2K_ERR_MEMORY;
    return nullptr;
  }
  rec->source = {static_cast<const unsigned char*>(data), size, 0};
  const int rc = OpenHeader(*rec);
  if (rc != J2K_OK) {
    delete rec;
    g_lastError = rc;
    return nullptr;
  }
  g_lastError = J2K_OK;
  return rec;
}

int J2K_GetInfoEx(J2K_Image image, J2K_Info* info) {
  if (!image || !info) return J2K_ERR_ARGUMENT;
  info->width = image->width;
  info->height = image->height;
  info->components = static_cast<int>(image->image->numcomps);
  info->precision = static_cast<int>(image->image->comps[0].prec);
  return J2K_OK;
}

int J2K_GetResolutionDimensionsByStr(J2K_Image image, const char* resolution, int* width,
                                     int* height) {
  if (!image || !width || !height || (resolution && *resolution)) return J2K_ERR_ARGUMENT;
  *width = image->width;
  *height = image->height;
  return J2K_OK;
}

int J2K_Decode(J2K_Image image, unsigned char** buffer, int* size, const char*, int* pitch) {
  if (!image || !buffer || !size || !pitch) return J2K_ERR_ARGUMENT;
  if (image->pixels.empty()) {
    if (!opj_decode(image->codec, image->stream, image->image) ||
        !opj_end_decompress(image->codec, image->stream)) {
      return J2K_ERR_DECODE;
    }
    const int rc = ToPixels(*image);
    if (rc != J2K_OK) return rc;
  }
  *buffer = image->pixels.data();
  *size = static_cast<int>(image->pixels.size());
  *pitch = image->width * 4;
  return J2K_OK;
}

void J2K_Close(J2K_Image image) {
  delete image;
}

int J2K_getLastError() {
  return g_lastError;
}

const char* J2K_getErrorStr(int code) {
  switch (code) {
    case J2K_OK:
      return "no error";
    case J2K_ERR_ARGUMENT:
      return "invalid argument";
    case J2K_ERR_FORMAT:
      return "not a JPEG-2000 file";
    case J2K_ERR_HEADER:
      return "invalid JPEG-2000 header";
    case J2K_ERR_DECODE:
      return "corrupt JPEG-2000 image data";
    case J2K_ERR_COMPONENTS:
      return "unsupported image components";
    case J2K_ERR_TOO_LARGE:
      return "image too large";
    case J2K_ERR_MEMORY:
      return "out of memory";
    default:
      return "unknown error";
  }
}
