#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "game/app/LibraryData.h"
#include "tests/game/app/CTestDataFileSource.h"
#include "tests/game/app/DataFileBytes.h"

namespace {

using pm::test::Bytes;
using pm::test::Encode;

Bytes Write(const LibraryData& data) {
  return pm::test::EncodeFile(WriteLibraryData, data);
}

bool Load(const Bytes& bytes) {
  return pm::test::LoadFile(LoadLibraryData, bytes);
}

ObjectDescription Device(const std::string& key, HitMask mask = {}) {
  ObjectDescription d;
  d.UsesHitMask = !mask.Bytes.empty();
  d.ShownName = "Миксер";
  d.Value1 = -2;
  d.Name2 = "n2";
  d.Flag = true;
  d.Items = {{L"Тесто", 1500, "Ingredients.dough"}, {L"", 0, ""}};
  d.WorkFlag = 1;
  d.WorkSound = "mixer_work";
  d.WideName = L"Mixer \x20AC \xD83C\xDF70";
  d.Value2 = 0.5f;
  d.Value3 = 9;
  d.Mask = std::move(mask);
  d.Key = key;
  return d;
}

LibraryData RichLibrary() {
  LibraryData lib;
  lib.Icons = {{"icons", {"icons", 256, 128, 32, 32}}, {"значки", {"значки", 64, 64, 16, 16}}};
  lib.Objects = {{"Devices.mixer", Device("Devices.mixer", {{0, 1, 1, 0, 0, 0}, 3, -1, 2, 2})},
                 {"Dishes.pancakes", Device("Dishes.pancakes")},
                 {"", ObjectDescription{}}};
  return lib;
}

class LibraryDataTest : public ::testing::Test {
 protected:
  void SetUp() override { GetLibraryData() = {}; }
  void TearDown() override { GetLibraryData() = {}; }
  CTestDataFileSource source;
};

TEST_F(LibraryDataTest, RecordsComeBackThroughWriterAndLoader) {
  for (const LibraryData& lib : {LibraryData{}, RichLibrary()}) {
    ASSERT_TRUE(Load(Write(lib)));
    EXPECT_EQ(GetLibraryData(), lib);
  }
  EXPECT_TRUE(source.log.empty());
}

TEST_F(LibraryDataTest, ObjectFieldsLieInFileOrder) {
  const Bytes bytes = Encode([](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 0);  // no icons
    GF::WriteUInt32BE(o, 1);
    GF::WriteBool(o, true);
    GF::WriteString(o, "shown");
    GF::WriteInt32BE(o, 7);
    GF::WriteString(o, "two");
    GF::WriteBool(o, true);
    GF::WriteUInt32BE(o, 1);
    GF::WriteWideString(o, L"item");
    GF::WriteInt32BE(o, 2000);
    GF::WriteString(o, "Ingredients.egg");
    GF::WriteInt32BE(o, 1);
    GF::WriteString(o, "sizzle");
    GF::WriteWideString(o, L"Griddle");
    GF::WriteFloat(o, 2.5f);
    GF::WriteInt32BE(o, 11);
    GF::WriteUInt32BE(o, 2);
    GF::WriteByte(o, 0);
    GF::WriteByte(o, 1);
    for (std::int32_t v : {2, 5, 6, 1}) GF::WriteInt32BE(o, v);
    GF::WriteString(o, "Devices.griddle_2");
  });
  ASSERT_TRUE(Load(bytes));
  const ObjectDescription* d = GetLibraryData().FindObject("Devices.griddle_2");
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->UsesHitMask);
  EXPECT_EQ(d->ShownName, "shown");
  EXPECT_EQ(d->Value1, 7);
  EXPECT_EQ(d->Items, (std::vector<RecipeItem>{{L"item", 2000, "Ingredients.egg"}}));
  EXPECT_EQ(d->WorkFlag, 1);
  EXPECT_EQ(d->WorkSound, "sizzle");
  EXPECT_EQ(d->WideName, L"Griddle");
  EXPECT_EQ(d->Value2, 2.5f);
  EXPECT_EQ(d->Value3, 11);
  EXPECT_EQ(d->Mask, (HitMask{{0, 1}, 2, 5, 6, 1}));
}

TEST_F(LibraryDataTest, LaterRecordWithTheSameKeyWins) {
  const Bytes bytes = Encode([](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 2);
    WriteIconRecord(o, {"icons", 1, 1, 1, 1});
    WriteIconRecord(o, {"icons", 2, 2, 2, 2});
    GF::WriteUInt32BE(o, 2);
    ObjectDescription first = Device("Devices.mixer"), second = first;
    second.WorkSound = "later";
    WriteObjectDescription(o, first);
    WriteObjectDescription(o, second);
  });
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(GetLibraryData().Icons.size(), 1u);
  EXPECT_EQ(GetLibraryData().FindIcon("icons")->SheetWidth, 2);
  EXPECT_EQ(GetLibraryData().Objects.size(), 1u);
  EXPECT_EQ(GetLibraryData().Object("Devices.mixer").WorkSound, "later");
}

// The hit test never reads a mask's last row, so a mask may end before it.
TEST_F(LibraryDataTest, HitMaskTooShortForTheHitTestIsDropped) {
  const std::vector<std::uint8_t> six(6, 0);
  LibraryData lib;
  lib.Objects = {{"full", Device("full", {six, 3, 0, 0, 2})},
                 {"no_last_row", Device("no_last_row", {six, 3, 0, 0, 3})},
                 {"longer", Device("longer", {six, 2, 0, 0, 2})},
                 {"empty", Device("empty", {{}, 3, 0, 0, 2})},
                 {"short", Device("short", {{0, 0, 0, 0, 0}, 3, 0, 0, 3})},
                 {"negative_width", Device("negative_width", {six, -1, 0, 0, 2})},
                 {"negative_height", Device("negative_height", {six, 3, 0, 0, -2})}};
  ASSERT_TRUE(Load(Write(lib)));
  const LibraryData& loaded = GetLibraryData();
  for (const char* key : {"full", "no_last_row", "longer", "empty"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(loaded.FindObject(key)->Mask, lib.Objects[key].Mask);
    EXPECT_EQ(loaded.FindObject(key)->UsesHitMask, lib.Objects[key].UsesHitMask);
  }
  for (const char* key : {"short", "negative_width", "negative_height"}) {
    SCOPED_TRACE(key);
    EXPECT_TRUE(loaded.FindObject(key)->Mask.Bytes.empty());
    EXPECT_FALSE(loaded.FindObject(key)->UsesHitMask);
  }
  ASSERT_EQ(source.log.size(), 3u);
  for (const std::string& line : source.log)
    EXPECT_EQ(line.rfind("[W] libdata.bin: hit mask of ", 0), 0u) << line;
}

TEST_F(LibraryDataTest, DamagedFilesFailAndKeepTheCatalogue) {
  const Bytes full = Write(RichLibrary());
  std::vector<Bytes> bad;
  for (std::size_t cut = 0; cut < full.size(); ++cut)
    bad.emplace_back(full.begin(), full.begin() + cut);
  bad.push_back(Encode([](GF::COutputStream& o) { GF::WriteUInt32BE(o, 0x7FFFFFFF); }));
  bad.push_back(Encode([](GF::COutputStream& o) {
    GF::WriteUInt32BE(o, 0);
    GF::WriteUInt32BE(o, 1);
    WriteObjectDescription(o, {});
  }));
  // The last object's mask byte count, raised past the end of the file.
  Bytes& maskCount = bad.back();
  maskCount[maskCount.size() - 21] = 0x7F;

  LibraryData before;
  before.Icons = {{"kept", {"kept", 1, 2, 3, 4}}};
  ASSERT_TRUE(Load(Write(before)));
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_FALSE(Load(bad[i])) << "case " << i;
    ASSERT_EQ(GetLibraryData(), before) << "case " << i;
  }
  EXPECT_EQ(source.log.back(),
            "[E] libdata.bin: part B (objects) is damaged; the file is not loaded");
}

TEST_F(LibraryDataTest, MissingKeyAddsAnEmptyDescription) {
  ASSERT_TRUE(Load(Write(RichLibrary())));
  EXPECT_EQ(GetLibraryData().FindObject("Devices.none"), nullptr);
  EXPECT_EQ(GetLibraryData().Object("Devices.none"), ObjectDescription{});
  EXPECT_NE(GetLibraryData().FindObject("Devices.none"), nullptr);
}

TEST_F(LibraryDataTest, FileComesThroughTheDataFolders) {
  source.files["Binary\\libdata.bin"] = Write(RichLibrary());
  ASSERT_TRUE(LoadLibraryDataFile());
  EXPECT_EQ(GetLibraryData(), RichLibrary());
}

}  // namespace
