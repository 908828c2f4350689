#pragma once

#include <span>

#include "framework/engine/screens/CCheckBoxControl.h"
#include "framework/engine/screens/CSliderControl.h"
#include "game/app/ProgressBlock.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/MenuRows.h"

class Engine;

// The options ("OptionsScreen"): music and sound volume, full screen and the game's own
// cursor. Each change takes effect at once and goes to the current player's profile; the
// settings file is written when the screen is left. The pause menu of a level is the same
// screen with other buttons (CIngameMenuScreen).
class CCookOptionsMenuScreen : public CCurtainScreen {
 public:
  // What one variant of the screen shows: the layout parts of the other variant, its buttons
  // and its keys.
  struct MenuVariant {
    std::span<const char* const> hiddenParts;
    std::span<const MenuItemRow> items;
    std::span<const ShortcutRow> keys;
  };

  CCookOptionsMenuScreen();
  ~CCookOptionsMenuScreen() override;

  const GF::THolder<GF::HGENS::CCheckBoxControl>& GetFullScreenBox() const {
    return m_fullScreenBox;
  }
  const GF::THolder<GF::HGENS::CSliderControl>& GetMusicSlider() const { return m_musicSlider; }
  const GF::THolder<GF::HGENS::CSliderControl>& GetSoundSlider() const { return m_soundSlider; }

 protected:
  explicit CCookOptionsMenuScreen(const MenuVariant& variant);

  void OnInit() override;
  void OnDeactivate() override;
  bool IdleUpdate(const float& dt) override;

 private:
  void HideItems();
  void CreateControls();
  void AddMenuItems();
  void SubscribeControls();
  void StartSliderCursors();
  // The box follows the engine's window mode (Alt+Enter switches it while the screen is
  // open), and the profile follows the box.
  void SyncFullScreenBox();

  void OnFullScreenChanged(GF::THolder<GF::HGENS::CBaseControl> control);
  void OnCustomCursorChanged(GF::THolder<GF::HGENS::CBaseControl> control);
  void OnMusicVolumeChanged(GF::THolder<GF::HGENS::CBaseControl> control);
  void OnSoundVolumeChanged(GF::THolder<GF::HGENS::CBaseControl> control);

  MenuVariant m_variant;
  Engine* m_engine;
  GF::THolder<GF::HGENS::CCheckBoxControl> m_fullScreenBox;
  GF::THolder<GF::HGENS::CCheckBoxControl> m_customCursorBox;
  GF::THolder<GF::HGENS::CSliderControl> m_musicSlider;
  GF::THolder<GF::HGENS::CSliderControl> m_soundSlider;
  PlayerProfile* m_profile;
  AnimationPtr m_musicSliderCursor;
  AnimationPtr m_soundSliderCursor;
};

GF::THolder<GF::IScreen> CreateOptionsScreen();
