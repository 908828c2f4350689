#pragma once

// One attached resource pack: a zip archive, optionally password-protected, whose entries
// are found by Windows-style names ("Binary\textdata.txt") regardless of case.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct zip;

class PackArchive {
 public:
  // The archive at path, or null with *error set.
  static std::unique_ptr<PackArchive> Open(const std::string& path, const char* password,
                                           std::string* error);
  PackArchive(const PackArchive&) = delete;
  PackArchive& operator=(const PackArchive&) = delete;
  ~PackArchive();

  // The form names are matched in: '/' separators, ASCII lower case.
  static std::string NormaliseName(std::string_view name);

  const std::string& Path() const { return path_; }
  bool Contains(const std::string& normalisedName) const;
  // The whole entry in a malloc'd buffer (one zero byte beyond its size, so even an empty
  // entry gives a distinct pointer), or null with *error set.
  void* Read(const std::string& normalisedName, std::uint32_t* size, std::string* error);

 private:
  PackArchive(zip* archive, std::string path);

  zip* archive_;
  std::string path_;
  std::unordered_map<std::string, std::uint64_t> index_;
};
