#pragma once

#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/kitchen/CCookObject.h"

// The place-in level's waiting items, left to right along a list panel from its
// "_item_place". Those that do not fit before the panel's right edge wait hidden; after each
// relayout the items glide to their slots over half the order slide time while the newly
// shown ones fade in.
class CPlaceInItemRow {
 public:
  using ItemPtr = GF::THolder<CCookObject>;
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  // Lines the row up along the panel; without one it runs along the screen's bottom.
  void Init(AnimationPtr container);
  // A new item, drawn over the interface and waiting below the screen until it slides in.
  void Add(const ItemPtr& item);
  // Takes the item out (every entry of it) and closes the gap.
  void Remove(const ItemPtr& item);
  // Hides what does not fit, shows what now does (from opacity 0) and starts the glide.
  void Relayout();
  // One frame of the glide.
  void Update(const float& dt);

  const std::vector<ItemPtr>& GetItems() const { return m_items; }

 private:
  // The right end the items must not pass.
  float Limit() const;
  void Glide(float k);

  std::vector<AnimationPtr> m_fading;  // shown by the last relayout, fading in with the glide
  std::vector<ItemPtr> m_items;
  AnimationPtr m_container;
  float m_startX = 0.0f;
  float m_startY = 0.0f;
  float m_slideTime = 100000000.0f;  // ms since the last relayout
};
