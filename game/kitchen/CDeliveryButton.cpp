#include "game/kitchen/CDeliveryButton.h"

GF::THolder<CDeliveryButton> CDeliveryButton::Create(AnimationPtr animation, bool follow) {
  GF::THolder<CDeliveryButton> button(new CDeliveryButton);
  const char* name = animation ? animation->GetName() : nullptr;
  button->CButtonControl::Create(name ? name : "", nullptr);
  button->BindAnimation(animation);
  button->m_follow = follow;
  return button;
}

bool CDeliveryButton::Update(const float& dt) {
  if (m_follow && GetAnimation()) UpdateRect();
  return IsVisible() ? CButtonControl::Update(dt) : true;
}
