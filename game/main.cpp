// The program: the game's application runs on the framework's program entry.

#include <memory>

#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/app/CApplication.h"
#include "game/screens/GameScreens.h"

namespace {

std::unique_ptr<GF::HGENS::CApplication> CreateApplication(Engine* engine) {
  return std::make_unique<CApplication>(engine, GetGameScreens());
}

}  // namespace

int main(int argc, char** argv) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  return GF::HGENS::RunProgram(argc, argv, CreateApplication);
}
