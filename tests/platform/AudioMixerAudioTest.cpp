// The mixer on generated Ogg Vorbis tones, measured through its own mixed output (pulled
// with Mix, as the device callback would), plus the SDL dummy device.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/AudioMixer.h"
#include "tests/platform/TestOgg.h"

namespace {

constexpr int kRate = AudioMixer::kSampleRate;

// Left channel of `frames` mixed frames.
std::vector<float> Pull(AudioMixer& mixer, int frames) {
  std::vector<float> stereo(static_cast<std::size_t>(frames) * 2);
  mixer.Mix(stereo.data(), frames);
  std::vector<float> left(frames);
  for (int i = 0; i < frames; ++i) left[i] = stereo[2 * i];
  return left;
}

float Peak(const std::vector<float>& s) {
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  return peak;
}

// Frequency in Hz from the rising zero crossings.
double Frequency(const std::vector<float>& s) {
  int crossings = 0;
  for (std::size_t i = 1; i < s.size(); ++i) crossings += s[i - 1] < 0 && s[i] >= 0;
  return crossings * static_cast<double>(kRate) / static_cast<double>(s.size());
}

class AudioMixerAudioTest : public ::testing::Test {
 protected:
  AudioMixerAudioTest() : mixer(Files()) {}

  ResourceAccess Files() {
    ResourceAccess files;
    files.load = [this](const char* name, std::uint32_t* size) -> void* {
      auto it = disk.find(name);
      if (it == disk.end()) return nullptr;
      void* data = std::malloc(it->second.size());
      std::memcpy(data, it->second.data(), it->second.size());
      *size = static_cast<std::uint32_t>(it->second.size());
      return data;
    };
    files.free = std::free;
    return files;
  }

  EngineStream Load(const std::vector<unsigned char>& ogg) {
    return mixer.StreamLoad(reinterpret_cast<const char*>(ogg.data()),
                            static_cast<std::uint32_t>(ogg.size()));
  }

  std::map<std::string, std::vector<unsigned char>> disk;
  AudioMixer mixer;
};

TEST_F(AudioMixerAudioTest, PlaysAToneAtItsVolumeAndFrequency) {
  const EngineStream tone = Load(pm::test::EncodeOggSine(441, 1.0f, 0.5f));
  ASSERT_NE(tone, 0u);
  const EngineChannel full = mixer.StreamPlay(tone, false, 100);
  ASSERT_NE(full, 0u);
  const auto loud = Pull(mixer, kRate / 2);
  EXPECT_NEAR(Peak(loud), 0.5f, 0.05f);
  EXPECT_NEAR(Frequency(loud), 441, 5);

  mixer.ChannelSetVolume(full, 40);
  EXPECT_NEAR(Peak(Pull(mixer, kRate / 4)), 0.2f, 0.03f);
  mixer.ChannelSetVolume(full, 250);  // clamped to 100
  EXPECT_NEAR(Peak(Pull(mixer, kRate / 8)), 0.5f, 0.05f);
}

TEST_F(AudioMixerAudioTest, PitchTwoDoublesTheFrequencyAndHalvesTheLength) {
  const EngineStream tone = Load(pm::test::EncodeOggSine(441, 1.0f, 0.5f));
  const EngineChannel c = mixer.StreamPlay(tone, false, 100);
  mixer.ChannelSetPitch(c, 2.0f);
  EXPECT_NEAR(Frequency(Pull(mixer, kRate / 4)), 882, 8);
  Pull(mixer, kRate / 4 + 2048);  // just past half a second: the second is used up
  EXPECT_FALSE(mixer.ChannelIsPlaying(c));
}

TEST_F(AudioMixerAudioTest, ASoundEndsUnlessItLoops) {
  const EngineStream tone = Load(pm::test::EncodeOggSine(441, 0.1f, 0.5f));
  const EngineChannel once = mixer.StreamPlay(tone, false, 100);
  const EngineChannel looping = mixer.StreamPlay(tone, true, 50);
  EXPECT_TRUE(mixer.ChannelIsPlaying(once));
  Pull(mixer, kRate);  // ten times its length
  EXPECT_FALSE(mixer.ChannelIsPlaying(once));
  EXPECT_TRUE(mixer.ChannelIsPlaying(looping));
  EXPECT_NEAR(Peak(Pull(mixer, kRate / 10)), 0.25f, 0.04f);
}

TEST_F(AudioMixerAudioTest, LongMusicDecodesWhilePlayingAndLoops) {
  // Longer than what is decoded whole at load.
  const EngineStream music = Load(pm::test::EncodeOggSine(220, 12.0f, 0.4f, 22050, 2));
  ASSERT_NE(music, 0u);
  const EngineChannel c = mixer.StreamPlay(music, true, 100);
  const auto start = Pull(mixer, kRate);
  EXPECT_NEAR(Peak(start), 0.4f, 0.05f);
  EXPECT_NEAR(Frequency(start), 220, 4);
  Pull(mixer, 12 * kRate);
  EXPECT_TRUE(mixer.ChannelIsPlaying(c));
  EXPECT_NEAR(Frequency(Pull(mixer, kRate)), 220, 4);  // around the loop point and on
}

TEST_F(AudioMixerAudioTest, PauseResumeAndStop) {
  const EngineStream tone = Load(pm::test::EncodeOggSine(441, 1.0f, 0.5f));
  const EngineChannel c = mixer.StreamPlay(tone, false, 100);
  Pull(mixer, 1000);
  mixer.ChannelPause(c);
  EXPECT_EQ(Peak(Pull(mixer, kRate)), 0.0f);
  EXPECT_TRUE(mixer.ChannelIsPlaying(c));  // a paused channel counts as playing
  mixer.ChannelResume(c);
  EXPECT_GT(Peak(Pull(mixer, 2000)), 0.4f);
  mixer.ChannelStop(c);
  EXPECT_FALSE(mixer.ChannelIsPlaying(c));
  EXPECT_EQ(Peak(Pull(mixer, 2000)), 0.0f);

  const EngineChannel a = mixer.StreamPlay(tone, true, 100);
  const EngineChannel b = mixer.StreamPlay(tone, true, 100);
  mixer.ChannelStopAll();
  EXPECT_FALSE(mixer.ChannelIsPlaying(a));
  EXPECT_FALSE(mixer.ChannelIsPlaying(b));
  EXPECT_EQ(Peak(Pull(mixer, 2000)), 0.0f);
}

TEST_F(AudioMixerAudioTest, StaleAndZeroHandlesDoNothing) {
  const EngineStream tone = Load(pm::test::EncodeOggSine(441, 1.0f, 0.5f));
  const EngineChannel old = mixer.StreamPlay(tone, false, 100);
  mixer.ChannelStop(old);
  const EngineChannel fresh = mixer.StreamPlay(tone, false, 100);
  EXPECT_NE(fresh, old);  // never reused
  for (EngineChannel h : {old, EngineChannel{0}}) {
    mixer.ChannelSetVolume(h, 0);
    mixer.ChannelSetPitch(h, 3.0f);
    mixer.ChannelPause(h);
    mixer.ChannelStop(h);
    EXPECT_FALSE(mixer.ChannelIsPlaying(h));
  }
  EXPECT_TRUE(mixer.ChannelIsPlaying(fresh));
  const auto s = Pull(mixer, kRate / 4);
  EXPECT_NEAR(Peak(s), 0.5f, 0.05f);
  EXPECT_NEAR(Frequency(s), 441, 8);

  EXPECT_EQ(mixer.StreamPlay(0, false, 100), 0u);
  mixer.StreamFree(tone);  // stops its channels
  EXPECT_FALSE(mixer.ChannelIsPlaying(fresh));
  EXPECT_EQ(mixer.StreamPlay(tone, false, 100), 0u);
  mixer.StreamFree(tone);
  mixer.StreamFree(0);
}

TEST_F(AudioMixerAudioTest, LoadsByNameWithOrWithoutExtensionAndRefusesOtherData) {
  disk["Sound\\12"] = pm::test::EncodeOggSine(441, 0.2f, 0.5f);
  disk["Sound\\click.ogg"] = disk["Sound\\12"];
  disk["Sound\\noise.ogg"] = std::vector<unsigned char>(500, 'x');
  EXPECT_NE(mixer.StreamLoad("Sound\\12"), 0u);
  EXPECT_NE(mixer.StreamLoad("Sound\\click.ogg"), 0u);
  EXPECT_EQ(mixer.StreamLoad("Sound\\noise.ogg"), 0u);
  EXPECT_EQ(mixer.StreamLoad("Sound\\missing.ogg"), 0u);
  const std::vector<unsigned char> truncated(disk["Sound\\12"].begin(),
                                             disk["Sound\\12"].begin() + 60);
  EXPECT_EQ(Load(truncated), 0u);
}

TEST_F(AudioMixerAudioTest, OpensTheDummyDevice) {
  ASSERT_TRUE(mixer.OpenDevice());
  EXPECT_TRUE(mixer.HasDevice());
  const EngineStream tone = Load(pm::test::EncodeOggSine(441, 0.05f, 0.5f));
  const EngineChannel c = mixer.StreamPlay(tone, true, 100);
  EXPECT_TRUE(mixer.ChannelIsPlaying(c));
  mixer.CloseDevice();
  EXPECT_FALSE(mixer.HasDevice());
}

}  // namespace
