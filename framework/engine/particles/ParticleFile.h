#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace GF::HGENS {

static_assert(std::endian::native == std::endian::little,
              "particle files are little-endian and read by copying");

// The parameter block at the start of a particle file (".fgp", ".PSI"): 40 fields of
// four bytes, with the emitter's defaults.
struct ParticleParams {
  // New velocity at each tick: vx' = m[0] vx + m[1] vy + m[2], vy' = m[3] vx + m[4] vy + m[5].
  float velocityMatrix[6] = {1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f};
  std::int32_t blendMode = 2;
  float bounce = 2.0f;          // 2 reflects, 1 slides
  float startVelocityX = 0.0f;  // pixels per second
  float startVelocityY = -200.0f;
  float spreadX = 0.0f;
  float spreadY = 100.0f;
  float lifeMin = 1.0f;  // seconds
  float lifeMax = 6.0f;
  float spawnHalfWidth = 0.0f;
  float spawnHalfHeight = 0.0f;
  float startSizeMax = 32.0f;  // pixels
  float startSizeMin = 32.0f;
  float endSize = 0.0f;
  float colorVariation = 0.0f;
  float startRed = 0.0f;  // colours on 0..255
  float startGreen = 0.0f;
  float startBlue = 0.0f;
  float startAlpha = 0.0f;
  float endRed = 0.0f;
  float endGreen = 0.0f;
  float endBlue = 0.0f;
  float endAlpha = 0.0f;
  float pulseFrequency = 0.0f;  // 0: colours fade linearly
  float jitterX = 0.0f;         // velocity jitter at each tick
  float jitterY = 0.0f;
  float sizeJitter = 0.0f;
  float emissionRate = 10.0f;   // particles per second
  std::int32_t reserved = 0;    // kept with the block, read by nobody
  float spawnRotation = 0.0f;   // radians
  std::int32_t spawnShape = 0;  // 0 rectangle, 1 filled ellipse, 2 ellipse outline, 3 shapes
  std::int32_t shapeCount = 0;
  std::int32_t segmentCount = 0;
  std::int32_t keyCount = 0;
  std::int32_t spreadShape = 0;  // 0 rectangle, 1 filled ellipse, 2 ellipse outline
};
static_assert(sizeof(ParticleParams) == 160);

// A segment, relative to the emitter, on which particles are born (spawn shape 3).
struct ParticleShapeRecord {
  float x0 = 0.0f, y0 = 0.0f, x1 = 0.0f, y1 = 0.0f;
  float unused[2] = {};
};
static_assert(sizeof(ParticleShapeRecord) == 24);

// A segment particles bounce off, with the normal the bounce uses as stored.
struct ParticleSegment {
  float x0 = 0.0f, y0 = 0.0f, x1 = 0.0f, y1 = 0.0f;
  float nx = 0.0f, ny = 0.0f;
};
static_assert(sizeof(ParticleSegment) == 24);

// A velocity key: for `duration` seconds of a particle's age its velocity is pulled
// towards the target. Key 0 only tracks the emitter position.
struct ParticleVelocityKey {
  float x = 0.0f, y = 0.0f;
  float duration = 0.0f;
  float targetX = 0.0f, targetY = 0.0f;
};
static_assert(sizeof(ParticleVelocityKey) == 20);

// A whole particle file: the block and its three record arrays, in file order. Writing
// puts the array sizes into the block's counts. Header-only, so that the content tools
// write particle files without the engine's libraries.
struct ParticleFile {
  ParticleParams params;
  std::vector<ParticleShapeRecord> shapes;
  std::vector<ParticleSegment> segments;
  std::vector<ParticleVelocityKey> keys;

  std::vector<std::uint8_t> Write() const {
    ParticleParams block = params;
    block.shapeCount = static_cast<std::int32_t>(shapes.size());
    block.segmentCount = static_cast<std::int32_t>(segments.size());
    block.keyCount = static_cast<std::int32_t>(keys.size());
    std::vector<std::uint8_t> out;
    out.reserve(sizeof(block) + shapes.size() * sizeof(ParticleShapeRecord) +
                segments.size() * sizeof(ParticleSegment) +
                keys.size() * sizeof(ParticleVelocityKey));
    Append(out, block);
    for (const auto& shape : shapes) Append(out, shape);
    for (const auto& segment : segments) Append(out, segment);
    for (const auto& key : keys) Append(out, key);
    return out;
  }

 private:
  template <class T>
  static void Append(std::vector<std::uint8_t>& out, const T& record) {
    const std::size_t at = out.size();
    out.resize(at + sizeof(T));
    std::memcpy(out.data() + at, &record, sizeof(T));
  }
};

}  // namespace GF::HGENS
