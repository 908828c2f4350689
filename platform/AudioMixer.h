#pragma once

// The engine's sound: Ogg Vorbis streams (recognised by content, whatever the file name)
// played on channels and mixed in the SDL audio callback. Its public sound methods carry
// the names and signatures of Engine.h, so the engine forwards each call in one line.
//
// Short sounds are decoded whole when loaded; longer ones (music) decode progressively
// while they play. Channel handles count up and are never reused; 0 and stale handles are
// ignored everywhere. Without an audio device nothing is fatal: sounds load and channels
// run, but nothing advances them unless the owner calls Mix.

#include <cstdint>
#include <memory>

#include "platform/Engine.h"
#include "platform/ResourceAccess.h"

class AudioMixer {
 public:
  static constexpr int kSampleRate = 44100;
  static constexpr int kChannels = 2;  // interleaved stereo

  explicit AudioMixer(ResourceAccess files);
  AudioMixer(const AudioMixer&) = delete;
  AudioMixer& operator=(const AudioMixer&) = delete;
  ~AudioMixer();

  // Opens the SDL audio device (SDL's audio subsystem is initialised here when needed) and
  // starts mixing into it. False when there is no device; the mixer still works through Mix.
  bool OpenDevice();
  // Stops the device's callback; channels and streams stay.
  void CloseDevice();
  bool HasDevice() const;

  // Mixes the next frames (kChannels floats each, -1..1) into out, advancing every playing
  // channel, as the device callback does. For a run without a device (tests, the
  // deterministic mode).
  void Mix(float* out, int frames);

  // Sound (as Engine.h). StreamLoad with size 0 reads the named file through the engine's
  // files; with a size, name points at that many bytes of the file in memory.
  EngineStream StreamLoad(const char* name, std::uint32_t size = 0);
  void StreamFree(EngineStream stream);  // stops its channels
  EngineChannel StreamPlay(EngineStream stream, bool loop, int volume = 100);
  void ChannelSetVolume(EngineChannel channel, int volume);
  void ChannelSetPitch(EngineChannel channel, float pitch);
  void ChannelPause(EngineChannel channel);
  void ChannelResume(EngineChannel channel);
  void ChannelStop(EngineChannel channel);
  bool ChannelIsPlaying(EngineChannel channel);
  void ChannelStopAll();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
