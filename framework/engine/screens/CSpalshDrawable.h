#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/CBaseObject.h"
#include "framework/core/IDrawable.h"
#include "framework/core/TRect.h"
#include "framework/core/hgeColor.h"
#include "framework/engine/particles/hgeSprite.h"

namespace GF::HGENS {

// The start-up logo sequence: loads the images "splash_1" to "splash_9" one after the other
// (each tried as .jpg, .png, .bmp and .jpeg; a missing one is passed over), fades each in
// from black over 1000 ms, holds it (2000 ms unless told otherwise) and fades it out over
// 1000 ms. Drawn centred in the logical screen on a black frame.
class CSpalshDrawable : public CBaseObject, public IDrawable {
 public:
  // Fade in, hold, fade out.
  enum Phase : int { kFadeIn = 0, kHold = 1, kFadeOut = 2 };

  CSpalshDrawable();
  ~CSpalshDrawable() override;
  CSpalshDrawable(const CSpalshDrawable&) = delete;
  CSpalshDrawable& operator=(const CSpalshDrawable&) = delete;

  bool QueryInterface(const int& id, void** out) override;

  // The splash belongs to no node and no scene of its own.
  void Detach() override {}
  void Render() override;
  int GetLayer() const override { return 0; }
  const TRect<int>& GetBoundingRect() override { return m_bounds; }
  THolder<IScene> GetScene() const override { return {}; }
  bool IsShown() const override { return true; }
  void SetScene(const THolder<IScene>&) override {}
  void SetShown(bool) override {}

  // The hold of image "splash_<n>" in ms; 0 or less keeps the default.
  virtual void SetImageTime(int n, int ms);
  // The hold of the current image; 0 or less gives the default 2000 ms.
  virtual void SetHoldTime(int ms);

  // Starts over from "splash_1".
  void Start();
  void Update(const float& dt);
  // Drops the current image and loads the next one that exists.
  void NextImage();

  // Every image has faded out (or none existed).
  bool IsFinished() const;
  int GetPhase() const { return m_phase; }
  float GetFade() const { return m_color.r; }
  float GetHold() const { return m_hold; }
  const std::string& GetCurrentName() const { return m_currentName; }
  bool HasImage() const { return m_sprite != nullptr; }

 private:
  void FreeImage();

  TRect<int> m_bounds;
  EngineTexture m_texture = 0;
  std::unique_ptr<hgeSprite> m_sprite;
  std::vector<std::string> m_names;
  std::size_t m_nextName = 0;
  std::vector<std::string> m_extensions;
  std::string m_currentName;
  float m_holdTimer = 0.0f;
  hgeColor m_color{0.0f, 0.0f, 0.0f, 0.0f};
  int m_phase = kFadeOut;
  float m_hold = 0.0f;
  float m_defaultHold = 2000.0f;
  std::map<std::string, int> m_holdTimes;
};

}  // namespace GF::HGENS
