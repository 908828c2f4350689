#pragma once

#include <limits>
#include <list>
#include <string>
#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/app/LevelDescription.h"
#include "game/app/LibraryData.h"
#include "game/app/RecipeRecord.h"
#include "game/kitchen/CDeliveryButton.h"
#include "game/kitchen/CGameFieldBase.h"

// One customer's order on the kitchen field, shown as a speech bubble: the customer's figure
// and mood, the recipe with its items, the patience running down on a bar with the bonuses
// riding on it, and the payment once it is served. The order panel creates one per customer,
// opens one at a time, updates each every frame and removes it when it expires or is served;
// the kitchen's clicks and actions report fetched and finished items to it.
class CZacaz : public GF::CRefCount {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;
  using PlacePtr = GF::IAnimation::ParentPtr;

  struct BonusEntry {
    int kind = 0;
    float position = 0.0f;  // seconds of waiting at the open rate; the item number on type 101
  };

  static GF::THolder<CZacaz> Create(const LevelOrderRecord& record,
                                    GF::THolder<CGameFieldBase> field);
  ~CZacaz() override;

  // Once a frame: the figure's idle, the shown points, the patience drain with the bonus
  // loss, the mood, the delivery button and the list's scroll.
  void Update(const float& dt);
  // After Update: the last 0.225 of patience runs out at the open rate; true once the
  // customer leaves.
  bool CheckExpired(const float& dt);
  // The panel selected this order: its bubble shows the item list.
  void Open();

  GF::THolder<CGameFieldBase> GetField() const { return m_field; }
  AnimationPtr GetBubble() const { return m_bubble; }
  AnimationPtr GetItemsPanel() const { return m_itemList; }

  // The item the cook should fetch next, or -1.
  int GetNextItem(bool advance, bool randomStart);
  bool CanUseObject(const ObjectDescription& object) const;
  int FindItemForDevice(const std::string& objectName) const;
  int FindItemForObject(const std::string& objectName) const;
  void SetItemDelivered(int item);
  // Serving counts as one delivery more, past the items: patience stops draining.
  void CountServing() { ++m_deliveredCount; }
  void CompleteItem(int item);
  // A device starts or stops working for item k (100: the order is being served); the
  // object is the catalogue key of what works ("" for none).
  void SetWorking(bool working, int item, const std::string& object, float duration);
  void UpdateWorkProgress(const float& dt);
  bool IsComplete() const;

  void GiveBonuses();
  void GiveItemBonus();
  void ComputePayment(float& points, float& tips) const;
  void Pay();
  void ShowDish(AnimationPtr dish, bool serving);
  // Puts a picture onto the patience bar at that fraction of its width; it is not one of
  // the order's own bonus icons.
  void AddBonusIcon(AnimationPtr icon, float fraction);
  // Every animation leaves its parent and is released, and so is the field.
  void Dispose();

  // One decimal in fixed notation: 10.0f gives "10.0".
  static std::wstring FormatNumber(float value);

  // State, for the panel, the kitchen and the tests.
  int GetType() const { return m_type; }
  float& Patience() { return m_patience; }
  int GetMood() const { return m_mood; }
  float GetShownPoints() const { return m_shownPoints; }
  bool IsOpened() const { return m_opened; }
  void SetOpened(bool opened) { m_opened = opened; }
  bool IsPaid() const { return m_paid; }
  bool IsLeaving() const { return m_leaving; }
  void SetLeaving(bool leaving) { m_leaving = leaving; }
  bool IsWorking() const { return m_working; }
  int GetCurrentItem() const { return m_currentItem; }
  int GetItemCount() const { return m_itemCount; }
  int GetDeliveredCount() const { return m_deliveredCount; }
  int GetItemsDone() const { return m_itemsDone; }
  const RecipeRecord* GetRecipe() const { return m_recipe; }
  const LevelOrderRecord* GetRecord() const { return m_record; }
  const std::vector<BonusEntry>& GetBonusEntries() const { return m_bonusEntries; }
  const std::vector<AnimationPtr>& GetBonusIcons() const { return m_bonusIcons; }
  const std::vector<AnimationPtr>& GetLines() const { return m_lines; }
  const std::vector<AnimationPtr>& GetItemLines() const { return m_itemLines; }
  const std::vector<AnimationPtr>& GetTabs() const { return m_tabs; }
  AnimationPtr GetFigure() const { return m_figure; }
  // The picture of item k's line, or empty.
  AnimationPtr GetItemPicture(int k) const {
    const auto i = static_cast<std::size_t>(k);
    return i < m_pictures.size() ? m_pictures[i].picture : nullptr;
  }
  AnimationPtr GetProgressBar() const { return m_progressBar; }
  AnimationPtr GetPointsPanel() const { return m_pointsPanel; }
  AnimationPtr GetWorkIndicator() const { return m_workIndicator; }
  GF::THolder<CDeliveryButton> GetDeliveryButton() const { return m_deliveryButton; }
  bool IsScrolling() const { return m_scrollTimeLeft > 0.0f; }

 private:
  CZacaz(const LevelOrderRecord& record, GF::THolder<CGameFieldBase> field);

  // Creation.
  void CreateBubble();
  void BuildStatus();
  void BuildBonuses();
  bool TakesBonus() const;
  void CreateFigure();
  void AdvanceMood();
  void ShowRecipeName();
  void SetRingState(int state);
  void ShowPoints();
  void PlaceBonusIcon(const AnimationPtr& icon, float fraction);
  // Puts the node into the place, keeping its position as the place-relative one; the order
  // takes it out again when it is disposed.
  void Attach(const AnimationPtr& node, const PlacePtr& place);

  // The field's bonus counter: read as 1 while less than 10 s of the level remain.
  int ReadBonusCounter() const;
  void ChangeBonusCounter(int by);

  // Patience.
  void UpdateFigureIdle(const float& dt);
  void UpdateShownPoints(const float& dt);
  void Drain(const float& dt);
  void CheckBonusLoss();
  float CutPoints() const;

  // Items.
  bool IsSequential(int item) const;
  bool IsLineShown(int item) const;
  bool Matches(int item, const ObjectDescription& object) const;
  bool IsDelivered(int item) const;
  void AdvanceCurrentItem(int item);
  void CheckAllDone();
  void EnableDelivery();
  void ShowItemState(int item, bool sequential, bool available);

  // The bubble's item list.
  void BuildItemList();
  void AddTab(const GF::THolder<GF::IScene>& scene, float& y);
  void AddBonusLines(const GF::THolder<GF::IScene>& scene, int item, float& y);
  void LayOutLine(const AnimationPtr& line, float& y);
  void SetItemLineState(int k, const RecipeItem& item, bool sequential, bool available,
                        bool working);
  void BuildItemIcon(int k, const std::string& objectName, const AnimationPtr& line,
                     bool sequential, bool available);
  AnimationPtr MakeIconPicture(const std::string& name, const PlacePtr& place, int layer);
  // Shows or hides the line with the pictures in its icon place.
  void ShowLine(const AnimationPtr& line, bool shown);
  void StrikeItemLine(int item);
  void StrikeNextTab();
  void SetTabHighlight(const AnimationPtr& tab, bool highlighted);
  void StartLineScroll(const AnimationPtr& line);
  void QueueLineScroll(int index);
  void UpdateLineScroll(const float& dt);
  void StepLineScroll(const float& dt);
  void FinishPendingScroll();
  void StartWorkIndicator(int item, const std::string& object, float duration);
  void ShowPaidPanel(float points, float tips);
  void HideWorkIndicator(const char* part);

  // The order's own state: the customer's mood, her bonuses and the record she orders from.
  int m_mood = 0;
  std::vector<BonusEntry> m_bonusEntries;
  const LevelOrderRecord* m_record = nullptr;
  int m_deliveredCount = 0;
  int m_type = 0;
  GF::THolder<CGameFieldBase> m_field;
  int m_currentItem = 0;
  bool m_paid = false;
  int m_patienceOpen = 0;
  int m_patienceClosed = 0;
  bool m_working = false;
  bool m_opened = false;
  float m_patience = 1.0f;
  const RecipeRecord* m_recipe = nullptr;
  int m_figureNumber = 0;
  std::vector<bool> m_delivered;
  int m_itemCount = 0;
  int m_itemsDone = 0;
  bool m_alarmStarted = false;
  float m_shownPoints = 0.0f;
  float m_pointsOnBubble = std::numeric_limits<float>::quiet_NaN();  // the value its text shows
  float m_idleTimer = 0.0f;
  std::string m_idleAnimation;
  bool m_leaving = false;
  float m_contentOffset = 0.0f;

  // The bubble's members.
  float m_barLength = 0.0f;
  std::vector<AnimationPtr> m_bonusIcons;
  std::list<AnimationPtr> m_bonusLines;
  std::vector<AnimationPtr> m_lines;
  std::vector<AnimationPtr> m_itemLines;
  std::vector<AnimationPtr> m_tabs;
  int m_currentTab = 0;
  AnimationPtr m_itemList;
  AnimationPtr m_progressBar;
  AnimationPtr m_bubble;
  AnimationPtr m_figure;
  AnimationPtr m_pointsPanel;
  AnimationPtr m_dish;
  AnimationPtr m_workIndicator;
  AnimationPtr m_statusFrame;
  float m_scrollDistanceLeft = 0.0f;
  int m_scrollLine = 0;
  float m_scrollTimeLeft = 0.0f;
  PlacePtr m_listPlace;
  float m_workLength = 0.0f;
  float m_workRate = 0.0f;
  std::list<int> m_scrollQueue;
  int m_lastFittingLine = -1;
  GF::THolder<CDeliveryButton> m_deliveryButton;
  std::vector<float> m_lineHeights;
  // Pictures placed by others (AddBonusIcon from outside), released with the order.
  std::vector<AnimationPtr> m_foreignIcons;
  // Every node put into a place of the bubble, in order.
  std::vector<AnimationPtr> m_attached;
  // Each item line's picture and its shadow.
  struct ItemPicture {
    AnimationPtr picture;
    AnimationPtr shadow;
  };
  std::vector<ItemPicture> m_pictures;
  AnimationPtr m_workPicture;  // the working device in the work indicator
};
