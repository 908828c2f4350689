#include "framework/engine/screens/CCustomCursor.h"

#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

namespace GF::HGENS {
namespace {

void SetSystemCursorHidden(bool hidden) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateBool(EngineState::HideMouse, hidden);
  // Putting the cursor back where it is makes the system redraw it at once.
  const std::uintptr_t window = engine->GetStateHwnd(EngineState::Hwnd);
  int x = 0;
  int y = 0;
  if (Os::GetCursorClientPos(window, &x, &y)) Os::SetCursorClientPos(window, x, y);
  engine->Release();
}

THolder<ICustomCursor> MakeCustomCursor() {
  return MakeHolder<CCustomCursor>();
}

}  // namespace

CCustomCursor::~CCustomCursor() {
  DropAnimation();
}

void CCustomCursor::InstallProvider() {
  GetServiceProviders().createCustomCursor = MakeCustomCursor;
}

void CCustomCursor::DropAnimation() {
  // Its objects point back at it: clearing breaks the cycle.
  if (m_animation) m_animation->Clear();
  m_animation.Reset();
}

void CCustomCursor::Enable(const std::string& animationName) {
  DropAnimation();
  if (const THolder<IAnimationData> data = GetResources()->GetAnimationData(animationName)) {
    m_animation = data->CreateObject();
  }
  if (m_animation) m_animation->Play("all", 0, false);
  SetSystemCursorHidden(static_cast<bool>(m_animation));
}

void CCustomCursor::Disable() {
  if (!m_animation) return;
  DropAnimation();
  SetSystemCursorHidden(false);
}

void CCustomCursor::Update(const float& dt) {
  if (!m_animation) return;
  const THolder<CMouse> mouse = GetMouse();
  m_animation->SetPosition(mouse->fx, mouse->fy);
  m_animation->Update(dt);
}

void CCustomCursor::Render() {
  if (!m_animation) return;
  const TPoint<float> position = m_animation->GetPosition();
  const THolder<CGameProperties> properties = GetGameProperties();
  const auto right = static_cast<float>(properties->GetScreenWidth() - 1);
  const auto bottom = static_cast<float>(properties->GetScreenHeight() - 1);
  if (position.x < 0.0f || position.x > right || position.y < 0.0f || position.y > bottom) {
    return;
  }
  const int count = m_animation->GetObjectCount();
  for (int i = 0; i < count; ++i) {
    if (const auto drawable = m_animation->GetDrawable(i)) drawable->Render();
  }
}

}  // namespace GF::HGENS
