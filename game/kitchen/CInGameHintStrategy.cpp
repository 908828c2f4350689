#include "game/kitchen/CInGameHintStrategy.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TRect.h"
#include "framework/engine/resources/CResource.h"
#include "game/app/GameData.h"
#include "game/kitchen/CInGameTips.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

constexpr const char* kTextBalloon = "interfaces.lili_text";
constexpr float kSelfClosingSpeed = 0.3f;
constexpr float kHiddenSpeed = 7.0f;  // an early-hidden self-closing balloon hurries to its end
constexpr int kGapOverCook = 5;

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
  for (const AnimationPtr& balloon : m_pendingBalloons) {
    balloon->GetFinishedEvent().RemoveDelegate(
        GF::MakeDelegate(this, &CInGameHintStrategy::OnBalloonClosed));
  }
}

void CInGameHintStrategy::Show(const TipRecord& tip) {
  if (!tip.ShowInWindow) {
    ShowBalloon(tip);
    return;
  }
  // No hint window can open over the level: the tip closes at once, so that its follow-up
  // still shows and no tip stays pending.
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
  balloon->SetPosition(static_cast<float>((cook.left + cook.right) / 2),
                       static_cast<float>(cook.top - own.bottom - kGapOverCook));
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
