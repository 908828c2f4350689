// The program: the game's application runs on the framework's program entry.

#include <memory>

#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/CConfirmMenuScreen.h"
#include "framework/engine/screens/CNewPlayerMenuScreen.h"
#include "framework/engine/screens/CPublisherScreen.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/CApplication.h"

namespace {

// The game's screens: until the game's own classes exist, the framework's classes serve
// their three names.
constexpr ScreenTableRow FrameworkScreens[] = {
    {"confirm_screen", GF::HGENS::CreateConfirmMenuScreen},
    {"new_player_screen", GF::HGENS::CreateNewPlayerMenuScreen},
    {"PublisherScreen", GF::HGENS::CreatePublisherScreen},
};

std::unique_ptr<GF::HGENS::CApplication> CreateApplication(Engine* engine) {
  return std::make_unique<CApplication>(engine, ScreenTable{FrameworkScreens});
}

}  // namespace

int main(int argc, char** argv) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  return GF::HGENS::RunProgram(argc, argv, CreateApplication);
}
