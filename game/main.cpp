// The program: the game's application runs on the framework's program entry.

#include <memory>

#include "framework/engine/app/CApplication.h"
#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/ScreenServices.h"

namespace {

// The game's own application object is not part of the program yet, so there is nothing
// to run: the program entry logs that and ends cleanly.
std::unique_ptr<GF::HGENS::CApplication> CreateApplication(Engine*) {
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  return GF::HGENS::RunProgram(argc, argv, CreateApplication);
}
