#pragma once

namespace GF::HGENS {

// Lets particle object data create their systems and gives every scene the registry's
// part (its update, and the leaving of one scene's systems on Clear). Idempotent.
void InstallParticleServices();

}  // namespace GF::HGENS
