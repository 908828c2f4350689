#pragma once

// A resource registry of its own per test, filled by a script written to a temp folder, with
// the engine's log captured.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/CResourceReader.h"
#include "framework/engine/scene/CResourceCache.h"
#include "platform/Engine.h"
#include "tests/support/TestSupport.h"

namespace pm::test {

class ResourceFixture : public testing::Test {
 protected:
  void SetUp() override {
    engine = hgeCreate(ENGINE_VERSION);
    engine->SetLogHook([this](const char* line) { log.emplace_back(line); });
    dir = MakeTempDir("resources");
    source = (dir / "Animation" / "effects.as").string();
    bytecode = (dir / "Animation" / "effects.bs").string();
    registry = GF::MakeHolder<GF::HGENS::CResource>();
  }

  void TearDown() override {
    registry.Reset();
    GF::HGENS::CResourceCache::ReleaseInstance();
    engine->SetLogHook({});
    engine->Release();
  }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  // Writes the script and runs it through a new reader (bytecode first, as at start-up).
  bool Fill(const std::string& script) {
    WriteFile(source, script);
    return Load();
  }

  bool Load() {
    const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
    return reader->LoadScript(bytecode.c_str(), source.c_str()) && reader->CallFillResource();
  }

  bool Logged(const std::string& text) const {
    for (const std::string& line : log) {
      if (line.find(text) != std::string::npos) return true;
    }
    return false;
  }

  Engine* engine = nullptr;
  std::vector<std::string> log;
  std::filesystem::path dir;
  std::string source;
  std::string bytecode;
  GF::THolder<GF::HGENS::CResource> registry;
};

}  // namespace pm::test
