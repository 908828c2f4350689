#include "tools/content/SampleContent.h"

#include <fstream>
#include <system_error>

#include "tools/content/SampleParticles.h"

bool WriteContentFile(const std::filesystem::path& outDir,
                      const std::filesystem::path& relativePath,
                      const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path path = outDir / relativePath;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

bool WriteSampleContent(const std::filesystem::path& outDir) {
  bool ok = WriteSampleGameData(outDir);
  ok = WriteSampleLevelsData(outDir) && ok;
  ok = WriteSampleLibraryData(outDir) && ok;
  ok = WriteSampleParticles(outDir) && ok;
  return ok;
}
