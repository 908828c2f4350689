#pragma once

#include <filesystem>
#include <string>

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleArt.h"

// The sample particle effects, written in the particle file format.

// Sparks flying up and out of a point, falling back and bouncing off a floor 40 px below.
GF::HGENS::ParticleFile MakeSampleSparkBurst();
// A soft grey puff that rises, drifts to the right, grows and fades.
GF::HGENS::ParticleFile MakeSampleSmokePuff();

// Flames over a strip 80 px wide, rising, yellow to red, fading: the electric stoves' fire.
GF::HGENS::ParticleFile MakeSampleFireBig();

// Small golden sparks left behind where they were born: the trail of a fetched ingredient.
GF::HGENS::ParticleFile MakeSampleFetchTrail();
// A hint's golden sparkle around the object that pulses.
GF::HGENS::ParticleFile MakeSampleHintSparkle();
// The charged hint: golden sparks bursting out of the delivery bar's end (hint_icon), and a
// slower ring of white glints around it (hint_icon_2).
GF::HGENS::ParticleFile MakeSampleHintIconBurst();
GF::HGENS::ParticleFile MakeSampleHintIconGlints();
// A warm white steam puff rising beside the plate and drifting off to the right.
GF::HGENS::ParticleFile MakeSampleFogPlate();
// The electric stove's crackle, where it stands.
GF::HGENS::ParticleFile MakeSampleStoveSparks();

// The texture "particles": a soft white dot, opaque in the middle and fading to nothing.
const ArtSheet& ParticleDotSheet();

// The resource script's part: the texture "particles" with its sprite "particle_dot", and
// the animation "effects.glow", a particle system showing particle file 1 with that sprite,
// emitting for 1.5 s of every 2 s. Its texture and sprite info are numbered after those
// that `before` (the script so far) declares.
std::string MakeParticleResourceScript(const std::string& before);

// "Particle/spark_burst.fgp", "Particle/smoke_puff.fgp", "Particle/fire_big.fgp",
// "Particle/get_object.fgp", "Particle/hint_icon.fgp", "Particle/hint_icon_2.fgp",
// "Particle/fog_plate.fgp", the puff as
// "Particle/1.PSI" for the script's particle system, and the texture "particles" (a soft white dot)
// under the number the resource script gives it.
bool WriteSampleParticles(const std::filesystem::path& outDir);
