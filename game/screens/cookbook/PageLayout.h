#pragma once

#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "game/app/CookBookGroup.h"

// The cook book's pages: the page elements of the cook-book entries flowed top to bottom
// onto pages of the size of "cookingbook.page_1", a new page whenever an element does not
// fit. Any page can then be made as a page object, to be shown as it is or drawn into a
// page-curl leaf. Even page indices are left-hand pages.
class PageLayout {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  PageLayout() = default;

  // Frees the pages and lets go of the scene.
  void Clear();
  // Page and element objects are made through `scene`; the page size is the bounding box of
  // "cookingbook.page_1".
  void Init(const GF::THolder<GF::IScene>& scene);

  // Every element of the entry; `shown` false makes the pages it ends on empty pages.
  void PlaceEntry(const CookBookGroup& entry, bool shown);
  void PlaceElement(const CookBookEntry& element, bool shown);
  void NewPage(bool shown);

  // The page object of page `index` ("cookingbook.page_1" with its elements), or
  // "cookingbook.page_empty_1" for an index out of range or a page that is not shown.
  // `plain`: the page is shown as it is, its paper mirrored by `factor`; otherwise it is
  // drawn into a leaf. The elements are never mirrored.
  void MakeLeftPage(AnimationPtr& out, int index, float factor, bool plain) const;
  // The same with "cookingbook.page_2" and "cookingbook.page_empty_2".
  void MakeRightPage(AnimationPtr& out, int index, float factor, bool plain) const;

  int PageCount() const { return static_cast<int>(m_pages.size()); }
  bool IsPageShown(int index) const;
  const std::vector<CookBookEntry>& Page(int index) const { return m_pages.at(index); }
  float Y() const { return m_y; }
  float PageWidth() const { return m_pageWidth; }
  float PageHeight() const { return m_pageHeight; }

  static constexpr float kTopMargin = 20.0f;
  static constexpr float kBottomMargin = 20.0f;
  static constexpr int kElementLayer = 50;

 private:
  // An element's box and the pen, in the page's own frame: x from the page's left edge as
  // seen (mirrored paper or not), y down from its top.
  using Box = GF::TRect<float>;
  struct Pen {
    float x = 0.0f;
    float y = 0.0f;
  };

  void MakePage(AnimationPtr& out, int index, float factor, bool plain, const char* page,
                const char* empty) const;
  void PreparePageObject(GF::IAnimation& object, bool plain, float factor) const;
  void BuildElements(GF::ISubstitutedContainer& container, int index) const;
  void BuildElement(GF::ISubstitutedContainer& container, const CookBookEntry& element,
                    const Pen& pen) const;
  void FitToHeight(GF::IAnimation& object, GF::ISubstitutedContainer& container,
                   const CookBookEntry& element, Box& box) const;
  GF::TPoint<float> Position(const CookBookEntry& element, const Box& box, const Pen& pen) const;

  GF::THolder<GF::IScene> m_scene;
  std::vector<bool> m_shown;  // per page: the flag of the last element placed on it
  std::vector<std::vector<CookBookEntry>> m_pages;
  float m_y = 0.0f;  // the pen on the last page
  float m_pageHeight = 0.0f;
  float m_pageWidth = 0.0f;
};
