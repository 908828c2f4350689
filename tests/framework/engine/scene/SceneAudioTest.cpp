#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/core/CGameProperties.h"
#include "framework/engine/scene/CGameSound.h"
#include "framework/engine/scene/CMusic.h"
#include "framework/engine/scene/CSoundObject.h"
#include "tests/framework/engine/scene/SceneFixture.h"
#include "tests/platform/TestOgg.h"

namespace {

using GF::HGENS::CGameSound;
using GF::HGENS::CMusic;
using GF::HGENS::CSoundObject;

constexpr float kStep = 10.0f;  // ms of sound mixed before each frame

class SceneAudioTest : public pm::test::ReplayMode, public pm::test::SceneFixture {
 protected:
  void SetUp() override {
    SceneFixture::SetUp();
    GF::CGameProperties::Instance()->SetInt("SoundVolume", 100);
  }

  void AddPackEntries(std::vector<pm::test::PackEntry>& entries) override {
    auto tone = [](float seconds) {
      return pm::test::Bytes(pm::test::EncodeOggSine(440.0f, seconds, 0.5f));
    };
    entries.push_back({"Sound/7", tone(0.15f)});
    entries.push_back({"Sound/8", tone(0.1f)});
    entries.push_back({"Sound/beep.ogg", tone(0.1f)});
    entries.push_back({"Sound/tune.ogg", tone(1.0f)});
  }

  Engine& engine() { return session.engine(); }
};

const CGameSound::SoundData* First(const CGameSound& sound, const std::string& name) {
  const auto* list = sound.Find(name);
  return list && !list->empty() ? &list->front() : nullptr;
}

TEST_F(SceneAudioTest, SpacingRefusesASecondRequestUnlessItStartsLaterThanThat) {
  auto sound = GF::MakeHolder<CGameSound>();
  sound->Play("beep", 1, 0.0f, 100.0f, 0.0f);
  sound->Play("beep", 1, 0.0f, 100.0f, 0.0f);
  EXPECT_EQ(sound->Find("beep")->size(), 1u);
  sound->Play("beep", 1, -50.0f, -10.0f, 0.0f);  // negatives count as 0: 0 <= 0 refuses
  EXPECT_EQ(sound->Find("beep")->size(), 1u);
  sound->Play("beep", 1, 500.0f, 100.0f, 0.0f);  // starts 500 ms after the first
  EXPECT_EQ(sound->Find("beep")->size(), 2u);
  sound->Play("nothing", 1, 0.0f, 0.0f, 0.0f);  // unknown: logged, nothing added
  EXPECT_TRUE(sound->Find("nothing")->empty());
  EXPECT_TRUE(session.HasLogLine("[W] SOUND Sound\\0 NOT FOUND"));
}

TEST_F(SceneAudioTest, CountsPlayBackToBackThenTheRecordGoes) {
  auto sound = GF::MakeHolder<CGameSound>();
  sound->Play("beep", 3, 0.0f, 0.0f, 0.0f);
  std::vector<EngineChannel> starts;
  int lastFrame = 0;
  RunFrames([&](int frame) {
    const auto* before = First(*sound, "beep");
    const EngineChannel previous = before ? before->channel : 0;
    sound->Update(kStep);
    const auto* record = First(*sound, "beep");
    if (!record) {
      lastFrame = frame;
      return false;
    }
    if (record->channel != previous) {
      // A new play begins only once the previous one has ended.
      EXPECT_FALSE(engine().ChannelIsPlaying(previous)) << "frame " << frame;
      starts.push_back(record->channel);
    }
    return frame < 100;
  });
  EXPECT_EQ(starts.size(), 3u);
  EXPECT_EQ(std::set<EngineChannel>(starts.begin(), starts.end()).size(), 3u);
  // Three plays of 100 ms, each starting in the frame after the previous one ended.
  EXPECT_GE(lastFrame, 30);
  EXPECT_LE(lastFrame, 35);
}

TEST_F(SceneAudioTest, ADelayStartsAtExactlyItsTime) {
  auto sound = GF::MakeHolder<CGameSound>();
  sound->Play("beep", 1, 500.0f, 0.0f, 0.0f);
  for (int frame = 1; frame <= 50; ++frame) {
    sound->Update(kStep);
    ASSERT_EQ(First(*sound, "beep")->channel, 0u) << "frame " << frame;  // timer up to 0
  }
  sound->Update(kStep);
  EXPECT_TRUE(engine().ChannelIsPlaying(First(*sound, "beep")->channel));
}

TEST_F(SceneAudioTest, ALoopPlaysUntilStopped) {
  auto sound = GF::MakeHolder<CGameSound>();
  sound->Play("beep", -1, 0.0f, 0.0f, 0.0f);
  EngineChannel channel = 0;
  RunFrames([&](int frame) {
    sound->Update(kStep);
    if (frame == 1) channel = First(*sound, "beep")->channel;
    EXPECT_EQ(First(*sound, "beep")->channel, channel);
    EXPECT_TRUE(engine().ChannelIsPlaying(channel));
    return frame < 50;  // 500 ms: five times the sound's length
  });
  sound->Stop("beep");
  EXPECT_FALSE(engine().ChannelIsPlaying(channel));
  EXPECT_TRUE(sound->Find("beep")->empty());
}

TEST_F(SceneAudioTest, PauseAndResumeEverything) {
  auto sound = GF::MakeHolder<CGameSound>();
  sound->Play("beep", 1, 0.0f, 0.0f, 0.0f);
  sound->Play("beep", 1, 2000.0f, 0.0f, 0.0f);  // waiting, channel 0: paused all the same
  EngineChannel channel = 0;
  RunFrames([&](int frame) {
    sound->Update(kStep);
    if (frame == 1) channel = First(*sound, "beep")->channel;
    if (frame == 5) sound->PauseAll();
    if (frame == 50) sound->ResumeAll();
    // 40 ms heard before the pause, 60 after it: the sound ends 6 frames after the resume.
    if (frame < 56) {
      EXPECT_TRUE(engine().ChannelIsPlaying(channel)) << "frame " << frame;
    }
    return frame < 60;
  });
  EXPECT_FALSE(engine().ChannelIsPlaying(channel));
}

TEST_F(SceneAudioTest, SoundObjectPlaysPausesResumesRepeatsAndStops) {
  const auto node = scene->PlayAnimation("interfaces.sounds", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  auto* beep = dynamic_cast<CSoundObject*>(node->FindObject("beep").Get());
  auto* loop = dynamic_cast<CSoundObject*>(node->FindObject("loop").Get());
  ASSERT_TRUE(beep && loop);
  EngineChannel beepChannel = 0;
  std::set<EngineChannel> loopChannels;
  RunFrames([&](int frame) {
    scene->Update(kStep);
    const int t = frame * 10;
    if (t == 10) beepChannel = beep->GetChannel();
    if (t < 600) loopChannels.insert(loop->GetChannel());
    if (t == 10 || t == 190 || t == 250) {
      // 150 ms of sound: paused from 100 to 200, it still plays past 150.
      EXPECT_EQ(beep->GetChannel(), beepChannel) << t;
      EXPECT_TRUE(engine().ChannelIsPlaying(beepChannel)) << t;
    }
    if (t == 290) {
      EXPECT_FALSE(engine().ChannelIsPlaying(beepChannel));
    }
    if (t == 590) {
      EXPECT_TRUE(engine().ChannelIsPlaying(loop->GetChannel()));
    }
    if (t >= 600) {
      EXPECT_EQ(loop->GetLastAction(), CSoundObject::kStop);
      EXPECT_FALSE(engine().ChannelIsPlaying(loop->GetChannel())) << t;
    }
    return t < 800;
  });
  EXPECT_NE(beepChannel, 0u);
  // 100 ms of sound repeated over 600 ms: six plays (one a little late each time).
  EXPECT_GE(loopChannels.size(), 5u);
  EXPECT_LE(loopChannels.size(), 6u);
}

TEST_F(SceneAudioTest, SceneStopsItsSoundsForGoodAndPausesThem) {
  const auto node = scene->PlayAnimation("interfaces.sounds", 0.0f, 0.0f, "all", 1, 0.0f);
  ASSERT_TRUE(node);
  auto* loop = dynamic_cast<CSoundObject*>(node->FindObject("loop").Get());
  ASSERT_TRUE(loop);
  EngineChannel stopped = 0;
  RunFrames([&](int frame) {
    scene->Update(kStep);
    if (frame == 5) {
      scene->PauseSounds();  // paused past the sound's end, then resumed: the same play
      stopped = loop->GetChannel();
    }
    if (frame == 30) scene->ResumeSounds();
    if (frame >= 5 && frame < 30) {
      EXPECT_EQ(loop->GetChannel(), stopped) << frame;
    }
    if (frame == 32) {
      EXPECT_TRUE(engine().ChannelIsPlaying(stopped));
      scene->StopSounds();  // a repeating sound does not start again
    }
    if (frame > 32) {
      EXPECT_EQ(loop->GetChannel(), stopped) << frame;
      EXPECT_FALSE(engine().ChannelIsPlaying(stopped)) << frame;
    }
    return frame < 50;
  });
}

struct FadeStep {
  float dt;
  int volume;
  int fades;
};

void ExpectFades(CMusic& music, const std::string& name, const std::vector<FadeStep>& steps) {
  for (const FadeStep& s : steps) {
    music.Update(s.dt);
    EXPECT_EQ(music.GetVolume(name), s.volume) << "after " << s.dt;
    EXPECT_EQ(music.GetFadeCount(), s.fades) << "after " << s.dt;
  }
}

TEST_F(SceneAudioTest, MusicFadesInAndOutOverOneSecond) {
  auto music = GF::MakeHolder<CMusic>();
  GF::CGameProperties::Instance()->SetInt("MusicVolume", 60);
  music->Play("tune", true);
  const EngineChannel first = music->GetChannel("tune");
  ASSERT_TRUE(engine().ChannelIsPlaying(first));
  EXPECT_EQ(music->GetVolume("tune"), 0);
  // A long last frame ends at the volume, not beyond it.
  ExpectFades(*music, "tune",
              {{100, 6, 1}, {150, 15, 1}, {250, 30, 1}, {400, 54, 1}, {300, 60, 0}});

  GF::CGameProperties::Instance()->SetInt("MusicVolume", 50);
  music->Play("tune", true);  // already playing: at once, no fade
  EXPECT_EQ(music->GetVolume("tune"), 50);
  EXPECT_EQ(music->GetFadeCount(), 0);

  music->Stop("tune", true);
  ExpectFades(*music, "tune", {{250, 37, 1}, {250, 25, 1}, {250, 12, 1}});
  music->Update(400.0f);  // ends at 0, never below; the channel stops and the track goes
  EXPECT_EQ(music->GetFadeCount(), 0);
  EXPECT_EQ(music->GetChannel("tune"), 0u);
  EXPECT_FALSE(engine().ChannelIsPlaying(first));

  music->Play("tune", false);
  EXPECT_NE(music->GetChannel("tune"), first);
  EXPECT_TRUE(engine().ChannelIsPlaying(music->GetChannel("tune")));
  EXPECT_EQ(music->GetVolume("tune"), 50);
}

TEST_F(SceneAudioTest, PlayDuringAFadeOutKeepsTheMusicAtFullVolume) {
  auto music = GF::MakeHolder<CMusic>();
  GF::CGameProperties::Instance()->SetInt("MusicVolume", 80);
  music->Play("tune", false);
  const EngineChannel channel = music->GetChannel("tune");
  music->Stop("tune", true);
  ExpectFades(*music, "tune", {{500, 40, 1}});
  music->Play("tune", true);
  EXPECT_EQ(music->GetVolume("tune"), 80);
  ExpectFades(*music, "tune", {{600, 80, 0}, {600, 80, 0}});
  EXPECT_EQ(music->GetChannel("tune"), channel);
  EXPECT_TRUE(engine().ChannelIsPlaying(channel));

  music->Stop("tune", false);  // at once; the track stays known
  EXPECT_FALSE(engine().ChannelIsPlaying(channel));
  EXPECT_EQ(music->GetChannel("tune"), channel);
  music->Play("nothing", true);  // no such sound: no track, no fade
  EXPECT_EQ(music->GetChannel("nothing"), 0u);
  EXPECT_EQ(music->GetFadeCount(), 0);
}

}  // namespace
