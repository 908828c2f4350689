#include "framework/engine/screens/CSmoothShow.h"

#include <algorithm>
#include <cstdint>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/particles/hgeSprite.h"

namespace GF::HGENS {

CSmoothShow::CSmoothShow() : m_engine(hgeCreate(ENGINE_VERSION)) {
  m_engine->Log("CSmoothShow::CSmoothShow()");
  GetGameManager()->ResumeEvent().Subscribe(MakeDelegate(this, &CSmoothShow::Abort));
}

CSmoothShow::~CSmoothShow() {
  // A manager that is being torn down (or is gone) has no event left to leave.
  if (HasGameManager()) {
    GetGameManager()->ResumeEvent().RemoveDelegate(MakeDelegate(this, &CSmoothShow::Abort));
  }
  m_engine->Log("CSmoothShow::~CSmoothShow()");
  m_sprite.reset();
  if (m_target) m_engine->TargetFree(m_target);
  m_engine->Release();
}

void CSmoothShow::Start(THolder<IScene> scene, float duration) {
  m_duration = m_remaining = duration;
  if (!(duration > 0.0f)) return;
  const THolder<CGameProperties> properties = GetGameProperties();
  const int width = properties->GetScreenWidth();
  const int height = properties->GetScreenHeight();
  if (!m_target) m_target = m_engine->TargetCreate(width, height, false);
  if (!m_target) return;
  const EngineTexture texture = m_engine->TargetGetTexture(m_target);
  if (m_engine->BeginScene(m_target)) {
    if (scene) scene->Render();
    m_engine->EndScene();
  }
  m_sprite = std::make_unique<hgeSprite>(texture, 0.0f, 0.0f, static_cast<float>(width),
                                         static_cast<float>(height));
}

void CSmoothShow::Abort() {
  m_remaining = 0.0f;
}

void CSmoothShow::BeginScene() {
  m_engine->BeginScene(0);
}

void CSmoothShow::Render() {
  if (!IsFinished()) m_sprite->Render(0.0f, 0.0f);
}

bool CSmoothShow::IsFinished() {
  // Written so that a remaining time that is not a number counts as finished.
  return !m_sprite || !(m_remaining > 0.0f);
}

void CSmoothShow::Update(const float& dt) {
  if (!m_sprite) return;
  m_remaining = std::max(m_remaining - dt, 0.0f);
  // Truncated towards zero; an infinite duration must not make the value not a number.
  const float value = 255.0f * m_remaining / m_duration;
  const std::uint32_t alpha =
      value > 0.0f ? static_cast<std::uint32_t>(std::min(value, 255.0f)) : 0;
  m_sprite->SetColor((m_sprite->GetColor() & 0x00FFFFFFu) | (alpha << 24));
}

int CSmoothShow::GetAlpha() const {
  return m_sprite ? static_cast<int>(m_sprite->GetColor() >> 24) : 0;
}

}  // namespace GF::HGENS
