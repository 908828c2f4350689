#include "game/kitchen/CWaitButtonAction.h"

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/ControlParts.h"

CWaitButtonAction::CWaitButtonAction(const std::string& name,
                                     const GF::IAnimation::AnimationPtr& parent)
    : m_node(parent ? GF::HGENS::FindSubstitutedPart(*parent, name)
                    : GF::IAnimation::AnimationPtr()) {}

CWaitButtonAction::~CWaitButtonAction() {
  ReleaseButton();
}

void CWaitButtonAction::Start() {
  if (!m_node) {
    m_done = true;
    return;
  }
  // The box it sits on may still move in, so the hit rectangle follows it.
  m_button = CDeliveryButton::Create(m_node, true);
  m_button->clickEvent.Subscribe(GF::MakeDelegate(this, &CWaitButtonAction::OnClick));
  // Brings up the enabled look afresh.
  m_button->SetEnabled(false);
  m_button->SetEnabled(true);
}

void CWaitButtonAction::Update(const float& dt) {
  m_button->Update(dt);
}

void CWaitButtonAction::Finish() {
  ReleaseButton();
}

void CWaitButtonAction::OnClick(GF::THolder<GF::HGENS::CBaseControl>, const GF::TPoint<int>&, int) {
  m_done = true;
}

void CWaitButtonAction::ReleaseButton() {
  if (!m_button) return;
  m_button->clickEvent.RemoveDelegate(GF::MakeDelegate(this, &CWaitButtonAction::OnClick));
  m_button.Reset();
}

CActionBase::Holder MakeWaitButtonAction(const std::string& name,
                                         const GF::IAnimation::AnimationPtr& parent) {
  return CActionBase::Holder(new CWaitButtonAction(name, parent));
}
