#pragma once

// The framework's service accessors: each returns a holder of a process-wide object made on
// first use, or of a new object. Services built by the higher framework libraries (music,
// sound effects, custom cursor, resources, framework screens, the resource-script compiler)
// reach the application shell through ServiceProviders, which the program fills in before
// RunProgram; a service nobody provided is simply absent (an empty holder, nothing done).

#include "framework/core/CGameProperties.h"
#include "framework/core/CKeyset.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/IDataOutputStream.h"
#include "framework/core/THolder.h"
#include "framework/engine/app/CMouse.h"
#include "framework/engine/app/ICustomCursor.h"
#include "framework/engine/app/IGameSound.h"
#include "framework/engine/app/IMusic.h"

namespace GF::HGENS {

class CGameManager;

struct ServiceProviders {
  // Makers of the one music player, sound-effects player and custom cursor; the shell keeps
  // what they make and drops it before the engine shuts down.
  THolder<IMusic> (*createMusic)() = nullptr;
  THolder<IGameSound> (*createGameSound)() = nullptr;
  THolder<ICustomCursor> (*createCustomCursor)() = nullptr;
  // The resource registry: load the resource script and the text table; unload everything.
  void (*loadResources)() = nullptr;
  void (*unloadResources)() = nullptr;
  // Registers the framework's own screens ("confirm_screen", "new_player_screen",
  // "PublisherScreen") with the game manager.
  void (*registerFrameworkScreens)(CGameManager& manager) = nullptr;
  // The "/cr" command line: compiles a resource script into bytecode.
  void (*compileResourceScript)(const char* source, const char* destination) = nullptr;
};

// The providers in force; fill them in before RunProgram.
ServiceProviders& GetServiceProviders();

THolder<CKeyset> GetKeyset();
THolder<CMouse> GetMouse();
THolder<CGameProperties> GetGameProperties();
THolder<CGameManager> GetGameManager();
// True while the game manager exists (without making one).
bool HasGameManager();
THolder<IMusic> GetMusic();
THolder<IGameSound> GetGameSound();
THolder<ICustomCursor> GetCustomCursor();
// New file streams, closed.
THolder<IDataInputStream> CreateDataInputStream();
THolder<IDataOutputStream> CreateDataOutputStream();

// Tears down the services that call the engine (game manager, music, sound effects, custom
// cursor), so that none of them outlives Engine::Shutdown. A later accessor call makes a new
// one.
void ReleaseEngineServices();

}  // namespace GF::HGENS
