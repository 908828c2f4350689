#include "game/screens/CWindowShadesEffect.h"

#include <algorithm>

#include "framework/engine/scene/CScene.h"
#include "framework/engine/scene/CSpriteObject.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "platform/Engine.h"

namespace {

constexpr const char* kCloth = "effects.shtora";
constexpr int kCurtainLayerOffset = 2000;  // above every screen's layout
constexpr GF::TRect<int> kLeftRect{-30, -1, 410, 601};
// Negative width: the cloth runs from 830 leftwards and is drawn mirrored.
constexpr GF::TRect<int> kRightRect{830, -1, 410, 601};
constexpr float kRightHalfPace = 0.9f;  // the right half ends in nine tenths of the time
constexpr std::int32_t kCurtainSound = 0;

GF::THolder<CWindowShadesEffect>& SharedCurtain() {
  static GF::THolder<CWindowShadesEffect> curtain;
  return curtain;
}

void Log(const char* line) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("%s", line);
  engine->Release();
}

// The drawable halves as a scene lists them.
GF::IScene::DrawablePtr AsDrawable(const GF::THolder<CWaveEffect>& half) {
  return GF::IScene::DrawablePtr(static_cast<GF::IDrawable*>(half.Get()));
}

}  // namespace

GF::THolder<CWindowShadesEffect> CWindowShadesEffect::Create() {
  GF::THolder<CWindowShadesEffect>& curtain = SharedCurtain();
  if (!curtain) curtain = GF::MakeHolder<CWindowShadesEffect>();
  return curtain;
}

void CWindowShadesEffect::ReleaseShared() {
  GF::THolder<CWindowShadesEffect>& curtain = SharedCurtain();
  if (!curtain) return;
  curtain->RemoveFromScene(curtain->m_scene);
  curtain->m_scene.Reset();
  curtain.Reset();
}

CWindowShadesEffect::CWindowShadesEffect() {
  BuildCurtains();
}

void CWindowShadesEffect::BuildCurtains() {
  const GF::THolder<GF::HGENS::CScene> scene = GF::MakeHolder<GF::HGENS::CScene>();
  const GF::IScene::AnimationPtr cloth = scene->CreateAnimation(kCloth);
  const GF::IAnimation::DrawablePtr drawable =
      cloth ? (cloth->Update(0.0f), cloth->GetDrawable(0)) : GF::IAnimation::DrawablePtr();
  const auto* sprite = dynamic_cast<GF::HGENS::CSpriteObject*>(drawable.Get());
  if (!sprite || !sprite->GetSprite()) {
    Log("[W] CURTAIN effects.shtora NOT FOUND");
  } else {
    const int layer = ScreenLayerBase + kCurtainLayerOffset;
    m_left = CWaveEffect::Create(layer, *sprite->GetSprite(), kLeftRect);
    m_right = CWaveEffect::Create(layer, *sprite->GetSprite(), kRightRect);
  }
  if (cloth) cloth->Clear();
}

void CWindowShadesEffect::Start(int mode, float duration) {
  PlayerProfile& profile = CurrentProfile();
  if (mode == kOpening) {
    m_request = std::exchange(profile.Strings[ProfileString::ShadesShowRequest], "");
    profile.Floats[ProfileFloat::ShadesShowParam] = 0.0f;
  } else if (mode == kClosing) {
    m_request = std::exchange(profile.Strings[ProfileString::ShadesHideRequest], "");
    profile.Floats[ProfileFloat::ShadesHideParam] = 0.0f;
  }
  int direction = 0;
  if (m_request.find("open") != std::string::npos) {
    direction = kOpening;
  } else if (m_request.find("close") != std::string::npos) {
    direction = kClosing;
  }
  if (direction == 0 || direction == m_lastDirection) return;
  m_lastDirection = direction;
  if (mode != kOpening && mode != kClosing) return;
  if (m_left) m_left->Start(m_request, duration);
  if (m_right) m_right->Start(m_request, duration * kRightHalfPace);
  PlaySoundById(kCurtainSound);
}

float CWindowShadesEffect::GetProgress() const {
  if (!m_left || !m_right) return 1.0f;
  return std::min(m_left->GetProgress(), m_right->GetProgress());
}

void CWindowShadesEffect::SetScene(const GF::THolder<GF::IScene>& scene) {
  if (scene == m_scene) return;
  m_scene = scene;
  if (!m_scene || !m_left) return;
  m_scene->AddDrawable(AsDrawable(m_left));
  m_scene->AddDrawable(AsDrawable(m_right));
}

void CWindowShadesEffect::RemoveFromScene(const GF::THolder<GF::IScene>& scene) {
  if (!scene || scene != m_scene || !m_left) return;
  m_scene->RemoveDrawable(AsDrawable(m_left));
  m_scene->RemoveDrawable(AsDrawable(m_right));
}

void CWindowShadesEffect::SetShown(bool shown) {
  if (!m_left) return;
  m_left->SetShown(shown);
  m_right->SetShown(shown);
}
