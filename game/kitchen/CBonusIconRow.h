#pragma once

#include <vector>

#include "framework/core/IAnimation.h"

// The row of active bonus icons: each change glides every icon from where it stands to its
// slot within one re-layout time.
struct CBonusIconRow {
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  // The row is centred on the start point, as far as the screen's top left edges allow.
  bool centred = true;
  // Each icon advances the next slot by (its width x stepX, its height x stepY).
  float stepX = 1.0f;
  float stepY = 0.0f;
  float startX = 60.0f;
  float startY = 100.0f;
  float elapsed = 0.0f;  // ms since the last change
  float duration = 1000.0f;
  bool running = false;
  std::vector<AnimationPtr> icons;  // in insertion order

  // Both restart the glide; a null icon joins nothing.
  void Add(AnimationPtr icon);
  // Removes every element equal to the icon.
  void Remove(const AnimationPtr& icon);
  // One frame of the glide; nothing while no glide runs.
  void Update(const float& dt);

 private:
  void Restart();
};
