// The data files as the game reads them: from a resource pack through the engine's resource
// access, faults in the engine's log.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/CMemoryOutputStream.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "platform/Engine.h"
#include "tests/support/PackFixtures.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleContent.h"

namespace {

template <typename T, typename WriteFn>
std::string Encode(const T& data, WriteFn write) {
  GF::CMemoryOutputStream out;
  write(out, data);
  return std::string(out.Bytes().begin(), out.Bytes().end());
}

class DataFilesEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine = hgeCreate(ENGINE_VERSION);
    ASSERT_NE(engine, nullptr);
    engine->SetLogHook([this](const char* line) { log.emplace_back(line); });
  }
  void TearDown() override {
    engine->SetLogHook({});
    engine->Shutdown();
    engine->Release();
    GameDatabase = {};
    LevelsDatabase = {};
    GetLibraryData() = {};
  }

  Engine* engine = nullptr;
  std::vector<std::string> log;
};

TEST_F(DataFilesEngineTest, FilesComeFromThePackBinary2First) {
  const std::string gameData = Encode(MakeSampleGameData(), WriteGameData);
  const std::string levels = Encode(MakeSampleLevelsData(), WriteLevelsData);
  const std::string library = Encode(MakeSampleLibraryData(), WriteLibraryData);
  const auto pack = pm::test::MakeTempDir("datafiles") / "resource.dat";
  ASSERT_TRUE(pm::test::WritePack(pack.string(), {{"Binary/gamedata.bin", gameData},
                                                  {"Binary/levelsdata.bin", levels},
                                                  {"Binary/libdata.bin", library},
                                                  {"Binary_2/libdata.bin", "\x7F"}}));
  ASSERT_TRUE(engine->AttachPack(pack.c_str()));

  ASSERT_TRUE(LoadGameDataFile());
  EXPECT_EQ(GameDatabase, MakeSampleGameData());
  ASSERT_TRUE(LoadLevelsDataFile());
  EXPECT_EQ(LevelsDatabase, MakeSampleLevelsData());

  // The damaged copy in "Binary_2\" is the one taken; it is refused and logged.
  EXPECT_FALSE(LoadLibraryDataFile());
  EXPECT_EQ(GetLibraryData(), LibraryData{});
  const std::string expected = "[E] libdata.bin: part A (icons) is damaged; the file is not loaded";
  EXPECT_NE(std::find(log.begin(), log.end(), expected), log.end());
}

}  // namespace
