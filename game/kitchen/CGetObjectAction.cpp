#include "game/kitchen/CGetObjectAction.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <utility>

#include "framework/core/IScene.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CWorkObjectAction.h"
#include "game/kitchen/MotionSetters.h"
#include "game/kitchen/ScreenSize.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr int kSeriesSound = 31;
constexpr int kSignAbove = 5;
constexpr int kBonusAboveHud = 5000;

float EngineTime() {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  const float now = engine->GetTime();
  engine->Release();
  return now;
}

std::span<const GF::TPoint<float>> SpiralPath() {
  const auto found = MotionPathTable.find("spiral");
  if (found == MotionPathTable.end()) return {};
  return found->second.Points;
}

}  // namespace

// ---- Click series ---------------------------------------------------------------------------

const IntFloatPair* CClickSeries::Count(float now) {
  const IntFloatPair* reached = nullptr;
  if (now - m_last < ComboClickWindow / 1000.0f) {
    ++m_count;
    for (const IntFloatPair& entry : ComboBonusTable) {
      if (entry.Count != m_count) continue;
      reached = &entry;
      m_count = 0;
    }
  } else {
    m_count = 1;
  }
  m_last = now;
  return reached;
}

CClickSeries& CClickSeries::Instance() {
  static CClickSeries series;
  return series;
}

// ---- The fetch ------------------------------------------------------------------------------

CGetObjectAction::CGetObjectAction(GF::THolder<CCookObject> object, GF::THolder<CZacaz> order,
                                   int item)
    : m_item(item),
      m_object(std::move(object)),
      m_order(std::move(order)),
      m_orderField(m_order ? m_order->GetField() : GF::THolder<CGameFieldBase>()) {
  ShowClickSign();
  if (m_order && m_order->GetType() == 0) CountClick();
}

void CGetObjectAction::ShowClickSign() const {
  const AnimationPtr look = m_object ? m_object->HolderGetCast() : AnimationPtr();
  const GF::THolder<GF::IScene> scene = look ? look->GetScene() : nullptr;
  const AnimationPtr sign = scene ? scene->CreateAnimation("interfaces.sign") : AnimationPtr();
  if (!sign) return;
  const int layer = std::abs(look->GetLayer()) + kSignAbove;
  const GF::IAnimation::ParentPtr place(look->FindDrawable("_sign_place"));
  if (place) {
    const GF::CObjectProperties& at = place->GetProperties();
    sign->SetPosition(at.x, at.y);
    sign->SetLayer(layer + at.layer);
  } else {
    sign->SetPosition(look->GetPosition());
    sign->SetLayer(layer);
  }
  sign->Play("all", 1, true);
}

void CGetObjectAction::CountClick() const {
  if (const IntFloatPair* entry = CClickSeries::Instance().Count(EngineTime()))
    ShowSeriesBonus(*entry);
}

void CGetObjectAction::ShowSeriesBonus(const IntFloatPair& entry) const {
  PlaySoundById(kSeriesSound);
  if (m_orderField) m_orderField->AddScore(entry.Value);
  const AnimationPtr look = m_object ? m_object->HolderGetCast() : AnimationPtr();
  const GF::THolder<GF::IScene> scene = look ? look->GetScene() : nullptr;
  const AnimationPtr bonus = scene ? scene->CreateAnimation("bonus.bonus_points") : AnimationPtr();
  if (!bonus) return;
  bonus->SetLayer(HudLayerBase + kBonusAboveHud);
  bonus->Update(0.0f);
  GF::TRect<int> rect;
  bonus->GetBoundingRect(rect);
  // Kept whole on the screen.
  const float h = static_cast<float>(rect.right - rect.left) / 2.0f;
  const GF::TPoint<float> at = look->GetPosition();
  bonus->SetPosition(std::clamp(at.x, h, std::max(h, kScreenWidth - h)),
                     std::clamp(at.y, h, std::max(h, kScreenHeight - h)));
  const int points = static_cast<int>(entry.Value);
  bonus->SetText("_text", L"+" + std::to_wstring(points));
  bonus->Play("all", 1, true);
}

void CGetObjectAction::Start() {
  if (m_object) m_object->SetActive(true);
  // Without an order the flight has no field to fly in: nothing to fetch.
  if (!m_order || !m_object || m_order->IsLeaving()) {
    m_done = true;
    return;
  }
  if (m_object->GetDescription().WorkFlag == 0) {
    StartFlight();
    return;
  }
  if (m_orderField) m_orderField->Run(MakeWorkObjectAction(m_object, m_order, m_item));
  m_done = true;
}

AnimationPtr CGetObjectAction::MakeFlyingCopy() const {
  const AnimationPtr look = m_object->HolderGetCast();
  const GF::THolder<GF::IScene> scene = look ? look->GetScene() : nullptr;
  const AnimationPtr copy = scene ? scene->CreateAnimation(look->GetName()) : AnimationPtr();
  if (!copy) return copy;
  copy->SetPosition(look->GetPosition());
  const GF::TPoint<float> scale = look->GetScale();
  copy->SetScale(scale.x, scale.y);
  copy->SetAngle(look->GetAngle());
  copy->SetLayer(IngredientFlyLayer);
  return copy;
}

GF::TPoint<float> CGetObjectAction::FlightTarget() const {
  const int current = m_order->GetCurrentItem();
  const RecipeRecord* recipe = m_order->GetRecipe();
  if (recipe && current >= 0 && current < m_order->GetItemCount() &&
      static_cast<std::size_t>(current) < recipe->Items.size()) {
    const std::string& key = recipe->Items[static_cast<std::size_t>(current)].ObjectName;
    const GF::THolder<CCookObject> device = m_orderField->FindObject(key, false);
    if (device && device->HolderGetCast()) return device->HolderGetCast()->GetPosition();
  }
  const AnimationPtr plate = m_orderField->GetPlate();
  return plate ? plate->GetPosition() : GF::TPoint<float>{};
}

void CGetObjectAction::StartFlight() {
  PlaySoundByName("ingredient_fly");
  if (!m_orderField) {
    m_done = true;
    return;
  }
  m_orderField->AddDelayedObject(m_object);
  const AnimationPtr copy = MakeFlyingCopy();
  const GF::TPoint<float> from = copy ? copy->GetPosition() : GF::TPoint<float>{};
  m_flight = CreateFlyObject();
  if (copy) {
    const GF::THolder<GF::HGENS::CFGParticle> trail = GF::HGENS::CFGParticle::Create(
        "Particle\\get_object.fgp", "particles_2", IngredientFlyTime / 1000.0f, true);
    if (trail) {
      trail->SetPosition(from.x, from.y);
      trail->SetScene(copy->GetScene());
      trail->SetOwner(copy);
      trail->SetLayer(IngredientFlyLayer);
    }
    m_flight->AddTarget(copy);
  }
  m_flight->SetDuration(IngredientFlyTime);
  m_flight->m_startDelay = 0.0f;
  SetFloatLineMotion(*m_flight, 1.0f, 0.5f);
  SetFloatLineMotion2(*m_flight, 0.0f, std::numbers::pi_v<float>);
  SetSplineMotion(*m_flight, from, FlightTarget(), SpiralPath());
  m_flight->m_landedEvent.Subscribe(
      GF::MakeDelegate(m_orderField.Get(), &CGameFieldBase::OnIngredientLanded));
  m_flight->Update(0.0f);
  AddFlyObject(*m_orderField, m_flight);
}

void CGetObjectAction::Update(const float&) {
  if (m_flight && m_flight->IsActive()) return;
  m_done = true;
  if (m_order && !m_order->IsLeaving()) m_order->CompleteItem(m_item);
}

CActionBase::Holder MakeGetObjectAction(GF::THolder<CCookObject> object, GF::THolder<CZacaz> order,
                                        int item) {
  return CActionBase::Holder(new CGetObjectAction(std::move(object), std::move(order), item));
}
