#include "platform/EngineImpl.h"
#include "platform/OsServices.h"

namespace Os {

namespace {

EngineImpl* EngineOf(std::uintptr_t window) {
  EngineImpl* engine = EngineImpl::Current();
  return engine && window != 0 && engine->IsWindow(window) ? engine : nullptr;
}

}  // namespace

bool GetCursorClientPos(std::uintptr_t window, int* x, int* y) {
  EngineImpl* engine = EngineOf(window);
  if (!engine) return false;
  engine->GetCursorClientPos(x, y);
  return true;
}

bool SetCursorClientPos(std::uintptr_t window, int x, int y) {
  EngineImpl* engine = EngineOf(window);
  if (!engine) return false;
  engine->SetCursorClientPos(x, y);
  return true;
}

bool GetClientSize(std::uintptr_t window, int* width, int* height) {
  EngineImpl* engine = EngineOf(window);
  if (!engine) return false;
  engine->GetClientSize(width, height);
  return true;
}

bool SetClientSize(std::uintptr_t window, int width, int height) {
  EngineImpl* engine = EngineOf(window);
  return engine && engine->SetClientSize(width, height);
}

}  // namespace Os
