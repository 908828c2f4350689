// Resource packs: a zip archive attached to the engine, then its files read by name.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/Engine.h"

namespace {

// Names the sample pack holds, each kind once.
const char* const kNames[] = {
    "Animation\\effects.as", "Binary\\gamedata.bin", "binary\\TEXTDATA.txt", "Font\\0.fnt",
    "Font\\0\\0_000.png",    "Particle\\1.PSI",      "Sound\\click.ogg",     "Texture\\m_2.gif"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string pack = pm::fuzz::WorkDir() + "/resource.dat";
  pm::fuzz::WriteFile(pack, data, size);
  // An engine per input: the last reference closes the pack with it.
  Engine* engine = hgeCreate(ENGINE_VERSION);
  if (engine->AttachPack(pack.c_str())) {
    for (const char* name : kNames) {
      std::uint32_t bytes = 0;
      if (void* file = engine->ResourceLoad(name, &bytes)) engine->ResourceFree(file);
    }
  }
  engine->Release();
  return 0;
}
