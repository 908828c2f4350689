#include "platform/PackArchive.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint32_t kFirstChunk = 1u << 20;

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

}  // namespace

std::unique_ptr<PackArchive> PackArchive::Open(const std::string& path, const char* password,
                                               std::string* error) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
  if (!archive) {
    *error = "Can't open pack \"" + path + "\": " + ZipErrorText(code);
    return nullptr;
  }
  if (password && *password && zip_set_default_password(archive, password) != 0) {
    *error = "Can't set the password of pack \"" + path + "\"";
    zip_discard(archive);
    return nullptr;
  }
  std::unique_ptr<PackArchive> pack(new PackArchive(archive, path));
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
    if (!name || !*name || name[std::char_traits<char>::length(name) - 1] == '/') continue;
    // The first of two entries that differ only in case wins, as a lookup by name would.
    pack->index_.emplace(NormaliseName(name), static_cast<std::uint64_t>(i));
  }
  return pack;
}

PackArchive::PackArchive(zip* archive, std::string path)
    : archive_(archive), path_(std::move(path)) {}

PackArchive::~PackArchive() {
  zip_discard(archive_);
}

std::string PackArchive::NormaliseName(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    if (c == '\\')
      c = '/';
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool PackArchive::Contains(const std::string& normalisedName) const {
  return index_.count(normalisedName) != 0;
}

void* PackArchive::Read(const std::string& normalisedName, std::uint32_t* size,
                        std::string* error) {
  const auto it = index_.find(normalisedName);
  if (it == index_.end()) {
    *error = "no entry";
    return nullptr;
  }
  zip_stat_t stat;
  if (zip_stat_index(archive_, it->second, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
      stat.size > 0xFFFFFFF0u) {
    *error = zip_strerror(archive_);
    return nullptr;
  }
  zip_file_t* file = zip_fopen_index(archive_, it->second, 0);
  if (!file) {
    *error = zip_strerror(archive_);
    return nullptr;
  }
  // The header's size is a claim: memory grows with the bytes really read, so a damaged
  // entry that claims gigabytes costs only what it holds.
  const auto length = static_cast<std::uint32_t>(stat.size);
  std::uint32_t capacity = std::min<std::uint32_t>(length, kFirstChunk);
  auto* data = static_cast<char*>(std::malloc(capacity + 1u));
  std::uint32_t done = 0;
  while (data && done < length) {
    if (done == capacity) {
      capacity = length - capacity > capacity ? capacity * 2 : length;
      char* grown = static_cast<char*>(std::realloc(data, capacity + 1u));
      if (!grown) break;
      data = grown;
    }
    const zip_int64_t got = zip_fread(file, data + done, capacity - done);
    if (got <= 0) break;
    done += static_cast<std::uint32_t>(got);
  }
  // A wrong password or a damaged entry shows as a short read or a checksum error at the end.
  char probe;
  const bool ok = data && done == length && zip_fread(file, &probe, 1) == 0;
  if (!ok) *error = zip_file_strerror(file);
  zip_fclose(file);
  if (!ok) {
    std::free(data);
    return nullptr;
  }
  data[length] = 0;
  if (size) *size = length;
  return data;
}
