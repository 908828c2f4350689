#include "framework/engine/app/CScreenHost.h"

#include "framework/engine/app/Services.h"
#include "platform/Engine.h"

namespace GF::HGENS {

void ScreenTransform::Apply(Engine& engine) const {
  engine.SetTransform(x, y, dx, dy, rotation, hscale, vscale);
}

CScreenHost::CScreenHost() : m_engine(hgeCreate(ENGINE_VERSION)), m_cursor(GetCustomCursor()) {}

CScreenHost::~CScreenHost() {
  if (m_cursor) m_cursor->Disable();
  m_cursor.Reset();
  m_effect.Reset();
  m_engine->Release();
}

void CScreenHost::Update(const float& dt) {
  if (m_cursor) m_cursor->Update(dt);
  if (!m_effect) return;
  m_effect->Update(dt);
  if (m_effect->IsFinished()) m_effect.Reset();
}

bool CScreenHost::BeginFrame() {
  if (m_effect) {
    m_effect->BeginScene();
    return true;
  }
  if (!m_engine->BeginScene(0)) return false;
  m_transform.Apply(*m_engine);
  return true;
}

void CScreenHost::EndFrame() {
  if (m_effect) m_effect->Render();
  if (m_cursor) m_cursor->Render();
  m_engine->EndScene();
}

}  // namespace GF::HGENS
