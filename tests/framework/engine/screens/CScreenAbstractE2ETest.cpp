// The screen base on the real program with the sample menu: the show, idle and hide
// sequence with its result, shortcuts in each state, and confirmations answered yes and no.
// The menu's "_show" and "_hide" last 500 ms: 26 frames of 20 ms.

#include <gtest/gtest.h>

#include "framework/engine/scene/CScene.h"
#include "tests/framework/engine/screens/MenuFixture.h"

namespace {

using pm::test::kKeyEscape;
using pm::test::kKeySpace;
using pm::test::Lines;
using pm::test::MenuSetup;

class CScreenAbstractTest : public pm::test::MenuFixture {
 protected:
  // Journals the screen's own events.
  void OnCreated(GF::THolder<GF::IScreen> screen) override {
    if (!watchEvents) return;
    using Hook = void (CScreenAbstractTest::*)(GF::THolder<GF::IScreen>);
    const std::pair<GF::IScreen::ScreenEvent*, Hook> events[] = {
        {&screen->InitEvent(), &CScreenAbstractTest::OnInit},
        {&screen->ActivateEvent(), &CScreenAbstractTest::OnActivate},
        {&screen->DeactivateEvent(), &CScreenAbstractTest::OnDeactivate},
        {&screen->DestroyEvent(), &CScreenAbstractTest::OnDestroy},
        {&screen->FifthEvent(), &CScreenAbstractTest::OnFifth},
        {&screen->SixthEvent(), &CScreenAbstractTest::OnSixth}};
    for (const auto& [event, hook] : events) event->Subscribe(GF::MakeDelegate(this, hook));
  }
  void OnInit(GF::THolder<GF::IScreen> s) { pm::test::Note("init " + s->GetName()); }
  void OnActivate(GF::THolder<GF::IScreen> s) { pm::test::Note("activate " + s->GetName()); }
  void OnDeactivate(GF::THolder<GF::IScreen> s) { pm::test::Note("deactivate " + s->GetName()); }
  void OnDestroy(GF::THolder<GF::IScreen> s) { pm::test::Note("destroy " + s->GetName()); }
  void OnFifth(GF::THolder<GF::IScreen> s) { pm::test::Note("fifth " + s->GetName()); }
  void OnSixth(GF::THolder<GF::IScreen> s) { pm::test::Note("sixth " + s->GetName()); }

  bool watchEvents = false;
};

struct ShortcutCase {
  const char* what;
  std::vector<MenuSetup::Shortcut> shortcuts;
  const char* script;
  Lines expected;
};

TEST_F(CScreenAbstractTest, ShortcutsInEachStateAndTheResultTheScreenLeavesWith) {
  const ShortcutCase cases[] = {
      {"idle, usual flags: announced, hidden, finished with its name",
       {{kKeyEscape, "back", false, 0x32}},
       "@40 keydown 0x1B\n@41 keyup 0x1B\n",
       {"1 _show", "1 hint ' '", "27 _idle", "40 announce menu back", "40 _hide",
        "66 closed menu back"}},
      {"idle without the hide flag: finished in the same frame",
       {{kKeyEscape, "back", false, 0x02}},
       "@40 keydown 0x1B\n@41 keyup 0x1B\n",
       {"1 _show", "1 hint ' '", "27 _idle", "40 announce menu back", "40 closed menu back"}},
      {"live while showing: finished at once",
       {{kKeyEscape, "back", false, 0x33}},
       "@5 keydown 0x1B\n@6 keyup 0x1B\n",
       {"1 _show", "1 hint ' '", "5 announce menu back", "5 closed menu back"}},
      {"pressed while showing with the defer flag: fires in the first idle frame",
       {{kKeyEscape, "back", false, 0x3B}},
       "@5 keydown 0x1B\n@6 keyup 0x1B\n",
       {"1 _show", "1 hint ' '", "27 _idle", "28 announce menu back", "28 _hide",
        "54 closed menu back"}},
      {"live while hiding: ends the hide at once with its own name",
       {{kKeyEscape, "back", false, 0x32}, {kKeySpace, "skip", false, 0x04}},
       "@40 keydown 0x1B\n@41 keyup 0x1B\n@45 keydown 0x20\n@46 keyup 0x20\n",
       {"1 _show", "1 hint ' '", "27 _idle", "40 announce menu back", "40 _hide",
        "45 announce menu skip", "45 closed menu skip"}},
      {"two records on one key: only the first fires",
       {{kKeyEscape, "first", false, 0x02}, {kKeyEscape, "second", false, 0x02}},
       "@40 keydown 0x1B\n@41 keyup 0x1B\n",
       {"1 _show", "1 hint ' '", "27 _idle", "40 announce menu first", "40 closed menu first"}},
  };
  for (const ShortcutCase& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    pm::test::CurrentMenuSetup().shortcuts = c.shortcuts;
    EXPECT_EQ(Run(std::string("frames 80\n") + c.script), c.expected);
  }
}

TEST_F(CScreenAbstractTest, AConfirmedShortcutLeavesWithItsNameAfterShowingAgain) {
  pm::test::CurrentMenuSetup().shortcuts = {{kKeyEscape, "back", true, 0x32}};
  const Lines seen =
      Run("frames 110\n@40 keydown 0x1B\n@41 keyup 0x1B\n@45 keydown 0x0D\n@46 keyup 0x0D\n");
  // The question is asked over the menu's scene; "yes" closes it, the menu shows again and
  // then leaves through "_hide" without announcing its command a second time.
  EXPECT_EQ(seen, (Lines{"1 _show", "1 hint ' '", "27 _idle",
                         "40 ask confirm_back in main_menu.confirm_screen over",
                         "45 announce confirm_screen yes", "45 closed confirm_screen yes",
                         "45 _show", "71 _idle", "72 _hide", "98 closed menu back"}));
}

TEST_F(CScreenAbstractTest, AShortcutAnsweredNoKeepsTheScreen) {
  pm::test::CurrentMenuSetup().shortcuts = {{kKeyEscape, "back", true, 0x32}};
  const Lines seen =
      Run("frames 110\n@40 keydown 0x1B\n@41 keyup 0x1B\n@45 keydown 0x20\n@46 keyup 0x20\n");
  EXPECT_EQ(seen, (Lines{"1 _show", "1 hint ' '", "27 _idle",
                         "40 ask confirm_back in main_menu.confirm_screen over",
                         "45 announce confirm_screen no", "45 closed confirm_screen no", "45 _show",
                         "71 _idle"}));
}

TEST_F(CScreenAbstractTest, TheOpenConfirmationFollowsItsRecordWhenShortcutsAreRemoved) {
  // While the question is open, a record before the asking one goes: "yes" still runs the
  // asking record. When the asking record itself goes, "yes" runs nothing.
  for (const int removed : {kKeySpace, kKeyEscape}) {
    SCOPED_TRACE(removed);
    SetUp();
    pm::test::CurrentMenuSetup().shortcuts = {{kKeySpace, "other", false, 0x02},
                                              {kKeyEscape, "back", true, 0x02}};
    const Lines seen =
        Run("frames 110\n@40 keydown 0x1B\n@41 keyup 0x1B\n@45 keydown 0x0D\n@46 keyup 0x0D\n",
            [this, removed](int frame) {
              if (frame == 42) menu->RemoveShortcut(removed);
            });
    const bool leaves = removed == kKeySpace;
    // Taken with 0x02 (no 0x10, no 0x20), the answer brings the screen back without "_show"
    // and it leaves in the next frame; untaken, the screen shows again and stays.
    EXPECT_EQ(seen.back(), leaves ? "46 closed menu back" : "71 _idle");
  }
}

}  // namespace

TEST_F(CScreenAbstractTest, AScreenShownOverAnotherDrawsIntoItsSceneAndLeavesItsDrawables) {
  std::vector<std::size_t> counts;
  const auto drawables = [this] {
    return dynamic_cast<GF::HGENS::CScene&>(*menu->GetScene()).GetDrawables().size();
  };
  Run("frames 32\n", [&](int frame) {
    GF::HGENS::CGameManager& manager = *GF::HGENS::GetGameManager();
    if (frame == 28) {
      counts.push_back(drawables());
      manager.RegisterScreen("over",
                             [] { return GF::THolder<GF::IScreen>(new pm::test::CSampleMenu); });
      manager.ShowScreen("over", "main_menu.menu", menu->GetScene(), nullptr);
      EXPECT_TRUE(manager.TopScreen()->IsOverlay());
      EXPECT_EQ(manager.TopScreen()->GetScene(), menu->GetScene());
    }
    if (frame == 30) {
      counts.push_back(drawables());
      manager.DestroyScreen("over");
      counts.push_back(drawables());
    }
  });
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_GT(counts[1], counts[0]);
  EXPECT_EQ(counts[2], counts[0]);
}

TEST_F(CScreenAbstractTest, TheScreensOwnEventsFollowItsLife) {
  watchEvents = true;
  pm::test::CurrentMenuSetup().shortcuts = {{kKeyEscape, "back", false, 0x02}};
  const Lines seen = Run("frames 40\n@32 keydown 0x1B\n@33 keyup 0x1B\n", [this](int frame) {
    if (frame != 30) return;
    menu->RaiseFifthEvent();
    menu->RaiseSixthEvent();
  });
  EXPECT_EQ(seen, (Lines{"0 init menu", "0 activate menu", "1 _show", "1 hint ' '", "27 _idle",
                         "30 fifth menu", "30 sixth menu", "32 announce menu back",
                         "32 closed menu back", "32 destroy menu", "32 deactivate menu"}));
  // Destroyed by the closed event's subscriber, the menu is still deactivated afterwards.
}
