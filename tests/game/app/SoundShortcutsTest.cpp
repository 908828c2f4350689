#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/TStaticDelegate.h"
#include "framework/engine/screens/CBaseControl.h"
#include "game/app/SoundShortcuts.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::GameAppSession;
using pm::test::PlayerCalls;
using Calls = std::vector<std::string>;

TEST(SoundShortcuts, MusicStartsOnlyWhenItChanges) {
  GameAppSession session;
  PlayMusic("a");
  PlayMusic("a");
  EXPECT_EQ(PlayerCalls(), (Calls{"music:Play a fade"}));
  EXPECT_EQ(GetCurrentMusicName(), "a");

  PlayMusic("b");
  StopMusic();
  StopMusic();  // nothing left to stop
  PlayMusic("b");
  EXPECT_EQ(PlayerCalls(), (Calls{"music:Play a fade", "music:Stop a fade", "music:Play b fade",
                                  "music:Stop b fade", "music:Play b fade"}));
}

TEST(SoundShortcuts, SoundsPlayOnceByNameOrByTheSoundTable) {
  GameAppSession session;
  SoundNameTable[2] = NamedValue{"click", 2};
  PlaySoundById(2);
  PlaySoundByName("level_place");
  StopSoundByName("level_place");
  PlaySoundById(99);
  EXPECT_EQ(PlayerCalls(), (Calls{"sound:Play click 1 0.000000",
                                  "sound:Play level_place 1 0.000000", "sound:Stop level_place"}));
  EXPECT_TRUE(session.HasLogLine("[W] SOUND NUMBER 99 NOT FOUND"));
}

TEST(SoundShortcuts, ControlsClickAndHoverWithTheirSoundsOnlyWhileEnabled) {
  GameAppSession session;
  SoundNameTable[2] = NamedValue{"click", 2};
  SoundNameTable[3] = NamedValue{"hover", 3};
  using GF::HGENS::CBaseControl;
  const GF::THolder<CBaseControl> button = GF::MakeHolder<CBaseControl>();
  // A click handler that disables its button runs before the sound's.
  button->clickEvent.Subscribe(
      GF::MakeDelegate(+[](GF::THolder<CBaseControl> control, const GF::TPoint<int>&, int buttons) {
        if (buttons == CBaseControl::kRightButton) control->SetEnabled(false);
      }));
  AttachControlSounds(button);
  const GF::TPoint<int> at{4, 4};

  button->overEvent.Fire(button);
  button->clickEvent.Fire(button, at, CBaseControl::kLeftButton);
  EXPECT_EQ(PlayerCalls(), (Calls{"sound:Play hover 1 0.000000", "sound:Play click 1 0.000000"}));

  PlayerCalls().clear();
  button->clickEvent.Fire(button, at, CBaseControl::kRightButton);  // disabled on the way
  button->overEvent.Fire(button);
  EXPECT_TRUE(PlayerCalls().empty());

  button->SetEnabled(true);
  button->overEvent.Fire(button);
  EXPECT_EQ(PlayerCalls(), (Calls{"sound:Play hover 1 0.000000"}));
}

}  // namespace
