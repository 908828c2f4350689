// The recipe screen on the real program: the heading by the number of new recipes, the plate
// for the list with each recipe's picture place and name, and the consumed count and list.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/ITextSprite.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/unlock/CNewReceptScreen.h"
#include "tests/game/screens/GameScreenTest.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kScreen = "new_recept_screen";
constexpr const char* kLayout = "main_menu.new_recept";

// Keeps the plate it shows.
class CProbe : public CNewReceptScreen {
 public:
  GF::IAnimation::AnimationPtr plate;

 protected:
  GF::IAnimation::AnimationPtr ShowRecipes() override {
    plate = CNewReceptScreen::ShowRecipes();
    return plate;
  }
};

GF::THolder<GF::IScreen> CreateProbe() {
  return GF::MakeHolder<CProbe>();
}

struct Seen {
  std::wstring heading;
  std::string plate;
  Lines places;  // "picture" or "text" per drawable, in order
  std::vector<std::wstring> names;
  float count = -1.0f;
  std::size_t left = 99;
};

class CNewReceptScreenTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
    testScreens = {{kScreen, CreateProbe}};
  }

  // Opens the screen with the count and the list of new recipes; what it showed.
  Seen Open(float count, const Lines& recipes) {
    onCreated = [&](GF::IScreen&) {
      CurrentProfile().Floats[ProfileFloat::NewRecipeCount] = count;
      CurrentProfile().NewRecipes() = recipes;
    };
    Seen seen;
    Run(kScreen, kLayout, "frames 3\n", [&](int frame) {
      auto* probe = dynamic_cast<CProbe*>(GF::HGENS::GetGameManager()->TopScreen().Get());
      if (frame != 2 || !probe || !probe->plate) return;
      seen.heading = *probe->GetLayout()->GetText("_text");
      seen.plate = probe->plate->GetName();
      for (int i = 0; i < probe->plate->GetObjectCount(); ++i) {
        const auto drawable = probe->plate->GetDrawable(i);
        if (GF::TSmartIPtr<GF::ITextSprite, GF::kIdTextSprite> text{drawable}) {
          seen.places.push_back("text");
          seen.names.push_back(text->GetText());
        } else if (GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>{
                       drawable}) {
          seen.places.push_back("place");
        }
      }
      seen.count = CurrentProfile().Floats[ProfileFloat::NewRecipeCount];
      seen.left = CurrentProfile().NewRecipes().size();
    });
    return seen;
  }
};

TEST_F(CNewReceptScreenTest, ThreeRecipesFillTheirPlateAndAreConsumed) {
  const Seen seen = Open(3.0f, {"Dishes.batter", "Dishes.pancakes", "Dishes.omelette"});
  EXPECT_EQ(seen.heading, L"3 new recipes!");
  EXPECT_EQ(seen.plate, "recept_place_3");
  // A place and a name per recipe in turn, then the plate's own pieces (the shelves).
  ASSERT_GE(seen.places.size(), 6u);
  EXPECT_EQ(Lines(seen.places.begin(), seen.places.begin() + 6),
            (Lines{"place", "text", "place", "text", "place", "text"}));
  EXPECT_EQ(std::vector<std::wstring>(seen.names.begin(), seen.names.begin() + 3),
            (std::vector<std::wstring>{L"Batter", L"Pancakes", L"Omelette"}));
  EXPECT_EQ(seen.count, 0.0f);
  EXPECT_EQ(seen.left, 0u);
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play unlock_recipe 1 0.000000"), 1);
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
}

TEST_F(CNewReceptScreenTest, OneOrNoRecipeHasTheSingleHeading) {
  const Seen one = Open(1.0f, {"Dishes.pancakes"});
  EXPECT_EQ(one.heading, L"A new recipe!");
  EXPECT_EQ(one.plate, "recept_place_1");
  EXPECT_EQ(one.names.front(), L"Pancakes");

  const Seen none = Open(0.0f, {});
  EXPECT_EQ(none.heading, L"A new recipe!");
  EXPECT_EQ(none.plate, "recept_place_0");
  EXPECT_TRUE(none.names.empty());
}

}  // namespace
