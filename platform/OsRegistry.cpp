#include <map>

#include "platform/OsServices.h"

namespace Os {

namespace {

std::string RegistryKey(std::string_view key, std::string_view name) {
  std::string out;
  for (std::string_view part : {key, std::string_view("\n"), name}) {
    for (char c : part) out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}

std::map<std::string, std::vector<std::uint8_t>>& Values() {
  static std::map<std::string, std::vector<std::uint8_t>> values;
  return values;
}

}  // namespace

bool ReadRegistryValue(std::string_view key, std::string_view name,
                       std::vector<std::uint8_t>* value) {
  const auto it = Values().find(RegistryKey(key, name));
  if (it == Values().end()) return false;
  *value = it->second;
  return true;
}

void SetRegistryValue(std::string_view key, std::string_view name,
                      std::vector<std::uint8_t> value) {
  Values()[RegistryKey(key, name)] = std::move(value);
}

void ClearRegistryValues() {
  Values().clear();
}

}  // namespace Os
