// The cook book end to end on the game's application, headless, in frames of 20 ms, opened by
// the start rule of the served game data on the sample book for a player at stage 2 with
// float 34 set (two recipes: the batter in section 1, the pancakes in section 2): the open
// spread, a leaf turning after "next" and the spread it turns to, a turn by the Right key and
// one back by the Left key, a jump by the first bookmark and the batter printed from there;
// then a book whose leaves get no page images, shown as plain pages that still turn. Shots
// checked at a few pixels; the run's log names no missing resource.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/screens/cookbook/CCookBook.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayScript.h"
#include "tests/support/ReplayShot.h"

namespace {

constexpr const char* kScreen = "CookingBookScreen";
constexpr const char* kLayout = "cookingbook.cookbook_screen";

// The leaves' rectangle: the right-hand page.
constexpr int kLeft = 424, kTop = 37, kRight = 744, kBottom = 517;
// Its lower right quarter, where the turn starts.
constexpr int kCornerLeft = 584, kCornerTop = 300;

int Channel(std::uint32_t rgb, int shift) {
  return static_cast<int>((rgb >> shift) & 0xFF);
}

// The page's cream paper, lit or shaded along the fold (a grey of the same hue).
bool IsPaper(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return r > 235 && g > 225 && b > 200 && r >= b;
}
bool IsShadedPaper(std::uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  return r > 90 && r < 215 && r >= b && r - b < 50 && std::abs(r - g) < 30;
}

int CountIn(const pm::test::Shot& shot, int left, int top, int right, int bottom,
            bool (*test)(std::uint32_t)) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += test(shot.At(x, y));
  return count;
}

bool Near(std::uint32_t rgb, std::uint32_t expected, int tolerance) {
  for (int shift : {16, 8, 0})
    if (std::abs(Channel(rgb, shift) - Channel(expected, shift)) > tolerance) return false;
  return true;
}

// Dark ink of the page's texts, in a band of the page.
int Ink(const pm::test::Shot& shot, int left, int right, int top = 60, int bottom = 500) {
  return shot.Count(left, top, right, bottom, 90, true);
}

class CookBookE2ETest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    onCreated = [](GF::IScreen&) {
      PlayerProfile& p = CurrentProfile();
      p.Floats[ProfileFloat::StageNumber] = 2.0f;
      p.StageKey = "stage2";
      p.Floats[ProfileFloat::Value34] = 1.0f;
    };
  }

  void RunWithShots(const char* tag, const std::string& moves,
                    const std::vector<std::pair<int, std::string>>& shots, int frames) {
    m_folder = ShotFolder(tag);
    std::string script = "frames " + std::to_string(frames) + "\n" + moves;
    for (const auto& [frame, file] : shots)
      script += "@" + std::to_string(frame) + " shot " + (m_folder / file).string() + "\n";
    Run(kScreen, kLayout, script);
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
  }

  std::unique_ptr<pm::test::Shot> Load(const std::filesystem::path& file) {
    if (!m_session) m_session = std::make_unique<pm::test::RenderSession>();
    auto shot = std::make_unique<pm::test::Shot>(m_session->engine(), m_folder / file);
    EXPECT_TRUE(shot->IsLoaded()) << file;
    return shot;
  }

  bool CanRender() {
    if (!m_session) m_session = std::make_unique<pm::test::RenderSession>();
    return m_session->IsInitiated();
  }

  std::filesystem::path m_folder;

 private:
  std::unique_ptr<pm::test::RenderSession> m_session;
};

TEST_F(CookBookE2ETest, PagesTurnByButtonKeysAndBookmarkAndTheRecipePrints) {
  // "next" at 40, the Right key at 90, the Left key at 140, the first bookmark at 190 and
  // "print" at 240; each turn lasts 700 ms (35 frames).
  using pm::test::ClickAt, pm::test::KeyAt;
  const std::string moves = ClickAt(40, 504, 564) + KeyAt(90, 39) + KeyAt(140, 37) +
                            ClickAt(190, 144, 20) + ClickAt(240, 424, 564);
  const std::filesystem::path print = ShotFolder("cookbook") / "print.png";
  const pm::test::ScopedEnv target("PANMASTER_PRINT_FILE", print.string());
  RunWithShots("cookbook", moves,
               {{36, "open.png"},
                {57, "turning.png"},
                {85, "turned.png"},
                {135, "right_key.png"},
                {185, "left_key.png"},
                {235, "bookmark.png"}},
               250);
  ASSERT_TRUE(CanRender());
  const auto open = Load("open.png");
  const auto turning = Load("turning.png");
  const auto turned = Load("turned.png");
  // Both pages of the open spread are paper with text on them.
  EXPECT_GT(CountIn(*open, kLeft, kTop, kRight, kBottom, IsPaper), 100000);
  EXPECT_GT(CountIn(*open, 104, kTop, kLeft, kBottom, IsPaper), 100000);
  EXPECT_GT(Ink(*open, 110, 420), 300);
  EXPECT_GT(Ink(*open, 430, 740), 300);
  // Mid-turn the leaf bends at its lower right corner, where the open page is bare paper:
  // paper shaded along the fold, the old page's text still flat above it and the next
  // page's paper under the lifted corner.
  EXPECT_LT(CountIn(*open, kCornerLeft, kCornerTop, kRight, kBottom, IsShadedPaper), 50);
  EXPECT_GT(CountIn(*turning, kCornerLeft, kCornerTop, kRight, kBottom, IsShadedPaper), 1000);
  EXPECT_EQ(Ink(*turning, 430, 740, 60, 200), Ink(*open, 430, 740, 60, 200));
  EXPECT_GT(CountIn(*turning, kCornerLeft, kCornerTop, kRight, kBottom, IsPaper), 5000);
  // The new spread lies flat again, with other text than the open one.
  EXPECT_LT(CountIn(*turned, kCornerLeft, kCornerTop, kRight, kBottom, IsShadedPaper), 50);
  EXPECT_NE(Ink(*turned, 430, 740), Ink(*open, 430, 740));
  const auto right = Load("right_key.png");
  const auto left = Load("left_key.png");
  const auto bookmark = Load("bookmark.png");
  EXPECT_NE(Ink(*right, 430, 740), Ink(*turned, 430, 740));
  // Back by one spread: the Right key's turn undone.
  EXPECT_EQ(Ink(*left, 430, 740), Ink(*turned, 430, 740));
  EXPECT_NE(Ink(*bookmark, 430, 740), Ink(*left, 430, 740));

  // The first spread shows the batter: its picture printed in its cream yellow, the
  // pancakes' gold nowhere.
  const auto page = Load(print);  // an absolute path
  ASSERT_TRUE(page->IsLoaded());
  int batter = 0, pancakes = 0;
  for (std::uint32_t px : page->Pixels()) {
    batter += Near(px & 0xFFFFFF, 0xF3E5AB, 6);
    pancakes += Near(px & 0xFFFFFF, 0xD9A441, 6);
  }
  EXPECT_GT(batter, 1000);
  EXPECT_EQ(pancakes, 0);
}

// A book whose page masks are larger than the leaves' textures: no leaf gets its images.
class CBigMaskCookBook : public CCookBook {
 public:
  CBigMaskCookBook() : CCookBook(BigMask(), BigMask()) {}

 private:
  static EngineTexture BigMask() {
    Engine* engine = hgeCreate(ENGINE_VERSION);
    const EngineTexture mask = engine->TextureCreate(1024, 1024);
    engine->Release();
    return mask;
  }
};

TEST_F(CookBookE2ETest, WithoutPageImagesThePagesShowPlainAndStillTurn) {
  testScreens = {
      {kScreen, +[]() -> GF::THolder<GF::IScreen> { return GF::MakeHolder<CBigMaskCookBook>(); }}};
  RunWithShots("cookbook_plain", "@40 keydown 39\n@41 keyup 39\n",
               {{36, "open.png"}, {60, "turned.png"}}, 62);
  const auto failed = std::find(log.begin(), log.end(), "CPaperEffect:[ERR]mask size is wrong");
  EXPECT_NE(failed, log.end());
  ASSERT_TRUE(CanRender());
  const auto open = Load("open.png");
  const auto turned = Load("turned.png");
  // Both pages stand where the leaves would lie, with their text, and a turn shows the next
  // spread at once, flat.
  EXPECT_GT(CountIn(*open, kLeft, kTop, kRight, kBottom, IsPaper), 100000);
  EXPECT_GT(CountIn(*open, 104, kTop, kLeft, kBottom, IsPaper), 100000);
  EXPECT_GT(Ink(*open, 430, 740), 300);
  EXPECT_NE(Ink(*turned, 430, 740), Ink(*open, 430, 740));
  EXPECT_LT(CountIn(*turned, kCornerLeft, kCornerTop, kRight, kBottom, IsShadedPaper), 50);
}

}  // namespace
