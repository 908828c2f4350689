#pragma once

// Ogg Vorbis test sounds made on the spot with libvorbisenc: a sine tone of a known
// frequency and amplitude, so a test can measure what the mixer made of it.

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pm::test {

inline std::vector<unsigned char> EncodeOggSine(float frequency, float seconds, float amplitude,
                                                int rate = 44100, int channels = 1) {
  std::vector<unsigned char> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, 0.6f) != 0) std::abort();
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);
  ogg_page page;
  ogg_packet packet;
  auto writePage = [&out](const ogg_page& p) {
    out.insert(out.end(), p.header, p.header + p.header_len);
    out.insert(out.end(), p.body, p.body + p.body_len);
  };

  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  while (ogg_stream_flush(&stream, &page)) writePage(page);

  const int total = static_cast<int>(seconds * static_cast<float>(rate));
  constexpr int kChunk = 1024;
  for (int done = 0;;) {
    const int n = std::min(kChunk, total - done);  // 0 marks the end
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, n);
      for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(done + i) / rate;
        const auto v = static_cast<float>(amplitude * std::sin(2.0 * M_PI * frequency * t));
        for (int c = 0; c < channels; ++c) buffer[c][i] = v;
      }
    }
    vorbis_analysis_wrote(&dsp, std::max(n, 0));
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page)) writePage(page);
      }
    }
    if (n <= 0) break;
    done += n;
  }
  while (ogg_stream_flush(&stream, &page)) writePage(page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

}  // namespace pm::test
