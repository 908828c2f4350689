#include "game/screens/story/CLoserScreen.h"

#include <cstring>

#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

constexpr int kDroppedOutSound = 30;
constexpr const char* kDropoutLayout = "main_menu.dropout_screen";
constexpr const char* kOpponentLayout = "loser_screen";  // the layout's object name

const StageDescription& CurrentStage() {
  return FindStage(CurrentProfile().StageKey);
}

bool IsParameter(const char* parameter, const char* name) {
  return parameter && std::strcmp(parameter, name) == 0;
}

}  // namespace

GF::THolder<GF::IScreen> CLoserScreen::Create() {
  return GF::MakeHolder<CLoserScreen>();
}

CLoserScreen::CLoserScreen()
    : m_opponent(IntegerPart(CurrentProfile().Floats[ProfileFloat::DroppedOutCompetitor])) {}

void CLoserScreen::Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
                        const char* parameter) {
  int rival = CurrentStage().CompetitorNumber();
  if (IsParameter(parameter, "diego")) {
    m_opponent = rival;
  } else if (IsParameter(parameter, "pierre")) {
    rival = m_opponent;
  }
  const bool dropout = rival == 7 && CurrentProfile().Floats[ProfileFloat::StageNumber] == 5.0f;
  CCurtainScreen::Init(dropout ? kDropoutLayout : layout, scene, parameter);
}

bool CLoserScreen::HasPendingDialogue() {
  PlayerProfile& profile = CurrentProfile();
  const int next = IntegerPart(profile.Floats[ProfileFloat::StoryProgress]);
  if (next < 0 || next >= static_cast<int>(DialogRecords.size())) return false;
  const int stage = GetStageNumber(profile.StageKey);
  const DialogRecord& dialogue = DialogRecords[static_cast<std::size_t>(next)];
  return dialogue.StageNumber == stage &&
         dialogue.LevelIndex == FindStage(GetStageKey(stage)).LevelCount;
}

void CLoserScreen::OnInit() {
  CCurtainScreen::OnInit();
  PlayMusic("music_game_menu");
  AddMenuItem("ok", "ok", false, kUsualFlags);
  const AnimationPtr layout = GetLayout();
  if (layout) {
    layout->SetLayer(ScreenLayerBase);
    const char* name = layout->GetName();
    if (name && std::strcmp(name, kOpponentLayout) == 0) ShowOpponent();
  }
  PlaySoundById(kDroppedOutSound);
}

void CLoserScreen::OnCommand(const std::string& command) {
  CCurtainScreen::OnCommand(command);
  if (command != "ok") return;
  if (HasPendingDialogue()) {
    m_command = m_result = "dialog";
  } else if (CurrentStage().CompetitorNumber() == 0) {
    m_command = m_result = "comics";
  }
}

void CLoserScreen::ShowOpponent() {
  const std::string opponent = std::to_string(m_opponent);
  SubstitutePart(GetLayout(), "_pers_place", "interfaces.pers_bad_" + opponent);
  SubstitutePart(GetLayout(), "_name_place", "interfaces.pers_name_" + opponent);
}
