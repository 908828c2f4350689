#include "tools/codecs/OggEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace pm::codecs {

std::vector<std::uint8_t> EncodeOgg(const std::vector<float>& samples, int rate, int channels,
                                    float quality) {
  std::vector<std::uint8_t> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
    vorbis_info_clear(&info);
    return out;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);

  ogg_page page;
  const auto flush = [&](bool all) {
    while (all ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
      out.insert(out.end(), page.header, page.header + page.header_len);
      out.insert(out.end(), page.body, page.body + page.body_len);
    }
  };
  ogg_packet header, commentPacket, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  flush(true);

  constexpr int kChunk = 1024;
  for (std::size_t pos = 0;;) {
    const int n = static_cast<int>(std::min<std::size_t>(kChunk, samples.size() - pos));
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, n);
      for (int c = 0; c < channels; ++c)
        std::copy(samples.begin() + pos, samples.begin() + pos + n, buffer[c]);
    }
    vorbis_analysis_wrote(&dsp, n);  // 0 marks the end
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        flush(false);
      }
    }
    if (n == 0) break;
    pos += n;
  }
  flush(true);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

}  // namespace pm::codecs
