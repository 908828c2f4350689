// The trophy room on the real program, headless, in frames of 20 ms, on prepared profiles of
// the first stage: the cups and souvenirs it builds, the hangers of locked and earned outfits,
// the swap behind the curtain, the wardrobe's hover, the trophies' highlight and balloon, the
// new award's celebration, and a room without its curtain or its cook's floor.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/ISprite.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/trophy/CJingerRoom.h"
#include "platform/OsServices.h"
#include "tests/game/screens/GameScreenTest.h"
#include "tests/game/screens/results/StageEndProfile.h"

namespace {

constexpr const char* kScreen = "GingerRoomScreen";
constexpr const char* kLayout = "Ginger_room.room";

// The second hanger (the first two overlap at x 127 and 128) and the souvenirs.
constexpr int kSecondHangerX = 177, kHangerY = 150;
constexpr int kWhiskX = 600, kPlateX = 700, kSouvenirY = 364;

using Lines = std::vector<std::string>;
using Profile = std::function<void(PlayerProfile&)>;
using Look = std::function<void(CJingerRoom&, int frame)>;

// The sprite colour the highlight left on a trophy.
std::uint32_t Tint(const GF::THolder<CCookObject>& trophy) {
  const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{trophy->HolderGetCast()->GetDrawable(0)};
  return sprite->GetColor();
}

// The outfit a slot's hanger shows: its picture's name and the part it plays; "" while the
// button of an outfit taken to the cook has faded away.
std::string Hanger(const DressSlot& slot) {
  const GF::IAnimation::AnimationPtr picture =
      GF::HGENS::FindSubstitutedPart(*slot.button, "-place");
  if (!picture) return "";
  return std::string(picture->GetName()) +
         (picture->GetStartTime() >= 100.0f ? "_part_2" : "_part_1");
}

class CJingerRoomTest : public pm::test::GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pm::test::RecordGameSounds();
  }

  // Opens the room for a player in the first stage, wearing the default outfit, whom
  // `profile` prepares; `look` sees the room after each frame.
  void Open(Profile profile, const std::string& script, Look look = {},
            const std::string& layout = kLayout) {
    onCreated = [profile](GF::IScreen& screen) {
      if (screen.GetName() != kScreen) return;
      PlayerProfile& p = CurrentProfile();
      p.StageKey = "stage1";
      p.Floats[ProfileFloat::StageNumber] = 1.0f;
      if (profile) profile(p);
    };
    Run(kScreen, layout, script, [&](int frame) {
      auto* room = dynamic_cast<CJingerRoom*>(GF::HGENS::GetGameManager()->TopScreen().Get());
      if (room && look) look(*room, frame);
    });
  }

  // The names of the trophies' animations, in list order.
  static std::vector<std::string> Trophies(const CJingerRoom& room) {
    std::vector<std::string> names;
    for (const auto& trophy : room.GetTrophies()) names.push_back(trophy->GetSlot().Name);
    return names;
  }

  // The first frame on which a sound was played, or 0.
  int SoundFrame(const std::string& name) const {
    const auto found = std::find(soundFrames.begin(), soundFrames.end(), name);
    return found == soundFrames.end() ? 0 : frames[found - soundFrames.begin()];
  }
  // Notes the sounds played up to this frame.
  void NoteSounds(int frame) {
    for (; noted < pm::test::PlayerCalls().size(); ++noted) {
      soundFrames.push_back(pm::test::PlayerCalls()[noted]);
      frames.push_back(frame);
    }
  }
  std::size_t noted = 0;
  std::vector<std::string> soundFrames;
  std::vector<int> frames;
};

TEST_F(CJingerRoomTest, CupsOfFinishedStagesAndSouvenirsOfStagesReached) {
  const struct {
    float stage, withCup;
    bool scores;
    std::vector<std::string> trophies;
  } cases[] = {
      {1.0f, 0.0f, true, {"Ginger_room.golden_whisk"}},
      {1.0f, 1.0f, true, {"Ginger_room.golden_whisk", "main_menu.cup_1_1"}},
      // Without points in the stage the place is 0, which has no cup.
      {1.0f, 1.0f, false, {"Ginger_room.golden_whisk"}},
      {2.0f,
       0.0f,
       true,
       {"Ginger_room.golden_whisk", "Ginger_room.star_plate", "main_menu.cup_1_1"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> seen;
    std::size_t hints = 0;
    log.clear();
    Open(
        [&c](PlayerProfile& p) {
          if (c.scores) pm::test::SetCompletedStage(pm::test::kPlayerFirst, c.stage, "stage1");
          p.Floats[ProfileFloat::StageNumber] = c.stage;
          p.Floats[ProfileFloat::Value34] = c.withCup;
        },
        "frames 2\n",
        [&](CJingerRoom& room, int) {
          seen = Trophies(room);
          hints = room.GetTrophyHints().size();
        });
    EXPECT_EQ(seen, c.trophies) << c.stage << " " << c.withCup;
    EXPECT_EQ(hints, c.trophies.size());
    const bool leftOut = std::count(log.begin(), log.end(),
                                    "[W] TROPHY main_menu.cup_0_1 LEFT OUT: IT HAS NO ANIMATION");
    EXPECT_EQ(leftOut, !c.scores) << c.stage << " " << c.withCup;
  }
}

TEST_F(CJingerRoomTest, TheHintsNameWonTrophiesAndWhereTheOthersAreWon) {
  std::vector<std::wstring> hints;
  Open(
      [](PlayerProfile& p) {
        pm::test::SetCompletedStage(pm::test::kPlayerFirst, 2.0f, "stage1");
        p.UpgradeNames = {"star_plate"};
      },
      "frames 2\n", [&](CJingerRoom& room, int) { hints = room.GetTrophyHints(); });
  EXPECT_EQ(hints, (std::vector<std::wstring>{L"Won in Sunny Breakfast, level 2", L"The star plate",
                                              L"Sunny Breakfast - first place!"}));
}

TEST_F(CJingerRoomTest, LockedOutfitsHangGreyAndAClickOnThemChangesNothing) {
  std::vector<std::string> hangers;
  bool curtainMoved = false;
  Open({}, "frames 60\n@30 move 177 150\n@35 buttondown 1\n@36 buttonup 1\n",
       [&](CJingerRoom& room, int) {
         hangers.clear();
         for (const DressSlot& slot : room.GetDressSlots()) hangers.push_back(Hanger(slot));
         curtainMoved = curtainMoved || room.GetCurtainProgress() < 1.0f;
       });
  EXPECT_EQ(hangers, (std::vector<std::string>{"dres_1_part_2", "dres_2_part_2", "dres_3_part_2"}));
  EXPECT_FALSE(curtainMoved);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::StageUpgrade], 0.0f);
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play room_change 1 0.000000"), 0);
}

TEST_F(CJingerRoomTest, AClickedOutfitIsPutOnBehindTheShutCurtainAndTheWornOneHangsInItsPlace) {
  std::filesystem::path setting;
  std::vector<std::string> hangers;
  std::vector<float> progress(101, 1.0f);
  int swap = 0;
  bool saved = false;
  Open(
      [](PlayerProfile& p) {
        p.StageRecords["stage1"].UpgradeIds = {1, 2};
        p.Floats[ProfileFloat::StageUpgrade] = 1.0f;
      },
      "frames 100\n@30 move 177 150\n@35 buttondown 1\n@36 buttonup 1\n",
      [&](CJingerRoom& room, int frame) {
        if (frame == 34) {
          setting = Os::Utf16ToUtf8(GF::HGENS::GetGameManager()->GetSavePath(L"Setting"));
          std::filesystem::remove(setting);
        }
        progress[static_cast<std::size_t>(frame)] = room.GetCurtainProgress();
        if (!swap && CurrentProfile().Floats[ProfileFloat::StageUpgrade] == 2.0f) {
          swap = frame;
          saved = std::filesystem::exists(setting);
        }
        hangers.clear();
        for (const DressSlot& slot : room.GetDressSlots()) hangers.push_back(Hanger(slot));
      });
  // Worn: the first place shows the default outfit; after the swap the second shows it.
  EXPECT_EQ(hangers, (std::vector<std::string>{"dres_0_part_1", "dres_1_part_1", "dres_3_part_2"}));
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::StageUpgrade], 2.0f);
  EXPECT_EQ(CurrentProfile().StageRecords["stage1"].Upgrade, 2);
  // The frame swaps on the progress the frame before left: just past half-way.
  ASSERT_GT(swap, 2);
  EXPECT_LE(progress[static_cast<std::size_t>(swap - 2)], 0.5f);
  EXPECT_GT(progress[static_cast<std::size_t>(swap - 1)], 0.5f);
  EXPECT_TRUE(saved);
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play room_change 1 0.000000"), 1);
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play curtain 1 0.000000"), 1);
}

TEST_F(CJingerRoomTest, TheLastMadeOfOverlappingHangersHoversAndEdgesCount) {
  // The places' rectangles: (28, 77) to (128, 203), (127, 77) to (227, 203), (226, 77) to
  // (326, 203). One point a frame from frame 30 on.
  const struct {
    int x, y, hovered;
  } cases[] = {{127, 150, 1}, {128, 150, 1}, {28, 150, 0},  {27, 150, -1},
               {226, 77, 2},  {226, 76, -1}, {326, 203, 2}, {327, 203, -1}};
  std::string script = "frames 40\n";
  for (std::size_t i = 0; i < std::size(cases); ++i)
    script += "@" + std::to_string(30 + i) + " move " + std::to_string(cases[i].x) + " " +
              std::to_string(cases[i].y) + "\n";
  std::vector<int> hovered(41, -2);
  Open({}, script, [&](CJingerRoom& room, int frame) {
    hovered[static_cast<std::size_t>(frame)] = room.GetHoveredSlot();
  });
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(hovered[30 + i], cases[i].hovered) << cases[i].x << ", " << cases[i].y;
  // Each new outfit under the mouse ticks.
  EXPECT_EQ(pm::test::CountPlayerCalls("sound:Play room_hover 1 0.000000"), 4);
}

TEST_F(CJingerRoomTest, TheBalloonShowsAfterAThirdOfTheHoverDelayAndFollowsTheTrophy) {
  std::vector<std::wstring> texts(80);
  std::vector<const void*> balloons(80);
  Open([](PlayerProfile& p) { p.UpgradeNames = {"golden_whisk"}; },
       "frames 75\n@30 move 600 364\n@45 move 603 366\n@50 move 700 364\n",
       [&](CJingerRoom& room, int frame) {
         texts[static_cast<std::size_t>(frame)] = room.GetBalloonText();
         balloons[static_cast<std::size_t>(frame)] = room.GetBalloon().Get();
       });
  // HoverDelay 500: the balloon waits past 166 ms of rest, 9 frames.
  EXPECT_EQ(texts[38], L"");
  EXPECT_EQ(texts[39], L"The golden whisk");
  // Moved within the whisk: the same balloon stays.
  EXPECT_EQ(texts[46], L"The golden whisk");
  EXPECT_EQ(balloons[46], balloons[39]);
  // Onto the plate, not won and of the second stage: it is no trophy yet, so no balloon.
  EXPECT_EQ(texts[50], L"");
  EXPECT_EQ(texts[70], L"");
}

TEST_F(CJingerRoomTest, ABalloonOnAnotherTrophyWaitsForItsOwnRest) {
  std::vector<std::wstring> texts(80);
  Open([](PlayerProfile& p) { p.Floats[ProfileFloat::StageNumber] = 2.0f; },
       "frames 75\n@30 move 600 364\n@50 move 700 364\n",
       [&](CJingerRoom& room, int frame) {
         texts[static_cast<std::size_t>(frame)] = room.GetBalloonText();
       });
  EXPECT_EQ(texts[49], L"Won in Sunny Breakfast, level 2");
  EXPECT_EQ(texts[50], L"");
  EXPECT_EQ(texts[58], L"");
  EXPECT_EQ(texts[59], L"Won in Pancake Alley, level 1");
}

TEST_F(CJingerRoomTest, TheHighlightBrightensOverItsDurationAndFadesFromTheTintReached) {
  std::vector<std::uint32_t> whisk(60), plate(60);
  Open([](PlayerProfile& p) { p.Floats[ProfileFloat::StageNumber] = 2.0f; },
       "frames 55\n@30 move 600 364\n@35 move 700 364\n",
       [&](CJingerRoom& room, int frame) {
         whisk[static_cast<std::size_t>(frame)] = Tint(room.GetTrophies()[0]);
         plate[static_cast<std::size_t>(frame)] = Tint(room.GetTrophies()[1]);
       });
  // 20 ms a frame: 0.015 after the first, 0.075 (19 of 255) after 100 ms.
  EXPECT_EQ(whisk[30], 0xFF030303u);
  EXPECT_EQ(whisk[34], 0xFF131313u);
  // Left: from 0.075 down by 0.015 a frame, to none; the plate brightens meanwhile.
  EXPECT_EQ(whisk[35], 0xFF0F0F0Fu);
  EXPECT_EQ(whisk[38], 0xFF030303u);
  EXPECT_EQ(whisk[39], 0xFF000000u);
  EXPECT_EQ(plate[35], 0xFF030303u);
  EXPECT_EQ(plate[54], 0xFF262626u);  // 0.15 at most
}

TEST_F(CJingerRoomTest, ASouvenirStandingOverACupWinsTheHighlightAndTheBalloon) {
  std::wstring text;
  GF::IAnimation::AnimationPtr lit, whisk;
  Open(
      [](PlayerProfile& p) {
        pm::test::SetCompletedStage(pm::test::kPlayerFirst, 1.0f, "stage1");
        p.Floats[ProfileFloat::Value34] = 1.0f;
      },
      "frames 50\n@30 move 600 364\n",
      [&](CJingerRoom& room, int frame) {
        whisk = room.GetTrophies()[0]->HolderGetCast();
        // The cup brought onto the whisk.
        if (frame == 2) room.GetTrophies()[1]->HolderGetCast()->SetPosition(600.0f, 364.0f);
        lit = room.GetHighlight().current;
        text = room.GetBalloonText();
      });
  EXPECT_EQ(lit, whisk);
  EXPECT_EQ(text, L"Won in Sunny Breakfast, level 2");
}

TEST_F(CJingerRoomTest, ANewOutfitSparklesOnItsPlaceAndTheAwardSoundFollowsASecondLater) {
  GF::TPoint<float> at;
  bool effect = false;
  Open(
      [](PlayerProfile& p) {
        p.StageRecords["stage1"].UpgradeIds = {1, 2};
        p.Strings[ProfileString::CurrentLevelKey] = "stage1_2";  // index 2, an outfit
        p.Floats[ProfileFloat::Value17] = 1.0f;
      },
      "frames 90\n",
      [&](CJingerRoom& room, int frame) {
        NoteSounds(frame);
        if (room.GetAwardEffect()) {
          effect = true;
          at = room.GetAwardEffect()->GetPosition();
        }
      });
  ASSERT_TRUE(effect);
  // The second place's middle: its rectangle runs from (127, 77) to (227, 203).
  EXPECT_EQ(at.x, 177.0f);
  EXPECT_EQ(at.y, 140.0f);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::Value17], 0.0f);
  // A second after the room opens (its layout shows for 400 ms first).
  const int chirp = SoundFrame("sound:Play bright_chirp 1 0.000000");
  EXPECT_GE(chirp, 70);
  EXPECT_LE(chirp, 74);

  // The next visit has nothing to celebrate.
  soundFrames.clear();
  frames.clear();
  noted = pm::test::PlayerCalls().size();
  effect = false;
  Open(
      [](PlayerProfile& p) {
        p.StageRecords["stage1"].UpgradeIds = {1, 2};
      },
      "frames 90\n",
      [&](CJingerRoom& room, int frame) {
        NoteSounds(frame);
        effect = effect || room.GetAwardEffect();
      });
  EXPECT_FALSE(effect);
  EXPECT_EQ(SoundFrame("sound:Play bright_chirp 1 0.000000"), 0);
}

TEST_F(CJingerRoomTest, ANewSouvenirSparklesWhereItStands) {
  GF::TPoint<float> at;
  Open(
      [](PlayerProfile& p) {
        p.UpgradeNames = {"golden_whisk"};
        p.Floats[ProfileFloat::Value17] = 1.0f;
      },
      "frames 5\n",
      [&](CJingerRoom& room, int) {
        if (room.GetAwardEffect()) at = room.GetAwardEffect()->GetPosition();
      });
  EXPECT_EQ(at.x, 600.0f);
  EXPECT_EQ(at.y, 364.0f);
}

TEST_F(CJingerRoomTest, ALayoutWithoutTheRoomsPartsStillOpensAtRest) {
  // The map's layout: no places, so the hangers and trophies leave the scene, and no curtain,
  // which counts as open and at rest.
  bool curtain = true;
  float progress = 0.0f;
  Open(
      [](PlayerProfile& p) {
        p.StageRecords["stage1"].UpgradeIds = {1, 2, 3};
      },
      "frames 50\n@30 move 10 10\n@35 buttondown 1\n@36 buttonup 1\n",
      [&](CJingerRoom& room, int) {
        curtain = static_cast<bool>(room.GetCurtain());
        progress = room.GetCurtainProgress();
      },
      "ProgressMap.layout");
  EXPECT_FALSE(curtain);
  EXPECT_EQ(progress, 1.0f);
  EXPECT_EQ(std::count(log.begin(), log.end(), "[W] PART layout/_shtora NOT FOUND"), 1);
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::StageUpgrade], 0.0f);
}

TEST_F(CJingerRoomTest, WithoutTheFloorLevelTheRoomStandsWithoutTheCook) {
  bool cook = true;
  Open([](PlayerProfile&) { LevelTable.erase("other_1"); }, "frames 5\n",
       [&](CJingerRoom& room, int) { cook = static_cast<bool>(room.GetCook()); });
  EXPECT_FALSE(cook);
  EXPECT_EQ(std::count(log.begin(), log.end(),
                       "[W] LEVEL other_1 HAS NO FLOOR: THE ROOM STANDS WITHOUT THE COOK"),
            1);
}

}  // namespace

namespace {

// A click on a button at (x, y) from frame `at` on: over it, pressed, released.
std::string Click(int at, int x, int y) {
  const std::string point = std::to_string(x) + " " + std::to_string(y) + "\n";
  return "@" + std::to_string(at) + " move " + point + "@" + std::to_string(at + 5) +
         " buttondown 1\n@" + std::to_string(at + 6) + " buttonup 1\n";
}

TEST_F(CJingerRoomTest, TheMapsTrophiesOpenTheRoomWhoseButtonsLeadToTheBookAndBackAndToTheMap) {
  std::vector<std::string> made;
  onCreated = [&made](GF::IScreen& screen) { made.push_back(screen.GetName()); };
  // The map's "Trophies", the room's "Cook book", the book's close button, the room's "Back".
  Run("ProgressMapScreen", "ProgressMap.layout",
      "frames 560\n" + Click(30, 170, 542) + Click(230, 280, 562) + Click(330, 44, 562) +
          Click(460, 100, 562));
  EXPECT_EQ(made,
            (std::vector<std::string>{"ProgressMapScreen", "GingerRoomScreen", "CookingBookScreen",
                                      "GingerRoomScreen", "ProgressMapScreen"}));
  EXPECT_EQ(closed, (Lines{"ProgressMapScreen:gingerroom", "GingerRoomScreen:cookbook",
                           "CookingBookScreen:exit", "GingerRoomScreen:exit"}));
}

}  // namespace
