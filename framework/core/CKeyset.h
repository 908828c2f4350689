#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "framework/core/CRefCount.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"

namespace GF {

// Which keys are down, by key index (a small number: left mouse button 18, Enter 24, ...),
// and the events fired when a key goes down or up. Fed by the application shell from the
// engine's input events; screens read and consume its entries or subscribe to its events.
class CKeyset : public CRefCount {
 public:
  static constexpr int kKeyCount = 255;        // valid key indices: 0 to 254
  static constexpr int kEngineKeyCount = 256;  // engine key codes handled: 0 to 255

  // The engine's input event types that the key set takes; other types are ignored.
  enum InputType : int { kKeyDown = 1, kKeyUp = 2, kButtonDown = 3, kButtonUp = 4 };

  // The singleton, created on first use and kept until the process ends.
  static THolder<CKeyset> Instance();

  // The key index of an engine key code (Windows virtual-key numbering); 0 for every
  // code without a key index of its own.
  static int KeyIndex(int engineKey);

  // Applies one engine input event (type, key code, whether Alt is held right now):
  // a down records the key and fires Pressed on every repeat; an up clears it and fires
  // Released, even for a key never seen down. While Alt is held downs are dropped, and so
  // are ups of keys that are not down; ups of keys that are down still pass, or a key
  // released during Alt would stay down for ever. Codes outside 0 to 255 are ignored.
  void Feed(int type, int engineKey, bool altHeld);

  // Direct access to the key table; indices outside 0 to 254 read as up and are not
  // written.
  bool IsDown(int index) const { return IsValid(index) && m_keys[index] != 0; }
  void SetDown(int index, bool down) {
    if (IsValid(index)) m_keys[index] = down ? 1 : 0;
  }
  // Reads and clears an entry, so that one press is taken by one reader only.
  bool Consume(int index) {
    const bool down = IsDown(index);
    SetDown(index, false);
    return down;
  }

  // Every key up again, firing nothing: a new session must not inherit keys whose ups the
  // last one never saw, or their next press would count as a repeat.
  void Reset() {
    m_keys.fill(0);
    m_engineKeysDown.reset();
  }

  // Fired with the key index.
  TEventList<int>& Pressed() { return m_pressed; }
  TEventList<int>& Released() { return m_released; }

 private:
  static bool IsValid(int index) { return index >= 0 && index < kKeyCount; }

  std::array<std::uint8_t, kKeyCount> m_keys{};
  std::bitset<kEngineKeyCount> m_engineKeysDown;
  TEventList<int> m_pressed;
  TEventList<int> m_released;
};

}  // namespace GF
