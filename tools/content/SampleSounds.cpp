#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr int kRate = 22050;

struct Tone {
  double startHz, endHz, seconds;
};

// A sine sweep with a short attack and an exponential decay.
std::vector<float> Samples(const Tone& tone) {
  const int count = static_cast<int>(tone.seconds * kRate);
  std::vector<float> samples(static_cast<std::size_t>(count));
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    const double hz = tone.startHz + (tone.endHz - tone.startHz) * t;
    phase += 2.0 * M_PI * hz / kRate;
    const double envelope = std::min(1.0, i / 200.0) * std::exp(-4.0 * t);
    samples[i] = static_cast<float>(0.5 * envelope * std::sin(phase));
  }
  return samples;
}

// Mono Ogg Vorbis of the samples.
std::vector<std::uint8_t> EncodeOgg(const std::vector<float>& samples) {
  std::vector<std::uint8_t> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, 1, kRate, 0.4f) != 0) {
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
  for (std::size_t pos = 0; pos <= samples.size(); pos += kChunk) {
    const int n = static_cast<int>(std::min<std::size_t>(kChunk, samples.size() - pos));
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, n);
      std::copy(samples.begin() + pos, samples.begin() + pos + n, buffer[0]);
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
  }
  flush(true);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

const Tone kTones[] = {
    {1200.0, 900.0, 0.08},  // click
    {300.0, 1500.0, 0.5},   // whoosh
    {880.0, 880.0, 0.7},    // ding
};

}  // namespace

const std::vector<std::string>& SampleSoundNames() {
  static const std::vector<std::string> names = {"click", "whoosh", "ding"};
  return names;
}

bool WriteSampleSounds(const std::filesystem::path& outDir) {
  bool ok = true;
  for (std::size_t i = 0; i < SampleSoundNames().size(); ++i) {
    const std::vector<std::uint8_t> ogg = EncodeOgg(Samples(kTones[i]));
    ok = !ogg.empty() && ok;
    // By name, and by the number the script gives it.
    ok = WriteContentFile(outDir, "Sound/" + SampleSoundNames()[i] + ".ogg", ogg) && ok;
    ok = WriteContentFile(outDir, "Sound/" + std::to_string(i), ogg) && ok;
  }
  return ok;
}
