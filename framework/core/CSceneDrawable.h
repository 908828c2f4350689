#pragma once

#include "framework/core/IDrawable.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"

namespace GF {

// A drawable's scene and shown flag, for drawables that host nothing else: a shown
// drawable stands in its scene's drawable list, a hidden one does not.
class CSceneMembership {
 public:
  const THolder<IScene>& GetScene() const { return m_scene; }
  bool IsShown() const { return m_shown; }
  // Leaves the old scene's list and, while shown, joins the new one's.
  void SetScene(IDrawable& drawable, const THolder<IScene>& scene);
  void SetShown(IDrawable& drawable, bool shown);

 private:
  bool m_shown = true;
  THolder<IScene> m_scene;
};

}  // namespace GF
