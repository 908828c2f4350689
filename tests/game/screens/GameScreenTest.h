#pragma once

// The game's screens on the real program: the game's application, headless in the
// deterministic mode, on the sample content beside the program. The sample game data is
// served in place of "gamedata.bin" with its start rule pointed at the screen under test (and
// its layout), so the screen opens as the game opens its first screen; a test adds rules and
// screens of its own (under the game's screen names). The commands the screens publish and
// the screens that close are noted; a screen that closes with nothing to follow ends the run.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/CApplication.h"
#include "game/app/GameData.h"
#include "game/app/IDataFileSource.h"
#include "game/screens/GameScreens.h"
#include "platform/OsServices.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/game/app/GameAppSession.h"
#include "tools/content/SampleContent.h"

namespace pm::test {

// "Binary\gamedata.bin" from the given data, every other data file from the resources.
class CServedGameData : public IDataFileSource {
 public:
  explicit CServedGameData(const GameData& data) : m_resources(DataFileSource()) {
    GF::CMemoryOutputStream out;
    WriteGameData(out, data);
    m_bytes = out.Bytes();
    SetDataFileSource(this);
  }
  ~CServedGameData() override { SetDataFileSource(nullptr); }
  CServedGameData(const CServedGameData&) = delete;
  CServedGameData& operator=(const CServedGameData&) = delete;

  GF::THolder<GF::IDataInputStream> Open(const std::string& resourceName) override {
    if (resourceName == "Binary\\gamedata.bin")
      return GF::MakeHolder<GF::CMemoryInputStream>(m_bytes);
    return m_resources.Open(resourceName);
  }
  void Log(const std::string& line) override { m_resources.Log(line); }

 private:
  IDataFileSource& m_resources;
  std::vector<std::uint8_t> m_bytes;
};

class GameScreenTest : public testing::Test {
 protected:
  using Lines = std::vector<std::string>;

  void SetUp() override {
    GF::HGENS::InstallResourceServices();
    GF::HGENS::InstallSceneServices();
    GF::HGENS::InstallScreenServices();
    PlayerCalls().clear();
  }
  void TearDown() override { GF::HGENS::GetServiceProviders() = {}; }

  // A rule for the screen's command: after the actions the flow goes to target (with its
  // layout).
  static FlowRule Rule(const std::string& screen, const std::string& event,
                       const std::string& target, const std::string& layout,
                       std::vector<RuleItem> actions = {}) {
    FlowRule rule = MakeFlowRule(screen, event, target);
    rule.layout = layout;
    rule.actions = std::move(actions);
    return rule;
  }

  // Where a run's shots go: a fresh temporary folder, or PANMASTER_SHOTS/<tag> when that is
  // set, to keep them for a look.
  static std::filesystem::path ShotFolder(const char* tag) { return pm::test::ShotFolder(tag); }

  // Runs the script on frames of 20 ms, the game starting on the screen (a name the game
  // registers) with the layout ("module.object"); `after` looks at each frame.
  void Run(const std::string& screen, const std::string& layout, const std::string& script,
           std::function<void(int frame)> after = {}) {
    GameData data = MakeSampleGameData();
    for (FlowRule& rule : data.FlowRules) {
      if (rule.event != "show_publisher") continue;
      rule.target = screen;
      rule.layout = layout;
      rule.parameter = startParameter;
      rule.actions.insert(rule.actions.end(), startActions.begin(), startActions.end());
    }
    data.FlowRules.insert(data.FlowRules.end(), rules.begin(), rules.end());
    const CServedGameData served(data);
    const ScreenTable game = GetGameScreens();
    // The application registers the first row of each name: the test's come first.
    std::vector<ScreenTableRow> rows(testScreens.begin(), testScreens.end());
    rows.insert(rows.end(), game.rows.begin(), game.rows.end());
    RunScriptedApplication(
        script,
        [&](Engine* engine) {
          return std::make_unique<CTestApplication>(engine, ScreenTable{rows, game.releaseShared},
                                                    *this, after);
        },
        &log);
  }

  // The parameter the first screen is opened with, and what its rule sets before it is made.
  std::string startParameter;
  std::vector<RuleItem> startActions;
  // Called with each screen before it is initialised and shown (it is made and named).
  std::function<void(GF::IScreen&)> onCreated;

  // The test's own screens, registered in place of the game's of the same name.
  std::vector<ScreenTableRow> testScreens;
  // Rules after the sample's.
  std::vector<FlowRule> rules;
  // Whether a screen that closed with this result and nothing to follow opens again, as in
  // the game (a dialogue's line change, the manual's "show_manual"), instead of ending the run.
  std::function<bool(const std::string& result)> reopens = [](const std::string&) { return false; };
  // "screen:command" as published, "screen:result" as closed.
  Lines commands;
  Lines closed;
  Lines log;

 private:
  class CTestApplication : public CApplication {
   public:
    CTestApplication(Engine* engine, ScreenTable screens, GameScreenTest& test,
                     const std::function<void(int)>& after)
        : CApplication(engine, screens), m_test(test), m_after(after) {}

    // Every run starts without saved players. The test hears of screens from the first one
    // on, and after the application.
    bool Init() override {
      const GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
      Os::DeleteFile(Os::Utf16ToUtf8(manager->GetSavePath(L"Setting")));
      manager->ScreenCreatedEvent().Subscribe(GF::MakeDelegate(&m_test, &GameScreenTest::Created));
      const bool ready = CApplication::Init();
      manager->ScreenCommandEvent().Subscribe(GF::MakeDelegate(&m_test, &GameScreenTest::Command));
      manager->ScreenClosedEvent().Subscribe(GF::MakeDelegate(&m_test, &GameScreenTest::Closed));
      return ready;
    }
    bool Frame(float dt) override {
      const bool more = CApplication::Frame(dt);
      if (m_after) m_after(++m_frame);
      return more;
    }

   private:
    GameScreenTest& m_test;
    const std::function<void(int)>& m_after;
    int m_frame = 0;
  };

  void Created(GF::THolder<GF::IScreen> screen) {
    if (onCreated) onCreated(*screen);
  }
  void Command(GF::THolder<GF::IScreen> screen) {
    commands.push_back(screen->GetName() + ":" + screen->GetResult());
  }
  // A screen shown over another hands back to it when it closes.
  void Closed(GF::THolder<GF::IScreen> screen) {
    closed.push_back(screen->GetName() + ":" + screen->GetResult());
    const GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
    if (manager->TopScreen() != screen || screen->IsOverlay() || reopens(screen->GetResult()))
      return;
    manager->DestroyAllScreens();
  }
};

}  // namespace pm::test
