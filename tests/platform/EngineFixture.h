#pragma once

// A fresh engine per test, on the headless SDL drivers, with helpers that push SDL events
// into the queue the engine's loop reads and run the loop frame by frame.

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/Engine.h"

namespace pm::test {

class EngineFixture : public testing::Test {
 protected:
  void SetUp() override {
    engine = hgeCreate(ENGINE_VERSION);
    ASSERT_NE(engine, nullptr);
    engine->SetStateString(EngineState::Title, "Engine Test");
    engine->SetLogHook([this](const char* line) { log.emplace_back(line); });
  }

  void TearDown() override {
    engine->SetLogHook({});
    engine->Shutdown();
    engine->Release();
    onFrame = nullptr;
  }

  void Initiate() { ASSERT_TRUE(engine->Initiate()) << engine->GetErrorMessage(); }

  // Runs the loop; onFrame gets the frame number from 1 and returns true to stop.
  void Run(std::function<bool(int frame)> frame) {
    onFrame = [frame = std::move(frame), n = 0]() mutable { return frame(++n); };
    engine->SetStateFunc(EngineState::Frame, [] { return onFrame(); });
    ASSERT_TRUE(engine->Start()) << engine->GetErrorMessage();
  }

  // Every input event of the next frame.
  std::vector<EngineInputEvent> NextFrameEvents() {
    std::vector<EngineInputEvent> events;
    Run([&](int) {
      EngineInputEvent event{};
      while (engine->GetEvent(&event)) events.push_back(event);
      return true;
    });
    return events;
  }

  SDL_Window* Window() {
    return reinterpret_cast<SDL_Window*>(engine->GetStateHwnd(EngineState::Hwnd));
  }

  static void PushKey(SDL_Keycode key, bool down, bool repeat = false) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
  }

  static void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    SDL_PushEvent(&event);
  }

  static void PushMotion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    SDL_PushEvent(&event);
  }

  static void PushButton(Uint8 button, bool down, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
  }

  static void PushWindowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = id;
    SDL_PushEvent(&event);
  }

  Engine* engine = nullptr;
  std::vector<std::string> log;
  static inline std::function<bool()> onFrame;
};

}  // namespace pm::test
