#include "framework/engine/screens/CButtonControl.h"

#include "framework/core/ISubstitutedContainer.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/screens/CBaseControlInitState.h"

namespace GF::HGENS {
namespace {

using ContainerPtr = TSmartIPtr<ISubstitutedContainer, kIdSubstitutedContainer>;

// The first animation hosted by the drawable; empty when it hosts none.
CButtonControl::AnimationPtr HostedAnimation(const CButtonControl::DrawablePtr& drawable) {
  const ContainerPtr container(drawable);
  return container ? container->GetSubstitutedAnimation(0) : CButtonControl::AnimationPtr();
}

}  // namespace

void CButtonControl::OnDestroy(THolder<CBaseControl> control) {
  if (m_animation) m_animation->Detach();
  CBaseControl::OnDestroy(control);
}

void CButtonControl::Create(const std::string& name, THolder<IScreen> screen) {
  CBaseControl::Create(name, screen);
  const AnimationPtr layout = screen ? screen->GetLayout() : AnimationPtr();
  if (!layout || Bind(layout)) return;
  // A layout whose first object hosts the real menu.
  if (const AnimationPtr menu = HostedAnimation(layout->GetDrawable(0))) Bind(menu);
}

bool CButtonControl::Bind(const AnimationPtr& layout) {
  const AnimationPtr animation = HostedAnimation(layout->FindDrawable("_item_" + m_name));
  if (!animation) return false;
  BindAnimation(animation);
  return true;
}

void CButtonControl::BindAnimation(const AnimationPtr& animation) {
  if (!animation) return;
  m_animation = animation;
  SetText(GetResources()->GetText("item_" + m_name));
  UpdateLook();
  m_animation->RefreshProperties();
  m_rectPart = m_animation->FindDrawable("_button_rect");
  CopyRect();
}

void CButtonControl::Reset(THolder<CBaseControl> control, THolder<IScreen> screen) {
  SetState(StateOf<CBaseControlInitState>());
  resetEvent.Fire(control, screen);
  PlayLook("_up");
}

void CButtonControl::OnOver(THolder<CBaseControl> control) {
  PlayLook("_over");
  if (m_overArmed) {
    CBaseControl::OnOver(control);
  } else {
    m_overArmed = true;
  }
}

void CButtonControl::OnLeave(THolder<CBaseControl> control) {
  PlayLook("_leave");
  CBaseControl::OnLeave(control);
}

void CButtonControl::OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  m_overArmed = true;
  PlayLook("_down");
  CBaseControl::OnDown(control, point, buttons);
}

void CButtonControl::OnUp(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) {
  m_overArmed = false;
  PlayLook("_up");
  CBaseControl::OnUp(control, point, buttons);
}

void CButtonControl::OnVisibleChanged(THolder<CBaseControl> control) {
  if (m_animation) m_animation->SetShown(IsVisible());
  CBaseControl::OnVisibleChanged(control);
}

void CButtonControl::OnEnabledChanged(THolder<CBaseControl> control) {
  m_hover = false;
  UpdateLook();
  CBaseControl::OnEnabledChanged(control);
}

void CButtonControl::UpdateRect() {
  CopyRect();
}

void CButtonControl::CopyRect() {
  TRect<int> rect;
  if (m_rectPart) {
    rect = m_rectPart->GetBoundingRect();
  } else if (m_animation) {
    m_animation->GetBoundingRect(rect);
  } else {
    return;
  }
  SetRect(rect.left, rect.top, rect.right, rect.bottom);
}

void CButtonControl::UpdateLook() {
  PlayLook(IsEnabled() ? "_up" : "_disabled");
}

void CButtonControl::SetText(const std::wstring& text) {
  if (m_animation) m_animation->SetText("_text", text);
}

const std::wstring* CButtonControl::GetText() const {
  return m_animation ? m_animation->GetText("_text") : nullptr;
}

void CButtonControl::PlayLook(const char* look) {
  if (m_animation) m_animation->Play(look, 0, false);
}

}  // namespace GF::HGENS
