#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"

// The sample content, one function per kind: Make... builds the records, Write... writes
// them below outDir in the folders the game looks in. Add a new kind as a pair of its own
// and call its writer from WriteSampleContent.

GameData MakeSampleGameData();
bool WriteSampleGameData(const std::filesystem::path& outDir);  // "Binary/gamedata.bin"

LibraryData MakeSampleLibraryData();
bool WriteSampleLibraryData(const std::filesystem::path& outDir);  // "Binary/libdata.bin"

LevelsData MakeSampleLevelsData();
bool WriteSampleLevelsData(const std::filesystem::path& outDir);  // "Binary/levelsdata.bin"

// Every kind; false when a file could not be written.
bool WriteSampleContent(const std::filesystem::path& outDir);

// Writes bytes to outDir / relativePath, creating its folders.
bool WriteContentFile(const std::filesystem::path& outDir,
                      const std::filesystem::path& relativePath,
                      const std::vector<std::uint8_t>& bytes);
