// Particle files (".fgp" and ".PSI" share the format) as an emitter loads them, then a few
// frames of the effect they describe.
#include "framework/engine/particles/CFGParticleImpl.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pm::fuzz::TheEngine();
  GF::HGENS::CFGParticleImpl emitter;
  if (!emitter.LoadParticleData(data, size)) return 0;
  for (int frame = 0; frame < 3; ++frame) emitter.Update(0.05f);
  return 0;
}
