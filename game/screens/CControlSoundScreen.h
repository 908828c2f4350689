#pragma once

#include <typeinfo>

#include "framework/engine/screens/CButtonControl.h"
#include "game/app/SoundShortcuts.h"

// The screen layer that gives every plain button of the screen its click and mouse-over
// sounds, once, when the screen is first shown (its controls exist by then). Buttons of a
// derived class, such as delivery buttons, make their own sounds and are left alone.
template <class B>
class CControlSoundScreen : public B {
 protected:
  void OnShown() override {
    B::OnShown();
    if (m_soundsAttached) return;
    m_soundsAttached = true;
    AttachSoundsToButtons();
  }

 private:
  void AttachSoundsToButtons() {
    for (const GF::THolder<GF::HGENS::CBaseControl>& control : this->GetControls()) {
      const GF::HGENS::CBaseControl& held = *control;
      if (typeid(held) == typeid(GF::HGENS::CButtonControl)) AttachControlSounds(control);
    }
  }

  bool m_soundsAttached = false;
};
