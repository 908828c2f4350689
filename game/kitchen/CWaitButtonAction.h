#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CDeliveryButton.h"

// Waits until the player clicks a button laid over the animation hosted by a named place
// of a parent animation (the hint box's "_item_back"). Without that animation it is done
// at once.
class CWaitButtonAction : public CActionBase {
 public:
  CWaitButtonAction(const std::string& name, const GF::IAnimation::AnimationPtr& parent);
  ~CWaitButtonAction() override;

  void Start() override;
  void Update(const float& dt) override;
  void Finish() override;

  // The button while the action waits; empty before the start and after the finish.
  const GF::THolder<CDeliveryButton>& GetButton() const { return m_button; }

 private:
  void OnClick(GF::THolder<GF::HGENS::CBaseControl> control, const GF::TPoint<int>& point,
               int buttons);
  // Drops the button and the click delegate, so no click reaches a finished action.
  void ReleaseButton();

  GF::IAnimation::AnimationPtr m_node;
  GF::THolder<CDeliveryButton> m_button;
};

CActionBase::Holder MakeWaitButtonAction(const std::string& name,
                                         const GF::IAnimation::AnimationPtr& parent);
