#include "game/kitchen/CTimeFreazeBonus.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/engine/screens/ControlParts.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

// The picture made in the level interface layer, showing in the place; without the place it
// stands where the clock panel stands.
AnimationPtr ShowOnClock(const std::string& name, const GF::IAnimation::ParentPtr& place,
                         const AnimationPtr& panel) {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  const AnimationPtr picture = layer ? layer->CreateAnimation(name) : nullptr;
  if (!picture) return picture;
  if (place)
    picture->SetParent(place, true);
  else if (panel)
    picture->SetPosition(panel->GetPosition());
  picture->Play("_show", 1, false);
  picture->Update(0.0f);
  return picture;
}

void Hide(const AnimationPtr& picture) {
  if (picture) picture->Play("_hide", 1, true);
}

}  // namespace

CActionBase::Holder CTimeFreazeBonus::Create(GF::THolder<CGameFieldBase> field,
                                             const BonusDescription& record, AnimationPtr visual) {
  return CActionBase::Holder(new CTimeFreazeBonus(std::move(field), record, std::move(visual)));
}

void CTimeFreazeBonus::Start() {
  CBonusBase::Start();
  ShowBanner("bonus_name_1");
  float& freeze = m_field->FreezeTime();
  freeze = std::max(0.0f, freeze + m_remaining);
  const AnimationPtr panel = GF::HGENS::FindRequiredPart(m_field->GetHudRoot(), "_flip");
  const AnimationPtr clock = GF::HGENS::FindRequiredPart(panel, "_clock");
  const AnimationPtr hand = GF::HGENS::FindRequiredPart(clock, "_second");
  m_ice = ShowOnClock("bonus.ice", GF::HGENS::FindRequiredPlace(clock, "_bonus_place"), panel);
  m_iceText = ShowOnClock("bonus.ice_str", GF::HGENS::FindRequiredPlace(hand, "_ice"), panel);
}

void CTimeFreazeBonus::OnEnd() {
  Hide(m_ice);
  Hide(m_iceText);
}
