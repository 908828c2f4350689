#pragma once

#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/IDrawable.h"
#include "framework/core/IScene.h"

class Engine;

namespace GF::HGENS {

// What one screen draws and animates: drawables in layer order (re-sorted, stably, only
// when asked), the running animation nodes, and an update event fired after each active
// update. Every scene also feeds the program-wide frame-rate line.
class CScene : public GF::IScene {
 public:
  // The particle registry's part in every scene, installed by the particle library: the
  // update of every registered system, and taking one scene's systems out of it.
  struct ParticleHooks {
    void (*update)(const float& dt) = nullptr;
    void (*leaveScene)(const GF::IScene* scene) = nullptr;
  };
  static ParticleHooks& GetParticleHooks();

  // The frame-rate meter shared by every scene (only the top screen's scene is updated).
  struct FpsMeter {
    int frames = 0;
    float time = 0.0f;  // ms
    int rate = 0;
  };
  static FpsMeter& GetFpsMeter();

  CScene();
  ~CScene() override;
  CScene(const CScene&) = delete;
  CScene& operator=(const CScene&) = delete;

  void AddAnimation(const AnimationPtr& animation) override;
  void AddDrawable(const DrawablePtr& drawable) override;
  AnimationPtr CreateAnimation(const std::string& name) override;
  AnimationPtr PlayAnimation(const std::string& name, float x, float y, const std::string& part,
                             int count, float delay) override;
  AnimationPtr PlayAnimation(const std::string& name, const GF::TPoint<float>& position,
                             const std::string& part, int count, float delay) override;
  void Render() override;
  void SortDrawables() override;
  void RemoveAnimation(const AnimationPtr& animation) override;
  void RemoveDrawable(const DrawablePtr& drawable) override;
  bool Update(const float& dt) override;
  void Clear() override;
  void PauseSounds() override;
  void ResumeSounds() override;
  void StopSounds() override;
  void SetActive(bool active) override { m_active = active; }
  void RequestSort() override { m_needsSort = true; }
  void SetVisible(bool visible) override { m_visible = visible; }
  UpdateEvent& GetUpdateEvent() override { return m_updateEvent; }
  const GF::THolder<GF::CRefCount>& GetUserObject() const override { return m_userObject; }
  GF::THolder<GF::CRefCount>& GetUserObject() override { return m_userObject; }
  void SetUserObject(const GF::THolder<GF::CRefCount>& object) override { m_userObject = object; }

  const std::vector<DrawablePtr>& GetDrawables() const { return m_drawables; }
  const std::vector<AnimationPtr>& GetAnimations() const { return m_animations; }

 private:
  void AdvanceAnimations(const float& dt);
  void DropFinished();
  void MeasureFrameRate(const float& dt);

  Engine* m_engine;
  bool m_needsSort = true;
  bool m_active = true;
  bool m_visible = true;
  // Members are destroyed bottom up: the user object first, the drawables last.
  std::vector<DrawablePtr> m_drawables;
  std::vector<AnimationPtr> m_animations;
  // The animation walk in progress (-1 when none): removals before it shift it back, so a
  // node that leaves the list during the walk never makes the walk skip another.
  int m_walk = -1;
  UpdateEvent m_updateEvent;
  GF::THolder<GF::CRefCount> m_userObject;
};

}  // namespace GF::HGENS
