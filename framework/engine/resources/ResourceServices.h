#pragma once

namespace GF::HGENS {

// Loads the registry: the resource script, then the text table.
void LoadResources();
// Unloads the registry (fonts, sprite infos, texture records); the next use starts afresh.
void UnloadResources();
// The "/cr" tool: compiles a resource script into a bytecode file.
void CompileResourceScript(const char* source, const char* destination);

// Hands the three to the application shell's service providers.
void InstallResourceServices();

}  // namespace GF::HGENS
