#include "game/kitchen/CPlaySoundAction.h"

#include "game/app/SoundShortcuts.h"

void CPlaySoundAction::Start() {
  if (m_name.empty()) {
    PlaySoundById(m_number);
  } else if (m_sound) {
    PlaySoundByName(m_name);
  } else {
    PlayMusic(m_name);
  }
  m_done = true;
}

CActionBase::Holder MakePlaySoundActionById(std::int32_t number) {
  return CActionBase::Holder(new CPlaySoundAction(std::string(), number, true));
}

CActionBase::Holder MakePlaySoundAction(const std::string& name, bool sound) {
  return CActionBase::Holder(new CPlaySoundAction(name, 0, sound));
}
