#pragma once

// What the fuzz targets share: the engine (never initiated: no window, no sound), files for
// the loaders that read by name, and seeds for the formats the sample content has no file
// of. Each target is one LLVMFuzzerTestOneInput that hands the bytes to the function the game
// loads that format with.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Engine;

namespace pm::fuzz {

// The process's engine reference.
Engine& TheEngine();

// A folder of this process for the files the loaders read by name.
const std::string& WorkDir();

// The engine's name of a file on disk: an absolute path with backslashes, as the game's
// names have them (masks are found beside their texture by the last backslash).
std::string EngineName(const std::string& path);

// Writes the bytes as the whole file at path (folders made as needed).
void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size);
std::vector<std::uint8_t> ReadFile(const std::string& path);

// The sample content folder the runner names (PANMASTER_FUZZ_CONTENT); empty without one.
std::string ContentDir();

// Adds a seed the target made itself to the seed folder the runner names
// (PANMASTER_FUZZ_SEEDS); nothing without one.
void WriteSeed(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace pm::fuzz
