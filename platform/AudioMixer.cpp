#include "platform/AudioMixer.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Sounds up to this long are decoded whole when loaded; longer ones decode while playing.
constexpr double kWholeDecodeSeconds = 10.0;
constexpr int kDecodeChunkFrames = 4096;

// One loaded file. Immutable once loaded, so channels share it with the callback freely.
struct Sound {
  EngineStream handle = 0;
  std::vector<unsigned char> file;  // the Ogg bytes, kept for progressive decoding
  std::vector<float> pcm;           // interleaved; whole sounds only
  bool whole = false;
  int channels = 1;
  int rate = AudioMixer::kSampleRate;
};

// Reading an Ogg file from memory.
struct MemoryCursor {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  std::size_t pos = 0;
};

std::size_t MemRead(void* out, std::size_t size, std::size_t count, void* source) {
  auto* m = static_cast<MemoryCursor*>(source);
  const std::size_t bytes = std::min(size * count, m->size - m->pos);
  std::memcpy(out, m->data + m->pos, bytes);
  m->pos += bytes;
  return size ? bytes / size : 0;
}

int MemSeek(void* source, ogg_int64_t offset, int whence) {
  auto* m = static_cast<MemoryCursor*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(m->pos);
  if (whence == SEEK_END) base = static_cast<ogg_int64_t>(m->size);
  const ogg_int64_t to = base + offset;
  if (to < 0 || to > static_cast<ogg_int64_t>(m->size)) return -1;
  m->pos = static_cast<std::size_t>(to);
  return 0;
}

long MemTell(void* source) {
  return static_cast<long>(static_cast<MemoryCursor*>(source)->pos);
}

const ov_callbacks kMemoryCallbacks = {MemRead, MemSeek, nullptr, MemTell};

// A decoder over a sound's bytes.
struct Decoder {
  MemoryCursor cursor;
  OggVorbis_File file{};
  bool open = false;

  bool Open(const std::vector<unsigned char>& bytes) {
    cursor = {bytes.data(), bytes.size(), 0};
    open = ov_open_callbacks(&cursor, &file, nullptr, 0, kMemoryCallbacks) == 0;
    return open;
  }
  ~Decoder() {
    if (open) ov_clear(&file);
  }
  // Appends up to `frames` interleaved frames; 0 at the end of the stream.
  long Read(std::vector<float>& out, int channels, int frames) {
    float** planes = nullptr;
    int section = 0;
    long got;
    do {
      got = ov_read_float(&file, &planes, frames, &section);
    } while (got == OV_HOLE);
    if (got <= 0) return 0;
    const std::size_t base = out.size();
    out.resize(base + static_cast<std::size_t>(got) * channels);
    for (long i = 0; i < got; ++i) {
      for (int c = 0; c < channels; ++c) out[base + i * channels + c] = planes[c][i];
    }
    return got;
  }
};

// A playing (or paused) sound. Handles count up, so a stale one never finds a new channel.
struct Voice {
  EngineChannel handle = 0;
  std::shared_ptr<const Sound> sound;
  bool loop = false;
  bool paused = false;
  bool finished = false;
  float volume = 1.0f;
  float pitch = 1.0f;
  // Resampling between the source frames `prev` and `next`.
  double frac = 0.0;
  float prev[2] = {};
  float next[2] = {};
  bool primed = false;
  // Source position: whole sounds index pcm; progressive ones read `chunk` from `decoder`.
  std::size_t index = 0;
  std::unique_ptr<Decoder> decoder;
  std::vector<float> chunk;

  // The next source frame as left/right; false at the end of a sound that does not loop.
  bool ReadFrame(float* lr) {
    const Sound& s = *sound;
    const std::vector<float>& data = s.whole ? s.pcm : chunk;
    if (index * s.channels >= data.size() && !Refill()) return false;
    const float* f = data.data() + index * s.channels;
    lr[0] = f[0];
    lr[1] = s.channels > 1 ? f[1] : f[0];
    ++index;
    return true;
  }

  bool Refill() {
    const Sound& s = *sound;
    if (s.whole) {
      if (!loop || s.pcm.empty()) return false;
      index = 0;
      return true;
    }
    chunk.clear();
    index = 0;
    if (decoder->Read(chunk, s.channels, kDecodeChunkFrames) > 0) return true;
    if (!loop || ov_pcm_seek(&decoder->file, 0) != 0) return false;
    return decoder->Read(chunk, s.channels, kDecodeChunkFrames) > 0;
  }

  void MixInto(float* out, int frames) {
    if (!primed) {
      primed = true;
      if (!ReadFrame(prev) || !ReadFrame(next)) {
        finished = true;
        return;
      }
    }
    const double step = static_cast<double>(pitch) * sound->rate / AudioMixer::kSampleRate;
    for (int i = 0; i < frames; ++i) {
      const float t = static_cast<float>(frac);
      out[2 * i] += volume * (prev[0] + (next[0] - prev[0]) * t);
      out[2 * i + 1] += volume * (prev[1] + (next[1] - prev[1]) * t);
      frac += step;
      while (frac >= 1.0) {
        frac -= 1.0;
        prev[0] = next[0];
        prev[1] = next[1];
        if (!ReadFrame(next)) {
          finished = true;
          return;
        }
      }
    }
  }
};

}  // namespace

struct AudioMixer::Impl {
  ResourceAccess files;
  std::mutex mutex;  // guards voices against the audio callback
  std::vector<std::shared_ptr<Sound>> sounds;
  std::vector<std::unique_ptr<Voice>> voices;
  EngineStream nextStream = 1;
  EngineChannel nextChannel = 1;
  SDL_AudioDeviceID device = 0;
  bool initedAudio = false;

  static void Callback(void* user, Uint8* stream, int len) {
    auto* self = static_cast<Impl*>(user);
    auto* out = reinterpret_cast<float*>(stream);
    const int frames = len / static_cast<int>(sizeof(float) * kChannels);
    std::lock_guard lock(self->mutex);
    self->MixLocked(out, frames);
  }

  void MixLocked(float* out, int frames) {
    std::fill(out, out + static_cast<std::ptrdiff_t>(frames) * kChannels, 0.0f);
    for (auto& v : voices) {
      if (!v->paused && !v->finished) v->MixInto(out, frames);
    }
    for (int i = 0; i < frames * kChannels; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
  }

  // Called with the mutex held; the finished voices' memory goes here, not in the callback.
  void PruneLocked() {
    std::erase_if(voices, [](const auto& v) { return v->finished; });
  }

  Voice* FindLocked(EngineChannel handle) {
    if (!handle) return nullptr;
    for (auto& v : voices) {
      if (v->handle == handle) return v.get();
    }
    return nullptr;
  }

  std::shared_ptr<Sound> Decode(const unsigned char* bytes, std::size_t size) {
    // Recognised by content: names come with or without an extension.
    if (size < 4 || std::memcmp(bytes, "OggS", 4) != 0) return nullptr;
    auto sound = std::make_shared<Sound>();
    sound->file.assign(bytes, bytes + size);
    Decoder decoder;
    if (!decoder.Open(sound->file)) return nullptr;
    const vorbis_info* info = ov_info(&decoder.file, -1);
    if (!info || info->channels < 1 || info->rate <= 0) return nullptr;
    sound->channels = info->channels;
    sound->rate = static_cast<int>(info->rate);
    const ogg_int64_t total = ov_pcm_total(&decoder.file, -1);
    if (total >= 0 && total <= static_cast<ogg_int64_t>(kWholeDecodeSeconds * info->rate)) {
      sound->pcm.reserve(static_cast<std::size_t>(total) * sound->channels);
      while (decoder.Read(sound->pcm, sound->channels, kDecodeChunkFrames) > 0) {
      }
      sound->whole = true;
      sound->file = {};
      if (sound->pcm.empty()) return nullptr;
    }
    return sound;
  }
};

AudioMixer::AudioMixer(ResourceAccess files) : impl_(std::make_unique<Impl>()) {
  impl_->files = std::move(files);
}

AudioMixer::~AudioMixer() {
  CloseDevice();
}

bool AudioMixer::OpenDevice() {
  Impl& m = *impl_;
  if (m.device) return true;
  if (!SDL_WasInit(SDL_INIT_AUDIO)) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    m.initedAudio = true;
  }
  SDL_AudioSpec want{};
  want.freq = kSampleRate;
  want.format = AUDIO_F32SYS;
  want.channels = kChannels;
  want.samples = 1024;
  want.callback = &Impl::Callback;
  want.userdata = &m;
  m.device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (!m.device) {
    CloseDevice();
    return false;
  }
  SDL_PauseAudioDevice(m.device, 0);
  return true;
}

void AudioMixer::CloseDevice() {
  Impl& m = *impl_;
  if (m.device) SDL_CloseAudioDevice(m.device);
  m.device = 0;
  if (m.initedAudio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  m.initedAudio = false;
}

bool AudioMixer::HasDevice() const {
  return impl_->device != 0;
}

void AudioMixer::Mix(float* out, int frames) {
  if (!out || frames <= 0) return;
  std::lock_guard lock(impl_->mutex);
  impl_->MixLocked(out, frames);
}

EngineStream AudioMixer::StreamLoad(const char* name, std::uint32_t size) {
  Impl& m = *impl_;
  if (!name) return 0;
  std::shared_ptr<Sound> sound;
  if (size) {
    sound = m.Decode(reinterpret_cast<const unsigned char*>(name), size);
  } else {
    void* bytes = m.files.load ? m.files.load(name, &size) : nullptr;
    if (!bytes) return 0;
    sound = m.Decode(static_cast<const unsigned char*>(bytes), size);
    if (m.files.free) m.files.free(bytes);
  }
  if (!sound) return 0;
  sound->handle = m.nextStream++;
  m.sounds.push_back(sound);
  return sound->handle;
}

void AudioMixer::StreamFree(EngineStream stream) {
  Impl& m = *impl_;
  if (!stream) return;
  std::lock_guard lock(m.mutex);
  for (auto& v : m.voices) {
    if (v->sound->handle == stream) v->finished = true;
  }
  m.PruneLocked();
  std::erase_if(m.sounds, [stream](const auto& s) { return s->handle == stream; });
}

EngineChannel AudioMixer::StreamPlay(EngineStream stream, bool loop, int volume) {
  Impl& m = *impl_;
  auto found = std::find_if(m.sounds.begin(), m.sounds.end(),
                            [stream](const auto& s) { return s->handle == stream; });
  if (!stream || found == m.sounds.end()) return 0;
  auto voice = std::make_unique<Voice>();
  voice->sound = *found;
  voice->loop = loop;
  voice->volume = static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
  if (!voice->sound->whole) {
    voice->decoder = std::make_unique<Decoder>();
    if (!voice->decoder->Open(voice->sound->file)) return 0;
    voice->chunk.reserve(static_cast<std::size_t>(kDecodeChunkFrames) * voice->sound->channels);
  }
  voice->handle = m.nextChannel++;
  const EngineChannel handle = voice->handle;
  std::lock_guard lock(m.mutex);
  m.PruneLocked();
  m.voices.push_back(std::move(voice));
  return handle;
}

void AudioMixer::ChannelSetVolume(EngineChannel channel, int volume) {
  std::lock_guard lock(impl_->mutex);
  if (Voice* v = impl_->FindLocked(channel)) {
    v->volume = static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
  }
}

void AudioMixer::ChannelSetPitch(EngineChannel channel, float pitch) {
  std::lock_guard lock(impl_->mutex);
  Voice* v = impl_->FindLocked(channel);
  // A rate of 0 (or not a number) would stall the channel for good.
  if (v && pitch > 0.0f) v->pitch = std::min(pitch, 16.0f);
}

void AudioMixer::ChannelPause(EngineChannel channel) {
  std::lock_guard lock(impl_->mutex);
  if (Voice* v = impl_->FindLocked(channel)) v->paused = true;
}

void AudioMixer::ChannelResume(EngineChannel channel) {
  std::lock_guard lock(impl_->mutex);
  if (Voice* v = impl_->FindLocked(channel)) v->paused = false;
}

void AudioMixer::ChannelStop(EngineChannel channel) {
  std::lock_guard lock(impl_->mutex);
  if (Voice* v = impl_->FindLocked(channel)) v->finished = true;
  impl_->PruneLocked();
}

bool AudioMixer::ChannelIsPlaying(EngineChannel channel) {
  std::lock_guard lock(impl_->mutex);
  const Voice* v = impl_->FindLocked(channel);
  return v && !v->finished;
}

void AudioMixer::ChannelStopAll() {
  std::lock_guard lock(impl_->mutex);
  impl_->voices.clear();
}
