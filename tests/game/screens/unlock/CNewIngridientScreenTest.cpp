// The ingredient screen: its layout and grid by the number of ingredients, the elements'
// delays, names and picture sizes, and, on the real program with the sample level
// "stage1_1" (eggs, flour, maple syrup), a second visit and an early "ok".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "game/screens/unlock/CNewIngridientScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Lines = std::vector<std::string>;
using Places = std::vector<GF::TPoint<float>>;
using pm::test::PlayerCalls;

constexpr const char* kScreen = "new_ingridient_screen";
const std::string kSound = "sound:Play unlock_ingredient 1 0.000000";

TEST(CNewIngridientScreenTest, TheNumberOfIngredientsChoosesLayoutAndGrid) {
  EXPECT_EQ(CNewIngridientScreen::LayoutForCount(0), "");
  for (int n : {1, 3})
    EXPECT_EQ(CNewIngridientScreen::LayoutForCount(n), "main_menu.ingredients_screen_1");
  for (int n : {4, 6})
    EXPECT_EQ(CNewIngridientScreen::LayoutForCount(n), "main_menu.ingredients_screen_2");
  for (int n : {7, 13})
    EXPECT_EQ(CNewIngridientScreen::LayoutForCount(n), "main_menu.ingredients_screen_3");

  EXPECT_EQ(CNewIngridientScreen::ElementPlaces(1), (Places{{0.0f, 0.0f}}));
  EXPECT_EQ(CNewIngridientScreen::ElementPlaces(3),
            (Places{{-105.0f, 0.0f}, {0.0f, 0.0f}, {105.0f, 0.0f}}));
  // Two rows stand apart, the single element of the second row in the middle.
  EXPECT_EQ(CNewIngridientScreen::ElementPlaces(4),
            (Places{{-105.0f, -66.0f}, {0.0f, -66.0f}, {105.0f, -66.0f}, {0.0f, 66.0f}}));
  EXPECT_EQ(CNewIngridientScreen::ElementPlaces(7)[6], (GF::TPoint<float>{0.0f, 88.0f}));
  // Rows of 3 would need 5: rows of 4 (4, 4, 4, 1), 88 apart around the middle.
  const Places thirteen = CNewIngridientScreen::ElementPlaces(13);
  ASSERT_EQ(thirteen.size(), 13u);
  EXPECT_EQ(thirteen[0], (GF::TPoint<float>{-157.5f, -132.0f}));
  EXPECT_EQ(thirteen[7], (GF::TPoint<float>{157.5f, -44.0f}));
  EXPECT_EQ(thirteen[11], (GF::TPoint<float>{157.5f, 44.0f}));
  EXPECT_EQ(thirteen[12], (GF::TPoint<float>{0.0f, 132.0f}));
}

TEST(CNewIngridientScreenTest, ElementsAppearInTurnWithTheirNamesBrokenAndPicturesFitted) {
  EXPECT_EQ(CNewIngridientScreen::ElementDelay(0), 1300.0f);
  EXPECT_EQ(CNewIngridientScreen::ElementDelay(4), 2100.0f);
  const std::pair<const wchar_t*, const wchar_t*> names[] = {
      {L"Maple syrup", L"Maple \\nsyrup"},
      {L"Sweet maple syrup", L"Sweet \\nmaple syrup"},
      {L"Eggs", L"Eggs"},
      {L"", L""},
  };
  for (const auto& [name, broken] : names)
    EXPECT_EQ(CNewIngridientScreen::BreakName(name), broken) << name;
  EXPECT_EQ(CNewIngridientScreen::PictureScale(88), 0.5f);
  EXPECT_EQ(CNewIngridientScreen::PictureScale(44), 1.0f);
  EXPECT_EQ(CNewIngridientScreen::PictureScale(40), 1.0f);
}

// Keeps the elements it builds.
class CProbe : public CNewIngridientScreen {
 public:
  std::vector<GF::IAnimation::AnimationPtr> elements;

 protected:
  GF::IAnimation::AnimationPtr CreateElement(const std::string& ingredient) override {
    elements.push_back(CNewIngridientScreen::CreateElement(ingredient));
    return elements.back();
  }
};

GF::THolder<GF::IScreen> CreateProbe() {
  return GF::MakeHolder<CProbe>();
}

CProbe* Top() {
  return dynamic_cast<CProbe*>(GF::HGENS::GetGameManager()->TopScreen().Get());
}

class CNewIngridientScreenRunTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
    testScreens = {{kScreen, CreateProbe}};
  }
};

TEST_F(CNewIngridientScreenRunTest, ASecondVisitLeavesAtOnceWithPlay) {
  onCreated = [](GF::IScreen&) { CurrentProfile().LevelRecords["stage1_1"].Flag = true; };
  int closedAt = 0;
  Lines callsUntilClosed;  // the level that follows makes sounds of its own
  Run(kScreen, "", "frames 20\n", [&](int frame) {
    if (closedAt || closed.empty()) return;
    closedAt = frame;
    callsUntilClosed = PlayerCalls();
  });
  EXPECT_EQ(commands, Lines{"new_ingridient_screen:play"});
  EXPECT_EQ(closed, Lines{"new_ingridient_screen:play"});
  EXPECT_EQ(closedAt, 1);
  EXPECT_EQ(callsUntilClosed, Lines{});
}

TEST_F(CNewIngridientScreenRunTest, AnEarlyOkCompletesTheGridAndASecondOneLeaves) {
  bool flagged = false;
  std::vector<int> activeAfterFirst;
  bool stayed = false;
  std::wstring name;
  // "ok" at (400, 450): the first click comes at 640 ms, before any element has appeared. The
  // second leaves with "play", the curtain closing.
  Run(kScreen, "",
      "frames 140\n@30 move 400 450\n@31 buttondown 1\n@32 buttonup 1\n"
      "@45 buttondown 1\n@46 buttonup 1\n",
      [&](int frame) {
        CProbe* probe = Top();
        if (frame == 2 && probe) {
          flagged = CurrentProfile().LevelRecords["stage1_1"].Flag;
          if (probe->elements.size() == 3) name = *probe->elements[2]->GetText("_text");
        }
        if (frame == 34 && probe) {
          stayed = true;
          for (const auto& element : probe->elements)
            activeAfterFirst.push_back(element->IsActive());
        }
      });
  EXPECT_TRUE(flagged);
  EXPECT_EQ(name, L"Maple \\nsyrup");
  EXPECT_TRUE(stayed);
  EXPECT_EQ(activeAfterFirst, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(commands, Lines{"new_ingridient_screen:play"});
  EXPECT_EQ(closed, Lines{"new_ingridient_screen:play"});
  EXPECT_EQ(pm::test::CountPlayerCalls(kSound), 1);
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

}  // namespace
