#pragma once

// Writes resource packs (zip archives) for tests that read files by their Windows-style
// names. Header-only: a test binary that includes it links "zip".

#include <zip.h>

#include <string>
#include <utility>
#include <vector>

namespace pm::test {

struct PackEntry {
  std::string name;  // with '/' separators: "Texture/0.jp2"
  std::string bytes;
};

inline bool WritePack(const std::string& path, const std::vector<PackEntry>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  for (const PackEntry& e : entries) {
    zip_source_t* source = zip_source_buffer(archive, e.bytes.data(), e.bytes.size(), 0);
    if (!source || zip_file_add(archive, e.name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
      if (source) zip_source_free(source);
      zip_discard(archive);
      return false;
    }
  }
  return zip_close(archive) == 0;
}

inline std::string Bytes(const std::vector<unsigned char>& v) {
  return std::string(v.begin(), v.end());
}

}  // namespace pm::test
