#pragma once

#include "framework/core/IDrawable.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"

namespace GF {

// A drawable that keeps its scene and shown flag and hosts nothing else: a shown drawable
// stands in its scene's drawable list, a hidden one does not.
class CSceneDrawable : public virtual IDrawable {
 public:
  THolder<IScene> GetScene() const override { return m_scene; }
  bool IsShown() const override { return m_shown; }
  // Leaves the old scene's list and, while shown, joins the new one's.
  void SetScene(const THolder<IScene>& scene) override;
  void SetShown(bool shown) override;

 protected:
  ~CSceneDrawable() = default;
  // The scene without a new reference, for the per-frame path.
  const THolder<IScene>& SceneRef() const { return m_scene; }

 private:
  bool m_shown = true;
  THolder<IScene> m_scene;
};

}  // namespace GF
