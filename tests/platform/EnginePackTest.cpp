#include <gtest/gtest.h>
#include <zip.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/OsServices.h"
#include "tests/platform/EngineFixture.h"
#include "tests/support/TestSupport.h"

namespace {

// Writes a zip archive of the given entries; with a password every entry is encrypted with
// the given method.
void WriteZip(const std::filesystem::path& path, const std::map<std::string, std::string>& files,
              const char* password = nullptr, zip_uint16_t method = ZIP_EM_AES_256) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const auto& [name, data] : files) {
    zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    ASSERT_GE(index, 0);
    if (password) {
      ASSERT_EQ(
          zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), method, password), 0);
    }
  }
  ASSERT_EQ(zip_close(archive), 0);
}

class EnginePackTest : public pm::test::EngineFixture {
 protected:
  std::string Load(const char* name, bool* found = nullptr) {
    std::uint32_t size = 12345;
    void* data = engine->ResourceLoad(name, &size);
    if (found) *found = data != nullptr;
    if (!data) {
      EXPECT_EQ(size, 0u);
      return "<null>";
    }
    std::string text(static_cast<const char*>(data), size);
    engine->ResourceFree(data);
    return text;
  }

  const std::filesystem::path dir = pm::test::MakeTempDir("pack");
};

TEST_F(EnginePackTest, NamesMatchWindowsStyleWithoutRegardToCase) {
  WriteZip(dir / "resource.dat", {{"dir/file.txt", "hello"},
                                  {"Binary/Empty.bin", ""},
                                  {"Particle/3.PSI", "psi"},
                                  {"folder/", ""}});
  ASSERT_TRUE(engine->AttachPack((dir / "resource.dat").c_str()));
  EXPECT_EQ(Load("Dir\\File.TXT"), "hello");
  EXPECT_EQ(Load("dir/file.txt"), "hello");
  EXPECT_EQ(Load("particle\\3.psi"), "psi");
  bool found = false;
  EXPECT_EQ(Load("BINARY\\EMPTY.BIN", &found), "");
  EXPECT_TRUE(found) << "a zero-length file is a file";
  EXPECT_EQ(Load("Dir\\Missing.txt"), "<null>");
  EXPECT_EQ(Load("folder"), "<null>");
  EXPECT_EQ(Load(""), "<null>");
  EXPECT_EQ(engine->ResourceLoad(nullptr), nullptr);
  // The size may be left out.
  void* data = engine->ResourceLoad("Dir\\File.TXT");
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::memcmp(data, "hello", 6), 0) << "a zero byte follows the data";
  engine->ResourceFree(data);
}

TEST_F(EnginePackTest, PasswordProtectedPacksNeedTheirPassword) {
  const std::pair<zip_uint16_t, const char*> methods[] = {{ZIP_EM_AES_256, "aes"},
                                                          {ZIP_EM_TRAD_PKWARE, "pkware"}};
  for (const auto& [method, name] : methods) {
    SCOPED_TRACE(name);
    const auto path = dir / "resource.dat";  // each attach replaces the one before
    WriteZip(path, {{"dir/file.txt", std::string(5000, 'p')}}, "secret", method);
    ASSERT_TRUE(engine->AttachPack(path.c_str(), "secret"));
    EXPECT_EQ(Load("Dir\\File.TXT"), std::string(5000, 'p'));
    ASSERT_TRUE(engine->AttachPack(path.c_str(), "wrong"));  // replaces the first
    log.clear();
    EXPECT_EQ(Load("Dir\\File.TXT"), "<null>");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("Can't read \"Dir\\File.TXT\""), std::string::npos) << log[0];
    ASSERT_TRUE(engine->AttachPack(path.c_str()));
    EXPECT_EQ(Load("Dir\\File.TXT"), "<null>");
  }
}

TEST_F(EnginePackTest, TheNewestPackIsSearchedFirst) {
  WriteZip(dir / "old.dat", {{"a.txt", "old"}, {"b.txt", "only old"}});
  WriteZip(dir / "new.dat", {{"A.TXT", "new"}});
  ASSERT_TRUE(engine->AttachPack((dir / "old.dat").c_str()));
  ASSERT_TRUE(engine->AttachPack((dir / "new.dat").c_str()));
  EXPECT_EQ(Load("a.txt"), "new");
  EXPECT_EQ(Load("b.txt"), "only old");
  ASSERT_TRUE(engine->AttachPack((dir / "old.dat").c_str()));  // again: now the newest
  EXPECT_EQ(Load("a.txt"), "old");
}

TEST_F(EnginePackTest, MissingOrBrokenPacksAreRefused) {
  EXPECT_FALSE(engine->AttachPack((dir / "missing.dat").c_str()));
  std::ofstream(dir / "broken.dat") << "not a zip archive";
  EXPECT_FALSE(engine->AttachPack((dir / "broken.dat").c_str()));
  EXPECT_FALSE(engine->AttachPack(nullptr));
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(EnginePackTest, AnEntryClaimingMoreThanItHoldsIsRefused) {
  // A damaged header claims nearly 4 GB for a few bytes of data: the read fails without
  // taking the claimed memory (the fuzz target's malloc limit watches that part).
  std::ifstream in(PANMASTER_SOURCE_DIR "/fuzz/regressions/Pack/claims-gigabytes.zip",
                   std::ios::binary);
  ASSERT_TRUE(in);
  std::ofstream(dir / "claims.dat", std::ios::binary) << in.rdbuf();
  ASSERT_TRUE(engine->AttachPack((dir / "claims.dat").c_str()));
  EXPECT_EQ(Load("Animation\\effects.as"), "<null>");
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(EnginePackTest, FilesOnDiskUnderTheProgramFolderAreTheFallback) {
  // The program's folder is the test binary's; a folder of a unique name keeps tests apart.
  const std::string unique =
      "pack-fallback-" + dir.filename().string() + "-" + std::to_string(getpid());
  const std::filesystem::path root = Os::GetProgramDirectory() + unique;
  std::filesystem::create_directories(root / "Sub");
  std::ofstream(root / "Sub" / "Data.TXT") << "on disk";
  std::ofstream(root / "Sub" / "empty.bin");
  WriteZip(dir / "resource.dat",
           {{unique + "/sub/packed.txt", "in pack"}, {unique + "/sub/data.txt", "pack wins"}});

  EXPECT_EQ(Load((unique + "\\SUB\\data.txt").c_str()), "on disk");
  bool found = false;
  EXPECT_EQ(Load((unique + "\\sub\\EMPTY.BIN").c_str(), &found), "");
  EXPECT_TRUE(found);
  EXPECT_EQ(Load((unique + "\\Sub\\none.txt").c_str()), "<null>");
  EXPECT_EQ(Load((unique + "\\Sub").c_str()), "<null>") << "a folder is not a file";
  const std::string absolute = (root / "sub" / "data.txt").string();
  EXPECT_EQ(Load(absolute.c_str()), "on disk");

  ASSERT_TRUE(engine->AttachPack((dir / "resource.dat").c_str()));
  EXPECT_EQ(Load((unique + "\\Sub\\Data.TXT").c_str()), "pack wins");
  EXPECT_EQ(Load((unique + "\\Sub\\Packed.txt").c_str()), "in pack");
  std::filesystem::remove_all(root);
}

}  // namespace
