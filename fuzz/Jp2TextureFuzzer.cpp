// JPEG-2000 textures as the texture cache loads them (no mask beside them).
#include <cstddef>
#include <cstdint>

#include "framework/core/THolder.h"
#include "framework/engine/scene/CTexture.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pm::fuzz::TheEngine();
  static const std::string path = pm::fuzz::WorkDir() + "/0";
  pm::fuzz::WriteFile(path + ".jp2", data, size);
  const auto texture = GF::MakeHolder<GF::HGENS::CTexture>("fuzz", pm::fuzz::EngineName(path));
  texture->Load();
  return 0;
}
