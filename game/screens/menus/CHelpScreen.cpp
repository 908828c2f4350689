#include "game/screens/menus/CHelpScreen.h"

#include <span>
#include <string>

#include "framework/core/ISubstitutedContainer.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/MenuRows.h"

namespace {

using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr MenuItemRow kItems[] = {
    {"prev", "prev"}, {"next", "next"}, {"next_2", "next"}, {"skip", "exit"}};

float CurrentPage() {
  return CurrentProfile().Floats[ProfileFloat::HelpState];
}

constexpr const char* kFirstPage[] = {"prev", "next"};
constexpr const char* kMiddlePage[] = {"next_2"};
constexpr const char* kLastPage[] = {"skip", "next_2"};

// The first case that holds: a one-page manual keeps "next_2" and "skip", so it can be left.
std::span<const char* const> ButtonsLeadingNowhere(float page) {
  if (page <= 1.0f) return kFirstPage;
  if (page < static_cast<float>(HelpPageCount)) return kMiddlePage;
  return kLastPage;
}

}  // namespace

GF::THolder<GF::IScreen> CHelpScreen::Create() {
  return GF::MakeHolder<CHelpScreen>();
}

void CHelpScreen::OnInit() {
  PlayMusic("music_game_menu");
  CCurtainScreen::OnInit();
  ShowPage();
  AddHelpItems();
}

void CHelpScreen::ShowPage() {
  const AnimationPtr layout = GetLayout();
  if (!layout) return;
  const ContainerPtr place(layout->FindDrawable("_help_place"));
  if (place) place->AddSubstitutedAnimation("help_" + std::to_string(IntegerPart(CurrentPage())));
}

void CHelpScreen::AddHelpItems() {
  AddMenuItems(*this, kItems);
  for (const char* name : ButtonsLeadingNowhere(CurrentPage())) {
    if (const GF::THolder<GF::HGENS::CBaseControl> button = GetControl(name))
      button->SetEnabled(false);
  }
}

void CHelpScreen::OnCommand(const std::string& command) {
  CCurtainScreen::OnCommand(command);
  if (m_result == "next" && CurrentPage() >= static_cast<float>(HelpPageCount)) {
    m_command = "exit";
    m_result = "exit";
  }
}
