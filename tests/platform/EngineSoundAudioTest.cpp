// Sound through the engine interface: Ogg files read through the engine's files, named with
// or without an extension, played on the SDL dummy device.
#include <fstream>

#include "tests/platform/EngineFixture.h"
#include "tests/platform/TestOgg.h"
#include "tests/support/TestSupport.h"

namespace {

class EngineSoundAudioTest : public pm::test::EngineFixture {};

TEST_F(EngineSoundAudioTest, StreamsLoadByNameAndPlayOnChannels) {
  Initiate();
  const auto dir = pm::test::MakeTempDir("sound");
  const auto ogg = pm::test::EncodeOggSine(441, 0.5f, 0.5f);
  std::ofstream((dir / "12"), std::ios::binary)
      .write(reinterpret_cast<const char*>(ogg.data()), static_cast<std::streamsize>(ogg.size()));

  const EngineStream stream = engine->StreamLoad((dir / "12").c_str());
  ASSERT_NE(stream, 0u);
  EXPECT_EQ(engine->StreamLoad((dir / "13.ogg").c_str()), 0u);

  const EngineChannel first = engine->StreamPlay(stream, true, 80);
  ASSERT_NE(first, 0u);
  EXPECT_TRUE(engine->ChannelIsPlaying(first));
  engine->ChannelPause(first);
  EXPECT_TRUE(engine->ChannelIsPlaying(first));
  engine->ChannelStop(first);
  EXPECT_FALSE(engine->ChannelIsPlaying(first));

  const EngineChannel second = engine->StreamPlay(stream, true, 80);
  EXPECT_NE(second, first);
  engine->ChannelStop(first);  // stale: leaves the new channel alone
  EXPECT_TRUE(engine->ChannelIsPlaying(second));
  engine->ChannelStopAll();
  EXPECT_FALSE(engine->ChannelIsPlaying(second));
  engine->StreamFree(stream);
}

}  // namespace
