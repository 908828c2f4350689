#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "tools/content/SampleResources.h"

namespace {

// The folders of content below the program; the bytecode is the program's own to write.
constexpr const char* kContentFolders[] = {"Animation", "Binary", "Binary_2", "Font",
                                           "Particle",  "Sound",  "Texture"};

bool AddFile(zip_t* archive, const std::filesystem::path& file, const std::string& name) {
  zip_source_t* source = zip_source_file(archive, file.c_str(), 0, -1);  // -1: to the end
  if (!source) return false;
  if (zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(source);
    return false;
  }
  return true;
}

}  // namespace

bool WriteResourcePack(const std::filesystem::path& contentDir,
                       const std::filesystem::path& packPath) {
  std::vector<std::filesystem::path> files;
  for (const char* folder : kContentFolders) {
    const std::filesystem::path root = contentDir / folder;
    if (!std::filesystem::is_directory(root)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      if (entry.is_regular_file() && entry.path().extension() != ".bs") {
        files.push_back(entry.path());
      }
    }
  }
  // The splash images and the window's icon stand beside the folders ("splash_1.png").
  for (const auto& entry : std::filesystem::directory_iterator(contentDir)) {
    if (entry.is_regular_file() && entry.path().extension() == ".png")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());  // the same archive for the same content

  int error = 0;
  const std::string temporary = packPath.string() + ".tmp";
  zip_t* archive = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  for (const std::filesystem::path& file : files) {
    if (!AddFile(archive, file, file.lexically_relative(contentDir).generic_string())) {
      std::fprintf(stderr, "ContentGenerator: can't pack %s\n", file.c_str());
      zip_discard(archive);
      return false;
    }
  }
  if (zip_close(archive) != 0) return false;
  std::error_code ec;
  std::filesystem::rename(temporary, packPath, ec);
  return !ec;
}
