#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "framework/core/CMemoryInputStream.h"
#include "game/app/IDataFileSource.h"

// Data files for the loaders from memory or from a folder on disk, with the log kept for
// the test to read. Installs itself for its lifetime.
class CTestDataFileSource : public IDataFileSource {
 public:
  CTestDataFileSource() { SetDataFileSource(this); }
  ~CTestDataFileSource() override { SetDataFileSource(nullptr); }
  CTestDataFileSource(const CTestDataFileSource&) = delete;
  CTestDataFileSource& operator=(const CTestDataFileSource&) = delete;

  GF::THolder<GF::IDataInputStream> Open(const std::string& resourceName) override {
    if (auto it = files.find(resourceName); it != files.end())
      return GF::MakeHolder<GF::CMemoryInputStream>(it->second);
    if (folder.empty()) return {};
    std::string relative = resourceName;
    for (char& c : relative)
      if (c == '\\') c = '/';
    std::ifstream file(folder / relative, std::ios::binary);
    if (!file) return {};
    return GF::MakeHolder<GF::CMemoryInputStream>(std::vector<std::uint8_t>(
        std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
  }
  void Log(const std::string& line) override { log.push_back(line); }

  std::map<std::string, std::vector<std::uint8_t>> files;  // by resource name
  std::filesystem::path folder;                            // searched after files
  std::vector<std::string> log;
};
