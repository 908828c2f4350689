#pragma once

// The menu screens' tests: the game's own screens on the real program, the title
// ("SplashScreen" on "main_menu.title") with a named player, so that its buttons are enabled.

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/PlayerProfiles.h"
#include "tests/game/screens/GameScreenTest.h"

namespace pm::test {

inline constexpr const char* kTitle = "SplashScreen";
inline constexpr const char* kTitleLayout = "main_menu.title";

class MenuScreensTest : public GameScreenTest {
 protected:
  // Makes the current player one with a name, as the title wants.
  static void NamePlayer() {
    GameProgress.CurrentPlayer = L"Abc";
    CurrentProfile();
  }

  static GF::THolder<GF::IScreen> Top() { return GF::HGENS::GetGameManager()->TopScreen(); }
  static std::string TopName() {
    const GF::THolder<GF::IScreen> top = Top();
    return top ? top->GetName() : std::string();
  }
  // The animation the top screen's layout hosts in the part; empty when there is none.
  static GF::IAnimation::AnimationPtr TopPart(const std::string& part) {
    const GF::THolder<GF::IScreen> top = Top();
    const GF::IAnimation::AnimationPtr layout = top ? top->GetLayout() : nullptr;
    return layout ? GF::HGENS::FindSubstitutedPart(*layout, part) : nullptr;
  }
  static std::string NameOf(const GF::IAnimation::AnimationPtr& animation) {
    const char* name = animation ? animation->GetName() : nullptr;
    return name ? name : "";
  }
};

}  // namespace pm::test
