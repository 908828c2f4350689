#include "framework/engine/screens/ControlParts.h"

#include <unordered_set>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/TStaticDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/CTextSpriteObject.h"
#include "framework/engine/screens/CBaseControl.h"
#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

using ContainerPtr = TSmartIPtr<ISubstitutedContainer, kIdSubstitutedContainer>;

IAnimation::AnimationPtr HostedAnimation(const IAnimation::DrawablePtr& drawable) {
  const ContainerPtr container(drawable);
  return container ? container->GetSubstitutedAnimation(0) : IAnimation::AnimationPtr();
}

void LogMissingPart(const IAnimation& animation, const std::string& name) {
  static std::unordered_set<std::string> logged;
  const char* owner = animation.GetName();
  const std::string key = std::string(owner ? owner : "?") + "/" + name;
  if (!logged.insert(key).second) return;
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("[W] PART %s NOT FOUND", key.c_str());
  engine->Release();
}

void PlayMenuSound(const char* name) {
  if (const THolder<IGameSound> sound = GetGameSound()) sound->Play(name, 1, 0.0f, 0.0f, 0.0f);
}

void OnMenuClick(THolder<CBaseControl>, const TPoint<int>&, int) {
  PlayMenuSound("click_menu");
}

void OnMenuOver(THolder<CBaseControl>) {
  PlayMenuSound("mouse_over");
}

}  // namespace

IAnimation::AnimationPtr FindSubstitutedPart(const IAnimation& animation, const std::string& name) {
  return HostedAnimation(animation.FindDrawable(name));
}

IAnimation::AnimationPtr FindRequiredPart(const IAnimation::AnimationPtr& animation,
                                          const std::string& name) {
  if (!animation) return {};
  IAnimation::AnimationPtr part = FindSubstitutedPart(*animation, name);
  if (!part) LogMissingPart(*animation, name);
  return part;
}

ContainerPtr FindRequiredPlace(const IAnimation::AnimationPtr& animation, const std::string& name) {
  if (!animation) return {};
  ContainerPtr place(animation->FindDrawable(name));
  if (!place) LogMissingPart(*animation, name);
  return place;
}

bool LayoutHasPart(const IAnimation::AnimationPtr& layout, const std::string& name) {
  if (!layout) return false;
  if (FindSubstitutedPart(*layout, name)) return true;
  const IAnimation::AnimationPtr menu = HostedAnimation(layout->GetDrawable(0));
  return menu && FindSubstitutedPart(*menu, name);
}

bool FindTextFont(const IAnimation& animation, const std::string& name, THolder<IFont>& font,
                  int& alignment) {
  const IAnimation::DrawablePtr drawable = animation.FindDrawable(name);
  const auto* text = dynamic_cast<const CTextSpriteObject*>(drawable.Get());
  if (!text) return false;
  font = text->GetFont();
  if (const THolder<ITextDescrition> description = text->GetTextDescription())
    alignment = description->GetLowFlags();
  return true;
}

void AttachMenuSounds(CBaseControl& control) {
  control.clickEvent.Subscribe(MakeDelegate(&OnMenuClick));
  control.overEvent.Subscribe(MakeDelegate(&OnMenuOver));
}

}  // namespace GF::HGENS
