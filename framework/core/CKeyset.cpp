#include "framework/core/CKeyset.h"

namespace GF {
namespace {

constexpr std::array<std::uint8_t, CKeyset::kEngineKeyCount> MakeKeyIndexMap() {
  std::array<std::uint8_t, CKeyset::kEngineKeyCount> map{};
  map[0x01] = 18;  // left mouse button
  map[0x02] = 47;  // right mouse button
  map[0x0D] = 24;  // Enter
  map[0x1B] = 17;  // Escape
  map[0x20] = 41;  // Space
  map[0x25] = 3;   // Left
  map[0x26] = 1;   // Up
  map[0x27] = 4;   // Right
  map[0x28] = 2;   // Down
  for (int digit = 0; digit <= 9; ++digit) map[0x30 + digit] = 5 + digit;
  return map;
}

constexpr auto kKeyIndexMap = MakeKeyIndexMap();

}  // namespace

THolder<CKeyset> CKeyset::Instance() {
  static THolder<CKeyset> instance(new CKeyset);
  return instance;
}

int CKeyset::KeyIndex(int engineKey) {
  if (engineKey < 0 || engineKey >= kEngineKeyCount) return 0;
  return kKeyIndexMap[engineKey];
}

void CKeyset::Feed(int type, int engineKey, bool altHeld) {
  if (engineKey < 0 || engineKey >= kEngineKeyCount) return;
  const int index = KeyIndex(engineKey);
  if (type == kKeyDown || type == kButtonDown) {
    if (altHeld) return;
    if (!m_engineKeysDown[engineKey]) {
      m_engineKeysDown[engineKey] = true;
      m_keys[index] = 1;
    }
    m_pressed.Fire(index);
  } else if (type == kKeyUp || type == kButtonUp) {
    const bool wasDown = m_engineKeysDown[engineKey];
    if (altHeld && !wasDown) return;
    if (wasDown) {
      m_engineKeysDown[engineKey] = false;
      m_keys[index] = 0;
    }
    m_released.Fire(index);
  }
}

}  // namespace GF
