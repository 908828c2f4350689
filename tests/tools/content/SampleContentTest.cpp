#include <gtest/gtest.h>

#include "tests/game/app/CTestDataFileSource.h"
#include "tests/support/TestSupport.h"
#include "tools/content/SampleContent.h"

namespace {

// The generator's files, written to a folder and read back the way the game reads them.
class SampleContentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = pm::test::MakeTempDir("content");
    ASSERT_TRUE(WriteSampleContent(folder));
  }
  void SetUp() override {
    source.folder = folder;
    GameDatabase = {};
    GetLibraryData() = {};
  }
  void TearDown() override {
    GameDatabase = {};
    GetLibraryData() = {};
  }

  static inline std::filesystem::path folder;
  CTestDataFileSource source;
};

TEST_F(SampleContentTest, GameDataLoadsAsGenerated) {
  ASSERT_TRUE(LoadGameDataFile());
  EXPECT_EQ(GameDatabase, MakeSampleGameData());
  EXPECT_TRUE(MotionPathTable.contains("spiral"));
  EXPECT_EQ(GridAnimationTable.size(), 1u);
  EXPECT_FALSE(TipRecords.empty());
  EXPECT_TRUE(FlowRules.empty());
  EXPECT_GT(OrderQueueCapacity, 0);
  EXPECT_EQ(GameSpeedFactor, 1.0f);
  EXPECT_TRUE(source.log.empty());
}

TEST_F(SampleContentTest, LibraryDataLoadsAsGenerated) {
  ASSERT_TRUE(LoadLibraryDataFile());
  EXPECT_EQ(GetLibraryData(), MakeSampleLibraryData());
  EXPECT_NE(GetLibraryData().FindObject("Devices.mixer"), nullptr);
  EXPECT_NE(GetLibraryData().FindIcon("interfaces.icons_ingredients"), nullptr);
  EXPECT_TRUE(source.log.empty());
}

// Every catalogue key that an object's items name is itself in the catalogue.
TEST_F(SampleContentTest, CatalogueItemsNameCatalogueObjects) {
  const LibraryData lib = MakeSampleLibraryData();
  for (const auto& [key, object] : lib.Objects)
    for (const RecipeItem& item : object.Items)
      EXPECT_NE(lib.FindObject(item.ObjectName), nullptr) << key << " -> " << item.ObjectName;
}

}  // namespace
