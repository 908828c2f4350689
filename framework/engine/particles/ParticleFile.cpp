#include "framework/engine/particles/ParticleFile.h"

#include <cstring>

namespace GF::HGENS {
namespace {

template <class T>
void Append(std::vector<std::uint8_t>& out, const T& record) {
  const std::size_t at = out.size();
  out.resize(at + sizeof(T));
  std::memcpy(out.data() + at, &record, sizeof(T));
}

}  // namespace

std::vector<std::uint8_t> ParticleFile::Write() const {
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

}  // namespace GF::HGENS
