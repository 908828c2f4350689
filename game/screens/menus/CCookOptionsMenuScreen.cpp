#include "game/screens/menus/CCookOptionsMenuScreen.h"

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "platform/Engine.h"

namespace {

constexpr int kMouseOverSound = 3;

constexpr const char* kOptionsHidden[] = {"_item_continue", "_item_main_menu", "_item_map",
                                          "_item_replay"};
constexpr MenuItemRow kOptionsItems[] = {{"ok", "back"}};
constexpr ShortcutRow kOptionsKeys[] = {{ScreenKey::kEscape, "back"}};

const CCookOptionsMenuScreen::MenuVariant kOptions{kOptionsHidden, kOptionsItems, kOptionsKeys};

float Flag(bool on) {
  return on ? 1.0f : 0.0f;
}

// Played when the sound slider is let go, so the player hears the new volume.
void OnSoundSliderReleased(GF::THolder<GF::HGENS::CBaseControl>, const GF::TPoint<int>&, int) {
  PlaySoundById(kMouseOverSound);
}

// The cursor of the slider in the layout's part: the knob inside its "_cursor" place.
GF::IAnimation::AnimationPtr FindSliderCursor(const GF::IAnimation::AnimationPtr& layout,
                                              const std::string& part) {
  return GF::HGENS::FindRequiredPart(GF::HGENS::FindRequiredPart(layout, part), "_cursor");
}

}  // namespace

GF::THolder<GF::IScreen> CreateOptionsScreen() {
  return GF::MakeHolder<CCookOptionsMenuScreen>();
}

CCookOptionsMenuScreen::CCookOptionsMenuScreen() : CCookOptionsMenuScreen(kOptions) {}

CCookOptionsMenuScreen::CCookOptionsMenuScreen(const MenuVariant& variant)
    : m_variant(variant), m_engine(hgeCreate(ENGINE_VERSION)), m_profile(&CurrentProfile()) {}

CCookOptionsMenuScreen::~CCookOptionsMenuScreen() {
  m_engine->Release();
}

void CCookOptionsMenuScreen::OnInit() {
  CCurtainScreen::OnInit();
  HideItems();
  CreateControls();
  AddMenuItems();
  SubscribeControls();
  StartSliderCursors();
  SyncFullScreenBox();
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
}

void CCookOptionsMenuScreen::OnDeactivate() {
  SaveProfiles();
  CCurtainScreen::OnDeactivate();
}

bool CCookOptionsMenuScreen::IdleUpdate(const float& dt) {
  SyncFullScreenBox();
  return CCurtainScreen::IdleUpdate(dt);
}

void CCookOptionsMenuScreen::HideItems() {
  const AnimationPtr layout = GetLayout();
  if (!layout) return;
  for (const char* part : m_variant.hiddenParts) layout->ShowObject(part, false);
}

void CCookOptionsMenuScreen::CreateControls() {
  auto& floats = m_profile->Floats;
  m_fullScreenBox = CreateCheckBox("full_screen", floats[ProfileFloat::FullScreen] != 0.0f);
  m_customCursorBox = CreateCheckBox("custom_cursor", floats[ProfileFloat::CustomCursor] != 0.0f);
  m_musicSlider =
      CreateSlider("slider_musik", IntegerPart(floats[ProfileFloat::MusicVolume]), 0, 100, true);
  m_soundSlider =
      CreateSlider("slider_sound", IntegerPart(floats[ProfileFloat::SoundVolume]), 0, 100, true);
}

void CCookOptionsMenuScreen::AddMenuItems() {
  ::AddMenuItems(*this, m_variant.items);
  ::AddShortcuts(*this, m_variant.keys);
}

void CCookOptionsMenuScreen::SubscribeControls() {
  m_fullScreenBox->checkedChangedEvent.Subscribe(
      GF::MakeDelegate(this, &CCookOptionsMenuScreen::OnFullScreenChanged));
  m_customCursorBox->checkedChangedEvent.Subscribe(
      GF::MakeDelegate(this, &CCookOptionsMenuScreen::OnCustomCursorChanged));
  m_musicSlider->valueChangedEvent.Subscribe(
      GF::MakeDelegate(this, &CCookOptionsMenuScreen::OnMusicVolumeChanged));
  m_soundSlider->valueChangedEvent.Subscribe(
      GF::MakeDelegate(this, &CCookOptionsMenuScreen::OnSoundVolumeChanged));
  m_soundSlider->upEvent.Subscribe(GF::MakeDelegate(&OnSoundSliderReleased));
}

void CCookOptionsMenuScreen::StartSliderCursors() {
  const AnimationPtr layout = GetLayout();
  m_musicSliderCursor = FindSliderCursor(layout, "_item_slider_musik");
  m_soundSliderCursor = FindSliderCursor(layout, "_item_slider_sound");
  for (const AnimationPtr& cursor : {m_musicSliderCursor, m_soundSliderCursor})
    if (cursor) cursor->Play("_idle", 0, false);
}

void CCookOptionsMenuScreen::SyncFullScreenBox() {
  const bool fullScreen = !m_engine->GetStateBool(EngineState::Windowed);
  if (!m_fullScreenBox || m_fullScreenBox->IsChecked() == fullScreen) return;
  m_fullScreenBox->SetChecked(fullScreen);
  m_fullScreenBox->OnCheckChanged(m_fullScreenBox);
}

void CCookOptionsMenuScreen::OnFullScreenChanged(GF::THolder<GF::HGENS::CBaseControl>) {
  const bool checked = m_fullScreenBox->IsChecked();
  m_engine->SetStateBool(EngineState::Windowed, !checked);
  m_profile->Floats[ProfileFloat::FullScreen] = Flag(checked);
}

// Follows the box rather than flipping the stored flag: a stored value such as 0.5 would
// otherwise leave box and cursor disagreeing.
void CCookOptionsMenuScreen::OnCustomCursorChanged(GF::THolder<GF::HGENS::CBaseControl>) {
  const bool checked = m_customCursorBox->IsChecked();
  ApplyCustomCursor(checked);
  m_profile->Floats[ProfileFloat::CustomCursor] = Flag(checked);
}

void CCookOptionsMenuScreen::OnMusicVolumeChanged(GF::THolder<GF::HGENS::CBaseControl>) {
  const int volume = m_musicSlider->GetValue();
  ApplyMusicVolume(volume);
  m_profile->Floats[ProfileFloat::MusicVolume] = static_cast<float>(volume);
}

void CCookOptionsMenuScreen::OnSoundVolumeChanged(GF::THolder<GF::HGENS::CBaseControl>) {
  const int volume = m_soundSlider->GetValue();
  GF::HGENS::GetGameProperties()->SetInt("SoundVolume", volume);
  m_profile->Floats[ProfileFloat::SoundVolume] = static_cast<float>(volume);
}
