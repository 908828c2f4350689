#pragma once

#include <cstdint>

#include "framework/core/IAnimation.h"

// The soft highlight of the trophy under the mouse: the one hovered brightens over the
// duration to a tint of 0.15, the one left darkens again from the tint it had reached.
struct CrossFadeState {
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  static constexpr float kMaxTint = 0.15f;

  float duration = 200.0f;  // ms
  float fadeIn = 0.0f;      // ms into the current animation's brightening
  float fadeOut = 0.0f;     // ms of darkening left for the outgoing one
  AnimationPtr outgoing;
  AnimationPtr current;  // released before the outgoing one

  // One frame with target under the mouse (empty: none). A new target takes the current
  // one's place; a third animation still darkening is put back at once.
  void CrossFadeHolders(float dt, const AnimationPtr& target);
};

// The colour added to the animation's opaque sprites (alpha byte 0xFF), with the engine's
// alpha blending plus colour addition; black adds nothing. Other sprites keep their colour.
void TintOpaqueSprites(GF::IAnimation& animation, std::uint32_t colour);
