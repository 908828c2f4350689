#include "game/screens/CGameScreen.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/ProfileFloat.h"
#include "game/app/ProfileString.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CDiferenceGameField.h"
#include "game/kitchen/CGameField.h"
#include "game/kitchen/CISpyBonusGameField.h"
#include "game/kitchen/CPlaceInBonusGameField.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/screens/MenuRows.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = CGameScreen::AnimationPtr;

// The field of each bonus level type, whose curtain stays away; any other type is a kitchen.
struct FieldRow {
  const char* type;
  CGameScreen::FieldPtr (*create)();
  bool noEffect;
};
constexpr FieldRow kFields[] = {
    {"bonus_diference", CDiferenceGameField::Create, true},
    {"bonus_place_in", CPlaceInBonusGameField::Create, true},
    {"bonus_ispy", [] { return CISpyBonusGameField::Create(false); }, true},
    {"bonus_ispy_dark", [] { return CISpyBonusGameField::Create(true); }, true},
};

constexpr const char* kDifferenceType = "bonus_diference";
// The one kitchen level that opens without the curtain.
constexpr const char* kNoCurtainKitchen = "stage7_1";
constexpr const char* kPauseOverlay = "pause_screen";
constexpr int kPauseOverlayLayer = 10000000;
constexpr const char* kDifferenceCursor = "cursor.custom_2";

constexpr MenuItemRow kItems[] = {{"menu", "menu"}, {"help", "help"}};
constexpr ShortcutRow kKeys[] = {{ScreenKey::kEscape, "menu"}};

// The places that book a level's recipes: a podium place, or a duel won.
bool StoresRecipes(float place) {
  return place < 4.0f || place == 201.0f;
}

// The right picture of a spot-the-difference level lies over the left one: the field sees
// a click there at the left picture's point.
void FoldMouseOntoLeftPicture() {
  GF::CMouse& mouse = *GF::HGENS::GetMouse();
  if (mouse.x < 0 || mouse.x > 800 || mouse.x <= 400) return;
  mouse.x -= 400;
  mouse.fx -= 400.0f;
}

}  // namespace

GF::THolder<GF::IScreen> CGameScreen::Create() {
  return GF::MakeHolder<CGameScreen>();
}

CGameScreen::~CGameScreen() {
  UnsubscribeEvents();
}

void CGameScreen::BookLevelEnd(const LevelDescription& level, PlayerProfile& profile) {
  if (StoresRecipes(profile.Floats[ProfileFloat::CurrentPlace])) {
    StoreLevelResults(level, profile);
  } else {
    profile.Floats[ProfileFloat::NewRecipeCount] = 0.0f;
  }
}

void CGameScreen::StoreLevelResults(const LevelDescription& level, PlayerProfile& profile) {
  bool first = true;
  const bool value = profile.Floats[ProfileFloat::StageNumber] != 0.0f;
  for (const LevelOrderRecord& order : level.Orders) {
    if (order.OrderType != 0 && order.OrderType != 101) continue;
    if (profile.Unlocked.contains(order.RecipeKey)) continue;
    if (std::exchange(first, false)) profile.NewRecipes().clear();
    profile.NewRecipes().push_back(order.RecipeKey);
    profile.Unlocked[order.RecipeKey] = value;
  }
  profile.Floats[ProfileFloat::NewRecipeCount] = static_cast<float>(profile.NewRecipes().size());
}

bool CGameScreen::Update(const float& dt) {
  if (IsSpotTheDifference()) FoldMouseOntoLeftPicture();
  return CCurtainLevelScreen::Update(dt);
}

void CGameScreen::OnInit() {
  CCurtainLevelScreen::OnInit();
  CreatePauseOverlay();
  SubscribeEvents();
  CreateButton("hint")->clickEvent.Subscribe(GF::MakeDelegate(this, &CGameScreen::OnHintClicked));
  AddMenuItems(*this, kItems);
  AddShortcuts(*this, kKeys);
  m_levelKey = GetCurrentLevelKey();
  CurrentProfile().Strings[ProfileString::CurrentLevelKey] = m_levelKey;
  PlayStageMusic();
  m_field = CreateField();
  SetLevelInterfaceLayer(GetScene());
  m_field->BuildHUD(GetLayout(), GF::THolder<GF::IScreen>(this));
  m_background = LoadLevelScene();
  const GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
  m_onResume = GF::MakeDelegate(this, &CGameScreen::OnResume);
  m_onSuspend = GF::MakeDelegate(this, &CGameScreen::OnSuspend);
  manager->ResumeEvent().Subscribe(m_onResume);
  manager->SuspendEvent().Subscribe(m_onSuspend);
}

void CGameScreen::CreatePauseOverlay() {
  m_pauseOverlay = GetScene()->CreateAnimation(kPauseOverlay);
  if (!m_pauseOverlay) return;
  m_pauseOverlay->SetVisible(false);
  m_pauseOverlay->SetLayer(kPauseOverlayLayer);
  m_pauseOverlay->SetPosition(400.0f, 300.0f);
  m_pauseOverlay->Play("_show", 0, false);
  m_pauseOverlay->SkipToEnd();
}

void CGameScreen::SubscribeEvents() {
  const GF::THolder<GF::CKeyset> keyset = GF::HGENS::GetKeyset();
  m_onKeyDown = GF::MakeDelegate(this, &CGameScreen::OnKeyDown);
  m_onKeyUp = GF::MakeDelegate(this, &CGameScreen::OnKeyUp);
  keyset->Pressed().Subscribe(m_onKeyDown);
  keyset->Released().Subscribe(m_onKeyUp);
}

// Each holder is dropped once its delegate has left its event, so a second call does nothing.
void CGameScreen::UnsubscribeEvents() {
  if (m_onKeyDown) {
    const GF::THolder<GF::CKeyset> keyset = GF::HGENS::GetKeyset();
    keyset->Pressed().RemoveDelegate(m_onKeyDown);
    keyset->Released().RemoveDelegate(m_onKeyUp);
    m_onKeyDown.Reset();
    m_onKeyUp.Reset();
  }
  if (m_onResume) {
    const GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
    manager->ResumeEvent().RemoveDelegate(m_onResume);
    manager->SuspendEvent().RemoveDelegate(m_onSuspend);
    m_onResume.Reset();
    m_onSuspend.Reset();
  }
}

void CGameScreen::PlayStageMusic() const {
  const int stage = GetStageNumber(CurrentProfile().StageKey);
  if (stage != 0) {
    PlayMusic("musik_" + std::to_string(stage));
  } else {
    StopMusic();
  }
}

CGameScreen::FieldPtr CGameScreen::CreateField() {
  m_levelType = FindLevel(m_levelKey).LevelType();
  const auto row = std::find_if(std::begin(kFields), std::end(kFields),
                                [&](const FieldRow& r) { return m_levelType == r.type; });
  if (row == std::end(kFields)) {
    SetNoEffect(m_levelKey == kNoCurtainKitchen);
    return FieldPtr(CGameField::Create());
  }
  SetNoEffect(row->noEffect);
  return row->create();
}

AnimationPtr CGameScreen::LoadLevelScene() {
  m_field->LoadLevel(m_levelKey);
  const LevelDescription* level = m_field->GetLevelDescription();
  if (!level || level->SceneAnimationName().empty()) return nullptr;
  const AnimationPtr background = GetScene()->CreateAnimation(level->SceneAnimationName());
  if (!background) return nullptr;
  const GF::THolder<GF::CGameProperties> properties = GF::HGENS::GetGameProperties();
  background->SetPosition(static_cast<float>(properties->GetScreenWidth()) * 0.5f,
                          static_cast<float>(properties->GetScreenHeight()) * 0.5f);
  background->Play("all", 0, false);
  m_field->SetupPlates(background);
  return background;
}

bool CGameScreen::IdleUpdate(const float& dt) {
  if (!CCurtainLevelScreen::IdleUpdate(dt)) return false;
  (this->*m_levelCallback)(dt);
  return true;
}

void CGameScreen::UpdateLevel(const float& dt) {
  m_field->Update(dt);
  if (!m_field->IsFinished()) return;
  BookLevelEnd(FindLevel(m_levelKey), CurrentProfile());
  GoTo("exit", kUsualFlags);
  m_levelCallback = &CGameScreen::LevelOver;
}

void CGameScreen::OnCommand(const std::string& command) {
  // Closing the window during the intro ends the game; later the rules decide (the exit
  // question).
  if (command == "quit" && m_field && !m_field->IsIntroDone()) m_command = m_result = "force_quit";
  CCurtainLevelScreen::OnCommand(m_result);
}

void CGameScreen::OnShown() {
  CCurtainLevelScreen::OnShown();
  GF::HGENS::ParticleRegistry::Instance().enabled = true;
  m_field->SetPause(false);
}

void CGameScreen::StartHide() {
  CCurtainLevelScreen::StartHide();
  if (!m_field) return;
  GF::HGENS::ParticleRegistry::Instance().enabled = false;
  m_field->SetPause(true);
}

void CGameScreen::OnResume() {}

void CGameScreen::OnSuspend() {
  const GF::THolder<GF::IScene> scene = GetScene();
  if (!scene) return;
  if (m_pauseOverlay) m_pauseOverlay->SetVisible(true);
  scene->Update(0.0f);
  Engine* engine = hgeCreate(ENGINE_VERSION);
  if (engine->BeginScene(0)) {
    scene->Render();
    engine->EndScene();
  }
  engine->Release();
  if (m_pauseOverlay) m_pauseOverlay->SetVisible(false);
}

void CGameScreen::OnActivate() {
  CCurtainLevelScreen::OnActivate();
  m_customCursorOn = CurrentProfile().Floats[ProfileFloat::CustomCursor] != 0.0f;
  SetDifferenceCursor(true);
}

void CGameScreen::OnDeactivate() {
  CCurtainLevelScreen::OnDeactivate();
  SyncStageUpgrade(true);
  SetDifferenceCursor(false);
}

void CGameScreen::SetDifferenceCursor(bool on) const {
  if (!IsSpotTheDifference() || m_customCursorOn) return;
  const GF::THolder<GF::HGENS::ICustomCursor> cursor = GF::HGENS::GetCustomCursor();
  if (!cursor) return;
  if (on) {
    cursor->Enable(kDifferenceCursor);
  } else {
    cursor->Disable();
  }
}

void CGameScreen::OnDestroy() {
  UnsubscribeEvents();
  if (m_background) m_background->Detach();
  m_background.Reset();
  if (m_field) m_field->Shutdown();
  m_field.Reset();
  GF::HGENS::ParticleRegistry::Instance().enabled = true;
  // The level's sprites go with this scene, not into the next screen's.
  if (GetLevelInterfaceLayer() == GetScene()) SetLevelInterfaceLayer(nullptr);
}

void CGameScreen::OnKeyDown(int key) {
  if (IsPlaying()) m_field->OnKeyDown(key);
}

void CGameScreen::OnKeyUp(int key) {
  if (IsPlaying()) m_field->OnKeyUp(key);
}

void CGameScreen::OnHintClicked(GF::THolder<GF::HGENS::CBaseControl>, const GF::TPoint<int>&, int) {
  m_field->UseHint();
}

bool CGameScreen::IsPlaying() const {
  return IsStateHandler(&CGameScreen::IdleUpdate) &&
         GF::HGENS::GetGameManager()->TopScreen().Get() == this;
}

bool CGameScreen::IsSpotTheDifference() const {
  return m_levelType == kDifferenceType;
}
