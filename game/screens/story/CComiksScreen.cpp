#include "game/screens/story/CComiksScreen.h"

#include <cstring>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"

namespace {

constexpr const char* kOpening = "comics.comics_1";
constexpr const char* kSecond = "comics.comics_2";
constexpr const char* kOpeningSeen = "comics_1";
constexpr const char* kClosing = "comics_3";
constexpr const char* kMenuMusic = "music_game_menu";
constexpr int kLeftButton = 18;
constexpr float kPartRest = 1000.0f;    // ms after a part before the next click counts
constexpr float kMusicDelay = 7000.0f;  // ms of the closing comic before the music

}  // namespace

GF::THolder<GF::IScreen> CComiksScreen::Create() {
  return GF::MakeHolder<CComiksScreen>();
}

CComiksScreen::CComiksScreen() : m_keyHandler(GF::MakeDelegate(this, &CComiksScreen::OnKey)) {}

std::string CComiksScreen::ChooseLayout(const std::string& requested,
                                        const PlayerProfile& profile) {
  const auto seen = profile.Flags.find(kOpeningSeen);
  return requested == kOpening && seen != profile.Flags.end() && seen->second ? kSecond : requested;
}

void CComiksScreen::Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
                         const char* parameter) {
  CCurtainScreen::Init(ChooseLayout(layout, CurrentProfile()), scene, parameter);
}

void CComiksScreen::OnActivate() {
  GF::HGENS::GetKeyset()->Pressed().Subscribe(m_keyHandler);
  CCurtainScreen::OnActivate();
}

void CComiksScreen::OnDeactivate() {
  StopWatchingKeys();
  CCurtainScreen::OnDeactivate();
}

void CComiksScreen::OnDestroy() {
  // A comic that makes way for the next screen is destroyed without a deactivation.
  StopWatchingKeys();
  CCurtainScreen::OnDestroy();
}

void CComiksScreen::StopWatchingKeys() {
  GF::HGENS::GetKeyset()->Pressed().RemoveDelegate(m_keyHandler);
}

void CComiksScreen::OnInit() {
  CCurtainScreen::OnInit();
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
  // The layout's parts share one clock with "_show": the first part waits for the first
  // idle frame.
  if (GetLayout()) Append(MakeWaitAction(0.0f));
  ShowNextPart();
  if (IsClosingComic()) {
    StopMusic();
    Run(MakeWaitAction(kMusicDelay))->AddNext(MakePlaySoundAction(kMenuMusic, false));
  } else {
    PlayMusic(kMenuMusic);
  }
}

void CComiksScreen::OnShown() {
  CCurtainScreen::OnShown();
  if (IsClosingComic()) PlaySoundByName("Game_won");
}

bool CComiksScreen::IdleUpdate(const float& dt) {
  CActionWorker::Update(dt);
  return CCurtainScreen::IdleUpdate(dt);
}

void CComiksScreen::OnKey(int key) {
  // A click counts only on the open comic with its last part played and rested; one while it
  // leaves would send its "ok" again.
  if (key != kLeftButton || GetTail() || !m_result.empty()) return;
  if (!IsStateHandler(&CComiksScreen::IdleUpdate)) return;
  ShowNextPart();
}

void CComiksScreen::ShowNextPart() {
  const std::string part = "_part_" + std::to_string(m_partNumber++);
  const AnimationPtr layout = GetLayout();
  const GF::THolder<GF::IAnimationData> data = layout ? layout->GetAnimationData() : nullptr;
  if (data && data->GetNamedPart(part)) {
    Append(MakeAnimationWaitAction(layout, part, 0, false));
    Append(MakeWaitAction(kPartRest));
    return;
  }
  // The comic is over: it counts as seen.
  if (layout && layout->GetName()) CurrentProfile().Flags[layout->GetName()] = true;
  SaveProfiles();
  GoTo("ok", kUsualFlags);
}

bool CComiksScreen::IsClosingComic() const {
  const AnimationPtr layout = GetLayout();
  return layout && layout->GetName() && std::strcmp(layout->GetName(), kClosing) == 0;
}
