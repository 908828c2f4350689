#include "framework/engine/app/CGameManager.h"

#include <algorithm>

#include "framework/engine/app/CNoneEffect.h"
#include "framework/engine/app/CSettingsFile.h"
#include "framework/engine/app/Services.h"
#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

bool g_applicationActive = true;

THolder<CGameManager>& GameManagerSlot() {
  static THolder<CGameManager> slot;
  return slot;
}

}  // namespace

bool IsApplicationActive() {
  return g_applicationActive;
}

THolder<CGameManager> GetGameManager() {
  THolder<CGameManager>& slot = GameManagerSlot();
  if (!slot) slot = MakeHolder<CGameManager>();
  return slot;
}

bool HasGameManager() {
  return static_cast<bool>(GameManagerSlot());
}

CGameManager::CGameManager()
    : m_engine(hgeCreate(ENGINE_VERSION)), m_music(GetMusic()), m_sound(GetGameSound()) {}

CGameManager::~CGameManager() {
  m_engine->Release();
}

void CGameManager::RegisterScreen(const std::string& name, ScreenCreator creator) {
  m_registry[name] = creator;
}

THolder<IScreen> CGameManager::Create(const std::string& name, const std::string& layout,
                                      const THolder<IScene>& scene, const char* parameter) {
  const auto found = m_registry.find(name);
  THolder<IScreen> screen = found != m_registry.end() ? found->second() : nullptr;
  if (!screen) {
    m_engine->Log("Can't find screen \"%s\"", name.c_str());
    return nullptr;
  }
  m_engine->Log("Create screen \"%s\"", name.c_str());
  screen->SetName(name);
  FireScreenCreated(screen);
  screen->Init(layout, scene, parameter);
  m_stack.push_back(screen);
  return screen;
}

void CGameManager::CreateScreen(const std::string& name, const std::string& layout,
                                const THolder<IScene>& scene, const char* parameter) {
  Create(name, layout, scene, parameter);
}

void CGameManager::ShowScreen(const std::string& name, const std::string& layout,
                              const THolder<IScene>& scene, const char* parameter) {
  const THolder<IScreen> screen = Create(name, layout, scene, parameter);
  if (!screen || TopScreen() != screen) return;
  screen->SetOverlay(true);
  screen->Activate();
}

void CGameManager::DestroyAllScreens() {
  // The stack is emptied first: a screen made by a Destroy subscriber survives.
  std::vector<THolder<IScreen>> screens = std::move(m_stack);
  m_stack.clear();
  for (auto it = screens.rbegin(); it != screens.rend(); ++it) {
    m_engine->Log("Destroy screen \"%s\"", (*it)->GetName().c_str());
    (*it)->Destroy();
  }
}

void CGameManager::DestroyScreen(const std::string& name) {
  const THolder<IScreen> screen = FindScreen(name);
  if (!screen) {
    m_engine->Log("Can't destroy screen \"%s\": there is none", name.c_str());
    return;
  }
  m_engine->Log("Destroy screen \"%s\"", name.c_str());
  screen->Destroy();
  // Destroy may have changed the stack: the screen is looked up again.
  const auto it = std::find(m_stack.begin(), m_stack.end(), screen);
  if (it != m_stack.end()) m_stack.erase(it);
}

void CGameManager::SetTransitionEffect(const THolder<IGfxEffect>& effect) {
  m_host.SetEffect(effect);
}

void CGameManager::SetNoEffect() {
  m_host.SetEffect(MakeHolder<CNoneEffect>(m_host.GetTransform()));
}

void CGameManager::FireSuspend() {
  g_applicationActive = false;
  m_suspend.Fire();
}

void CGameManager::FireCharInput(wchar_t unit) {
  m_charInput.Fire(unit);
}

void CGameManager::FireResume() {
  g_applicationActive = true;
  m_resume.Fire();
}

void CGameManager::FireScreenCommand(const THolder<IScreen>& screen) {
  m_screenCommand.Fire(screen);
}

void CGameManager::FireScreenCreated(const THolder<IScreen>& screen) {
  m_screenCreated.Fire(screen);
}

void CGameManager::FireScreenClosed(const THolder<IScreen>& screen) {
  m_screenClosed.Fire(screen);
}

void CGameManager::FireSaveSettings(const THolder<IDataOutputStream>& stream) {
  m_saveSettings.Fire(stream);
}

void CGameManager::FireLoadSettings(const THolder<IDataInputStream>& stream) {
  m_loadSettings.Fire(stream);
}

void CGameManager::FireResetSettings() {
  m_resetSettings.Fire();
}

bool CGameManager::Frame(const float& dt) {
  if (m_music) m_music->Update(dt);
  if (m_sound) m_sound->Update(dt);
  if (m_stack.empty() || !UpdateTopScreen(dt)) return false;
  m_host.Update(dt);
  // Taken after the update, so a screen that has just come to the top is drawn.
  const THolder<IScreen> top = TopScreen();
  if (top && m_host.BeginFrame()) {
    top->Render();
    m_host.EndFrame();
  }
  return true;
}

bool CGameManager::UpdateTopScreen(const float& dt) {
  const THolder<IScreen> finished = TopScreen();
  if (!finished) return false;
  if (finished->Update(dt)) return true;
  FireScreenClosed(finished);
  // Also when the subscribers destroyed it (held here): a screen saves or applies what it
  // changed as it is deactivated, whichever command took it away.
  finished->Deactivate();
  const THolder<IScreen> top = TopScreen();
  if (!top) return false;
  top->Activate();
  top->Update(dt);
  return true;
}

THolder<IScreen> CGameManager::FindScreen(const std::string& name) const {
  for (const THolder<IScreen>& screen : m_stack) {
    if (screen->GetName() == name) return screen;
  }
  return nullptr;
}

THolder<IScreen> CGameManager::TopScreen() const {
  return m_stack.empty() ? nullptr : m_stack.back();
}

std::wstring CGameManager::GetSavePath(const std::wstring& name) {
  return CSettingsFile::GetSavePath(*m_engine, name);
}

void CGameManager::SaveSettings() {
  CSettingsFile::Save(
      *m_engine, GetSavePath(L"Setting"),
      [this](const THolder<IDataOutputStream>& stream) { FireSaveSettings(stream); });
}

void CGameManager::LoadSettings() {
  CSettingsFile::Load(
      *m_engine, GetSavePath(L"Setting"),
      [this](const THolder<IDataInputStream>& stream) { FireLoadSettings(stream); },
      [this] { FireResetSettings(); });
}

void CGameManager::ResetSettings() {
  CSettingsFile::Reset([this] { FireResetSettings(); });
}

void CGameManager::Shutdown() {
  m_music.Reset();
  m_sound.Reset();
  DestroyAllScreens();
  GameManagerSlot().Reset();
}

}  // namespace GF::HGENS
