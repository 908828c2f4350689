#include "game/kitchen/CInGameHintStrategy.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TRect.h"
#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/HintWindow.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/kitchen/ScreenSize.h"

namespace {

constexpr const char* kTextBalloon = "interfaces.lili_text";
constexpr float kSelfClosingSpeed = 0.3f;
constexpr float kHiddenSpeed = 7.0f;  // an early-hidden self-closing balloon hurries to its end
constexpr int kGapOverCook = 5;
constexpr const char* kHintScreen = "HintScreen";
constexpr int kHintScreenSound = 13;
constexpr std::int32_t kTwoOrdersTip = 13;  // its target is the first order's bubble

}  // namespace

GF::THolder<CHintStrategyBase> CInGameHintStrategy::Create(GF::THolder<CGameFieldBase> field,
                                                           GF::THolder<CPers> cook) {
  return GF::THolder<CHintStrategyBase>(new CInGameHintStrategy(std::move(field), std::move(cook)));
}

CInGameHintStrategy::CInGameHintStrategy(GF::THolder<CGameFieldBase> field, GF::THolder<CPers> cook)
    : m_field(std::move(field)), m_cook(std::move(cook)) {
  m_balloonTemplate.marginX = 28;
  m_balloonTemplate.marginY = 13;
  m_balloonTemplate.textName = kTextBalloon;
  m_balloonTemplate.backingName = "interfaces.lili_baloon_podkladka";
  m_balloonTemplate.scene = GetLevelInterfaceLayer();
}

CInGameHintStrategy::~CInGameHintStrategy() {
  if (m_hintScreen)
    m_hintScreen->DeactivateEvent().RemoveDelegate(
        GF::MakeDelegate(this, &CInGameHintStrategy::OnHintScreenClosed));
  for (const AnimationPtr& balloon : m_pendingBalloons) {
    balloon->GetFinishedEvent().RemoveDelegate(
        GF::MakeDelegate(this, &CInGameHintStrategy::OnBalloonClosed));
  }
}

void CInGameHintStrategy::Show(const TipRecord& tip) {
  if (tip.ShowInWindow) {
    OpenHintScreen(tip);
  } else {
    ShowBalloon(tip);
  }
}

void CInGameHintStrategy::OpenHintScreen(const TipRecord& tip) {
  const GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
  manager->ShowScreen(kHintScreen, tip.SecondName, GetLevelInterfaceLayer(), nullptr);
  const GF::THolder<GF::IScreen> screen = manager->TopScreen();
  if (!screen || screen->GetName() != kHintScreen) {
    InGameTips.OnTipClosed();
    return;
  }
  m_hintScreen = screen;
  screen->DeactivateEvent().Subscribe(
      GF::MakeDelegate(this, &CInGameHintStrategy::OnHintScreenClosed));
  if (m_cook) m_cook->SetPaused(true);
  ShowSpeechBalloon(L"", {}, *m_field);
  CurrentHint() = m_field;
  HintTargetRect = HintTarget(tip);
  PlaySoundById(kHintScreenSound);
}

GF::TRect<float> CInGameHintStrategy::HintTarget(const TipRecord& tip) const {
  if (tip.TriggerId != kTwoOrdersTip) return {};
  const CReceptPanel* panel = m_field->GetReceptPanel();
  const GF::THolder<CZacaz> first = panel ? panel->GetFirstOrder() : nullptr;
  const AnimationPtr bubble = first ? first->GetBubble() : nullptr;
  if (!bubble) return {};
  GF::TRect<int> bounds;
  bubble->GetBoundingRect(bounds);
  return {static_cast<float>(bounds.left), static_cast<float>(bounds.top),
          static_cast<float>(bounds.right), static_cast<float>(bounds.bottom)};
}

void CInGameHintStrategy::OnHintScreenClosed(GF::THolder<GF::IScreen> screen) {
  // Reporting the end may show the next tip; the strategy must outlive the call.
  const GF::THolder<CInGameHintStrategy> self(this);
  screen->DeactivateEvent().RemoveDelegate(
      GF::MakeDelegate(this, &CInGameHintStrategy::OnHintScreenClosed));
  m_hintScreen.Reset();
  if (screen->GetResult() != "back") return;
  if (m_cook) m_cook->SetPaused(false);
  CReceptPanel* panel = m_field->GetReceptPanel();
  if (HintTargetClicked && panel) panel->SelectOrder(panel->GetFirstOrder());
  InGameTips.OnTipClosed();
}

void CInGameHintStrategy::Hide(const TipRecord&) {
  HideLastingBalloon();
  if (m_selfClosingBalloon) {
    m_selfClosingBalloon->SetSpeed(kHiddenSpeed);
    m_selfClosingBalloon.Reset();
  }
}

void CInGameHintStrategy::ShowBalloon(const TipRecord& tip) {
  ShowSpeechBalloon(L"", {}, *m_field);
  HideLastingBalloon();
  AnimationPtr balloon = CreateBalloon(tip);
  if (!balloon) return;
  PlaceOverCook(balloon);
  balloon->SetLayer(HudLayerBase);
  if (!tip.PlaysOnce) {
    balloon->Play("_show", 0, false);
    m_lastingBalloon = std::move(balloon);
    return;
  }
  balloon->Play("all", 1, true);
  balloon->SetSpeed(kSelfClosingSpeed);
  balloon->GetFinishedEvent().Subscribe(
      GF::MakeDelegate(this, &CInGameHintStrategy::OnBalloonClosed));
  m_pendingBalloons.push_back(balloon);
  m_selfClosingBalloon = std::move(balloon);
}

CInGameHintStrategy::AnimationPtr CInGameHintStrategy::CreateBalloon(const TipRecord& tip) const {
  const std::wstring text = GF::HGENS::GetResources()->GetText(tip.Name);
  if (tip.SecondName == kTextBalloon) return SetObjectText(m_balloonTemplate, text, true);
  if (!m_balloonTemplate.scene) return nullptr;
  AnimationPtr balloon = m_balloonTemplate.scene->CreateAnimation(tip.SecondName);
  if (balloon) balloon->SetText("_text", text);
  return balloon;
}

void CInGameHintStrategy::PlaceOverCook(const AnimationPtr& balloon) const {
  balloon->Update(0.0f);
  GF::TRect<int> own;
  balloon->GetBoundingRect(own);
  GF::TRect<int> cook;
  if (const AnimationPtr figure = m_cook ? m_cook->GetAnimation() : nullptr) {
    figure->GetBoundingRect(cook);
  }
  // A wide tip over a cook near a side of the floor would run off the screen: it stays whole.
  const float lowest = static_cast<float>(-own.left);
  const float x = std::clamp(static_cast<float>((cook.left + cook.right) / 2), lowest,
                             std::max(lowest, kScreenWidth - static_cast<float>(own.right)));
  balloon->SetPosition(x, static_cast<float>(cook.top - own.bottom - kGapOverCook));
}

void CInGameHintStrategy::HideLastingBalloon() {
  if (!m_lastingBalloon) return;
  m_lastingBalloon->Play("_hide", 1, true);
  m_lastingBalloon.Reset();
}

void CInGameHintStrategy::OnBalloonClosed(AnimationPtr balloon) {
  // Reporting the end may show the next tip; the strategy must outlive the call.
  const GF::THolder<CInGameHintStrategy> self(this);
  balloon->GetFinishedEvent().RemoveDelegate(
      GF::MakeDelegate(this, &CInGameHintStrategy::OnBalloonClosed));
  std::erase(m_pendingBalloons, balloon);
  m_selfClosingBalloon.Reset();
  InGameTips.OnTipClosed();
}
