#pragma once

// The game application's tests run on the real game manager over a headless engine, with
// music, sound and cursor players that only record what they are asked (the real players
// come with the audio layer). A session starts with empty game data and no progress.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "framework/core/CGameProperties.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/ICustomCursor.h"
#include "framework/engine/app/IGameSound.h"
#include "framework/engine/app/IMusic.h"
#include "framework/engine/app/IScreen.h"
#include "framework/engine/app/Services.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "platform/Engine.h"

namespace pm::test {

// What the recording players were asked, in order, as "player:Operation argument" lines.
inline std::vector<std::string>& PlayerCalls() {
  static std::vector<std::string> calls;
  return calls;
}
// How often the players were asked exactly that.
inline int CountPlayerCalls(const std::string& call) {
  return static_cast<int>(std::count(PlayerCalls().begin(), PlayerCalls().end(), call));
}

class CRecordingMusic : public GF::IMusic {
 public:
  void ApplyVolume() override { PlayerCalls().push_back("music:ApplyVolume"); }
  void Play(const std::string& name, bool fade) override {
    PlayerCalls().push_back("music:Play " + name + (fade ? " fade" : ""));
  }
  void Resume(const std::string&) override {}
  void Stop(const std::string& name, bool fade) override {
    PlayerCalls().push_back("music:Stop " + name + (fade ? " fade" : ""));
  }
  void Pause(const std::string&) override {}
  void Update(const float&) override {}
};

class CRecordingSound : public GF::HGENS::IGameSound {
 public:
  void Play(const std::string& name, int count, float delay, float spacing, float extra) override {
    PlayerCalls().push_back("sound:Play " + name + " " + std::to_string(count) + " " +
                            std::to_string(delay + spacing + extra));
  }
  void Update(const float&) override {}
  void Stop(const std::string& name) override { PlayerCalls().push_back("sound:Stop " + name); }
  void StopAll() override {}
  void PauseAll() override {}
  void ResumeAll() override {}
};

// The sound player that GetGameSound makes from now on records.
inline void RecordGameSounds() {
  GF::HGENS::GetServiceProviders().createGameSound =
      +[] { return GF::THolder<GF::HGENS::IGameSound>(GF::MakeHolder<CRecordingSound>()); };
}

class CRecordingCursor : public GF::HGENS::ICustomCursor {
 public:
  void Enable(const std::string& name) override {
    PlayerCalls().push_back("cursor:Enable " + name);
  }
  void Disable() override { PlayerCalls().push_back("cursor:Disable"); }
  void Update(const float&) override {}
  void Render() override {}
};

// A screen whose result the test (or a rule's command) sets; GoTo leaves it with the
// command at once and keeps the flags.
class CCommandScreen : public GF::IScreen {
 public:
  void Init(const std::string&, const GF::THolder<GF::IScene>&, const char*) override {}
  void Render() override {}
  const std::string& GetResult() const override { return m_result; }
  const std::string& GetName() const override { return m_name; }
  void SetName(const std::string& name) override { m_name = name; }
  bool Update(const float&) override { return true; }
  void Activate() override {}
  void Deactivate() override {}
  void Destroy() override {}
  bool IsOverlay() const override { return false; }
  void SetOverlay(bool) override {}
  void GoTo(const std::string& command, std::uint32_t flags) override {
    m_result = command;
    m_flags = flags;
  }

  void SetResult(const std::string& result) { m_result = result; }
  std::uint32_t GetFlags() const { return m_flags; }

 private:
  std::string m_name;
  std::string m_result;
  std::uint32_t m_flags = 0;
};

class GameAppSession {
 public:
  GameAppSession()
      : m_engine(hgeCreate(ENGINE_VERSION)), m_log(std::make_shared<std::vector<std::string>>()) {
    m_engine->SetLogHook([log = m_log](const char* line) { log->push_back(line); });
    m_engine->SetStateString(EngineState::Title, "Panmaster Game App Tests");
    GF::HGENS::ServiceProviders& providers = GF::HGENS::GetServiceProviders();
    providers.createMusic =
        +[] { return GF::THolder<GF::IMusic>(GF::MakeHolder<CRecordingMusic>()); };
    RecordGameSounds();
    providers.createCustomCursor =
        +[] { return GF::THolder<GF::HGENS::ICustomCursor>(GF::MakeHolder<CRecordingCursor>()); };
    StopMusic();  // forget a name an earlier test left
    GameDatabase = GameData{};
    GameProgress = ProgressBlock{};
    PlayerCalls().clear();
    std::error_code ignored;
    std::filesystem::remove(SettingsPath(), ignored);
  }
  ~GameAppSession() {
    GF::HGENS::ReleaseEngineServices();
    GF::HGENS::GetServiceProviders() = GF::HGENS::ServiceProviders{};
    m_engine->SetLogHook(nullptr);
    m_engine->Shutdown();
    m_engine->Release();
  }
  GameAppSession(const GameAppSession&) = delete;
  GameAppSession& operator=(const GameAppSession&) = delete;

  Engine& engine() { return *m_engine; }
  static std::filesystem::path SettingsPath() {
    return std::filesystem::path(GF::HGENS::GetGameManager()->GetSavePath(L"Setting"));
  }
  bool HasLogLine(const std::string& line) const {
    return std::find(m_log->begin(), m_log->end(), line) != m_log->end();
  }

 private:
  Engine* m_engine;
  std::shared_ptr<std::vector<std::string>> m_log;
};

}  // namespace pm::test
