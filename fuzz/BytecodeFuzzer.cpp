// The compiled resource script as the start-up loads it: the trailer check first, and for a
// file that passes, the script library's loader and the script's FillResource.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/core/THolder.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/CResourceReader.h"
#include "framework/engine/scene/CResourceCache.h"
#include "fuzz/FuzzSupport.h"

namespace {

// Loads module "animation" from the bytecode file only (there is no source beside it).
void Load(const std::string& bytecode) {
  const auto registry = GF::MakeHolder<GF::HGENS::CResource>();
  {
    const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
    const std::string none = pm::fuzz::WorkDir() + "/none.as";
    if (reader->LoadScript(bytecode.c_str(), none.c_str())) reader->CallFillResource();
  }
  GF::HGENS::CResourceCache::ReleaseInstance();
}

}  // namespace

// The seed: the sample script compiled as the "/cr" tool does.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  pm::fuzz::TheEngine();
  const std::string content = pm::fuzz::ContentDir();
  if (content.empty()) return 0;
  const std::string seed = pm::fuzz::WorkDir() + "/seed.bs";
  const auto registry = GF::MakeHolder<GF::HGENS::CResource>();
  const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
  if (reader->Compile(content + "/Animation/effects.as", seed)) {
    pm::fuzz::WriteSeed("effects.bs", pm::fuzz::ReadFile(seed));
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = pm::fuzz::WorkDir() + "/effects.bs";
  pm::fuzz::WriteFile(file, data, size);
  Load(file);
  return 0;
}
