#pragma once

#include <memory>

#include "framework/core/IScene.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/IGfxEffect.h"
#include "platform/Engine.h"

class hgeSprite;

namespace GF::HGENS {

// A smooth change of screens: a snapshot of the old screen's scene, taken into a render
// target, fades out over the new screen. Any Resume of the game manager (focus regained, end
// of a window drag) cuts it short.
class CSmoothShow : public IGfxEffect {
 public:
  CSmoothShow();
  ~CSmoothShow() override;
  CSmoothShow(const CSmoothShow&) = delete;
  CSmoothShow& operator=(const CSmoothShow&) = delete;

  // Snapshots the scene; the snapshot fades out over `duration` ms of frame time. A duration
  // of 0 or less, or a render target that can't be made, finishes the effect at once.
  void Start(THolder<IScene> scene, float duration);
  // Ends the fade at the next host update.
  void Abort();

  // Begins the frame on the screen; no transform is set.
  void BeginScene() override;
  void Render() override;
  bool IsFinished() override;
  void Update(const float& dt) override;

  // The snapshot's alpha (0 to 255); 0 without a snapshot.
  int GetAlpha() const;

 private:
  Engine* m_engine;  // own reference
  EngineTarget m_target = 0;
  float m_duration = 0.0f;
  float m_remaining = 0.0f;
  std::unique_ptr<hgeSprite> m_sprite;
};

}  // namespace GF::HGENS
