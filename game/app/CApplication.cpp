#include "game/app/CApplication.h"

#include <algorithm>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/screens/CSmoothShow.h"
#include "game/app/ExprEvaluator.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProgressSave.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace {

using GF::IScreen;
using GF::THolder;

constexpr float SmoothShowTime = 1000.0f;  // ms

bool HasUnderscore(const std::string& name) {
  return name.find('_') != std::string::npos;
}

}  // namespace

CApplication::CApplication(Engine* engine, ScreenTable screens)
    : GF::HGENS::CApplication(engine), m_screens(screens) {
  engine->SetStateString(EngineState::Icon, "icon.png");
}

CApplication::~CApplication() {
  UnsubscribeEvents();
}

bool CApplication::Init() {
  DropPendingRule();
  if (!GF::HGENS::CApplication::Init()) return false;
  LoadDataFiles();
  EvaluateNamedExpression("test", CurrentProfile());
  LoadInterfaceTextures();
  AttachScreenHandlers();
  SubscribeEvents();
  m_gameManager->LoadSettings();
  RegisterScreens();
  RunStartRules();
  const bool armed = PendingRule().has_value();
  OnScreenClosed(nullptr);
  if (const THolder<IScreen> top = m_gameManager->TopScreen()) {
    top->Activate();
  } else if (!armed) {
    // Without a screen the loop ends at its first frame; say why.
    GetEngine()->Log("No first screen: no flow rule armed one");
  }
  return true;
}

void CApplication::Shutdown() {
  if (m_gameManager) m_gameManager->DestroyAllScreens();
  if (m_screens.releaseShared) m_screens.releaseShared();
  GF::HGENS::CApplication::Shutdown();
}

bool CApplication::OnExit() {
  return OnQuitRequest();
}

void CApplication::OnWindowModeChanged() {
  StoreWindowedState();
}

bool CApplication::OnQuitRequest() {
  const THolder<IScreen> top = m_gameManager ? m_gameManager->TopScreen() : nullptr;
  if (!top || top->GetName() == "confirm_exit_screen") return false;
  SendScreenCommand(top, "quit");
  if (!PendingRule()) SendScreenCommand(top, "force_quit");
  return false;
}

void CApplication::StoreWindowedState() {
  CurrentProfile().Floats[ProfileFloat::FullScreen] =
      GetEngine()->GetStateBool(EngineState::Windowed) ? 0.0f : 1.0f;
}

void CApplication::ReloadGameData(bool saveFirst) {
  if (saveFirst) m_gameManager->SaveSettings();
  LoadGameDataFile();
  ResetProgressToDefault();
  m_gameManager->LoadSettings();
  RunStartRules();
  OnScreenClosed(nullptr);
}

void CApplication::LoadDataFiles() {
  LoadGameDataFile();
  ResetProgressToDefault();
  LoadLevelsDataFile();
  LoadLibraryDataFile();
  // A level named on the command line is the level to test: the game starts on it.
  const std::wstring testLevel =
      GF::HGENS::GetGameProperties()->GetString("TestLevelFromLevelEditor");
  if (!testLevel.empty()) TestLevelKey = Os::Utf16ToUtf8(testLevel);
}

void CApplication::LoadInterfaceTextures() {
  const THolder<GF::HGENS::CResourceCache> cache = GF::HGENS::CResourceCache::Instance();
  cache->QueueGroup("interfaces");
  cache->StartLoading();
  while (cache->GetProgress() != 1.0f && cache->LoadNext()) {
  }
}

void CApplication::AttachScreenHandlers() {
  AttachScreenHandler("confirm_exit_screen",
                      GF::MakeDelegate(this, &CApplication::OnConfirmExitClosed));
  AttachScreenHandler("confirm_screen", GF::MakeDelegate(this, &CApplication::OnConfirmClosed));
  AttachScreenHandler("message_screen", GF::MakeDelegate(this, &CApplication::OnConfirmClosed));
  AttachScreenHandler("SplashScreen", GF::MakeDelegate(this, &CApplication::OnSplashScreenClosed));
}

void CApplication::AttachScreenHandler(const std::string& name, ScreenHandler handler) {
  m_closeHandlers[name].push_back(std::move(handler));
}

void CApplication::SubscribeEvents() {
  m_onScreenResult = GF::MakeDelegate(this, &CApplication::OnScreenResult);
  m_onScreenCreated = GF::MakeDelegate(this, &CApplication::DispatchScreenHandlers);
  m_onScreenClosed = GF::MakeDelegate(this, &CApplication::OnScreenClosed);
  m_gameManager->ScreenCommandEvent().Subscribe(m_onScreenResult);
  m_gameManager->ScreenCreatedEvent().Subscribe(m_onScreenCreated);
  m_gameManager->ScreenClosedEvent().Subscribe(m_onScreenClosed);
  SubscribeProgressEvents(*m_gameManager);
}

void CApplication::UnsubscribeEvents() {
  if (!m_gameManager) return;
  // The delegates hold this object without a reference: none may outlive it.
  m_gameManager->ScreenCommandEvent().RemoveDelegate(m_onScreenResult);
  m_gameManager->ScreenCreatedEvent().RemoveDelegate(m_onScreenCreated);
  m_gameManager->ScreenClosedEvent().RemoveDelegate(m_onScreenClosed);
}

void CApplication::RegisterScreens() {
  for (const ScreenTableRow& row : m_screens.rows) {
    if (std::find(GameScreenNames.begin(), GameScreenNames.end(), row.name) ==
        GameScreenNames.end()) {
      GetEngine()->Log("[W] \"%s\" is not a screen of the game: not registered", row.name);
    }
  }
  for (std::string_view name : GameScreenNames) {
    const auto row = std::find_if(m_screens.rows.begin(), m_screens.rows.end(),
                                  [name](const ScreenTableRow& r) { return r.name == name; });
    if (row != m_screens.rows.end()) m_gameManager->RegisterScreen(row->name, row->create);
  }
}

void CApplication::RunStartRules() {
  if (GameProgress.Players.size() < 2) {
    RunFlowRule("def_settings", nullptr);
    PlayerProfile& profile = CurrentProfile();
    if (profile.StageKey.empty()) {
      profile.StageKey = GetStageKey(IntegerPart(profile.Floats[ProfileFloat::StageNumber]));
    }
    ApplyProfileSettings();
  }
  RunFlowRule(TestLevelKey.empty() ? "show_publisher" : "test_starting", nullptr);
}

void CApplication::OnScreenResult(THolder<IScreen> screen) {
  RunFlowRule("", screen);
}

void CApplication::DispatchScreenHandlers(THolder<IScreen> screen) {
  const auto found = m_closeHandlers.find(screen->GetName());
  if (found == m_closeHandlers.end()) return;
  for (const ScreenHandler& handler : found->second) screen->DeactivateEvent().Subscribe(handler);
}

void CApplication::OnScreenClosed(THolder<IScreen> screen) {
  if (PendingRule() && screen && screen->GetName() != ArmedScreenName()) DropPendingRule();
  const std::optional<FlowRule> rule = TakePendingRule();
  if (!rule) {
    if (screen) OnOwnCommand(screen);
    return;
  }
  if (screen && !HasUnderscore(screen->GetName())) {
    // Overlays such as "confirm_screen" never count as the screen the player came from.
    CurrentProfile().Strings[ProfileString::LastScreen] = screen->GetName();
    SetLastScreenName(screen->GetName());
  }
  if (rule->modal) {
    ShowOverScreen(screen, *rule);
  } else {
    SwitchScreen(screen, *rule);
  }
}

void CApplication::OnOwnCommand(const THolder<IScreen>& screen) {
  const std::string& result = screen->GetResult();
  if (result == "back") {
    if (const THolder<IScreen> top = m_gameManager->TopScreen()) {
      m_gameManager->DestroyScreen(top->GetName());
    }
  } else if (result == "force_quit") {
    m_gameManager->DestroyAllScreens();
  } else if (result == "reloadgamedata") {
    ReloadGameData(true);
  }
}

void CApplication::SwitchScreen(const THolder<IScreen>& screen, const FlowRule& rule) {
  if (rule.smooth && screen) {
    const THolder<GF::HGENS::CSmoothShow> fade = GF::MakeHolder<GF::HGENS::CSmoothShow>();
    fade->Start(screen->GetScene(), SmoothShowTime);
    m_gameManager->SetTransitionEffect(fade);
  }
  m_gameManager->DestroyAllScreens();
  m_gameManager->CreateScreen(rule.target, rule.layout, nullptr, rule.parameter.c_str());
}

void CApplication::ShowOverScreen(const THolder<IScreen>& screen, const FlowRule& rule) {
  const THolder<GF::IScene> scene = screen ? screen->GetScene() : nullptr;
  if (screen && screen->IsOverlay() && rule.closeFirst) {
    if (const THolder<IScreen> top = m_gameManager->TopScreen()) {
      m_gameManager->DestroyScreen(top->GetName());
    }
  }
  // The game manager's ShowScreen, less its activation: that is the manager's (or Init's)
  // when the closing is done, so the screen shows once.
  const THolder<IScreen> below = m_gameManager->TopScreen();
  m_gameManager->CreateScreen(rule.target, rule.layout, scene, rule.parameter.c_str());
  const THolder<IScreen> shown = m_gameManager->TopScreen();
  if (shown && shown != below) shown->SetOverlay(true);
}

void CApplication::OnConfirmExitClosed(THolder<IScreen> screen) {
  if (screen->GetResult() == "yes") {
    m_gameManager->DestroyAllScreens();
  } else {
    m_gameManager->DestroyScreen("confirm_exit_screen");
  }
}

void CApplication::OnConfirmClosed(THolder<IScreen> screen) {
  const std::string name = screen->GetName();
  if (m_gameManager->FindScreen(name)) m_gameManager->DestroyScreen(name);
}

void CApplication::OnSplashScreenClosed(THolder<IScreen> screen) {
  if (screen->GetResult() != "starting") return;
  // Every player starts again from the default progress. A file that is not there (or
  // can't be removed) changes nothing here.
  Os::DeleteFile(Os::Utf16ToUtf8(m_gameManager->GetSavePath(L"Setting")));
  ReloadGameData(false);
}

void CApplication::SendScreenCommand(const THolder<IScreen>& screen, const std::string& command) {
  screen->GoTo(command, IScreen::kUsualFlags);
}
