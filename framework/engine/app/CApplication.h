#pragma once

#include "framework/core/THolder.h"

class Engine;

namespace GF::HGENS {

class CGameManager;

// The framework's application: the game derives its own from it. The program entry makes it
// through the application factory, calls Init, runs the engine loop when Init succeeded,
// and calls Shutdown in every case.
class CApplication {
 public:
  // The engine is the one the program entry made; the application takes no reference.
  explicit CApplication(Engine* engine);
  virtual ~CApplication();
  CApplication(const CApplication&) = delete;
  CApplication& operator=(const CApplication&) = delete;

  // Loads the resources, takes the game manager, registers the framework's screens and
  // installs the character and size-move hooks. True lets the engine loop run.
  virtual bool Init();
  // Shuts the game manager down (every screen destroyed), saves the settings and unloads
  // the resources.
  virtual void Shutdown();
  // One frame of dt milliseconds, at most 50; false ends the engine loop.
  virtual bool Frame(float dt);
  // The window's close button; true lets the engine close the window.
  virtual bool OnExit();
  // Called right after Alt+Enter flipped the windowed state.
  virtual void OnWindowModeChanged();

 protected:
  Engine* GetEngine() const { return m_engine; }

  THolder<CGameManager> m_gameManager;  // empty until Init

 private:
  Engine* m_engine;
};

}  // namespace GF::HGENS
