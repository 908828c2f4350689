#include "framework/engine/app/CApplication.h"

#include <cstdlib>
#include <limits>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/EngineCallbacks.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/app/ShellGlobals.h"
#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

constexpr float kMaxFrameTime = 50.0f;  // milliseconds

}  // namespace

CApplication::CApplication(Engine* engine) : m_engine(engine) {}

CApplication::~CApplication() {
  if (GetShellGlobals().createdInstanceMutex) {
    m_engine->Log("mutext rel");
    ReleaseSingleInstance();
  }
}

bool CApplication::Init() {
  // The engine's generator is seeded from the clock, or by the replay script in the
  // deterministic mode, which a clock seed here would break.
  std::srand(static_cast<unsigned>(m_engine->RandomInt(0, std::numeric_limits<int>::max())));
  const ServiceProviders& providers = GetServiceProviders();
  if (providers.loadResources) providers.loadResources();
  m_gameManager = GetGameManager();
  if (providers.registerFrameworkScreens) providers.registerFrameworkScreens(*m_gameManager);
  if (m_engine->GetStateHwnd(EngineState::Hwnd)) {
    m_engine->SetStateCharFunc(EngineState::CharInput, AppCharInput);
    m_engine->SetStateActivateFunc(EngineState::SizeMove, AppSizeMove);
  }
  return true;
}

void CApplication::Shutdown() {
  if (m_gameManager) {
    m_gameManager->Shutdown();
    m_gameManager->SaveSettings();
  }
  if (auto unload = GetServiceProviders().unloadResources) unload();
}

bool CApplication::Frame(float dt) {
  if (dt > kMaxFrameTime) {
    m_engine->Log("if(fDeltaTimeTmp > 50) fDeltaTimeTmp == %f", dt);
    dt = kMaxFrameTime;
  }
  return m_gameManager && m_gameManager->Frame(dt);
}

bool CApplication::OnExit() {
  return true;
}

void CApplication::OnWindowModeChanged() {}

}  // namespace GF::HGENS
