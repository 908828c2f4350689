#include "game/kitchen/CBonusIconRow.h"

#include <algorithm>

namespace {

GF::TPoint<float> SizeOf(const GF::IAnimation& icon) {
  GF::TRect<int> rect;
  icon.GetBoundingRect(rect);
  return {static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top)};
}

}  // namespace

void CBonusIconRow::Add(AnimationPtr icon) {
  if (icon) icons.push_back(std::move(icon));
  Restart();
}

void CBonusIconRow::Remove(const AnimationPtr& icon) {
  std::erase(icons, icon);
  Restart();
}

void CBonusIconRow::Restart() {
  elapsed = 0.0f;
  running = true;
}

void CBonusIconRow::Update(const float& dt) {
  if (!running) return;
  elapsed += dt;
  if (elapsed > duration) {
    running = false;
    elapsed = duration;
  }
  // The glide lands exactly on its end: each frame covers dt of the time that is left.
  const float k = elapsed == duration ? 1.0f : std::min(1.0f, dt / (duration - elapsed));
  GF::TPoint<float> offset{0.0f, 0.0f};
  if (centred) {
    for (const AnimationPtr& icon : icons) {
      const GF::TPoint<float> size = SizeOf(*icon);
      offset.x += size.x * stepX * 0.5f;
      offset.y += size.y * stepY * 0.5f;
    }
    // A row too long to centre on the start would leave the screen: it starts at the edge.
    offset.x = std::min(offset.x, startX);
    offset.y = std::min(offset.y, startY);
  }
  GF::TPoint<float> cursor{startX, startY};
  for (const AnimationPtr& icon : icons) {
    const GF::TPoint<float> size = SizeOf(*icon);
    const GF::TPoint<float> p = icon->GetPosition();
    const float tx = cursor.x + size.x * stepX * 0.5f - offset.x;
    const float ty = cursor.y + size.y * stepY * 0.5f - offset.y;
    icon->SetPosition(p.x + k * (tx - p.x), p.y + k * (ty - p.y));
    cursor.x += size.x * stepX;
    cursor.y += size.y * stepY;
  }
}
