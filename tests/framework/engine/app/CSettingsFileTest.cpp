#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CGameProperties.h"
#include "framework/core/CStreamReader.h"
#include "framework/engine/app/CSettingsFile.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::HGENS::CSettingsFile;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kTitle = "Sizzlewick: Panmaster";

Bytes FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// Stands in for the game manager: counts its events and runs the game's block handlers.
class CSettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    m_Engine = hgeCreate(ENGINE_VERSION);
    ASSERT_NE(m_Engine, nullptr);
    m_Engine->SetStateString(EngineState::Title, kTitle);
    m_Engine->SetLogHook([this](const char* line) { m_Log.emplace_back(line); });
    m_Path = CSettingsFile::GetSavePath(*m_Engine, L"Setting");
    ASSERT_FALSE(m_Path.empty());
    std::filesystem::remove(File());
  }
  void TearDown() override {
    m_Engine->SetLogHook({});
    m_Engine->Release();
  }

  std::filesystem::path File() const { return Os::Utf16ToUtf8(m_Path); }
  GF::CGameProperties& Properties() { return *GF::CGameProperties::Instance(); }

  bool Save() {
    return CSettingsFile::Save(*m_Engine, m_Path, [this](const auto& out) {
      ++m_Saves;
      GF::WriteUInt32BE(*out, 9);  // the game's block: a version and a name
      GF::WriteWideString(*out, m_Name);
    });
  }
  void Load() {
    CSettingsFile::Load(
        *m_Engine, m_Path,
        [this](const auto& in) {
          ++m_Loads;
          GF::CStreamReader reader(*in);
          m_LoadedVersion = reader.UInt32BE();
          m_LoadedName = reader.WideString();
        },
        [this] { ++m_Resets; });
  }
  void SetSettings(int sound, int music, int cursor, bool windowed) {
    Properties().SetInt("SoundVolume", sound);
    Properties().SetInt("MusicVolume", music);
    Properties().SetInt("CustomCursor", cursor);
    m_Engine->SetStateBool(EngineState::Windowed, windowed);
  }
  void ExpectSettings(int sound, int music, int cursor, int fullScreen) {
    EXPECT_EQ(Properties().GetInt("SoundVolume"), sound);
    EXPECT_EQ(Properties().GetInt("MusicVolume"), music);
    EXPECT_EQ(Properties().GetInt("CustomCursor"), cursor);
    EXPECT_EQ(Properties().GetInt("FullScreen"), fullScreen);
    EXPECT_EQ(m_Engine->GetStateBool(EngineState::Windowed), fullScreen == 0);
  }

  Engine* m_Engine = nullptr;
  std::wstring m_Path;
  std::vector<std::string> m_Log;
  std::wstring m_Name = L"Ann\u00E9e";
  int m_Saves = 0, m_Loads = 0, m_Resets = 0;
  std::uint32_t m_LoadedVersion = 0;
  std::wstring m_LoadedName;
};

TEST_F(CSettingsFileTest, SaveFolderIsNamedAfterTheTitleWithoutItsColon) {
  const std::filesystem::path file = File();
  EXPECT_EQ(file.filename(), "Setting");
  EXPECT_EQ(file.parent_path().filename(), "Sizzlewick Panmaster");
  EXPECT_TRUE(std::filesystem::is_directory(file.parent_path()));

  m_Engine->SetStateString(EngineState::Title, "");
  EXPECT_TRUE(CSettingsFile::GetSavePath(*m_Engine, L"Setting").empty());
}

TEST_F(CSettingsFileTest, RoundTripsTheExactHeaderAndTheGamesBlock) {
  SetSettings(70, 30, 1, /*windowed=*/true);
  ASSERT_TRUE(Save());
  EXPECT_EQ(m_Saves, 1);
  const Bytes expected = {0, 0, 0, 70, 0, 0, 0,   30, 0,   0, 0,   1, 0,    0, 0,  0,  // settings
                          0, 0, 0, 9,  5, 0, 'A', 0,  'n', 0, 'n', 0, 0xE9, 0, 'e'};
  EXPECT_EQ(FileBytes(File()), expected);
  EXPECT_FALSE(std::filesystem::exists(File().string() + ".tmp"));

  SetSettings(1, 2, 0, /*windowed=*/false);
  Load();
  ExpectSettings(70, 30, 1, 0);  // FullScreen 0 sets the engine windowed
  EXPECT_EQ(m_Loads, 1);
  EXPECT_EQ(m_Resets, 0);
  EXPECT_EQ(m_LoadedVersion, 9u);
  EXPECT_EQ(m_LoadedName, m_Name);

  SetSettings(70, 30, 1, /*windowed=*/false);
  ASSERT_TRUE(Save());
  EXPECT_EQ(FileBytes(File())[15], 1);  // full screen
  EXPECT_TRUE(m_Log.empty());
}

TEST_F(CSettingsFileTest, FirstStartAndShortFilesGiveTheDefaults) {
  const std::vector<std::pair<const char*, std::optional<Bytes>>> cases = {
      {"no file", std::nullopt},
      {"empty file", Bytes{}},
      {"15 bytes", Bytes(15, 0)},
  };
  for (const auto& [name, content] : cases) {
    SCOPED_TRACE(name);
    std::filesystem::remove(File());
    if (content) WriteFile(File(), *content);
    SetSettings(1, 2, 3, /*windowed=*/true);
    m_Resets = m_Loads = 0;
    Load();
    ExpectSettings(50, 50, 0, 1);  // and the engine is set to full screen
    EXPECT_EQ(m_Resets, 1);
    EXPECT_EQ(m_Loads, 0);
  }
}

TEST_F(CSettingsFileTest, LoadClampsVolumes) {
  WriteFile(File(), {0, 0, 0, 200, 0xFF, 0xFF, 0xFF, 0xFB, 0, 0, 0, 0, 0, 0, 0, 1});
  Load();
  ExpectSettings(100, 0, 0, 1);
  EXPECT_EQ(m_Loads, 1);  // the subscriber still runs, on an empty block
  EXPECT_EQ(m_LoadedVersion, 0u);
}

TEST_F(CSettingsFileTest, AFailedSaveKeepsThePreviousFile) {
  SetSettings(70, 30, 1, /*windowed=*/true);
  ASSERT_TRUE(Save());
  const Bytes previous = FileBytes(File());
  const std::filesystem::path temp = File().string() + ".tmp";
  SetSettings(10, 10, 0, /*windowed=*/false);

  // The temporary file can't be created: no subscriber runs.
  std::filesystem::create_directory(temp);
  m_Saves = 0;
  EXPECT_FALSE(Save());
  EXPECT_EQ(m_Saves, 0);
  std::filesystem::remove(temp);

  // The disk fills up while the file is written.
  std::filesystem::create_symlink("/dev/full", temp);
  EXPECT_FALSE(Save());
  EXPECT_FALSE(std::filesystem::is_symlink(temp));

  // A subscriber throws half-way through its block.
  EXPECT_THROW(CSettingsFile::Save(*m_Engine, m_Path,
                                   [](const auto& out) {
                                     GF::WriteUInt32BE(*out, 9);
                                     throw std::runtime_error("profile writer failed");
                                   }),
               std::runtime_error);

  EXPECT_EQ(FileBytes(File()), previous);
  EXPECT_FALSE(std::filesystem::exists(temp));
  EXPECT_EQ(m_Log, std::vector<std::string>(3, "Cant't Save Setting"));
}

TEST_F(CSettingsFileTest, NoSaveFolderWritesNothing) {
  m_Saves = 0;
  EXPECT_FALSE(CSettingsFile::Save(*m_Engine, L"", [this](const auto&) { ++m_Saves; }));
  EXPECT_EQ(m_Saves, 0);
  EXPECT_EQ(m_Log, std::vector<std::string>{"Cant't Save Setting"});
  EXPECT_FALSE(std::filesystem::exists("/Setting.tmp"));

  CSettingsFile::Load(
      *m_Engine, L"", [this](const auto&) { ++m_Loads; }, [this] { ++m_Resets; });
  EXPECT_EQ(m_Loads, 0);
  EXPECT_EQ(m_Resets, 1);
}

}  // namespace
