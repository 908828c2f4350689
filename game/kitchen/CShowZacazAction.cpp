#include "game/kitchen/CShowZacazAction.h"

#include <numbers>
#include <string>
#include <utility>

#include "framework/core/IScene.h"
#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "game/kitchen/MotionSetters.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr int kSignAbovePlate = 110;
constexpr int kDishPlace = 2;                            // the plate's child that holds the dish
constexpr float kOpenFrom = 10.0f;                       // ms into the plate's "_open"
constexpr GF::TPoint<float> kRivalDish{900.0f, 500.0f};  // off the screen's right edge
constexpr float kFlightEndScale = 0.5f;
constexpr int kAboveBubble = 50;

bool IsSpecial(int type) {
  return type == 101 || type == 102;
}

// Where a node is drawn: its composed position (inside a place, its local one is not).
template <class Node>
GF::TPoint<float> ScreenPosition(Node& node) {
  const GF::CObjectProperties& at = node.GetProperties();
  return {at.x, at.y};
}

AnimationPtr CreateInLevelLayer(const std::string& name) {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  return layer ? layer->CreateAnimation(name) : AnimationPtr();
}

std::string DishName(const CZacaz& order) {
  const RecipeRecord* recipe = order.GetRecipe();
  if (!recipe) return {};
  return recipe->PictureName().empty() ? recipe->RecipeKey : recipe->PictureName();
}

}  // namespace

CShowZacazAction::CShowZacazAction(GF::THolder<CZacaz> order)
    : m_order(std::move(order)), m_field(m_order->GetField()) {
  m_order->CountServing();
  if (IsSpecial(m_order->GetType())) m_order->GiveItemBonus();
  const AnimationPtr plate = m_field ? m_field->GetPlate() : nullptr;
  if (m_order->GetType() == 102 || !plate) return;
  if (const AnimationPtr sign = CreateInLevelLayer("interfaces.sign")) {
    sign->SetPosition(ScreenPosition(*plate));
    sign->SetLayer(plate->GetLayer() + kSignAbovePlate);
    sign->Play("all", 1, true);
  }
}

void CShowZacazAction::Start() {
  m_dish = CreateInLevelLayer(DishName(*m_order));
  const AnimationPtr plate = m_field ? m_field->GetPlate() : nullptr;
  if (m_order->GetType() == 102) {
    if (m_dish) m_dish->SetPosition(kRivalDish);
    m_dishShown = true;
    m_flightDue = m_dish != nullptr;
  } else if (!plate || !m_dish) {
    // Nothing to carry it over: straight into the bubble.
    m_order->ShowDish(m_dish, false);
    m_order->Pay();
    m_dishShown = true;
  } else {
    plate->Play("_open", 0, false);
    plate->PlayFrom(plate->GetStartTime() + kOpenFrom);
    const GF::IAnimation::ParentPtr place(plate->GetChildAt(kDishPlace));
    m_dish->SetParent(place, true);
    m_dish->Update(0.0f);
    plate->Update(0.0f);
    m_flightDue = true;
  }
  m_elapsed = 0.0f;
  m_removePending = true;
  if (const GF::THolder<CDeliveryButton> button = m_field ? m_field->GetDeliveryButton() : nullptr)
    button->SetEnabled(false);
}

bool CShowZacazAction::IsPlateDone() const {
  const AnimationPtr plate = m_field ? m_field->GetPlate() : nullptr;
  // The end of a play: its last pass ended, or it is held (a play kept in its scene never
  // reads finished).
  return !plate || plate->IsStopped();
}

void CShowZacazAction::Update(const float& dt) {
  m_elapsed += dt;
  if (m_flightDue && IsPlateDone()) StartFlight();
  if (m_flight && m_flight->IsActive()) {
    if (!IsSpecial(m_order->GetType())) m_order->GiveBonuses();
    if (!m_order->IsOpened() && m_removePending) HandOver();
  } else if (m_flight) {
    Land();
  }
  if (m_dishShown) CountShowTime(dt);
}

void CShowZacazAction::StartFlight() {
  m_flightDue = false;
  PlaySoundByName("ingredient_fly");
  // It flies in screen coordinates: out of the plate, where it stands.
  m_dish->SetParent(GF::IAnimation::ParentPtr(), false);
  // Seen above the bubble it flies into, and its recipe card.
  if (const AnimationPtr bubble = m_order->GetBubble())
    m_dish->SetLayer(bubble->GetLayer() + kAboveBubble);
  const GF::TPoint<float> from = ScreenPosition(*m_dish);
  const AnimationPtr list = m_order->GetItemsPanel();
  GF::TPoint<float> to = from;
  if (list) {
    list->Play("_hide", 0, false);
    if (const GF::IAnimation::ParentPtr place{list->FindDrawable("_recept_place")}) {
      list->Update(0.0f);
      to = ScreenPosition(*place);
    }
  }
  m_flight = CreateFlyObject();
  m_flight->AddTarget(m_dish);
  m_flight->SetDuration(IngredientFlyTime);
  m_flight->m_startDelay = 0.0f;
  SetLineMotion3(*m_flight, 1.0f, kFlightEndScale);
  SetFloatLineMotion2(*m_flight, 0.0f, 2.0f * std::numbers::pi_v<float>);
  SetParabolaMotion(*m_flight, from, {0.5f * from.x + 0.5f * to.x, 0.25f * from.y + 0.75f * to.y},
                    to);
  if (m_field) AddFlyObject(*m_field, m_flight);
  if (m_order->GetType() == 102) return;
  if (const AnimationPtr plate = m_field->GetPlate(); plate && !m_dishShown)
    plate->Play("_closed", 0, false);
  PlaySoundByName("Applause" + std::to_string(m_order->GetMood()));
}

void CShowZacazAction::HandOver() {
  m_removePending = false;
  RemoveFromPanel();
  SetFloatLineMotion(*m_flight, 1.0f, 0.0f);
  if (Pays()) m_order->Pay();
  m_done = true;
  m_flight->m_removeOnArrival = true;
  m_flight.Reset();
  m_dishShown = true;
}

void CShowZacazAction::Land() {
  m_flight.Reset();
  // The rival's dish was counted shown from the start; it too goes into the bubble, which
  // carries it away.
  const bool paying = !m_dishShown;
  m_dish->SetOpacity(1.0f);
  m_order->ShowDish(m_dish, false);
  if (!paying) return;
  m_elapsed = 0.0f;
  m_dishShown = true;
  if (Pays()) m_order->Pay();
}

void CShowZacazAction::CountShowTime(const float& dt) {
  // While the dish is shown its time runs at twice the frame step.
  m_elapsed += dt;
  if (m_elapsed <= static_cast<float>(OrderShowTime)) return;
  const int type = m_order->GetType();
  const bool next = !IsSpecial(type) || (m_field && m_field->AddOrder(type));
  if (next) RemoveFromPanel();
  m_done = true;
}

void CShowZacazAction::RemoveFromPanel() const {
  if (CReceptPanel* panel = m_field ? m_field->GetReceptPanel() : nullptr)
    panel->RemoveOrder(m_order);
}

CActionBase::Holder MakeShowZacazAction(GF::THolder<CZacaz> order) {
  return CActionBase::Holder(new CShowZacazAction(std::move(order)));
}
