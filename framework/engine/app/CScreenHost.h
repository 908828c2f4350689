#pragma once

#include "framework/core/THolder.h"
#include "framework/engine/app/ICustomCursor.h"
#include "framework/engine/app/IGfxEffect.h"

class Engine;

namespace GF::HGENS {

// The arguments of Engine::SetTransform for the whole screen.
struct ScreenTransform {
  float x = 0, y = 0, dx = 0, dy = 0, rotation = 0, hscale = 1, vscale = 1;

  void Apply(Engine& engine) const;
};

// Begins each frame (by itself or through the current transition effect), and draws the
// effect and the custom cursor over the top screen. The frame is never cleared: the top
// screen paints the whole of it.
class CScreenHost {
 public:
  CScreenHost();
  ~CScreenHost();
  CScreenHost(const CScreenHost&) = delete;
  CScreenHost& operator=(const CScreenHost&) = delete;

  // Advances the cursor and the effect; an effect that has finished is dropped.
  void Update(const float& dt);
  // False when the engine can't draw now (no window); nothing may be drawn then.
  bool BeginFrame();
  // The effect over the top screen, the cursor over everything, then the end of the scene.
  void EndFrame();
  // An empty holder removes the effect.
  void SetEffect(const THolder<IGfxEffect>& effect) { m_effect = effect; }
  const THolder<IGfxEffect>& GetEffect() const { return m_effect; }

  const ScreenTransform* GetTransform() const { return &m_transform; }

 private:
  Engine* m_engine;  // own reference
  ScreenTransform m_transform;
  THolder<IGfxEffect> m_effect;
  THolder<ICustomCursor> m_cursor;
};

}  // namespace GF::HGENS
