#pragma once

namespace GF::HGENS {

class CGameManager;

// Registers the framework's own screens: "confirm_screen", "new_player_screen" and
// "PublisherScreen".
void RegisterFrameworkScreens(CGameManager& manager);

// Hands RegisterFrameworkScreens and the custom cursor's maker to the application shell's
// service providers, so that CApplication::Init registers the screens and the screen host
// takes the cursor.
void InstallScreenServices();

}  // namespace GF::HGENS
