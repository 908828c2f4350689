#pragma once

// Shared fixtures of the application-shell tests: a journal that screens, effects and
// players write their calls to, a screen whose updates are scripted by name, and an engine
// session (the real engine, headless) whose log lines the test can read.

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/app/IGameSound.h"
#include "framework/engine/app/IGfxEffect.h"
#include "framework/engine/app/IMusic.h"
#include "framework/engine/app/IScreen.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/app/ShellGlobals.h"
#include "platform/Engine.h"

namespace pm::test {

// Calls in order, as "name:Operation" lines.
inline std::vector<std::string>& Journal() {
  static std::vector<std::string> journal;
  return journal;
}

// Name -> how many updates return true before the screen finishes (absent: never).
inline std::map<std::string, int>& FinishAfter() {
  static std::map<std::string, int> finishAfter;
  return finishAfter;
}

inline void ResetScript() {
  Journal().clear();
  FinishAfter().clear();
}

// A screen that writes every call to the journal and finishes as FinishAfter says.
class CTestScreen : public GF::IScreen {
 public:
  void Init(const std::string& layout, const GF::THolder<GF::IScene>&,
            const char* parameter) override {
    Note("Init " + layout + (parameter ? std::string(" ") + parameter : std::string()));
  }
  void Render() override { Note("Render"); }
  const std::string& GetResult() const override { return m_result; }
  const std::string& GetName() const override { return m_name; }
  void SetName(const std::string& name) override { m_name = name; }
  bool Update(const float& dt) override {
    Note("Update");
    m_lastDt = dt;
    const auto it = FinishAfter().find(m_name);
    return it == FinishAfter().end() || m_updates++ < it->second;
  }
  void Activate() override { Note("Activate"); }
  void Deactivate() override { Note("Deactivate"); }
  void Destroy() override { Note("Destroy"); }
  bool IsOverlay() const override { return m_overlay; }
  void SetOverlay(bool overlay) override { m_overlay = overlay; }

  float LastDt() const { return m_lastDt; }

 protected:
  void Note(const std::string& what) const { Journal().push_back(m_name + ":" + what); }

 private:
  std::string m_name;
  std::string m_result;
  bool m_overlay = false;
  int m_updates = 0;
  float m_lastDt = 0.0f;
};

inline GF::THolder<GF::IScreen> MakeTestScreen() {
  return GF::MakeHolder<CTestScreen>();
}

// A music player and a sound player that only journal what they are asked.
class CTestMusic : public GF::IMusic {
 public:
  void ApplyVolume() override {}
  void Play(const std::string&, bool) override {}
  void Resume(const std::string& name) override { Journal().push_back("music:Resume" + name); }
  void Stop(const std::string&, bool) override {}
  void Pause(const std::string& name) override { Journal().push_back("music:Pause" + name); }
  void Update(const float&) override { Journal().push_back("music:Update"); }
};

class CTestSound : public GF::HGENS::IGameSound {
 public:
  void Play(const std::string&, int, float, float, float) override {}
  void Update(const float&) override { Journal().push_back("sound:Update"); }
  void Stop(const std::string&) override {}
  void StopAll() override {}
  void PauseAll() override { Journal().push_back("sound:PauseAll"); }
  void ResumeAll() override { Journal().push_back("sound:ResumeAll"); }
};

// Installs the journalling players as the framework's music and sound (or removes them).
inline void InstallTestPlayers(bool install) {
  GF::HGENS::ServiceProviders& providers = GF::HGENS::GetServiceProviders();
  providers.createMusic =
      install ? +[] { return GF::THolder<GF::IMusic>(GF::MakeHolder<CTestMusic>()); } : nullptr;
  providers.createGameSound =
      install ? +[] { return GF::THolder<GF::HGENS::IGameSound>(GF::MakeHolder<CTestSound>()); }
              : nullptr;
}

// The real engine for one test, headless, with its log lines kept. Initiated unless told
// otherwise; every engine service is torn down before it shuts down.
class EngineSession {
 public:
  explicit EngineSession(bool initiate = true)
      : m_engine(hgeCreate(ENGINE_VERSION)), m_lines(std::make_shared<std::vector<std::string>>()) {
    m_engine->SetLogHook([lines = m_lines](const char* line) { lines->push_back(line); });
    m_engine->SetStateString(EngineState::Title, GF::HGENS::kWindowTitle);
    m_engine->SetStateInt(EngineState::ScreenWidth, 800);
    m_engine->SetStateInt(EngineState::ScreenHeight, 600);
    if (initiate) m_initiated = m_engine->Initiate();
  }
  ~EngineSession() {
    GF::HGENS::ReleaseEngineServices();
    m_engine->SetLogHook(nullptr);
    m_engine->Shutdown();
    m_engine->Release();
  }
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  Engine& engine() { return *m_engine; }
  const std::vector<std::string>& LogLines() const { return *m_lines; }
  bool IsInitiated() const { return m_initiated; }
  bool HasLogLine(const std::string& line) const {
    return std::find(m_lines->begin(), m_lines->end(), line) != m_lines->end();
  }

 private:
  Engine* m_engine;
  std::shared_ptr<std::vector<std::string>> m_lines;
  bool m_initiated = false;
};

}  // namespace pm::test
