#include <SDL2/SDL.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstdio>

#include "platform/OsServices.h"

namespace Os {

namespace {

int colourDepthOverride = 0;
int osMajorOverride = 0;
int desktopHeightOverride = 0;

// The desktop mode of the first display; false when there is no display to ask.
bool DesktopMode(SDL_DisplayMode* mode) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  const bool ok = SDL_GetDesktopDisplayMode(0, mode) == 0;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return ok;
}

}  // namespace

int GetDesktopColourDepth() {
  if (colourDepthOverride > 0) return colourDepthOverride;
  SDL_DisplayMode mode;
  // Storage bits: SDL counts an 8-8-8 desktop in 32-bit pixels as 24 bits per pixel.
  return DesktopMode(&mode) ? static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8 : 32;
}

int GetDesktopHeight() {
  if (desktopHeightOverride > 0) return desktopHeightOverride;
  SDL_DisplayMode mode;
  return DesktopMode(&mode) ? mode.h : 0;
}

int GetOsMajorVersion() {
  return osMajorOverride > 0 ? osMajorOverride : 6;
}

void SetDesktopColourDepthOverride(int bitsPerPixel) {
  colourDepthOverride = bitsPerPixel;
}

void SetDesktopHeightOverride(int height) {
  desktopHeightOverride = height;
}

void SetOsMajorVersionOverride(int major) {
  osMajorOverride = major;
}

bool RaiseProcessPriority() {
  errno = 0;
  const int nice = getpriority(PRIO_PROCESS, 0);
  if (errno != 0) return false;
  // Lowering the nice value needs a privilege most users lack; then the game runs as it is.
  return setpriority(PRIO_PROCESS, 0, nice - 1) == 0;
}

void DebugOutput(const char* text) {
#ifndef NDEBUG
  if (text) std::fputs(text, stderr);
#else
  (void)text;
#endif
}

}  // namespace Os
