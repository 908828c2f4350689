#include "framework/engine/app/CNoneEffect.h"

#include "framework/engine/app/CScreenHost.h"
#include "platform/Engine.h"

namespace GF::HGENS {

CNoneEffect::CNoneEffect(const ScreenTransform* transform)
    : m_engine(hgeCreate(ENGINE_VERSION)), m_transform(transform) {}

CNoneEffect::~CNoneEffect() {
  m_engine->Release();
}

void CNoneEffect::BeginScene() {
  m_engine->BeginScene(0);
  m_transform->Apply(*m_engine);
}

}  // namespace GF::HGENS
