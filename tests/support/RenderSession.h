#pragma once

// The real engine, initiated headless, for tests that draw or make textures: log lines are
// kept, and a target can be drawn into and read back.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Engine.h"

namespace pm::test {

class RenderSession {
 public:
  RenderSession()
      : m_engine(hgeCreate(ENGINE_VERSION)), m_lines(std::make_shared<std::vector<std::string>>()) {
    m_engine->SetLogHook([lines = m_lines](const char* line) { lines->push_back(line); });
    m_engine->SetStateBool(EngineState::Windowed, true);
    m_engine->SetStateInt(EngineState::ScreenWidth, 800);
    m_engine->SetStateInt(EngineState::ScreenHeight, 600);
    m_initiated = m_engine->Initiate();
    m_lines->clear();  // the engine's own start-up lines
  }
  ~RenderSession() {
    m_engine->SetLogHook(nullptr);
    m_engine->Shutdown();
    m_engine->Release();
  }
  RenderSession(const RenderSession&) = delete;
  RenderSession& operator=(const RenderSession&) = delete;

  Engine& engine() { return *m_engine; }
  bool IsInitiated() const { return m_initiated; }
  const std::vector<std::string>& LogLines() const { return *m_lines; }
  bool HasLogLine(const std::string& line) const {
    return std::find(m_lines->begin(), m_lines->end(), line) != m_lines->end();
  }
  void ClearLog() { m_lines->clear(); }

  // Draws into a new w x h target cleared to background and returns its ARGB pixels, rows
  // from the top.
  std::vector<std::uint32_t> Draw(int w, int h, const std::function<void()>& draw,
                                  std::uint32_t background = 0xFF000000) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    const EngineTarget target = m_engine->TargetCreate(w, h);
    if (!target) return {};
    if (m_engine->BeginScene(target)) {
      m_engine->Clear(background);
      draw();
      m_engine->EndScene();
    }
    if (!m_engine->TargetReadPixels(target, pixels.data())) pixels.clear();
    m_engine->TargetFree(target);
    return pixels;
  }

  // A w x h texture filled with the given ARGB words, rows from the top.
  EngineTexture MakeTexture(int w, int h, const std::vector<std::uint32_t>& argb) {
    const EngineTexture tex = m_engine->TextureCreate(w, h);
    std::uint32_t* px = tex ? m_engine->TextureLock(tex, false) : nullptr;
    if (!px) return tex;
    const int stride = m_engine->TextureGetWidth(tex);
    for (int y = 0; y < h; ++y)
      std::copy_n(&argb[static_cast<std::size_t>(y) * w], w, px + y * stride);
    m_engine->TextureUnlock(tex);
    return tex;
  }

 private:
  Engine* m_engine;
  std::shared_ptr<std::vector<std::string>> m_lines;
  bool m_initiated = false;
};

}  // namespace pm::test
