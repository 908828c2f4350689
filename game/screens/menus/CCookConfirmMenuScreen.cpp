#include "game/screens/menus/CCookConfirmMenuScreen.h"

#include <string_view>

#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"

namespace {

constexpr std::int32_t kClickSound = 2;
constexpr std::wstring_view kNameMark = L"_name";
constexpr const char* kReplayQuestion = "replay";
constexpr const char* kYes = "yes";

// A level counts as passed for a replay with a best place of 1 to 3 up to stage 5 and of 1
// or 2 in stage 6; a level of stage 7 never does.
bool IsPassedForReplay(std::int32_t bestPlace, int stage) {
  if (bestPlace < 1) return false;
  if (stage <= 5) return bestPlace <= 3;
  return stage == 6 && bestPlace <= 2;
}

std::int32_t BestPlaceOf(const PlayerProfile& profile, const std::string& levelKey) {
  const auto found = profile.LevelRecords.find(levelKey);
  return found != profile.LevelRecords.end() ? found->second.BestPlace : 0;
}

}  // namespace

GF::THolder<GF::IScreen> CCookConfirmMenuScreen::Create() {
  return GF::MakeHolder<CCookConfirmMenuScreen>();
}

std::wstring CCookConfirmMenuScreen::GetPhraseText(const std::string& textKey) const {
  std::wstring text = CCurtainConfirmScreen::GetPhraseText(textKey);
  const std::size_t at = text.find(kNameMark);
  if (at != std::wstring::npos) text.replace(at, kNameMark.size(), CurrentProfile().Name);
  return text;
}

void CCookConfirmMenuScreen::OnCommand(const std::string& command) {
  PlaySoundById(kClickSound);
  PlayerProfile& profile = CurrentProfile();
  const std::string& levelKey = profile.Strings[ProfileString::CurrentLevelKey];
  if (command == kYes && profile.Strings[ProfileString::Value30] == kReplayQuestion &&
      IsPassedForReplay(BestPlaceOf(profile, levelKey), GetCurrentStageNumber())) {
    profile.Strings[ProfileString::LevelKeyOverride] = levelKey;
  }
}
