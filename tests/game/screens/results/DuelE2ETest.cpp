// The duel screens end to end: the program on the sample content opens the duel-lost
// screen as its first screen after the sample duel (stage1_duel, lost in 1:35), headless, in
// frames of 20 ms, with shots. The card shows the duel's batter in its plate with the dish's
// name under it, the rival's postcard and the time; a duel never won offers replay and the
// map. The won duel's card shows the stage's postcard and the points.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/ResultProfile.h"
#include "tests/support/RenderSession.h"
#include "tests/support/ReplayShot.h"

namespace {

using pm::test::Shot;

// Where the duel layouts put things on the 800 x 600 screen.
constexpr int kPlateX = 280, kPlateY = 230;      // the plate's middle
constexpr int kCountryX = 520, kCountryY = 220;  // the postcard's middle
constexpr int kButtonY = 520;

// Pixels of the rectangle in the batter's yellow: light, warm, clearly off the cream card.
int CountBatter(const Shot& shot, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const std::uint32_t p = shot.At(x, y);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      count += r > 220 && g > 200 && b < 190 && r - b > 60;
    }
  return count;
}

class DuelE2ETest : public pm::test::GameScreenTest {
 protected:
  // Runs the screen after stage1_duel; the shot taken at frame 40.
  std::filesystem::path ShotOf(const std::string& screen, const std::string& layout, float place,
                               const char* tag) {
    onCreated = [place](GF::IScreen&) {
      pm::test::SetLevelResult({250.0f, place, 0.0f, 0.0f, "stage1_duel", 0});
      CurrentProfile().LevelRecords["stage1_duel"].Number2 = 95400.0f;
    };
    const std::filesystem::path file = ShotFolder(tag) / "idle.png";
    Run(screen, layout, "frames 40\n@40 shot " + file.string() + "\n");
    for (const std::string& line : log)
      EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;
    log.clear();
    return file;
  }
};

TEST_F(DuelE2ETest, ALostDuelShowsTheDishTheRivalsCountryAndTheTime) {
  const std::filesystem::path lostFile =
      ShotOf("DuelLoseScreen", "main_menu.duel_lose", 202.0f, "duel_lost");
  const std::filesystem::path wonFile =
      ShotOf("DuelStatisticsScreen", "main_menu.duel_statistics", 201.0f, "duel_won");
  // After the runs: the session takes the engine they have let go.
  pm::test::RenderSession session;
  ASSERT_TRUE(session.IsInitiated());
  const auto lost = std::make_unique<Shot>(session.engine(), lostFile);
  const auto won = std::make_unique<Shot>(session.engine(), wonFile);
  ASSERT_TRUE(lost->IsLoaded() && won->IsLoaded());
  // The batter's bowl in the plate, and its name in dark ink under it.
  EXPECT_GT(CountBatter(*lost, kPlateX - 40, kPlateY - 40, kPlateX + 40, kPlateY), 300);
  EXPECT_GT(lost->Count(kPlateX - 45, kPlateY + 42, kPlateX + 45, kPlateY + 66, 110, true), 40);
  // "1:35" at the right end of the time's line.
  EXPECT_GT(lost->Count(540, 364, 595, 386, 110, true), 20);
  // Two postcards: the rival's (third) and the stage's (first) differ.
  EXPECT_GT(
      lost->CountDifferences(*won, kCountryX - 60, kCountryY - 40, kCountryX + 60, kCountryY + 40),
      2000);
  // Replay and the map up, the other pair disabled.
  EXPECT_EQ(lost->At(145 - 62, kButtonY), lost->At(315 - 62, kButtonY));
  EXPECT_EQ(lost->At(485 - 62, kButtonY), lost->At(655 - 62, kButtonY));
  EXPECT_NE(lost->At(145 - 62, kButtonY), lost->At(485 - 62, kButtonY));
}

}  // namespace
