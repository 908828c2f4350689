#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/IScene.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/EngineCallbacks.h"
#include "framework/engine/app/Services.h"
#include "tests/framework/engine/app/AppTestSupport.h"

namespace {

using GF::THolder;
using pm::test::Journal;
using Lines = std::vector<std::string>;

class ApplicationTest : public testing::Test {
 protected:
  void SetUp() override {
    pm::test::ResetScript();
    ASSERT_TRUE(m_session.IsInitiated());
  }
  void TearDown() override { GF::HGENS::GetServiceProviders() = {}; }

  pm::test::EngineSession m_session;
};

float LastDtOfTop() {
  const THolder<GF::IScreen> top = GF::HGENS::GetGameManager()->TopScreen();
  return static_cast<pm::test::CTestScreen*>(top.Get())->LastDt();
}

TEST_F(ApplicationTest, FramesAboveFiftyMillisecondsAreLoggedAndClamped) {
  GF::HGENS::CApplication application(&m_session.engine());
  ASSERT_TRUE(application.Init());
  THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
  manager->RegisterScreen("a", pm::test::MakeTestScreen);
  manager->CreateScreen("a", "layout", THolder<GF::IScene>(), nullptr);
  const std::string clampLine = "if(fDeltaTimeTmp > 50) fDeltaTimeTmp == 80.000000";

  struct Case {
    float dt;
    float passed;
    bool logged;
  };
  for (const Case& c :
       {Case{20.0f, 20.0f, false}, Case{50.0f, 50.0f, false}, Case{80.0f, 50.0f, true}}) {
    EXPECT_TRUE(application.Frame(c.dt));
    EXPECT_EQ(LastDtOfTop(), c.passed) << c.dt;
    EXPECT_EQ(m_session.HasLogLine(clampLine), c.logged) << c.dt;
  }
  application.Shutdown();
}

TEST_F(ApplicationTest, InitAndShutdownUseTheProvidedResourcesAndScreens) {
  GF::HGENS::ServiceProviders& providers = GF::HGENS::GetServiceProviders();
  providers.loadResources = [] { Journal().push_back("load resources"); };
  providers.unloadResources = [] { Journal().push_back("unload resources"); };
  providers.registerFrameworkScreens = [](GF::HGENS::CGameManager& manager) {
    Journal().push_back("register screens");
    manager.RegisterScreen("confirm_screen", pm::test::MakeTestScreen);
  };
  const std::filesystem::path setting =
      Os::Utf16ToUtf8(GF::HGENS::GetGameManager()->GetSavePath(L"Setting"));
  std::filesystem::remove(setting);

  GF::HGENS::CApplication application(&m_session.engine());
  ASSERT_TRUE(application.Init());
  GF::HGENS::GetGameManager()->CreateScreen("confirm_screen", "", THolder<GF::IScene>(), nullptr);
  application.Shutdown();

  EXPECT_EQ(Journal(), (Lines{"load resources", "register screens", "confirm_screen:Init ",
                              "confirm_screen:Destroy", "unload resources"}));
  EXPECT_TRUE(std::filesystem::exists(setting));
  EXPECT_FALSE(GF::HGENS::HasGameManager());
}

TEST_F(ApplicationTest, AWindowDragSuspendsAndResumesWithoutPausingTheMusic) {
  pm::test::InstallTestPlayers(true);
  THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
  manager->SuspendEvent().Subscribe(GF::MakeDelegate(+[] { Journal().push_back("suspend"); }));
  manager->ResumeEvent().Subscribe(GF::MakeDelegate(+[] { Journal().push_back("resume"); }));

  GF::HGENS::AppSizeMove(true);
  EXPECT_FALSE(GF::HGENS::IsApplicationActive());
  GF::HGENS::AppSizeMove(false);
  EXPECT_TRUE(GF::HGENS::IsApplicationActive());

  EXPECT_EQ(Journal(), (Lines{"suspend", "resume"}));
  pm::test::InstallTestPlayers(false);
}

}  // namespace
