#pragma once

#include <map>
#include <vector>

#include "framework/core/IDelegate.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/RecipeRecord.h"
#include "game/kitchen/CDeliveryButton.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/cookbook/CPaperEffect.h"
#include "game/screens/cookbook/PageLayout.h"
#include "platform/Engine.h"

// "CookingBookScreen": the cook book open on a spread of two pages. Its sections of the
// player's stages and those past the seventh are laid out, each with a bookmark; the recipes
// found so far stand in their sections. "next", "prev" and the Right and Left arrow keys
// turn a leaf over with the page curl, a bookmark turns to its section, "print" prints the
// spread's recipe. It opens at the player's stage, or at a newly found entry when an unlock
// screen sent the player here. Once a leaf cannot make its page images, the pages are shown
// as plain objects for the rest of the visit.
class CCookBook : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();
  CCookBook();

  // Spread c shows page c + 1 on the left and c + 2 on the right; -1 is the first.
  int GetSpread() const { return m_spread; }
  const std::vector<int>& GetBookmarkSpreads() const { return m_bookmarkSpreads; }
  // The bookmark buttons by section; a section without its tab keeps an empty slot.
  const std::vector<GF::THolder<CDeliveryButton>>& GetBookmarks() const { return m_bookmarks; }
  const std::map<int, RecipeRecord>& GetRecipesBySpread() const { return m_recipes; }
  const PageLayout& GetPages() const { return m_pages; }
  int GetNewestEntrySpread() const { return m_newestEntrySpread; }
  bool IsTurning() const { return m_pageState == &CCookBook::TurningState; }
  bool IsCurlUnavailable() const { return m_curlUnavailable; }
  // The leaf that turns; hidden while the book rests.
  const GF::THolder<CPaperEffect>& GetTurningLeaf() const { return m_turningLeaf; }
  const GF::THolder<GF::HGENS::CFGParticle>& GetPrintHint() const { return m_printHint; }

 protected:
  // The page masks of the leaves' fronts and backs.
  CCookBook(EngineTexture frontMask, EngineTexture backMask);

  void OnInit() override;
  void OnDestroy() override;
  bool IdleUpdate(const float& dt) override;

 private:
  using PageState = bool (CCookBook::*)(const float&);
  using ControlPtr = GF::THolder<GF::HGENS::CBaseControl>;
  using LeafPtr = GF::THolder<CPaperEffect>;

  void BuildPages();
  void PlaceRecipe(const CookBookGroup& entry, int section);
  void CreateBookmarks(int section);
  void SetUpPageEffects();
  void CreateControls();
  ControlPtr CreateBookButton(const char* name,
                              void (CCookBook::*onClick)(ControlPtr, const GF::TPoint<int>&, int));
  void OpenAtNewEntry();
  void RefreshControls();
  void ShowPrintHint();
  void DropPrintHint();

  void PreparePageEffect(const LeafPtr& leaf, int front, int back);
  void ShowPages(int left, int right);
  void GoToPage(int bookmark);
  void TurnForward();
  void TurnBack();
  bool IdleState(const float& dt);
  bool TurningState(const float& dt);
  void EndTurn();

  void OnNextClick(ControlPtr control, const GF::TPoint<int>& point, int buttons);
  void OnPrevClick(ControlPtr control, const GF::TPoint<int>& point, int buttons);
  void OnBookmarkClick(ControlPtr control, const GF::TPoint<int>& point, int buttons);
  void OnKey(int key);
  void PrintRecipe(ControlPtr control, const GF::TPoint<int>& point, int buttons);

  // The arrival mark of string 30 and the sections it leaves closed.
  bool ArrivedToPrint() const;
  int LastSection() const;

  PageState m_pageState = &CCookBook::IdleState;
  ControlPtr m_next;
  ControlPtr m_prev;
  ControlPtr m_print;
  EngineTexture m_frontMask;
  EngineTexture m_backMask;
  LeafPtr m_leftLeaf;
  LeafPtr m_rightLeaf;
  LeafPtr m_turningLeaf;
  float m_direction = 1.0f;
  float m_turnTime = 0.0f;  // ms
  bool m_curlUnavailable = false;
  int m_spread = -1;
  std::vector<GF::THolder<CDeliveryButton>> m_bookmarks;
  std::vector<int> m_bookmarkSpreads;
  PageLayout m_pages;
  GF::IAnimation::AnimationPtr m_leftPage;
  GF::IAnimation::AnimationPtr m_rightPage;
  bool m_leftLeafStale = false;
  int m_newestEntrySpread = 0;
  std::map<int, RecipeRecord> m_recipes;
  int m_lastRecipeSpread = 0;
  bool m_printHintShown = false;
  GF::THolder<GF::HGENS::CFGParticle> m_printHint;
  GF::THolder<GF::IDelegate<void, int>> m_keyHandler;
};
