#pragma once

#include <filesystem>

#include "framework/engine/particles/ParticleFile.h"

// The sample particle effects, written in the particle file format.

// Sparks flying up and out of a point, falling back and bouncing off a floor 40 px below.
GF::HGENS::ParticleFile MakeSampleSparkBurst();
// A soft grey puff that rises, drifts to the right, grows and fades.
GF::HGENS::ParticleFile MakeSampleSmokePuff();

// "Particle/spark_burst.fgp", "Particle/smoke_puff.fgp" and, for the resource script's
// particle system 1, the puff as "Particle/1.PSI".
bool WriteSampleParticles(const std::filesystem::path& outDir);
