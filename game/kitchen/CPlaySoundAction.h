#pragma once

#include <cstdint>
#include <string>

#include "game/kitchen/CActionBase.h"

// Plays a sound or switches the music when started, and is done at once. An empty name
// plays the sound of that number from the sound table (whatever the flag says); otherwise
// the flag chooses a sound effect (true) or the background music (false).
class CPlaySoundAction : public CActionBase {
 public:
  CPlaySoundAction(const std::string& name, std::int32_t number, bool sound)
      : m_name(name), m_number(number), m_sound(sound) {}

  void Start() override;

 private:
  std::string m_name;
  std::int32_t m_number;
  bool m_sound;
};

CActionBase::Holder MakePlaySoundActionById(std::int32_t number);
CActionBase::Holder MakePlaySoundAction(const std::string& name, bool sound);
