#include "game/screens/map/CMapScreen.h"

#include <algorithm>
#include <numbers>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "game/app/CCheatClass.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/MenuRows.h"

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr const char* kMusic = "music_game_menu";
constexpr const char* kPlay = "play";
constexpr const char* kBonus = "play_bonus";
constexpr const char* kDialog = "dialog";

constexpr MenuItemRow kItems[] = {
    {"play", kPlay}, {"ginger_room", "gingerroom"}, {"mein_menu", "main_menu"}};
// Only while the cheat mode is on.
constexpr ShortcutRow kCheatKeys[] = {{12, kBonus}, {13, "play_bonus_2"}};

// The background: the picture's part that fills the screen above the panel.
constexpr const char* kBackground = "map_fon";
constexpr const char* kBackgroundTable = "map";
constexpr float kBackgroundPeriod = 5.0f;  // ms
constexpr float kBackgroundWidth = 900.0f, kBackgroundHeight = 467.0f;
constexpr std::uint32_t kBackgroundTint = 0xFF775555;
constexpr float kScrollSpeed = 0.02f;  // texture pixels per ms

// The carousel and the ribbons under the chosen stage.
constexpr int kFirstStage = 1, kLastStage = 7;
constexpr float kRadiusX = 300.0f, kRadiusY = 180.0f;
constexpr float kCentreX = 400.0f, kCentreY = 280.0f;
constexpr float kRibbonRadius = 105.0f;
constexpr float kRibbonStep = kTwoPi / 14.0f;

// The bonus levels of stages 1 to 6 for "play_bonus" and "play_bonus_2".
struct BonusRow {
  const char* first;
  const char* second;
};
constexpr BonusRow kBonusLevels[] = {
    {"bonus_place_in_1", "bonus_ispy_2"},       {"bonus_ispy_1", "bonus_diference_2"},
    {"bonus_ispy_dark_1", "bonus_diference_3"}, {"bonus_diference_1", "bonus_ispy_3"},
    {"bonus_place_in_2", "bonus_place_in_3"},   {"bonus_ispy_5", "bonus_ispy_4"},
};

bool OnMap(int stageNumber) {
  return stageNumber >= kFirstStage && stageNumber <= kLastStage;
}

// The keys of the stages on the map, in plain string order.
std::vector<std::string> MapStageKeys() {
  std::vector<std::string> keys;
  for (const auto& [key, stage] : StageTable)
    if (OnMap(stage.StageNumber)) keys.push_back(key);
  std::sort(keys.begin(), keys.end());
  return keys;
}

// The profile's stage among the keys; a stage that is not there becomes the reached one, or
// the first, so that the carousel always has a chosen place.
std::size_t ChosenStage(const std::vector<std::string>& keys, int reached) {
  std::string& stageKey = CurrentProfile().StageKey;
  auto at = std::find(keys.begin(), keys.end(), stageKey);
  if (at == keys.end()) {
    at = std::find(keys.begin(), keys.end(), GetStageKey(reached));
    if (at == keys.end()) at = keys.begin();
    stageKey = *at;
  }
  return static_cast<std::size_t>(at - keys.begin());
}

}  // namespace

GF::THolder<GF::IScreen> CMapScreen::Create() {
  return GF::MakeHolder<CMapScreen>();
}

CMapScreen::CMapScreen() {
  m_stages.GetControlEvent().Subscribe(GF::MakeDelegate(this, &CMapScreen::OnStageEvent));
  PlayerProfile& profile = CurrentProfile();
  profile.Floats[ProfileFloat::Value35] = 0.0f;
  profile.Floats[ProfileFloat::Value17] = 0.0f;
}

void CMapScreen::OnInit() {
  PlayMusic(kMusic);
  CCurtainScreen::OnInit();
  AddMenuItems(*this, kItems);
  if (CheatModeEnabled) AddShortcuts(*this, kCheatKeys);
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
  MakeBackground();
  LayOutStages();
  SyncStageUpgrade(false);
}

void CMapScreen::MakeBackground() {
  m_background = CDeformGrid::Create();
  m_background->SetPosition(0.0f, 0.0f);
  m_background->SetDisplacementScale(1.0f, 1.0f);
  const auto table = GridAnimationTable.find(kBackgroundTable);
  m_background->SetGrid(kBackground, kBackgroundPeriod,
                        table != GridAnimationTable.end() ? &table->second : nullptr);
  if (hgeMeshGrid* mesh = m_background->GetMesh())
    mesh->SetTextureRect(0.0f, 0.0f, kBackgroundWidth, kBackgroundHeight);
  m_background->SetColor(kBackgroundTint);
  GetScene()->AddDrawable(GF::IAnimation::DrawablePtr(m_background.Get()));
}

void CMapScreen::LayOutStages() {
  PlayerProfile& profile = CurrentProfile();
  const int reached = IntegerPart(profile.Floats[ProfileFloat::StageNumber]);
  const int opening = IntegerPart(profile.Floats[ProfileFloat::Value36]);
  const std::vector<std::string> keys = MapStageKeys();
  if (keys.empty()) return;
  // From the chosen stage round to the one before it: the chosen place comes first.
  const std::size_t first = ChosenStage(keys, reached);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::string& key = keys[(first + i) % keys.size()];
    const int number = GetStageNumber(key);
    AddStagePlace(key, number <= reached, opening > 0 && number == opening);
  }
  m_stages.Layout(kRadiusX, kRadiusY, kTwoPi / static_cast<float>(keys.size()), kCentreX, kCentreY);
  PlaceLevelRibbons();
  for (const std::string& key : keys) {
    if (GetStageNumber(key) > reached) continue;
    if (const GF::THolder<CLevelMapStrategy> levels = m_stages.GetLevelStrategy(key))
      levels->Layout(kRibbonRadius, kRibbonRadius, kRibbonStep, 0.0f, 0.0f);
  }
}

void CMapScreen::AddStagePlace(const std::string& key, bool unlocked, bool opening) {
  const AnimationPtr place =
      GetScene()->CreateAnimation("ProgressMap.stage_" + std::to_string(GetStageNumber(key)));
  if (place) place->SetScale(1.0f, 1.0f);
  m_stages.AddStage(key, place, unlocked, opening);
}

void CMapScreen::PlaceLevelRibbons() {
  PlayerProfile& profile = CurrentProfile();
  for (const auto& [levelKey, record] : profile.LevelRecords) {
    if (record.BestPlace < 1 || record.BestPlace > 3) continue;
    std::string& fresh = profile.Strings[ProfileString::Value33];
    const bool isNew = fresh == levelKey;
    if (isNew) fresh.clear();
    AddLevelRibbon(FindLevel(levelKey).StageKey, levelKey, record.BestPlace, isNew);
  }
}

void CMapScreen::AddLevelRibbon(const std::string& stageKey, const std::string& levelKey, int place,
                                bool isNew) {
  if (GetStageNumber(stageKey) <= 0) return;
  const AnimationPtr stage = m_stages.GetPlaceObject(stageKey);
  const GF::THolder<CLevelMapStrategy> levels = m_stages.GetLevelStrategy(stageKey);
  if (!stage || !levels) return;
  const GF::IAnimation::ParentPtr host(stage->FindDrawable("_level_place"));
  if (!host) return;
  levels->AddLevel(host->AddSubstitutedAnimation("ProgressMap.ribbon_" + std::to_string(place)),
                   levelKey, isNew);
}

bool CMapScreen::Update(const float& dt) {
  m_scroll -= dt * kScrollSpeed;
  if (hgeMeshGrid* mesh = m_background ? m_background->GetMesh() : nullptr) {
    const auto width = static_cast<float>(m_background->GetTextureWidth());
    if (width > 0.0f && m_scroll <= -width) m_scroll += width;
    mesh->SetTextureRect(m_scroll, 0.0f, kBackgroundWidth, kBackgroundHeight);
  }
  return CCurtainScreen::Update(dt);
}

bool CMapScreen::IdleUpdate(const float& dt) {
  if (m_result != kPlay && !m_stages.Tick(dt)) GoTo(kPlay, kUsualFlags);
  return CCurtainScreen::IdleUpdate(dt);
}

void CMapScreen::OnCommand(const std::string& command) {
  CCurtainScreen::OnCommand(command);
  if (command == kPlay && ChooseReplay()) return;
  if (m_result.find(kBonus) != std::string::npos) {
    ChooseBonusLevel();
    return;
  }
  if (command == kPlay && CurrentProfile().Strings[ProfileString::LevelKeyOverride].empty() &&
      IsDialogDue())
    m_command = m_result = kDialog;
}

bool CMapScreen::ChooseReplay() {
  PlayerProfile& profile = CurrentProfile();
  std::string& level = profile.Strings[ProfileString::LevelKeyOverride];
  const int reached = IntegerPart(profile.Floats[ProfileFloat::StageNumber]);
  const bool replay = level.empty() && (GetStageKey(reached) != profile.StageKey ||
                                        profile.Floats[ProfileFloat::Value34] != 0.0f);
  if (!replay) return false;
  level = profile.StageKey + "_" + std::to_string(LevelCountOfStage(profile.StageKey));
  profile.Floats[ProfileFloat::Value35] = 1.0f;
  return true;
}

void CMapScreen::ChooseBonusLevel() {
  PlayerProfile& profile = CurrentProfile();
  const int stage = GetStageNumber(profile.StageKey);
  if (stage < 1 || stage > static_cast<int>(std::size(kBonusLevels))) return;
  const BonusRow& row = kBonusLevels[stage - 1];
  profile.Strings[ProfileString::LevelKeyOverride] = m_result == kBonus ? row.first : row.second;
  profile.Floats[ProfileFloat::Value35] = 1.0f;
  m_command = m_result = kPlay;
}

bool CMapScreen::IsDialogDue() {
  PlayerProfile& profile = CurrentProfile();
  const int next = IntegerPart(profile.Floats[ProfileFloat::StoryProgress]);
  const int level = IntegerPart(profile.Floats[ProfileFloat::LevelInStage] - 1.0f);
  const int stage = IntegerPart(profile.Floats[ProfileFloat::StageNumber]);
  const int count = static_cast<int>(DialogRecords.size());
  if (next < 0 || next >= count) return false;
  int i = next;
  while (i < count && DialogRecords[static_cast<std::size_t>(i)].StageNumber < stage) ++i;
  if (i == count) return false;
  profile.Floats[ProfileFloat::StoryProgress] = static_cast<float>(i);
  const DialogRecord& record = DialogRecords[static_cast<std::size_t>(i)];
  return level + 1 <= LevelCountOfStage(GetStageKey(stage)) && record.StageNumber == stage &&
         record.LevelIndex == level;
}

void CMapScreen::OnStageEvent(int code) {
  if (code == 0 || code == 1) SetControlsEnabled(code == 0);
}

void CMapScreen::SetControlsEnabled(bool enabled) {
  for (const MenuItemRow& item : kItems)
    if (const GF::THolder<GF::HGENS::CBaseControl> control = GetControl(item.control))
      control->SetEnabled(enabled);
}
