// The cook book's page layout on the sample pages (320 x 480) and the sample dish
// "Dishes.batter", a picture of 128 x 64 about its middle.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "game/app/LevelsData.h"
#include "game/screens/cookbook/PageLayout.h"
#include "tests/game/screens/map/MapShots.h"
#include "tests/support/SampleContentFixture.h"
#include "tools/content/SampleCookBook.h"

namespace {

using AnimationPtr = PageLayout::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

// An element in flow taking `height`, told apart by its text.
CookBookEntry Element(const wchar_t* tag, float height) {
  CookBookEntry e;
  e.Text = tag;
  e.Flag3 = true;
  e.BasePosition = height;
  return e;
}

CookBookEntry SpreadAfter(CookBookEntry e) {
  e.Flag1 = true;
  return e;
}

CookBookEntry BreakAfter(CookBookEntry e) {
  e.Flag4 = true;
  return e;
}

CookBookEntry Batter() {
  CookBookEntry e = Element(L"", 41.0f);
  e.Name = "Dishes.batter";
  e.Value1 = 3;  // from the top
  return e;
}

class PageLayoutTest : public pm::test::SampleContentFixture {
 protected:
  void SetUp() override {
    SampleContentFixture::SetUp();
    scene = GF::MakeHolder<GF::HGENS::CScene>();
    layout.Init(GF::THolder<GF::IScene>(scene.Get()));
    CookBookLayoutValues = {-1.0f, 292.0f};
  }
  void TearDown() override {
    CookBookLayoutValues.clear();
    page.Reset();
    layout.Clear();
    scene->Clear();
    scene.Reset();
    GF::HGENS::CResourceCache::ReleaseInstance();
    SampleContentFixture::TearDown();
  }

  // The page that holds the element tagged `tag`; -1 when none does.
  int PageOf(const wchar_t* tag) const {
    for (int i = 0; i < layout.PageCount(); ++i)
      for (const CookBookEntry& e : layout.Page(i))
        if (e.Text == tag) return i;
    return -1;
  }

  // Where the element object stands on the page as seen: from the paper's hot spot, or on
  // mirrored paper from the page's width left of it.
  GF::TPoint<float> FromOrigin(const AnimationPtr& object) const {
    const ContainerPtr container{page->GetDrawable(0)};
    const GF::CObjectProperties& p = container->GetProperties();
    const GF::TPoint<float> at = object->GetPosition();
    const float left = p.scaleX < 0.0f ? p.x - layout.PageWidth() : p.x;
    return {at.x - left, at.y - p.y};
  }

  // The element objects of the page object made last.
  AnimationPtr ElementObject(int index) const {
    const ContainerPtr container{page->GetDrawable(0)};
    return container ? container->GetSubstitutedAnimation(index) : AnimationPtr();
  }

  // The sample dish's box about its origin.
  GF::TRect<int> BatterBox() const {
    const AnimationPtr dish = scene->CreateAnimation("Dishes.batter");
    GF::TRect<int> box;
    if (!dish) return box;
    dish->Update(0.0f);
    dish->GetBoundingRect(box);
    dish->Detach();
    return box;
  }

  // One element alone on a right-hand page shown as it is; its object's place on the page.
  GF::TPoint<float> Placed(const CookBookEntry& e) {
    layout.PlaceElement(e, true);
    layout.MakeRightPage(page, 0, 1.0f, true);
    const AnimationPtr object = ElementObject(0);
    return object ? FromOrigin(object) : GF::TPoint<float>{-999.0f, -999.0f};
  }

  GF::THolder<GF::HGENS::CScene> scene;
  PageLayout layout;
  AnimationPtr page;
};

TEST_F(PageLayoutTest, PageSizeIsTheFirstPagesBox) {
  EXPECT_EQ(layout.PageWidth(), static_cast<float>(kSamplePageWidth));
  EXPECT_EQ(layout.PageHeight(), static_cast<float>(kSamplePageHeight));
  EXPECT_EQ(layout.PageCount(), 0);
}

TEST_F(PageLayoutTest, ElementsFlowOntoPages) {
  struct Case {
    const char* name;
    std::vector<CookBookEntry> elements;
    std::vector<int> pages;  // of the elements, in order
    int pageCount;
  };
  // Every element must fit below the pen, in the flow or not.
  CookBookEntry aside = Element(L"b", 100.0f);
  aside.Flag3 = false;  // out of the flow: the pen stays
  CookBookEntry still = Element(L"b", 100.0f);
  still.Flag2 = true;  // no advance
  const Case cases[] = {
      {"the first element opens page 0", {Element(L"a", 10.0f)}, {0}, 1},
      {"an exact fit stays",
       {Element(L"a", 400.0f), Element(L"b", 40.0f), Element(L"c", 1.0f)},
       {0, 0, 1},
       2},
      {"new spread on page 0",
       {SpreadAfter(Element(L"a", 10.0f)), Element(L"b", 10.0f)},
       {0, 2},
       3},
      {"new spread on page 1",
       {BreakAfter(Element(L"a", 10.0f)), SpreadAfter(Element(L"b", 10.0f)), Element(L"c", 10.0f)},
       {0, 1, 2},
       3},
      {"taller than a page goes alone",
       {Element(L"a", 10.0f), Element(L"b", 500.0f), Element(L"c", 10.0f)},
       {0, 1, 2},
       3},
      {"out of flow and no advance keep the pen",
       {Element(L"a", 300.0f), aside, still, Element(L"c", 140.0f)},
       {0, 0, 0, 0},
       1},
  };
  for (const Case& c : cases) {
    layout.Clear();
    layout.Init(GF::THolder<GF::IScene>(scene.Get()));
    for (const CookBookEntry& e : c.elements) layout.PlaceElement(e, true);
    EXPECT_EQ(layout.PageCount(), c.pageCount) << c.name;
    for (std::size_t i = 0; i < c.elements.size(); ++i)
      EXPECT_EQ(PageOf(c.elements[i].Text.c_str()), c.pages[i]) << c.name << ", element " << i;
  }
}

TEST_F(PageLayoutTest, MissingAndLockedPagesAreEmptyPages) {
  CookBookGroup open{false, true, true, {Batter(), Element(L"", 20.0f), Batter()}, "open"};
  CookBookGroup locked{false, false, false, {SpreadAfter(Batter())}, "locked"};
  open.Entries.back().Flag4 = true;  // the locked entry starts page 1
  layout.PlaceEntry(open, true);
  layout.PlaceEntry(locked, false);
  ASSERT_EQ(layout.PageCount(), 3);
  EXPECT_TRUE(layout.IsPageShown(0));
  EXPECT_FALSE(layout.IsPageShown(1));
  EXPECT_FALSE(layout.IsPageShown(2));

  layout.MakeLeftPage(page, 0, -1.0f, true);
  ASSERT_TRUE(page);
  EXPECT_STREQ(page->GetName(), "page_1");
  // The spacer only takes space: two objects.
  EXPECT_TRUE(ElementObject(1));
  EXPECT_FALSE(ElementObject(2));
  EXPECT_EQ(ElementObject(1)->GetPosition().y - ElementObject(0)->GetPosition().y, 61.0f);

  const struct {
    int index;
    bool right;
    const char* name;
  } cases[] = {{-1, false, "page_empty_1"}, {1, false, "page_empty_1"}, {4, false, "page_empty_1"},
               {0, true, "page_2"},         {1, true, "page_empty_2"},  {3, true, "page_empty_2"}};
  for (const auto& c : cases) {
    if (c.right)
      layout.MakeRightPage(page, c.index, 1.0f, true);
    else
      layout.MakeLeftPage(page, c.index, -1.0f, true);
    ASSERT_TRUE(page) << c.index;
    EXPECT_STREQ(page->GetName(), c.name) << c.index << (c.right ? " right" : " left");
    if (c.index != 0) {
      EXPECT_FALSE(ElementObject(0)) << c.index;
    }
  }
}

TEST_F(PageLayoutTest, ElementsArePlacedByTheirAlignments) {
  const GF::TRect<int> box = BatterBox();
  const auto l = static_cast<float>(box.left), r = static_cast<float>(box.right);
  const auto t = static_cast<float>(box.top), b = static_cast<float>(box.bottom);
  struct Case {
    const char* name;
    int vertical, horizontal, column;
    float gap, offset;
    bool inFlow;
    GF::TPoint<float> at;
  };
  // The pen starts at y 20; the element is 41 high; the second column is 292.
  const Case cases[] = {
      {"top", 3, 1, 0, 5.5f, -8.0f, true, {8.0f - l, 25.5f - t}},
      {"middle, floored",
       2,
       2,
       0,
       5.0f,
       0.0f,
       true,
       {(320.0f - (r + l)) * 0.5f, std::floor(25.0f + (41.0f - (b + t)) * 0.5f)}},
      {"bottom", 4, 0, 0, 5.5f, 10.0f, true, {-10.0f + 320.0f - r, 25.5f + 41.0f - b}},
      {"other modes leave it", 0, 7, 0, 5.0f, 3.0f, true, {0.0f, 0.0f}},
      {"by column", 3, 1, 2, 0.0f, 4.0f, true, {24.0f, 20.0f - t}},
      {"a column of -1.0", 3, 1, 1, 0.0f, -8.0f, true, {8.0f - l, 20.0f - t}},
      {"past the columns", 3, 1, 3, 0.0f, -8.0f, true, {8.0f - l, 20.0f - t}},
      {"out of the flow", 3, 1, 2, 30.0f, -40.0f, false, {30.0f, 40.0f}},
  };
  for (const Case& c : cases) {
    layout.Clear();
    layout.Init(GF::THolder<GF::IScene>(scene.Get()));
    CookBookEntry e = Batter();
    e.Value1 = c.vertical;
    e.LayoutMode = c.horizontal;
    e.LayoutIndex = c.column;
    e.Value2 = c.gap;
    e.LayoutScale = c.offset;
    e.Flag3 = c.inFlow;
    const GF::TPoint<float> at = Placed(e);
    EXPECT_EQ(at.x, c.at.x) << c.name;
    EXPECT_EQ(at.y, c.at.y) << c.name;
  }
}

TEST_F(PageLayoutTest, FitToHeightIsCappedByTheMaximumWidth) {
  const GF::TRect<int> box = BatterBox();
  const auto w = static_cast<float>(box.right - box.left);
  const auto h = static_cast<float>(box.bottom - box.top);
  const struct {
    float height, maximumWidth, scale;
  } cases[] = {
      {h / 2, 0.0f, 0.5f}, {h / 2, w, 0.5f}, {h / 2, w * 0.375f, 0.375f}, {h * 2, 0.0f, 2.0f}};
  for (const auto& c : cases) {
    layout.Clear();
    layout.Init(GF::THolder<GF::IScene>(scene.Get()));
    CookBookEntry e = Batter();
    e.Flag5 = true;
    e.BasePosition = c.height;
    e.Value3 = c.maximumWidth;
    Placed(e);
    ASSERT_TRUE(ElementObject(0));
    EXPECT_FLOAT_EQ(ElementObject(0)->GetScale().x, c.scale) << c.height << " " << c.maximumWidth;
    EXPECT_FLOAT_EQ(ElementObject(0)->GetScale().y, c.scale) << c.height << " " << c.maximumWidth;
  }
}

TEST_F(PageLayoutTest, PagesReadTheRightWayRound) {
  CookBookEntry e = Batter();
  e.LayoutMode = 1;
  e.LayoutScale = -8.0f;  // left edge 8 in
  layout.PlaceElement(e, true);
  const float x = 8.0f - static_cast<float>(BatterBox().left);
  // Shown as it is, a left-hand page is mirrored paper; on a leaf neither side is (the leaf
  // turns its back over). Elements are never mirrored and stand where they stand.
  const struct {
    bool left, plain;
    float pageScale;
  } cases[] = {{true, true, -1.0f}, {false, true, 1.0f}, {true, false, 1.0f}, {false, false, 1.0f}};
  for (const auto& c : cases) {
    if (c.left)
      layout.MakeLeftPage(page, 0, -1.0f, c.plain);
    else
      layout.MakeRightPage(page, 0, 1.0f, c.plain);
    ASSERT_TRUE(page && ElementObject(0));
    const std::string name = std::string(c.left ? "left" : "right") + (c.plain ? " plain" : "");
    EXPECT_EQ(page->GetScale().x, c.pageScale) << name;
    EXPECT_EQ(ElementObject(0)->GetScale().x, 1.0f) << name;
    // Within the pixel by which the picture's box rounds on either side.
    EXPECT_NEAR(FromOrigin(ElementObject(0)).x, x, 1.0f) << name;
    GF::TRect<int> box;
    page->GetBoundingRect(box);
    EXPECT_EQ(box.left, 0) << name;
    EXPECT_EQ(box.top, 0) << name;
  }
}

// The sample cook book as the cook book lays it out (recipes found, their stand-ins
// skipped, the locked entry shown as empty pages), its spreads drawn as they are shown.
TEST_F(PageLayoutTest, SampleBookFlowsIntoSpreads) {
  ASSERT_TRUE(LoadLevelsDataFile());
  bool skip = false;
  int sections = 0;
  std::vector<int> sectionPages;
  for (const CookBookGroup& entry : CookBookGroups) {
    if (skip) {
      skip = false;
      continue;
    }
    if (entry.Flag3) {
      ++sections;
      // It starts on the last page, which the previous section opened.
      sectionPages.push_back(std::max(layout.PageCount() - 1, 0));
    }
    layout.PlaceEntry(entry, entry.Flag2);
    skip = entry.Flag1;  // the recipe's stand-in follows it
  }
  EXPECT_EQ(sections, 8);
  for (const int first : sectionPages) EXPECT_EQ(first % 2, 0) << "a section opens a spread";
  EXPECT_GE(layout.PageCount(), 16);
  int hidden = 0;
  for (int i = 0; i < layout.PageCount(); ++i) hidden += layout.IsPageShown(i) ? 0 : 1;
  EXPECT_GE(hidden, 1);  // the locked entry's
  EXPECT_GE(layout.PageCount() - sectionPages.back(), 2) << "the notes run over pages";

  session.ClearLog();
  for (const int spread : {0, 2, 10, (layout.PageCount() - 2) / 2 * 2}) {
    AnimationPtr left, right;
    layout.MakeLeftPage(left, spread, -1.0f, true);
    layout.MakeRightPage(right, spread + 1, 1.0f, true);
    ASSERT_TRUE(left && right);
    left->SetPosition(80.0f + static_cast<float>(kSamplePageWidth), 60.0f);
    right->SetPosition(400.0f, 60.0f);
    left->RefreshProperties();
    right->RefreshProperties();
    scene->SortDrawables();
    const std::vector<std::uint32_t> shot = session.Draw(
        800, 600, [&] { scene->Render(); }, 0xFF6A4A3A);
    pm::test::KeepShot(("cookbook_spread_" + std::to_string(spread) + ".png").c_str(), 800, 600,
                       shot);
    left->Detach();
    right->Detach();
  }
  for (const std::string& line : session.LogLines())
    EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  LevelsDatabase = {};
}

}  // namespace
