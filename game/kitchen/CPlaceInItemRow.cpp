#include "game/kitchen/CPlaceInItemRow.h"

#include <algorithm>

#include "game/app/GameData.h"

namespace {

// The row without its panel: along the screen's bottom.
constexpr float kBareStartX = 20.0f;
constexpr float kBareStartY = 560.0f;
constexpr float kBareLimit = 790.0f;
constexpr float kRightMargin = 10.0f;  // px kept free at the panel's right edge
constexpr float kWaitingX = 400.0f;    // a new item waits below the screen
constexpr float kWaitingY = 700.0f;
constexpr int kRowLayer = 100;            // over the interface base
constexpr float kSettled = 100000000.0f;  // a slide time long past any glide

int Width(const GF::IAnimation& animation) {
  GF::TRect<int> rect;
  animation.GetBoundingRect(rect);
  return rect.right - rect.left;
}

}  // namespace

void CPlaceInItemRow::Init(AnimationPtr container) {
  m_container = container;
  if (!m_container) {
    m_startX = kBareStartX;
    m_startY = kBareStartY;
    return;
  }
  m_container->Update(0.0f);
  GF::TPoint<float> start = m_container->GetPosition();
  if (const GF::IAnimation::ParentPtr place{m_container->FindDrawable("_item_place")})
    start = {place->GetProperties().x, place->GetProperties().y};
  m_startX = start.x;
  m_startY = start.y;
}

void CPlaceInItemRow::Add(const ItemPtr& item) {
  m_items.push_back(item);
  const AnimationPtr animation = item->HolderGetCast();
  if (!animation) return;
  animation->SetLayer(HudLayerBase + kRowLayer);
  animation->SetPosition(kWaitingX, kWaitingY);
}

void CPlaceInItemRow::Remove(const ItemPtr& item) {
  const auto gone = std::remove(m_items.begin(), m_items.end(), item);
  if (gone == m_items.end()) return;
  m_items.erase(gone, m_items.end());
  Relayout();
}

void CPlaceInItemRow::Relayout() {
  m_slideTime = 0.0f;
  m_fading.clear();
  const float limit = Limit();
  float x = m_startX;
  for (const ItemPtr& item : m_items) {
    const AnimationPtr animation = item->HolderGetCast();
    if (!animation) continue;
    const int width = Width(*animation);
    if (x + static_cast<float>(width) > limit) {
      item->SetShown(false);
    } else if (!animation->IsShown()) {
      item->SetShown(true);
      animation->SetOpacity(0.0f);
      m_fading.push_back(animation);
    }
    x += static_cast<float>(width);
  }
}

float CPlaceInItemRow::Limit() const {
  if (!m_container) return kBareLimit;
  GF::TRect<int> rect;
  m_container->GetBoundingRect(rect);
  return static_cast<float>(rect.right) - kRightMargin;
}

void CPlaceInItemRow::Update(const float& dt) {
  const float h = static_cast<float>(OrderSlideTime) * 0.5f;
  if (m_slideTime >= kSettled || (h > 0.0f && m_slideTime >= h)) return;
  float k = 1.0f, p = 1.0f;
  if (h > 0.0f) {
    // Each step covers its share of the time left before it: the glide lands exactly at h.
    const float left = h - m_slideTime;
    m_slideTime = std::min(m_slideTime + dt, h);
    k = m_slideTime == h ? 1.0f : std::min(1.0f, dt / left);
    p = m_slideTime / h;
  } else {
    m_slideTime = kSettled;  // no slide time: in place at once
  }
  for (const AnimationPtr& animation : m_fading) animation->SetOpacity(p);
  Glide(k);
}

void CPlaceInItemRow::Glide(float k) {
  float cursor = m_startX;
  for (const ItemPtr& item : m_items) {
    const AnimationPtr animation = item->HolderGetCast();
    if (!animation) continue;
    const GF::TPoint<float> at = animation->GetPosition();
    const float targetX = cursor + static_cast<float>(Width(*animation) / 2);
    animation->SetPosition(at.x + k * (targetX - at.x), at.y + k * (m_startY - at.y));
    animation->Update(0.0f);
    cursor += static_cast<float>(Width(*animation));
  }
}
