#pragma once

// Particle files for the particle tests: a quiet block (fixed life, no spread, white) that a
// test changes where it matters, and a writer to a temp file.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/engine/particles/ParticleFile.h"
#include "platform/Engine.h"

namespace pm::test {

// Everything fixed: each particle lives 1 s, starts at the emitter, still, 8 px, opaque white.
inline GF::HGENS::ParticleFile QuietParticleFile() {
  GF::HGENS::ParticleFile file;
  auto& p = file.params;
  p.startVelocityY = 0.0f;
  p.spreadY = 0.0f;
  p.lifeMin = p.lifeMax = 1.0f;
  p.startSizeMin = p.startSizeMax = p.endSize = 8.0f;
  p.startRed = p.startGreen = p.startBlue = p.startAlpha = 255.0f;
  p.endRed = p.endGreen = p.endBlue = p.endAlpha = 255.0f;
  return file;
}

inline std::string WriteParticleFile(const std::filesystem::path& path,
                                     const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

// Holds the engine for a test (its random state lives as long as some reference does) and
// seeds the engine's and the runtime's random numbers alike.
class EngineRef {
 public:
  EngineRef() : m_engine(hgeCreate(ENGINE_VERSION)) {}
  ~EngineRef() { m_engine->Release(); }
  EngineRef(const EngineRef&) = delete;
  EngineRef& operator=(const EngineRef&) = delete;

  Engine* operator->() const { return m_engine; }
  void Seed(int seed) {
    m_engine->RandomSeed(seed);
    std::srand(static_cast<unsigned>(seed));
  }

 private:
  Engine* m_engine;
};

}  // namespace pm::test
