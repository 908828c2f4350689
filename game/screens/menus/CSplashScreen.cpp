#include "game/screens/menus/CSplashScreen.h"

#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/CCheatClass.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"

namespace {

using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

struct MenuItemRow {
  const char* control;
  const char* command;
};

// In the order they are added; the Escape shortcut follows the first.
constexpr MenuItemRow kMenuItems[] = {
    {"options", "options"},          {"help", "help"}, {"hight_score", "score"}, {"play", "play"},
    {"new_player", "select_player"}, {"quit", "back"},
};
constexpr int kEscape = 17;
constexpr const char* kEscapeCommand = "options";

constexpr const char* kMusic = "music_main_menu";
constexpr const char* kCursor = "cursor.custom";
constexpr const char* kPlayerButton = "_item_new_player";
constexpr int kRibbonPlace = 10;  // the layout's drawable that hosts the ribbon
constexpr const char* kRibbon = "lenta";
constexpr const char* kNewPlayer = "new_player";
constexpr const char* kPlay = "play";
constexpr const char* kComics = "comics";
constexpr const char* kDialog = "dialog";
constexpr float kComicsStage = 4.0f;

// Read without adding the flag to the player's save.
bool HasFlag(const PlayerProfile& profile, const std::string& name) {
  const auto found = profile.Flags.find(name);
  return found != profile.Flags.end() && found->second;
}

}  // namespace

CSplashScreen::CSplashScreen()
    : m_watcher(GF::MakeDelegate(&CCheatClass::Instance(), &CCheatClass::OnChar)) {}

GF::THolder<GF::IScreen> CSplashScreen::Create() {
  return GF::MakeHolder<CSplashScreen>();
}

void CSplashScreen::OnInit() {
  PlayMusic(kMusic);
  CCurtainScreen::OnInit();
  for (const MenuItemRow& item : kMenuItems) {
    AddMenuItem(item.control, item.command, false, kUsualFlags);
    if (&item == kMenuItems) AddShortcut(kEscape, kEscapeCommand, false, kUsualFlags);
  }
  PlayerProfile& profile = CurrentProfile();
  if (IntegerPart(profile.Floats[ProfileFloat::CustomCursor]) != 0) {
    if (const GF::THolder<GF::HGENS::ICustomCursor> cursor = GF::HGENS::GetCustomCursor())
      cursor->Enable(kCursor);
  }
  if (!profile.Name.empty()) SyncStageUpgrade(false);
}

void CSplashScreen::OnActivate() {
  CCurtainScreen::OnActivate();
  const std::wstring& name = CurrentProfile().Name;
  ShowPlayerName(name);
  EnableButtons(!name.empty());
  ShowRibbon();
  // Never twice on the event: every letter would count twice and the word never match.
  GF::HGENS::CGameManager::CharEvent& typed = GF::HGENS::GetGameManager()->CharInputEvent();
  typed.RemoveDelegate(m_watcher);
  typed.Subscribe(m_watcher);
}

void CSplashScreen::OnDeactivate() {
  CCurtainScreen::OnDeactivate();
  StopWatchingTypedLetters();
}

void CSplashScreen::OnDestroy() {
  // A title that makes way for the next screen is destroyed without a deactivation.
  StopWatchingTypedLetters();
  CCurtainScreen::OnDestroy();
}

void CSplashScreen::StopWatchingTypedLetters() {
  GF::HGENS::GetGameManager()->CharInputEvent().RemoveDelegate(m_watcher);
}

bool CSplashScreen::IdleUpdate(const float& dt) {
  if (CurrentProfile().Name.empty() && m_result.empty()) GoTo(kNewPlayer, kUsualFlags);
  return CCurtainScreen::IdleUpdate(dt);
}

void CSplashScreen::OnCommand(const std::string& command) {
  if (command == kPlay) {
    m_command = m_result = RewritePlay();
  } else if (command == kDialog) {
    float& story = CurrentProfile().Floats[ProfileFloat::StoryProgress];
    if (story >= static_cast<float>(DialogRecords.size())) story = 0.0f;
  }
}

std::string CSplashScreen::RewritePlay() const {
  PlayerProfile& profile = CurrentProfile();
  if (!HasFlag(profile, "comics_1")) return kComics;
  if (!HasFlag(profile, "comics_2") && profile.Floats[ProfileFloat::StageNumber] == kComicsStage)
    return kComics;
  return kPlay;
}

void CSplashScreen::ShowPlayerName(const std::wstring& name) {
  if (const AnimationPtr button = GF::HGENS::FindRequiredPart(GetLayout(), kPlayerButton))
    button->SetText("_text", name);
}

void CSplashScreen::ShowRibbon() {
  const AnimationPtr layout = GetLayout();
  const ContainerPtr place(layout ? layout->GetDrawable(kRibbonPlace) : nullptr);
  const AnimationPtr ribbon = place ? place->FindSubstitutedAnimation(kRibbon) : nullptr;
  if (!ribbon) return;
  ribbon->SetShown(true);
  ribbon->Play("_show", 0, false);
}

void CSplashScreen::EnableButtons(bool enabled) {
  for (const MenuItemRow& item : kMenuItems)
    if (const GF::THolder<GF::HGENS::CBaseControl> button = GetControl(item.control))
      button->SetEnabled(enabled);
}
