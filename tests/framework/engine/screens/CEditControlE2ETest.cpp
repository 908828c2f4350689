// The edit control "edit" of the sample new-player layout: its box spans x 240 to 560 and
// y 260 to 300, its text and cursor start at x 250. Characters are typed through the
// replay's text lines, keys pressed through its key lines.

#include <gtest/gtest.h>

#include <string>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CEditControl.h"
#include "platform/Engine.h"
#include "tests/framework/engine/screens/ControlsFixture.h"
#include "tests/support/PackFixtures.h"
#include "tools/content/SampleResources.h"

namespace {

using GF::THolder;
using GF::HGENS::CEditControl;
using pm::test::Lines;

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

struct EditSetup {
  std::wstring allowed = L"*";
  int maxLength = -1;
  bool keepFocus = false;
  // Attaches a font of capitals only as font 0.
  bool capitalsFont = false;
};

class CEditControlTest : public testing::Test {
 public:
  void OnChanged(THolder<GF::HGENS::CBaseControl>) { ++m_changes; }

 protected:
  // Runs the script; notes each frame from 16 on in which something changed.
  Lines Run(const std::string& script, const EditSetup& setup = EditSetup()) {
    pm::test::ControlsRun run;
    run.layout = "main_menu.new_player_screen";
    if (setup.capitalsFont) run.setup = [](GF::HGENS::CGameManager&) { AttachCapitalsFont(); };
    run.build = [&](pm::test::CControlsScreen& screen) {
      edit = screen.CreateEdit("edit", setup.maxLength);
      edit->SetAllowedCharacters(setup.allowed);
      edit->SetKeepFocus(setup.keepFocus);
      edit->textChangedEvent.Subscribe(GF::MakeDelegate(this, &CEditControlTest::OnChanged));
    };
    run.after = [this](pm::test::CControlsScreen&, int frame) { Observe(frame); };
    pm::test::RunControls("frames 60\n" + script, run);
    edit.Reset();
    return lines;
  }

  void Observe(int frame) {
    if (frame < 16) {
      m_changes = 0;
      return;
    }
    const std::string state = "'" + Narrow(edit->Text()) + "' " +
                              std::to_string(edit->GetCursorPosition()) +
                              (edit->IsFocused() ? " focused" : " -");
    if (state != m_state || m_changes) {
      lines.push_back(std::to_string(frame) + " " + state + " " + std::to_string(m_changes));
      xs.push_back(edit->GetCursorPoint().x);
    }
    m_state = state;
    m_changes = 0;
  }

  // Font 1 (the edit field's) with the capitals A to Z only, each 8 pixels wide and advancing 9, in
  // a pack attached after the sample content (so it wins).
  static void AttachCapitalsFont() {
    std::string font;
    const auto u16 = [&font](int v) {
      font.push_back(static_cast<char>((v >> 8) & 0xFF));
      font.push_back(static_cast<char>(v & 0xFF));
    };
    font.push_back(7);
    font += "HGEFN10";
    for (int v : {0, 12, 16, 1, 1}) u16(v);  // metrics, spacing 1, one page
    u16(26);
    for (int c = 'A'; c <= 'Z'; ++c) {
      for (int v : {c, 0, 0, 8, 0, 0, 0, 8, 12}) u16(v);  // code, page, left, right, top, cut
    }
    const std::vector<std::uint8_t> page =
        EncodePng(8, 12, std::vector<std::uint32_t>(8 * 12, 0xFFFFFFFF));
    const std::string pack = (pm::test::MakeTempDir("capitals") / "font.dat").string();
    ASSERT_TRUE(pm::test::WritePack(
        pack, {{"Font/1.fnt", font}, {"Font/1/1_000.png", std::string(page.begin(), page.end())}}));
    Engine* engine = hgeCreate(ENGINE_VERSION);
    EXPECT_TRUE(engine->AttachPack(pack.c_str()));
    engine->Release();
  }

  THolder<CEditControl> edit;
  Lines lines;          // "frame 'text' cursor-position focused changes"
  std::vector<int> xs;  // the cursor's x at each line

 private:
  std::string m_state;
  int m_changes = 0;
};

// The text of the last line.
std::string LastText(const Lines& lines) {
  const std::string& line = lines.back();
  return line.substr(line.find('\'') + 1, line.rfind('\'') - line.find('\'') - 1);
}

TEST_F(CEditControlTest, TheFilterAndTheMaximumLengthLimitWhatIsTyped) {
  struct Case {
    const wchar_t* allowed;
    int maxLength;
    const char* typed;
    const char* expected;
  };
  for (const Case& c : {Case{L"*", -1, "Ab 1!", "Ab 1!"}, Case{L"#", -1, "a7b8", "78"},
                        Case{L"$#", -1, "a7b8", "ab"}, Case{L"xyz", -1, "axbyc", "xy"},
                        Case{L"", -1, "q-", "q-"}, Case{L"*", 3, "abcd", "abc"}}) {
    EditSetup setup;
    setup.allowed = c.allowed;
    setup.maxLength = c.maxLength;
    lines.clear();
    Run(std::string("@20 text ") + c.typed + "\n", setup);
    EXPECT_EQ(LastText(lines), c.expected) << Narrow(c.allowed) << " " << c.maxLength;
  }
}

TEST_F(CEditControlTest, WithoutAMaximumOnlyTheBoxWidthLimitsTheText) {
  Run("@20 text " + std::string(40, 'W') + "\n");
  const std::size_t typed = LastText(lines).size();
  EXPECT_GT(typed, 10u);
  EXPECT_LT(typed, 40u);
  EXPECT_LT(xs.back(), 560);  // the cursor stays inside the box
}

TEST_F(CEditControlTest, CursorKeysBackspaceAndDeleteAtBothEnds) {
  const Lines seen =
      Run("@20 text abcd\n"
          "@22 keydown 0x24\n@23 keyup 0x24\n"  // Home
          "@24 keydown 0x08\n@25 keyup 0x08\n"  // Backspace at the start: nothing
          "@26 keydown 0x2E\n@27 keyup 0x2E\n"  // Delete: the cursor stays
          "@28 keydown 0x23\n@29 keyup 0x23\n"  // End
          "@30 keydown 0x2E\n@31 keyup 0x2E\n"  // Delete at the end: nothing
          "@32 keydown 0x08\n@33 keyup 0x08\n"  // Backspace
          "@34 keydown 0x25\n@35 keyup 0x25\n"  // Left
          "@36 text X\n"                        // inserted at the cursor
          "@38 keydown 0x27\n@39 keyup 0x27\n"  // Right
          "@40 keydown 0x27\n@41 keyup 0x27\n"  // Right at the end: nothing
          "@42 keydown 0x08\n@43 keyup 0x08\n@44 keydown 0x08\n@45 keyup 0x08\n");
  EXPECT_EQ(seen, (Lines{"16 '' 0 focused 0",  // focused from the start
                         "20 'abcd' 4 focused 4", "22 'abcd' 0 focused 0", "26 'bcd' 0 focused 1",
                         "28 'bcd' 3 focused 0", "32 'bc' 2 focused 1", "34 'bc' 1 focused 0",
                         "36 'bXc' 2 focused 1", "38 'bXc' 3 focused 0", "42 'bX' 2 focused 1",
                         "44 'b' 1 focused 1"}));
  // The cursor stands at the text's start plus the widths of the characters before it.
  ASSERT_EQ(xs.size(), seen.size());
  EXPECT_EQ(xs[0], 250);
  EXPECT_EQ(xs[2], 250);
  EXPECT_GT(xs[1], xs[4]);  // after "abcd", after "bcd"
  EXPECT_GT(xs[4], xs[5]);
  EXPECT_GT(xs[7], xs[6]);  // "bX" is wider than "b"
}

TEST_F(CEditControlTest, AnEmptiedTextShowsOneSpaceAndStillAnnounces) {
  const Lines seen = Run("@20 text a\n@22 keydown 0x08\n@23 keyup 0x08\n");
  EXPECT_EQ(seen, (Lines{"16 '' 0 focused 0", "20 'a' 1 focused 1", "22 '' 0 focused 1"}));
}

TEST_F(CEditControlTest, AClickOutsideTakesTheFocusUnlessItIsKept) {
  const std::string script =
      "@20 text ab\n"
      "@22 move 100 100\n@23 buttondown 1\n@24 buttonup 1\n"  // outside
      "@26 text c\n"                                          // ignored when unfocused
      "@28 move 500 280\n@29 buttondown 1\n@30 buttonup 1\n"  // into the box
      "@32 text d\n";
  EXPECT_EQ(Run(script), (Lines{"16 '' 0 focused 0", "20 'ab' 2 focused 2", "23 'ab' 2 - 0",
                                // the click puts the cursor first, wherever it fell
                                "30 'ab' 0 focused 0", "32 'dab' 1 focused 1"}));
  EXPECT_EQ(xs[3], 250);
  lines.clear();
  EditSetup kept;
  kept.keepFocus = true;
  EXPECT_EQ(Run(script, kept).back(), "32 'abcd' 4 focused 1");
}

TEST_F(CEditControlTest, SetTextKeepsWhatTheFilterAllowsUpToTheMaximum) {
  pm::test::ControlsRun run;
  run.layout = "main_menu.new_player_screen";
  std::string shown;
  run.build = [&](pm::test::CControlsScreen& screen) {
    edit = screen.CreateEdit("edit", 2);
    edit->SetAllowedCharacters(L"#");
  };
  run.after = [&](pm::test::CControlsScreen&, int frame) {
    if (frame == 20) edit->SetText(L"a1b2c3");
    if (frame == 21) {
      shown = Narrow(edit->Text()) + " " + std::to_string(edit->GetCursorPosition()) + " " +
              Narrow(*edit->GetAnimation()->GetText("_text"));
    }
  };
  pm::test::RunControls("frames 22\n@18 text 9\n", run);
  edit.Reset();
  EXPECT_EQ(shown, "12 0 12");  // "9" was replaced; the cursor goes back to the start
}

TEST_F(CEditControlTest, ACapitalsOnlyFontTakesLowerCaseAsCapitals) {
  EditSetup setup;
  setup.capitalsFont = true;
  Run("@20 text aZ1b\n", setup);  // "1" has no glyph in either case
  EXPECT_EQ(lines.back(), "20 'AZB' 3 focused 3");
  EXPECT_EQ(xs.back(), 250 + 3 * 9);
}

}  // namespace
