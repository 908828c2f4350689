#include "game/screens/trophy/CrossFadeState.h"

#include <algorithm>

#include "framework/core/ColorConversion.h"
#include "framework/engine/scene/ISprite.h"

namespace {

constexpr std::uint32_t kNoTint = 0xFF000000;
constexpr int kAddBlend = 3;

std::uint32_t Grey(float k) {
  return GF::ColorToArgb(hgeColor(k, k, k, 1.0f));
}

}  // namespace

void CrossFadeState::CrossFadeHolders(float dt, const AnimationPtr& target) {
  if (target != current) {
    if (outgoing) TintOpaqueSprites(*outgoing, kNoTint);
    outgoing = current;
    fadeOut = fadeIn;
    current = target;
    fadeIn = 0.0f;
  }
  if (current) {
    fadeIn = std::min(fadeIn + dt, duration);
    TintOpaqueSprites(*current, Grey(fadeIn / duration * kMaxTint));
  }
  if (outgoing) {
    fadeOut -= dt;
    const float r = std::max(fadeOut / duration, 0.0f);
    TintOpaqueSprites(*outgoing, Grey(kMaxTint * r));
    if (r == 0.0f) outgoing.Reset();
  }
}

void TintOpaqueSprites(GF::IAnimation& animation, std::uint32_t colour) {
  for (int i = 0; i < animation.GetObjectCount(); ++i) {
    const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{animation.GetDrawable(i)};
    if (sprite && (sprite->GetColor() >> 24) == 0xFF) sprite->SetColor(colour, kAddBlend);
  }
}
