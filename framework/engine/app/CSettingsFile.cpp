#include "framework/engine/app/CSettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CGameProperties.h"
#include "framework/engine/app/CDataInputStream.h"
#include "framework/engine/app/CDataOutputStream.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace GF::HGENS {

namespace {

constexpr const char* kSoundVolume = "SoundVolume";
constexpr const char* kMusicVolume = "MusicVolume";
constexpr const char* kCustomCursor = "CustomCursor";
constexpr const char* kFullScreen = "FullScreen";
constexpr const char* kSaveFailed = "Cant't Save Setting";

int ClampVolume(std::int32_t volume) {
  return std::clamp<std::int32_t>(volume, 0, 100);
}

std::filesystem::path FsPath(const std::wstring& path) {
  return std::filesystem::path(Os::Utf16ToUtf8(path));
}

// The half-written file goes away on every way out of Save but success.
class TempFileGuard {
 public:
  explicit TempFileGuard(std::filesystem::path path) : m_Path(std::move(path)) {}
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  ~TempFileGuard() {
    if (m_Armed) {
      std::error_code ignored;
      std::filesystem::remove(m_Path, ignored);
    }
  }
  void Disarm() { m_Armed = false; }

 private:
  std::filesystem::path m_Path;
  bool m_Armed = true;
};

bool Fail(Engine& engine) {
  engine.Log("%s", kSaveFailed);
  return false;
}

}  // namespace

std::wstring CSettingsFile::GetSavePath(Engine& engine, const std::wstring& name) {
  const char* title = engine.GetStateString(EngineState::Title);
  if (title == nullptr || Os::CleanTitle(title).empty()) return {};
  const std::string folder = Os::GetSaveFolder(title);
  if (folder.empty()) return {};
  return Os::Utf8ToUtf16(folder) + L"/" + name;
}

bool CSettingsFile::Save(Engine& engine, const std::wstring& path, const SaveHandler& fireSave) {
  if (path.empty()) return Fail(engine);
  const std::wstring tempPath = path + L".tmp";
  THolder<CDataOutputStream> file(new CDataOutputStream);
  if (!file->Open(tempPath)) return Fail(engine);
  TempFileGuard guard(FsPath(tempPath));

  const THolder<CGameProperties> properties = CGameProperties::Instance();
  WriteInt32BE(*file, properties->GetInt(kSoundVolume));
  WriteInt32BE(*file, properties->GetInt(kMusicVolume));
  WriteInt32BE(*file, properties->GetInt(kCustomCursor));
  WriteInt32BE(*file, engine.GetStateBool(EngineState::Windowed) ? 0 : 1);
  try {
    fireSave(THolder<IDataOutputStream>(file));
  } catch (...) {
    engine.Log("%s", kSaveFailed);
    file->Close();
    throw;
  }
  if (!file->Close() || !Os::ReplaceFile(Os::Utf16ToUtf8(tempPath), Os::Utf16ToUtf8(path))) {
    return Fail(engine);
  }
  guard.Disarm();
  return true;
}

void CSettingsFile::Load(Engine& engine, const std::wstring& path, const LoadHandler& fireLoad,
                         const ResetHandler& fireReset) {
  THolder<CDataInputStream> file(new CDataInputStream);
  const THolder<CGameProperties> properties = CGameProperties::Instance();
  if (!path.empty() && file->Open(path) && file->Remaining() >= kSettingsBytes) {
    std::int32_t values[4] = {};
    for (std::int32_t& value : values) ReadInt32BE(*file, value);
    properties->SetInt(kSoundVolume, ClampVolume(values[0]));
    properties->SetInt(kMusicVolume, ClampVolume(values[1]));
    properties->SetInt(kCustomCursor, values[2]);
    properties->SetInt(kFullScreen, values[3]);
    fireLoad(THolder<IDataInputStream>(file));
  } else {
    Reset(fireReset);
  }
  engine.SetStateBool(EngineState::Windowed, properties->GetInt(kFullScreen) == 0);
}

void CSettingsFile::Reset(const ResetHandler& fireReset) {
  const THolder<CGameProperties> properties = CGameProperties::Instance();
  properties->SetInt(kSoundVolume, 50);
  properties->SetInt(kMusicVolume, 50);
  properties->SetInt(kCustomCursor, 0);
  properties->SetInt(kFullScreen, 1);
  fireReset();
}

}  // namespace GF::HGENS
