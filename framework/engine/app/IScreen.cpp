#include "framework/engine/app/IScreen.h"

#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
// The control classes complete the holder types of the neutral bodies below; nothing of
// the screens library is called from here.
#include "framework/engine/screens/CCheckBoxControl.h"

namespace GF {

THolder<HGENS::CCheckBoxControl> IScreen::CreateCheckBox(const std::string&, bool) {
  return nullptr;
}

THolder<HGENS::CButtonControl> IScreen::CreateButton(const std::string&) {
  return nullptr;
}

THolder<HGENS::CBaseControl> IScreen::GetControl(const std::string&) const {
  return nullptr;
}

int IScreen::GetControlCount() const {
  return 0;
}

THolder<IScene> IScreen::GetScene() const {
  return nullptr;
}

void IScreen::GoTo(const std::string&, std::uint32_t) {}

void IScreen::AddMenuItem(const std::string&, const std::string&, bool, std::uint32_t) {}

void IScreen::AddShortcut(int, const std::string&, bool, std::uint32_t) {}

void IScreen::RemoveShortcut(int) {}

IScreen::AnimationPtr IScreen::GetLayout() const {
  return {};
}

void IScreen::RaiseFifthEvent() {}

void IScreen::RaiseSixthEvent() {}

}  // namespace GF
