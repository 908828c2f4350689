#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/EngineImpl.h"
#include "platform/OsServices.h"

namespace Os {

namespace {

MessageBoxResponder& Responder() {
  static MessageBoxResponder responder;
  return responder;
}

// The headless drivers have no screen to show a box on; asking SDL anyway could open one
// on a display the run was told not to use.
bool HeadlessVideo() {
  const char* driver =
      SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : std::getenv("SDL_VIDEODRIVER");
  return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

Uint32 IconFlag(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::Error:
      return SDL_MESSAGEBOX_ERROR;
    case MessageBoxIcon::Warning:
      return SDL_MESSAGEBOX_WARNING;
    case MessageBoxIcon::Question:
    case MessageBoxIcon::Information:
      break;
  }
  return SDL_MESSAGEBOX_INFORMATION;
}

}  // namespace

void SetMessageBoxResponder(MessageBoxResponder responder) {
  Responder() = std::move(responder);
}

bool ShowMessageBox(const char* text, const char* caption, MessageBoxButtons buttons,
                    MessageBoxIcon icon) {
  text = text ? text : "";
  caption = caption ? caption : "";
  if (Responder()) return Responder()(text, caption, buttons);
  if (!HeadlessVideo()) {
    const SDL_MessageBoxButtonData kButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
    };
    EngineImpl* engine = EngineImpl::Current();
    SDL_MessageBoxData data{};
    data.flags = IconFlag(icon);
    data.window = engine ? engine->Window() : nullptr;
    data.title = caption;
    data.message = text;
    data.numbuttons = buttons == MessageBoxButtons::OkCancel ? 2 : 1;
    data.buttons = kButtons;
    int answer = 0;
    if (SDL_ShowMessageBox(&data, &answer) == 0) return answer == 1;
  }
  std::fprintf(stderr, "%s: %s\n", caption, text);
  return true;
}

}  // namespace Os
