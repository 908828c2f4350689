// The high-score table on the real program: the rows it shows for the points in the current
// player's level records.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/menus/MenuScreensTest.h"
#include "tools/content/SampleMenusScreens.h"

namespace {

using Lines = std::vector<std::string>;
using Scores = std::map<std::int32_t, float>;

class CHighScoreScreenTest : public pm::test::MenuScreensTest {
 protected:
  // The rows shown ("name total portrait") for the level records' scores.
  Lines RowsFor(const std::vector<Scores>& levels) {
    onCreated = [&levels](GF::IScreen&) {
      int n = 0;
      for (const Scores& scores : levels)
        CurrentProfile().LevelRecords["stage1_" + std::to_string(++n)].Scores = scores;
    };
    Lines rows;
    Run("HighScoreScreen", kHighScoreLayout, "frames 20\n", [&rows](int frame) {
      if (frame != 18) return;
      const GF::IAnimation::AnimationPtr table = TopPart("_text");
      for (int r = 1; table && r <= 8; ++r) {
        const std::string n = std::to_string(r);
        const std::wstring name = *table->GetText("_text_" + n);
        const std::wstring total = *table->GetText("_num_" + n);
        rows.push_back(std::string(name.begin(), name.end()) + " " +
                       std::string(total.begin(), total.end()) + " " +
                       NameOf(GF::HGENS::FindSubstitutedPart(*table, "_icon_" + n)));
      }
    });
    return rows;
  }
};

TEST_F(CHighScoreScreenTest, TheTableRanksEveryCompetitorsTotal) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* what;
    std::vector<Scores> levels;
    Lines rows;
  };
  const Case cases[] = {
      {"a new player leads the rivals at 0",
       {},
       {"You 0 pers_6", "Rosa 0 pers_0", "Marcel 0 pers_1", "Hana 0 pers_2", "Olaf 0 pers_3",
        "Priya 0 pers_4", "Tomas 0 pers_5", "Greta 0 pers_7"}},
      {"the player before a rival of the same total, fractions cut",
       {{{2, 100.0f}, {6, 70.0f}, {3, 99.9f}}, {{2, 20.0f}, {6, 50.0f}}},
       {"You 120 pers_6", "Hana 120 pers_2", "Olaf 99 pers_3", "Rosa 0 pers_0", "Marcel 0 pers_1",
        "Priya 0 pers_4", "Tomas 0 pers_5", "Greta 0 pers_7"}},
      {"a ninth competitor takes its place, the last one drops out",
       {{{9, 500.0f}, {7, -5.0f}}},
       {" 500 ", "You 0 pers_6", "Rosa 0 pers_0", "Marcel 0 pers_1", "Hana 0 pers_2",
        "Olaf 0 pers_3", "Priya 0 pers_4", "Tomas 0 pers_5"}},
      {"a damaged total ranks last and shows 0",
       {{{1, nan}, {4, 10.0f}}},
       {"Priya 10 pers_4", "You 0 pers_6", "Rosa 0 pers_0", "Hana 0 pers_2", "Olaf 0 pers_3",
        "Tomas 0 pers_5", "Greta 0 pers_7", "Marcel 0 pers_1"}},
  };
  for (const Case& c : cases) EXPECT_EQ(RowsFor(c.levels), c.rows) << c.what;
}

}  // namespace
