// The cook book on the real program, over a book of its own: eight sections of one title
// page each, the batter's recipe in section 1 and the omelette's in section 6 (each with its
// stand-in), a locked entry in section 6 (or 3) and sections 7 and 8. Which sections,
// bookmarks and recipes the player's stage opens, where the book opens, which controls are
// live, and the page turn's timing, sound and refusals.

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/cookbook/CCookBook.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Spreads = std::vector<int>;

constexpr const char* kScreen = "CookingBookScreen";
constexpr const char* kLayout = "cookingbook.cookbook_screen";
constexpr const char* kLocked = "cb_secret";

// One element of a quarter page; with `spreadAfter` the next entry starts a left-hand page.
CookBookGroup Entry(const char* key, bool spreadAfter, bool recipe = false, bool always = true,
                    bool section = false) {
  CookBookEntry e;
  e.Name = "cookingbook.text";
  e.Text = std::wstring(key, key + std::char_traits<char>::length(key));
  e.Flag3 = true;  // in flow
  e.BasePosition = 100.0f;
  e.Flag1 = spreadAfter;
  return {recipe, always, section, {e}, key};
}

CookBookGroup Section(int n, bool spreadAfter = true) {
  return Entry(("section_" + std::to_string(n)).c_str(), spreadAfter, false, true, true);
}

// Without `eighth` the book ends with section 7.
std::vector<CookBookGroup> Book(int lockedSection = 6, bool eighth = true) {
  std::vector<CookBookGroup> book = {Section(1, false), Entry("Dishes.batter", true, true),
                                     Entry("missing_1", true)};
  for (int n = 2; n <= 7; ++n) {
    book.push_back(Section(n, n != lockedSection));
    if (n == lockedSection) book.push_back(Entry(kLocked, true, false, false));
    if (n == 6) {
      book.push_back(Entry("Dishes.omelette", true, true));
      book.push_back(Entry("missing_6", true));
    }
  }
  if (eighth) book.push_back(Section(8));
  return book;
}

struct Visit {
  float stage = 1.0f;
  const char* stageKey = "stage1";
  float value34 = 0.0f;
  const char* mark = "";
  bool unlocked = false;
  int lockedSection = 6;
  bool eighth = true;
};

struct Opened {
  Spreads bookmarkSpreads;
  std::vector<bool> tabs;  // per bookmark button: enabled
  Spreads recipeSpreads;
  int spread = -2;  // where the book stands once it rests
  int pages = 0;
  int newest = 0;
  bool lockedPageShown = true;
  bool prev = false, next = false, print = false;
};

class CCookBookTest : public pm::test::GameScreenTest {
 protected:
  static CCookBook* Book() {
    return dynamic_cast<CCookBook*>(GF::HGENS::GetGameManager()->TopScreen().Get());
  }
  static bool Enabled(const CCookBook& book, const char* name) {
    const GF::THolder<GF::HGENS::CBaseControl> control = book.GetControl(name);
    return control && control->IsEnabled();
  }

  void Prepare(const Visit& visit) {
    onCreated = [visit](GF::IScreen&) {
      CookBookGroups = ::Book(visit.lockedSection, visit.eighth);
      PageTurnDuration = 700.0f;
      PlayerProfile& p = CurrentProfile();
      p.Floats[ProfileFloat::StageNumber] = visit.stage;
      p.StageKey = visit.stageKey;
      p.Floats[ProfileFloat::Value34] = visit.value34;
      p.Strings[ProfileString::Value30] = visit.mark;
      if (visit.unlocked) p.Unlocked[kLocked] = true;
    };
  }

  // Opens the book and lets a first turn (a jump on arrival) end.
  Opened Open(const Visit& visit, const char* layout = kLayout) {
    Prepare(visit);
    Opened seen;
    Run(kScreen, layout, "frames 60\n", [&](int frame) {
      const CCookBook* book = Book();
      if (frame != 59 || !book) return;
      seen.bookmarkSpreads = book->GetBookmarkSpreads();
      for (const auto& tab : book->GetBookmarks()) seen.tabs.push_back(tab && tab->IsEnabled());
      for (const auto& [spread, recipe] : book->GetRecipesBySpread())
        seen.recipeSpreads.push_back(spread);
      seen.spread = book->IsTurning() ? -2 : book->GetSpread();
      seen.pages = book->GetPages().PageCount();
      seen.newest = book->GetNewestEntrySpread();
      seen.prev = Enabled(*book, "prev");
      seen.next = Enabled(*book, "next");
      seen.print = Enabled(*book, "print");
      // Section 6's title and the locked entry share page 10.
      seen.lockedPageShown = book->GetPages().IsPageShown(10);
    });
    return seen;
  }
};

TEST_F(CCookBookTest, TheStageOpensItsSectionsBookmarksAndRecipes) {
  // Stage 1 without float 34: no recipe, of sections 1 to 7 only the first with its tab.
  const Opened first = Open({});
  EXPECT_EQ(first.bookmarkSpreads, (Spreads{-1, 1}));
  EXPECT_EQ(first.tabs, (std::vector<bool>{false, true}));  // the open section's tab is off
  EXPECT_EQ(first.recipeSpreads, Spreads{});
  EXPECT_EQ(first.pages, 5);
  EXPECT_EQ(first.spread, -1);
  EXPECT_FALSE(first.prev);
  EXPECT_TRUE(first.next);
  EXPECT_FALSE(first.print);

  // Stage 2: the batter's two spreads, and the book opens at section 2.
  const Opened second = Open({2.0f, "stage2"});
  EXPECT_EQ(second.bookmarkSpreads, (Spreads{-1, 1, 3}));
  EXPECT_EQ(second.recipeSpreads, (Spreads{-1, 1}));
  EXPECT_EQ(second.spread, 1);
  EXPECT_EQ(second.tabs, (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(second.prev);
  EXPECT_TRUE(second.print);

  // Without a section past the seventh the stage's own bookmark is the last: the book stays
  // at its start.
  Visit noEighth{2.0f, "stage2"};
  noEighth.eighth = false;
  EXPECT_EQ(Open(noEighth).spread, -1);

  // Printing a new stage's first recipe comes before its section opens.
  const Opened print = Open({2.0f, "stage2", 0.0f, "new_print"});
  EXPECT_EQ(print.bookmarkSpreads, (Spreads{-1, 1}));
  EXPECT_EQ(print.recipeSpreads, (Spreads{-1, 1}));

  // Stage 6 with float 34: both recipes, the sixth section's over three spreads; the locked
  // entry's page is empty.
  const Opened sixth = Open({6.0f, "stage6", 1.0f});
  EXPECT_EQ(sixth.recipeSpreads, (Spreads{-1, 1, 11, 13, 15}));
  EXPECT_EQ(sixth.bookmarkSpreads, (Spreads{-1, 1, 3, 5, 7, 9, 13}));
  EXPECT_FALSE(sixth.lockedPageShown);
  EXPECT_EQ(sixth.newest, 0);
}

TEST_F(CCookBookTest, ALayoutWithoutTabsKeepsTheBookmarksInStep) {
  // The outfit screen's layout has no tab, button or print place: every bookmark keeps an
  // empty slot beside its spread, and the book still opens at the stage's section.
  const Opened opened = Open({2.0f, "stage2"}, "main_menu.new_dress");
  EXPECT_EQ(opened.bookmarkSpreads, (Spreads{-1, 1, 3}));
  EXPECT_EQ(opened.tabs, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(opened.spread, 1);
}

TEST_F(CCookBookTest, ANewEntryOpensTheBookAtItsSpread) {
  Visit recipe{6.0f, "stage6", 1.0f, "new_recept", true};
  const Opened at9 = Open(recipe);
  EXPECT_TRUE(at9.lockedPageShown);
  EXPECT_EQ(at9.newest, 9);
  EXPECT_EQ(at9.spread, 7);
  EXPECT_EQ(at9.bookmarkSpreads.back(), 7);  // the appended jump target

  recipe.lockedSection = 3;
  const Opened at3 = Open(recipe);
  EXPECT_EQ(at3.newest, 3);
  // An entry before the fourth spread adds no jump: the book opens where the stage opens it.
  EXPECT_EQ(at3.bookmarkSpreads, Open({6.0f, "stage6", 1.0f}).bookmarkSpreads);
  EXPECT_EQ(at3.spread, Open({6.0f, "stage6", 1.0f}).spread);

  // Arriving to print: the last recipe's spread.
  const Opened print = Open({6.0f, "stage6", 1.0f, "new_print", true});
  EXPECT_EQ(print.spread, 11);
  EXPECT_TRUE(print.print);
}

TEST_F(CCookBookTest, ATurnEasesItsLeafAndRefusesEverythingElse) {
  pm::test::RecordGameSounds();
  Prepare({2.0f, "stage2"});
  std::vector<float> progress;
  std::vector<int> spreads;
  // 10 ms frames: Right at frame 60 turns forward; Right again, Left and a click on the
  // first tab while it turns are refused; Left at 160 turns back.
  const std::string script =
      "step 10\nframes 240\n"
      "@60 keydown 39\n@61 keyup 39\n@70 keydown 39\n@71 keyup 39\n@75 keydown 37\n"
      "@76 keyup 37\n@80 move 144 22\n@81 buttondown 1\n@82 buttonup 1\n"
      "@160 keydown 37\n@161 keyup 37\n";
  Run(kScreen, kLayout, script, [&](int frame) {
    const CCookBook* book = Book();
    if (!book) return;
    if (book->IsTurning()) progress.push_back(book->GetTurningLeaf()->progress);
    if (frame == 140 || frame == 239) spreads.push_back(book->GetSpread());
  });
  // Two turns of 70 frames each; at 350 ms forward 0.5, back 1 - 0.5^2 (2 - 0.5) = 0.625.
  ASSERT_EQ(progress.size(), 138u);
  EXPECT_NEAR(progress[34], 0.5f, 1e-4f);
  EXPECT_NEAR(progress[69 + 34], 0.625f, 1e-4f);
  EXPECT_EQ(spreads, (std::vector<int>{3, 1}));
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play page_turn 1 0.000000"), 2);
}

TEST_F(CCookBookTest, ATurnOfNoDurationEndsAtOnce) {
  for (float duration : {0.0f, -5.0f, std::numeric_limits<float>::quiet_NaN()}) {
    Prepare({2.0f, "stage2"});
    const auto prepare = onCreated;
    onCreated = [prepare, duration](GF::IScreen& screen) {
      prepare(screen);
      PageTurnDuration = duration;
    };
    int turningFrames = 0;
    int spread = 0;
    Run(kScreen, kLayout, "frames 40\n@30 keydown 39\n@31 keyup 39\n", [&](int) {
      const CCookBook* book = Book();
      if (!book) return;
      turningFrames += book->IsTurning();
      spread = book->GetSpread();
    });
    EXPECT_EQ(turningFrames, 0) << duration;
    EXPECT_EQ(spread, 3) << duration;
  }
}

}  // namespace
