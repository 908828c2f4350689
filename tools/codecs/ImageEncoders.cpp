#include "tools/codecs/ImageEncoders.h"

#include <openjpeg.h>

#include <cstring>

namespace pm::codecs {
namespace {

// The JP2 writer seeks back to fill in box lengths, so the sink keeps a position.
struct Sink {
  std::vector<std::uint8_t> bytes;
  std::size_t pos = 0;
};

opj_stream_t* OpenSink(Sink& sink) {
  opj_stream_t* stream = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE);
  opj_stream_set_user_data(stream, &sink, nullptr);
  opj_stream_set_write_function(stream, [](void* buf, OPJ_SIZE_T n, void* user) -> OPJ_SIZE_T {
    auto* s = static_cast<Sink*>(user);
    if (s->bytes.size() < s->pos + n) s->bytes.resize(s->pos + n);
    std::memcpy(s->bytes.data() + s->pos, buf, n);
    s->pos += n;
    return n;
  });
  opj_stream_set_skip_function(stream, [](OPJ_OFF_T n, void* user) -> OPJ_OFF_T {
    auto* s = static_cast<Sink*>(user);
    s->pos += static_cast<std::size_t>(n);
    if (s->bytes.size() < s->pos) s->bytes.resize(s->pos);
    return n;
  });
  opj_stream_set_seek_function(stream, [](OPJ_OFF_T n, void* user) -> OPJ_BOOL {
    auto* s = static_cast<Sink*>(user);
    s->pos = static_cast<std::size_t>(n);
    if (s->bytes.size() < s->pos) s->bytes.resize(s->pos);
    return OPJ_TRUE;
  });
  return stream;
}

opj_image_t* MakeImage(int width, int height, const std::vector<Jp2Plane>& planes, bool ycc) {
  std::vector<opj_image_cmptparm_t> params(planes.size());
  for (std::size_t i = 0; i < planes.size(); ++i) {
    opj_image_cmptparm_t& p = params[i];
    std::memset(&p, 0, sizeof p);
    p.dx = planes[i].dx;
    p.dy = planes[i].dy;
    p.w = planes[i].w;
    p.h = planes[i].h;
    p.prec = planes[i].prec;
    p.sgnd = planes[i].sgnd;
  }
  const OPJ_COLOR_SPACE space = ycc                  ? OPJ_CLRSPC_SYCC
                                : planes.size() >= 3 ? OPJ_CLRSPC_SRGB
                                                     : OPJ_CLRSPC_GRAY;
  opj_image_t* image =
      opj_image_create(static_cast<OPJ_UINT32>(planes.size()), params.data(), space);
  if (!image) return nullptr;
  image->x0 = image->y0 = 0;
  image->x1 = width;
  image->y1 = height;
  for (std::size_t i = 0; i < planes.size(); ++i) {
    for (std::size_t s = 0; s < planes[i].samples.size(); ++s)
      image->comps[i].data[s] = planes[i].samples[s];
    if (planes.size() == 2 && i == 1) image->comps[i].alpha = 1;
    if (planes.size() == 4 && i == 3) image->comps[i].alpha = 1;
  }
  return image;
}

}  // namespace

std::vector<std::uint8_t> EncodeJp2(int width, int height, const std::vector<Jp2Plane>& planes,
                                    bool codestream, bool ycc) {
  opj_image_t* image = MakeImage(width, height, planes, ycc);
  if (!image) return {};
  opj_cparameters_t cp;
  opj_set_default_encoder_parameters(&cp);
  cp.numresolution = 1;  // tiny images have no room for wavelet levels
  cp.tcp_mct = 0;
  opj_codec_t* codec = opj_create_compress(codestream ? OPJ_CODEC_J2K : OPJ_CODEC_JP2);
  Sink sink;
  opj_stream_t* stream = OpenSink(sink);
  const bool ok = opj_setup_encoder(codec, &cp, image) &&
                  opj_start_compress(codec, image, stream) && opj_encode(codec, stream) &&
                  opj_end_compress(codec, stream);
  opj_stream_destroy(stream);
  opj_destroy_codec(codec);
  opj_image_destroy(image);
  return ok ? sink.bytes : std::vector<std::uint8_t>();
}

std::vector<std::uint8_t> EncodeJp2Argb(int width, int height,
                                        const std::vector<std::uint32_t>& argb, int components) {
  std::vector<Jp2Plane> planes(components);
  static constexpr int kShiftRgba[4] = {16, 8, 0, 24};
  static constexpr int kShiftGreyAlpha[2] = {16, 24};
  for (int c = 0; c < components; ++c) {
    Jp2Plane& p = planes[c];
    p.w = width;
    p.h = height;
    const int shift = components <= 2 ? kShiftGreyAlpha[c] : kShiftRgba[c];
    for (std::uint32_t px : argb) p.samples.push_back(static_cast<int>((px >> shift) & 0xFF));
  }
  return EncodeJp2(width, height, planes);
}

std::vector<std::uint8_t> EncodeGif(const GifImage& g) {
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(
      &out,
      [](GifFileType* f, const GifByteType* buf, int n) {
        auto* v = static_cast<std::vector<std::uint8_t>*>(f->UserData);
        v->insert(v->end(), buf, buf + n);
        return n;
      },
      &error);
  if (!gif) return {};
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(g.palette.size()), g.palette.data());
  bool ok = EGifPutScreenDesc(gif, g.screenW, g.screenH, 8, g.background, map) != GIF_ERROR &&
            EGifPutImageDesc(gif, g.left, g.top, g.w, g.h, g.interlace, nullptr) != GIF_ERROR;
  std::vector<int> order;
  if (g.interlace) {
    static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int r = kStart[pass]; r < g.h; r += kStep[pass]) order.push_back(r);
  } else {
    for (int r = 0; r < g.h; ++r) order.push_back(r);
  }
  std::vector<GifPixelType> line(g.w);
  for (int r : order) {
    std::memcpy(line.data(), g.indices.data() + static_cast<std::size_t>(r) * g.w, g.w);
    ok = ok && EGifPutLine(gif, line.data(), g.w) != GIF_ERROR;
  }
  ok = EGifCloseFile(gif, &error) != GIF_ERROR && ok;
  GifFreeMapObject(map);
  return ok ? out : std::vector<std::uint8_t>();
}

std::vector<GifColorType> GreyPalette() {
  std::vector<GifColorType> p(256);
  for (int i = 0; i < 256; ++i)
    p[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(i), static_cast<GifByteType>(i)};
  return p;
}

}  // namespace pm::codecs
