#include "framework/core/CSceneDrawable.h"

#include "framework/core/TSmartIPtr.h"

namespace GF {
namespace {

using DrawablePtr = TSmartIPtr<IDrawable, kIdDrawable>;

}  // namespace

void CSceneDrawable::SetScene(const THolder<IScene>& scene) {
  const DrawablePtr self(this);
  if (const THolder<IScene> old = m_scene; old && m_shown) old->RemoveDrawable(self);
  m_scene = scene;
  if (m_scene && m_shown) m_scene->AddDrawable(self);
}

void CSceneDrawable::SetShown(bool shown) {
  if (shown == m_shown) return;
  m_shown = shown;
  if (!m_scene) return;
  const DrawablePtr self(this);
  if (shown) {
    m_scene->AddDrawable(self);
  } else {
    m_scene->RemoveDrawable(self);
  }
}

}  // namespace GF
