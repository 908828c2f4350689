#pragma once

// The progress block of a settings file ("Setting"), read as the game reads it, without
// touching the progress in force.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/core/CMemoryInputStream.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProgressSave.h"

namespace pm::test {

// An empty block when the file is missing or unreadable.
inline ProgressBlock ReadSavedBlock(const std::filesystem::path& file) {
  constexpr std::size_t kSettingsBytes = 16;  // the four settings before the version
  std::ifstream in(file, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  const ProgressBlock inForce = GameProgress;
  ProgressBlock saved;
  if (bytes.size() > kSettingsBytes + 4) {
    GF::CMemoryInputStream stream(bytes.data() + kSettingsBytes + 4,
                                  bytes.size() - kSettingsBytes - 4);
    if (LoadProgress(stream)) saved = GameProgress;
  }
  GameProgress = inForce;
  return saved;
}

}  // namespace pm::test
