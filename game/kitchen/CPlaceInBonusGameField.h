#pragma once

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CPlaceInItemRow.h"

// The place-in bonus level: the level's objects stand as hidden places in the picture and
// wait as items in a row along the "_list" panel. The player drags each item (or picks it
// up with a click and drops it with the next) onto the spot of its place 400 px to the
// right; there it flies in and stays, anywhere else it glides back to the row. The level
// ends when every place is filled or the time runs out.
class CPlaceInBonusGameField : public CGameFieldBase {
 public:
  using ObjectPtr = GF::THolder<CCookObject>;

  static GF::THolder<CGameFieldBase> Create();
  ~CPlaceInBonusGameField() override;

  bool LoadLevel(const std::string& levelKey) override;
  void SetupPlates(AnimationPtr layout) override;
  void Update(const float& dt) override;
  void BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) override;
  void OnKeyDown(int code) override;
  void OnKeyUp(int code) override;
  void EndLevel() override;
  void StartLevel() override;
  void Reset() override;

  // The item under the point that was picked last, shown and active ones only; null for none.
  ObjectPtr FindObjectAt(const GF::TPoint<float>& point) const;
  // Places the item when it stands within 20 px of the spot of a free place of its name.
  bool TryPlace(const ObjectPtr& item);

  const std::vector<ObjectPtr>& GetPlaces() const { return m_places; }
  const std::vector<ObjectPtr>& GetItems() const { return m_items; }
  const CPlaceInItemRow& GetRow() const { return m_row; }
  ObjectPtr GetDraggedItem() const { return m_dragged; }
  int GetPlaced() const { return m_placed; }

 private:
  using Routine = void (CPlaceInBonusGameField::*)(const float& dt);

  void PickItem(const ObjectPtr& item, const GF::TPoint<float>& mouse);
  void DropItem(ObjectPtr item);
  void FlyItemToPlace(const ObjectPtr& item, const GF::TPoint<float>& point);
  void ShowStartParticles();
  void UpdateIntro(const float& dt);
  void UpdatePlaying(const float& dt);
  void UpdateClosing(const float& dt);
  void UpdateLevelTime(const float& dt);

  Routine m_routine = &CPlaceInBonusGameField::UpdateIntro;
  ObjectPtr m_dragged;
  std::vector<ObjectPtr> m_places;  // hidden targets, in level order; a filled one is inactive
  std::vector<ObjectPtr> m_items;   // the item picked last at the end
  CPlaceInItemRow m_row;
  GF::TPoint<float> m_dragOffset;  // item position minus mouse at the press
  GF::TPoint<float> m_pressPoint;
  AnimationPtr m_listPanel;  // the layout's "_list"
  int m_placeOffset = 400;   // px from a place to the spot its item is dropped on
  int m_placed = 0;
  bool m_blinking = false;
  float m_tickTimer = 0.0f;
};
