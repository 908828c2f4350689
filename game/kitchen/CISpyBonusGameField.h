#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "game/app/RecipeRecord.h"
#include "game/kitchen/CGameField.h"

// The hidden-object bonus level, in a normal or a dark room: the kitchen with its cook,
// order panel and clock, turned into a search. A level with orders is an order search: the
// first order's recipe, its items shuffled, is what the cook fetches, and serving it wins.
// A level without orders is a list search: the objects it places right of x 650 name what
// is wanted and leave the picture; a panel shows the level's hint and the count found, and
// a click on a wanted object finds it. The level is won when every wanted object is found.
// In a dark room the bonus cursor is a black veil with a clear disc round the mouse.
class CISpyBonusGameField : public CGameField {
 public:
  using ObjectPtr = GF::THolder<CCookObject>;

  static GF::THolder<CGameFieldBase> Create(bool dark);
  explicit CISpyBonusGameField(bool dark);
  ~CISpyBonusGameField() override;

  bool LoadLevel(const std::string& levelKey) override;
  // The recipe shuffled for the order search is put back.
  void Shutdown() override;
  void Update(const float& dt) override;
  // Cheat mode only: key 6 ends the level as if all were found.
  void OnKeyDown(int code) override;
  // Serving the order wins an order search.
  void OnOrderServed(GF::THolder<CZacaz> order) override;
  // After a 2 s wait; the result becomes 100 + the outcome: 1 won, 2 time out, or the place
  // the kitchen's closing gave.
  void EndLevel() override;
  // The hint's object: in a list search the first shown, active and wanted one.
  ObjectPtr FindNextNeededObject(bool advance) override;
  // No name balloons: they would give the objects away.
  void OnHoverStart(const GF::TPoint<float>& mouse) override;
  void OnObjectClicked(ObjectPtr object) override;
  void UpdateLevelTime(const float& dt) override;

  bool IsDark() const { return m_dark; }
  bool IsListSearch() const { return !m_wanted.empty(); }
  const std::unordered_set<std::string>& GetWanted() const { return m_wanted; }
  int GetTotal() const { return m_total; }
  int GetFound() const { return m_found; }
  AnimationPtr GetListPanel() const { return m_listPanel; }
  AnimationPtr GetOrderBubble() const { return m_orderBubble; }

 private:
  void PrepareOrderSearch();
  void PrepareListSearch();
  void ShowListPanel();
  void ShowWantedPicture();
  void ShowOrderList();
  void AppendOpening();
  void ShowStartParticles();
  // The level is decided: the first banner, the result 1 and the end.
  void Win();
  void RestoreRecipe();

  std::unordered_set<std::string> m_wanted;
  int m_total = 0;
  int m_found = 0;
  bool m_dark = false;
  AnimationPtr m_listPanel;               // "bonus.bonus_back_4", list search
  AnimationPtr m_orderBubble;             // the first order's bubble, order search
  AnimationPtr m_bubbleList;              // what the bubble's "_list" shows
  std::string m_shuffledRecipe;           // the recipe whose items the order search shuffled
  std::vector<RecipeItem> m_recipeItems;  // its items as the data give them
};

// The text cut at every single space; two spaces in a row give an empty word.
std::vector<std::wstring> SplitText(const std::wstring& text, const std::wstring& separator);
// Every occurrence of `from` replaced by `to`; the result ends with one more `to`.
std::wstring ReplaceAll(const std::wstring& text, const std::wstring& from, const std::wstring& to);
// The words on lines broken by the two characters backslash and n: a line takes the next
// word while its length stays under `max`.
std::wstring WrapText(const std::wstring& text, std::size_t max);
